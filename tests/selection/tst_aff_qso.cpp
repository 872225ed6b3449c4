#include "qso_test_lines.h"
#include "selection/aff_qso.h"
#include "selection/select_qso_window.h"
#include "settings/settings_keys.h"
#include "support/data_rows.h"
#include "support/test_environment.h"
#include "window_driver.h"

#include <QDir>
#include <QImage>

namespace
{

const QByteArray kLog = "Log\r\n<EOH>\r\n"
                        "<CALL:5>F4ABC <QSO_DATE:8>20240315 <TIME_ON:4>1405 <BAND:3>20M <MODE:3>SSB <EOR>\r\n"
                        "<CALL:4>DL1X <QSO_DATE:8>20240316 <TIME_ON:4>0930 <FREQ:5>7.074 <MODE:3>FT8 <EOR>\r\n";

// The file dialog answers with a log of these bytes.
void chooseLog(TestEnvironment& env, const QByteArray& bytes)
{
    env.dialogs.answerNextFile(env.writeScratchFile(QStringLiteral("log.adi"), bytes));
}

// Whether anything is drawn inside the list's area (otherwise all of one colour).
bool drawnInside(QListView& list)
{
    const QImage area = list.viewport()->grab().toImage();
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x)
            if (area.pixel(x, y) != area.pixel(0, 0))
                return true;
    return false;
}

} // namespace

// "Sélectionnez" on the main window: the file dialog, the reading into Liste_QSO and the messages.
class TestAffQso : public QObject
{
    Q_OBJECT
private slots:
    void readsIntoThePickingWindow_data()
    {
        QTest::addColumn<QByteArray>("log");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("messages");
        // What Liste_QSO holds while each message box is open (-1: no picking window yet).
        QTest::addColumn<QList<int>>("linesAtMessage");
        // Whether the empty Liste_QSO shows why no QSO was found.
        QTest::addColumn<bool>("hint");

        addRow("two QSOs", kLog,
               QStringList{"    1  F4ABC         15/03/24  14:05  14 Mhz    SSB      XX        Non    ",
                           "    2  DL1X          16/03/24  09:30  7.0 Mhz   FT8      XX        Non    "},
               QStringList{}, QList<int>{}, false);
        addRow("no end of header", QByteArray("<CALL:5>F4ABC <EOR>\r\n"), QStringList{}, QStringList{}, QList<int>{},
               true);
        addRow("lines ended by LF alone", QByteArray(kLog).replace("\r\n", "\n"), QStringList{}, QStringList{},
               QList<int>{}, true);
        addRow("messages come with the lines before them",
               QByteArray("<EOH>\r\n"
                          "<QSO_DATE:8>20240315 <TIME_ON:4>1405 <BAND:3>20M <EOR>\r\n"
                          "<CALL:4>F4AB <TIME_ON:4>1405 <FREQ:5>1.840 <EOR>\r\n"
                          "<CALL:4>F4AC <QSO_DATE:8>20240315 <TIME_ON:4>1405 <BAND:3>40M <EOR>\r\n"),
               QStringList{"    1  FXXXX         15/03/24  14:05  14 Mhz    XXX      XX        Non    ",
                           "    2  F4AB          01/01/200014:05  1.8 Mhz   XXX      XX        Non    ",
                           "    3  F4AC          15/03/24  14:05  7.0 Mhz   XXX      XX        Non    "},
               QStringList{"Indicatif absent, remplacé par FXXXX", "Date absente, remplacée par 01/01/2000",
                           "Bande absente, remplacée par 1.8 Mhz"},
               QList<int>{-1, 1, 1}, false);
    }

