#include "editor_driver.h"
#include "settings/settings_keys.h"

#include <QDir>
#include <QFile>

using namespace driver;

namespace
{

const QString kChooseFile = u"selectionnez un fichier ou quitter"_s;

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray crlfFile(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

// One record of a parameter file: item k at (k, 100 - k), item 1 at (h1, 99), sizes 12 12 13 13 13 13,
// widths 1 and 2, switches 1 1 0 1 0 0 1, colours 0 1 2 3 4 5 15.
QStringList record(const QString& background, int h1, const QString& comment)
{
    QStringList lines{background};
    for (int k = 1; k <= 22; ++k)
        lines << QString::number(k == 1 ? h1 : k).leftJustified(14) + QString::number(100 - k);
    return lines + QStringList{"12",  "12",  "13",  "13", "13", "13", "1", "2", " 1 ", " 1 ", " 0 ",  " 1 ",
                               " 0 ", " 0 ", " 1 ", "0",  "1",  "2",  "3", "4", "5",   "15",  comment};
}

QStringList replaced(QStringList lines, int index, const QString& text)
{
    lines[index] = text;
    return lines;
}

void start(TestEnvironment& env)
{
    env.start();
    env.dialogs.clear();
}

// "Chargez" on the main window; a null answer cancels the dialog.
void chargez(TestEnvironment& env, const QString& answer)
{
    if (!answer.isNull())
        env.dialogs.answerNextFile(answer);
    click(env.program().mainWindow(), "Chargez");
}

QStringList infFiles(const TestEnvironment& env)
{
    return QDir(env.programFolder()).entryList({u"*.inf"_s}, QDir::Files | QDir::Hidden);
}

} // namespace

// "Enregistrer les paramètres" on the editor and "Chargez" on the main window.
class TestParameterFileCommands : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env;

private slots:
    void init() { env = std::make_unique<TestEnvironment>(); }
    void cleanup() { env.reset(); }

    void saveNamesTheFileAfterTheBackground_data()
    {
        QTest::addColumn<bool>("known");
        QTest::addColumn<QString>("background");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("fondQsl");
        QTest::newRow("nothing chosen yet") << false << "" << u"QSL_TRELUNE.inf"_s << u"QSL_TRELUNE.jpg"_s;
        const auto row = [](const char* tag, const char* background, const char* fileName) {
            QTest::newRow(tag) << true << background << fileName << background;
        };
        row("Windows path with several dots", "C:\\Cartes\\ma.carte.jpg", "ma.inf");
        row("path with several dots", "/home/op/cartes/ma.carte.jpg", "ma.inf");
        row("empty background", "", ".inf");
    }

    void saveNamesTheFileAfterTheBackground()
    {
        QFETCH(bool, known);
        QFETCH(QString, background);
        QFETCH(QString, fileName);
        QFETCH(QString, fondQsl);
        if (known)
            env->store.write(Key::QslDeFond, background);
        start(*env);
        MoveQsoWindow* editor = openEditor(*env);
        click(editor, "Enregistrement");

        QCOMPARE(env->dialogs.messages(), QStringList());
        QCOMPARE(env->program().fondQsl(), fondQsl);
        QCOMPARE(infFiles(*env), QStringList{fileName});
        const QByteArray bytes = readBytes(env->programFolder() + u'/' + fileName);
        QVERIFY(bytes.startsWith(fondQsl.toLatin1() + "\r\n5             84\r\n29            84\r\n"));
        QCOMPARE(bytes.count("\r\n"), 46);
        QVERIFY(bytes.endsWith(" 0 \r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n\r\n"));
        // Writing the file stores nothing and leaves the editor open.
        expectStored(env->store, {"Pose H1"});
        QVERIFY(editor->isVisible());
    }

