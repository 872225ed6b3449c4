#pragma once

// Drives the program's windows as a user would, through their real widgets.

#include "app/main_window.h"
#include "layout/move_qso_window.h"
#include "support/test_environment.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace driver {

inline QAction* action(QWidget* window, const char* name)
{
    return window->findChild<QAction*>(QString::fromLatin1(name));
}

// "Edition de la QSL" on the main window.
inline MoveQsoWindow* openEditor(TestEnvironment& env)
{
    action(env.program().mainWindow(), "Mnu_Edition")->trigger();
    return env.program().existingEditor();
}

inline QLineEdit* box(QWidget* editor, const QString& name)
{
    return editor->findChild<QLineEdit*>(name);
}

inline QCheckBox* tick(QWidget* editor, const QString& name)
{
    return editor->findChild<QCheckBox*>(name);
}

// Replaces the box's text by typing, one key per character (accented letters included).
inline void type(QLineEdit* target, const QString& text)
{
    target->setFocus();
    target->selectAll();
    QTest::keyClick(target, Qt::Key_Delete);
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

inline void click(QWidget* window, const char* button)
{
    QTest::mouseClick(window->findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
}

inline void setTicked(QCheckBox* target, bool ticked)
{
    for (int i = 0; i < 3 && (target->checkState() == Qt::Checked) != ticked; ++i)
        QTest::mouseClick(target, Qt::LeftButton);
}

// Ticks SL1 ... SL7 as the pattern says ("1100000": only SL1 and SL2).
inline void setSwitches(QWidget* editor, const QString& pattern)
{
    for (int line = 1; line <= 7; ++line)
        setTicked(tick(editor, QStringLiteral("SL%1").arg(line)), pattern.at(line - 1) == QLatin1Char('1'));
}

} // namespace driver
