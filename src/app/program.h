#pragma once

#include "layout/card_layout.h"

#include <QString>
#include <QtGlobal>

class Dialogs;
class SettingsStore;
class SelectQsoWindow;
class QslXWindow;
class MoveQsoWindow;
class AideWindow;

// The program-wide values and the windows, one instance for the whole run.
//
// Windows receive a Program& and ask it for each other. A window is created on first use
// (running its load step) and the existing one is handed out afterwards; a closed window is
// destroyed, so the next use creates it again. The window accessors are virtual so that the
// window libraries need only this header.
class Program {
public:
    static inline const QString kRevision = QStringLiteral(" 1.0.4");

    Program(SettingsStore& store, Dialogs& dialogs, QString programFolder)
        : store_(store), dialogs_(dialogs), programFolder_(std::move(programFolder))
    {
    }
    virtual ~Program() = default;
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    SettingsStore& store() { return store_; }
    Dialogs& dialogs() { return dialogs_; }

    // The folder of the executable, and its output folder "E_QSL".
    const QString& programFolder() const { return programFolder_; }
    QString outputFolder() const;

    CardLayout& cardLayout() { return cardLayout_; }

    // The comment printed on exported cards, read at start-up only.
    const QString& commentaireQsl() const { return commentaireQsl_; }
    void setCommentaireQsl(const QString& text) { commentaireQsl_ = text; }

    // The background picture's path.
    const QString& fondQsl() const { return fondQsl_; }
    void setFondQsl(const QString& path) { fondQsl_ = path; }

    // 1 makes the export batch end with the saved-cards message.
    qint16 msgQslEnregistrees() const { return msgQslEnregistrees_; }
    void setMsgQslEnregistrees(qint16 flag) { msgQslEnregistrees_ = flag; }

    // The card language: the tick of the main window's "Français" entry.
    virtual bool cardLanguageFrench() const = 0;

    // Enables the main window's "Sélectionnez" button (a background is known).
    virtual void enableSelection() = 0;

    // The QSO picking window, created (not shown) when it does not exist yet.
    virtual SelectQsoWindow& selectQso() = 0;
    virtual SelectQsoWindow* existingSelectQso() = 0;

    // The export window. When it does not exist yet, this runs its whole creation sequence,
    // the batch over the picked list included, whoever asks.
    virtual QslXWindow& exportWindow() = 0;
    virtual QslXWindow* existingExportWindow() = 0;

    // The layout editor, created (load step run, not shown) when it does not exist yet.
    virtual MoveQsoWindow& editor() = 0;
    virtual MoveQsoWindow* existingEditor() = 0;

    // The help window, created (load step run, not shown) when it does not exist yet.
    virtual AideWindow& help() = 0;

private:
    SettingsStore& store_;
    Dialogs& dialogs_;
    QString programFolder_;
    CardLayout cardLayout_;
    QString commentaireQsl_;
    QString fondQsl_;
    qint16 msgQslEnregistrees_ = 0;
};

#include "platform/program_folder.h"

inline QString Program::outputFolder() const
{
    return joinPath(programFolder_, QString::fromLatin1(kOutputFolderName));
}
