#include "app/main_window.h"
#include "editor_driver.h"
#include "layout/move_qso_window.h"
#include "settings/settings_keys.h"
#include "support/test_environment.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace driver;

namespace {

const QString kChooseFile = QStringLiteral("selectionnez un fichier ou quitter");

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
    lines << "12"
          << "12"
          << "13"
          << "13"
          << "13"
          << "13"
          << "1"
          << "2";
    lines << " 1 "
          << " 1 "
          << " 0 "
          << " 1 "
          << " 0 "
          << " 0 "
          << " 1 ";
    lines << "0"
          << "1"
          << "2"
          << "3"
          << "4"
          << "5"
          << "15";
    lines << comment;
    return lines;
}

MainWindow& start(TestEnvironment& env)
{
    MainWindow& main = env.start();
    env.dialogs.clear();
    return main;
}

void chargez(TestEnvironment& env, const QString& answer)
{
    if (!answer.isNull())
        env.dialogs.answerNextFile(answer);
    click(env.program().mainWindow(), "Chargez");
}

} // namespace

// "Enregistrer les paramètres" on the editor and "Chargez" on the main window.
class TestParameterFileCommands : public QObject
{
    Q_OBJECT
private slots:
    void saveNamesTheFileAfterTheBackground_data();
    void saveNamesTheFileAfterTheBackground();
    void saveWritesTheBoxesAsTyped();
    void saveRefusesALongComment();
    void saveThatCannotCreateTheFile();
    void loadCancelled();
    void loadAppliesARecord();
    void loadSameRecordTwice();
    void loadKeepsTheLastRecord();
    void saveThenLoadGivesTheLayoutBack();
    void loadFileEndingInsideARecord();
    void loadFieldThatIsNotANumber();
    void loadValueTheCardsCannotBeDrawnWith_data();
    void loadValueTheCardsCannotBeDrawnWith();
    void loadCancelledAfterAnEarlierLoad();
    void loadFileThatCannotBeOpened();
    void loadEmptyFile();
};

void TestParameterFileCommands::saveNamesTheFileAfterTheBackground_data()
{
    QTest::addColumn<bool>("known");
    QTest::addColumn<QString>("background");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("fondQsl");
    QTest::newRow("nothing chosen yet") << false << ""
                                        << "QSL_TRELUNE.inf"
                                        << "QSL_TRELUNE.jpg";
    QTest::newRow("Windows path with several dots") << true << "C:\\Cartes\\ma.carte.jpg"
                                                    << "ma.inf"
                                                    << "C:\\Cartes\\ma.carte.jpg";
    QTest::newRow("path with several dots") << true << "/home/op/cartes/ma.carte.jpg"
                                            << "ma.inf"
                                            << "/home/op/cartes/ma.carte.jpg";
    QTest::newRow("empty background") << true << ""
                                      << ".inf"
                                      << "";
}

void TestParameterFileCommands::saveNamesTheFileAfterTheBackground()
{
    QFETCH(bool, known);
    QFETCH(QString, background);
    QFETCH(QString, fileName);
    QFETCH(QString, fondQsl);
    TestEnvironment env;
    if (known)
        env.store.write(Key::QslDeFond, background);
    start(env);
    MoveQsoWindow* editor = openEditor(env);
    click(editor, "Enregistrement");

    QCOMPARE(env.dialogs.messages(), QStringList());
    QCOMPARE(env.program().fondQsl(), fondQsl);
    QCOMPARE(QDir(env.programFolder()).entryList({QStringLiteral("*.inf")}, QDir::Files | QDir::Hidden),
             QStringList{fileName});
    const QByteArray bytes = readBytes(env.programFolder() + QLatin1Char('/') + fileName);
    QVERIFY(bytes.startsWith(fondQsl.toLatin1() + "\r\n5             84\r\n29            84\r\n"));
    QCOMPARE(bytes.count("\r\n"), 46);
    QVERIFY(bytes.endsWith(" 0 \r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n\r\n"));
    // Writing the file stores nothing and leaves the editor open.
    QVERIFY(!env.store.contains(QStringLiteral("Pose H1")));
    QVERIFY(editor->isVisible());
}

