#include "support/script_runner.h"

#include "adif/qso_line.h"
#include "selection/list_note.h"
#include "selection/select_qso_window.h"
#include "settings/settings_keys.h"
#include "support/case_files.h"
#include "support/test_environment.h"
#include "support/window_checks.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <functional>

using namespace Qt::StringLiterals;

namespace
{

// The date of the lines "log" makes, unless a line gives its own.
const QString kDate = u"15/03/24"_s;

const auto yesNo = [](bool yes) { return yes ? u"yes"_s : u"no"_s; };

// A window, or a control of any window, by its object name.
QWidget* find(const QString& name)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (QWidget* found = window->objectName() == name ? window : window->findChild<QWidget*>(name))
            return found;
    return nullptr;
}

// The note laid over a list, while one shows (in the window, shown or hidden).
const ListNote* noteOver(const QListView& list)
{
    for (const ListNote* note : list.parentWidget()->findChildren<ListNote*>(Qt::FindDirectChildrenOnly))
        if (note->isVisibleTo(list.parentWidget()) && note->geometry().intersects(list.geometry()))
            return note;
    return nullptr;
}

// What the note over a list shows: the first line of its text, " …" when more follows, and its
// button's caption in brackets; "over lines: " first when it covers a line the list shows.
QString noteShown(const QListView& list)
{
    const ListNote* note = noteOver(list);
    if (!note)
        return u"no"_s;
    const QString text = note->text();
    QString shown = text.section(u'\n', 0, 0) + (text.contains(u'\n') ? u" …"_s : QString());
    if (!note->caption().isEmpty())
        shown += (shown.isEmpty() ? QString() : u" "_s) + u'[' + note->caption() + u']';
    const QRect place = note->geometry();
    for (int row = 0; row < list.model()->rowCount(); ++row) {
        const QRect line = list.visualRect(list.model()->index(row, 0));
        if (line.top() > list.viewport()->height())
            break;
        if (line.intersects(list.viewport()->rect()) &&
            place.intersects(line.translated(list.viewport()->mapTo(list.parentWidget(), QPoint(0, 0)))))
            return u"over lines: "_s + shown;
    }
    return shown;
}

// Whether a shown element of the accessibility tree under `node`, walked as assistive technology
// walks it, is named `text` or shows it. The lines of a list are not walked.
bool reaches(QAccessibleInterface* node, const QString& text)
{
    if (!node || !node->isValid() || node->state().invisible)
        return false;
    if (node->text(QAccessible::Name) == text || node->text(QAccessible::Value) == text)
        return true;
    if (node->role() == QAccessible::List)
        return false;
    for (int i = 0; i < node->childCount(); ++i)
        if (reaches(node->child(i), text))
            return true;
    return false;
}

// A picked line as "call[@date][+via]", its date written only when it is not kDate.
QString callOf(const QString& pickedLine)
{
    const QString date = pickedLine.mid(14, 10).trimmed();
    const QString via = pickedLine.mid(67); // after the QSL received column
    return pickedLine.left(14).trimmed() + (date == kDate ? QString() : u'@' + date) +
           (via.isEmpty() ? via : u'+' + via);
}

// One case as it runs: its program, what the program told, and the lines Liste_QSO has shown.
struct Script {
    explicit Script(const QString& folder);

    // A command's text with its line breaks and folders put in: \r\n is a line break; $SCRATCH,
    // $PROGRAM and $OUT the scratch, program and output folders; $NOT_SAVED the message that the
    // settings cannot be saved, once "block settings" has run.
    QString expand(QString text) const
    {
        // A path of a folder is written as messages show it, with the system's separators.
        static const QRegularExpression folderPath(u"\\$(SCRATCH|PROGRAM|OUT)([^ :|\r\n]*)"_s);
        text.replace(u"\\r\\n"_s, u"\r\n"_s).replace(u"$NOT_SAVED"_s, notSaved);
        for (QRegularExpressionMatch found; (found = folderPath.match(text)).hasMatch();) {
            const QString start = found.captured(1) == u"SCRATCH"   ? env.scratchFolder()
                                  : found.captured(1) == u"PROGRAM" ? env.programFolder()
                                                                    : env.outputFolder();
            text.replace(found.capturedStart(), found.capturedLength(),
                         QDir::toNativeSeparators(start + found.captured(2)));
        }
        return text;
    }

