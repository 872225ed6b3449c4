#include "adif/qso_line.h"
#include "selection/aff_qso.h"
#include "selection/select_qso_window.h"
#include "settings/settings_keys.h"
#include "support/test_environment.h"
#include "window_driver.h"

#include <QDir>

// "Sélectionnez" on the main window: the file dialog, the reading into Liste_QSO and the messages.
class TestAffQso : public QObject
{
    Q_OBJECT
private slots:
    void askedForAnAdiFile();
    void cancelled();
    void unreadableFile_data();
    void unreadableFile();
    void readsIntoThePickingWindow();
    void messagesComeWithTheLinesBeforeThem();
    void secondReadingAppends();
    void logWithoutHeaderEndShowsAnEmptyWindow();
    void stopsWhenTheListIsFull();
    void selectionButtonReads();
};

namespace
{

const QByteArray kLog = "Log\r\n<EOH>\r\n"
                        "<CALL:5>F4ABC <QSO_DATE:8>20240315 <TIME_ON:4>1405 <BAND:3>20M <MODE:3>SSB <EOR>\r\n"
                        "<CALL:4>DL1X <QSO_DATE:8>20240316 <TIME_ON:4>0930 <FREQ:5>7.074 <MODE:3>FT8 <EOR>\r\n";

const QString kDate = QStringLiteral("Date absente, remplacée par 01/01/2000");
const QString kCall = QStringLiteral("Indicatif absent, remplacé par FXXXX");
const QString kBand = QStringLiteral("Bande absente, remplacée par 1.8 Mhz");

} // namespace

void TestAffQso::askedForAnAdiFile()
{
    TestEnvironment env;
    env.dialogs.answerNextFile(env.writeScratchFile(QStringLiteral("log.adi"), kLog));
    Aff_QSO(env.program());
    QCOMPARE(env.dialogs.fileRequests().size(), 1);
    QCOMPARE(env.dialogs.fileRequests().at(0).description, QStringLiteral(".adi "));
    QCOMPARE(env.dialogs.fileRequests().at(0).pattern, QStringLiteral("*.adi"));
}

void TestAffQso::cancelled()
{
    TestEnvironment env;
    Aff_QSO(env.program());
    QCOMPARE(env.dialogs.messages(), QStringList{QStringLiteral("selectionnez un fichier ou quitter")});
    QVERIFY(!env.program().existingSelectQso());
}

void TestAffQso::unreadableFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("missing file") << "missing.adi";
    QTest::newRow("a folder") << "folder.adi";
}

void TestAffQso::unreadableFile()
{
    QFETCH(QString, name);
    TestEnvironment env;
    QDir(env.scratchFolder()).mkpath(QStringLiteral("folder.adi"));
    // An open window keeps what it had.
    SelectQsoWindow& window = env.program().selectQso();
    window.appendQsoLines({Numeroter(1, QStringLiteral("F4ABC"))});
    const QString path = env.scratchFolder() + QLatin1Char('/') + name;
    env.dialogs.answerNextFile(path);
    Aff_QSO(env.program());
    QCOMPARE(env.dialogs.messages(),
             QStringList{QStringLiteral("Le fichier ne peut pas être lu :\r\n") + QDir::toNativeSeparators(path)});
    QCOMPARE(window.unpickedLines(), QStringList{Numeroter(1, QStringLiteral("F4ABC"))});
    QVERIFY(!window.isVisible());
}

void TestAffQso::readsIntoThePickingWindow()
{
    TestEnvironment env;
    env.dialogs.answerNextFile(env.writeScratchFile(QStringLiteral("log.adi"), kLog));
    Aff_QSO(env.program());
    SelectQsoWindow* window = env.program().existingSelectQso();
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->windowModality(), Qt::NonModal);
    QCOMPARE(listLines(*control<QListView>(*window, "Liste_QSO")),
             (QStringList{
                 QStringLiteral("    1  F4ABC         15/03/24  14:05  14 Mhz    SSB      XX        Non    "),
                 QStringLiteral("    2  DL1X          16/03/24  09:30  7.0 Mhz   FT8      XX        Non    "),
             }));
    QVERIFY(env.dialogs.messages().isEmpty());
}

