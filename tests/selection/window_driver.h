#pragma once

#include "platform/window_geometry.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <initializer_list>

// Finding the controls of a window by object name and driving them as a user does.

template <typename Control> Control* control(const QWidget& window, const char* name)
{
    auto* found = window.findChild<Control*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s in %s", name, qPrintable(window.objectName()));
    return found;
}

// The lists and the count of the picking window.
inline QListView& unpickedList(const QWidget& window)
{
    return *control<QListView>(window, "Liste_QSO");
}

inline QListView& pickedList(const QWidget& window)
{
    return *control<QListView>(window, "Liste_Imprime");
}

inline QString shownCount(const QWidget& window)
{
    return control<QLabel>(window, "Cont")->text();
}

inline void showActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        qWarning("window %s did not become active", qPrintable(window.objectName()));
}

inline void clickRow(QListView& list, int row)
{
    const QModelIndex index = list.model()->index(row, 0);
    list.scrollTo(index);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualRect(index).center());
}

inline void click(const QWidget& window, const char* button)
{
    QTest::mouseClick(control<QPushButton>(window, button), Qt::LeftButton);
}

inline QStringList listLines(const QListView& list)
{
    QStringList lines;
    for (int row = 0; row < list.model()->rowCount(); ++row)
        lines.append(list.model()->index(row, 0).data().toString());
    return lines;
}

// The text a label or a button shows; other controls show none.
inline QString captionOf(const QWidget& widget)
{
    if (auto* label = qobject_cast<const QLabel*>(&widget))
        return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(&widget))
        return button->text();
    return {};
}

// A control of a window as designed: its name, its caption, its place in twips, and the width in
// twips its caption may take when that is not its own width.
struct DesignedControl {
    const char* name;
    QString caption;
    int left, top, width, height;
    int captionRoom = 0;
};

// The table of a `controls` test: columns "name", "caption", "place" and "captionRoom" (in pixels).
inline void controlTable(std::initializer_list<DesignedControl> controls)
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<int>("captionRoom");
    for (const DesignedControl& c : controls)
        QTest::newRow(c.name) << QString::fromLatin1(c.name) << c.caption << twipsRect(c.left, c.top, c.width, c.height)
                              << fromTwips(c.captionRoom ? c.captionRoom : c.width);
}

// The caption of a label shows whole in its room, in a font still readable.
inline bool captionFits(const QLabel& label, int room)
{
    return label.fontMetrics().horizontalAdvance(label.text()) <= room && label.font().pointSizeF() >= 6.0;
}

// Checks one control of a window against its row of controlTable(): place, caption, that the
// caption fits, and the accessible name (the caption, or the object name for a control without one).
#define CHECK_DESIGNED_CONTROL(widget, name, caption, place, captionRoom)                                              \
    do {                                                                                                               \
        QCOMPARE((widget)->geometry(), (place));                                                                       \
        QCOMPARE(captionOf(*(widget)), (caption));                                                                     \
        if (auto* label_ = qobject_cast<QLabel*>(widget))                                                              \
            QVERIFY(captionFits(*label_, (captionRoom)));                                                              \
        QCOMPARE((widget)->accessibleName(), (caption).isEmpty() ? (name) : (caption));                                \
    } while (false)
