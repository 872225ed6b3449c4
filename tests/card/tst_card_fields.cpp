// Cutting a picked QSO line into the fields a card prints, centring them, and naming the card.

#include "adif/qso_line.h"
#include "card/card_fields.h"

#include <QtTest>

namespace
{

// A picked line built the way the log reader and the picking window build it.
QString picked(const QString& callsign, const QString& band = QStringLiteral("14 Mhz"),
               const QString& mode = QStringLiteral("SSB"), const QString& via = QString(),
               const QString& date = QStringLiteral("15/03/24"), const QString& qslReceived = QStringLiteral("Non"))
{
    return Corps_Ligne(
        Ligne_QSO(1, {callsign, date, QStringLiteral("14:05"), band, mode, QStringLiteral("59"), qslReceived, via}));
}

qsizetype leadingBlanks(const QString& text)
{
    qsizetype n = 0;
    while (n < text.size() && text[n] == QLatin1Char(' '))
        ++n;
    return n;
}

} // namespace

class TestCardFields : public QObject
{
    Q_OBJECT

private slots:
    // Blanks in front of a text of length L centred in a width, halves to the even neighbour.
    void centring_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("blanks");
        const int width11[] = {6, 5, 4, 4, 4, 3, 2, 2, 2, 1, 0, 0};
        const int width9[] = {4, 4, 4, 3, 2, 2, 2, 1, 0, 0};
        for (int length = 0; length <= 11; ++length)
            QTest::addRow("width 11, length %d", length) << 11 << length << width11[length];
        for (int length = 0; length <= 9; ++length)
            QTest::addRow("width 9, length %d", length) << 9 << length << width9[length];
    }

    void centring()
    {
        QFETCH(int, width);
        QFETCH(int, length);
        QFETCH(int, blanks);
        const QString text = QString(length, QLatin1Char('A'));
        const QString centred = centreText(text, width);
        QCOMPARE(centred, QString(blanks, QLatin1Char(' ')) + text);
    }

    void trimmingKeepsInnerBlanks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("trimmed");
        QTest::newRow("both ends") << "  14 Mhz  "
                                   << "14 Mhz";
        QTest::newRow("none") << "F4XYZ"
                              << "F4XYZ";
        QTest::newRow("only blanks") << "     "
                                     << "";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("inner only") << "2.3 Ghz"
                                    << "2.3 Ghz";
    }

    void trimmingKeepsInnerBlanks()
    {
        QFETCH(QString, text);
        QFETCH(QString, trimmed);
        QCOMPARE(trimBlanks(text), trimmed);
    }

    void cuttingALine()
    {
        const CardFields fields = cutPickedLine(
            picked(QStringLiteral("F4XYZ"), QStringLiteral("14 Mhz"), QStringLiteral("SSB"), QStringLiteral("F6ABC")));
        QCOMPARE(fields.callsign, QStringLiteral("   F4XYZ")); // 5 characters: 3 blanks in 11
        QCOMPARE(fields.date, QStringLiteral("15/03/24"));
        QCOMPARE(fields.time, QStringLiteral("14:05"));
        QCOMPARE(fields.band, QStringLiteral("  14 Mhz")); // 6 characters: 2 blanks in 9
        QCOMPARE(fields.mode, QStringLiteral("SSB    "));  // 7 characters, blanks kept
        QCOMPARE(fields.rst, QStringLiteral("59      "));  // 8 characters
        QCOMPARE(fields.qslReceived, QStringLiteral("Non"));
        QCOMPARE(fields.via, QStringLiteral("   F6ABC")); // 5 characters: 3 blanks in 11
    }

    void cuttingFieldByField_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("callsign");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("band");
        QTest::addColumn<QString>("qslReceived");
        QTest::addColumn<QString>("via");
        QTest::newRow("12-character callsign") << picked(QStringLiteral("VE3ABCDEF/MM")) << "VE3ABCDEF/M"
                                               << "15/03/24"
                                               << "  14 Mhz"
                                               << "Non"
                                               << "      ";
        QTest::newRow("callsign with slashes") << picked(QStringLiteral("F/G4ABC/P")) << " F/G4ABC/P"
                                               << "15/03/24"
                                               << "  14 Mhz"
                                               << "Non"
                                               << "      ";
        QTest::newRow("date placeholder") << picked(QStringLiteral("F4XYZ"), QStringLiteral("2.3 Ghz"),
                                                    QStringLiteral("CW"), QString(), QStringLiteral("01/01/2000"))
                                          << "   F4XYZ"
                                          << "01/01/20"
                                          << " 2.3 Ghz"
                                          << "Non"
                                          << "      ";
        QTest::newRow("QSL received") << picked(QStringLiteral("K1AB"), QStringLiteral("1.3Ghz"), QStringLiteral("FM"),
                                                QString(), QStringLiteral("01/02/23"), QStringLiteral("Oui"))
                                      << "    K1AB"
                                      << "01/02/23"
                                      << "  1.3Ghz"
                                      << "Oui"
                                      << "      ";
        QTest::newRow("via of 12 characters keeps 9") << picked(QStringLiteral("F4XYZ"), QStringLiteral("14 Mhz"),
                                                                QStringLiteral("SSB"), QStringLiteral("EA8ABCDEF/MM"))
                                                      << "   F4XYZ"
                                                      << "15/03/24"
                                                      << "  14 Mhz"
                                                      << "Non"
                                                      << " EA8ABCDEF";
        QTest::newRow("via of 3 characters")
            << picked(QStringLiteral("F4XYZ"), QStringLiteral("14 Mhz"), QStringLiteral("SSB"), QStringLiteral("K1A"))
            << "   F4XYZ"
            << "15/03/24"
            << "  14 Mhz"
            << "Non"
            << "    K1A";
        QTest::newRow("line cut short") << QStringLiteral("F4XYZ         15/03") << "   F4XYZ"
                                        << "15/03"
                                        << "    "
                                        << ""
                                        << "      ";
        QTest::newRow("empty line") << QString() << "      "
                                    << ""
                                    << "    "
                                    << ""
                                    << "      ";
    }

    void cuttingFieldByField()
    {
        QFETCH(QString, line);
        QFETCH(QString, callsign);
        QFETCH(QString, date);
        QFETCH(QString, band);
        QFETCH(QString, qslReceived);
        QFETCH(QString, via);
        const CardFields fields = cutPickedLine(line);
        QCOMPARE(fields.callsign, callsign);
        QCOMPARE(fields.date, date);
        QCOMPARE(fields.band, band);
        QCOMPARE(fields.qslReceived, qslReceived);
        QCOMPARE(fields.via, via);
        QVERIFY(leadingBlanks(fields.callsign) <= 6);
    }

    void fileNames_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << picked(QStringLiteral("F4XYZ")) << "QSL_F4XYZ_14 Mhz_SSB.bmp";
        QTest::newRow("slashes made underscores")
            << picked(QStringLiteral("F/G4ABC/P")) << "QSL_F_G4ABC_P_14 Mhz_SSB.bmp";
        QTest::newRow("12-character callsign named with 11")
            << picked(QStringLiteral("VE3ABCDEF/MM")) << "QSL_VE3ABCDEF_M_14 Mhz_SSB.bmp";
        QTest::newRow("band with inner blank")
            << picked(QStringLiteral("DL1AA"), QStringLiteral("2.3 Ghz"), QStringLiteral("FT8"))
            << "QSL_DL1AA_2.3 Ghz_FT8.bmp";
        QTest::newRow("band without blank")
            << picked(QStringLiteral("DL1AA"), QStringLiteral("1.3Ghz"), QStringLiteral("CW"))
            << "QSL_DL1AA_1.3Ghz_CW.bmp";
        QTest::newRow("mode of 7 characters")
            << picked(QStringLiteral("DL1AA"), QStringLiteral("7.0 Mhz"), QStringLiteral("OLIVIA8"))
            << "QSL_DL1AA_7.0 Mhz_OLIVIA8.bmp";
        QTest::newRow("slash in the mode made underscore")
            << picked(QStringLiteral("DL1AA"), QStringLiteral("14 Mhz"), QStringLiteral("SSB/CW"))
            << "QSL_DL1AA_14 Mhz_SSB_CW.bmp";
        QTest::newRow("via not in the name")
            << picked(QStringLiteral("F4XYZ"), QStringLiteral("14 Mhz"), QStringLiteral("SSB"), QStringLiteral("F6ABC"))
            << "QSL_F4XYZ_14 Mhz_SSB.bmp";
    }

    void fileNames()
    {
        QFETCH(QString, line);
        QFETCH(QString, name);
        QCOMPARE(cardFileName(cutPickedLine(line)), name);
    }

    // Two QSOs with the same callsign, band and mode share one file name.
    void twoQsosOneName()
    {
        const QString first = picked(QStringLiteral("F4XYZ"), QStringLiteral("14 Mhz"), QStringLiteral("SSB"),
                                     QString(), QStringLiteral("01/01/24"));
        const QString second = picked(QStringLiteral("F4XYZ"), QStringLiteral("14 Mhz"), QStringLiteral("SSB"),
                                      QStringLiteral("F6ABC"), QStringLiteral("02/02/24"), QStringLiteral("Oui"));
        QVERIFY(first != second);
        QCOMPARE(cardFileName(cutPickedLine(first)), cardFileName(cutPickedLine(second)));
    }
};

QTEST_MAIN(TestCardFields)
#include "tst_card_fields.moc"
