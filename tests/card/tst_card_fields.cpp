// Cutting a picked QSO line into the fields a card prints, centring them, and naming the card.

#include "adif/qso_line.h"
#include "card/card_fields.h"
#include "platform/blanks.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace
{

// A picked line built the way the log reader and the picking window build it.
QString picked(const QString& callsign, const QString& band = u"14 Mhz"_s, const QString& mode = u"SSB"_s,
               const QString& via = QString(), const QString& date = u"15/03/24"_s, const QString& qsl = u"Non"_s)
{
    return Corps_Ligne(Ligne_QSO(1, {callsign, date, u"14:05"_s, band, mode, u"59"_s, qsl, via}));
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
        const QString text(length, u'A');
        QCOMPARE(centreText(text, width), QString(blanks, u' ') + text);
    }

    void trimmingKeepsInnerBlanks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("trimmed");
        const auto row = [](const char* tag, const char* text, const char* trimmed) {
            QTest::newRow(tag) << text << trimmed;
        };
        row("both ends", "  14 Mhz  ", "14 Mhz");
        row("none", "F4XYZ", "F4XYZ");
        row("only blanks", "     ", "");
        row("empty", "", "");
        row("inner only", "2.3 Ghz", "2.3 Ghz");
        row("tabs kept", "\t14 Mhz\t", "\t14 Mhz\t");
    }

    void trimmingKeepsInnerBlanks()
    {
        QFETCH(QString, text);
        QFETCH(QString, trimmed);
        QCOMPARE(trimBlanks(text).toString(), trimmed);
    }

    void cuttingALine()
    {
        const CardFields fields = cutPickedLine(picked(u"F4XYZ"_s, u"14 Mhz"_s, u"SSB"_s, u"F6ABC"_s));
        QCOMPARE(fields.callsign, u"   F4XYZ"_s); // 5 characters: 3 blanks in 11
        QCOMPARE(fields.date, u"15/03/24"_s);
        QCOMPARE(fields.time, u"14:05"_s);
        QCOMPARE(fields.band, u"  14 Mhz"_s); // 6 characters: 2 blanks in 9
        QCOMPARE(fields.mode, u"SSB    "_s);  // 7 characters, blanks kept
        QCOMPARE(fields.rst, u"59      "_s);  // 8 characters
        QCOMPARE(fields.qslReceived, u"Non"_s);
        QCOMPARE(fields.via, u"   F6ABC"_s); // 5 characters: 3 blanks in 11
    }

    void cuttingFieldByField_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("fields"); // callsign, date, band, QSL received, via
        const auto row = [](const char* tag, const QString& line, const QStringList& fields) {
            QTest::newRow(tag) << line << fields;
        };
        const QString none = u"      "_s;
        row("12-character callsign", picked(u"VE3ABCDEF/MM"_s), {"VE3ABCDEF/M", "15/03/24", "  14 Mhz", "Non", none});
        row("callsign with slashes", picked(u"F/G4ABC/P"_s), {" F/G4ABC/P", "15/03/24", "  14 Mhz", "Non", none});
        row("date placeholder", picked(u"F4XYZ"_s, u"2.3 Ghz"_s, u"CW"_s, QString(), u"01/01/2000"_s),
            {"   F4XYZ", "01/01/20", " 2.3 Ghz", "Non", none});
        row("QSL received", picked(u"K1AB"_s, u"1.3Ghz"_s, u"FM"_s, QString(), u"01/02/23"_s, u"Oui"_s),
            {"    K1AB", "01/02/23", "  1.3Ghz", "Oui", none});
        row("via of 12 characters keeps 9", picked(u"F4XYZ"_s, u"14 Mhz"_s, u"SSB"_s, u"EA8ABCDEF/MM"_s),
            {"   F4XYZ", "15/03/24", "  14 Mhz", "Non", " EA8ABCDEF"});
        row("via of 3 characters", picked(u"F4XYZ"_s, u"14 Mhz"_s, u"SSB"_s, u"K1A"_s),
            {"   F4XYZ", "15/03/24", "  14 Mhz", "Non", "    K1A"});
        row("line cut short", u"F4XYZ         15/03"_s, {"   F4XYZ", "15/03", "    ", "", none});
        row("empty line", QString(), {none, "", "    ", "", none});
    }

    void cuttingFieldByField()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, fields);
        const CardFields cut = cutPickedLine(line);
        QCOMPARE((QStringList{cut.callsign, cut.date, cut.band, cut.qslReceived, cut.via}), fields);
    }

    // Named after the callsign, band and mode only: QSOs that share them share one file.
    void fileNames_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("name");
        const auto row = [](const char* tag, const QString& line, const char* name) {
            QTest::newRow(tag) << line << name;
        };
        row("plain", picked(u"F4XYZ"_s), "QSL_F4XYZ_14 Mhz_SSB.bmp");
        row("slashes made underscores", picked(u"F/G4ABC/P"_s), "QSL_F_G4ABC_P_14 Mhz_SSB.bmp");
        row("12-character callsign named with 11", picked(u"VE3ABCDEF/MM"_s), "QSL_VE3ABCDEF_M_14 Mhz_SSB.bmp");
        row("band with inner blank", picked(u"DL1AA"_s, u"2.3 Ghz"_s, u"FT8"_s), "QSL_DL1AA_2.3 Ghz_FT8.bmp");
        row("band without blank", picked(u"DL1AA"_s, u"1.3Ghz"_s, u"CW"_s), "QSL_DL1AA_1.3Ghz_CW.bmp");
        row("mode of 7 characters", picked(u"DL1AA"_s, u"7.0 Mhz"_s, u"OLIVIA8"_s), "QSL_DL1AA_7.0 Mhz_OLIVIA8.bmp");
        row("slash in the mode made underscore", picked(u"DL1AA"_s, u"14 Mhz"_s, u"SSB/CW"_s),
            "QSL_DL1AA_14 Mhz_SSB_CW.bmp");
        row("slash in the band made underscore", picked(u"DL1AA"_s, u"../x"_s, u"CW"_s), "QSL_DL1AA_.._x_CW.bmp");
        row("via not in the name", picked(u"F4XYZ"_s, u"14 Mhz"_s, u"SSB"_s, u"F6ABC"_s), "QSL_F4XYZ_14 Mhz_SSB.bmp");
    }

    void fileNames()
    {
        QFETCH(QString, line);
        QFETCH(QString, name);
        QCOMPARE(cardFileName(cutPickedLine(line)), name);
    }
};

QTEST_MAIN(TestCardFields)
#include "tst_card_fields.moc"
