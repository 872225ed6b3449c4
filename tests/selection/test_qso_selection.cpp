#include "qso_test_lines.h"
#include "selection/callsign_order.h"
#include "selection/qso_selection.h"
#include "selection/range_checks.h"

#include <QTest>

class TestQsoSelection : public QObject
{
    Q_OBJECT
private slots:
    void pickLeavesAGap();
    void putBackRenumbers();
    void pickAllAppendsInOrder();
    void pickRangeKeepsNumbers_data();
    void pickRangeKeepsNumbers();
    void sortsBothLists();
    void order_data();
    void order();
    void sortIsStable();
    void room();
    void leadingNumber_data();
    void leadingNumber();
    void enterChecks_data();
    void enterChecks();
    void validerChecks_data();
    void validerChecks();
};

namespace
{

void load(QsoSelection& selection, int count)
{
    selection.unpicked().append(numberedLines(calls(count)));
}

} // namespace

void TestQsoSelection::pickLeavesAGap()
{
    QsoSelection selection;
    load(selection, 5);
    const QString third = selection.unpicked().at(2);
    selection.pick(2);
    QCOMPARE(numbersOf(selection.unpicked().lines()), (QList<int>{1, 2, 4, 5}));
    QCOMPARE(selection.picked().lines(), QStringList{Corps_Ligne(third)});
}

void TestQsoSelection::putBackRenumbers()
{
    QsoSelection selection;
    load(selection, 5);
    selection.pick(2);
    selection.putBack(0);
    QCOMPARE(numbersOf(selection.unpicked().lines()), (QList<int>{1, 2, 3, 4, 5}));
    QCOMPARE(callsOf(selection.unpicked().lines(), true), (QStringList{"C1", "C2", "C4", "C5", "C3"}));
    QVERIFY(selection.picked().lines().isEmpty());
    // Every line but the number column is unchanged.
    QCOMPARE(Corps_Ligne(selection.unpicked().at(4)), Corps_Ligne(numberedLines(calls(5)).at(2)));
}

void TestQsoSelection::pickAllAppendsInOrder()
{
    QsoSelection selection;
    load(selection, 8);
    selection.pick(7);
    selection.pick(0);
    selection.pick(2); // C4
    QVERIFY(selection.pickAll());
    QVERIFY(selection.unpicked().lines().isEmpty());
    QCOMPARE(callsOf(selection.picked().lines(), false), (QStringList{"C8", "C1", "C4", "C2", "C3", "C5", "C6", "C7"}));
    QVERIFY(!selection.pickAll());
    QCOMPARE(selection.picked().count(), 8);
}

void TestQsoSelection::pickRangeKeepsNumbers_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<QList<int>>("left");
    QTest::addColumn<QStringList>("moved");

    QTest::newRow("3 to 5") << 3 << 5 << QList<int>{1, 2, 6, 7, 8, 9, 10} << QStringList{"C3", "C4", "C5"};
    QTest::newRow("one line") << 4 << 4 << QList<int>{1, 2, 3, 5, 6, 7, 8, 9, 10} << QStringList{"C4"};
    QTest::newRow("4 to 9") << 4 << 9 << QList<int>{1, 2, 3, 10} << QStringList{"C4", "C5", "C6", "C7", "C8", "C9"};
    QTest::newRow("start 0 moves nothing") << 0 << 3 << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10} << QStringList{};
    QTest::newRow("end past the list moves nothing")
        << 8 << 11 << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10} << QStringList{};
    QTest::newRow("start after end moves nothing")
        << 5 << 3 << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10} << QStringList{};
}

void TestQsoSelection::pickRangeKeepsNumbers()
{
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(QList<int>, left);
    QFETCH(QStringList, moved);
    QsoSelection selection;
    load(selection, 10);
    selection.picked().append(QStringLiteral("ALREADY"));
    selection.pickRange(first, last);
    QCOMPARE(numbersOf(selection.unpicked().lines()), left);
    QCOMPARE(callsOf(selection.picked().lines().mid(1), false), moved);
    QCOMPARE(selection.picked().at(0), QStringLiteral("ALREADY"));
}

void TestQsoSelection::sortsBothLists()
{
    QsoSelection selection;
    selection.unpicked().append(numberedLines({"F4ABC", "F4AB", "DL1X", "F4AB"}));
    // Same callsign on 15/01/24 then 01/06/24: day first puts 01/06/24 first.
    selection.unpicked().append(
        Numeroter(5, QStringLiteral("K1A           15/01/24  10:00  14 Mhz    SSB      59        Non    ")));
    selection.unpicked().append(
        Numeroter(6, QStringLiteral("K1A           01/06/24  10:00  14 Mhz    SSB      59        Non    ")));
    selection.pick(1);
    selection.pick(0);
    selection.sortByCall();

    QCOMPARE(callsOf(selection.unpicked().lines(), true), (QStringList{"DL1X", "F4AB", "K1A", "K1A"}));
    QCOMPARE(numbersOf(selection.unpicked().lines()), (QList<int>{1, 2, 3, 4}));
    QCOMPARE(selection.unpicked().at(2).mid(21, 8), QStringLiteral("01/06/24"));
    QCOMPARE(selection.unpicked().at(3).mid(21, 8), QStringLiteral("15/01/24"));
    QCOMPARE(callsOf(selection.picked().lines(), false), (QStringList{"F4AB", "F4ABC"}));
    QVERIFY(selection.picked().at(0).startsWith(QStringLiteral("F4AB  ")));
}

