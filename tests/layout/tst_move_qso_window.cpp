#include "app/main_window.h"
#include "card/card_sequence.h"
#include "card/qsl_x_window.h"
#include "editor_driver.h"
#include "layout/layout_texts.h"
#include "layout/move_qso_window.h"
#include "layout/sample_card.h"
#include "platform/image_surface.h"
#include "settings/settings_keys.h"
#include "support/test_environment.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace driver;

namespace {

const QString kCommentTooLong = QStringLiteral("30 caractères maximum");

// A plain white background of the size cards are made for.
QString writeBackground(const TestEnvironment& env)
{
    QImage image(530, 340, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QString path = env.scratchFolder() + QStringLiteral("/fond.jpg");
    image.save(path, "JPG", 100);
    return path;
}

// Starts the program with a background known, as after a background choice.
MainWindow& start(TestEnvironment& env)
{
    env.store.write(Key::QslDeFond, writeBackground(env));
    MainWindow& main = env.start();
    env.dialogs.clear();
    return main;
}

bool isRed(QRgb pixel)
{
    return qRed(pixel) > 200 && qGreen(pixel) < 120 && qBlue(pixel) < 120;
}

ImageSurface& surfaceOf(TestEnvironment& env)
{
    return dynamic_cast<ImageSurface&>(env.program().existingExportWindow()->surface());
}

} // namespace

class TestMoveQsoWindow : public QObject
{
    Q_OBJECT
private slots:
    void everyBoxAndCheckBoxHasItsNames();
    void captionsLegendAndButtons();
    void opensWithTheEditorsDefaults();
    void showsStoredTextsUnchanged();
    void greyedSwitchIsShownAndKept();
    void openedFromTheMainWindowClearsTheFlag();
    void openedFromTheExportWindowKeepsTheFlag();
    void quitterHidesAndKeepsEdits();
    void closeBoxUnloads();
    void commentOfThirtyCharactersPasses();
    void commentOfThirtyOneCharactersIsRefused();
    void boxThatCannotBeUsedStopsEverything_data();
    void boxThatCannotBeUsedStopsEverything();
    void decimalPositionIsDrawnAndStoredAsTyped();
    void untickedLineIsNotDrawnButStored();
    void eachSampleIsDrawnOnAFreshBackground();
    void creditLineWeight_data();
    void creditLineWeight();
    void sampleFollowsTheCardLanguage();
    void testerStoresEveryValueThenUnloads();
    void testerCreatesTheExportWindowFirst();
    void backgroundThatCannotBeLoaded_data();
    void backgroundThatCannotBeLoaded();
};

void TestMoveQsoWindow::everyBoxAndCheckBoxHasItsNames()
{
    TestEnvironment env;
    start(env);
    MoveQsoWindow* editor = openEditor(env);
    QVERIFY(editor);
    QCOMPARE(editor->objectName(), QStringLiteral("Move_QSO"));
    QCOMPARE(editor->windowTitle(), QStringLiteral("Edition de la QSL"));

    QStringList names;
    for (int n = 1; n <= 22; ++n)
        names << QStringLiteral("PH%1").arg(n) << QStringLiteral("PV%1").arg(n);
    for (int n = 1; n <= 8; ++n)
        names << QStringLiteral("PT%1").arg(n);
    for (int n = 1; n <= 7; ++n)
        names << QStringLiteral("C%1").arg(n);
    names << QStringLiteral("CommentX");
    for (const QString& name : names) {
        const QList<QLineEdit*> found = editor->findChildren<QLineEdit*>(name);
        QVERIFY2(found.size() == 1, qPrintable(name));
        QCOMPARE(found.at(0)->accessibleName(), name);
        QVERIFY2(found.at(0)->isVisible(), qPrintable(name));
    }
    QCOMPARE(editor->findChildren<QLineEdit*>().size(), names.size());

    for (int n = 1; n <= 7; ++n) {
        const QString name = QStringLiteral("SL%1").arg(n);
        QCheckBox* box = tick(editor, name);
        QVERIFY2(box, qPrintable(name));
        QCOMPARE(box->accessibleName(), name);
        QCOMPARE(box->text(), QString()); // the check boxes show no text of their own
    }
    QCOMPARE(editor->findChildren<QCheckBox*>().size(), 7);
}

void TestMoveQsoWindow::captionsLegendAndButtons()
{
    TestEnvironment env;
    start(env);
    MoveQsoWindow* editor = openEditor(env);
    QStringList captions;
    for (const QLabel* label : editor->findChildren<QLabel*>()) {
        QCOMPARE(label->accessibleName(), label->text());
        QVERIFY(!label->objectName().isEmpty());
        captions << label->text();
    }
    const QStringList expected = {
        "Positionnement des champs sur la QSL",
        "Position en haut à gauche de la QSL : H = 0  et V= 0",
        "Position en bas à droite de la QSL : H = 100 V = 100",
        "Utilisation d'une décimale possible avec une virgule ",
        "( pas le point )",
        "Cocher les lignes à afficher",
        "Position des champs ligne entête",
        "Position des champs  ligne QSO",
        "Position ligne Merci pour le QSO",
        "Position ligne Pse QSL    73",
        "Position de la ligne commentaire",
        "Position d'une ligne (N°1)",
        "Position d'une ligne (N°2)",
        "Position du X pour case à cocher",
        "Pour",
        "QSL via",
        "Call",
        "Via",
        "Heure",
        "Bande",
        "Mode",
        "RST",
        "Debut",
        "Fin",
        "H",
        "V",
        "Couleur",
        "Taille",
        "Commentaire (30 caractères maxi)",
        "Codes des couleurs",
        "Noir=0  Vert=2  Bleu=9  ",
        " Rouge=12  Jaune=14  Blanc=15",
    };
    for (const QString& caption : expected)
        QVERIFY2(captions.contains(caption), qPrintable(caption));
    // Every row of positions has its H and V captions; seven rows have a colour box.
    QCOMPARE(captions.count(QStringLiteral("H")), 8);
    QCOMPARE(captions.count(QStringLiteral("V")), 8);
    QCOMPARE(captions.count(QStringLiteral("Couleur")), 7);

    const QList<std::pair<QString, QString>> buttons = {
        {"Tester", "Tester"}, {"Quitter", "Quitter"}, {"Enregistrement", "Enregistrer les paramètres"}};
    for (const auto& [name, caption] : buttons) {
        QPushButton* button = editor->findChild<QPushButton*>(name);
        QVERIFY2(button, qPrintable(name));
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->accessibleName(), caption);
    }
    // Left to right along the bottom edge.
    QVERIFY(editor->findChild<QPushButton*>("Tester")->x() < editor->findChild<QPushButton*>("Quitter")->x());
    QVERIFY(editor->findChild<QPushButton*>("Quitter")->x() < editor->findChild<QPushButton*>("Enregistrement")->x());
    QVERIFY(editor->findChild<QPushButton*>("Tester")->y() > box(editor, "PV22")->y());
}

