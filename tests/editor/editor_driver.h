#pragma once

// Drives the program's windows as a user would, through their real widgets, and reads back what
// they show and store.

#include "app/main_window.h"
#include "editor/move_qso_window.h"
#include "support/test_environment.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace driver
{

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

// Types each "box=text" entry into its box, in order.
inline void fill(QWidget* editor, const QStringList& entries)
{
    for (const QString& entry : entries)
        type(box(editor, entry.section(u'=', 0, 0)), entry.section(u'=', 1));
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
        setTicked(tick(editor, u"SL%1"_s.arg(line)), pattern.at(line - 1) == u'1');
}

// The states of SL1 ... SL7: "0" clear, "1" ticked, "2" greyed.
inline QString switches(QWidget* editor)
{
    QString pattern;
    for (int line = 1; line <= 7; ++line) {
        const Qt::CheckState state = tick(editor, u"SL%1"_s.arg(line))->checkState();
        pattern += state == Qt::Checked ? u'1' : state == Qt::PartiallyChecked ? u'2' : u'0';
    }
    return pattern;
}

// Checks that each box of the "box=text" entries shows that text.
inline void expectShown(QWidget* editor, const QStringList& entries)
{
    for (const QString& entry : entries)
        QCOMPARE(entry.section(u'=', 0, 0) + u'=' + box(editor, entry.section(u'=', 0, 0))->text(), entry);
}

// Checks that the store holds each "key=text" entry; an entry "key" alone: never written.
inline void expectStored(const SettingsStore& store, const QStringList& entries)
{
    for (const QString& entry : entries) {
        const QString key = entry.section(u'=', 0, 0);
        const std::optional<QString> text = store.value(key);
        QCOMPARE(text ? key + u'=' + *text : key, entry);
    }
}

} // namespace driver
