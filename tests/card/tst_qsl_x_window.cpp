// The export window QSL_X: its controls, its creation sequence and its batch Aff_LaQSL.

#include "app/main_window.h"
#include "card/qsl_x_window.h"
#include "card_test_support.h"
#include "layout/card_layout.h"
#include "layout/move_qso_window.h"
#include "selection/select_qso_window.h"
#include "settings/settings_keys.h"

#include <QAction>
#include <QFileInfo>
#include <QImageReader>
#include <QMenuBar>
#include <QtTest>

namespace
{

const QString kSavedMessage =
    QStringLiteral("Les QSL ont été enregistrées dans le dossier 'E_QSL' du répertoire ZELVANE_E_QSL");

QColor pixelAt(const QImage& image, double h, double v)
{
    return QColor(image.pixel(int(h * 530 / 100), int(v * 340 / 100)));
}

void destroyClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestQslXWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env_;

    RunningProgram& program() { return env_->program(); }

    // The program started with the sample background in its output folder, messages forgotten.
    void startProgram()
    {
        QVERIFY(installSampleBackground(*env_));
        env_->start();
        env_->dialogs.clear();
    }

    void pick(const QStringList& numberedLines)
    {
        SelectQsoWindow& select = program().selectQso();
        select.appendQsoLines(numberedLines);
        select.pickRange(1, select.unpickedCount());
    }

    QStringList threeQsos() const
    {
        return {numberedQso(1, QStringLiteral("F4XYZ"), QStringLiteral("14 Mhz"), QStringLiteral("SSB")),
                numberedQso(2, QStringLiteral("F/G4ABC/P"), QStringLiteral("7.0 Mhz"), QStringLiteral("CW"),
                            QStringLiteral("F6ABC")),
                numberedQso(3, QStringLiteral("F4XYZ"), QStringLiteral("14 Mhz"), QStringLiteral("SSB"), QString(),
                            QStringLiteral("Oui"))};
    }

private slots:
    void init() { env_ = std::make_unique<TestEnvironment>(); }
    void cleanup()
    {
        env_.reset();
        destroyClosedWindows();
    }

