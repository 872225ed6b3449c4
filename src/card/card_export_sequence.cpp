#include "card/card_export_sequence.h"
#include "layout/layout_schema.h"

#include "card/card_batch.h"
#include "card/card_batch_progress.h"
#include "card/card_composer.h"
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
const QString kPicksKept = QStringLiteral(
    "Les QSO sélectionnés sont gardés : fermez cet aperçu, puis cliquez à nouveau sur \"Enregistrer les QSL\".");

} // namespace

CardExportSequence::CardExportSequence(Program& program, DrawingSurface& surface) : program_(program), surface_(surface)
{
}

void CardExportSequence::load()
{
    SettingsStore& store = program_.store();
    program_.cardLayout().load(store, LayoutReader::Export);
    program_.setFondQsl(store.read(Key::QslDeFond, kSampleBackground));
    background_ = surface_.loadPicture(program_.fondQsl());
}

void CardExportSequence::run(QWidget* progressParent)
{
    const QStringList picked = program_.pickedLines();
    // Without cards to draw, a background that cannot be loaded concerns whoever draws next: the
    // editor's sample tells it, and a background being chosen replaces it at once.
    if (!background_.ok() && !picked.isEmpty()) {
        refused_ = true;
        program_.dialogs().message(kBackgroundFailure + kMessageBreak + displayedPath(program_.fondQsl()) +
                                   QStringLiteral(" : ") + background_.reason() + kMessageBreak +
                                   kNoCardsWithoutBackground + kMessageBreak + kPicksKept);
        return;
    }
    Aff_LaQSL(picked, progressParent);
}

void CardExportSequence::Aff_LaQSL(const QStringList& pickedLines, QWidget* progressParent)
{
    const CardComposer composer(program_.cardLayout(), program_.commentaireQsl());
    CardBatchReport report;
    {
        CardBatchProgress progress(progressParent);
        report = runCardBatch(
            surface_, pickedLines, composer, [this] { return program_.cardLanguageFrench(); }, program_.outputFolder(),
            [&progress](int done, int total) { progress(done, total); });
    }
    for (const int i : report.unsaved)
        unsavedLines_.append(pickedLines[i]);
    if (!report.failures.isEmpty())
        program_.dialogs().message(cardBatchFailureMessage(report));
    if (!report.notSynced.isEmpty())
        program_.dialogs().message(cardBatchSyncMessage(report));
    if (const QString saved = cardBatchSavedMessage(report); program_.msgQslEnregistrees() == 1 && !saved.isEmpty())
        program_.dialogs().message(saved);
}
