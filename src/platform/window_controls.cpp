#include "platform/window_controls.h"

#include "platform/fonts.h"
#include "platform/window_geometry.h"

#include <QFont>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

QLabel* addLabel(QWidget* parent, const QString& name, const QString& caption)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setAccessibleName(caption);
    return label;
}

QLabel* addLabel(QWidget* parent, const char* name, const QString& caption, const QRect& place)
{
    QLabel* label = addLabel(parent, QString::fromLatin1(name), caption);
    label->setGeometry(place);
    return label;
}

QPushButton* addButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(caption);
    return button;
}

QPushButton* addButton(QWidget* parent, const char* name, const QString& caption, const QRect& place)
{
    QPushButton* button = addButton(parent, name, caption);
    button->setGeometry(place);
    return button;
}

QPushButton* addEnterButton(QWidget* parent, const char* name, const QString& caption, const QRect& place)
{
    QPushButton* button = addButton(parent, name, caption, place);
    button->setAutoDefault(true);
    return button;
}

QFrame* addFrame(QWidget* parent, const char* name)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setAccessibleName(frame->objectName());
    frame->setFrameShape(QFrame::Box);
    return frame;
}

QFrame* addFrame(QWidget* parent, const char* name, const QRect& place)
{
    QFrame* frame = addFrame(parent, name);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setGeometry(place);
    return frame;
}

void fitCaption(QLabel& label, int usableWidth, const QString& widest)
{
    constexpr qreal kSmallestPoints = 6.0;
    constexpr qreal kStep = 0.25;
    const QString text = widest.isEmpty() ? label.text() : widest;
    const int room = usableWidth < 0 ? label.width() : usableWidth;
    QFont font = label.font();
    while (QFontMetrics(font).horizontalAdvance(text) > room && font.pointSizeF() > kSmallestPoints)
        font.setPointSizeF(font.pointSizeF() - kStep);
    if (font != label.font())
        label.setFont(font);
}

namespace
{

// Hands the control to the window's member, which must be of the control's type.
template <typename Control> void keep(const ControlRow& row, Control* control)
{
    if (Control** const* kept = std::get_if<Control**>(&row.keep))
        **kept = control;
    else
        Q_ASSERT_X(std::holds_alternative<std::monostate>(row.keep), row.name, "kept as another type of control");
}

} // namespace

void nameControl(QWidget& control, const QString& name, const QString& caption)
{
    control.setObjectName(name);
    control.setAccessibleName(caption.isEmpty() ? name : caption);
}

void addControls(QWidget* window, std::initializer_list<ControlRow> rows)
{
    QList<std::pair<const char*, QFrame*>> frames;
    for (const ControlRow& row : rows) {
        QWidget* parent = window;
        for (const auto& [name, frame] : frames)
            if (row.frame && qstrcmp(name, row.frame) == 0)
                parent = frame;
        const QRect place = twipsRect(row.left, row.top, row.width, row.height);
        QWidget* control = nullptr;
        switch (row.kind) {
        case ControlKind::Frame: {
            QFrame* frame = addFrame(parent, row.name, place);
            frames.append({row.name, frame});
            keep(row, frame);
            control = frame;
            break;
        }
        case ControlKind::Button:
        case ControlKind::EnterButton: {
            QPushButton* button = row.kind == ControlKind::Button
                                      ? addButton(parent, row.name, row.caption, place)
                                      : addEnterButton(parent, row.name, row.caption, place);
            keep(row, button);
            control = button;
            break;
        }
        case ControlKind::Label: {
            QLabel* label = addLabel(parent, row.name, row.caption, place);
            if (row.caption.isEmpty())
                label->setAccessibleName(label->objectName());
            QFont font = label->font();
            if (row.look & Bold)
                font.setBold(true);
            if (row.points > 0)
                font.setPointSizeF(row.points);
            if (font != label->font())
                label->setFont(font);
            if (row.look & Fitted)
                fitCaption(*label, row.captionWidth ? fromTwips(row.captionWidth) : -1);
            if (row.look & Centered)
                label->setAlignment(Qt::AlignCenter);
            if (row.look & RightAligned)
                label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            keep(row, label);
            control = label;
            break;
        }
        }
        if (row.look & LightYellow)
            paintLightYellow(*control);
    }
}

void paintLightYellow(QWidget& control)
{
    QPalette palette = control.palette();
    palette.setColor(QPalette::Base, kLightYellow);
    palette.setColor(QPalette::Button, kLightYellow);
    control.setPalette(palette);
}

QFont listFont()
{
    QFont font(QString::fromLatin1(kListFace));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(9);
    return font;
}
