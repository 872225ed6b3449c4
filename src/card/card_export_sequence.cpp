#include "card/card_export_sequence.h"
#include "layout/layout_schema.h"

#include "card/card_batch.h"
#include "card/card_batch_progress.h"
#include "card/card_composer.h"
#include "card/card_messages.h"
#include "platform/dialogs.h"
#include "platform/drawing_surface.h"
#include "platform/file_reasons.h"
#include "program/program.h"
#include "settings/settings_keys.h"
#include "settings/settings_store.h"

#include <QDir>

namespace
{

const QString kBackgroundFailure = QStringLiteral("Le fond de QSL ne peut pas être chargé :");
const QString kNoCardsWithoutBackground =
    QStringLiteral("Aucune QSL n'a été enregistrée : choisissez un fond avec \"Fond QSL\".");

} // namespace

CardExportSequence::CardExportSequence(Program& program, DrawingSurface& surface) : program_(program), surface_(surface)
{
}

void CardExportSequence::load()
{
    SettingsStore& store = program_.store();
    program_.cardLayout().load(store, LayoutReader::Export);
    program_.readFondQsl(kSampleBackground);
    background_ = surface_.loadPicture(program_.fondQsl());
}

CardExport CardExportSequence::run(QWidget* progressParent)
{
    // Whichever window created the export window, the batch reads the picking window's list as it
    // stands (creating that window, unseen, when it does not exist yet).
    const QStringList picked = program_.pickedLines();
    CardExport result;
    result.created = true;
    // Without cards to draw, a background that cannot be loaded concerns whoever draws next: the
    // editor's sample tells it, and a background being chosen replaces it at once.
    if (!background_.ok() && !picked.isEmpty()) {
        result.refused = true;
        program_.dialogs().message(kBackgroundFailure + kMessageBreak + displayedPath(program_.fondQsl()) +
                                   QStringLiteral(" : ") + background_.reason() + kMessageBreak +
                                   kNoCardsWithoutBackground + kMessageBreak + CardMessage::PickedQsosKept);
        return result;
    }
    result.unsavedLines = Aff_LaQSL(picked, progressParent);
    return result;
}

QStringList CardExportSequence::Aff_LaQSL(const QStringList& pickedLines, QWidget* progressParent)
{
    const CardComposer composer(program_.cardLayout(), program_.commentaireQsl());
    CardBatchReport report;
    {
        CardBatchProgress progress(progressParent);
        report = runCardBatch(
            surface_, pickedLines, composer, [this] { return program_.cardLanguageFrench(); }, program_.outputFolder(),
            [&progress](int done, int total) { progress(done, total); });
    }
    QStringList unsaved;
    for (const int i : report.unsaved)
        unsaved.append(pickedLines[i]);
    if (!report.failures.isEmpty())
        program_.dialogs().message(cardBatchFailureMessage(report));
    if (!report.notSynced.isEmpty())
        program_.dialogs().message(cardBatchSyncMessage(report));
    if (const QString saved = cardBatchSavedMessage(report); program_.msgQslEnregistrees() == 1 && !saved.isEmpty())
        program_.dialogs().message(saved);
    return unsaved;
}