void TestParameterFileCommands::saveWritesTheBoxesAsTyped()
{
    TestEnvironment env;
    useFrenchNumberFormat();
    env.store.write(Key::QslDeFond, QStringLiteral("fond.jpg"));
    const QString path = env.programFolder() + QStringLiteral("/fond.inf");
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("an older file, longer than the new one\r\n" + QByteArray(5000, 'x'));
    old.close();

    start(env);
    MoveQsoWindow* editor = openEditor(env);
    type(editor->findChild<QLineEdit*>("PH3"), QStringLiteral("12,5"));
    type(editor->findChild<QLineEdit*>("PV3"), QStringLiteral("7"));
    type(editor->findChild<QLineEdit*>("PT4"), QStringLiteral("abc")); // not checked by the writer
    QTest::mouseClick(editor->findChild<QCheckBox*>("SL5"), Qt::LeftButton);
    type(editor->findChild<QLineEdit*>("CommentX"), QStringLiteral("Très bon QSO 73"));
    click(editor, "Enregistrement");

    QCOMPARE(env.dialogs.messages(), QStringList());
    const QList<QByteArray> lines = readBytes(path).split('\n');
    QCOMPARE(lines.size(), 47); // 46 lines and what follows the last line end
    QCOMPARE(lines.at(3), QByteArray("12,5          7\r"));
    QCOMPARE(lines.at(15), QByteArray("16            91,5\r"));
    QCOMPARE(lines.at(26), QByteArray("abc\r"));
    QCOMPARE(lines.at(35), QByteArray(" 1 \r"));
    QCOMPARE(lines.at(45), QByteArray("Tr\xE8s bon QSO 73\r")); // one byte per character
    QCOMPARE(lines.at(46), QByteArray());
}

void TestParameterFileCommands::saveRefusesALongComment()
{
    TestEnvironment env;
    start(env);
    MoveQsoWindow* editor = openEditor(env);
    type(editor->findChild<QLineEdit*>("CommentX"), QString(31, QLatin1Char('a')));
    click(editor, "Enregistrement");
    QCOMPARE(env.dialogs.messages(), QStringList{QStringLiteral("30 caractères maximum")});
    QCOMPARE(QDir(env.programFolder()).entryList({QStringLiteral("*.inf")}, QDir::Files | QDir::Hidden), QStringList());

    type(editor->findChild<QLineEdit*>("CommentX"), QString(30, QLatin1Char('a')));
    click(editor, "Enregistrement");
    QCOMPARE(env.dialogs.messages().size(), 1);
    QVERIFY(QFile::exists(env.programFolder() + QStringLiteral("/QSL_TRELUNE.inf")));
}

void TestParameterFileCommands::saveThatCannotCreateTheFile()
{
    TestEnvironment env;
    start(env);
    // A folder where the file should go: the file cannot be created whoever runs the test.
    const QString path = env.programFolder() + QStringLiteral("/QSL_TRELUNE.inf");
    QVERIFY(QDir().mkpath(path));
    MoveQsoWindow* editor = openEditor(env);
    click(editor, "Enregistrement");

    QCOMPARE(env.dialogs.messages().size(), 1);
    const QString told = env.dialogs.messages().at(0);
    QCOMPARE(told, QStringLiteral("Le fichier de paramètres ne peut pas être créé :\r\n") +
                       QDir::toNativeSeparators(path) + QStringLiteral(" (un dossier porte ce nom)"));
    QVERIFY(editor->isVisible());
}

void TestParameterFileCommands::loadCancelled()
{
    TestEnvironment env;
    start(env);
    const CardLayout before = env.program().cardLayout();
    chargez(env, QString());

    QCOMPARE(env.dialogs.messages(), QStringList{kChooseFile});
    QCOMPARE(env.dialogs.fileRequests().size(), 1);
    QCOMPARE(env.dialogs.fileRequests().at(0).description, QStringLiteral(".inf "));
    QCOMPARE(env.dialogs.fileRequests().at(0).pattern, QStringLiteral("*.inf"));
    QCOMPARE(env.program().cardLayout(), before);
    QCOMPARE(env.program().fondQsl(), QString());
    QVERIFY(!env.store.contains(Key::QslDeFond));
    QVERIFY(!env.store.contains(QStringLiteral("Pose V1")));
}

