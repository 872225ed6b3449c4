#pragma once

#include "layout/card_layout.h"
#include "platform/program_folder.h"
#include "settings/settings_keys.h"
#include "settings/settings_store.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

class Dialogs;
class DrawingSurface;
class SettingsStore;

// What showing the export window did with the picked cards.
struct CardExport {
    // The export window was created by this call, and so ran its batch over the picked lines.
    bool created = false;
    // The batch drew no card: no background could be loaded.
    bool refused = false;
    // The picked lines whose cards the batch could not save, in their order.
    QStringList unsavedLines;
};

// The program-wide values, one instance for the whole run, and the few things one window asks of
// another.
//
// Windows receive a Program& and never include each other's headers: what crosses from one window
// to another goes through the virtual operations below, which the running program answers with
// its windows. A window is created on first use (running its load step); a closed window is
// destroyed, so the next use creates it again.
class Program
{
public:
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
    // Fond_QSL read again from "QSL de fond", with the reader's fallback for an absent key.
    const QString& readFondQsl(const QString& fallback)
    {
        fondQsl_ = store_.read(Key::QslDeFond, fallback);
        return fondQsl_;
    }

    // 1 makes the export batch end with the saved-cards message.
    qint16 msgQslEnregistrees() const { return msgQslEnregistrees_; }
    void setMsgQslEnregistrees(qint16 flag) { msgQslEnregistrees_ = flag; }

    // The card language: the tick of the main window's "Français" entry.
    virtual bool cardLanguageFrench() const = 0;

    // Enables the main window's "Sélectionnez" button (a background is known).
    virtual void enableSelection() = 0;

    // The lines of Liste_Imprime, in order; the picking window is created (not shown) when it
    // does not exist yet.
    virtual QStringList pickedLines() = 0;
    // Whether the picking window exists and holds picked lines; creates nothing.
    virtual bool hasPickedLines() const = 0;

    // Shows the export window. When it does not exist yet, this runs its whole creation
    // sequence first, the batch over the picked lines included.
    virtual CardExport exportPickedCards() = 0;
    // The surface of the export window, which is created (its whole creation sequence run, the
    // batch included) when it does not exist yet: whatever is drawn there is shown.
    virtual DrawingSurface& exportSurface() = 0;

    // Shows and raises the layout editor, created (load step run) when it does not exist yet.
    virtual void showEditor() = 0;

private:
    SettingsStore& store_;
    Dialogs& dialogs_;
    QString programFolder_;
    CardLayout cardLayout_;
    QString commentaireQsl_;
    QString fondQsl_;
    qint16 msgQslEnregistrees_ = 0;
};

inline QString Program::outputFolder() const
{
    return joinPath(programFolder_, QString::fromLatin1(kOutputFolderName));
}
