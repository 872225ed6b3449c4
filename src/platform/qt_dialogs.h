#pragma once

#include "platform/dialogs.h"

// Dialogs shown with Qt's own message box and file dialog, parented to the active window.
class QtDialogs final : public Dialogs {
public:
    void message(const QString& text) override;
    QString openFile(const QString& description, const QString& pattern) override;
};
