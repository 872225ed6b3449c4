#include "card/qsl_x_window.h"
#include "help/aide_window.h"
#include "layout/move_qso_window.h"
#include "platform/window_geometry.h"
#include "qso_test_lines.h"
#include "selection/select_log_window.h"
#include "selection/select_qso_window.h"
#include "settings/settings_keys.h"
#include "support/test_environment.h"
#include "window_driver.h"

#include <QFontInfo>
#include <QFrame>
#include <QImage>
#include <QPointer>
#include <QScrollBar>

// A program whose export window records what the picking window holds when it is asked for,
// without producing cards.
class RecordingProgram final : public Program
{
public:
    RecordingProgram(SettingsStore& store, Dialogs& dialogs) : Program(store, dialogs, QString()) {}
    ~RecordingProgram() override
    {
        delete exportWindow_.data();
        delete selectQso_.data();
    }

    bool cardLanguageFrench() const override { return true; }
    void enableSelection() override {}
    SelectQsoWindow& selectQso() override
    {
        if (!selectQso_)
            selectQso_ = new SelectQsoWindow(*this);
        return *selectQso_;
    }
    SelectQsoWindow* existingSelectQso() override { return selectQso_; }
    QslXWindow& exportWindow() override
    {
        ++exportRequests;
        pickedWhenAsked.append(selectQso_->pickedLines());
        hiddenWhenAsked = !selectQso_->isVisible();
        flagWhenAsked = msgQslEnregistrees();
        if (!exportWindow_)
            exportWindow_ = new QslXWindow(*this);
        return *exportWindow_;
    }
    QslXWindow* existingExportWindow() override { return exportWindow_; }
    MoveQsoWindow& editor() override { qFatal("no editor here"); }
    MoveQsoWindow* existingEditor() override { return nullptr; }
    AideWindow& help() override { qFatal("no help here"); }

    int exportRequests = 0;
    QList<QStringList> pickedWhenAsked;
    bool hiddenWhenAsked = false;
    qint16 flagWhenAsked = 0;

private:
    QPointer<SelectQsoWindow> selectQso_;
    QPointer<QslXWindow> exportWindow_;
};

class TestSelectQsoWindow : public QObject
{
    Q_OBJECT
private slots:
    void controls_data();
    void controls();
    void look();
    void captionsFit_data();
    void captionsFit();
    void pickByClick();
    void putBackByClick();
    void pickAndPutBackByArrowKeys();
    void pickAll();
    void pickAllWithNothingLeavesTheCount();
    void sortByCall();
    void partOpensTheRangeWindow();
    void impressionFollowsItsSteps();
    void impressionWithNothingPicked();
    void impressionOpensTheExportWindow();
    void quitterDiscardsTheLists();
    void fullListStaysUsable();
    void linesScrollSidewaysToTheManager();

private:
    SelectQsoWindow& freshWindow(TestEnvironment& env, int lines);
};

SelectQsoWindow& TestSelectQsoWindow::freshWindow(TestEnvironment& env, int lines)
{
    SelectQsoWindow& window = env.program().selectQso();
    window.appendQsoLines(numberedLines(calls(lines)));
    showActive(window);
    return window;
}