void TestMoveQsoWindow::opensWithTheEditorsDefaults()
{
    TestEnvironment env;
    useFrenchNumberFormat();
    start(env);
    MoveQsoWindow* editor = openEditor(env);
    const QList<std::pair<QString, QString>> expected = {
        {"PH1", "5"},   {"PV1", "84"},  {"PH7", "40"},    {"PV7", "91"},  {"PH14", "6"},
        {"PV14", "91"}, {"PH15", "16"}, {"PV15", "91,5"}, {"PH20", "10"}, {"PV20", "20"},
        {"PV21", "20"}, {"PT1", "12"},  {"PT2", "12"},    {"PT3", "13"},  {"PT6", "13"},
        {"PT7", "1"},   {"PT8", "1"},   {"C1", "0"},      {"C7", "0"},    {"CommentX", ""}};
    for (const auto& [name, text] : expected)
        QCOMPARE(box(editor, name)->text(), text);
    const QString ticked = QStringLiteral("1110000");
    for (int line = 1; line <= 7; ++line)
        QCOMPARE(tick(editor, QStringLiteral("SL%1").arg(line))->checkState(),
                 ticked.at(line - 1) == QLatin1Char('1') ? Qt::Checked : Qt::Unchecked);
    // Opening wrote nothing.
    QVERIFY(!env.store.contains(QStringLiteral("Pose V15")));
}