    void controls()
    {
        startProgram();
        QslXWindow& window = program().exportWindow();
        QCOMPARE(window.objectName(), QStringLiteral("QSL_X"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Aperçu des E- QSL"));
        auto* picture = window.findChild<QWidget*>(QStringLiteral("Picture1"));
        QVERIFY(picture);
        QCOMPARE(picture->size(), QSize(530, 340));
        QCOMPARE(picture->accessibleName(), QStringLiteral("Picture1"));
        auto* edit = window.findChild<QAction*>(QStringLiteral("Mnu_Edit_QSL"));
        QVERIFY(edit);
        QCOMPARE(edit->text(), QStringLiteral("Positionnement des champs sur la QSL"));
        QVERIFY(window.menuBar()->actions().contains(edit));
    }

    void editEntryShowsTheEditor()
    {
        startProgram();
        QslXWindow& window = program().exportWindow();
        QVERIFY(!program().existingEditor());
        const qint16 flag = program().msgQslEnregistrees();
        window.findChild<QAction*>(QStringLiteral("Mnu_Edit_QSL"))->trigger();
        QVERIFY(program().existingEditor());
        QVERIFY(program().existingEditor()->isVisible());
        QCOMPARE(program().msgQslEnregistrees(), flag);
        QVERIFY(window.isVisible());
    }

    // The layout is read again with the export fallbacks, over what start-up read.
    void creationReloadsTheLayout()
    {
        startProgram();
        QCOMPARE(program().cardLayout().v(20), qint16(20)); // start-up fallback
        QCOMPARE(program().cardLayout().size(0), qint16(13));
        program().exportWindow();
        CardLayout expected;
        expected.load(env_->store, LayoutReader::Export);
        QCOMPARE(program().cardLayout(), expected);
        QCOMPARE(program().cardLayout().v(20), qint16(10));
        QCOMPARE(program().cardLayout().h(14), qint16(8));
        QCOMPARE(program().cardLayout().v(15), qint16(92));
        QCOMPARE(program().cardLayout().size(0), qint16(12));
        QCOMPARE(program().cardLayout().size(2), qint16(13));
    }

    void storedLayoutTextsConverted_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint16>("value");
        QTest::newRow("decimal comma, half to even") << "Pose H1"
                                                     << "12,5" << qint16(12);
        QTest::newRow("half to even up") << "Pose H2"
                                         << "13,5" << qint16(14);
        QTest::newRow("blanks around") << "T Call"
                                       << " 7 " << qint16(7);
        QTest::newRow("negative") << "Pose V3"
                                  << "-3" << qint16(-3);
        QTest::newRow("not a number: export fallback") << "Pose V15"
                                                       << "abc" << qint16(92);
        QTest::newRow("empty: export fallback") << "T Entete"
                                                << "" << qint16(12);
        QTest::newRow("out of range: export fallback") << "Pose V20"
                                                       << "40000" << qint16(10);
    }

    void storedLayoutTextsConverted()
    {
        QFETCH(QString, key);
        QFETCH(QString, text);
        QFETCH(qint16, value);
        useFrenchNumberFormat();
        env_->store.write(key, text);
        startProgram();
        program().exportWindow();
        QCOMPARE(program().cardLayout().value(key), value);
    }

    // The comment stays the one start-up read.
    void commentNotReloaded()
    {
        env_->store.write(Key::Commentaire, QStringLiteral("avant"));
        startProgram();
        env_->store.write(Key::Commentaire, QStringLiteral("après"));
        program().exportWindow();
        QCOMPARE(program().commentaireQsl(), QStringLiteral("avant"));
    }

    // Without a chosen background, the sample found in the current (output) folder.
    void sampleBackgroundByDefault()
    {
        startProgram();
        QslXWindow& window = program().exportWindow();
        QCOMPARE(program().fondQsl(), QStringLiteral("QSL_TRELUNE.jpg"));
        // The build ships it in the output folder: a JPEG of the size backgrounds are made for.
        QCOMPARE(QImageReader(sampleBackgroundPath()).format(), QByteArray("jpeg"));
        QCOMPARE(QFileInfo(sampleBackgroundPath()).dir().dirName(), QStringLiteral("E_QSL"));
        const QImage sample = QImage(sampleBackgroundPath()).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(sample.size(), QSize(530, 340));
        QCOMPARE(window.cardImage(), sample);
        QVERIFY(env_->dialogs.messages().isEmpty());
    }

    void chosenBackground()
    {
        const QString green = writeColourPicture(*env_, QStringLiteral("vert.png"), QColor(0, 128, 0));
        env_->store.write(Key::QslDeFond, green);
        startProgram();
        QslXWindow& window = program().exportWindow();
        QCOMPARE(program().fondQsl(), green);
        QCOMPARE(pixelAt(window.cardImage(), 50, 50), QColor(0, 128, 0));
    }

    void windowShownBeforeTheBatchEnds()
    {
        startProgram();
        pick(threeQsos().mid(0, 1));
        program().setMsgQslEnregistrees(1);
        bool visibleAtMessage = false;
        QStringList filesAtMessage;
        env_->dialogs.onMessage([&](const QString&) {
            visibleAtMessage = program().existingExportWindow() && program().existingExportWindow()->isVisible();
            filesAtMessage = filesIn(env_->outputFolder());
        });
        program().exportWindow();
        QVERIFY(visibleAtMessage);
        QVERIFY(filesAtMessage.contains(QStringLiteral("QSL_F4XYZ_14 Mhz_SSB.bmp")));
    }

    void oneCardPerPickedLine()
    {
        startProgram();
        pick(threeQsos());
        program().setMsgQslEnregistrees(1);
        QslXWindow& window = program().exportWindow();
        // The third QSO has the first one's name: its card replaces the first.
        QCOMPARE(filesIn(env_->outputFolder()),
                 (QStringList{QStringLiteral("QSL_F4XYZ_14 Mhz_SSB.bmp"),
                              QStringLiteral("QSL_F_G4ABC_P_7.0 Mhz_CW.bmp"), QStringLiteral("QSL_TRELUNE.jpg")}));
        for (const QString& name :
             {QStringLiteral("QSL_F4XYZ_14 Mhz_SSB.bmp"), QStringLiteral("QSL_F_G4ABC_P_7.0 Mhz_CW.bmp")}) {
            const QImage card(env_->outputFolder() + QLatin1Char('/') + name);
            QCOMPARE(card.size(), QSize(530, 340));
        }
        QCOMPARE(env_->dialogs.messages(), QStringList{kSavedMessage});
        // Cleared after the last card: the background alone is left.
        QCOMPARE(window.cardImage(), QImage(sampleBackgroundPath()).convertToFormat(QImage::Format_RGB32));
        QCOMPARE(program().msgQslEnregistrees(), qint16(1));
    }

    // A stored colour outside 0 to 15 is drawn black, a text size below 1 at 1 point, a line width
    // below 1 one pixel wide: the card is the one drawn with those stand-ins, and the value is
    // one that matters (another value in range gives another card).
    void storedValuesTheCardsCannotBeDrawnWith_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("outOfRange");
        QTest::addColumn<QString>("standIn");
        QTest::addColumn<QString>("other");
        QTest::newRow("colour 99") << "Coul L2" << "99" << "0" << "12";
        QTest::newRow("colour -1") << "Coul L1" << "-1" << "0" << "9";
        QTest::newRow("text size 0") << "T Call" << "0" << "1" << "20";
        QTest::newRow("text size -5") << "T QSO" << "-5" << "1" << "20";
        QTest::newRow("line width 0") << "T Li1" << "0" << "1" << "5";
        QTest::newRow("line width -3") << "T Li2" << "-3" << "1" << "5";
    }

