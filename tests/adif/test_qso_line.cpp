#include "adif/qso_line.h"

#include <QTest>

class TestQsoLine : public QObject
{
    Q_OBJECT
private slots:
    void numberedLine_data();
    void numberedLine();
    void pickedFormDropsTheNumberColumn();
    void numberingAPickedLine_data();
    void numberingAPickedLine();
    void roundTrips();
    void readsTheNumberColumn_data();
    void readsTheNumberColumn();
    void headers();
};

namespace
{

QsoFields fields(const char* call, const char* date, const char* time, const char* band, const char* mode,
                 const char* rst, const char* received, const char* via = "")
{
    return {QString::fromUtf8(call), QString::fromUtf8(date), QString::fromUtf8(time),     QString::fromUtf8(band),
            QString::fromUtf8(mode), QString::fromUtf8(rst),  QString::fromUtf8(received), QString::fromUtf8(via)};
}

} // namespace

void TestQsoLine::numberedLine_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QsoFields>("fields");
    QTest::addColumn<QString>("expected");

    QTest::newRow("74 characters without QSL via")
        << 7 << fields("F4AB", "15/03/24", "14:05", "14 Mhz", "SSB", "59", "Non")
        << QStringLiteral("    7  F4AB          15/03/24  14:05  14 Mhz    SSB      59        Non    ");
    QTest::newRow("five-digit number fills its column")
        << 12345 << fields("F4AB", "15/03/24", "14:05", "14 Mhz", "SSB", "59", "Non")
        << QStringLiteral("12345  F4AB          15/03/24  14:05  14 Mhz    SSB      59        Non    ");
    QTest::newRow("date placeholder fills its column")
        << 1 << fields("F4AB", "01/01/2000", "00:00", "1.8 Mhz", "XXX", "XX", "Non")
        << QStringLiteral("    1  F4AB          01/01/200000:00  1.8 Mhz   XXX      XX        Non    ");
    QTest::newRow("12-character callsign then 2 blanks")
        << 2 << fields("EA8/F4ABC/QR", "15/03/24", "14:05", "14 Mhz", "SSB", "59", "Non")
        << QStringLiteral("    2  EA8/F4ABC/QR  15/03/24  14:05  14 Mhz    SSB      59        Non    ");
    QTest::newRow("QSL via ends the line with no blank")
        << 3 << fields("F4AB", "15/03/24", "14:05", "14 Mhz", "SSB", "59", "Oui", "F6KXX/MGR12")
        << QStringLiteral("    3  F4AB          15/03/24  14:05  14 Mhz    SSB      59        Oui    F6KXX/MGR12");
    QTest::newRow("12-character QSL via makes 86 characters")
        << 4 << fields("F4AB", "15/03/24", "14:05", "1.3Ghz", "FT8", "-10", "R", "VE3ABC/VE3XY")
        << QStringLiteral("    4  F4AB          15/03/24  14:05  1.3Ghz    FT8      -10       R      VE3ABC/VE3XY");
}

void TestQsoLine::numberedLine()
{
    QFETCH(int, number);
    QFETCH(QsoFields, fields);
    QFETCH(QString, expected);
    const QString line = Ligne_QSO(number, fields);
    QCOMPARE(line, expected);
    QCOMPARE(line.size(), 74 + fields.qslVia.size());
    // The start time stays at column 32 whatever the date.
    QCOMPARE(line.mid(31, 5), fields.time);
    QCOMPARE(line.mid(21, 10).trimmed(), fields.date);
}

void TestQsoLine::pickedFormDropsTheNumberColumn()
{
    const QString numbered =
        QStringLiteral("   42  F4AB          15/03/24  14:05  14 Mhz    SSB      59        Non    F1XYZ");
    const QString picked = Corps_Ligne(numbered);
    QCOMPARE(picked, QStringLiteral("F4AB          15/03/24  14:05  14 Mhz    SSB      59        Non    F1XYZ"));
    // Columns of the picked form: date at 15, time at 25.
    QCOMPARE(picked.mid(14, 8), QStringLiteral("15/03/24"));
    QCOMPARE(picked.mid(24, 5), QStringLiteral("14:05"));
}

void TestQsoLine::numberingAPickedLine_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("prefix");
    QTest::newRow("one digit") << 3 << QStringLiteral("    3  ");
    QTest::newRow("three digits") << 512 << QStringLiteral("  512  ");
    QTest::newRow("five digits") << 32767 << QStringLiteral("32767  ");
}

void TestQsoLine::numberingAPickedLine()
{
    QFETCH(int, number);
    QFETCH(QString, prefix);
    const QString picked = QStringLiteral("F4AB          15/03/24  14:05  14 Mhz    SSB      59        Non    ");
    QCOMPARE(Numeroter(number, picked), prefix + picked);
}

void TestQsoLine::roundTrips()
{
    const QString numbered = Ligne_QSO(17, fields("F4AB", "15/03/24", "14:05", "14 Mhz", "SSB", "59", "Non"));
    const QString renumbered = Numeroter(3, Corps_Ligne(numbered));
    QCOMPARE(renumbered.size(), numbered.size());
    QCOMPARE(renumbered.left(5), QStringLiteral("    3"));
    QCOMPARE(renumbered.mid(5), numbered.mid(5));
    const QString picked = Corps_Ligne(numbered);
    QCOMPARE(Corps_Ligne(Numeroter(99, picked)), picked);
}

void TestQsoLine::readsTheNumberColumn_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("has");

    const QString body = QStringLiteral("F4AB          15/03/24  14:05  ");
    QTest::newRow("same number") << QStringLiteral("    7  ") + body << 7 << true;
    QTest::newRow("other number") << QStringLiteral("    7  ") + body << 8 << false;
    QTest::newRow("shifted digits") << QStringLiteral("   7   ") + body << 7 << false;
    QTest::newRow("five digits") << QStringLiteral("32767  ") + body << 32767 << true;
    QTest::newRow("ends of a longer number") << QStringLiteral("23456  ") + body << 123456 << false;
    QTest::newRow("no blanks after") << QStringLiteral("    7XX") + body << 7 << false;
    QTest::newRow("short line") << QStringLiteral("    7") << 7 << false;
}

void TestQsoLine::readsTheNumberColumn()
{
    QFETCH(QString, line);
    QFETCH(int, number);
    QFETCH(bool, has);
    QCOMPARE(hasNumber(line, number), has);
    if (line.size() >= 7)
        QCOMPARE(Numeroter(number, Corps_Ligne(line)) == line, has);
    QString renumbered = line;
    renumber(renumbered, number);
    QCOMPARE(renumbered, Numeroter(number, Corps_Ligne(line)));
    if (number <= 99999)
        QVERIFY(hasNumber(renumbered, number));
}

void TestQsoLine::headers()
{
    QCOMPARE(
        numberedHeader(),
        QStringLiteral("        N°       Indicatif                        Date           Debut        Bande          "
                       "Mode           Rst E             QSL reçu     QSL Via"));
    QCOMPARE(
        pickedHeader(),
        QStringLiteral("   Indicatif                        Date           Debut        Bande          Mode           "
                       "Rst E             QSL reçu     QSL Via"));
}

QTEST_MAIN(TestQsoLine)
#include "test_qso_line.moc"
