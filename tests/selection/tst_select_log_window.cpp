#include "platform/window_geometry.h"
#include "qso_test_lines.h"
#include "selection/select_log_window.h"
#include "selection/select_qso_window.h"
#include "support/data_rows.h"
#include "support/test_environment.h"
#include "support/window_checks.h"
#include "window_driver.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>

namespace
{

const QString kOnlyNumbers = QStringLiteral("Que des nombres");
const QString kStartMissing = QStringLiteral("Entrez le N° de début de sélection");
const QString kStartTooLarge = QStringLiteral("    Attention le N° de début ne peut pas être \r\n"
                                              "plus grand ou égale au N° de la dernière ligne");
const QString kEndMissing = QStringLiteral("Entrez le N° de fin de sélection");
const QString kEndBelowStart = QStringLiteral("Attention le N° de fin est inférieur au N° de début");
const QString kEndTooLarge =
    QStringLiteral("Attention le N° de fin ne peut pas être\r\n   inférieur au N° de la dernière ligne");
const QString kStartZero = QStringLiteral("Attention le N° de début doit être au moins 1");

// The picking window with `lines` lines, and its range window open and active.
struct Opened {
    SelectQsoWindow* picking;
    QPointer<SelectLogWindow> range;

    QLineEdit* box(const char* name) const { return control<QLineEdit>(*range, name); }
    QWidget* widget(const QString& name) const { return control<QWidget>(*range, qPrintable(name)); }
};

Opened open(TestEnvironment& env, int lines)
{
    SelectQsoWindow& picking = env.program().selectQso();
    picking.appendQsoLines(numberedLines(calls(lines)));
    picking.show();
    click(picking, "Select_Part");
    SelectLogWindow* range = picking.rangeWindow();
    if (!range)
        qFatal("no range window");
    showActive(*range);
    return {&picking, range};
}

} // namespace

class TestSelectLogWindow : public QObject
{
    Q_OBJECT
private slots:
    void controls()
    {
        TestEnvironment env;
        const Opened opened = open(env, 3);
        QCOMPARE(controlFault(*opened.range), QString());
        QCOMPARE(captionFault(*opened.range, {{"Label5", "Sélection du log"},
                                              {"Label2", "Sélectionnez le log"},
                                              {"Label3", "Du numéro"},
                                              {"Label4", "au numéro"},
                                              {"Valider", "Valider"}}),
                 QString());
        for (const char* name : {"Deb", "Fin"}) {
            QLineEdit* box = opened.box(name);
            QVERIFY(box->text().isEmpty());
            QCOMPARE(box->palette().color(QPalette::Base), QColor(255, 255, 192));
            QCOMPARE(box->maxLength(), 32767); // no limit of its own
        }
    }