    void storedValuesTheCardsCannotBeDrawnWith()
    {
        QFETCH(QString, key);
        QFETCH(QString, outOfRange);
        QFETCH(QString, standIn);
        QFETCH(QString, other);
        const auto card = [this, &key](const QString& text) {
            env_ = std::make_unique<TestEnvironment>();
            env_->store.write(key, text);
            env_->store.write(QStringLiteral("Aff L5"), QStringLiteral("1"));
            env_->store.write(QStringLiteral("Aff L6"), QStringLiteral("1"));
            startProgram();
            pick(threeQsos().mid(0, 1));
            program().exportWindow();
            const QImage image(env_->outputFolder() + QStringLiteral("/QSL_F4XYZ_14 Mhz_SSB.bmp"));
            const QStringList told = env_->dialogs.messages();
            env_.reset();
            destroyClosedWindows();
            return std::make_pair(image, told);
        };
        const auto [drawn, told] = card(outOfRange);
        QVERIFY(!drawn.isNull());
        QVERIFY(told.isEmpty());
        QCOMPARE(drawn, card(standIn).first);
        QVERIFY(drawn != card(other).first);
    }

    void flagZeroNoMessage()
    {
        startProgram();
        pick(threeQsos().mid(0, 1));
        program().setMsgQslEnregistrees(0);
        program().exportWindow();
        QVERIFY(env_->dialogs.messages().isEmpty());
        QVERIFY(filesIn(env_->outputFolder()).contains(QStringLiteral("QSL_F4XYZ_14 Mhz_SSB.bmp")));
    }

    void emptyListStillTellsWhenFlagged()
    {
        startProgram();
        program().setMsgQslEnregistrees(1);
        program().exportWindow();
        QCOMPARE(env_->dialogs.messages(), QStringList{kSavedMessage});
        QCOMPARE(filesIn(env_->outputFolder()), QStringList{QStringLiteral("QSL_TRELUNE.jpg")});
    }

    // An existing window is only handed out again: nothing drawn, saved or told.
    void batchOnlyDuringCreation()
    {
        startProgram();
        program().setMsgQslEnregistrees(1);
        QslXWindow& window = program().exportWindow();
        env_->dialogs.clear();
        pick(threeQsos());
        QCOMPARE(&program().exportWindow(), &window);
        window.runCreationSequence();
        QVERIFY(env_->dialogs.messages().isEmpty());
        QCOMPARE(filesIn(env_->outputFolder()), QStringList{QStringLiteral("QSL_TRELUNE.jpg")});
    }

    // Closing the window and exporting again runs a fresh creation with the layout stored then.
    void closedThenCreatedAgain()
    {
        startProgram();
        program().exportWindow().close();
        destroyClosedWindows();
        QVERIFY(!program().existingExportWindow());
        env_->store.write(QStringLiteral("Pose V20"), QStringLiteral("33"));
        pick(threeQsos().mid(0, 1));
        program().exportWindow();
        QCOMPARE(program().cardLayout().v(20), qint16(33));
        QVERIFY(filesIn(env_->outputFolder()).contains(QStringLiteral("QSL_F4XYZ_14 Mhz_SSB.bmp")));
    }

    // A background that cannot be loaded is told; no card is drawn on nothing.
    void unloadableBackgroundAtCreation()
    {
        const QString absent = env_->scratchFolder() + QStringLiteral("/absent.jpg");
        env_->store.write(Key::QslDeFond, absent);
        startProgram();
        pick(threeQsos());
        program().setMsgQslEnregistrees(1);
        QslXWindow& window = program().exportWindow();
        QVERIFY(window.isVisible());
        QCOMPARE(env_->dialogs.messages(),
                 QStringList{QStringLiteral("Le fond de QSL ne peut pas être chargé :\r\n") +
                             QDir::toNativeSeparators(absent) +
                             QStringLiteral(" : le fichier n'existe pas\r\nAucune QSL n'a été enregistrée : "
                                            "choisissez un fond avec \"Fond QSL\".\r\nLes QSO sélectionnés sont "
                                            "gardés : fermez cet aperçu, puis cliquez à nouveau sur \"Enregistrer "
                                            "les QSL\".")});
        QVERIFY(window.batchRefused());
        QCOMPARE(program().selectQso().pickedLines().size(), 3);
        QCOMPARE(filesIn(env_->outputFolder()), QStringList{QStringLiteral("QSL_TRELUNE.jpg")});
        QCOMPARE(env_->store.value(Key::QslDeFond), std::optional<QString>(absent));
    }