void TestAffQso::messagesComeWithTheLinesBeforeThem()
{
    TestEnvironment env;
    const QByteArray log = "<EOH>\r\n"
                           "<QSO_DATE:8>20240315 <TIME_ON:4>1405 <BAND:3>20M <EOR>\r\n"
                           "<CALL:4>F4AB <TIME_ON:4>1405 <FREQ:5>1.840 <EOR>\r\n"
                           "<CALL:4>F4AC <QSO_DATE:8>20240315 <TIME_ON:4>1405 <BAND:3>40M <EOR>\r\n";
    env.dialogs.answerNextFile(env.writeScratchFile(QStringLiteral("log.adi"), log));
    // What Liste_QSO holds while each message box is open.
    QList<int> linesAtMessage;
    env.dialogs.onMessage([&](const QString&) {
        SelectQsoWindow* window = env.program().existingSelectQso();
        linesAtMessage.append(window ? window->unpickedCount() : -1);
    });
    Aff_QSO(env.program());
    QCOMPARE(env.dialogs.messages(), (QStringList{kCall, kDate, kBand}));
    QCOMPARE(linesAtMessage, (QList<int>{-1, 1, 1}));
    QCOMPARE(env.program().existingSelectQso()->unpickedCount(), 3);
}

void TestAffQso::secondReadingAppends()
{
    TestEnvironment env;
    const QString path = env.writeScratchFile(QStringLiteral("log.adi"), kLog);
    env.dialogs.answerNextFile(path);
    Aff_QSO(env.program());
    SelectQsoWindow* window = env.program().existingSelectQso();
    clickRow(*control<QListView>(*window, "Liste_QSO"), 0);
    env.dialogs.answerNextFile(path);
    Aff_QSO(env.program());
    QCOMPARE(env.program().existingSelectQso(), window);
    const QStringList lines = window->unpickedLines();
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines.at(0).startsWith(QStringLiteral("    2  DL1X")));
    QVERIFY(lines.at(1).startsWith(QStringLiteral("    1  F4ABC")));
    QVERIFY(lines.at(2).startsWith(QStringLiteral("    2  DL1X")));
    QCOMPARE(window->pickedLines().size(), 1);
}

void TestAffQso::logWithoutHeaderEndShowsAnEmptyWindow()
{
    TestEnvironment env;
    env.dialogs.answerNextFile(env.writeScratchFile(QStringLiteral("log.adi"), "<CALL:5>F4ABC <EOR>\r\n"));
    Aff_QSO(env.program());
    QVERIFY(env.program().existingSelectQso());
    QVERIFY(env.program().existingSelectQso()->isVisible());
    QCOMPARE(env.program().existingSelectQso()->unpickedCount(), 0);
    QVERIFY(env.dialogs.messages().isEmpty());
}

void TestAffQso::stopsWhenTheListIsFull()
{
    TestEnvironment env;
    SelectQsoWindow& window = env.program().selectQso();
    QStringList many;
    for (int i = 1; i <= 32766; ++i)
        many.append(Numeroter(i, QStringLiteral("OLD")));
    window.appendQsoLines(many.mid(0, 32000));
    window.appendQsoLines(many.mid(32000));
    clickRow(*control<QListView>(window, "Liste_QSO"), 0); // moved, still counted
    QCOMPARE(window.room(), 1);

    env.dialogs.answerNextFile(env.writeScratchFile(QStringLiteral("log.adi"), kLog));
    Aff_QSO(env.program());
    QCOMPARE(env.dialogs.messages(),
             QStringList{QStringLiteral("La liste des QSO est pleine : 1 QSO de ce fichier a été listé.\r\n"
                                        "La suite du fichier n'a pas été lue.")});
    QCOMPARE(window.unpickedCount(), 32766);
    QVERIFY(window.unpickedLines().last().startsWith(QStringLiteral("    1  F4ABC")));
    QVERIFY(window.isVisible());
}

void TestAffQso::selectionButtonReads()
{
    TestEnvironment env;
    env.store.write(Key::QslDeFond, QStringLiteral("QSL_TRELUNE.jpg"));
    MainWindow& main = env.start();
    env.dialogs.answerNextFile(env.writeScratchFile(QStringLiteral("log.adi"), kLog));
    click(main, "Selection");
    QVERIFY(env.program().existingSelectQso());
    QCOMPARE(env.program().existingSelectQso()->unpickedCount(), 2);
    QVERIFY(env.program().existingSelectQso()->isVisible());
}

QTEST_MAIN(TestAffQso)
#include "test_aff_qso.moc"