void TestParameterFileCommands::loadAppliesARecord()
{
    TestEnvironment env;
    start(env);
    MoveQsoWindow* editor = openEditor(env);
    const QString file = env.writeScratchFile(QStringLiteral("carte.inf"),
                                              crlfFile(record(QStringLiteral("C:\\Cartes\\carte.jpg"), -3, "Salut")));
    chargez(env, file);

    QCOMPARE(env.dialogs.messages(), QStringList());
    const CardLayout& layout = env.program().cardLayout();
    QCOMPARE(layout.h(1), qint16(-3));
    QCOMPARE(layout.v(1), qint16(99));
    QCOMPARE(layout.h(22), qint16(22));
    QCOMPARE(layout.v(22), qint16(78));
    QCOMPARE(layout.size(2), qint16(13));
    QCOMPARE(layout.size(7), qint16(2));
    QCOMPARE(layout.switchOf(3), qint16(0));
    QCOMPARE(layout.switchOf(7), qint16(1));
    QCOMPARE(layout.colourOf(6), qint16(5));
    QCOMPARE(layout.colourOf(7), qint16(15));
    QCOMPARE(env.program().fondQsl(), QStringLiteral("C:\\Cartes\\carte.jpg"));

    // The store holds the values as decimal texts, the background and the comment as read.
    QCOMPARE(env.store.value(Key::QslDeFond), std::optional<QString>(QStringLiteral("C:\\Cartes\\carte.jpg")));
    QCOMPARE(env.store.value(QStringLiteral("Pose H1")), std::optional<QString>(QStringLiteral("-3")));
    QCOMPARE(env.store.value(QStringLiteral("Pose V22")), std::optional<QString>(QStringLiteral("78")));
    QCOMPARE(env.store.value(QStringLiteral("Aff L7")), std::optional<QString>(QStringLiteral("1")));
    QCOMPARE(env.store.value(QStringLiteral("Coul L7")), std::optional<QString>(QStringLiteral("15")));
    QCOMPARE(env.store.value(Key::Commentaire), std::optional<QString>(QStringLiteral("Salut")));
    CardLayout fromStore;
    fromStore.load(env.store, LayoutReader::Export);
    QCOMPARE(fromStore, layout);

    // Nothing else is refreshed: the printed comment, the open editor, the "Sélectionnez" button.
    QCOMPARE(env.program().commentaireQsl(), QString());
    QCOMPARE(editor->findChild<QLineEdit*>("PH1")->text(), QStringLiteral("5"));
    QVERIFY(!env.program().mainWindow()->findChild<QPushButton*>("Selection")->isEnabled());
}

void TestParameterFileCommands::loadSameRecordTwice()
{
    TestEnvironment env;
    start(env);
    const QStringList one = record(QStringLiteral("fond.jpg"), 7, QStringLiteral("73"));
    chargez(env, env.writeScratchFile(QStringLiteral("once.inf"), crlfFile(one)));
    const CardLayout once = env.program().cardLayout();
    chargez(env, env.writeScratchFile(QStringLiteral("twice.inf"), crlfFile(one + one)));
    QCOMPARE(env.dialogs.messages(), QStringList());
    QCOMPARE(env.program().cardLayout(), once);
    QCOMPARE(env.program().fondQsl(), QStringLiteral("fond.jpg"));
}

void TestParameterFileCommands::loadKeepsTheLastRecord()
{
    TestEnvironment env;
    start(env);
    const QStringList lines = record(QStringLiteral("a.jpg"), 11, QStringLiteral("A")) +
                              record(QStringLiteral("b.jpg"), 22, QStringLiteral("B"));
    chargez(env, env.writeScratchFile(QStringLiteral("two.inf"), crlfFile(lines)));
    QCOMPARE(env.dialogs.messages(), QStringList());
    QCOMPARE(env.program().cardLayout().h(1), qint16(22));
    QCOMPARE(env.program().fondQsl(), QStringLiteral("b.jpg"));
    QCOMPARE(env.store.value(Key::QslDeFond), std::optional<QString>(QStringLiteral("b.jpg")));
    QCOMPARE(env.store.value(Key::Commentaire), std::optional<QString>(QStringLiteral("B")));
}

