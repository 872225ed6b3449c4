#include "app/main_window.h"
#include "card/qsl_x_window.h"
#include "editor/move_qso_window.h"
#include "layout/layout_schema.h"
#include "layout/sample_card.h"
#include "platform/image_surface.h"
#include "support/case_files.h"
#include "support/test_environment.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace
{

// One row per case of the file; a line "<column> <text>" adds the text to that column.
void addCaseRows(const QString& name, std::initializer_list<const char*> columns)
{
    QStringList names;
    for (const char* column : columns) {
        QTest::addColumn<QStringList>(column); // keeps the pointer: the names are literals
        names << QString::fromLatin1(column);
    }
    for (const DataCase& paragraph : dataCases(dataPath(name))) {
        QList<QStringList> texts(columns.size());
        for (const QString& line : paragraph.lines) {
            const qsizetype column = names.indexOf(line.section(u' ', 0, 0));
            QVERIFY2(column >= 0, qPrintable(name + u": a line of no column: "_s + line));
            texts[column] << line.section(u' ', 1).replace(u"\\r\\n"_s, u"\r\n"_s);
        }
        QTestData& row = QTest::newRow(qPrintable(paragraph.name));
        for (const QStringList& column : std::as_const(texts))
            row << column;
    }
}

// Starts the program on a white background of the cards' size and the "key=text" entries stored.
void start(TestEnvironment& env, const QStringList& stored = {})
{
    QImage white(530, 340, QImage::Format_RGB32);
    white.fill(Qt::white);
    white.save(env.scratchFolder() + u"/fond.jpg"_s, "JPG");
    env.setStored(u"QSL de fond"_s, env.scratchFolder() + u"/fond.jpg"_s);
    for (const QString& entry : stored)
        env.setStored(entry.section(u'=', 0, 0), entry.section(u'=', 1));
    env.start();
    env.dialogs.clear();
}

MoveQsoWindow* openEditor(TestEnvironment& env)
{
    env.program().mainWindow()->findChild<QAction*>(u"Mnu_Edition"_s)->trigger();
    return env.program().existingEditor();
}

// Types each "box=text" entry into its box, one key per character.
void fill(QWidget* editor, const QStringList& entries)
{
    for (const QString& entry : entries) {
        auto* target = editor->findChild<QLineEdit*>(entry.section(u'=', 0, 0));
        target->clear();
        for (const QChar c : entry.section(u'=', 1))
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void click(QWidget* window, const char* name)
{
    QTest::mouseClick(window->findChild<QPushButton*>(QLatin1String(name)), Qt::LeftButton);
}

} // namespace

// The layout editor's buttons and the main window's "Chargez", under a French number format.
class TestEditor : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env;

private slots:
    void init() { env = std::make_unique<TestEnvironment>(QLocale(QLocale::French)); }
    void cleanup() { env.reset(); }

    // The file is named after the background, holds the boxes as typed and stores nothing.
    void enregistrementWritesTheBoxesAsTyped()
    {
        start(*env, {u"Aff L6=2"_s, u"QSL de fond=C:\\Cartes\\ma.carte.jpg"_s}); // SL6 greyed
        MoveQsoWindow* editor = openEditor(*env);
        fill(editor, {u"PH1=12345678901234"_s, u"PV1=5"_s, u"PH2=1234567890123"_s, u"PV2=2"_s, u"PH3=12,5"_s,
                      u"PT4=abc"_s, u"C1=12,5"_s, u"CommentX="_s + QString(31, u'c')});
        QTest::mouseClick(editor->findChild<QWidget*>(u"SL5"_s), Qt::LeftButton);
        click(editor, "Enregistrement");
        QCOMPARE(QDir(env->programFolder()).entryList({u"*.inf"_s}, QDir::Files), QStringList());
        fill(editor, {u"CommentX=Très bon QSO 73"_s});
        click(editor, "Enregistrement");
        QCOMPARE(env->dialogs.messages(), QStringList{u"30 caractères maximum"_s});
        QFile saved(env->programFolder() + u"/ma.inf"_s);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), dataBytes(dataPath(u"editor/saved.inf"_s)));
        saved.close(); // Windows removes no open file
        QCOMPARE(env->program().fondQsl(), u"C:\\Cartes\\ma.carte.jpg"_s);
        QVERIFY(editor->isVisible() && !env->store.contains(u"Pose H1"_s));
        const QString inf = env->programFolder() + u"/ma.inf"_s; // now a folder: told, nothing else changes
        QVERIFY(QFile::remove(inf) && QDir().mkpath(inf));
        click(editor, "Enregistrement");
        QCOMPARE(env->dialogs.messages().last(),
                 u"Le fichier de paramètres ne peut pas être créé :\r\n%1 (un dossier porte "
                 u"ce nom)"_s.arg(QDir::toNativeSeparators(inf)));
    }

    // With no background chosen yet, the file is named after the sample background.
    void enregistrementWithoutABackground()
    {
        env->start();
        click(openEditor(*env), "Enregistrement");
        QVERIFY(QFile::exists(env->programFolder() + u"/QSL_TRELUNE.inf"_s));
    }

    // "Tester": the comment, then every box, checked before anything is drawn or stored.
    void tester_data() { addCaseRows(u"editor/tester.txt"_s, {"before", "settings", "type", "message", "stored"}); }
    void tester()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, settings); // "blocked": the settings file cannot be written
        QFETCH(QStringList, type);
        QFETCH(QStringList, message);
        QFETCH(QStringList, stored);
        start(*env, before);
        MoveQsoWindow* editor = openEditor(*env);
        const QString notSaved = settings.isEmpty() ? QString() : env->blockSettingsFile();
        fill(editor, type);
        click(editor, "Tester");
        QCOMPARE(env->dialogs.messages(), message.replaceInStrings(u"%s"_s, notSaved));
        QCOMPARE(env->program().msgQslEnregistrees(), qint16(stored.isEmpty() ? 0 : 1));
        QCOMPARE(env->program().existingExportWindow() != nullptr, !stored.isEmpty());
        if (stored.isEmpty()) {
            QVERIFY(!env->store.contains(u"Pose V1"_s) && editor->isVisible());
            QCOMPARE(editor->findChild<QLineEdit*>(type[0].section(u'=', 0, 0))->text(), type[0].section(u'=', 1));
            return;
        }
        QTRY_VERIFY(!env->program().existingEditor());
        for (const QString& entry : stored)
            QCOMPARE(entry.section(u'=', 0, 0) + u'=' + env->store.read(entry.section(u'=', 0, 0), u"-"_s), entry);
        ImageSurface fresh; // the sample in the main window's card language, on a freshly loaded background
        if (!fresh.loadPicture(env->store.read(u"QSL de fond"_s, QString())).ok())
            fresh.clear(); // as "Tester" draws without a background
        drawCardSequence(fresh, sampleCard(readEditorTexts(env->store), !before.contains(u"Language=Gb"_s)).card);
        QVERIFY(env->program().existingExportWindow()->cardImage() == fresh.image());
    }

    // "Quitter" hides the editor, which keeps its edits; the close box forgets them. Neither stores.
    void quitterAndCloseBox()
    {
        start(*env);
        MoveQsoWindow* editor = openEditor(*env);
        fill(editor, {u"PH1=33"_s});
        click(editor, "Quitter");
        QVERIFY(!editor->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(openEditor(*env), editor);
        QCOMPARE(editor->findChild<QLineEdit*>(u"PH1"_s)->text(), u"33"_s);
        editor->close();
        QTRY_VERIFY(!env->program().existingEditor());
        QCOMPARE(openEditor(*env)->findChild<QLineEdit*>(u"PH1"_s)->text(), u"5"_s);
        QVERIFY(!env->store.contains(u"Pose H1"_s) && env->dialogs.messages().isEmpty());
        QVERIFY(QDir(env->programFolder()).entryList({u"*.inf"_s}, QDir::Files).isEmpty()); // nor writes a file
    }

    // A parameter file from the layout's read folder: the store and the layout hold its last complete
    // record, the background its line; "%1" in a message is the file.
    void chargez_data() { addCaseRows(u"editor/chargez.txt"_s, {"file", "settings", "message"}); }
    void chargez()
    {
        QFETCH(QStringList, file);
        QFETCH(QStringList, settings);
        QFETCH(QStringList, message);
        env->start();
        env->dialogs.clear(); // the first-use message
        const QString notSaved = settings.isEmpty() ? QString() : env->blockSettingsFile();
        const QString path = dataPath(u"layout/read/"_s + file.value(0));
        if (!file.isEmpty())
            env->dialogs.answerNextFile(path + u".inf"_s);
        click(env->program().mainWindow(), "Chargez");
        QCOMPARE(env->dialogs.messages(), message.replaceInStrings(u"%1"_s, QDir::toNativeSeparators(path + u".inf"_s))
                                              .replaceInStrings(u"%s"_s, notSaved));
        // A file that cannot be read, or none chosen, has nothing to load.
        const QStringList lines = QFile::exists(path + u".inf"_s) ? dataLines(path + u".expected"_s) : QStringList();
        const QStringList record = lines.mid(lines.lastIndexOf(QRegularExpression(u"QSL de fond=.*"_s)), 68);
        const bool loaded = record.size() == 68; // otherwise nothing is stored
        for (const QString& entry : loaded ? record : QStringList{u"QSL de fond=-"_s, u"Pose V1=-"_s})
            QCOMPARE(entry.section(u'=', 0, 0) + u'=' + env->store.read(entry.section(u'=', 0, 0), u"-"_s), entry);
        QCOMPARE(env->program().fondQsl(), loaded ? record.at(0).mid(12) : QString());
        CardLayout fromStore;
        fromStore.load(env->store, LayoutReader::Export);
        QVERIFY(!loaded || env->program().cardLayout() == fromStore);
    }
};

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
