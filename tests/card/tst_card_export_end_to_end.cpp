// From a real log file to card files, through the windows as a user drives them: choose a
// background, read the log, "Tout ", "Enregistrer les QSL".

#include "app/main_window.h"
#include "card/qsl_x_window.h"
#include "card_test_support.h"
#include "platform/program_folder.h"
#include "selection/select_qso_window.h"
#include "settings/settings_keys.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QtEndian>
#include <QtTest>

namespace
{

const QByteArray kLog = "Log exported by a logging program\r\n"
                        "<ADIF_VER:5>3.1.0\r\n"
                        "<PROGRAMID:6>LOGGER\r\n"
                        "<EOH>\r\n"
                        "<CALL:5>F4XYZ <QSO_DATE:8>20240315 <TIME_ON:6>140500 <BAND:3>20M <FREQ:6>14.205 "
                        "<MODE:3>SSB <RST_SENT:2>59 <RST_RCVD:2>57 <QSL_RCVD:1>Y <EOR>\r\n"
                        "<CALL:9>F/G4ABC/P <QSO_DATE:8>20240316 <TIME_ON:4>0930 <BAND:3>40M <FREQ:5>7.025 "
                        "<MODE:2>CW <RST_SENT:3>599 <QSL_RCVD:1>N <QSL_VIA:5>F6ABC <EOR>\r\n"
                        "<CALL:12>VE3ABCDEF/MM <QSO_DATE:8>20240317 <TIME_ON:4>2359 <BAND:2>2M <FREQ:7>145.500 "
                        "<MODE:2>FM <RST_SENT:2>55 <QSL_RCVD:1>N <EOR>\r\n";

// The three cards and the sample background, sorted.
const QStringList kOutputFiles = {u"QSL_F4XYZ_14 Mhz_SSB.bmp"_s, u"QSL_F_G4ABC_P_7.0 Mhz_CW.bmp"_s,
                                  u"QSL_TRELUNE.jpg"_s, u"QSL_VE3ABCDEF_M_144 Mhz_FM.bmp"_s};

void click(QWidget* window, const char* button)
{
    QTest::mouseClick(window->findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
}

// "Fond QSL" with a copy of the sample as the user's own picture, the preview it opens closed.
QString chooseOwnBackground(TestEnvironment& env)
{
    const QString background = env.scratchFolder() + u"/Ma QSL.jpg"_s;
    QFile::copy(sampleBackgroundPath(), background);
    env.dialogs.answerNextFile(background);
    env.program().mainWindow()->findChild<QAction*>(u"MNU_New_QSL"_s)->trigger();
    env.program().existingExportWindow()->close();
    destroyClosedWindows();
    return background;
}

// "Sélectionnez" with the log, then "Tout ": the picking window.
SelectQsoWindow* pickTheWholeLog(TestEnvironment& env)
{
    env.dialogs.answerNextFile(env.writeScratchFile(u"journal.adi"_s, kLog));
    click(env.program().mainWindow(), "Selection");
    SelectQsoWindow* select = env.program().existingSelectQso();
    if (select)
        click(select, "Select_All");
    return select;
}

// Pixels where the card differs clearly from its background, within a rectangle.
int drawnPixels(const QImage& card, const QImage& background, const QRect& area)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor a(card.pixel(x, y));
            const QColor b(background.pixel(x, y));
            n += qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) > 90;
        }
    return n;
}

// The smallest rectangle holding every pixel drawn on the background.
QRect drawnBounds(const QImage& card, const QImage& background)
{
    QRect bounds;
    for (int y = 0; y < card.height(); ++y)
        for (int x = 0; x < card.width(); ++x)
            if (drawnPixels(card, background, QRect(x, y, 1, 1)))
                bounds = bounds.united(QRect(x, y, 1, 1));
    return bounds;
}

// A layout position in percent, as a pixel of the 530 x 340 card.
QPoint at(double h, double v)
{
    return {int(h * 530 / 100), int(v * 340 / 100)};
}

} // namespace

class TestCardExportEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void logToCards()
    {
        TestEnvironment env;
        QVERIFY(startWithTheSampleBackground(env));
        const QImage bg = QImage(chooseOwnBackground(env)).convertToFormat(QImage::Format_RGB32);
        QVERIFY(env.program().mainWindow()->findChild<QPushButton*>(u"Selection"_s)->isEnabled());
        SelectQsoWindow* select = pickTheWholeLog(env);
        QVERIFY(select);
        QCOMPARE(select->pickedLines().size(), 3);
        click(select, "Impression"); // "Enregistrer les QSL"

        QCOMPARE(env.dialogs.messages(), QStringList{kSavedMessage});
        QVERIFY(select->pickedLines().isEmpty());
        QCOMPARE(filesIn(env.outputFolder()), kOutputFiles);
        QList<QImage> cards;
        for (const QString& name : {kOutputFiles[0], kOutputFiles[1], kOutputFiles[3]}) {
            QFile file(env.outputFolder() + u'/' + name);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray header = file.read(54);
            QVERIFY(header.startsWith("BM"));
            QCOMPARE(qFromLittleEndian<quint16>(header.constData() + 28), quint16(24));
            cards.append(QImage(file.fileName()).convertToFormat(QImage::Format_RGB32));
            QCOMPARE(cards.last().size(), QSize(530, 340));
        }

        for (const QImage& card : cards) {
            // Nothing above the headings' row (77 %), nothing left of the callsign (5 %).
            const QRect drawn = drawnBounds(card, bg);
            QVERIFY2(drawn.top() >= at(0, 77).y() && drawn.top() <= at(0, 77).y() + 8,
                     qPrintable(QString::number(drawn.top())));
            QVERIFY(drawn.left() >= at(5, 0).x());
            // Headings, callsign, thanks and the credit line where the layout puts them.
            QVERIFY(drawnPixels(card, bg, QRect(at(12, 77), QSize(40, 16))) > 20);  // "Pour"
            QVERIFY(drawnPixels(card, bg, QRect(at(5, 84), QSize(120, 18))) > 30);  // the callsign
            QVERIFY(drawnPixels(card, bg, QRect(at(40, 91), QSize(100, 16))) > 30); // "Merci pour le QSO"
            QVERIFY(drawnPixels(card, bg, QRect(at(89, 96), QSize(530 - at(89, 96).x(), 340 - at(89, 96).y()))) > 5);
            // Clear of the drawing: the sky.
            QCOMPARE(drawnPixels(card, bg, QRect(0, 0, 530, at(0, 76).y())), 0);
        }
        // "Via" and its value only on the card of the QSO that has one.
        const QRect viaHeading(at(8, 92), QSize(25, 14));
        QCOMPARE(drawnPixels(cards[0], bg, viaHeading), 0);
        QVERIFY(drawnPixels(cards[1], bg, viaHeading) > 10);
        QCOMPARE(drawnPixels(cards[2], bg, viaHeading), 0);
        // Each card carries its own QSO.
        QVERIFY(cards[0] != cards[1]);
        QVERIFY(cards[1] != cards[2]);
    }

    // A first trial with nothing of the user's own: "Fond QSL" with the sample background and
    // "Sélectionnez" with the sample log, both from the program's "E_QSL", then "Tout " and
    // "Enregistrer les QSL". On the build's samples; or, with EQSL_INSTALLED_PROGRAM_DIR, on an
    // installed program folder, where a user who may not write in it works in a folder of their own.
    void firstTrialWithTheSamples()
    {
        TestEnvironment env;
        QString executable = qEnvironmentVariable("EQSL_INSTALLED_PROGRAM_DIR");
        const bool installed = !executable.isEmpty();
        if (!installed) {
            executable = env.programFolder();
            QDir().mkpath(env.outputFolder());
            const QString built = QFileInfo(sampleBackgroundPath()).path();
            for (const QString& name : sampleFileNames())
                QVERIFY(QFile::copy(built + u'/' + name, env.outputFolder() + u'/' + name));
        }
        const QString folder = programFolderFor(executable, folderWritable(executable),
                                                installed ? perUserProgramFolder() : env.scratchFolder());
        QCOMPARE(folder != executable, installed);
        RunningProgram program(env.store, env.dialogs, folder);
        program.start();
        env.dialogs.clear();

        const QString output = folder + u"/E_QSL/"_s;
        env.dialogs.answerNextFile(output + u"QSL_TRELUNE.jpg"_s);
        program.mainWindow()->findChild<QAction*>(u"MNU_New_QSL"_s)->trigger();
        program.existingExportWindow()->close();
        destroyClosedWindows();
        env.dialogs.answerNextFile(output + u"Exemple_log.adi"_s);
        click(program.mainWindow(), "Selection");
        SelectQsoWindow* select = program.existingSelectQso();
        QVERIFY(select);
        click(select, "Select_All");
        click(select, "Impression");

        QCOMPARE(env.dialogs.messages(), QStringList{kSavedMessage});
        QStringList cards = filesIn(output).filter(u".bmp"_s);
        QCOMPARE(cards, (QStringList{u"QSL_DL2XYZ_14 Mhz_CW.bmp"_s, u"QSL_EA5XYZ_28 Mhz_SSB.bmp"_s,
                                     u"QSL_F4ABC_7.0 Mhz_SSB.bmp"_s, u"QSL_F5XYZ_50 Mhz_SSB.bmp"_s,
                                     u"QSL_F_G4ABC_P_7.0 Mhz_CW.bmp"_s, u"QSL_G3ABC_21 Mhz_FT8.bmp"_s,
                                     u"QSL_HB9XYZ_144 Mhz_FM.bmp"_s, u"QSL_I2ABC_14 Mhz_RTTY.bmp"_s,
                                     u"QSL_JA1XYZ_14 Mhz_CW.bmp"_s, u"QSL_OH2ABC_18 Mhz_FT8.bmp"_s,
                                     u"QSL_ON4XYZ_3.5 Mhz_SSB.bmp"_s, u"QSL_VE3XYZ_10 Mhz_FT8.bmp"_s}));
        // Nothing printed falls on the sample background's frame, the dark band along its edges.
        const QImage background = QImage(output + u"QSL_TRELUNE.jpg"_s).convertToFormat(QImage::Format_RGB32);
        int frame = 0;
        while (frame < 20 && qGray(background.pixel(frame, 170)) < 80 && qGray(background.pixel(529 - frame, 170)) < 80)
            ++frame;
        QVERIFY(frame > 0);
        const QRect inside = background.rect().adjusted(frame + 1, frame + 1, -frame - 1, -frame - 1);
        for (const QString& name : cards) {
            const QRect drawn = drawnBounds(QImage(output + name).convertToFormat(QImage::Format_RGB32), background);
            QVERIFY2(inside.contains(drawn), qPrintable(name));
        }
    }

    // The background has gone since it was chosen: no card is drawn, the picked QSOs and the
    // picking window stay, and the user's next try, as the message says, makes the cards.
    void backgroundGoneKeepsThePickedQsos()
    {
        TestEnvironment env;
        const QString gone = env.scratchFolder() + u"/Ancienne QSL.jpg"_s;
        QVERIFY(QFile::copy(sampleBackgroundPath(), gone));
        env.store.write(Key::QslDeFond, gone);
        QVERIFY(startWithTheSampleBackground(env));
        QVERIFY(QFile::remove(gone));

        SelectQsoWindow* select = pickTheWholeLog(env);
        QVERIFY(select);
        const QStringList picked = select->pickedLines();
        QCOMPARE(picked.size(), 3);
        click(select, "Impression");
        QCOMPARE(env.dialogs.messages(), QStringList{backgroundRefused(gone, u"le fichier n'existe pas"_s)});
        QCOMPARE(filesIn(env.outputFolder()), QStringList{u"QSL_TRELUNE.jpg"_s});
        QVERIFY(select->isVisible());
        QCOMPARE(select->pickedLines(), picked);
        QCOMPARE(select->findChild<QLabel*>(u"Cont"_s)->text(), u"3"_s);

        env.dialogs.clear();
        chooseOwnBackground(env);
        click(select, "Impression");
        QCOMPARE(env.dialogs.messages(), QStringList{kSavedMessage});
        QCOMPARE(filesIn(env.outputFolder()), kOutputFiles);
        QVERIFY(select->pickedLines().isEmpty());
        QVERIFY(!select->isVisible());
    }

    // Cards that cannot be saved keep their QSOs picked, in order, with the picking window shown;
    // the saved-cards message tells only of cards saved. Once the cause is gone, the user's next
    // try makes every card.
    void unsavedCardsKeepTheirQsos_data()
    {
        QTest::addColumn<bool>("outputFolderIsAFile");
        QTest::addColumn<QList<int>>("unsaved");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("a folder in place of one card")
            << false << QList<int>{1}
            << QStringList{u"1 QSL n'a pas pu être enregistrée :\r\nQSL_F_G4ABC_P_7.0 Mhz_CW.bmp : un dossier porte "
                           u"ce nom"_s +
                               kPicksKept,
                           u"2 QSL sur 3 ont été enregistrées dans le dossier 'E_QSL' du répertoire ZELVANE_E_QSL"_s};
        QTest::newRow("a file in place of E_QSL")
            << true << QList<int>{0, 1, 2}
            << QStringList{u"3 QSL n'ont pas pu être enregistrées :\r\nQSL_F4XYZ_14 Mhz_SSB.bmp : le dossier n'existe "
                           u"pas\r\nQSL_F_G4ABC_P_7.0 Mhz_CW.bmp : le dossier n'existe pas\r\n"
                           u"QSL_VE3ABCDEF_M_144 Mhz_FM.bmp : le dossier n'existe pas"_s +
                           kPicksKept};
    }

    void unsavedCardsKeepTheirQsos()
    {
        QFETCH(bool, outputFolderIsAFile);
        QFETCH(QList<int>, unsaved);
        QFETCH(QStringList, messages);
        TestEnvironment env;
        QVERIFY(startWithTheSampleBackground(env));
        chooseOwnBackground(env);
        const QString output = env.outputFolder();
        const QString inTheWay = outputFolderIsAFile ? output : output + u"/QSL_F_G4ABC_P_7.0 Mhz_CW.bmp"_s;
        if (outputFolderIsAFile) {
            QDir(output).removeRecursively();
            env.writeScratchFile(u"../ZELVANE_E_QSL/E_QSL"_s, "not a folder");
        } else {
            QDir(output).mkpath(inTheWay);
        }
        SelectQsoWindow* select = pickTheWholeLog(env);
        QVERIFY(select);
        const QStringList picked = select->pickedLines();
        env.dialogs.clear();
        click(select, "Impression");
        QCOMPARE(env.dialogs.messages(), messages);
        QStringList kept;
        for (const int i : unsaved)
            kept.append(picked[i]);
        QCOMPARE(select->pickedLines(), kept);
        QCOMPARE(select->findChild<QLabel*>(u"Cont"_s)->text(), QString::number(kept.size()));
        QVERIFY(select->isVisible());

        QVERIFY(outputFolderIsAFile ? QFile::remove(inTheWay) : QDir(inTheWay).removeRecursively());
        env.program().existingExportWindow()->close();
        destroyClosedWindows();
        env.dialogs.clear();
        click(select, "Impression");
        QCOMPARE(env.dialogs.messages(), QStringList{kSavedMessage});
        QVERIFY(select->pickedLines().isEmpty());
        for (const QString& name : kOutputFiles)
            QVERIFY2(name == u"QSL_TRELUNE.jpg"_s || QFileInfo(output + u'/' + name).isFile(), qPrintable(name));
    }
};

QTEST_MAIN(TestCardExportEndToEnd)
#include "tst_card_export_end_to_end.moc"
