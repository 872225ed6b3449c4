#pragma once

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QWidget>

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
