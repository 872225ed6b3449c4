#include "card/qsl_x_window.h"

#include "card/card_batch.h"
#include "card/card_batch_progress.h"
#include "card/card_composer.h"
#include "card/card_picture.h"
#include "platform/dialogs.h"
#include "platform/window_geometry.h"
#include "program/program.h"
#include "settings/settings_keys.h"
#include "settings/settings_store.h"

#include <QDir>
#include <QMenuBar>

namespace
{

const QString kCaption = QStringLiteral("Aperçu des E- QSL");
const QString kEditEntry = QStringLiteral("Positionnement des champs sur la QSL");
const QString kBackgroundFailure = QStringLiteral("Le fond de QSL ne peut pas être chargé :");
const QString kNoCardsWithoutBackground =
    QStringLiteral("Aucune QSL n'a été enregistrée : choisissez un fond avec \"Fond QSL\".");
const QString kPicksKept = QStringLiteral(
    "Les QSO sélectionnés sont gardés : fermez cet aperçu, puis cliquez à nouveau sur \"Enregistrer les QSL\".");

// Inner area of the window and place of the picture area, in twips.
constexpr int kInnerWidth = 8175;
constexpr int kInnerHeight = 5430;
constexpr int kPictureLeft = 120;
constexpr int kPictureTop = 120;

} // namespace

QslXWindow::QslXWindow(Program& program, QWidget* parent) : QMainWindow(parent), program_(program)
{
    setObjectName(QStringLiteral("QSL_X"));
    setWindowTitle(kCaption);
    buildControls();
}

void QslXWindow::buildControls()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(fromTwips(kInnerWidth), fromTwips(kInnerHeight));
    setCentralWidget(client);

    picture_ = new CardPicture(surface_, client);
    picture_->move(fromTwips(kPictureLeft), fromTwips(kPictureTop));
    surface_.onChange([this] { picture_->update(); });

    auto* edit = new QAction(kEditEntry, this);
    edit->setObjectName(QStringLiteral("Mnu_Edit_QSL"));
    menuBar()->addAction(edit);
    connect(edit, &QAction::triggered, this, [this] { program_.showEditor(); });
}

void QslXWindow::runCreationSequence()
{
    if (created_)
        return;
    created_ = true;
    SettingsStore& store = program_.store();

    // 1. Centre on the screen.
    adjustSize();
    placeOnScreen(*this);

    // 2. The layout, with the export fallbacks; the comment stays as start-up read it.
    program_.cardLayout().load(store, LayoutReader::Export);

    // 3. The surface always keeps its drawings and works in 100 x 100 units.

    // 4, 5. The background, found through the current folder when it is a bare name.
    program_.setFondQsl(store.read(Key::QslDeFond, kSampleBackground));
    const QString reason = surface_.loadPicture(program_.fondQsl());

    // 6. Show the window.
    show();

    if (!reason.isEmpty()) {
        // Cards drawn on no background would replace good ones of the same names: none is drawn,
        // and the picked QSOs are left where they are for another try.
        batchRefused_ = true;
        const bool picked = program_.hasPickedLines();
        program_.dialogs().message(kBackgroundFailure + kMessageBreak + QDir::toNativeSeparators(program_.fondQsl()) +
                                   QStringLiteral(" : ") + reason + kMessageBreak + kNoCardsWithoutBackground +
                                   (picked ? kMessageBreak + kPicksKept : QString()));
        return;
    }

    // 7. The batch.
    Aff_LaQSL(program_.pickedLines());
}

void QslXWindow::Aff_LaQSL(const QStringList& pickedLines)
{
    const CardComposer composer(program_.cardLayout(), program_.commentaireQsl());
    CardBatchReport report;
    {
        CardBatchProgress progress(this);
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
