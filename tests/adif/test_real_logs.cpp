#include "adif/adif_reader.h"
#include "expected_line.h"
#include "platform/text_file.h"

#include <QTemporaryDir>
#include <QTest>

// Logs written the ways the common logging programs write them, read from real files.
class TestRealLogs : public QObject
{
    Q_OBJECT
private slots:
    void readsEachStyle_data();
    void readsEachStyle();
};

namespace
{

struct Reading {
    QStringList lines;
    QStringList messages;
};

Reading readFile(const QByteArray& bytes)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("log.adi"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write the test log");
    file.close();
    const TextFileResult text = readTextLines(path);
    if (!text.error.isEmpty())
        qFatal("cannot read the test log");
    Reading reading;
    readAdif(
        text.lines, kMaxListLines, [&](const QString& line) { reading.lines.append(line); },
        [&](const QString& message) { reading.messages.append(message); });
    return reading;
}

QByteArray withLineEnds(const QByteArray& lfText, const QByteArray& end)
{
    QByteArray text = lfText;
    return text.replace("\n", end);
}

// One record per line, lower-case tags, FREQ with many decimals, as contest and digital-mode
// programs write them.
const QByteArray kOneRecordPerLine =
    "ADIF export\n"
    "<adif_ver:5>3.1.4\n"
    "<programid:6>LOGGER\n"
    "<eoh>\n"
    "<call:5>DL1AB <gridsquare:4>JO31 <mode:3>FT8 <rst_sent:3>-10 <rst_rcvd:3>-15 <qso_date:8>20240315 "
    "<time_on:6>140530 <qso_date_off:8>20240315 <time_off:6>140600 <band:3>20m <freq:9>14.075123 "
    "<station_callsign:5>F4XYZ <my_gridsquare:6>JN18AA <eor>\n"
    "<call:10>F/DL1AB/P <mode:3>SSB <rst_sent:2>59 <qso_date:8>20240316 <time_on:4>0930 <band:3>40m "
    "<freq:8>7.150000 <qsl_rcvd:1>y <eor>\n"
    "<call:13>EA8/F4ABC/QRP <mode:2>CW <rst_sent:3>599 <qso_date:8>20240317 <time_on:4>2359 <band:4>70cm "
    "<qsl_via:26>F6KXX via bureau or direct <eor>\n";

const QString kOneRecordPerLineLines[] = {
    expectedLine(1, "DL1AB", "15/03/24", "14:05", "14 Mhz", "FT8", "-10", "Non"),
    expectedLine(2, "F/DL1AB/P", "16/03/24", "09:30", "7.0 Mhz", "SSB", "59", "Oui"),
    expectedLine(3, "EA8/F4ABC/QR", "17/03/24", "23:59", "432 Mhz", "CW", "599", "Non", "F6KXX VIA BU"),
};

// One field per line, upper-case tags, blank line between records, no BAND (frequency only).
const QByteArray kOneFieldPerLine = "Log exported\n"
                                    "<ADIF_VER:5>2.2.7\n"
                                    "<EOH>\n"
                                    "\n"
                                    "<CALL:6>G4ABCD\n"
                                    "<QSO_DATE:8>20231201\n"
                                    "<TIME_ON:4>0815\n"
                                    "<FREQ:11>3.573123456\n"
                                    "<MODE:3>FT8\n"
                                    "<RST_SENT:3>-05\n"
                                    "<QSL_RCVD:1>N\n"
                                    "<QSL_VIA:5>M0XYZ\n"
                                    "<EOR>\n"
                                    "\n"
                                    "<CALL:5>K1ABC\n"
                                    "<QSO_DATE:8>20231202\n"
                                    "<TIME_ON:6>221500\n"
                                    "<FREQ:10>145.500000\n"
                                    "<MODE:2>FM\n"
                                    "<RST_SENT:2>59\n"
                                    "<EOR>\n"
                                    "\n"
                                    "<CALL:6>JA1XYZ\n"
                                    "<QSO_DATE:8>20231203\n"
                                    "<TIME_ON:4>1030\n"
                                    "<FREQ:8>1296.200\n"
                                    "<MODE:3>SSB\n"
                                    "<EOR>\n"
                                    "\n"
                                    "<CALL:5>VK2AB\n"
                                    "<QSO_DATE:8>20231204\n"
                                    "<TIME_ON:4>1100\n"
                                    "<FREQ:9>29.600000\n"
                                    "<MODE:2>FM\n"
                                    "<EOR>\n";

const QString kOneFieldPerLineLines[] = {
    expectedLine(1, "G4ABCD", "01/12/23", "08:15", "3.5 Mhz", "FT8", "-05", "Non", "M0XYZ"),
    expectedLine(2, "K1ABC", "02/12/23", "22:15", "144 Mhz", "FM", "59", "Non"),
    expectedLine(3, "JA1XYZ", "03/12/23", "10:30", "1.3Ghz", "SSB", "XX", "Non"),
    expectedLine(4, "VK2AB", "04/12/23", "11:00", "1.8 Mhz", "FM", "XX", "Non"),
};

QStringList all(const QString* lines, int count)
{
    return QStringList(lines, lines + count);
}

} // namespace

void TestRealLogs::readsEachStyle_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("messages");

    const QStringList none;
    const QStringList bandFor29 = {QStringLiteral("Bande absente, remplacée par 1.8 Mhz")};
    QTest::newRow("one record per line, CRLF")
        << withLineEnds(kOneRecordPerLine, "\r\n") << all(kOneRecordPerLineLines, 3) << none;
    QTest::newRow("one record per line, CR")
        << withLineEnds(kOneRecordPerLine, "\r") << all(kOneRecordPerLineLines, 3) << none;
    QTest::newRow("one field per line, CRLF")
        << withLineEnds(kOneFieldPerLine, "\r\n") << all(kOneFieldPerLineLines, 4) << bandFor29;
    QTest::newRow("one field per line, CR")
        << withLineEnds(kOneFieldPerLine, "\r") << all(kOneFieldPerLineLines, 4) << bandFor29;
    // A line feed alone does not end a line: the whole log is its header line.
    QTest::newRow("one record per line, LF") << kOneRecordPerLine << QStringList() << none;
    QTest::newRow("one field per line, LF") << kOneFieldPerLine << QStringList() << none;

    // Accented text in Windows-1252 and in UTF-8 reads the same, upper-cased in place.
    const QByteArray cp1252 = "<EOH>\r\n<CALL:5>F4ABC <QSO_DATE:8>20240315 <TIME_ON:4>1405 <BAND:3>20M "
                              "<QSL_VIA:6>F5\xe9t\xe9 <EOR>\r\n";
    const QByteArray utf8 = "<EOH>\r\n<CALL:5>F4ABC <QSO_DATE:8>20240315 <TIME_ON:4>1405 <BAND:3>20M "
                            "<QSL_VIA:6>F5\xc3\xa9t\xc3\xa9 <EOR>\r\n";
    const QStringList accented = {
        expectedLine(1, "F4ABC", "15/03/24", "14:05", "14 Mhz", "XXX", "XX", "Non", QStringLiteral("F5ÉTÉ"))};
    QTest::newRow("Windows-1252") << cp1252 << accented << none;
    QTest::newRow("UTF-8") << utf8 << accented << none;
}

void TestRealLogs::readsEachStyle()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, messages);
    const Reading reading = readFile(file);
    QCOMPARE(reading.lines, lines);
    QCOMPARE(reading.messages, messages);
}

QTEST_MAIN(TestRealLogs)
#include "test_real_logs.moc"
