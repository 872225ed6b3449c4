#include "selection/select_qso_window.h"

#include "adif/adif_reader.h"
#include "adif/qso_line.h"
#include "platform/dialogs.h"
#include "platform/window_controls.h"
#include "platform/window_geometry.h"
#include "program/program.h"
#include "selection/list_note.h"
#include "selection/picked_cards.h"
#include "selection/qso_list_view.h"
#include "selection/select_log_window.h"
#include "selection/selection_texts.h"

#include <QLabel>
#include <QPushButton>
#include <utility>

namespace
{

QsoListView* addList(QWidget* parent, const char* name, const QRect& place)
{
    auto* list = new QsoListView(parent);
    nameControl(*list, QString::fromLatin1(name));
    list->setGeometry(place);
    return list;
}

} // namespace

SelectQsoWindow::SelectQsoWindow(Program& program, QWidget* parent) : QWidget(parent, Qt::Window), program_(program)
{
    setObjectName(QStringLiteral("Select_QSO"));
    setWindowTitle(SelectQsoText::Title);
    QFont font = this->font();
    font.setPointSizeF(kDialogPoints);
    setFont(font);
    setFixedSize(fromTwips(9495), fromTwips(9465));
    buildControls();
    placeOnScreen(*this);
}

void SelectQsoWindow::buildControls()
{
    using namespace SelectQsoText;
    using enum ControlKind;
    QPushButton *sort = nullptr, *all = nullptr, *part = nullptr, *save = nullptr, *quit = nullptr;
    // The frames first, so that the controls over them stay on top.
    addControls(this,
                {
                    {Frame, "Frame1", {}, 120, 0, 9255, 735},
                    {Frame, "Frame2", {}, 120, 720, 9255, 8055},
                    {Label, "Label2", Heading, 240, 240, 9015, 375, Bold | Fitted | Centered, 13.5},
                    {Label, "Label3", ClickToPick, 360, 1080, 3975, 255, Fitted},
                    {EnterButton, "Command2", SortByCall, 6240, 960, 1215, 375, LightYellow, 0, 0, nullptr, &sort},
                    {Label, "Label1", numberedHeader(), 360, 1440, 8775, 255, Fitted},
                    {Label, "Cont", {}, 360, 4920, 495, 255, RightAligned, 0, 0, nullptr, &cont_},
                    {Label, "Label4", PickedHint, 960, 4920, 5655, 255, Fitted},
                    {Label, "Label5", pickedHeader(), 360, 5160, 8775, 255, Fitted},
                    // "Sélectionner" and "le log ou une" run under the button after them: their captions end
                    // before it.
                    {Label, "Label7", Select, 120, 9000, 1335, 375, Fitted, 0, 1320 - 120},
                    {EnterButton, "Select_All", All, 1320, 8880, 615, 495, LightYellow, 0, 0, nullptr, &all},
                    {Label, "Label6", LogOrA, 2040, 9000, 1215, 255, Fitted, 0, 3240 - 2040},
                    {EnterButton, "Select_Part", Part, 3240, 8880, 735, 495, LightYellow, 0, 0, nullptr, &part},
                    {Label, "Label8", OfTheLog, 4080, 9000, 615, 255, Fitted},
                    {EnterButton, "Impression", SaveCards, 5040, 8880, 2295, 495, LightYellow, 0, 0, nullptr, &save},
                    {EnterButton, "Quitter", Quit, 7680, 8880, 1095, 495, LightYellow, 0, 0, nullptr, &quit},
                });
    fitCaption(*cont_, -1, QString::number(kMaxListLines));

    listeQso_ = addList(this, "Liste_QSO", twipsRect(360, 1680, 8775, 2940));
    listeQso_->setModel(&selection_.unpicked());
    listeImprime_ = addList(this, "Liste_Imprime", twipsRect(360, 5400, 8775, 2940));
    listeImprime_->setModel(&selection_.picked());

    // The lists take their turn between the sort button and the picking buttons.
    setTabOrder(sort, listeQso_);
    setTabOrder(listeQso_, listeImprime_);
    setTabOrder(listeImprime_, all);
    // The notes over the lists, each button after its list in the tab order.
    qsoNote_ = new ListNote(*listeQso_, "Note_QSO", "Lire_LF");
    pickedNote_ = new ListNote(*listeImprime_, "Note_Imprime", "Reprendre_QSO");

    connect(listeQso_, &QsoListView::lineChosen, this, &SelectQsoWindow::pick);
    connect(listeImprime_, &QsoListView::lineChosen, this, &SelectQsoWindow::putBack);
    connect(qsoNote_, &ListNote::chosen, this, [this] {
        // Taken out first: the offer runs once, and what it reads offers nothing more.
        const std::function<void()> read = std::exchange(readWithLf_, nullptr);
        if (read)
            read();
    });
    connect(pickedNote_, &ListNote::chosen, this, &SelectQsoWindow::restorePicks);
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

int SelectQsoWindow::unpickedCount() const
{
    return selection_.unpicked().count();
}

void SelectQsoWindow::appendQsoLines(const QStringList& numberedLines)
{
    const int room = selection_.room();
    selection_.unpicked().append(numberedLines.size() <= room ? numberedLines : numberedLines.first(room));
}

void SelectQsoWindow::showNoQsoFound()
{
    readWithLf_ = nullptr;
    if (selection_.unpicked().count() == 0)
        qsoNote_->showOverEmptyList(SelectQsoText::NoQsoFound);
    else
        qsoNote_->withdraw();
}

void SelectQsoWindow::offerLfReading(int lines, std::function<void()> readWithLf)
{
    if (selection_.unpicked().count() == 0) {
        readWithLf_ = std::move(readWithLf);
        qsoNote_->showOverEmptyList(SelectQsoText::NoQsoFound, SelectQsoText::ReadWithLf);
        return;
    }
    // Under lines the note goes at any change of the list, so the last `lines` lines are still
    // those of the reading when the button is pressed.
    readWithLf_ = [this, lines, read = std::move(readWithLf)] {
        QsoListModel& unpicked = selection_.unpicked();
        unpicked.remove(unpicked.count() - lines, lines);
        read();
    };
    qsoNote_->showUnderLines(SelectQsoText::ReadWithLf);
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
    EmptiedPicks emptied =
        savePickedCards(program_, selection_, {[this] { hide(); }, [this] { show(); }, [this] { showCount(); }});
    if (emptied.lines.isEmpty())
        return;
    emptiedPicks_ = std::move(emptied.lines);
    pickedNote_->showOverEmptyList(emptied.cardsMade ? SelectQsoText::PicksSaved : SelectQsoText::PicksNotSaved,
                                   SelectQsoText::RestorePicks);
}

void SelectQsoWindow::restorePicks()
{
    const QStringList lines = std::exchange(emptiedPicks_, {});
    pickedNote_->withdraw();
    const int room = selection_.room();
    selection_.picked().append(lines.size() <= room ? lines : lines.first(room));
    showCount();
    if (lines.size() > room)
        program_.dialogs().message(SelectQsoText::RestoreFull.arg(room).arg(lines.size()));
}

void SelectQsoWindow::showCount()
{
    cont_->setText(QString::number(selection_.picked().count()));
}