void TestMoveQsoWindow::showsStoredTextsUnchanged()
{
    TestEnvironment env;
    env.store.write(QStringLiteral("Pose H3"), QStringLiteral("12,5"));
    env.store.write(QStringLiteral("T QSO"), QStringLiteral(" 9 "));
    env.store.write(QStringLiteral("Coul L2"), QStringLiteral("rouge"));
    env.store.write(QStringLiteral("Aff L4"), QStringLiteral("1"));
    env.store.write(QStringLiteral("Aff L1"), QStringLiteral("0"));
    env.store.write(Key::Commentaire, QStringLiteral("73 à tous"));
    start(env);
    MoveQsoWindow* editor = openEditor(env);
    QCOMPARE(box(editor, "PH3")->text(), QStringLiteral("12,5"));
    QCOMPARE(box(editor, "PT2")->text(), QStringLiteral(" 9 "));
    QCOMPARE(box(editor, "C2")->text(), QStringLiteral("rouge"));
    QCOMPARE(tick(editor, "SL4")->checkState(), Qt::Checked);
    QCOMPARE(tick(editor, "SL1")->checkState(), Qt::Unchecked);
    QCOMPARE(box(editor, "CommentX")->text(), QStringLiteral("73 à tous"));
}

void TestMoveQsoWindow::greyedSwitchIsShownAndKept()
{
    TestEnvironment env;
    env.store.write(QStringLiteral("Aff L5"), QStringLiteral("2"));
    start(env);
    MoveQsoWindow* editor = openEditor(env);
    QCOMPARE(tick(editor, "SL5")->checkState(), Qt::PartiallyChecked);
    type(box(editor, "PT7"), QStringLiteral("3"));
    click(editor, "Tester");
    QCOMPARE(env.store.value(QStringLiteral("Aff L5")), std::optional<QString>(QStringLiteral("2")));
    QCOMPARE(surfaceOf(env).lineWidth(), 1); // line no. 1 not drawn: the greyed box counts as off

    // Once changed by the user it is an ordinary box again.
    editor = openEditor(env);
    QCOMPARE(tick(editor, "SL5")->checkState(), Qt::PartiallyChecked);
    QTest::mouseClick(tick(editor, "SL5"), Qt::LeftButton);
    QCOMPARE(tick(editor, "SL5")->checkState(), Qt::Checked);
    QTest::mouseClick(tick(editor, "SL5"), Qt::LeftButton);
    QTest::mouseClick(tick(editor, "SL5"), Qt::LeftButton);
    QCOMPARE(tick(editor, "SL5")->checkState(), Qt::Checked);
}

void TestMoveQsoWindow::openedFromTheMainWindowClearsTheFlag()
{
    TestEnvironment env;
    start(env);
    env.program().setMsgQslEnregistrees(1);
    MoveQsoWindow* editor = openEditor(env);
    QVERIFY(editor->isVisible());
    QCOMPARE(env.program().msgQslEnregistrees(), qint16(0));
    // A window not modal: the main window stays usable.
    QVERIFY(!editor->isModal());
}

void TestMoveQsoWindow::openedFromTheExportWindowKeepsTheFlag()
{
    TestEnvironment env;
    start(env);
    QslXWindow& exportWindow = env.program().exportWindow();
    env.program().setMsgQslEnregistrees(1);
    action(&exportWindow, "Mnu_Edit_QSL")->trigger();
    QVERIFY(env.program().existingEditor());
    QVERIFY(env.program().existingEditor()->isVisible());
    QCOMPARE(env.program().msgQslEnregistrees(), qint16(1));
}

