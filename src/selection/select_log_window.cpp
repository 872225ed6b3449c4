#include "selection/select_log_window.h"

#include "platform/dialogs.h"
#include "platform/window_controls.h"
#include "platform/window_geometry.h"
#include "program/program.h"
#include "selection/number_box.h"
#include "selection/range_checks.h"
#include "selection/select_qso_window.h"
#include "selection/selection_texts.h"

#include <QLabel>
#include <QPushButton>

namespace
{

NumberBox* addNumberBox(QWidget* parent, const char* name, const QRect& place)
{
    auto* box = new NumberBox(parent);
    nameControl(*box, QString::fromLatin1(name));
    box->setGeometry(place);
    paintLightYellow(*box);
    return box;
}

} // namespace

SelectLogWindow::SelectLogWindow(Program& program, SelectQsoWindow& picking)
    : QWidget(&picking, Qt::Window), program_(program), picking_(picking)
{
    setObjectName(QStringLiteral("Select_Log"));
    setWindowTitle(SelectLogText::Title);
    QFont font = this->font();
    font.setPointSizeF(kDialogPoints);
    setFont(font);
    setFixedSize(fromTwips(4080), fromTwips(2400));
    buildControls();
    placeOnScreen(*this);
}

void SelectLogWindow::buildControls()
{
    using namespace SelectLogText;
    using enum ControlKind;
    addControls(this, {
                          {Frame, "Frame1", {}, 120, 0, 3855, 615},
                          {Frame, "Frame2", {}, 120, 720, 3855, 1575},
                          {Label, "Label5", Heading, 240, 240, 3615, 255, Bold | Fitted | Centered},
                          {Label, "Label2", SelectTheLog, 1200, 960, 1935, 375, Fitted},
                          // "Du numéro" and "au numéro" run under the box after them: their captions end before it.
                          {Label, "Label3", From, 360, 1320, 1095, 375, Fitted, 0, 1440 - 360},
                          {Label, "Label4", To, 2040, 1320, 1095, 375, Fitted, 0, 3120 - 2040},
                          {.kind = EnterButton,
                           .name = "Valider",
                           .caption = Confirm,
                           .left = 1560,
                           .top = 1800,
                           .width = 975,
                           .height = 255,
                           .keep = &valider_},
                      });
    // The boxes go over the ends of the labels before them.
    deb_ = addNumberBox(this, "Deb", twipsRect(1440, 1320, 495, 285));
    fin_ = addNumberBox(this, "Fin", twipsRect(3120, 1320, 495, 285));

    setTabOrder(deb_, fin_);
    setTabOrder(fin_, valider_);
    deb_->setFocus();

    const auto refuse = [this] { program_.dialogs().message(OnlyNumbers); };
    connect(deb_, &NumberBox::keyRefused, this, refuse);
    connect(fin_, &NumberBox::keyRefused, this, refuse);
    connect(deb_, &NumberBox::enterPressed, this, &SelectLogWindow::checkStartBox);
    connect(fin_, &NumberBox::enterPressed, this, &SelectLogWindow::checkEndBox);
    connect(valider_, &QPushButton::clicked, this, &SelectLogWindow::Valider);
}

void SelectLogWindow::checkStartBox()
{
    if (const std::optional<QString> message = checkStart(deb_->text(), picking_.unpickedCount())) {
        program_.dialogs().message(*message);
        deb_->setFocus();
        return;
    }
    fin_->setFocus();
}

void SelectLogWindow::checkEndBox()
{
    if (const std::optional<QString> message = checkEnd(deb_->text(), fin_->text(), picking_.unpickedCount())) {
        program_.dialogs().message(*message);
        fin_->setFocus();
        return;
    }
    valider_->setFocus();
}

void SelectLogWindow::Valider()
{
    // The boxes may hold a range that was never checked (nothing typed, Enter never pressed,
    // text pasted, lines picked meanwhile): it is checked again here, with the same messages.
    if (const std::optional<RangeRefusal> refusal = checkRange(deb_->text(), fin_->text(), picking_.unpickedCount())) {
        program_.dialogs().message(refusal->message);
        (refusal->box == RangeBox::Start ? deb_ : fin_)->setFocus();
        return;
    }
    picking_.pickRange(leadingNumber(deb_->text()), leadingNumber(fin_->text()));
    close();
}
