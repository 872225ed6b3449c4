#include "adif/band_table.h"
#include "adif/lire_champ.h"

#include <QTest>

class TestBandTable : public QObject
{
    Q_OBJECT
private slots:
    void fieldValue_data();
    void fieldValue();
    void labelOfKey_data();
    void labelOfKey();
    void keyOfFrequency_data();
    void keyOfFrequency();
    void labelOfRecord_data();
    void labelOfRecord();
};

void TestBandTable::fieldValue_data()
{
    QTest::addColumn<QString>("record");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("expected");

    QTest::newRow("plain") << "<CALL:5>F4ABC <BAND:3>20M <EOR>"
                           << "<CALL"
                           << "F4ABC";
    QTest::newRow("length specifier that lies") << "<CALL:3>F4ABC<BAND:3>20M"
                                                << "<CALL"
                                                << "F4ABC";
    QTest::newRow("type specifier") << "<QSO_DATE:8:D>20240315<EOR>"
                                    << "<QSO_DATE"
                                    << "20240315";
    QTest::newRow("blanks around the value") << "<MODE:3>   SSB   <EOR>"
                                             << "<MODE"
                                             << "SSB";
    QTest::newRow("only blanks are trimmed") << "<MODE:4>\tSSB <EOR>"
                                             << "<MODE"
                                             << "\tSSB";
    QTest::newRow("absent") << "<CALL:5>F4ABC<EOR>"
                            << "<MODE"
                            << "";
    QTest::newRow("empty value") << "<MODE:0><EOR>"
                                 << "<MODE"
                                 << "";
    QTest::newRow("blank value") << "<MODE:2>  <EOR>"
                                 << "<MODE"
                                 << "";
    QTest::newRow("longer tag found first") << "<QSO_DATE_OFF:8>20240316<QSO_DATE:8>20240315<EOR>"
                                            << "<QSO_DATE"
                                            << "20240316";
    QTest::newRow("tag inside another value") << "<COMMENT:9>X<CALL>F1<CALL:5>F4ABC<EOR>"
                                              << "<CALL"
                                              << "F1";
    QTest::newRow("value holding <") << "<NAME:7>JO<HN><EOR>"
                                     << "<NAME"
                                     << "JO";
    QTest::newRow("line feed kept inside") << "<CALL:6>F4\nABC<EOR>"
                                           << "<CALL"
                                           << "F4\nABC";
    QTest::newRow("tag without >") << "<EOR> <CALL"
                                   << "<CALL"
                                   << "";
    QTest::newRow("value without <") << "<EOR><CALL:5>F4ABC"
                                     << "<CALL"
                                     << "";
}

void TestBandTable::fieldValue()
{
    QFETCH(QString, record);
    QFETCH(QString, tag);
    QFETCH(QString, expected);
    QCOMPARE(Lire_Champ(record, tag).toString(), expected);
}

void TestBandTable::labelOfKey_data()
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

void TestBandTable::labelOfKey()
{
    QFETCH(QString, key);
    QFETCH(QString, label);
    QCOMPARE(bandLabelOf(key), std::optional<QString>(label));
    // Keys are exact upper-case texts.
    QVERIFY(!bandLabelOf(key + QLatin1Char(' ')).has_value());
}

void TestBandTable::keyOfFrequency_data()
{
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("key");
    QTest::newRow("14.074") << "14.074"
                            << "14";
    QTest::newRow("145.500") << "145.500"
                             << "145";
    QTest::newRow("1296.2") << "1296.2"
                            << "1296";
    QTest::newRow("7") << "7"
                       << "7";
    QTest::newRow("10368.1") << "10368.1"
                             << "10368";
    QTest::newRow("1.840") << "1.840"
                           << "1";
    QTest::newRow("many decimals") << "14.07412345"
                                   << "14";
    QTest::newRow("3.573") << "3.573"
                           << "3";
    QTest::newRow("0.137") << "0.137"
                           << "0";
    QTest::newRow("no point, long") << "1296200"
                                    << "12962";
    QTest::newRow("empty") << ""
                           << "";
}

