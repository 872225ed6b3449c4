#include "platform/window_geometry.h"
#include "qso_test_lines.h"
#include "selection/select_log_window.h"
#include "selection/select_qso_window.h"
#include "support/test_environment.h"
#include "window_driver.h"

#include <QApplication>
#include <QFrame>
#include <QPointer>
#include <QScreen>

class TestSelectLogWindow : public QObject
{
    Q_OBJECT
private slots:
    void controls_data();
    void controls();
    void look();
    void captionsFit_data();
    void captionsFit();
    void centred();
    void tabOrder();
    void keyFilter_data();
    void keyFilter();
    void enterChecks_data();
    void enterChecks();
    void valider_data();
    void valider();
    void keyboardOnly();
    void closingAppliesNothing();

private:
    struct Opened {
        SelectQsoWindow* picking;
        QPointer<SelectLogWindow> range;
    };
    // The picking window with `lines` lines and its range window open and active.
    Opened open(TestEnvironment& env, int lines);
};

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

} // namespace

TestSelectLogWindow::Opened TestSelectLogWindow::open(TestEnvironment& env, int lines)
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

void TestSelectLogWindow::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("place");

    QTest::newRow("Label5") << "Label5"
                            << "Sélection du log" << twipsRect(240, 240, 3615, 255);
    QTest::newRow("Label2") << "Label2"
                            << "Sélectionnez le log" << twipsRect(1200, 960, 1935, 375);
    QTest::newRow("Label3") << "Label3"
                            << "Du numéro" << twipsRect(360, 1320, 1095, 375);
    QTest::newRow("Deb") << "Deb"
                         << "" << twipsRect(1440, 1320, 495, 285);
    QTest::newRow("Label4") << "Label4"
                            << "au numéro" << twipsRect(2040, 1320, 1095, 375);
    QTest::newRow("Fin") << "Fin"
                         << "" << twipsRect(3120, 1320, 495, 285);
    QTest::newRow("Valider") << "Valider"
                             << "Valider" << twipsRect(1560, 1800, 975, 255);
    QTest::newRow("Frame1") << "Frame1"
                            << "" << twipsRect(120, 0, 3855, 615);
    QTest::newRow("Frame2") << "Frame2"
                            << "" << twipsRect(120, 720, 3855, 1575);
}

void TestSelectLogWindow::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, place);
    TestEnvironment env;
    const Opened opened = open(env, 3);
    QWidget* widget = control<QWidget>(*opened.range, qPrintable(name));
    QCOMPARE(widget->geometry(), place);
    if (auto* label = qobject_cast<QLabel*>(widget))
        QCOMPARE(label->text(), caption);
    if (auto* button = qobject_cast<QPushButton*>(widget))
        QCOMPARE(button->text(), caption);
    if (auto* box = qobject_cast<QLineEdit*>(widget)) {
        QVERIFY(box->text().isEmpty());
        QCOMPARE(box->palette().color(QPalette::Base), QColor(255, 255, 192));
        QCOMPARE(box->maxLength(), 32767); // no limit of its own
    }
    QCOMPARE(widget->accessibleName(), caption.isEmpty() ? name : caption);
}

void TestSelectLogWindow::look()
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

    QCOMPARE(QApplication::focusWidget(), control<QWidget>(range, "Deb"));
}

void TestSelectLogWindow::captionsFit_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("usableTwips");
    QTest::newRow("Label5") << "Label5" << 3615;
    QTest::newRow("Label2") << "Label2" << 1935;
    // These two run under the box that follows them.
    QTest::newRow("Label3") << "Label3" << 1440 - 360;
    QTest::newRow("Label4") << "Label4" << 3120 - 2040;
}

void TestSelectLogWindow::captionsFit()
{
    QFETCH(QString, name);
    QFETCH(int, usableTwips);
    TestEnvironment env;
    const Opened opened = open(env, 3);
    auto* label = control<QLabel>(*opened.range, qPrintable(name));
    QVERIFY(QFontMetrics(label->font()).horizontalAdvance(label->text()) <= fromTwips(usableTwips));
}

void TestSelectLogWindow::centred()
{
    // Both windows centre themselves when they load, before they are first shown:
    // (screen - window) / 2, remainders dropped.
    TestEnvironment env;
    SelectQsoWindow& picking = env.program().selectQso();
    SelectLogWindow range(env.program(), picking);
    for (const QWidget* window : {static_cast<const QWidget*>(&picking), static_cast<const QWidget*>(&range)}) {
        QVERIFY(!window->isVisible());
        const QRect screen = window->screen()->geometry();
        QCOMPARE(window->frameGeometry().topLeft(), QPoint((screen.width() - window->frameGeometry().width()) / 2,
                                                           (screen.height() - window->frameGeometry().height()) / 2));
    }
}