void TestMoveQsoWindow::quitterHidesAndKeepsEdits()
{
    TestEnvironment env;
    start(env);
    MoveQsoWindow* editor = openEditor(env);
    type(box(editor, "PH1"), QStringLiteral("33"));
    setTicked(tick(editor, "SL6"), true);
    type(box(editor, "CommentX"), QStringLiteral("bonjour"));
    click(editor, "Quitter");
    QVERIFY(!editor->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(env.program().existingEditor(), editor); // hidden, still loaded
    QVERIFY(!env.store.contains(QStringLiteral("Pose H1")));
    QVERIFY(!env.store.contains(Key::Commentaire));
    QVERIFY(!env.program().existingExportWindow());

    QCOMPARE(openEditor(env), editor);
    QVERIFY(editor->isVisible());
    QCOMPARE(box(editor, "PH1")->text(), QStringLiteral("33"));
    QCOMPARE(tick(editor, "SL6")->checkState(), Qt::Checked);
    QCOMPARE(box(editor, "CommentX")->text(), QStringLiteral("bonjour"));
}

void TestMoveQsoWindow::closeBoxUnloads()
{
    TestEnvironment env;
    start(env);
    MoveQsoWindow* editor = openEditor(env);
    type(box(editor, "PH1"), QStringLiteral("33"));
    editor->close();
    QTRY_VERIFY(!env.program().existingEditor());
    QVERIFY(!env.store.contains(QStringLiteral("Pose H1")));

    editor = openEditor(env);
    QCOMPARE(box(editor, "PH1")->text(), QStringLiteral("5"));
}

void TestMoveQsoWindow::commentOfThirtyCharactersPasses()
{
    TestEnvironment env;
    start(env);
    MoveQsoWindow* editor = openEditor(env);
    const QString comment = QStringLiteral("Merci pour ce beau QSO, 73 àé");
    QCOMPARE(comment.size(), 29);
    type(box(editor, "CommentX"), comment + QLatin1Char('!'));
    click(editor, "Tester");
    QVERIFY(!env.dialogs.messages().contains(kCommentTooLong));
    QCOMPARE(env.store.value(Key::Commentaire), std::optional<QString>(comment + QLatin1Char('!')));
    QTRY_VERIFY(!env.program().existingEditor());
}

void TestMoveQsoWindow::commentOfThirtyOneCharactersIsRefused()
{
    TestEnvironment env;
    start(env);
    // The export window is open with a card on it: it must not change.
    QslXWindow& exportWindow = env.program().exportWindow();
    const QImage before = exportWindow.cardImage();
    MoveQsoWindow* editor = openEditor(env);
    setTicked(tick(editor, "SL5"), true);
    const QString comment(31, QLatin1Char('c'));
    type(box(editor, "CommentX"), comment);
    env.dialogs.clear();
    click(editor, "Tester");

    QCOMPARE(env.dialogs.messages(), QStringList{kCommentTooLong});
    QCOMPARE(exportWindow.cardImage(), before);
    QVERIFY(!env.store.contains(Key::Commentaire));
    QVERIFY(!env.store.contains(QStringLiteral("Pose V1")));
    QVERIFY(!env.store.contains(QStringLiteral("Aff L5")));
    QCOMPARE(env.program().msgQslEnregistrees(), qint16(0));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(env.program().existingEditor(), editor);
    QVERIFY(editor->isVisible());
    QCOMPARE(box(editor, "CommentX")->text(), comment);
}

void TestMoveQsoWindow::boxThatCannotBeUsedStopsEverything_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    const QString tail = QStringLiteral("\r\nRien n'a été dessiné ni enregistré.");
    QTest::newRow("position") << "PH8"
                              << "abc"
                              << "Case PH8 (Pour, ligne entête, position H) : « abc » n'est pas un nombre." + tail;
    QTest::newRow("colour") << "C2"
                            << "16"
                            << "Case C2 (couleur de la ligne QSO) : « 16 » n'est pas un code de couleur de 0 à 15." +
                                   tail;
    QTest::newRow("size") << "PT3"
                          << "0"
                          << "Case PT3 (taille du Call) : la taille « 0 » doit être d'au moins 1." + tail;
    QTest::newRow("line width of a line not drawn")
        << "PT7"
        << "0"
        << "Case PT7 (épaisseur de la ligne (N°1)) : l'épaisseur « 0 » doit être un nombre entier de 1 à 32767." + tail;
}

