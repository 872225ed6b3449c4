#include "card/qsl_x_window.h"

#include "card/card_export_sequence.h"
#include "card/card_picture.h"
#include "platform/window_geometry.h"
#include "program/program.h"

#include <QMenuBar>

namespace
{

const QString kCaption = QStringLiteral("Aperçu des E- QSL");
const QString kEditEntry = QStringLiteral("Positionnement des champs sur la QSL");

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

CardExport QslXWindow::runCreationSequence()
{
    if (created_)
        return {};
    created_ = true;

    // 1. Centre on the screen.
    adjustSize();
    placeOnScreen(*this);

    // 2 to 5. The layout and the background.
    CardExportSequence sequence(program_, surface_);
    sequence.load();

    // 6. Show the window.
    show();

    // 7. The batch.
    return sequence.run(this);
}