void TestSelectLogWindow::tabOrder()
{
    TestEnvironment env;
    const Opened opened = open(env, 3);
    auto* deb = control<QLineEdit>(*opened.range, "Deb");
    deb->setFocus();
    QTest::keyClick(deb, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), control<QWidget>(*opened.range, "Fin"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), control<QWidget>(*opened.range, "Valider"));
}

void TestSelectLogWindow::keyFilter_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("after");
    QTest::addColumn<bool>("refused");

    for (const QString& box : {QStringLiteral("Deb"), QStringLiteral("Fin")}) {
        const auto row = [&](const char* what) -> QTestData& {
            return QTest::newRow(qPrintable(box + QLatin1Char(' ') + QString::fromLatin1(what)));
        };
        row("digit") << box << int(Qt::Key_7) << "7"
                     << "127" << false;
        row("zero") << box << int(Qt::Key_0) << "0"
                    << "120" << false;
        row("backspace") << box << int(Qt::Key_Backspace) << "\b"
                         << "1" << false;
        row("letter") << box << int(Qt::Key_A) << "a"
                      << "12" << true;
        row("blank") << box << int(Qt::Key_Space) << " "
                     << "12" << true;
        row("minus") << box << int(Qt::Key_Minus) << "-"
                     << "12" << true;
        row("comma") << box << int(Qt::Key_Comma) << ","
                     << "12" << true;
        row("escape") << box << int(Qt::Key_Escape) << "\x1b"
                      << "12" << true;
        row("tab character") << box << int(Qt::Key_unknown) << "\t"
                             << "12" << true;
        row("other digit") << box << int(Qt::Key_unknown) << QString(QChar(0x0663)) << "12" << true;
        row("left arrow") << box << int(Qt::Key_Left) << ""
                          << "12" << false;
        row("delete") << box << int(Qt::Key_Delete) << "\x7f"
                      << "12" << false;
    }
}

void TestSelectLogWindow::keyFilter()
{
    QFETCH(QString, box);
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(QString, after);
    QFETCH(bool, refused);
    TestEnvironment env;
    const Opened opened = open(env, 30);
    auto* edit = control<QLineEdit>(*opened.range, qPrintable(box));
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

void TestSelectLogWindow::enterChecks_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");

    // With 10 lines in Liste_QSO.
    QTest::newRow("Deb empty") << ""
                               << ""
                               << "Deb" << kStartMissing << "Deb";
    QTest::newRow("Deb 10") << "10"
                            << ""
                            << "Deb" << kStartTooLarge << "Deb";
    QTest::newRow("Deb 4") << "4"
                           << ""
                           << "Deb"
                           << ""
                           << "Fin";
    QTest::newRow("Deb 9") << "9"
                           << ""
                           << "Deb"
                           << ""
                           << "Fin";
    QTest::newRow("Deb 0") << "0"
                           << ""
                           << "Deb"
                           << ""
                           << "Fin";
    QTest::newRow("Fin empty") << "4"
                               << ""
                               << "Fin" << kEndMissing << "Fin";
    QTest::newRow("Fin 10") << "4"
                            << "10"
                            << "Fin" << kEndTooLarge << "Fin";
    QTest::newRow("Fin 9") << "4"
                           << "9"
                           << "Fin"
                           << ""
                           << "Valider";
    QTest::newRow("Fin equal to Deb") << "4"
                                      << "4"
                                      << "Fin"
                                      << ""
                                      << "Valider";
    QTest::newRow("Deb 5, Fin 3") << "5"
                                  << "3"
                                  << "Fin" << kEndBelowStart << "Fin";
    QTest::newRow("Fin with Deb empty") << ""
                                        << "3"
                                        << "Fin"
                                        << ""
                                        << "Valider";
}

void TestSelectLogWindow::enterChecks()
{
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QString, box);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    TestEnvironment env;
    const Opened opened = open(env, 10);
    auto* deb = control<QLineEdit>(*opened.range, "Deb");
    auto* fin = control<QLineEdit>(*opened.range, "Fin");
    deb->setText(start);
    fin->setText(end);
    auto* pressed = control<QLineEdit>(*opened.range, qPrintable(box));
    pressed->setFocus();
    QTest::keyClick(pressed, Qt::Key_Return);

    QCOMPARE(env.dialogs.messages(), message.isEmpty() ? QStringList{} : QStringList{message});
    QCOMPARE(QApplication::focusWidget(), control<QWidget>(*opened.range, qPrintable(focus)));
    // Enter inserts nothing and applies nothing.
    QCOMPARE(deb->text(), start);
    QCOMPARE(fin->text(), end);
    QCOMPARE(opened.picking->unpickedCount(), 10);
    QVERIFY(opened.range);
}