    void saveWritesTheBoxesAsTyped()
    {
        useFrenchNumberFormat();
        env->store.write(Key::QslDeFond, u"fond.jpg"_s);
        const QString path = env->programFolder() + u"/fond.inf"_s;
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("an older file, longer than the new one\r\n" + QByteArray(5000, 'x'));
        old.close();

        start(*env);
        MoveQsoWindow* editor = openEditor(*env);
        fill(editor, {"PH3=12,5", "PV3=7", "PT4=abc", "CommentX=Très bon QSO 73"}); // "abc": the writer checks nothing
        QTest::mouseClick(tick(editor, "SL5"), Qt::LeftButton);
        click(editor, "Enregistrement");

        QCOMPARE(env->dialogs.messages(), QStringList());
        const QList<QByteArray> lines = readBytes(path).split('\n');
        QCOMPARE(lines.size(), 47); // 46 lines and what follows the last line end
        QCOMPARE(lines.at(3), QByteArray("12,5          7\r"));
        QCOMPARE(lines.at(15), QByteArray("16            91,5\r"));
        QCOMPARE(lines.at(26), QByteArray("abc\r"));
        QCOMPARE(lines.at(35), QByteArray(" 1 \r"));
        QCOMPARE(lines.at(45), QByteArray("Tr\xE8s bon QSO 73\r")); // one byte per character
        QCOMPARE(lines.at(46), QByteArray());
    }

    void saveRefusesALongComment()
    {
        start(*env);
        MoveQsoWindow* editor = openEditor(*env);
        fill(editor, {"CommentX=" + QString(31, u'a')});
        click(editor, "Enregistrement");
        QCOMPARE(env->dialogs.messages(), QStringList{u"30 caractères maximum"_s});
        QCOMPARE(infFiles(*env), QStringList());

        fill(editor, {"CommentX=" + QString(30, u'a')});
        click(editor, "Enregistrement");
        QCOMPARE(env->dialogs.messages().size(), 1);
        QCOMPARE(infFiles(*env), QStringList{u"QSL_TRELUNE.inf"_s});
    }

    void saveThatCannotCreateTheFile()
    {
        start(*env);
        // A folder where the file should go: the file cannot be created whoever runs the test.
        const QString path = env->programFolder() + u"/QSL_TRELUNE.inf"_s;
        QVERIFY(QDir().mkpath(path));
        MoveQsoWindow* editor = openEditor(*env);
        click(editor, "Enregistrement");
        QCOMPARE(env->dialogs.messages(),
                 QStringList{u"Le fichier de paramètres ne peut pas être créé :\r\n"_s +
                             QDir::toNativeSeparators(path) + u" (un dossier porte ce nom)"_s});
        QVERIFY(editor->isVisible());
    }

    void loadAppliesARecord()
    {
        start(*env);
        MoveQsoWindow* editor = openEditor(*env);
        chargez(*env, env->writeScratchFile(u"carte.inf"_s, crlfFile(record(u"C:\\Cartes\\carte.jpg"_s, -3, "Salut"))));

        QCOMPARE(env->dialogs.messages(), QStringList());
        const CardLayout& layout = env->program().cardLayout();
        QCOMPARE((QList<qint16>{layout.h(1), layout.v(1), layout.h(22), layout.v(22), layout.textSize(3),
                                layout.lineWidth(2)}),
                 (QList<qint16>{-3, 99, 22, 78, 13, 2}));
        QCOMPARE((QList<qint16>{layout.switchOf(3), layout.switchOf(7), layout.colourOf(6), layout.colourOf(7)}),
                 (QList<qint16>{0, 1, 5, 15}));
        QCOMPARE(env->program().fondQsl(), u"C:\\Cartes\\carte.jpg"_s);

        // The store holds the values as decimal texts, the background and the comment as read.
        expectStored(env->store, {"QSL de fond=C:\\Cartes\\carte.jpg", "Pose H1=-3", "Pose V22=78", "Aff L7=1",
                                  "Coul L7=15", "Commentaire=Salut"});
        CardLayout fromStore;
        fromStore.load(env->store, LayoutReader::Export);
        QCOMPARE(fromStore, layout);

        // Nothing else is refreshed: the printed comment, the open editor, the "Sélectionnez" button.
        QCOMPARE(env->program().commentaireQsl(), QString());
        expectShown(editor, {"PH1=5"});
        QVERIFY(!env->program().mainWindow()->findChild<QPushButton*>("Selection")->isEnabled());
    }