    // A card that cannot be written does not stop the others; one message at the end says so.
    void unwritableCard()
    {
        startProgram();
        QDir(env_->outputFolder()).mkdir(QStringLiteral("QSL_F4XYZ_14 Mhz_SSB.bmp"));
        pick(threeQsos().mid(0, 2));
        program().setMsgQslEnregistrees(1);
        program().exportWindow();
        QCOMPARE(env_->dialogs.messages(),
                 (QStringList{QStringLiteral("1 QSL n'a pas pu être enregistrée :\r\nQSL_F4XYZ_14 Mhz_SSB.bmp : "
                                             "un dossier porte ce nom"),
                              kSavedMessage}));
        QCOMPARE(entriesIn(env_->outputFolder()),
                 (QStringList{QStringLiteral("QSL_F4XYZ_14 Mhz_SSB.bmp"),
                              QStringLiteral("QSL_F_G4ABC_P_7.0 Mhz_CW.bmp"), QStringLiteral("QSL_TRELUNE.jpg")}));
        QVERIFY(QFileInfo(env_->outputFolder() + QStringLiteral("/QSL_F4XYZ_14 Mhz_SSB.bmp")).isDir());
    }

    // A callsign holding a character no file name may hold (here a NUL byte of a damaged log) is
    // told like any card that cannot be written; no file of another name is written instead.
    void cardNameWithAForbiddenCharacter()
    {
        startProgram();
        const QString callsign = QStringLiteral("F4%1AB").arg(QChar(0));
        pick({numberedQso(1, callsign, QStringLiteral("14 Mhz"), QStringLiteral("SSB")), threeQsos().at(1)});
        program().setMsgQslEnregistrees(1);
        program().exportWindow();
        QCOMPARE(env_->dialogs.messages(),
                 (QStringList{QStringLiteral("1 QSL n'a pas pu être enregistrée :\r\nQSL_%1_14 Mhz_SSB.bmp : le nom "
                                             "du fichier contient un caractère interdit")
                                  .arg(callsign),
                              kSavedMessage}));
        QCOMPARE(entriesIn(env_->outputFolder()), (QStringList{QStringLiteral("QSL_F_G4ABC_P_7.0 Mhz_CW.bmp"),
                                                               QStringLiteral("QSL_TRELUNE.jpg")}));
    }

    void outputFolderGoneAtSaveTime()
    {
        const QString green = writeColourPicture(*env_, QStringLiteral("vert.png"), QColor(0, 128, 0));
        env_->store.write(Key::QslDeFond, green);
        startProgram();
        QDir(env_->outputFolder()).removeRecursively();
        pick(threeQsos().mid(0, 1));
        program().exportWindow();
        QCOMPARE(filesIn(env_->outputFolder()), QStringList{QStringLiteral("QSL_F4XYZ_14 Mhz_SSB.bmp")});
        QVERIFY(env_->dialogs.messages().isEmpty());
    }

    // The language is the main window's tick, asked while the cards are drawn.
    void cardLanguageFromTheMainWindow()
    {
        startProgram();
        const QString path = env_->outputFolder() + QStringLiteral("/QSL_F4XYZ_14 Mhz_SSB.bmp");
        pick(threeQsos().mid(0, 1));
        program().exportWindow().close();
        destroyClosedWindows();
        const QImage french(path);

        env_->program().mainWindow()->findChild<QAction*>(QStringLiteral("Mnu_L_Anglais"))->trigger();
        pick(threeQsos().mid(0, 1));
        program().exportWindow().close();
        destroyClosedWindows();
        const QImage english(path);

        env_->program().mainWindow()->findChild<QAction*>(QStringLiteral("Mnu_L_Francais"))->trigger();
        pick(threeQsos().mid(0, 1));
        program().exportWindow();
        QVERIFY(!french.isNull());
        QVERIFY(french != english);
        QCOMPARE(QImage(path), french);
    }

    // Picture1 shows what the surface holds, drawings included.
    void pictureShowsTheSurface()
    {
        startProgram();
        QslXWindow& window = program().exportWindow();
        window.surface().setColour(Qt::red);
        window.surface().setLineWidth(5);
        window.surface().drawLine(0, 50, 100, 50);
        auto* picture = window.findChild<QWidget*>(QStringLiteral("Picture1"));
        const QImage shown = picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.size(), QSize(530, 340));
        QCOMPARE(QColor(shown.pixel(265, 170)), QColor(Qt::red));
        QCOMPARE(shown, window.cardImage());
    }
};

QTEST_MAIN(TestQslXWindow)
#include "tst_qsl_x_window.moc"
