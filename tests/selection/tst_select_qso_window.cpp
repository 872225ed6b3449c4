#include "card/qsl_x_window.h"
#include "platform/window_geometry.h"
#include "qso_test_lines.h"
#include "selection/select_log_window.h"
#include "selection/select_qso_window.h"
#include "settings/settings_keys.h"
#include "support/test_environment.h"
#include "support/window_checks.h"
#include "window_driver.h"

#include <QFontInfo>
#include <QImage>
#include <QPointer>
#include <QScrollBar>

namespace
{

// The picking window of `program` holding `lines`, shown and active.
SelectQsoWindow& shownWith(RunningProgram& program, const QStringList& lines)
{
    SelectQsoWindow& window = program.selectQso();
    window.appendQsoLines(lines);
    showActive(window);
    return window;
}

} // namespace

class TestSelectQsoWindow : public QObject
{
    Q_OBJECT
private slots:
    void controls()
    {
        TestEnvironment env;
        SelectQsoWindow& window = env.program().selectQso();
        QCOMPARE(controlFault(window), QString());
        QCOMPARE(captionFault(window, {{"Label2", "Sélection des QSO"},
                                       {"Label3", "Cliquez sur un QSO pour le sélectionner "},
                                       {"Command2", "Tri par call"},
                                       {"Label1", numberedHeader()},
                                       {"Cont", ""},
                                       {"Label4", "QSO sélectionné(s) . Cliquez sur un QSO pour le désélctionner."},
                                       {"Label5", pickedHeader()},
                                       {"Label7", "Sélectionner"},
                                       {"Select_All", "Tout "},
                                       {"Label6", "le log ou une"},
                                       {"Select_Part", "partie"},
                                       {"Label8", "du log"},
                                       {"Impression", "Enregistrer les QSL"},
                                       {"Quitter", "Quitter"}}),
                 QString());
    }

