// The export window QSL_X: its controls, its creation sequence (CardExportSequence) and its batch
// Aff_LaQSL.

#include "app/main_window.h"
#include "card/card_export_sequence.h"
#include "card/qsl_x_window.h"
#include "card_test_support.h"
#include "editor/move_qso_window.h"
#include "layout/card_layout.h"
#include "selection/select_qso_window.h"
#include "settings/settings_keys.h"

#include <QAction>
#include <QFileInfo>
#include <QImageReader>
#include <QMenuBar>
#include <QtTest>

namespace
{

const QString kF4Card = u"QSL_F4XYZ_14 Mhz_SSB.bmp"_s;
const QString kG4Card = u"QSL_F_G4ABC_P_7.0 Mhz_CW.bmp"_s;
const QString kSample = u"QSL_TRELUNE.jpg"_s;

const QStringList kThreeQsos = {numberedQso(1, u"F4XYZ"_s, u"14 Mhz"_s, u"SSB"_s),
                                numberedQso(2, u"F/G4ABC/P"_s, u"7.0 Mhz"_s, u"CW"_s, u"F6ABC"_s),
                                numberedQso(3, u"F4XYZ"_s, u"14 Mhz"_s, u"SSB"_s, QString(), u"Oui"_s)};

QColor pixelAt(const QImage& image, double h, double v)
{
    return QColor(image.pixel(int(h * 530 / 100), int(v * 340 / 100)));
}

} // namespace

class TestQslXWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env_;

    RunningProgram& program() { return env_->program(); }
    QStringList outputFiles() const { return filesIn(env_->outputFolder()); }

    void startProgram() { QVERIFY(startWithTheSampleBackground(*env_)); }

    void pick(const QStringList& numberedLines)
    {
        SelectQsoWindow& select = program().selectQso();
        select.appendQsoLines(numberedLines);
        select.pickRange(1, select.unpickedCount());
    }

    // The creation sequence's layout and background, on a surface of the test's own.
    void loadWithoutTheWindow()
    {
        ImageSurface surface;
        CardExportSequence(program(), surface).load();
    }

    // Picks the QSOs and creates the export window with the saved-cards flag given.
    QslXWindow& exportCards(const QStringList& numberedLines, qint16 flag = 1)
    {
        if (!numberedLines.isEmpty())
            pick(numberedLines);
        program().setMsgQslEnregistrees(flag);
        return program().exportWindow();
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
        QCOMPARE(window.objectName(), u"QSL_X"_s);
        QCOMPARE(window.windowTitle(), u"Aperçu des E- QSL"_s);
        auto* picture = window.findChild<QWidget*>(u"Picture1"_s);
        QVERIFY(picture);
        QCOMPARE(picture->size(), QSize(530, 340));
        QCOMPARE(picture->accessibleName(), u"Picture1"_s);
        auto* edit = window.findChild<QAction*>(u"Mnu_Edit_QSL"_s);
        QVERIFY(edit);
        QCOMPARE(edit->text(), u"Positionnement des champs sur la QSL"_s);
        QVERIFY(window.menuBar()->actions().contains(edit));

        // Picture1 shows what the surface holds, drawings included.
        window.surface().setColour(Qt::red);
        window.surface().setLineWidth(5);
        window.surface().drawLine(0, 50, 100, 50);
        const QImage shown = picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(QColor(shown.pixel(265, 170)), QColor(Qt::red));
        QCOMPARE(shown, window.cardImage());
    }

    // The layout is read again with the export fallbacks, over what start-up read; the comment
    // stays the one start-up read.
    void creationReloadsTheLayout()
    {
        env_->store.write(Key::Commentaire, u"avant"_s);
        startProgram();
        env_->store.write(Key::Commentaire, u"après"_s);
        const CardLayout& layout = program().cardLayout();
        QCOMPARE((QList<qint16>{layout.v(20), layout.textSize(1)}), (QList<qint16>{20, 13})); // start-up fallbacks
        loadWithoutTheWindow();
        CardLayout expected;
        expected.load(env_->store, LayoutReader::Export);
        QCOMPARE(program().cardLayout(), expected);
        QCOMPARE((QList<qint16>{layout.v(20), layout.h(14), layout.v(15), layout.textSize(1), layout.textSize(3)}),
                 (QList<qint16>{10, 8, 92, 12, 13}));
        QCOMPARE(program().commentaireQsl(), u"avant"_s);
    }

    void storedLayoutTextsConverted_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint16>("value");
        const auto row = [](const char* tag, const char* key, const char* text, qint16 value) {
            QTest::newRow(tag) << key << text << value;
        };
        row("decimal comma, half to even", "Pose H1", "12,5", 12);
        row("half to even up", "Pose H2", "13,5", 14);
        row("blanks around", "T Call", " 7 ", 7);
        row("negative", "Pose V3", "-3", -3);
        row("not a number: export fallback", "Pose V15", "abc", 92);
        row("empty: export fallback", "T Entete", "", 12);
        row("out of range: export fallback", "Pose V20", "40000", 10);
    }

    void storedLayoutTextsConverted()
    {
        QFETCH(QString, key);
        QFETCH(QString, text);
        QFETCH(qint16, value);
        useFrenchNumberFormat();
        env_->store.write(key, text);
        startProgram();
        loadWithoutTheWindow();
        QCOMPARE(program().cardLayout().value(key), value);
    }

    // Without a chosen background, the sample found in the current (output) folder.
    void sampleBackgroundByDefault()
    {
        startProgram();
        QslXWindow& window = program().exportWindow();
        QCOMPARE(program().fondQsl(), kSample);
        // The build ships it in the output folder: a JPEG of the size backgrounds are made for.
        QCOMPARE(QImageReader(sampleBackgroundPath()).format(), QByteArray("jpeg"));
        QCOMPARE(QFileInfo(sampleBackgroundPath()).dir().dirName(), u"E_QSL"_s);
        const QImage sample = QImage(sampleBackgroundPath()).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(sample.size(), QSize(530, 340));
        QCOMPARE(window.cardImage(), sample);
        QVERIFY(env_->dialogs.messages().isEmpty());
    }

    void chosenBackground()
    {
        const QString green = writeColourPicture(*env_, u"vert.png"_s, QColor(0, 128, 0));
        env_->store.write(Key::QslDeFond, green);
        startProgram();
        QslXWindow& window = program().exportWindow();
        QCOMPARE(program().fondQsl(), green);
        QCOMPARE(pixelAt(window.cardImage(), 50, 50), QColor(0, 128, 0));
    }

    void windowShownBeforeTheBatchEnds()
    {
        startProgram();
        bool visibleAtMessage = false;
        QStringList filesAtMessage;
        env_->dialogs.onMessage([&](const QString&) {
            visibleAtMessage = program().existingExportWindow() && program().existingExportWindow()->isVisible();
            filesAtMessage = outputFiles();
        });
        exportCards(kThreeQsos.mid(0, 1));
        QVERIFY(visibleAtMessage);
        QVERIFY(filesAtMessage.contains(kF4Card));
    }

    void oneCardPerPickedLine()
    {
        startProgram();
        QslXWindow& window = exportCards(kThreeQsos);
        // The third QSO has the first one's name: its card replaces the first.
        QCOMPARE(outputFiles(), (QStringList{kF4Card, kG4Card, kSample}));
        for (const QString& name : {kF4Card, kG4Card})
            QCOMPARE(QImage(env_->outputFolder() + u'/' + name).size(), QSize(530, 340));
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
        const auto row = [](const char* tag, const char* key, const char* outOfRange, const char* standIn,
                            const char* other) { QTest::newRow(tag) << key << outOfRange << standIn << other; };
        row("colour 99", "Coul L2", "99", "0", "12");
        row("colour -1", "Coul L1", "-1", "0", "9");
        row("text size 0", "T Call", "0", "1", "20");
        row("text size -5", "T QSO", "-5", "1", "20");
        row("line width 0", "T Li1", "0", "1", "5");
        row("line width -3", "T Li2", "-3", "1", "5");
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
            env_->store.write(u"Aff L5"_s, u"1"_s);
            env_->store.write(u"Aff L6"_s, u"1"_s);
            startProgram();
            exportCards(kThreeQsos.mid(0, 1), 0);
            const QImage image(env_->outputFolder() + u'/' + kF4Card);
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

    // The saved-cards message follows the flag, whether or not QSOs were picked.
    void savedMessageWhenFlagged_data()
    {
        QTest::addColumn<qint16>("flag");
        QTest::addColumn<int>("picked");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("flag 0, a QSO picked") << qint16(0) << 1 << QStringList() << QStringList{kF4Card, kSample};
        QTest::newRow("flag 1, nothing picked") << qint16(1) << 0 << QStringList{kSavedMessage} << QStringList{kSample};
    }

    void savedMessageWhenFlagged()
    {
        QFETCH(qint16, flag);
        QFETCH(int, picked);
        QFETCH(QStringList, messages);
        QFETCH(QStringList, files);
        startProgram();
        exportCards(kThreeQsos.mid(0, picked), flag);
        QCOMPARE(env_->dialogs.messages(), messages);
        QCOMPARE(outputFiles(), files);
    }

    // An existing window is only handed out again: nothing drawn, saved or told. Once it is
    // closed, exporting again runs a fresh creation with the layout stored then.
    void batchOnlyDuringCreation()
    {
        startProgram();
        QslXWindow& window = exportCards({});
        env_->dialogs.clear();
        pick(kThreeQsos.mid(0, 1));
        QCOMPARE(&program().exportWindow(), &window);
        window.runCreationSequence();
        QVERIFY(env_->dialogs.messages().isEmpty());
        QCOMPARE(outputFiles(), QStringList{kSample});

        window.close();
        destroyClosedWindows();
        QVERIFY(!program().existingExportWindow());
        env_->store.write(u"Pose V20"_s, u"33"_s);
        program().exportWindow();
        QCOMPARE(program().cardLayout().v(20), qint16(33));
        QCOMPARE(outputFiles(), (QStringList{kF4Card, kSample}));
    }

    // A background that cannot be loaded is told; no card is drawn on nothing.
    void unloadableBackgroundAtCreation()
    {
        const QString absent = env_->scratchFolder() + u"/absent.jpg"_s;
        env_->store.write(Key::QslDeFond, absent);
        startProgram();
        QslXWindow& window = exportCards(kThreeQsos);
        QVERIFY(window.isVisible());
        QCOMPARE(env_->dialogs.messages(), QStringList{backgroundRefused(absent, u"le fichier n'existe pas"_s)});
        QVERIFY(window.batchRefused());
        QCOMPARE(program().selectQso().pickedLines().size(), 3);
        QCOMPARE(outputFiles(), QStringList{kSample});
        QCOMPARE(env_->store.value(Key::QslDeFond), std::optional<QString>(absent));
    }

    // A card that cannot be written does not stop the others; one message at the end says so.
    void unwritableCard()
    {
        startProgram();
        QDir(env_->outputFolder()).mkdir(kF4Card);
        exportCards(kThreeQsos.mid(0, 2));
        QCOMPARE(env_->dialogs.messages(),
                 (QStringList{u"1 QSL n'a pas pu être enregistrée :\r\n"_s + kF4Card + u" : un dossier porte ce nom"_s +
                                  kPicksKept,
                              u"1 QSL sur 2 a été enregistrée dans le dossier 'E_QSL' du répertoire ZELVANE_E_QSL"_s}));
        QCOMPARE(entriesIn(env_->outputFolder()), (QStringList{kF4Card, kG4Card, kSample}));
        QVERIFY(QFileInfo(env_->outputFolder() + u'/' + kF4Card).isDir());
    }

    // A callsign holding a character no file name may hold (here a NUL byte of a damaged log) is
    // told like any card that cannot be written; no file of another name is written instead.
    void cardNameWithAForbiddenCharacter()
    {
        startProgram();
        const QString callsign = u"F4%1AB"_s.arg(QChar(0));
        exportCards({numberedQso(1, callsign, u"14 Mhz"_s, u"SSB"_s), kThreeQsos.at(1)});
        QCOMPARE(env_->dialogs.messages(),
                 (QStringList{u"1 QSL n'a pas pu être enregistrée :\r\nQSL_%1_14 Mhz_SSB.bmp "
                              ": le nom du fichier contient un caractère interdit"_s.arg(callsign) +
                                  kPicksKept,
                              u"1 QSL sur 2 a été enregistrée dans le dossier 'E_QSL' du répertoire ZELVANE_E_QSL"_s}));
        QCOMPARE(entriesIn(env_->outputFolder()), (QStringList{kG4Card, kSample}));
    }

    void outputFolderGoneAtSaveTime()
    {
        env_->store.write(Key::QslDeFond, writeColourPicture(*env_, u"vert.png"_s, QColor(0, 128, 0)));
        startProgram();
        QDir(env_->outputFolder()).removeRecursively();
        exportCards(kThreeQsos.mid(0, 1), 0);
        QCOMPARE(outputFiles(), QStringList{kF4Card});
        QVERIFY(env_->dialogs.messages().isEmpty());
    }

    // The language is the main window's tick, asked while the cards are drawn.
    void cardLanguageFromTheMainWindow()
    {
        startProgram();
        const auto cardIn = [this](const char* language) {
            program().mainWindow()->findChild<QAction*>(QLatin1String(language))->trigger();
            exportCards(kThreeQsos.mid(0, 1), 0).close();
            destroyClosedWindows();
            return QImage(env_->outputFolder() + u'/' + kF4Card);
        };
        const QImage french = cardIn("Mnu_L_Francais");
        const QImage english = cardIn("Mnu_L_Anglais");
        QVERIFY(!french.isNull());
        QVERIFY(french != english);
        QCOMPARE(cardIn("Mnu_L_Francais"), french);
    }
};

QTEST_MAIN(TestQslXWindow)
#include "tst_qsl_x_window.moc"
