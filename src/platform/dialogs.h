#pragma once

#include "text/message_break.h"

#include <QString>

// The program's title, shown on every message box.
inline constexpr auto kProgramTitle = "ZELVANE_E_QSL";

// Every message box and open-file dialog of the program goes through this interface,
// so that windows can be driven headless by tests with scripted answers.
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // A modal message box with one OK button and the program's title.
    virtual void message(const QString& text) = 0;

    // An open-file dialog with one filter entry ("description" and "pattern", such as
    // ".adi " and "*.adi"). Returns the chosen full path, or an empty text when nothing was chosen.
    virtual QString openFile(const QString& description, const QString& pattern) = 0;
};

// The answer to an open-file dialog that gave back no file.
inline const QString kNothingChosen = QStringLiteral("selectionnez un fichier ou quitter");
