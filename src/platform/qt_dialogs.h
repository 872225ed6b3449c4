#pragma once

#include "platform/dialogs.h"

// Dialogs shown with Qt's own message box and file dialog, parented to the active window.
class QtDialogs final : public Dialogs
{
public:
    // Qt's own texts of the dialogs (and of every other window) in French from then on.
    QtDialogs();
    void message(const QString& text) override;
    QString openFile(const QString& description, const QString& pattern) override;
};

// Loads Qt's own French texts (QtDialogs does it once for the run) (file dialog, text box menus, standard buttons) from
// the system's Qt translations folder, so that nothing of Qt shows in English in the program's French windows. Returns
// false when the translations are not installed: Qt's texts then stay in English.
bool installQtFrenchTranslations();
