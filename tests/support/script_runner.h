#pragma once

#include "adif/qso_line.h"
#include "app/main_window.h"
#include "selection/select_qso_window.h"
#include "settings/settings_keys.h"
#include "support/case_files.h"
#include "support/test_environment.h"
#include "support/window_checks.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>

// Runs cases written in the text files of a data folder, one command to a line, each file holding
// cases that begin with "case NAME". A case works the program's windows through their controls as
// a user does, and checks what they show. Before `start` (which runs the start-up), or before the
// first command that needs the windows (which starts with a background picture stored):
//   store KEY=VALUE | folder PATH | file PATH  a setting; a folder or a file under the program
//                                              folder
//   block settings                             a folder in place of the settings file
// Then:
//   log CALL[@DD/MM/YY][+VIA] ... | log N      numbered lines (N: C1 ... CN) appended to
//                                              Liste_QSO as a reading does, the window shown
//   read FILE | read -                         "Sélectionnez", the dialog answering a log of the
//                                              data folder, of the scratch folder, or cancelled
//   click LIST ROW                             a click on a line (rows from 1)
//   key CONTROL KEY | type CONTROL TEXT | set BOX TEXT | press BUTTON-OR-MENU-ENTRY | close WINDOW
//   expect WHAT = VALUE                        WHAT: a list (its lines as "number call[@date][+via]",
//       or "call" once picked, "-" for none), a label or a box (its text), "rows LIST", "reaches
//       LIST" (every line fits the one size of all items and can be scrolled into view), "shown
//       WINDOW", "enabled CONTROL", "ticked ENTRY" (yes or no), "focus", "hint" (something drawn
//       inside Liste_QSO), "stored KEY", "La QSL" (its callsign), "files" (the cards made),
//       "dialogs" (the file dialogs asked for), "exists PATH" (folder, yes or no), "controls
//       WINDOW" (the first fault of its controls), "menus", "title", "current folder", "flag" (the
//       saved-cards flag), "comment", "French cards", "ended", and "messages" and "at-messages"
//       (what the picking window held at each message: lines, "hidden", the callsign of "La
//       QSL"), these two emptied once checked.
// In texts: \r\n is a line break; $SCRATCH, $PROGRAM and $OUT the scratch, program and output
// folders; $NOT_SAVED the message that settings cannot be saved.
inline void addScriptRows(const QString& folder)
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QStringList>("commands");
    for (const QString& name : dataFiles(folder, QStringLiteral("*.txt")))
        for (const DataCase& paragraph : dataCases(folder + name))
            QTest::newRow(qPrintable(name + QStringLiteral(": ") + paragraph.name)) << folder << paragraph.lines;
}

namespace script
{

const QString kDate = QStringLiteral("15/03/24");

inline QWidget* find(const QString& name)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (QWidget* found = window->objectName() == name ? window : window->findChild<QWidget*>(name))
            return found;
    return nullptr;
}

inline QString callOf(const QString& pickedLine)
{
    const QString date = pickedLine.mid(14, 10).trimmed();
    const QString via = pickedLine.mid(67); // after the QSL received column
    return pickedLine.left(14).trimmed() + (date == kDate ? QString() : u'@' + date) +
           (via.isEmpty() ? via : u'+' + via);
}

// A list's lines: a numbered line as its number and callsign, "?" for a number column of
// another shape; a picked line as its callsign, "?" unless it was once in Liste_QSO.
inline QString shown(const QListView& list, QSet<QString>& bodies)
{
    QStringList items;
    for (int row = 0; row < list.model()->rowCount(); ++row) {
        const QString line = list.model()->index(row, 0).data().toString();
        if (list.objectName() == u"Liste_Imprime") {
            items.append((bodies.contains(line) ? QString() : QStringLiteral("?")) + callOf(line));
            continue;
        }
        bodies.insert(line.mid(7));
        const int number = line.left(5).trimmed().toInt();
        const bool column = line.left(7) == QStringLiteral("%1  ").arg(number, 5);
        items.append((column ? QString::number(number) : QStringLiteral("?")) + u' ' + callOf(line.mid(7)));
    }
    return items.isEmpty() ? QStringLiteral("-") : items.join(QStringLiteral(", "));
}

inline bool drawnInside(QWidget* view)
{
    const QImage image = view->grab().toImage();
    QImage blank = image;
    blank.fill(image.pixel(0, 0));
    return image != blank;
}

} // namespace script