void TestMoveQsoWindow::boxThatCannotBeUsedStopsEverything()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, message);
    TestEnvironment env;
    start(env);
    MoveQsoWindow* editor = openEditor(env);
    type(box(editor, name), text);
    click(editor, "Tester");

    QCOMPARE(env.dialogs.messages(), QStringList{message});
    QVERIFY(!env.program().existingExportWindow()); // nothing drawn, not even the window created
    for (const LayoutKeyDefaults& entry : kLayoutKeys)
        QVERIFY2(!env.store.contains(QLatin1String(entry.key)), entry.key);
    QVERIFY(!env.store.contains(Key::Commentaire));
    QCOMPARE(env.program().msgQslEnregistrees(), qint16(0));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(env.program().existingEditor());
    QCOMPARE(box(editor, name)->text(), text);
}

void TestMoveQsoWindow::decimalPositionIsDrawnAndStoredAsTyped()
{
    TestEnvironment env;
    useFrenchNumberFormat();
    start(env);
    MoveQsoWindow* editor = openEditor(env);
    setSwitches(editor, QStringLiteral("0000100"));
    type(box(editor, "PH18"), QStringLiteral("12,5"));
    type(box(editor, "PH19"), QStringLiteral("12,5"));
    type(box(editor, "PV18"), QStringLiteral("10"));
    type(box(editor, "PV19"), QStringLiteral("90"));
    type(box(editor, "C5"), QStringLiteral("12"));
    click(editor, "Tester");

    // 12.5 % of 530 pixels is 66.25: the line stands in column 66, not at 12 % (63.6) or 13 % (68.9).
    const QImage image = env.program().existingExportWindow()->cardImage();
    QVERIFY(isRed(image.pixel(66, 170)));
    QVERIFY(!isRed(image.pixel(63, 170)));
    QVERIFY(!isRed(image.pixel(69, 170)));
    QCOMPARE(env.store.value(QStringLiteral("Pose H18")), std::optional<QString>(QStringLiteral("12,5")));
    QCOMPARE(env.store.value(QStringLiteral("Pose V15")), std::optional<QString>(QStringLiteral("91,5")));
}

void TestMoveQsoWindow::untickedLineIsNotDrawnButStored()
{
    TestEnvironment env;
    useFrenchNumberFormat();
    start(env);
    MoveQsoWindow* editor = openEditor(env);
    setSwitches(editor, QStringLiteral("0000000"));
    type(box(editor, "PH18"), QStringLiteral("12,5"));
    type(box(editor, "PH19"), QStringLiteral("12,5"));
    type(box(editor, "PV19"), QStringLiteral("90"));
    type(box(editor, "C5"), QStringLiteral("12"));
    type(box(editor, "PT7"), QStringLiteral("3"));
    click(editor, "Tester");

    const QImage image = env.program().existingExportWindow()->cardImage();
    for (int x = 55; x < 80; ++x)
        QVERIFY(!isRed(image.pixel(x, 170)));
    QCOMPARE(env.store.value(QStringLiteral("Aff L5")), std::optional<QString>(QStringLiteral("0")));
    QCOMPARE(env.store.value(QStringLiteral("Pose H18")), std::optional<QString>(QStringLiteral("12,5")));
    QCOMPARE(env.store.value(QStringLiteral("Pose V19")), std::optional<QString>(QStringLiteral("90")));
    QCOMPARE(env.store.value(QStringLiteral("Coul Li1")), std::optional<QString>(QStringLiteral("12")));
    QCOMPARE(env.store.value(QStringLiteral("T Li1")), std::optional<QString>(QStringLiteral("3")));
}