    // Each record is applied whole in turn: the last one is what stays, nothing of the ones before.
    void loadKeepsTheLastRecord()
    {
        start(*env);
        chargez(*env, env->writeScratchFile(u"b.inf"_s, crlfFile(record("b.jpg", 22, "B"))));
        const CardLayout onlyB = env->program().cardLayout();
        chargez(*env,
                env->writeScratchFile(u"ab.inf"_s, crlfFile(record("a.jpg", 11, "A") + record("b.jpg", 22, "B"))));
        QCOMPARE(env->dialogs.messages(), QStringList());
        QCOMPARE(env->program().cardLayout(), onlyB);
        QCOMPARE(env->program().cardLayout().h(1), qint16(22));
        QCOMPARE(env->program().fondQsl(), u"b.jpg"_s);
        expectStored(env->store, {"QSL de fond=b.jpg", "Commentaire=B"});
    }

    // However many records, a file the settings cannot take is told once; the layout still holds.
    void loadThatCannotBeSavedTellsOnce()
    {
        start(*env);
        const QString notSaved = env->blockSettingsFile();
        chargez(*env,
                env->writeScratchFile(u"ab.inf"_s, crlfFile(record("a.jpg", 11, "A") + record("b.jpg", 22, "B"))));
        QCOMPARE(env->dialogs.messages(), QStringList{notSaved});
        QCOMPARE(env->program().cardLayout().h(1), qint16(22));
        expectStored(env->store, {"QSL de fond=b.jpg", "Pose H1=22", "Commentaire=B"});
    }

    void saveThenLoadGivesTheLayoutBack()
    {
        useFrenchNumberFormat();
        env->store.write(Key::QslDeFond, u"/cartes/ma.carte.jpg"_s);
        start(*env);
        MoveQsoWindow* editor = openEditor(*env);
        fill(editor, {"PH3=12,5", "PV3=13,5", "C4=9", "CommentX=Meilleurs 73"});
        QTest::mouseClick(tick(editor, "SL4"), Qt::LeftButton);
        click(editor, "Enregistrement");
        editor->close();
        QTRY_VERIFY(!env->program().existingEditor());

        chargez(*env, env->programFolder() + u"/ma.inf"_s);
        QCOMPARE(env->dialogs.messages(), QStringList());
        const CardLayout& layout = env->program().cardLayout();
        // 12,5 and 13,5 rounded halves to even, the editor's 91,5 and its defaults (not the start-up ones).
        QCOMPARE((QList<qint16>{layout.h(3), layout.v(3), layout.v(15), layout.h(7), layout.textSize(1),
                                layout.switchOf(4), layout.colourOf(4)}),
                 (QList<qint16>{12, 14, 92, 40, 12, 1, 9}));
        expectStored(env->store, {"Pose H3=12", "Commentaire=Meilleurs 73"});
        QCOMPARE(env->program().fondQsl(), u"/cartes/ma.carte.jpg"_s);

        // The editor, loaded again, shows the layout as the file made it.
        editor = openEditor(*env);
        QTRY_VERIFY(editor->isVisible());
        expectShown(editor, {"PH3=12", "PV15=92"});
        QCOMPARE(tick(editor, "SL4")->checkState(), Qt::Checked);
    }

    // After a complete record, one that cannot be read: the complete one is applied, nothing of the
    // other reaches the layout or the store, and the user is told.
    void loadStopsAtARecordThatCannotBeRead_data()
    {
        QTest::addColumn<QStringList>("second");
        QTest::addColumn<QString>("message");
        const QStringList b = record("b.jpg", 22, "B");
        const QString tail = u" ; la mise en page commencée à la ligne 47 n'a pas été chargée."_s;
        QTest::newRow("file ending inside a record")
            << b.mid(0, 10)
            << u"Le fichier de paramètres s'arrête à la ligne 56, au milieu de la mise en page commencée à la "
               "ligne 47 : celle-ci n'a pas été chargée."_s;
        QTest::newRow("field that is not a number")
            << replaced(b, 11, "ab            77")
            << u"Ligne 58 du fichier de paramètres (Pose H11) : « ab   » n'est pas un nombre entier de -32768 à "
               "32767"_s +
                   tail;
        // A layout the cards cannot be drawn with is refused, as the editor's "Tester" refuses it.
        QTest::newRow("colour") << replaced(b, 39, "16")
                                << u"Ligne 86 du fichier de paramètres (Coul L2) : « 16 » n'est pas un code de couleur "
                                   "de 0 à 15"_s +
                                       tail;
        QTest::newRow("text size") << replaced(b, 25, "0")
                                   << u"Ligne 72 du fichier de paramètres (T Call) : la taille « 0 » doit être d'au "
                                      "moins 1"_s +
                                          tail;
        QTest::newRow("line width") << replaced(b, 29, "-1")
                                    << u"Ligne 76 du fichier de paramètres (T Li1) : l'épaisseur « -1 » doit être "
                                       "d'au moins 1"_s +
                                           tail;
    }