void TestParameterFileCommands::saveThenLoadGivesTheLayoutBack()
{
    TestEnvironment env;
    useFrenchNumberFormat();
    env.store.write(Key::QslDeFond, QStringLiteral("/cartes/ma.carte.jpg"));
    start(env);
    MoveQsoWindow* editor = openEditor(env);
    type(editor->findChild<QLineEdit*>("PH3"), QStringLiteral("12,5"));
    type(editor->findChild<QLineEdit*>("PV3"), QStringLiteral("13,5"));
    type(editor->findChild<QLineEdit*>("C4"), QStringLiteral("9"));
    QTest::mouseClick(editor->findChild<QCheckBox*>("SL4"), Qt::LeftButton);
    type(editor->findChild<QLineEdit*>("CommentX"), QStringLiteral("Meilleurs 73"));
    click(editor, "Enregistrement");
    editor->close();
    QTRY_VERIFY(!env.program().existingEditor());

    chargez(env, env.programFolder() + QStringLiteral("/ma.inf"));
    QCOMPARE(env.dialogs.messages(), QStringList());
    const CardLayout& layout = env.program().cardLayout();
    QCOMPARE(layout.h(3), qint16(12));
    QCOMPARE(layout.v(3), qint16(14));
    QCOMPARE(layout.v(15), qint16(92)); // the editor's 91,5
    QCOMPARE(layout.h(7), qint16(40));  // the editor's defaults, not the start-up ones
    QCOMPARE(layout.size(0), qint16(12));
    QCOMPARE(layout.switchOf(4), qint16(1));
    QCOMPARE(layout.colourOf(4), qint16(9));
    QCOMPARE(env.store.value(QStringLiteral("Pose H3")), std::optional<QString>(QStringLiteral("12")));
    QCOMPARE(env.store.value(Key::Commentaire), std::optional<QString>(QStringLiteral("Meilleurs 73")));
    QCOMPARE(env.program().fondQsl(), QStringLiteral("/cartes/ma.carte.jpg"));

    // The editor, loaded again, shows the layout as the file made it.
    editor = openEditor(env);
    QTRY_VERIFY(editor->isVisible());
    QCOMPARE(editor->findChild<QLineEdit*>("PH3")->text(), QStringLiteral("12"));
    QCOMPARE(editor->findChild<QLineEdit*>("PV15")->text(), QStringLiteral("92"));
    QCOMPARE(editor->findChild<QCheckBox*>("SL4")->checkState(), Qt::Checked);
}

void TestParameterFileCommands::loadFileEndingInsideARecord()
{
    TestEnvironment env;
    start(env);
    const QStringList lines = record(QStringLiteral("a.jpg"), 11, QStringLiteral("A")) +
                              record(QStringLiteral("b.jpg"), 22, QStringLiteral("B")).mid(0, 10);
    const QString file = env.writeScratchFile(QStringLiteral("cut.inf"), crlfFile(lines));
    chargez(env, file);

    // The complete record is applied, the cut one is not, and the user is told.
    QCOMPARE(env.dialogs.messages(),
             QStringList{QStringLiteral("Le fichier de paramètres s'arrête à la ligne 56, au milieu de la mise en page "
                                        "commencée à la ligne 47 : celle-ci n'a pas été chargée.\r\n") +
                         QDir::toNativeSeparators(file)});
    QCOMPARE(env.program().cardLayout().h(1), qint16(11));
    QCOMPARE(env.program().fondQsl(), QStringLiteral("a.jpg"));
    QCOMPARE(env.store.value(Key::QslDeFond), std::optional<QString>(QStringLiteral("a.jpg")));
    QCOMPARE(env.store.value(Key::Commentaire), std::optional<QString>(QStringLiteral("A")));
}

void TestParameterFileCommands::loadFieldThatIsNotANumber()
{
    TestEnvironment env;
    start(env);
    QStringList second = record(QStringLiteral("b.jpg"), 22, QStringLiteral("B"));
    second[11] = QStringLiteral("ab            77");
    const QString file = env.writeScratchFile(
        QStringLiteral("bad.inf"), crlfFile(record(QStringLiteral("a.jpg"), 11, QStringLiteral("A")) + second));
    chargez(env, file);

    QCOMPARE(env.dialogs.messages(),
             QStringList{QStringLiteral("Ligne 58 du fichier de paramètres (Pose H11) : « ab   » n'est pas un nombre "
                                        "entier de -32768 à 32767 ; la mise en page commencée à la ligne 47 n'a pas "
                                        "été chargée.\r\n") +
                         QDir::toNativeSeparators(file)});
    QCOMPARE(env.program().cardLayout().h(1), qint16(11));
    QCOMPARE(env.program().fondQsl(), QStringLiteral("a.jpg"));
    QCOMPARE(env.store.value(QStringLiteral("Pose H1")), std::optional<QString>(QStringLiteral("11")));
}