    QString laQsl() const { return callOf(env.store.value(Key::LaQsl).value_or(u"-"_s)); }

    // A list's lines: a numbered line as its number and callsign, "?" for a number column of
    // another shape; a picked line as its callsign, "?" unless it was once in Liste_QSO.
    QString listed(const QListView& list)
    {
        QStringList items;
        for (int row = 0; row < list.model()->rowCount(); ++row) {
            const QString line = list.model()->index(row, 0).data().toString();
            if (list.objectName() == u"Liste_Imprime") {
                items.append((bodies.contains(line) ? QString() : u"?"_s) + callOf(line));
                continue;
            }
            bodies.insert(line.mid(7));
            const int number = line.left(5).trimmed().toInt();
            const bool column = line.left(7) == u"%1  "_s.arg(number, 5);
            items.append((column ? QString::number(number) : u"?"_s) + u' ' + callOf(line.mid(7)));
        }
        return items.isEmpty() ? u"-"_s : items.join(u", "_s);
    }

    // Works a control, which must exist; a window that comes up then takes the keyboard, as on a
    // desktop.
    void onControl(const QString& name, const std::function<void(QWidget&)>& act)
    {
        QWidget* control = find(name);
        QVERIFY2(control, qPrintable(u"no control "_s + name));
        if (auto* list = qobject_cast<QListView*>(find(u"Liste_QSO"_s)))
            listed(*list); // the lines as they were before a pick, so that a picked line is known
        const QList<QWidget*> before = QApplication::topLevelWidgets();
        act(*control);
        for (QWidget* window : QApplication::topLevelWidgets())
            if (!before.contains(window) && window->isVisible()) {
                window->activateWindow();
                QVERIFY(QTest::qWaitFor([&] { return QApplication::activeWindow() == window; }));
            }
    }

    const QString folder;
    TestEnvironment env;
    RunningProgram& program = env.program();
    QString notSaved;
    QStringList messages, states; // each message, and what the picking window held then
    QSet<QString> bodies;
    bool ended = false;
};