void TestQsoSelection::order_data()
{
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::addColumn<bool>("before");

    QTest::newRow("blank before a letter") << "F4AB  15"
                                           << "F4ABC 15" << true;
    QTest::newRow("blank before a digit") << "F4 "
                                          << "F40" << true;
    QTest::newRow("blank before a slash") << "F4AB "
                                          << "F4AB/P" << true;
    QTest::newRow("digits before letters") << "F1ZZ"
                                           << "FAAA" << true;
    QTest::newRow("letters after digits") << "FAAA"
                                          << "F1ZZ" << false;
    QTest::newRow("case ignored") << "f4ab"
                                  << "F4AC" << true;
    QTest::newRow("case ignored, other way") << "F4AC"
                                             << "f4ab" << false;
    QTest::newRow("equal but for case") << "F4AB Oui"
                                        << "F4AB OUI" << false;
    QTest::newRow("same text") << "F4AB"
                               << "F4AB" << false;
    QTest::newRow("text order, not numbers") << "F9A"
                                             << "F10A" << false;
    QTest::newRow("shorter first") << "F4AB"
                                   << "F4AB " << true;
    QTest::newRow("accents") << "ÉA"
                             << "éB" << true;
}

void TestQsoSelection::order()
{
    QFETCH(QString, left);
    QFETCH(QString, right);
    QFETCH(bool, before);
    QCOMPARE(comesBeforeByCall(left, right), before);
}

void TestQsoSelection::sortIsStable()
{
    QStringList lines = {"F4AB Oui 1", "DL1X", "F4AB OUI 1", "f4ab oui 1"};
    sortByCall(lines);
    QCOMPARE(lines, (QStringList{"DL1X", "F4AB Oui 1", "F4AB OUI 1", "f4ab oui 1"}));
}

void TestQsoSelection::room()
{
    QsoSelection selection;
    QCOMPARE(selection.room(), 32767);
    load(selection, 10);
    selection.pickRange(1, 4);
    QCOMPARE(selection.room(), 32757);
}

void TestQsoSelection::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("number");
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("digits") << "42" << 42;
    QTest::newRow("leading zeros") << "007" << 7;
    QTest::newRow("digits then text") << "12ab" << 12;
    QTest::newRow("text") << "abc" << 0;
    QTest::newRow("leading blanks") << "  5" << 5;
    QTest::newRow("huge") << "99999999999999999999" << 1000000000;
}

void TestQsoSelection::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(int, number);
    QCOMPARE(::leadingNumber(text), number);
}

namespace
{

const QString kStartMissing = QStringLiteral("Entrez le N° de début de sélection");
const QString kStartTooLarge = QStringLiteral("    Attention le N° de début ne peut pas être \r\n"
                                              "plus grand ou égale au N° de la dernière ligne");
const QString kEndMissing = QStringLiteral("Entrez le N° de fin de sélection");
const QString kEndBelowStart = QStringLiteral("Attention le N° de fin est inférieur au N° de début");
const QString kEndTooLarge =
    QStringLiteral("Attention le N° de fin ne peut pas être\r\n   inférieur au N° de la dernière ligne");
const QString kStartZero = QStringLiteral("Attention le N° de début doit être au moins 1");

} // namespace

void TestQsoSelection::enterChecks_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("startMessage");
    QTest::addColumn<QString>("endMessage");

    // With 10 lines.
    QTest::newRow("empty boxes") << ""
                                 << "" << kStartMissing << kEndMissing;
    QTest::newRow("start 10, end 10") << "10"
                                      << "10" << kStartTooLarge << kEndTooLarge;
    QTest::newRow("start 4, end 9") << "4"
                                    << "9"
                                    << ""
                                    << "";
    QTest::newRow("start 5, end 3") << "5"
                                    << "3"
                                    << "" << kEndBelowStart;
    QTest::newRow("start equal to end") << "7"
                                        << "7"
                                        << ""
                                        << "";
    QTest::newRow("start 0 passes Enter") << "0"
                                          << "3"
                                          << ""
                                          << "";
    QTest::newRow("start 9, end 12") << "9"
                                     << "12"
                                     << "" << kEndTooLarge;
    QTest::newRow("start 12, end 3") << "12"
                                     << "3" << kStartTooLarge << kEndBelowStart;
}

void TestQsoSelection::enterChecks()
{
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QString, startMessage);
    QFETCH(QString, endMessage);
    QCOMPARE(checkStart(start, 10).value_or(QString()), startMessage);
    QCOMPARE(checkEnd(start, end, 10).value_or(QString()), endMessage);
}

void TestQsoSelection::validerChecks_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("startBox");

    QTest::newRow("passes") << 10 << "3"
                            << "5"
                            << "" << false;
    QTest::newRow("start empty") << 10 << ""
                                 << "5" << kStartMissing << true;
    QTest::newRow("start zero") << 10 << "0"
                                << "5" << kStartZero << true;
    QTest::newRow("start is text") << 10 << "ab"
                                   << "5" << kStartZero << true;
    QTest::newRow("start too large") << 10 << "10"
                                     << "12" << kStartTooLarge << true;
    QTest::newRow("end empty") << 10 << "3"
                               << "" << kEndMissing << false;
    QTest::newRow("end below start") << 10 << "5"
                                     << "3" << kEndBelowStart << false;
    QTest::newRow("end too large") << 10 << "3"
                                   << "10" << kEndTooLarge << false;
    QTest::newRow("empty list") << 0 << "1"
                                << "1" << kStartTooLarge << true;
}

void TestQsoSelection::validerChecks()
{
    QFETCH(int, lines);
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QString, message);
    QFETCH(bool, startBox);
    const std::optional<RangeRefusal> refusal = checkRange(start, end, lines);
    QCOMPARE(refusal.has_value(), !message.isEmpty());
    if (refusal) {
        QCOMPARE(refusal->message, message);
        QCOMPARE(refusal->box == RangeBox::Start, startBox);
    }
}

QTEST_MAIN(TestQsoSelection)
#include "test_qso_selection.moc"