void TestParameterFileCommands::loadValueTheCardsCannotBeDrawnWith_data()
{
    QTest::addColumn<int>("index"); // of the line in the second record
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    const QString tail = QStringLiteral(" ; la mise en page commencée à la ligne 47 n'a pas été chargée.");
    QTest::newRow("colour") << 39 << "16"
                            << "Ligne 86 du fichier de paramètres (Coul L2) : « 16 » n'est pas un code de couleur de 0 à 15" +
                                   tail;
    QTest::newRow("text size") << 25 << "0"
                               << "Ligne 72 du fichier de paramètres (T Call) : la taille « 0 » doit être d'au moins 1" +
                                      tail;
    QTest::newRow("line width")
        << 29 << "-1" << "Ligne 76 du fichier de paramètres (T Li1) : l'épaisseur « -1 » doit être d'au moins 1" + tail;
}

// A layout the cards cannot be drawn with is refused, as the editor's "Tester" refuses it.
void TestParameterFileCommands::loadValueTheCardsCannotBeDrawnWith()
{
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(QString, message);
    TestEnvironment env;
    start(env);
    QStringList second = record(QStringLiteral("b.jpg"), 22, QStringLiteral("B"));
    second[index] = text;
    const QString file = env.writeScratchFile(
        QStringLiteral("hors.inf"), crlfFile(record(QStringLiteral("a.jpg"), 11, QStringLiteral("A")) + second));
    chargez(env, file);

    QCOMPARE(env.dialogs.messages(), QStringList{message + QStringLiteral("\r\n") + QDir::toNativeSeparators(file)});
    // The first record stays; nothing of the refused one reaches the layout or the store.
    QCOMPARE(env.program().cardLayout().h(1), qint16(11));
    QCOMPARE(env.program().cardLayout().colourOf(2), qint16(1));
    QCOMPARE(env.program().cardLayout().size(2), qint16(13));
    QCOMPARE(env.program().cardLayout().size(6), qint16(1));
    QCOMPARE(env.program().fondQsl(), QStringLiteral("a.jpg"));
    QCOMPARE(env.store.value(QStringLiteral("Pose H1")), std::optional<QString>(QStringLiteral("11")));
    QCOMPARE(env.store.value(Key::Commentaire), std::optional<QString>(QStringLiteral("A")));
}

// Cancelling after an earlier load of the same run keeps that layout.
void TestParameterFileCommands::loadCancelledAfterAnEarlierLoad()
{
    TestEnvironment env;
    start(env);
    chargez(env, env.writeScratchFile(QStringLiteral("carte.inf"),
                                      crlfFile(record(QStringLiteral("carte.jpg"), 33, QStringLiteral("C")))));
    QVERIFY(env.dialogs.messages().isEmpty());
    const CardLayout loaded = env.program().cardLayout();

    chargez(env, QString());
    QCOMPARE(env.dialogs.messages(), QStringList{kChooseFile});
    QCOMPARE(env.program().cardLayout(), loaded);
    QCOMPARE(env.program().cardLayout().h(1), qint16(33));
    QCOMPARE(env.program().fondQsl(), QStringLiteral("carte.jpg"));
    QCOMPARE(env.store.value(Key::QslDeFond), std::optional<QString>(QStringLiteral("carte.jpg")));
    QCOMPARE(env.store.value(QStringLiteral("Pose H1")), std::optional<QString>(QStringLiteral("33")));
}

void TestParameterFileCommands::loadFileThatCannotBeOpened()
{
    TestEnvironment env;
    start(env);
    const CardLayout before = env.program().cardLayout();
    const QString missing = env.scratchFolder() + QStringLiteral("/absent.inf");
    chargez(env, missing);

    QCOMPARE(env.dialogs.messages().size(), 1);
    const QString told = env.dialogs.messages().at(0);
    QCOMPARE(told, QStringLiteral("Le fichier de paramètres ne peut pas être ouvert :\r\n") +
                       QDir::toNativeSeparators(missing) + QStringLiteral(" (le fichier n'existe pas)"));
    QCOMPARE(env.program().cardLayout(), before);
    QVERIFY(!env.store.contains(Key::QslDeFond));
}

void TestParameterFileCommands::loadEmptyFile()
{
    TestEnvironment env;
    start(env);
    const QString file = env.writeScratchFile(QStringLiteral("vide.inf"), {});
    chargez(env, file);
    QCOMPARE(env.dialogs.messages(),
             QStringList{QStringLiteral("Le fichier de paramètres est vide : rien n'a été chargé.\r\n") +
                         QDir::toNativeSeparators(file)});
    QVERIFY(!env.store.contains(Key::QslDeFond));
}

QTEST_MAIN(TestParameterFileCommands)
#include "tst_parameter_file_commands.moc"