Script::Script(const QString& caseFolder) : folder(caseFolder)
{
    const QString scratch = env.scratchFolder();
    QImage picture(530, 340, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QVERIFY(picture.save(scratch + u"/fond.jpg"_s, "JPG"));
    QVERIFY(QDir(scratch).mkpath(u"folder.adi"_s));
    makeFifo(scratch + u"/fifo.adi"_s);
    env.dialogs.onMessage([this](const QString& text) {
        messages.append(text);
        const SelectQsoWindow* window = program.existingSelectQso();
        states.append(!window ? u"-"_s
                              : QString::number(window->unpickedCount()) +
                                    (window->isVisible() ? QString() : u" hidden"_s) +
                                    (env.store.contains(Key::LaQsl) ? u' ' + laQsl() : QString()));
    });
    program.onEnd([this] { ended = true; });
}

QString taken(QStringList& list)
{
    const QString all = list.isEmpty() ? u"-"_s : list.join(u" | "_s);
    list.clear();
    return all;
}

using Arg = const QString&;

// The checks of "expect WHAT = VALUE": what each WHAT shows, to be VALUE. A check that takes an
// argument is followed by it ("expect stored Pose H1 = 5"). Any other WHAT is the object name of a
// control: a list shows its lines (Script::listed), a label or a box its text.
struct Check {
    const char* what;
    const char* shows;
    QString (*read)(Script&, Arg argument);
};

const Check kChecks[] = {
    {"messages", "the messages told since last checked, - for none", [](Script& s, Arg) { return taken(s.messages); }},
    {"at-messages", "at each, the picking window's lines, hidden, La QSL",
     [](Script& s, Arg) { return taken(s.states); }},
    {"focus", "the object name of the control with the keyboard focus",
     [](Script&, Arg) { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }},
    {"La QSL", "the callsign of the stored La QSL, - for none", [](Script& s, Arg) { return s.laQsl(); }},
    {"stored", "stored KEY: its text, - for none",
     [](Script& s, Arg key) { return s.env.store.value(key).value_or(u"-"_s); }},
    {"files", "the cards of the output folder, - for none",
     [](Script& s, Arg) {
         const QStringList cards = QDir(s.env.outputFolder()).entryList({u"*.bmp"_s}, QDir::Files);
         return cards.isEmpty() ? u"-"_s : cards.join(u", "_s);
     }},
    {"dialogs", "the file dialogs asked for, as description|pattern",
     [](Script& s, Arg) {
         QStringList asked;
         for (const ScriptedDialogs::FileRequest& request : s.env.dialogs.fileRequests())
             asked << request.description + u'|' + request.pattern;
         return asked.join(u", "_s);
     }},
    {"menus", "the entries of the main window's menu bar, each followed by |",
     [](Script& s, Arg) {
         QString entries;
         for (const QAction* menu : s.program.mainWindow()->menuBar()->actions())
             entries += menu->text() + u'|';
         return entries;
     }},
    {"note", "note LIST: the note laid over the list (noteShown), no for none",
     [](Script&, Arg name) { return noteShown(*qobject_cast<QListView*>(find(name))); }},
    {"reachable",
     "reachable WINDOW TEXT: yes when the window's accessibility tree has a shown element of that name or text (\\n a "
     "line break)",
     [](Script&, Arg what) {
         QWidget* window = find(what.section(u' ', 0, 0));
         const QString text = what.section(u' ', 1).replace(u"\\n"_s, u"\n"_s);
         return yesNo(window && reaches(QAccessible::queryAccessibleInterface(window), text));
     }},
    {"title", "the main window's title", [](Script& s, Arg) { return s.program.mainWindow()->windowTitle(); }},
    {"current folder", "output when it is the output folder, else elsewhere",
     [](Script& s, Arg) {
         const bool output = QDir::current().canonicalPath() == QDir(s.env.outputFolder()).canonicalPath();
         return output ? u"output"_s : u"elsewhere"_s;
     }},
    {"exists", "exists PATH: folder, yes or no, for a path under the program folder",
     [](Script& s, Arg path) {
         const QFileInfo file(s.env.programFolder() + u'/' + path);
         return file.isDir() ? u"folder"_s : yesNo(file.exists());
     }},
    {"controls", "controls WINDOW: the first fault of its controls (controlFault), nothing for none",
     [](Script&, Arg name) { return find(name) ? controlFault(*find(name)) : u"no window"_s; }},
    {"flag", "the saved-cards flag", [](Script& s, Arg) { return QString::number(s.program.msgQslEnregistrees()); }},
    {"comment", "the comment printed on cards", [](Script& s, Arg) { return s.program.commentaireQsl(); }},
    {"French cards", "yes or no", [](Script& s, Arg) { return yesNo(s.program.cardLanguageFrench()); }},
    {"ended", "yes once the program has ended", [](Script& s, Arg) { return yesNo(s.ended); }},
    {"ticked", "ticked ENTRY: whether the main window's menu entry is ticked, yes or no",
     [](Script& s, Arg name) {
         const QAction* entry = s.program.mainWindow()->findChild<QAction*>(name);
         return yesNo(entry && entry->isChecked());
     }},
    {"enabled", "enabled CONTROL", [](Script&, Arg name) { return yesNo(find(name) && find(name)->isEnabled()); }},
    {"shown", "shown WINDOW", [](Script&, Arg name) { return yesNo(find(name) && find(name)->isVisible()); }},
    {"reaches", "reaches LIST: yes when every line fits the one width of all items and scrolls into view",
     [](Script&, Arg name) {
         auto* list = qobject_cast<QListView*>(find(name));
         list->doItemsLayout(); // as the view does once the events of the change are handled
         bool whole = true;
         for (int row = 0; row < list->model()->rowCount(); ++row) {
             const int width = list->fontMetrics().horizontalAdvance(list->model()->index(row, 0).data().toString());
             whole &= list->sizeHintForIndex(list->model()->index(0, 0)).width() >= width &&
                      list->horizontalScrollBar()->maximum() + list->viewport()->width() >= width;
         }
         return yesNo(whole);
     }},
    {"rows", "rows LIST: how many lines it holds",
     [](Script&, Arg name) { return QString::number(qobject_cast<QListView*>(find(name))->model()->rowCount()); }},
};

void expect(Script& script, Arg command)
{
    const qsizetype equals = command.indexOf(u" ="_s);
    const QString what = command.left(equals);
    const auto check = std::find_if(std::begin(kChecks), std::end(kChecks), [&](const Check& known) {
        return what == QLatin1String(known.what) || what.startsWith(QLatin1String(known.what) + u' ');
    });
    QString actual = u"nothing to check"_s;
    if (check != std::end(kChecks))
        actual = check->read(script, what.mid(QLatin1String(check->what).size() + 1));
    else if (auto* list = qobject_cast<QListView*>(find(what)))
        actual = script.listed(*list);
    else if (auto* label = qobject_cast<QLabel*>(find(what)))
        actual = label->text();
    else if (auto* box = qobject_cast<QLineEdit*>(find(what)))
        actual = box->text();
    QVERIFY2(actual == script.expand(command.mid(equals + 3)), qPrintable(command + u"\n   shown: "_s + actual));
}

// The commands of a case, each run by `run` on the rest of its line, or by `act` on the control
// the line names first and the text after it. Before the first command that is not for setting up,
// the program starts as "start" does, with a background picture stored unless one is.
struct Verb {
    const char* name;
    bool setUp;
    const char* usage;
    void (*run)(Script&, Arg rest) = nullptr;
    void (*act)(QWidget& control, Arg text) = nullptr;
};

const Verb kVerbs[] = {
    {"store", true, "store KEY=VALUE: a setting stored",
     [](Script& s, Arg c) { s.env.setStored(c.section(u'=', 0, 0), s.expand(c.section(u'=', 1))); }},
    {"folder", true, "folder PATH: a folder made under the program folder",
     [](Script& s, Arg path) { QVERIFY(QDir().mkpath(s.env.programFolder() + u'/' + path)); }},
    {"file", true, "file PATH: an empty file made under the program folder",
     [](Script& s, Arg path) { QVERIFY(QFile(s.env.programFolder() + u'/' + path).open(QIODevice::WriteOnly)); }},
    {"block", true, "block settings: a folder in place of the settings file",
     [](Script& s, Arg) { s.notSaved = s.env.blockSettingsFile(); }},
    {"start", true, "start: start-up, which creates the main window", [](Script& s, Arg) { s.program.start(); }},
    {"log", false, "log CALL[@DD/MM/YY][+VIA] ... | log N: lines (N: C1 to CN) given to Liste_QSO as a reading does",
     [](Script& s, Arg calls) {
         QStringList lines;
         for (const QString& token : calls.split(u' ', Qt::SkipEmptyParts)) {
             bool count = false;
             const int number = token.toInt(&count);
             for (int i = 1; i <= (count ? number : 1); ++i) {
                 const QString call = count ? u"C%1"_s.arg(i) : token.section(u'@', 0, 0);
                 const QString date = token.contains(u'@') ? token.section(u'@', 1).section(u'+', 0, 0) : kDate;
                 lines.append(Ligne_QSO(int(lines.size()) + 1, {call.section(u'+', 0, 0), date, "14:05", "14 Mhz",
                                                                "SSB", "59", "Non", token.section(u'+', 1)}));
             }
         }
         SelectQsoWindow& window = s.program.selectQso();
         window.appendQsoLines(lines);
         window.show();
         QVERIFY(QTest::qWaitForWindowActive(&window));
     }},
    {"read", false,
     "read FILE | read -: Sélectionnez, answered with a log of the case's or the scratch folder, or none",
     [](Script& s, Arg name) {
         const QString path = name == u"-"                     ? QString()
                              : QFile::exists(s.folder + name) ? s.folder + name
                                                               : s.env.scratchFolder() + u'/' + name;
         s.env.dialogs.answerNextFile(path);
         QTest::mouseClick(find(u"Selection"_s), Qt::LeftButton);
     }},
    {"click", false, "click LIST ROW: a click on a line of the list (rows from 1)", nullptr,
     [](QWidget& control, Arg row) {
         auto* list = qobject_cast<QListView*>(&control);
         const QModelIndex index = list->model()->index(row.toInt() - 1, 0);
         list->scrollTo(index);
         QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
     }},
    {"key", false, "key CONTROL KEY: a key pressed (Down, Tab)", nullptr,
     [](QWidget& control, Arg key) { QTest::keyClick(&control, QKeySequence::fromString(key)[0].key()); }},
    {"type", false, "type CONTROL TEXT: the text typed key by key", nullptr,
     [](QWidget& control, Arg text) { QTest::keyClicks(&control, text); }},
    {"set", false, "set BOX TEXT: the box's text replaced at once", nullptr,
     [](QWidget& box, Arg text) { qobject_cast<QLineEdit*>(&box)->setText(text); }},
    {"press", false, "press BUTTON | press ENTRY: the button clicked, the main window's entry chosen", nullptr,
     [](QWidget& button, Arg) { QTest::mouseClick(&button, Qt::LeftButton); }},
    {"close", false, "close WINDOW", nullptr, [](QWidget& window, Arg) { window.close(); }},
    {"expect", false, "expect WHAT = VALUE: what WHAT shows (kChecks) is VALUE", &expect},
};

} // namespace