void TestBandTable::keyOfFrequency()
{
    QFETCH(QString, frequency);
    QFETCH(QString, key);
    QCOMPARE(frequencyKey(frequency).toString(), key);
}

void TestBandTable::labelOfRecord_data()
{
    QTest::addColumn<QString>("record");
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("told");

    QTest::newRow("BAND 20M") << "<BAND:3>20M<EOR>"
                              << "14 Mhz" << false;
    QTest::newRow("BAND 70CM") << "<BAND:4>70CM<EOR>"
                               << "432 Mhz" << false;
    QTest::newRow("BAND 1.25CM") << "<BAND:6>1.25CM<EOR>"
                                 << "24 Ghz" << false;
    QTest::newRow("BAND unknown, FREQ beside") << "<BAND:5>2190M<FREQ:5>0.137<EOR>"
                                               << "1.8 Mhz" << true;
    QTest::newRow("BAND unknown, good FREQ beside") << "<FREQ:6>14.074<BAND:4>630M<EOR>"
                                                    << "1.8 Mhz" << true;
    QTest::newRow("BAND empty, good FREQ beside") << "<BAND:0><FREQ:6>14.074<EOR>"
                                                  << "1.8 Mhz" << true;
    QTest::newRow("BAND_RX first") << "<BAND_RX:3>40M<BAND:3>20M<EOR>"
                                   << "7.0 Mhz" << false;
    QTest::newRow("FREQ 1.840") << "<FREQ:5>1.840<EOR>"
                                << "1.8 Mhz" << true;
    QTest::newRow("FREQ 29.600") << "<FREQ:6>29.600<EOR>"
                                 << "1.8 Mhz" << true;
    QTest::newRow("FREQ 52.000") << "<FREQ:6>52.000<EOR>"
                                 << "1.8 Mhz" << true;
    QTest::newRow("FREQ 5760.1") << "<FREQ:6>5760.1<EOR>"
                                 << "1.8 Mhz" << true;
    QTest::newRow("FREQ 10368.1") << "<FREQ:7>10368.1<EOR>"
                                  << "1.8 Mhz" << true;
    QTest::newRow("FREQ 3.573") << "<FREQ:5>3.573<EOR>"
                                << "3.5 Mhz" << false;
    QTest::newRow("FREQ 3.790") << "<FREQ:5>3.790<EOR>"
                                << "3.5 Mhz" << false;
    QTest::newRow("FREQ 5.357") << "<FREQ:5>5.357<EOR>"
                                << "5.0 Mhz" << false;
    QTest::newRow("FREQ 145.500") << "<FREQ:7>145.500<EOR>"
                                  << "144 Mhz" << false;
    QTest::newRow("FREQ 1296.200") << "<FREQ:8>1296.200<EOR>"
                                   << "1.3Ghz" << false;
    QTest::newRow("FREQ 14.074 many decimals") << "<FREQ:9>14.074000<EOR>"
                                               << "14 Mhz" << false;
    QTest::newRow("FREQ 50 then a tag") << "<FREQ:2>50<MODE:3>FT8<EOR>"
                                        << "50 Mhz" << false;
    QTest::newRow("FREQ_RX first") << "<FREQ_RX:6>14.074<FREQ:5>7.074<EOR>"
                                   << "14 Mhz" << false;
    QTest::newRow("neither BAND nor FREQ") << "<CALL:5>F4ABC<EOR>"
                                           << "1.8 Mhz" << true;
    QTest::newRow("BAND tag without >") << "<EOR> <BAND"
                                        << "1.8 Mhz" << true;
}

void TestBandTable::labelOfRecord()
{
    QFETCH(QString, record);
    QFETCH(QString, label);
    QFETCH(bool, told);
    QStringList messages;
    QCOMPARE(Nom_Bande(record, [&](const QString& text) { messages.append(text); }), label);
    QCOMPARE(messages, told ? QStringList{QStringLiteral("Bande absente, remplacée par 1.8 Mhz")} : QStringList{});
}

QTEST_MAIN(TestBandTable)
#include "test_band_table.moc"