    void loadStopsAtARecordThatCannotBeRead()
    {
        QFETCH(QStringList, second);
        QFETCH(QString, message);
        start(*env);
        const QString file = env->writeScratchFile(u"bad.inf"_s, crlfFile(record("a.jpg", 11, "A") + second));
        chargez(*env, file);

        QCOMPARE(env->dialogs.messages(), QStringList{message + u"\r\n"_s + QDir::toNativeSeparators(file)});
        const CardLayout& layout = env->program().cardLayout();
        QCOMPARE((QList<qint16>{layout.h(1), layout.colourOf(2), layout.textSize(3), layout.lineWidth(1)}),
                 (QList<qint16>{11, 1, 13, 1}));
        QCOMPARE(env->program().fondQsl(), u"a.jpg"_s);
        expectStored(env->store, {"QSL de fond=a.jpg", "Pose H1=11", "Commentaire=A"});
    }

    // Cancelled, the dialog changes nothing; cancelled after an earlier load of the same run, it
    // keeps that layout.
    void loadCancelledBeforeAndAfterALoad()
    {
        start(*env);
        const CardLayout before = env->program().cardLayout();
        chargez(*env, QString());
        QCOMPARE(env->dialogs.messages(), QStringList{kChooseFile});
        QCOMPARE(env->dialogs.fileRequests().size(), 1);
        QCOMPARE(env->dialogs.fileRequests().at(0).description, u".inf "_s);
        QCOMPARE(env->dialogs.fileRequests().at(0).pattern, u"*.inf"_s);
        QCOMPARE(env->program().cardLayout(), before);
        QCOMPARE(env->program().fondQsl(), QString());
        expectStored(env->store, {"QSL de fond", "Pose V1"});

        env->dialogs.clear();
        chargez(*env, env->writeScratchFile(u"carte.inf"_s, crlfFile(record("carte.jpg", 33, "C"))));
        QVERIFY(env->dialogs.messages().isEmpty());
        const CardLayout loaded = env->program().cardLayout();
        chargez(*env, QString());
        QCOMPARE(env->dialogs.messages(), QStringList{kChooseFile});
        QCOMPARE(env->program().cardLayout(), loaded);
        QCOMPARE(env->program().cardLayout().h(1), qint16(33));
        QCOMPARE(env->program().fondQsl(), u"carte.jpg"_s);
        expectStored(env->store, {"QSL de fond=carte.jpg", "Pose H1=33"});
    }

    void loadFileThatCannotBeOpened_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << u"absent.inf"_s << u"le fichier n'existe pas"_s;
        QTest::newRow("FIFO") << u"fifo.inf"_s << u"ce n'est pas un fichier ordinaire"_s;
    }

    void loadFileThatCannotBeOpened()
    {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        start(*env);
        const CardLayout before = env->program().cardLayout();
        makeFifo(env->scratchFolder() + u"/fifo.inf"_s);
        const QString path = env->scratchFolder() + u"/"_s + name;
        chargez(*env, path);
        QCOMPARE(env->dialogs.messages(), QStringList{u"Le fichier de paramètres ne peut pas être ouvert :\r\n"_s +
                                                      QDir::toNativeSeparators(path) + u" ("_s + reason + u")"_s});
        QCOMPARE(env->program().cardLayout(), before);
        expectStored(env->store, {"QSL de fond"});
    }

    void loadEmptyFile()
    {
        start(*env);
        const QString file = env->writeScratchFile(u"vide.inf"_s, {});
        chargez(*env, file);
        QCOMPARE(env->dialogs.messages(),
                 QStringList{u"Le fichier de paramètres est vide : rien n'a été chargé.\r\n"_s +
                             QDir::toNativeSeparators(file)});
        expectStored(env->store, {"QSL de fond"});
    }
};

QTEST_MAIN(TestParameterFileCommands)
#include "tst_parameter_file_commands.moc"