void addScriptRows(const QString& folder)
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QStringList>("commands");
    for (const QString& name : dataFiles(folder, u"*.txt"_s))
        for (const DataCase& paragraph : dataCases(folder + name))
            QTest::newRow(qPrintable(name + u": "_s + paragraph.name)) << folder << paragraph.lines;
}

void runScript(const QString& folder, const QStringList& commands)
{
    if (!kHasFifos && commands.join(u'\n').contains(u"fifo.adi"_s))
        QSKIP("Windows has no FIFO in a folder");
    Script script(folder);
    for (const QString& line : commands) {
        const QString command = line.trimmed(), name = command.section(u' ', 0, 0), rest = command.section(u' ', 1);
        const auto verb = std::find_if(std::begin(kVerbs), std::end(kVerbs),
                                       [&](const Verb& known) { return name == QLatin1String(known.name); });
        if (verb == std::end(kVerbs)) {
            QString usages;
            for (const Verb& known : kVerbs)
                usages += u"\n   "_s + QString::fromUtf8(known.usage);
            QFAIL(qPrintable(u"unknown command: "_s + command + usages));
        }
        if (!verb->setUp && !script.program.mainWindow()) {
            if (!script.env.store.contains(Key::QslDeFond))
                script.env.setStored(Key::QslDeFond, script.env.scratchFolder() + u"/fond.jpg"_s);
            script.program.start();
        }
        QAction* entry = script.program.mainWindow() ? script.program.mainWindow()->findChild<QAction*>(rest) : nullptr;
        if (name == u"press" && entry)
            entry->trigger();
        else if (verb->act)
            script.onControl(rest.section(u' ', 0, 0),
                             [&](QWidget& control) { verb->act(control, script.expand(rest.section(u' ', 1))); });
        else
            verb->run(script, rest);
        if (QTest::currentTestFailed())
            return;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