void TestSelectQsoWindow::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("place");

    const QString numbered =
        QStringLiteral("        N°       Indicatif                        Date           Debut  "
                       "      Bande          Mode           Rst E             QSL reçu     QSL Via");
    const QString picked = QStringLiteral("   Indicatif                        Date           Debut        Bande     "
                                          "     Mode           Rst E             QSL reçu     QSL Via");
    QTest::newRow("Label2") << "Label2"
                            << "Sélection des QSO" << twipsRect(240, 240, 9015, 375);
    QTest::newRow("Label3") << "Label3"
                            << "Cliquez sur un QSO pour le sélectionner " << twipsRect(360, 1080, 3975, 255);
    QTest::newRow("Command2") << "Command2"
                              << "Tri par call" << twipsRect(6240, 960, 1215, 375);
    QTest::newRow("Label1") << "Label1" << numbered << twipsRect(360, 1440, 8775, 255);
    QTest::newRow("Liste_QSO") << "Liste_QSO"
                               << "" << twipsRect(360, 1680, 8775, 2940);
    QTest::newRow("Cont") << "Cont"
                          << "" << twipsRect(360, 4920, 495, 255);
    QTest::newRow("Label4") << "Label4"
                            << "QSO sélectionné(s) . Cliquez sur un QSO pour le désélctionner."
                            << twipsRect(960, 4920, 5655, 255);
    QTest::newRow("Label5") << "Label5" << picked << twipsRect(360, 5160, 8775, 255);
    QTest::newRow("Liste_Imprime") << "Liste_Imprime"
                                   << "" << twipsRect(360, 5400, 8775, 2940);
    QTest::newRow("Label7") << "Label7"
                            << "Sélectionner" << twipsRect(120, 9000, 1335, 375);
    QTest::newRow("Select_All") << "Select_All"
                                << "Tout " << twipsRect(1320, 8880, 615, 495);
    QTest::newRow("Label6") << "Label6"
                            << "le log ou une" << twipsRect(2040, 9000, 1215, 255);
    QTest::newRow("Select_Part") << "Select_Part"
                                 << "partie" << twipsRect(3240, 8880, 735, 495);
    QTest::newRow("Label8") << "Label8"
                            << "du log" << twipsRect(4080, 9000, 615, 255);
    QTest::newRow("Impression") << "Impression"
                                << "Enregistrer les QSL" << twipsRect(5040, 8880, 2295, 495);
    QTest::newRow("Quitter") << "Quitter"
                             << "Quitter" << twipsRect(7680, 8880, 1095, 495);
    QTest::newRow("Frame1") << "Frame1"
                            << "" << twipsRect(120, 0, 9255, 735);
    QTest::newRow("Frame2") << "Frame2"
                            << "" << twipsRect(120, 720, 9255, 8055);
}

void TestSelectQsoWindow::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, place);
    TestEnvironment env;
    SelectQsoWindow& window = env.program().selectQso();
    QWidget* widget = control<QWidget>(window, qPrintable(name));
    QCOMPARE(widget->geometry(), place);
    QCOMPARE(widget->parentWidget(), &window);
    if (auto* label = qobject_cast<QLabel*>(widget))
        QCOMPARE(label->text(), caption);
    if (auto* button = qobject_cast<QPushButton*>(widget))
        QCOMPARE(button->text(), caption);
    // Controls with a caption are known by it, the others by their name.
    QCOMPARE(widget->accessibleName(), caption.isEmpty() ? name : caption);
}

