#include "selection/select_qso_window.h"

#include "adif/adif_reader.h"
#include "adif/qso_line.h"
#include "platform/dialogs.h"
#include "platform/window_controls.h"
#include "platform/window_geometry.h"
#include "program/program.h"
#include "selection/picked_cards.h"
#include "selection/qso_list_view.h"
#include "selection/select_log_window.h"
#include "selection/selection_texts.h"

#include <QLabel>
#include <QPushButton>

SelectQsoWindow::SelectQsoWindow(Program& program, QWidget* parent) : QWidget(parent, Qt::Window), program_(program)
{
    setObjectName(QStringLiteral("Select_QSO"));
    setWindowTitle(SelectQsoText::Title);
    QFont font = this->font();
    font.setPointSizeF(9.75);
    setFont(font);
    setFixedSize(fromTwips(9495), fromTwips(9465));
    buildControls();
    placeOnScreen(*this);
}

void SelectQsoWindow::buildControls()
{
    using namespace SelectQsoText;
    // The frames first, so that the controls over them stay on top.
    addFrame(this, "Frame1", twipsRect(120, 0, 9255, 735));
    addFrame(this, "Frame2", twipsRect(120, 720, 9255, 8055));

    QLabel* heading = addLabel(this, "Label2", Heading, twipsRect(240, 240, 9015, 375));
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(13.5);
    heading->setFont(headingFont);
    fitCaption(*heading);
    heading->setAlignment(Qt::AlignCenter);

    fitCaption(*addLabel(this, "Label3", ClickToPick, twipsRect(360, 1080, 3975, 255)));
    QPushButton* sort = addEnterButton(this, "Command2", SortByCall, twipsRect(6240, 960, 1215, 375));
    fitCaption(*addLabel(this, "Label1", numberedHeader(), twipsRect(360, 1440, 8775, 255)));

    listeQso_ = new QsoListView(this);
    listeQso_->setObjectName(QStringLiteral("Liste_QSO"));
    listeQso_->setAccessibleName(listeQso_->objectName());
    listeQso_->setGeometry(twipsRect(360, 1680, 8775, 2940));
    listeQso_->setModel(&selection_.unpicked());

    cont_ = addLabel(this, "Cont", QString(), twipsRect(360, 4920, 495, 255));
    cont_->setAccessibleName(cont_->objectName());
    cont_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    fitCaption(*cont_, -1, QString::number(kMaxListLines));
    fitCaption(*addLabel(this, "Label4", PickedHint, twipsRect(960, 4920, 5655, 255)));
    fitCaption(*addLabel(this, "Label5", pickedHeader(), twipsRect(360, 5160, 8775, 255)));

    listeImprime_ = new QsoListView(this);
    listeImprime_->setObjectName(QStringLiteral("Liste_Imprime"));
    listeImprime_->setAccessibleName(listeImprime_->objectName());
    listeImprime_->setGeometry(twipsRect(360, 5400, 8775, 2940));
    listeImprime_->setModel(&selection_.picked());

    // "Sélectionner" and "le log ou une" run under the buttons after them: their captions must
    // end before those buttons begin.
    fitCaption(*addLabel(this, "Label7", Select, twipsRect(120, 9000, 1335, 375)), fromTwips(1320 - 120));
    QPushButton* all = addEnterButton(this, "Select_All", All, twipsRect(1320, 8880, 615, 495));
    fitCaption(*addLabel(this, "Label6", LogOrA, twipsRect(2040, 9000, 1215, 255)), fromTwips(3240 - 2040));
    QPushButton* part = addEnterButton(this, "Select_Part", Part, twipsRect(3240, 8880, 735, 495));
    fitCaption(*addLabel(this, "Label8", OfTheLog, twipsRect(4080, 9000, 615, 255)));
    QPushButton* save = addEnterButton(this, "Impression", SaveCards, twipsRect(5040, 8880, 2295, 495));
    QPushButton* quit = addEnterButton(this, "Quitter", Quit, twipsRect(7680, 8880, 1095, 495));
    for (QPushButton* button : {sort, all, part, save, quit})
        paintLightYellow(*button);

    connect(listeQso_, &QsoListView::lineChosen, this, &SelectQsoWindow::pick);
    connect(listeImprime_, &QsoListView::lineChosen, this, &SelectQsoWindow::putBack);
    connect(all, &QPushButton::clicked, this, &SelectQsoWindow::pickAll);
    connect(part, &QPushButton::clicked, this, &SelectQsoWindow::openRangeWindow);
    connect(sort, &QPushButton::clicked, this, &SelectQsoWindow::sortByCall);
    connect(save, &QPushButton::clicked, this, &SelectQsoWindow::Impression);
    connect(quit, &QPushButton::clicked, this, &QWidget::close);
}

QStringList SelectQsoWindow::pickedLines() const
{
    return selection_.picked().lines();
}

QStringList SelectQsoWindow::unpickedLines() const
{
    return selection_.unpicked().lines();
}

int SelectQsoWindow::unpickedCount() const
{
    return selection_.unpicked().count();
}

void SelectQsoWindow::appendQsoLines(const QStringList& numberedLines)
{
    const int room = selection_.room();
    selection_.unpicked().append(numberedLines.size() <= room ? numberedLines : numberedLines.first(room));
    if (!numberedLines.isEmpty())
        showNoQsoFound(false);
}

void SelectQsoWindow::showNoQsoFound(bool shown)
{
    listeQso_->setEmptyHint(shown ? SelectQsoText::NoQsoFound : QString());
}

bool SelectQsoWindow::showsNoQsoFound() const
{
    return !listeQso_->emptyHint().isEmpty();
}

int SelectQsoWindow::room() const
{
    return selection_.room();
}

SelectLogWindow* SelectQsoWindow::rangeWindow() const
{
    return rangeWindow_;
}

void SelectQsoWindow::pickRange(int first, int last)
{
    selection_.pickRange(first, last);
    showCount();
}

void SelectQsoWindow::pick(int row)
{
    selection_.pick(row);
    showCount();
}

void SelectQsoWindow::putBack(int row)
{
    selection_.putBack(row);
    showCount();
}

void SelectQsoWindow::pickAll()
{
    // Cont is set for each line moved, so with nothing to move it stays as it was.
    if (selection_.pickAll())
        showCount();
}

void SelectQsoWindow::openRangeWindow()
{
    if (!rangeWindow_) {
        rangeWindow_ = new SelectLogWindow(program_, *this);
        rangeWindow_->setAttribute(Qt::WA_DeleteOnClose);
    }
    rangeWindow_->show();
    rangeWindow_->raise();
    rangeWindow_->activateWindow();
}

void SelectQsoWindow::sortByCall()
{
    selection_.sortByCall();
}

void SelectQsoWindow::Impression()
{
    savePickedCards(program_, selection_, {[this] { hide(); }, [this] { show(); }, [this] { showCount(); }});
}

void SelectQsoWindow::showCount()
{
    cont_->setText(QString::number(selection_.picked().count()));
}