inline void runScript(const QString& folder, const QStringList& commands)
{
    using namespace script;
    const auto yesNo = [](bool yes) { return yes ? QStringLiteral("yes") : QStringLiteral("no"); };
    TestEnvironment env;
    RunningProgram& program = env.program();
    const QString scratch = env.scratchFolder();
    QImage picture(530, 340, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QVERIFY(picture.save(scratch + QStringLiteral("/fond.jpg"), "JPG"));
    QDir(scratch).mkpath(QStringLiteral("folder.adi"));
    makeFifo(scratch + QStringLiteral("/fifo.adi"));
    QString notSaved;
    const auto expand = [&](QString text) {
        return text.replace(QStringLiteral("\\r\\n"), QStringLiteral("\r\n"))
            .replace(QStringLiteral("$SCRATCH"), scratch)
            .replace(QStringLiteral("$PROGRAM"), env.programFolder())
            .replace(QStringLiteral("$OUT"), env.outputFolder())
            .replace(QStringLiteral("$NOT_SAVED"), notSaved);
    };
    const auto laQsl = [&] { return callOf(env.store.value(Key::LaQsl).value_or(QStringLiteral("-"))); };
    QStringList messages, states;
    env.dialogs.onMessage([&](const QString& text) {
        messages.append(text);
        const SelectQsoWindow* window = program.existingSelectQso();
        states.append(!window ? QStringLiteral("-")
                              : QString::number(window->unpickedCount()) +
                                    (window->isVisible() ? QString() : QStringLiteral(" hidden")) +
                                    (env.store.contains(Key::LaQsl) ? u' ' + laQsl() : QString()));
    });
    bool ended = false;
    program.onEnd([&] { ended = true; });
    QSet<QString> bodies;

    for (const QString& line : commands) {
        const QString command = line.trimmed();
        const QString verb = command.section(u' ', 0, 0);
        const QString name = command.section(u' ', 1, 1);
        const QString text = expand(command.section(u' ', 2));
        if (verb == u"store") {
            env.store.write(command.mid(6).section(u'=', 0, 0), expand(command.section(u'=', 1)));
        } else if (verb == u"folder" || verb == u"file") {
            const QString path = env.programFolder() + u'/' + command.section(u' ', 1);
            QDir().mkpath(verb == u"file" ? env.programFolder() : path);
            QFile(path).open(QIODevice::WriteOnly);
        } else if (verb == u"block") {
            notSaved = env.blockSettingsFile();
        } else if (verb == u"start") {
            program.start();
        } else if (!program.mainWindow()) {
            if (!env.store.contains(Key::QslDeFond))
                env.store.write(Key::QslDeFond, scratch + QStringLiteral("/fond.jpg"));
            program.start();
        }
        QWidget* control = find(name);
        if (verb == u"store" || verb == u"folder" || verb == u"file" || verb == u"block" || verb == u"start") {
        } else if (verb == u"log") {
            QStringList lines;
            for (const QString& token : command.split(u' ', Qt::SkipEmptyParts).mid(1)) {
                bool count = false;
                const int calls = token.toInt(&count);
                for (int i = 1; i <= (count ? calls : 1); ++i) {
                    const QString call = count ? QStringLiteral("C%1").arg(i) : token.section(u'@', 0, 0);
                    const QString date = token.contains(u'@') ? token.section(u'@', 1).section(u'+', 0, 0) : kDate;
                    lines.append(Ligne_QSO(int(lines.size()) + 1, {call.section(u'+', 0, 0), date, "14:05", "14 Mhz",
                                                                   "SSB", "59", "Non", token.section(u'+', 1)}));
                }
            }
            SelectQsoWindow& window = program.selectQso();
            window.appendQsoLines(lines);
            window.show();
            QVERIFY(QTest::qWaitForWindowActive(&window));
        } else if (verb == u"read") {
            const QString path = name == u"-"                   ? QString()
                                 : QFile::exists(folder + name) ? folder + name
                                                                : scratch + u'/' + name;
            env.dialogs.answerNextFile(path);
            QTest::mouseClick(find(QStringLiteral("Selection")), Qt::LeftButton);
        } else if (verb == u"expect") {
            const qsizetype equals = command.indexOf(QStringLiteral(" ="));
            const QString what = command.mid(7, equals - 7);
            const QString expected = expand(command.mid(equals + 3));
            QWidget* widget = find(what.section(u' ', -1));
            QAction* entry = program.mainWindow()->findChild<QAction*>(what.section(u' ', -1));
            QString actual;
            if (what == u"messages" || what == u"at-messages") {
                QStringList& list = what == u"messages" ? messages : states;
                actual = list.isEmpty() ? QStringLiteral("-") : list.join(QStringLiteral(" | "));
                list.clear();
            } else if (what == u"focus") {
                actual = QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
            } else if (what == u"La QSL") {
                actual = laQsl();
            } else if (what.startsWith(QStringLiteral("stored "))) {
                actual = env.store.value(what.mid(7)).value_or(QStringLiteral("-"));
            } else if (what == u"files") {
                actual = QDir(env.outputFolder()).entryList({QStringLiteral("*.bmp")}, QDir::Files).join(u", ");
                actual = actual.isEmpty() ? QStringLiteral("-") : actual;
            } else if (what == u"dialogs") {
                for (const ScriptedDialogs::FileRequest& request : env.dialogs.fileRequests())
                    actual += (actual.isEmpty() ? QString() : QStringLiteral(", ")) + request.description + u'|' +
                              request.pattern;
            } else if (what == u"menus") {
                for (const QAction* menu : program.mainWindow()->menuBar()->actions())
                    actual += menu->text() + u'|';
            } else if (what == u"hint") {
                actual = yesNo(drawnInside(qobject_cast<QListView*>(find(QStringLiteral("Liste_QSO")))->viewport()));
            } else if (what == u"title") {
                actual = program.mainWindow()->windowTitle();
            } else if (what == u"current folder") {
                const bool output = QDir::current().canonicalPath() == QDir(env.outputFolder()).canonicalPath();
                actual = output ? QStringLiteral("output") : QStringLiteral("elsewhere");
            } else if (what.startsWith(QStringLiteral("exists "))) {
                const QFileInfo file(env.programFolder() + u'/' + what.mid(7));
                actual = file.isDir() ? QStringLiteral("folder") : yesNo(file.exists());
            } else if (what.startsWith(QStringLiteral("controls "))) {
                actual = controlFault(*widget);
            } else if (what == u"flag") {
                actual = QString::number(program.msgQslEnregistrees());
            } else if (what == u"comment") {
                actual = program.commentaireQsl();
            } else if (what == u"French cards") {
                actual = yesNo(program.cardLanguageFrench());
            } else if (what == u"ended") {
                actual = yesNo(ended);
            } else if (what.startsWith(QStringLiteral("ticked "))) {
                actual = yesNo(entry && entry->isChecked());
            } else if (what.startsWith(QStringLiteral("enabled "))) {
                actual = yesNo(widget && widget->isEnabled());
            } else if (what.startsWith(QStringLiteral("shown "))) {
                actual = yesNo(widget && widget->isVisible());
            } else if (what.startsWith(QStringLiteral("reaches "))) {
                auto* list = qobject_cast<QListView*>(widget);
                list->doItemsLayout(); // as the view does once the events of the change are handled
                bool whole = true;
                for (int row = 0; row < list->model()->rowCount(); ++row) {
                    const QModelIndex index = list->model()->index(row, 0);
                    const int width = list->fontMetrics().horizontalAdvance(index.data().toString());
                    whole &= list->sizeHintForIndex(list->model()->index(0, 0)).width() >= width &&
                             list->horizontalScrollBar()->maximum() + list->viewport()->width() >= width;
                }
                actual = yesNo(whole);
            } else if (what.startsWith(QStringLiteral("rows "))) {
                actual = QString::number(qobject_cast<QListView*>(widget)->model()->rowCount());
            } else if (auto* list = qobject_cast<QListView*>(widget)) {
                actual = shown(*list, bodies);
            } else if (auto* label = qobject_cast<QLabel*>(widget)) {
                actual = label->text();
            } else if (auto* box = qobject_cast<QLineEdit*>(widget)) {
                actual = box->text();
            } else {
                QFAIL(qPrintable(QStringLiteral("nothing to check: ") + command));
            }
            QVERIFY2(actual == expected, qPrintable(command + QStringLiteral("\n   shown: ") + actual));
        } else if (auto* entry = program.mainWindow()->findChild<QAction*>(name); entry && verb == u"press") {
            entry->trigger();
        } else {
            QVERIFY2(control, qPrintable(QStringLiteral("no control: ") + command));
            if (auto* list = qobject_cast<QListView*>(find(QStringLiteral("Liste_QSO"))))
                shown(*list, bodies);
            const QList<QWidget*> before = QApplication::topLevelWidgets();
            if (verb == u"click") {
                auto* list = qobject_cast<QListView*>(control);
                const QModelIndex index = list->model()->index(text.toInt() - 1, 0);
                list->scrollTo(index);
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
            } else if (verb == u"key") {
                QTest::keyClick(control, QKeySequence::fromString(text)[0].key());
            } else if (verb == u"type") {
                QTest::keyClicks(control, text);
            } else if (verb == u"set") {
                qobject_cast<QLineEdit*>(control)->setText(text);
            } else if (verb == u"press") {
                QTest::mouseClick(control, Qt::LeftButton);
            } else if (verb == u"close") {
                control->close();
            } else {
                QFAIL(qPrintable(QStringLiteral("unknown command: ") + command));
            }
            // A window that comes up takes the keyboard, as on a desktop.
            for (QWidget* window : QApplication::topLevelWidgets())
                if (!before.contains(window) && window->isVisible()) {
                    window->activateWindow();
                    QVERIFY(QTest::qWaitFor([&] { return QApplication::activeWindow() == window; }));
                }
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