    void look()
    {
        TestEnvironment env;
        SelectQsoWindow& window = env.program().selectQso();
        QCOMPARE(window.objectName(), QStringLiteral("Select_QSO"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Sélection des QSO"));
        QVERIFY(window.isWindow());
        QCOMPARE(window.size(), QSize(fromTwips(9495), fromTwips(9465)));
        QCOMPARE(window.font().pointSizeF(), 9.75);

        const QColor lightYellow(255, 255, 192);
        for (QListView* list : {&unpickedList(window), &pickedList(window)}) {
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
        QCOMPARE(control<QLabel>(window, "Cont")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    }

    void pickAndPutBackByClick()
    {
        TestEnvironment env;
        SelectQsoWindow& window = shownWith(env.program(), numberedLines(calls(5)));
        const QString third = window.unpickedLines().at(2);
        clickRow(unpickedList(window), 2);
        // The picked line leaves a gap in the numbers and loses its number column.
        QCOMPARE(numbersOf(listLines(unpickedList(window))), (QList<int>{1, 2, 4, 5}));
        QCOMPARE(listLines(pickedList(window)), QStringList{Corps_Ligne(third)});
        QCOMPARE(window.pickedLines(), QStringList{Corps_Ligne(third)});
        QCOMPARE(shownCount(window), QStringLiteral("1"));
        QVERIFY(unpickedList(window).selectionModel()->selectedIndexes().isEmpty());

        // Put back at the end, and every line numbered again from 1.
        clickRow(pickedList(window), 0);
        const QStringList unpicked = listLines(unpickedList(window));
        QCOMPARE(numbersOf(unpicked), (QList<int>{1, 2, 3, 4, 5}));
        QCOMPARE(callsOf(unpicked, true), (QStringList{"C1", "C2", "C4", "C5", "C3"}));
        QCOMPARE(unpicked.at(4), Numeroter(5, Corps_Ligne(third)));
        QVERIFY(window.pickedLines().isEmpty());
        QCOMPARE(shownCount(window), QStringLiteral("0"));
    }

    void pickAndPutBackByArrowKeys()
    {
        TestEnvironment env;
        SelectQsoWindow& window = shownWith(env.program(), numberedLines(calls(6)));
        QListView& unpicked = unpickedList(window);
        QListView& picked = pickedList(window);

        clickRow(unpicked, 2);                    // C3
        QTest::keyClick(&unpicked, Qt::Key_Down); // the line that followed: C4
        QTest::keyClick(&unpicked, Qt::Key_Up);   // the line before: C2
        QCOMPARE(callsOf(window.pickedLines(), false), (QStringList{"C3", "C4", "C2"}));
        QCOMPARE(callsOf(window.unpickedLines(), true), (QStringList{"C1", "C5", "C6"}));
        QCOMPARE(shownCount(window), QStringLiteral("3"));

        picked.setFocus();
        clickRow(picked, 0);                    // C3 back
        QTest::keyClick(&picked, Qt::Key_Down); // C4 back
        QCOMPARE(callsOf(window.pickedLines(), false), QStringList{"C2"});
        QCOMPARE(callsOf(window.unpickedLines(), true), (QStringList{"C1", "C5", "C6", "C3", "C4"}));
        QCOMPARE(numbersOf(window.unpickedLines()), (QList<int>{1, 2, 3, 4, 5}));
        QCOMPARE(shownCount(window), QStringLiteral("1"));
    }

    void pickAll()
    {
        TestEnvironment env;
        SelectQsoWindow& window = shownWith(env.program(), {});
        click(window, "Select_All"); // nothing to pick: the count stays blank
        QVERIFY(shownCount(window).isEmpty());

        window.appendQsoLines(numberedLines(calls(8)));
        clickRow(unpickedList(window), 7);
        clickRow(unpickedList(window), 0);
        clickRow(unpickedList(window), 1);
        click(window, "Select_All");
        QVERIFY(listLines(unpickedList(window)).isEmpty());
        QCOMPARE(callsOf(window.pickedLines(), false), (QStringList{"C8", "C1", "C3", "C2", "C4", "C5", "C6", "C7"}));
        QCOMPARE(shownCount(window), QStringLiteral("8"));
    }

    void sortByCall()
    {
        TestEnvironment env;
        // The same callsign on 15/01/24 then on 01/06/24: sorted as text, 01/06/24 comes first.
        SelectQsoWindow& window =
            shownWith(env.program(), numberedLines({"K1ABC", "F4AB", "DL1X", "F4ABC", "9A1A", "F4AA"}) +
                                         numberedLines({"K1A"}, "15/01/24", 7) + numberedLines({"K1A"}, "01/06/24", 8));
        clickRow(unpickedList(window), 3); // F4ABC
        clickRow(unpickedList(window), 1); // F4AB
        clickRow(unpickedList(window), 0); // K1ABC
        click(window, "Command2");

        const QStringList unpicked = window.unpickedLines();
        QCOMPARE(callsOf(unpicked, true), (QStringList{"9A1A", "DL1X", "F4AA", "K1A", "K1A"}));
        QCOMPARE(numbersOf(unpicked), (QList<int>{1, 2, 3, 4, 5}));
        QCOMPARE(unpicked.at(3).mid(21, 8), QStringLiteral("01/06/24"));
        QCOMPARE(unpicked.at(4).mid(21, 8), QStringLiteral("15/01/24"));
        QCOMPARE(callsOf(window.pickedLines(), false), (QStringList{"F4AB", "F4ABC", "K1ABC"}));
        QCOMPARE(shownCount(window), QStringLiteral("3"));
    }

    void partOpensTheRangeWindow()
    {
        TestEnvironment env;
        SelectQsoWindow& window = shownWith(env.program(), numberedLines(calls(3)));
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
        clickRow(unpickedList(window), 0);
        QCOMPARE(window.pickedLines().size(), 1);
        // A second click shows the same window again.
        click(window, "Select_Part");
        QCOMPARE(window.rangeWindow(), range.data());
    }

    void impressionOpensTheExportWindow()
    {
        TestEnvironment env;
        QImage picture(530, 340, QImage::Format_RGB32);
        picture.fill(Qt::white);
        const QString background = env.scratchFolder() + QStringLiteral("/fond.jpg");
        QVERIFY(picture.save(background, "JPG"));
        env.store.write(Key::QslDeFond, background);
        env.start();
        SelectQsoWindow& window = shownWith(env.program(), numberedLines(calls(3)));
        clickRow(unpickedList(window), 0);
        click(window, "Impression");
        QVERIFY(env.program().existingExportWindow());
        QVERIFY(env.program().existingExportWindow()->isVisible());
        QVERIFY(!window.isVisible());
        QVERIFY(window.pickedLines().isEmpty());
        QCOMPARE(window.unpickedCount(), 2);
        QCOMPARE(env.program().msgQslEnregistrees(), qint16(1));
    }

    void quitterDiscardsTheLists()
    {
        TestEnvironment env;
        QPointer<SelectQsoWindow> window = &shownWith(env.program(), numberedLines(calls(3)));
        clickRow(unpickedList(*window), 0);
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

    void fullListStaysUsable()
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

        clickRow(unpickedList(window), 32766);
        QCOMPARE(window.pickedLines(), QStringList{Corps_Ligne(many.last())});
        click(window, "Command2");
        QCOMPARE(window.unpickedLines().first().left(11), QStringLiteral("    1  CALL"));
        click(window, "Select_All");
        QCOMPARE(window.pickedLines().size(), 32767);
        auto* cont = control<QLabel>(window, "Cont");
        QCOMPARE(cont->text(), QStringLiteral("32767"));
        QVERIFY(QFontMetrics(cont->font()).horizontalAdvance(cont->text()) <= cont->width());
        clickRow(pickedList(window), 32766);
        QCOMPARE(window.unpickedCount(), 1);
    }

    void linesScrollSidewaysToTheManager()
    {
        TestEnvironment env;
        const QString longLine =
            Ligne_QSO(2, {"F4ABC", "15/03/24", "14:05", "14 Mhz", "SSB", "59", "Non", "VE3ABC/VE3XY"});
        SelectQsoWindow& window = shownWith(env.program(), numberedLines({"F4ABC"}) + QStringList{longLine});
        QListView& list = unpickedList(window);
        // Every line is as wide as the longest, so the view scrolls sideways up to the manager.
        QVERIFY(list.sizeHintForIndex(list.model()->index(0, 0)).width() >=
                QFontMetrics(list.font()).horizontalAdvance(longLine));
        QVERIFY(list.horizontalScrollBar()->maximum() > 0);
    }
};

QTEST_MAIN(TestSelectQsoWindow)
#include "tst_select_qso_window.moc"