void TestSelectLogWindow::valider_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QList<int>>("left");
    QTest::addColumn<QStringList>("moved");

    const QList<int> all = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    QTest::newRow("3 to 5") << "3"
                            << "5"
                            << ""
                            << "" << QList<int>{1, 2, 6, 7, 8, 9, 10} << QStringList{"C3", "C4", "C5"};
    QTest::newRow("4 to 9") << "4"
                            << "9"
                            << ""
                            << "" << QList<int>{1, 2, 3, 10} << QStringList{"C4", "C5", "C6", "C7", "C8", "C9"};
    QTest::newRow("one line") << "1"
                              << "1"
                              << ""
                              << "" << QList<int>{2, 3, 4, 5, 6, 7, 8, 9, 10} << QStringList{"C1"};
    QTest::newRow("nothing typed") << ""
                                   << "" << kStartMissing << "Deb" << all << QStringList{};
    QTest::newRow("start 0") << "0"
                             << "3" << kStartZero << "Deb" << all << QStringList{};
    QTest::newRow("start 10") << "10"
                              << "10" << kStartTooLarge << "Deb" << all << QStringList{};
    QTest::newRow("end empty") << "3"
                               << "" << kEndMissing << "Fin" << all << QStringList{};
    QTest::newRow("end below start") << "5"
                                     << "3" << kEndBelowStart << "Fin" << all << QStringList{};
    QTest::newRow("end past the list") << "3"
                                       << "25" << kEndTooLarge << "Fin" << all << QStringList{};
    QTest::newRow("pasted text") << "abc"
                                 << "xyz" << kStartZero << "Deb" << all << QStringList{};
    QTest::newRow("pasted number and text") << "2x"
                                            << "3y"
                                            << ""
                                            << "" << QList<int>{1, 4, 5, 6, 7, 8, 9, 10} << QStringList{"C2", "C3"};
}

void TestSelectLogWindow::valider()
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
    clickRow(*control<QListView>(picking, "Liste_QSO"), 10); // C11 picked first
    QCOMPARE(numbersOf(picking.unpickedLines()), (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    env.dialogs.clear();

    control<QLineEdit>(*opened.range, "Deb")->setText(start);
    control<QLineEdit>(*opened.range, "Fin")->setText(end);
    click(*opened.range, "Valider");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QCOMPARE(numbersOf(picking.unpickedLines()), left);
    QCOMPARE(callsOf(picking.pickedLines(), false), QStringList{"C11"} + moved);
    if (message.isEmpty()) {
        QVERIFY(env.dialogs.messages().isEmpty());
        QVERIFY(!opened.range); // closed and gone
        QCOMPARE(control<QLabel>(picking, "Cont")->text(), QString::number(1 + moved.size()));
    } else {
        QCOMPARE(env.dialogs.messages(), QStringList{message});
        QVERIFY(opened.range);
        QCOMPARE(QApplication::focusWidget(), control<QWidget>(*opened.range, qPrintable(focus)));
        QCOMPARE(control<QLineEdit>(*opened.range, "Deb")->text(), start);
        QCOMPARE(control<QLabel>(picking, "Cont")->text(), QStringLiteral("1"));
    }
}

void TestSelectLogWindow::keyboardOnly()
{
    TestEnvironment env;
    const Opened opened = open(env, 10);
    QWidget* deb = control<QWidget>(*opened.range, "Deb");
    QTest::keyClicks(deb, QStringLiteral("3"));
    QTest::keyClick(deb, Qt::Key_Return);
    QWidget* fin = QApplication::focusWidget();
    QCOMPARE(fin, control<QWidget>(*opened.range, "Fin"));
    QTest::keyClicks(fin, QStringLiteral("5"));
    QTest::keyClick(fin, Qt::Key_Enter);
    QCOMPARE(QApplication::focusWidget(), control<QWidget>(*opened.range, "Valider"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QVERIFY(!opened.range);
    QVERIFY(env.dialogs.messages().isEmpty());
    QCOMPARE(numbersOf(opened.picking->unpickedLines()), (QList<int>{1, 2, 6, 7, 8, 9, 10}));
    QCOMPARE(callsOf(opened.picking->pickedLines(), false), (QStringList{"C3", "C4", "C5"}));
    QCOMPARE(control<QLabel>(*opened.picking, "Cont")->text(), QStringLiteral("3"));
}

void TestSelectLogWindow::closingAppliesNothing()
{
    TestEnvironment env;
    const Opened opened = open(env, 10);
    control<QLineEdit>(*opened.range, "Deb")->setText(QStringLiteral("2"));
    control<QLineEdit>(*opened.range, "Fin")->setText(QStringLiteral("4"));
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

QTEST_MAIN(TestSelectLogWindow)
#include "test_select_log_window.moc"
