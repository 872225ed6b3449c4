#include "adif/band_table.h"
#include "adif/lire_champ.h"
#include "support/data_rows.h"

#include <QTest>

class TestBandTable : public QObject
{
    Q_OBJECT
private slots:
    void fieldValue_data()
    {
        QTest::addColumn<QString>("record");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("expected");

        addRow("plain", "<CALL:5>F4ABC <BAND:3>20M <EOR>", "<CALL", "F4ABC");
        addRow("length specifier that lies", "<CALL:3>F4ABC<BAND:3>20M", "<CALL", "F4ABC");
        addRow("type specifier", "<QSO_DATE:8:D>20240315<EOR>", "<QSO_DATE", "20240315");
        addRow("blanks around the value", "<MODE:3>   SSB   <EOR>", "<MODE", "SSB");
        addRow("only blanks are trimmed", "<MODE:4>\tSSB <EOR>", "<MODE", "\tSSB");
        addRow("absent", "<CALL:5>F4ABC<EOR>", "<MODE", "");
        addRow("empty value", "<MODE:0><EOR>", "<MODE", "");
        addRow("blank value", "<MODE:2>  <EOR>", "<MODE", "");
        addRow("longer tag found first", "<QSO_DATE_OFF:8>20240316<QSO_DATE:8>20240315<EOR>", "<QSO_DATE", "20240316");
        addRow("tag inside another value", "<COMMENT:9>X<CALL>F1<CALL:5>F4ABC<EOR>", "<CALL", "F1");
        addRow("value holding <", "<NAME:7>JO<HN><EOR>", "<NAME", "JO");
        addRow("line feed kept inside", "<CALL:6>F4\nABC<EOR>", "<CALL", "F4\nABC");
        addRow("tag without >", "<EOR> <CALL", "<CALL", "");
        addRow("value without <", "<EOR><CALL:5>F4ABC", "<CALL", "");
    }

    void fieldValue()
    {
        QFETCH(QString, record);
        QFETCH(QString, tag);
        QFETCH(QString, expected);
        QCOMPARE(Lire_Champ(record, tag).toString(), expected);
    }

    void labelOfKey_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("label");

