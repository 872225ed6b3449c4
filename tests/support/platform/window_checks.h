#pragma once

#include <QAbstractButton>
#include <QFrame>
#include <QLabel>
#include <QSet>
#include <algorithm>

// The caption a label or a button shows; other controls show none.
inline QString captionOf(const QWidget& control)
{
    const auto* label = qobject_cast<const QLabel*>(&control);
    const auto* button = qobject_cast<const QAbstractButton*>(&control);
    return label ? label->text() : button ? button->text() : QString();
}

// Whether a text shows the marks of a wrong decoding: UTF-8 read as Latin-1 ("CrÃ©ation" for
// "Création"), or bytes that are not UTF-8 read as UTF-8 (the replacement character).
inline bool garbled(const QString& text)
{
    const QByteArray latin1 = text.toLatin1();
    const bool inLatin1 = std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() <= 0xFF; });
    return text.contains(QChar::ReplacementCharacter) ||
           (inLatin1 && latin1 != text.toUtf8() && !QString::fromUtf8(latin1).contains(QChar::ReplacementCharacter));
}

// The first fault among the controls of a window (its children, and those of its plain frames),
// or an empty text: each has an object name of its own and an accessible name (its caption, or
// its object name when it shows none or shows a value), lies inside its parent, and shows its
// caption whole, rightly decoded, at a readable size. A label's caption may run on up to the
// first sibling that covers the label's end on the line of its caption; one that wraps it, over
// lines that fit its height.
inline QString controlFault(const QWidget& window, QSet<QString>&& names = {})
{
    const QList<QWidget*> controls = window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (const QWidget* control : controls) {
        if (control->isWindow())
            continue;
        const QString name = control->objectName();
        if (name.isEmpty() || names.contains(name) || control->accessibleName().isEmpty())
            return name + QStringLiteral(": no name of its own or no accessible name");
        names.insert(name);
        const QString caption = captionOf(*control);
        if (control->accessibleName() != caption && control->accessibleName() != name)
            return name + QStringLiteral(": accessible name neither its caption nor its name");
        if (!window.rect().contains(control->geometry()))
            return name + QStringLiteral(": outside its parent");
        const bool label = qobject_cast<const QLabel*>(control);
        int room = control->width();
        for (const QWidget* other : controls)
            if (label && other->x() > control->x() && other->x() <= control->geometry().right() &&
                other->geometry().contains(other->x(), control->geometry().center().y()))
                room = qMin(room, other->x() - control->x());
        // A label that wraps its caption shows it whole when its lines fit its place.
        const auto* wrapping = qobject_cast<const QLabel*>(control);
        const QSize wrapped =
            wrapping && wrapping->wordWrap()
                ? control->fontMetrics().boundingRect(control->rect(), Qt::TextWordWrap, caption).size()
                : QSize(control->fontMetrics().horizontalAdvance(caption), 0);
        const bool fits = wrapped.width() <= room && wrapped.height() <= control->height();
        if (!fits || control->font().pointSizeF() < 6.0)
            return name + QStringLiteral(": caption does not fit");
        if (garbled(caption))
            return name + QStringLiteral(": caption wrongly decoded");
        if (control->metaObject() == &QFrame::staticMetaObject)
            if (const QString fault = controlFault(*control, std::move(names)); !fault.isEmpty())
                return fault;
    }
    return controls.isEmpty() && names.isEmpty() ? QStringLiteral("no controls") : QString();
}