    void readsIntoThePickingWindow()
    {
        QFETCH(QByteArray, log);
        QFETCH(QStringList, lines);
        QFETCH(QStringList, messages);
        QFETCH(QList<int>, linesAtMessage);
        QFETCH(bool, hint);
        TestEnvironment env;
        chooseLog(env, log);
        QList<int> linesShown;
        env.dialogs.onMessage([&](const QString&) {
            SelectQsoWindow* window = env.program().existingSelectQso();
            linesShown.append(window ? window->unpickedCount() : -1);
        });
        Aff_QSO(env.dialogs, env.program());
        QCOMPARE(env.dialogs.fileRequests().size(), 1);
        QCOMPARE(env.dialogs.fileRequests().at(0).description, QStringLiteral(".adi "));
        QCOMPARE(env.dialogs.fileRequests().at(0).pattern, QStringLiteral("*.adi"));
        SelectQsoWindow* window = env.program().existingSelectQso();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowModality(), Qt::NonModal);
        QCOMPARE(listLines(unpickedList(*window)), lines);
        QCOMPARE(env.dialogs.messages(), messages);
        QCOMPARE(linesShown, linesAtMessage);
        QCOMPARE(window->showsNoQsoFound(), hint);
        if (lines.isEmpty())
            QCOMPARE(drawnInside(unpickedList(*window)), hint);
    }

    // The hint goes with the first lines a later reading appends, and does not come back when
    // they are all picked.
    void noQsoHintGoesWithTheFirstLines()
    {
        TestEnvironment env;
        chooseLog(env, "<EOH>\n<CALL:5>F4ABC <EOR>\n");
        Aff_QSO(env.dialogs, env.program());
        SelectQsoWindow* window = env.program().existingSelectQso();
        QVERIFY(window->showsNoQsoFound());
        chooseLog(env, kLog);
        Aff_QSO(env.dialogs, env.program());
        QCOMPARE(window->unpickedCount(), 2);
        QVERIFY(!window->showsNoQsoFound());
        click(*window, "Select_All");
        QCOMPARE(window->unpickedCount(), 0);
        QVERIFY(!drawnInside(unpickedList(*window)));
    }

    void cancelled()
    {
        TestEnvironment env;
        Aff_QSO(env.dialogs, env.program());
        QCOMPARE(env.dialogs.messages(), QStringList{QStringLiteral("selectionnez un fichier ou quitter")});
        QVERIFY(!env.program().existingSelectQso());
    }

    void unreadableFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing file") << "missing.adi"
                                      << "le fichier n'existe pas";
        QTest::newRow("a folder") << "folder.adi"
                                  << "un dossier porte ce nom";
        QTest::newRow("a FIFO") << "fifo.adi"
                                << "ce n'est pas un fichier ordinaire";
    }

    void unreadableFile()
    {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        TestEnvironment env;
        QDir(env.scratchFolder()).mkpath(QStringLiteral("folder.adi"));
        makeFifo(env.scratchFolder() + QStringLiteral("/fifo.adi"));
        // An open window keeps what it had.
        SelectQsoWindow& window = env.program().selectQso();
        window.appendQsoLines({Numeroter(1, QStringLiteral("F4ABC"))});
        const QString path = env.scratchFolder() + QLatin1Char('/') + name;
        env.dialogs.answerNextFile(path);
        Aff_QSO(env.dialogs, env.program());
        QCOMPARE(env.dialogs.messages(), QStringList{QStringLiteral("Le fichier ne peut pas être lu :\r\n") +
                                                     QDir::toNativeSeparators(path) + QStringLiteral(" : ") + reason});
        QCOMPARE(window.unpickedLines(), QStringList{Numeroter(1, QStringLiteral("F4ABC"))});
        QVERIFY(!window.isVisible());
    }

    void secondReadingAppends()
    {
        TestEnvironment env;
        chooseLog(env, kLog);
        Aff_QSO(env.dialogs, env.program());
        SelectQsoWindow* window = env.program().existingSelectQso();
        clickRow(unpickedList(*window), 0);
        chooseLog(env, kLog);
        Aff_QSO(env.dialogs, env.program());
        QCOMPARE(env.program().existingSelectQso(), window);
        QCOMPARE(numbersOf(window->unpickedLines()), (QList<int>{2, 1, 2}));
        QCOMPARE(callsOf(window->unpickedLines(), true), (QStringList{"DL1X", "F4ABC", "DL1X"}));
        QCOMPARE(window->pickedLines().size(), 1);
    }

    void stopsWhenTheListIsFull()
    {
        TestEnvironment env;
        SelectQsoWindow& window = env.program().selectQso();
        QStringList many;
        for (int i = 1; i <= 32766; ++i)
            many.append(Numeroter(i, QStringLiteral("OLD")));
        window.appendQsoLines(many.mid(0, 32000));
        window.appendQsoLines(many.mid(32000));
        clickRow(unpickedList(window), 0); // moved, still counted
        QCOMPARE(window.room(), 1);

        chooseLog(env, kLog);
        Aff_QSO(env.dialogs, env.program());
        QCOMPARE(env.dialogs.messages(),
                 QStringList{QStringLiteral("La liste des QSO est pleine : 1 QSO de ce fichier a été listé.\r\n"
                                            "La suite du fichier n'a pas été lue.")});
        QCOMPARE(window.unpickedCount(), 32766);
        QVERIFY(window.unpickedLines().last().startsWith(QStringLiteral("    1  F4ABC")));
        QVERIFY(window.isVisible());
    }

    void selectionButtonReads()
    {
        TestEnvironment env;
        env.store.write(Key::QslDeFond, QStringLiteral("QSL_TRELUNE.jpg"));
        MainWindow& main = env.start();
        chooseLog(env, kLog);
        click(main, "Selection");
        QVERIFY(env.program().existingSelectQso());
        QCOMPARE(env.program().existingSelectQso()->unpickedCount(), 2);
        QVERIFY(env.program().existingSelectQso()->isVisible());
    }
};

QTEST_MAIN(TestAffQso)
#include "tst_aff_qso.moc"