        const struct {
            const char* label;
            QStringList keys;
        } rows[] = {
            {"1.8 Mhz", {"160M", "1.8"}},  {"3.5 Mhz", {"80M", "3.5", "3.6", "3"}},
            {"5.0 Mhz", {"60M", "5"}},     {"7.0 Mhz", {"40M", "7"}},
            {"10 Mhz", {"30M", "10"}},     {"14 Mhz", {"20M", "14"}},
            {"18 Mhz", {"17M", "18"}},     {"21 Mhz", {"15M", "21"}},
            {"24 Mhz", {"12M", "24"}},     {"28 Mhz", {"10M", "28"}},
            {"50 Mhz", {"6M", "50"}},      {"144 Mhz", {"2M", "144", "145"}},
            {"432 Mhz", {"70CM", "432"}},  {"1.3Ghz", {"23CM", "1300", "1296"}},
            {"2.3 Ghz", {"13CM", "2300"}}, {"5.7 Ghz", {"6CM", "5660"}},
            {"10 Ghz", {"3CM", "10000"}},  {"24 Ghz", {"1.25CM", "24000"}},
        };
        for (const auto& row : rows)
            for (const QString& key : row.keys)
                QTest::newRow(qPrintable(key)) << key << QString::fromLatin1(row.label);
    }

    void labelOfKey()
    {
        QFETCH(QString, key);
        QFETCH(QString, label);
        QCOMPARE(bandLabelOf(key), std::optional<QString>(label));
        // Keys are exact upper-case texts.
        QVERIFY(!bandLabelOf(key + QLatin1Char(' ')).has_value());
    }

    void keyOfFrequency_data()
    {
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QString>("key");

        addRow("14.074", "14.074", "14");
        addRow("145.500", "145.500", "145");
        addRow("1296.2", "1296.2", "1296");
        addRow("7", "7", "7");
        addRow("10368.1", "10368.1", "10368");
        addRow("1.840", "1.840", "1");
        addRow("many decimals", "14.07412345", "14");
        addRow("3.573", "3.573", "3");
        addRow("0.137", "0.137", "0");
        addRow("no point, long", "1296200", "12962");
        addRow("empty", "", "");
    }

    void keyOfFrequency()
    {
        QFETCH(QString, frequency);
        QFETCH(QString, key);
        QCOMPARE(frequencyKey(frequency).toString(), key);
    }

    void labelOfRecord_data()
    {
        QTest::addColumn<QString>("record");
        QTest::addColumn<QString>("label");
        QTest::addColumn<bool>("told");

        addRow("BAND 20M", "<BAND:3>20M<EOR>", "14 Mhz", false);
        addRow("BAND 70CM", "<BAND:4>70CM<EOR>", "432 Mhz", false);
        addRow("BAND 1.25CM", "<BAND:6>1.25CM<EOR>", "24 Ghz", false);
        addRow("BAND unknown, FREQ beside", "<BAND:5>2190M<FREQ:5>0.137<EOR>", "1.8 Mhz", true);
        addRow("BAND unknown, good FREQ beside", "<FREQ:6>14.074<BAND:4>630M<EOR>", "1.8 Mhz", true);
        addRow("BAND empty, good FREQ beside", "<BAND:0><FREQ:6>14.074<EOR>", "1.8 Mhz", true);
        addRow("BAND_RX first", "<BAND_RX:3>40M<BAND:3>20M<EOR>", "7.0 Mhz", false);
        addRow("FREQ 1.840", "<FREQ:5>1.840<EOR>", "1.8 Mhz", true);
        addRow("FREQ 29.600", "<FREQ:6>29.600<EOR>", "1.8 Mhz", true);
        addRow("FREQ 52.000", "<FREQ:6>52.000<EOR>", "1.8 Mhz", true);
        addRow("FREQ 5760.1", "<FREQ:6>5760.1<EOR>", "1.8 Mhz", true);
        addRow("FREQ 10368.1", "<FREQ:7>10368.1<EOR>", "1.8 Mhz", true);
        addRow("FREQ 3.573", "<FREQ:5>3.573<EOR>", "3.5 Mhz", false);
        addRow("FREQ 3.790", "<FREQ:5>3.790<EOR>", "3.5 Mhz", false);
        addRow("FREQ 5.357", "<FREQ:5>5.357<EOR>", "5.0 Mhz", false);
        addRow("FREQ 145.500", "<FREQ:7>145.500<EOR>", "144 Mhz", false);
        addRow("FREQ 1296.200", "<FREQ:8>1296.200<EOR>", "1.3Ghz", false);
        addRow("FREQ 14.074 many decimals", "<FREQ:9>14.074000<EOR>", "14 Mhz", false);
        addRow("FREQ 50 then a tag", "<FREQ:2>50<MODE:3>FT8<EOR>", "50 Mhz", false);
        addRow("FREQ_RX first", "<FREQ_RX:6>14.074<FREQ:5>7.074<EOR>", "14 Mhz", false);
        addRow("neither BAND nor FREQ", "<CALL:5>F4ABC<EOR>", "1.8 Mhz", true);
        addRow("BAND tag without >", "<EOR> <BAND", "1.8 Mhz", true);
    }

    void labelOfRecord()
    {
        QFETCH(QString, record);
        QFETCH(QString, label);
        QFETCH(bool, told);
        QStringList messages;
        QCOMPARE(Nom_Bande(record, [&](const QString& text) { messages.append(text); }), label);
        QCOMPARE(messages, told ? QStringList{QStringLiteral("Bande absente, remplacée par 1.8 Mhz")} : QStringList{});
    }
};

QTEST_MAIN(TestBandTable)
#include "tst_band_table.moc"