void TestSelectQsoWindow::look()
{
    TestEnvironment env;
    SelectQsoWindow& window = env.program().selectQso();
    QCOMPARE(window.objectName(), QStringLiteral("Select_QSO"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Sélection des QSO"));
    QVERIFY(window.isWindow());
    QCOMPARE(window.size(), QSize(fromTwips(9495), fromTwips(9465)));
    QCOMPARE(window.font().pointSizeF(), 9.75);

    const QColor lightYellow(255, 255, 192);
    for (const char* name : {"Liste_QSO", "Liste_Imprime"}) {
        auto* list = control<QListView>(window, name);
        QVERIFY(QFontInfo(list->font()).fixedPitch());
        QCOMPARE(list->font().pointSizeF(), 9.0);
        QCOMPARE(list->palette().color(QPalette::Base), lightYellow);
        QVERIFY(list->uniformItemSizes());
        QCOMPARE(list->selectionMode(), QAbstractItemView::SingleSelection);
    }
    for (const char* name : {"Command2", "Select_All", "Select_Part", "Impression", "Quitter"})
        QCOMPARE(control<QPushButton>(window, name)->palette().color(QPalette::Button), lightYellow);

    auto* heading = control<QLabel>(window, "Label2");
    QVERIFY(heading->font().bold());
    QCOMPARE(heading->font().pointSizeF(), 13.5);
    QCOMPARE(heading->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    auto* cont = control<QLabel>(window, "Cont");
    QCOMPARE(cont->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    QVERIFY(cont->text().isEmpty());
}

void TestSelectQsoWindow::captionsFit_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("usableTwips");
    QTest::newRow("Label2") << "Label2" << 9015;
    QTest::newRow("Label3") << "Label3" << 3975;
    QTest::newRow("Label1") << "Label1" << 8775;
    QTest::newRow("Label4") << "Label4" << 5655;
    QTest::newRow("Label5") << "Label5" << 8775;
    // These two run under the button that follows them.
    QTest::newRow("Label7") << "Label7" << 1320 - 120;
    QTest::newRow("Label6") << "Label6" << 3240 - 2040;
    QTest::newRow("Label8") << "Label8" << 615;
}

void TestSelectQsoWindow::captionsFit()
{
    QFETCH(QString, name);
    QFETCH(int, usableTwips);
    TestEnvironment env;
    auto* label = control<QLabel>(env.program().selectQso(), qPrintable(name));
    QVERIFY(QFontMetrics(label->font()).horizontalAdvance(label->text()) <= fromTwips(usableTwips));
    QVERIFY(label->font().pointSizeF() >= 6.0);
}

void TestSelectQsoWindow::pickByClick()
{
    TestEnvironment env;
    SelectQsoWindow& window = freshWindow(env, 5);
    const QString third = window.unpickedLines().at(2);
    clickRow(*control<QListView>(window, "Liste_QSO"), 2);

    QCOMPARE(numbersOf(listLines(*control<QListView>(window, "Liste_QSO"))), (QList<int>{1, 2, 4, 5}));
    QCOMPARE(listLines(*control<QListView>(window, "Liste_Imprime")), QStringList{Corps_Ligne(third)});
    QCOMPARE(window.pickedLines(), QStringList{Corps_Ligne(third)});
    QCOMPARE(control<QLabel>(window, "Cont")->text(), QStringLiteral("1"));
    QVERIFY(control<QListView>(window, "Liste_QSO")->selectionModel()->selectedIndexes().isEmpty());
}

void TestSelectQsoWindow::putBackByClick()
{
    TestEnvironment env;
    SelectQsoWindow& window = freshWindow(env, 5);
    clickRow(*control<QListView>(window, "Liste_QSO"), 2);
    clickRow(*control<QListView>(window, "Liste_Imprime"), 0);

    const QStringList unpicked = listLines(*control<QListView>(window, "Liste_QSO"));
    QCOMPARE(numbersOf(unpicked), (QList<int>{1, 2, 3, 4, 5}));
    QCOMPARE(callsOf(unpicked, true), (QStringList{"C1", "C2", "C4", "C5", "C3"}));
    QVERIFY(window.pickedLines().isEmpty());
    QCOMPARE(control<QLabel>(window, "Cont")->text(), QStringLiteral("0"));
}

void TestSelectQsoWindow::pickAndPutBackByArrowKeys()
{
    TestEnvironment env;
    SelectQsoWindow& window = freshWindow(env, 6);
    auto* unpicked = control<QListView>(window, "Liste_QSO");
    auto* picked = control<QListView>(window, "Liste_Imprime");

    clickRow(*unpicked, 2);                  // C3
    QTest::keyClick(unpicked, Qt::Key_Down); // the line that followed: C4
    QTest::keyClick(unpicked, Qt::Key_Up);   // the line before: C2
    QCOMPARE(callsOf(window.pickedLines(), false), (QStringList{"C3", "C4", "C2"}));
    QCOMPARE(callsOf(window.unpickedLines(), true), (QStringList{"C1", "C5", "C6"}));
    QCOMPARE(control<QLabel>(window, "Cont")->text(), QStringLiteral("3"));

    picked->setFocus();
    clickRow(*picked, 0);                  // C3 back
    QTest::keyClick(picked, Qt::Key_Down); // C4 back
    QCOMPARE(callsOf(window.pickedLines(), false), QStringList{"C2"});
    QCOMPARE(callsOf(window.unpickedLines(), true), (QStringList{"C1", "C5", "C6", "C3", "C4"}));
    QCOMPARE(numbersOf(window.unpickedLines()), (QList<int>{1, 2, 3, 4, 5}));
    QCOMPARE(control<QLabel>(window, "Cont")->text(), QStringLiteral("1"));
}

void TestSelectQsoWindow::pickAll()
{
    TestEnvironment env;
    SelectQsoWindow& window = freshWindow(env, 8);
    auto* unpicked = control<QListView>(window, "Liste_QSO");
    clickRow(*unpicked, 7);
    clickRow(*unpicked, 0);
    clickRow(*unpicked, 1);
    click(window, "Select_All");

    QVERIFY(listLines(*unpicked).isEmpty());
    QCOMPARE(callsOf(window.pickedLines(), false), (QStringList{"C8", "C1", "C3", "C2", "C4", "C5", "C6", "C7"}));
    QCOMPARE(control<QLabel>(window, "Cont")->text(), QStringLiteral("8"));
}

void TestSelectQsoWindow::pickAllWithNothingLeavesTheCount()
{
    TestEnvironment env;
    SelectQsoWindow& window = freshWindow(env, 0);
    click(window, "Select_All");
    QVERIFY(control<QLabel>(window, "Cont")->text().isEmpty());
}

void TestSelectQsoWindow::sortByCall()
{
    TestEnvironment env;
    SelectQsoWindow& window = env.program().selectQso();
    window.appendQsoLines(numberedLines({"K1ABC", "F4AB", "DL1X", "F4ABC", "9A1A", "F4AA"}));
    showActive(window);
    auto* unpicked = control<QListView>(window, "Liste_QSO");
    clickRow(*unpicked, 3); // F4ABC
    clickRow(*unpicked, 1); // F4AB
    clickRow(*unpicked, 0); // K1ABC
    click(window, "Command2");

    QCOMPARE(callsOf(window.unpickedLines(), true), (QStringList{"9A1A", "DL1X", "F4AA"}));
    QCOMPARE(numbersOf(window.unpickedLines()), (QList<int>{1, 2, 3}));
    QCOMPARE(callsOf(window.pickedLines(), false), (QStringList{"F4AB", "F4ABC", "K1ABC"}));
    QCOMPARE(control<QLabel>(window, "Cont")->text(), QStringLiteral("3"));
}

void TestSelectQsoWindow::partOpensTheRangeWindow()
{
    TestEnvironment env;
    SelectQsoWindow& window = freshWindow(env, 3);
    QVERIFY(!window.rangeWindow());
    click(window, "Select_Part");
    QPointer<SelectLogWindow> range = window.rangeWindow();
    QVERIFY(range);
    QVERIFY(range->isVisible());
    QVERIFY(range->isWindow());
    QCOMPARE(range->objectName(), QStringLiteral("Select_Log"));
    QCOMPARE(range->windowModality(), Qt::NonModal);
    QVERIFY(range->testAttribute(Qt::WA_DeleteOnClose));
    // The picking window stays usable meanwhile.
    QVERIFY(window.isEnabled());
    clickRow(*control<QListView>(window, "Liste_QSO"), 0);
    QCOMPARE(window.pickedLines().size(), 1);
    // A second click shows the same window again.
    click(window, "Select_Part");
    QCOMPARE(window.rangeWindow(), range.data());
}

void TestSelectQsoWindow::impressionFollowsItsSteps()
{
    TestEnvironment env;
    RecordingProgram program(env.store, env.dialogs);
    SelectQsoWindow& window = program.selectQso();
    window.appendQsoLines(numberedLines(calls(4)));
    showActive(window);
    clickRow(*control<QListView>(window, "Liste_QSO"), 1);
    clickRow(*control<QListView>(window, "Liste_QSO"), 2);
    const QStringList picked = window.pickedLines();
    QCOMPARE(picked.size(), 2);

    click(window, "Impression");

    // The export window is asked for while the picked list is still whole, after the window was
    // hidden and the flag set; the later lines find it open and have nothing more to ask.
    QCOMPARE(program.exportRequests, 1);
    QCOMPARE(program.pickedWhenAsked, (QList<QStringList>{picked}));
    QVERIFY(program.hiddenWhenAsked);
    QCOMPARE(program.flagWhenAsked, qint16(1));
    QVERIFY(program.existingExportWindow()->isVisible());

    QCOMPARE(env.store.value(Key::LaQsl), std::optional<QString>(picked.at(1)));
    QVERIFY(window.pickedLines().isEmpty());
    QCOMPARE(control<QLabel>(window, "Cont")->text(), QStringLiteral("0"));
    QVERIFY(!window.isVisible());
    QCOMPARE(callsOf(window.unpickedLines(), true), (QStringList{"C1", "C3"}));
}

void TestSelectQsoWindow::impressionWithNothingPicked()
{
    TestEnvironment env;
    RecordingProgram program(env.store, env.dialogs);
    SelectQsoWindow& window = program.selectQso();
    window.appendQsoLines(numberedLines(calls(2)));
    showActive(window);
    click(window, "Impression");
    QCOMPARE(program.exportRequests, 0);
    QVERIFY(window.isVisible());
    QCOMPARE(control<QLabel>(window, "Cont")->text(), QStringLiteral("0"));
    QVERIFY(!env.store.contains(Key::LaQsl));
}

void TestSelectQsoWindow::impressionOpensTheExportWindow()
{
    TestEnvironment env;
    QImage picture(530, 340, QImage::Format_RGB32);
    picture.fill(Qt::white);
    const QString background = env.scratchFolder() + QStringLiteral("/fond.jpg");
    QVERIFY(picture.save(background, "JPG"));
    env.store.write(Key::QslDeFond, background);
    env.start();
    SelectQsoWindow& window = freshWindow(env, 3);
    clickRow(*control<QListView>(window, "Liste_QSO"), 0);
    click(window, "Impression");
    QVERIFY(env.program().existingExportWindow());
    QVERIFY(env.program().existingExportWindow()->isVisible());
    QVERIFY(!window.isVisible());
    QVERIFY(window.pickedLines().isEmpty());
    QCOMPARE(window.unpickedCount(), 2);
    QCOMPARE(env.program().msgQslEnregistrees(), qint16(1));
}

void TestSelectQsoWindow::quitterDiscardsTheLists()
{
    TestEnvironment env;
    QPointer<SelectQsoWindow> window = &freshWindow(env, 3);
    clickRow(*control<QListView>(*window, "Liste_QSO"), 0);
    click(*window, "Select_Part");
    QPointer<SelectLogWindow> range = window->rangeWindow();
    click(*window, "Quitter");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!window);
    QVERIFY(!range);
    QVERIFY(!env.program().existingSelectQso());
    SelectQsoWindow& again = env.program().selectQso();
    QCOMPARE(again.unpickedCount(), 0);
    QVERIFY(again.pickedLines().isEmpty());
}

void TestSelectQsoWindow::fullListStaysUsable()
{
    TestEnvironment env;
    SelectQsoWindow& window = env.program().selectQso();
    QStringList many;
    for (int i = 1; i <= 32767; ++i)
        many.append(Numeroter(i, QStringLiteral("CALL%1").arg(i).leftJustified(14) + QStringLiteral("15/03/24  ")));
    window.appendQsoLines(many);
    window.appendQsoLines(numberedLines({"EXTRA"}));
    QCOMPARE(window.unpickedCount(), 32767);
    QCOMPARE(window.room(), 0);
    showActive(window);

    auto* unpicked = control<QListView>(window, "Liste_QSO");
    clickRow(*unpicked, 32766);
    QCOMPARE(window.pickedLines(), QStringList{Corps_Ligne(many.last())});
    click(window, "Command2");
    QCOMPARE(window.unpickedLines().first().left(11), QStringLiteral("    1  CALL"));
    click(window, "Select_All");
    QCOMPARE(window.pickedLines().size(), 32767);
    auto* cont = control<QLabel>(window, "Cont");
    QCOMPARE(cont->text(), QStringLiteral("32767"));
    QVERIFY(QFontMetrics(cont->font()).horizontalAdvance(cont->text()) <= cont->width());
    clickRow(*control<QListView>(window, "Liste_Imprime"), 32766);
    QCOMPARE(window.unpickedCount(), 1);
}

void TestSelectQsoWindow::linesScrollSidewaysToTheManager()
{
    TestEnvironment env;
    SelectQsoWindow& window = env.program().selectQso();
    window.appendQsoLines(numberedLines({"F4ABC"}));
    const QString longLine = Ligne_QSO(2, {QStringLiteral("F4ABC"), QStringLiteral("15/03/24"), QStringLiteral("14:05"),
                                           QStringLiteral("14 Mhz"), QStringLiteral("SSB"), QStringLiteral("59"),
                                           QStringLiteral("Non"), QStringLiteral("VE3ABC/VE3XY")});
    window.appendQsoLines({longLine});
    showActive(window);
    auto* list = control<QListView>(window, "Liste_QSO");
    const QFontMetrics metrics(list->font());
    // Every line is as wide as the longest, so the view scrolls sideways up to the manager.
    QVERIFY(list->sizeHintForIndex(list->model()->index(0, 0)).width() >= metrics.horizontalAdvance(longLine));
    QVERIFY(list->horizontalScrollBar()->maximum() > 0);
}

QTEST_MAIN(TestSelectQsoWindow)
#include "test_select_qso_window.moc"