    void lookAndTabOrder()
    {
        TestEnvironment env;
        const Opened opened = open(env, 3);
        SelectLogWindow& range = *opened.range;
        QCOMPARE(range.windowTitle(), QStringLiteral("Selection du log"));
        QVERIFY(range.isWindow());
        QCOMPARE(range.windowModality(), Qt::NonModal);
        QCOMPARE(range.size(), QSize(fromTwips(4080), fromTwips(2400)));
        auto* heading = control<QLabel>(range, "Label5");
        QVERIFY(heading->font().bold());
        QCOMPARE(heading->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        // The focus starts in Deb; Tab goes on to Fin, then Valider.
        QCOMPARE(QApplication::focusWidget(), opened.box("Deb"));
        QTest::keyClick(opened.box("Deb"), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), opened.box("Fin"));
        QTest::keyClick(opened.box("Fin"), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), opened.widget("Valider"));
    }

    void centred()
    {
        // Both windows centre themselves when they load, before they are first shown:
        // (screen - window) / 2, remainders dropped.
        TestEnvironment env;
        SelectQsoWindow& picking = env.program().selectQso();
        SelectLogWindow range(env.program(), picking);
        for (const QWidget* window : std::initializer_list<const QWidget*>{&picking, &range}) {
            QVERIFY(!window->isVisible());
            const QRect screen = window->screen()->geometry();
            const QRect frame = window->frameGeometry();
            QCOMPARE(frame.topLeft(),
                     QPoint((screen.width() - frame.width()) / 2, (screen.height() - frame.height()) / 2));
        }
    }

    void keyFilter_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("refused");

        // Each box holds "12" with the cursor at its end.
        for (const QString box : {"Deb", "Fin"}) {
            const auto row = [&](const char* what, Qt::Key key, const QString& text, const char* after, bool refused) {
                QTest::newRow(qPrintable(box + QLatin1Char(' ') + QLatin1String(what)))
                    << box << int(key) << text << QString::fromLatin1(after) << refused;
            };
            row("digit", Qt::Key_7, "7", "127", false);
            row("zero", Qt::Key_0, "0", "120", false);
            row("backspace", Qt::Key_Backspace, "\b", "1", false);
            row("letter", Qt::Key_A, "a", "12", true);
            row("blank", Qt::Key_Space, " ", "12", true);
            row("minus", Qt::Key_Minus, "-", "12", true);
            row("comma", Qt::Key_Comma, ",", "12", true);
            row("escape", Qt::Key_Escape, "\x1b", "12", true);
            row("tab character", Qt::Key_unknown, "\t", "12", true);
            row("other digit", Qt::Key_unknown, QString(QChar(0x0663)), "12", true);
            row("left arrow", Qt::Key_Left, "", "12", false);
            row("delete", Qt::Key_Delete, "\x7f", "12", false);
        }
    }

    void keyFilter()
    {
        QFETCH(QString, box);
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(QString, after);
        QFETCH(bool, refused);
        TestEnvironment env;
        QLineEdit* edit = open(env, 30).box(qPrintable(box));
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("12"));
        QCOMPARE(edit->text(), QStringLiteral("12"));

        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(edit, &press);
        if (key == Qt::Key_Delete || key == Qt::Key_Left) // nothing after the cursor to delete
            QCOMPARE(edit->cursorPosition(), key == Qt::Key_Left ? 1 : 2);
        QCOMPARE(edit->text(), after);
        QCOMPARE(env.dialogs.messages(), refused ? QStringList{kOnlyNumbers} : QStringList{});
        QCOMPARE(QApplication::focusWidget(), edit);
    }

    void enterChecks_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");

        // Enter in box "box", with 10 lines in Liste_QSO.
        addRow("Deb empty", "", "", "Deb", kStartMissing, "Deb");
        addRow("Deb 10", "10", "", "Deb", kStartTooLarge, "Deb");
        addRow("Deb 4", "4", "", "Deb", "", "Fin");
        addRow("Deb 9", "9", "", "Deb", "", "Fin");
        addRow("Deb 0", "0", "", "Deb", "", "Fin");
        addRow("Fin empty", "4", "", "Fin", kEndMissing, "Fin");
        addRow("Fin 10", "4", "10", "Fin", kEndTooLarge, "Fin");
        addRow("Fin 9", "4", "9", "Fin", "", "Valider");
        addRow("Fin equal to Deb", "4", "4", "Fin", "", "Valider");
        addRow("Deb 5, Fin 3", "5", "3", "Fin", kEndBelowStart, "Fin");
        addRow("Fin below a Deb past the list", "12", "3", "Fin", kEndBelowStart, "Fin");
        addRow("Fin with Deb empty", "", "3", "Fin", "", "Valider");
    }

    void enterChecks()
    {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, box);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        TestEnvironment env;
        const Opened opened = open(env, 10);
        opened.box("Deb")->setText(start);
        opened.box("Fin")->setText(end);
        QLineEdit* pressed = opened.box(qPrintable(box));
        pressed->setFocus();
        QTest::keyClick(pressed, Qt::Key_Return);

        QCOMPARE(env.dialogs.messages(), message.isEmpty() ? QStringList{} : QStringList{message});
        QCOMPARE(QApplication::focusWidget(), opened.widget(focus));
        // Enter inserts nothing and applies nothing.
        QCOMPARE(opened.box("Deb")->text(), start);
        QCOMPARE(opened.box("Fin")->text(), end);
        QCOMPARE(opened.picking->unpickedCount(), 10);
        QVERIFY(opened.range);
    }

    void valider_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QList<int>>("left");
        QTest::addColumn<QStringList>("moved");

        // With 10 lines in Liste_QSO.
        const QList<int> all = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
        const QStringList none;
        addRow("3 to 5", "3", "5", "", "", QList<int>{1, 2, 6, 7, 8, 9, 10}, QStringList{"C3", "C4", "C5"});
        addRow("4 to 9", "4", "9", "", "", QList<int>{1, 2, 3, 10}, QStringList{"C4", "C5", "C6", "C7", "C8", "C9"});
        addRow("one line", "1", "1", "", "", QList<int>{2, 3, 4, 5, 6, 7, 8, 9, 10}, QStringList{"C1"});
        addRow("nothing typed", "", "", kStartMissing, "Deb", all, none);
        addRow("start 0", "0", "3", kStartZero, "Deb", all, none);
        addRow("start 10", "10", "10", kStartTooLarge, "Deb", all, none);
        addRow("end empty", "3", "", kEndMissing, "Fin", all, none);
        addRow("end below start", "5", "3", kEndBelowStart, "Fin", all, none);
        addRow("end 10", "3", "10", kEndTooLarge, "Fin", all, none);
        addRow("end past the list", "3", "25", kEndTooLarge, "Fin", all, none);
        addRow("pasted text", "abc", "xyz", kStartZero, "Deb", all, none);
        addRow("pasted number and text", "2x", "3y", "", "", QList<int>{1, 4, 5, 6, 7, 8, 9, 10},
               QStringList{"C2", "C3"});
    }

    void valider()
    {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        QFETCH(QList<int>, left);
        QFETCH(QStringList, moved);
        TestEnvironment env;
        const Opened opened = open(env, 11);
        SelectQsoWindow& picking = *opened.picking;
        clickRow(unpickedList(picking), 10); // C11 picked first
        QCOMPARE(numbersOf(picking.unpickedLines()), (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
        env.dialogs.clear();

        opened.box("Deb")->setText(start);
        opened.box("Fin")->setText(end);
        click(*opened.range, "Valider");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        QCOMPARE(numbersOf(picking.unpickedLines()), left);
        QCOMPARE(callsOf(picking.pickedLines(), false), QStringList{"C11"} + moved);
        QCOMPARE(shownCount(picking), QString::number(1 + moved.size()));
        if (message.isEmpty()) {
            QVERIFY(env.dialogs.messages().isEmpty());
            QVERIFY(!opened.range); // closed and gone
        } else {
            QCOMPARE(env.dialogs.messages(), QStringList{message});
            QVERIFY(opened.range);
            QCOMPARE(QApplication::focusWidget(), opened.widget(focus));
            QCOMPARE(opened.box("Deb")->text(), start);
        }
    }

    void keyboardOnly()
    {
        TestEnvironment env;
        const Opened opened = open(env, 10);
        QTest::keyClicks(opened.box("Deb"), QStringLiteral("3"));
        QTest::keyClick(opened.box("Deb"), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), opened.box("Fin"));
        QTest::keyClicks(opened.box("Fin"), QStringLiteral("5"));
        QTest::keyClick(opened.box("Fin"), Qt::Key_Enter);
        QCOMPARE(QApplication::focusWidget(), opened.widget("Valider"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        QVERIFY(!opened.range);
        QVERIFY(env.dialogs.messages().isEmpty());
        QCOMPARE(numbersOf(opened.picking->unpickedLines()), (QList<int>{1, 2, 6, 7, 8, 9, 10}));
        QCOMPARE(callsOf(opened.picking->pickedLines(), false), (QStringList{"C3", "C4", "C5"}));
        QCOMPARE(shownCount(*opened.picking), QStringLiteral("3"));
    }

    void closingAppliesNothing()
    {
        TestEnvironment env;
        const Opened opened = open(env, 10);
        opened.box("Deb")->setText(QStringLiteral("2"));
        opened.box("Fin")->setText(QStringLiteral("4"));
        opened.range->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!opened.range);
        QCOMPARE(opened.picking->unpickedCount(), 10);
        QVERIFY(opened.picking->pickedLines().isEmpty());
        // The next "partie" opens a new window with empty boxes.
        click(*opened.picking, "Select_Part");
        QVERIFY(opened.picking->rangeWindow());
        QVERIFY(control<QLineEdit>(*opened.picking->rangeWindow(), "Deb")->text().isEmpty());
    }
};

QTEST_MAIN(TestSelectLogWindow)
#include "tst_select_log_window.moc"
