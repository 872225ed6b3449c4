#include "adif/qso_line.h"
#include "support/data_rows.h"

#include <QTest>

class TestQsoLine : public QObject
{
    Q_OBJECT
private slots:
    void numberedLine_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QsoFields>("fields");
        QTest::addColumn<QString>("expected");

        const QsoFields f4ab = {"F4AB", "15/03/24", "14:05", "14 Mhz", "SSB", "59", "Non", ""};
        addRow("74 characters without QSL via", 7, f4ab,
               QStringLiteral("    7  F4AB          15/03/24  14:05  14 Mhz    SSB      59        Non    "));
        addRow("five-digit number fills its column", 12345, f4ab,
               QStringLiteral("12345  F4AB          15/03/24  14:05  14 Mhz    SSB      59        Non    "));
        addRow("six-digit number widens its column", 123456, f4ab,
               QStringLiteral("123456  F4AB          15/03/24  14:05  14 Mhz    SSB      59        Non    "));
        addRow("date placeholder fills its column", 1,
               QsoFields{"F4AB", "01/01/2000", "00:00", "1.8 Mhz", "XXX", "XX", "Non", ""},
               QStringLiteral("    1  F4AB          01/01/200000:00  1.8 Mhz   XXX      XX        Non    "));
        addRow("12-character callsign then 2 blanks", 2,
               QsoFields{"EA8/F4ABC/QR", "15/03/24", "14:05", "14 Mhz", "SSB", "59", "Non", ""},
               QStringLiteral("    2  EA8/F4ABC/QR  15/03/24  14:05  14 Mhz    SSB      59        Non    "));
        addRow("QSL via ends the line with no blank", 3,
               QsoFields{"F4AB", "15/03/24", "14:05", "14 Mhz", "SSB", "59", "Oui", "F6KXX/MGR12"},
               QStringLiteral("    3  F4AB          15/03/24  14:05  14 Mhz    SSB      59        Oui    F6KXX/MGR12"));
        addRow(
            "12-character QSL via makes 86 characters", 4,
            QsoFields{"F4AB", "15/03/24", "14:05", "1.3Ghz", "FT8", "-10", "R", "VE3ABC/VE3XY"},
            QStringLiteral("    4  F4AB          15/03/24  14:05  1.3Ghz    FT8      -10       R      VE3ABC/VE3XY"));
    }

    void numberedLine()
    {
        QFETCH(int, number);
        QFETCH(QsoFields, fields);
        QFETCH(QString, expected);
        QCOMPARE(Ligne_QSO(number, fields), expected);
    }

    void pickedFormDropsTheNumberColumn()
    {
        QCOMPARE(Corps_Ligne(
                     QStringLiteral("   42  F4AB          15/03/24  14:05  14 Mhz    SSB      59        Non    F1XYZ")),
                 QStringLiteral("F4AB          15/03/24  14:05  14 Mhz    SSB      59        Non    F1XYZ"));
    }

    void numberingAPickedLine_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("prefix");
        QTest::newRow("one digit") << 3 << QStringLiteral("    3  ");
        QTest::newRow("three digits") << 512 << QStringLiteral("  512  ");
        QTest::newRow("five digits") << 32767 << QStringLiteral("32767  ");
    }

    void numberingAPickedLine()
    {
        QFETCH(int, number);
        QFETCH(QString, prefix);
        const QString picked = QStringLiteral("F4AB          15/03/24  14:05  14 Mhz    SSB      59        Non    ");
        QCOMPARE(Numeroter(number, picked), prefix + picked);
    }

    void readsTheNumberColumn_data()
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

    void readsTheNumberColumn()
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

    void headers()
    {
        QCOMPARE(numberedHeader(),
                 QStringLiteral("        N°       Indicatif                        Date           Debut        Bande  "
                                "        Mode           Rst E             QSL reçu     QSL Via"));
        QCOMPARE(pickedHeader(),
                 QStringLiteral("   Indicatif                        Date           Debut        Bande          Mode   "
                                "        Rst E             QSL reçu     QSL Via"));
    }
};

QTEST_MAIN(TestQsoLine)
#include "tst_qso_line.moc"