void TestMoveQsoWindow::eachSampleIsDrawnOnAFreshBackground()
{
    TestEnvironment env;
    start(env);
    MoveQsoWindow* editor = openEditor(env);
    setSwitches(editor, QStringLiteral("0000100"));
    type(box(editor, "PH19"), QStringLiteral("10")); // a vertical line at 10 %: column 53
    type(box(editor, "PV19"), QStringLiteral("90"));
    type(box(editor, "C5"), QStringLiteral("12"));
    click(editor, "Tester");
    QTRY_VERIFY(!env.program().existingEditor());
    QVERIFY(isRed(env.program().existingExportWindow()->cardImage().pixel(53, 170)));

    // The second sample replaces the picture first: the first one's line is gone.
    editor = openEditor(env);
    setTicked(tick(editor, "SL5"), false);
    click(editor, "Tester");
    const QImage image = env.program().existingExportWindow()->cardImage();
    for (int x = 40; x < 70; ++x)
        QVERIFY(!isRed(image.pixel(x, 170)));
}

void TestMoveQsoWindow::creditLineWeight_data()
{
    QTest::addColumn<QString>("switches");
    QTest::addColumn<bool>("bold");
    QTest::newRow("only SL1 and SL2") << "1100000" << true;
    QTest::newRow("everything off") << "0000000" << false;
    QTest::newRow("defaults") << "1110000" << false;
}

void TestMoveQsoWindow::creditLineWeight()
{
    QFETCH(QString, switches);
    QFETCH(bool, bold);
    TestEnvironment env;
    start(env);
    MoveQsoWindow* editor = openEditor(env);
    setSwitches(editor, switches);
    click(editor, "Tester");
    // The credit line is the last thing drawn and sets no weight: the surface keeps its weight.
    const ImageSurface& surface = surfaceOf(env);
    QCOMPARE(surface.bold(), bold);
    QCOMPARE(surface.textSize(), 6.0);
    QCOMPARE(surface.colour(), QColor(0, 0, 0));
    QCOMPARE(surface.position(), QPointF(89, 96));
    QCOMPARE(env.store.value(QStringLiteral("Aff L2")), std::optional<QString>(switches.mid(1, 1)));
}

void TestMoveQsoWindow::sampleFollowsTheCardLanguage()
{
    // The sample on the export window is exactly the shared drawing sequence for the stored texts
    // in the language of the main window's tick, on a freshly loaded background.
    for (const bool french : {true, false}) {
        TestEnvironment env;
        start(env);
        action(env.program().mainWindow(), french ? "Mnu_L_Francais" : "Mnu_L_Anglais")->trigger();
        MoveQsoWindow* editor = openEditor(env);
        click(editor, "Tester");
        const QImage drawn = env.program().existingExportWindow()->cardImage();

        const LayoutTexts stored = readEditorTexts(env.store);
        QImage expected[2];
        for (const bool language : {true, false}) {
            ImageSurface fresh;
            QCOMPARE(fresh.loadPicture(env.store.read(Key::QslDeFond, QString())), QString());
            drawCardSequence(fresh, sampleCard(stored, language).card);
            expected[language ? 0 : 1] = fresh.image();
        }
        QVERIFY(expected[0] != expected[1]);
        QVERIFY(drawn == expected[french ? 0 : 1]);
    }
}

void TestMoveQsoWindow::testerStoresEveryValueThenUnloads()
{
    TestEnvironment env;
    start(env);
    MoveQsoWindow* editor = openEditor(env);
    type(box(editor, "PH1"), QStringLiteral("33"));
    type(box(editor, "PV22"), QStringLiteral("-4"));
    type(box(editor, "PT8"), QStringLiteral("2"));
    type(box(editor, "C7"), QStringLiteral("14"));
    setTicked(tick(editor, "SL7"), true);
    type(box(editor, "CommentX"), QStringLiteral(" 73 "));
    const LayoutTexts shown = editor->texts();
    click(editor, "Tester");

    for (int i = 0; i < kLayoutKeyCount; ++i)
        QCOMPARE(env.store.value(QLatin1String(kLayoutKeys[i].key)), std::optional<QString>(shown.values[i]));
    QCOMPARE(env.store.value(QStringLiteral("Pose H1")), std::optional<QString>(QStringLiteral("33")));
    QCOMPARE(env.store.value(QStringLiteral("Aff L7")), std::optional<QString>(QStringLiteral("1")));
    QCOMPARE(env.store.value(QStringLiteral("Aff L4")), std::optional<QString>(QStringLiteral("0")));
    QCOMPARE(env.store.value(Key::Commentaire), std::optional<QString>(QStringLiteral(" 73 ")));
    QCOMPARE(env.program().msgQslEnregistrees(), qint16(1));
    QTRY_VERIFY(!env.program().existingEditor());
    // Closing the editor leaves the export window with the sample on it.
    QVERIFY(env.program().existingExportWindow()->isVisible());
    // The comment printed on exported cards stays the one read at start-up.
    QCOMPARE(env.program().commentaireQsl(), QString());

    // Reopening shows the stored texts.
    editor = openEditor(env);
    QCOMPARE(box(editor, "PH1")->text(), QStringLiteral("33"));
    QCOMPARE(box(editor, "PV22")->text(), QStringLiteral("-4"));
    QCOMPARE(tick(editor, "SL7")->checkState(), Qt::Checked);
    QCOMPARE(box(editor, "CommentX")->text(), QStringLiteral(" 73 "));
}

