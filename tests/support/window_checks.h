#pragma once

#include <QAbstractButton>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QSet>
#include <QWidget>
#include <initializer_list>
#include <utility>

// Checks that hold for the controls of every window.

// The text a label or a button shows; other controls show none.
inline QString captionOf(const QWidget& control)
{
    if (auto* label = qobject_cast<const QLabel*>(&control))
        return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(&control))
        return button->text();
    return {};
}

// The controls of a window: its children, and those of its plain frames.
inline QList<const QWidget*> controlsOf(const QWidget& window)
{
    QList<const QWidget*> controls;
    for (const QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        controls.append(child);
        if (child->metaObject() == &QFrame::staticMetaObject)
            controls.append(controlsOf(*child));
    }
    return controls;
}

// The width a label's caption may take: up to the first sibling that covers the label's end on
// the line of its caption.
inline int captionRoom(const QWidget& label)
{
    int room = label.width();
    const int line = label.geometry().center().y();
    for (const QWidget* sibling : label.parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QRect place = sibling->geometry();
        if (place.left() > label.x() && place.left() <= label.geometry().right() && place.top() <= line &&
            place.bottom() >= line)
            room = qMin(room, place.left() - label.x());
    }
    return room;
}

// The first fault among a window's controls, or an empty text: each has an object name of its
// own and an accessible name, lies inside its parent, and shows its caption whole at its font.
inline QString controlFault(const QWidget& window)
{
    QSet<QString> names;
    const QList<const QWidget*> controls = controlsOf(window);
    if (controls.isEmpty())
        return QStringLiteral("no controls");
    for (const QWidget* control : controls) {
        const QString name = control->objectName();
        if (name.isEmpty() || names.contains(name))
            return QStringLiteral("name missing or used twice: ") + name;
        names.insert(name);
        if (control->accessibleName().isEmpty())
            return name + QStringLiteral(": no accessible name");
        if (!control->parentWidget()->rect().contains(control->geometry()))
            return name + QStringLiteral(": outside its parent");
        const int room = qobject_cast<const QLabel*>(control) ? captionRoom(*control) : control->width();
        if (control->fontMetrics().horizontalAdvance(captionOf(*control)) > room || control->font().pointSizeF() < 6.0)
            return name + QStringLiteral(": caption does not fit");
    }
    return {};
}

// The first control of `captions` (object name, caption) missing from the window or showing
// another caption, or an empty text.
inline QString captionFault(const QWidget& window, std::initializer_list<std::pair<const char*, QString>> captions)
{
    for (const auto& [name, caption] : captions) {
        const auto* control = window.findChild<const QWidget*>(QString::fromLatin1(name));
        if (!control || captionOf(*control) != caption)
            return QString::fromLatin1(name);
    }
    return {};
}
