#include "app/start_up.h"
#include "layout/layout_schema.h"

#include "platform/dialogs.h"
#include "platform/file_reasons.h"
#include "platform/file_writes.h"
#include "program/program.h"
#include "revision.h"
#include "settings/settings_keys.h"
#include "settings/settings_store.h"

#include <QDir>
#include <QFileInfo>

namespace
{

const QString kFirstUseMessage =
    QStringLiteral("            Premiere Utilisation, voir les informations sur 'Aide'") + kMessageBreak;

void enterOutputFolder(Program& program)
{
    const QString folder = program.outputFolder();
    if (QDir::setCurrent(folder)) {
        // What an interrupted run left half written there and in the program folder.
        removeLeftoverTemporaries(folder);
        removeLeftoverTemporaries(program.programFolder());
        return;
    }
    // The folder is created and entered on the next start; this run keeps its current folder.
    if (QFileInfo::exists(folder)) {
        program.dialogs().message(QStringLiteral("Le dossier des QSL ne peut pas être ouvert :") + kMessageBreak +
                                  displayedPath(folder));
        return;
    }
    if (!makeFolder(folder).ok())
        program.dialogs().message(QStringLiteral("Le dossier des QSL ne peut pas être créé :") + kMessageBreak +
                                  displayedPath(folder));
}

} // namespace

StartUpState runStartUp(Program& program)
{
    SettingsStore& store = program.store();
    StartUpState state;

    // The layout, with the start-up defaults.
    program.cardLayout().load(store, LayoutReader::StartUp);

    // The comment printed on the cards.
    program.setCommentaireQsl(store.read(Key::Commentaire, QString()));

    // The output folder becomes the current folder.
    enterOutputFolder(program);

    // The card language.
    state.french = store.read(Key::Language, kLanguageFrench) == kLanguageFrench;

    // The background; without one, the first-use message.
    program.readFondQsl(QString());
    state.backgroundKnown = !program.fondQsl().isEmpty();
    if (!state.backgroundKnown)
        program.dialogs().message(kFirstUseMessage);

    // Where the program is, and which revision ran last.
    SettingsBatch batch(store, program.dialogs());
    // By its name: the descriptor that stands for a folder Qt cannot name means nothing next run.
    batch.write(Key::CheminRepertoire, namedPath(program.programFolder()));
    batch.write(Key::Revision, kRevision);
    return state;
}