void TestMoveQsoWindow::testerCreatesTheExportWindowFirst()
{
    TestEnvironment env;
    start(env);
    MoveQsoWindow* editor = openEditor(env);
    QVERIFY(!env.program().existingExportWindow());
    type(box(editor, "PH1"), QStringLiteral("30"));
    click(editor, "Tester");

    QslXWindow* exportWindow = env.program().existingExportWindow();
    QVERIFY(exportWindow);
    QVERIFY(exportWindow->isVisible());
    // Its creation reloaded the layout before the editor stored its values...
    QCOMPARE(env.program().cardLayout().h(1), qint16(5));
    QCOMPARE(env.store.value(QStringLiteral("Pose H1")), std::optional<QString>(QStringLiteral("30")));
    // ...and loaded its background before the sample was drawn over it.
    QVERIFY(exportWindow->cardImage() != surfaceOf(env).background());
    QVERIFY(!env.dialogs.messages().contains(
        QStringLiteral("Les QSL ont été enregistrées dans le dossier 'E_QSL' du répertoire ZELVANE_E_QSL")));
}

void TestMoveQsoWindow::backgroundThatCannotBeLoaded_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: no such file
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << QByteArray() << "le fichier n'existe pas";
    QTest::newRow("not a picture") << QByteArray("pas une image") << "le fichier n'est pas une image lisible";
}

void TestMoveQsoWindow::backgroundThatCannotBeLoaded()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    TestEnvironment env;
    start(env);
    const QString path = content.isEmpty() ? env.scratchFolder() + QStringLiteral("/absent.jpg")
                                           : env.writeScratchFile(QStringLiteral("faux.jpg"), content);
    env.store.write(Key::QslDeFond, path);
    MoveQsoWindow* editor = openEditor(env);
    type(box(editor, "PH1"), QStringLiteral("30"));
    click(editor, "Tester");

    // The export window, created first, tells that it has no background; then the editor tells that
    // the sample is drawn without it and the layout stored all the same.
    QCOMPARE(env.dialogs.messages(),
             (QStringList{QStringLiteral("Le fond de QSL ne peut pas être chargé :\r\n") +
                              QDir::toNativeSeparators(path) + QStringLiteral(" : ") + reason +
                              QStringLiteral("\r\nAucune QSL n'a été enregistrée : choisissez un fond avec "
                                             "\"Fond QSL\"."),
                          QStringLiteral("L'image de fond « ") + path + QStringLiteral(" » ne peut pas être chargée (") +
                              reason +
                              QStringLiteral(").\r\nL'exemple est dessiné sans elle et la mise en page est "
                                             "enregistrée.")}));
    QCOMPARE(env.program().fondQsl(), path);
    QCOMPARE(env.store.value(QStringLiteral("Pose H1")), std::optional<QString>(QStringLiteral("30")));
    QCOMPARE(env.program().msgQslEnregistrees(), qint16(1));
    QTRY_VERIFY(!env.program().existingEditor());
    const ImageSurface& surface = surfaceOf(env);
    QVERIFY(surface.image() != surface.background());
}

QTEST_MAIN(TestMoveQsoWindow)
#include "tst_move_qso_window.moc"
