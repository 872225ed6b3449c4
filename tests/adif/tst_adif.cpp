#include "adif/adif_reader.h"
#include "adif/qso_line.h"
#include "support/case_files.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <QTest>

namespace
{

const QString kData = dataPath(QStringLiteral("adif/"));

// A log's text: its bytes as UTF-8, or else as Latin-1, which holds every letter of these logs.
// The program's own decoding of a file is the platform's, tested there and through the windows.
QString logText(const QString& path)
{
    const QByteArray bytes = dataBytes(path);
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

// What the reader gave, in order: "L <line>" for a line of the list, "M <text>" for a message.
QStringList eventsOf(QString text, int room, AdifReadSummary& summary)
{
    QStringList events;
    summary = readAdif(
        text, LineEnds::CrLfOrCr, room, [&](const QString& line) { events << QStringLiteral("L ") + line; },
        [&](const QString& message) { events << QStringLiteral("M ") + message; });
    return events;
}

// A row of an expected file: "M <message>" ("\r\n" written as such), or
// "L <number>|<callsign>|<date>|<time>|<band>|<mode>|<report>|<QSL received>|<QSL via>", written
// out here column by column.
QString expectedEvent(QString row)
{
    if (row.startsWith(QLatin1Char('M')))
        return row.replace(QStringLiteral("\\r\\n"), QStringLiteral("\r\n"));
    const QStringList f = row.mid(2).split(QLatin1Char('|'));
    const int widths[] = {14, 10, 7, 10, 9, 10, 7, 0};
    QString line = QStringLiteral("L ") + f[0].rightJustified(5) + QStringLiteral("  ");
    for (int i = 0; i < 8; ++i)
        line += f[i + 1].leftJustified(widths[i]);
    return line;
}

} // namespace

class TestAdif : public QObject
{
    Q_OBJECT
private slots:
    // Each <log>[-room<N>].txt holds what reading <log>.adi gives, into a list with room for N lines.
    void readsLogs_data()
    {
        QTest::addColumn<QString>("expected");
        const QStringList files = dataFiles(kData, QStringLiteral("*.txt"));
        QVERIFY(files.size() >= 20);
        for (const QString& file : files)
            QTest::newRow(qPrintable(file)) << file;
    }

    void readsLogs()
    {
        QFETCH(QString, expected);
        const QRegularExpressionMatch name =
            QRegularExpression(QStringLiteral("^(.*?)(?:-room(\\d+))?\\.txt$")).match(expected);
        const QString log = logText(kData + name.captured(1) + QStringLiteral(".adi"));
        QStringList events;
        for (const QString& row : dataLines(kData + expected))
            events << expectedEvent(row);
        const int room = name.captured(2).isEmpty() ? kMaxListLines : name.captured(2).toInt();
        AdifReadSummary summary;
        QCOMPARE(eventsOf(log, room, summary), events);
        QCOMPARE(summary.listed, events.filter(QRegularExpression(QStringLiteral("^L "))).size());
        QCOMPARE(summary.full, !events.isEmpty() && events.last().startsWith(QStringLiteral("M La liste")));
        QCOMPARE(eventsOf(log, room, summary), events); // numbered from 1 again

        // Counting gives what reading lists, with either line ends, and leaves the text readable.
        for (const LineEnds ends : {LineEnds::CrLfOrCr, LineEnds::AlsoLoneLf}) {
            QString text = log;
            const int counted = countAdifRecords(text, ends, room);
            QCOMPARE(readAdif(text, ends, room, {}, {}).listed, counted);
            text = log;
            QCOMPARE(readAdif(text, ends, room, {}, {}).listed, counted);
        }
    }

    // The reader on its own stops before a number would need a sixth digit.
    void numbersStopAtFiveDigits()
    {
        const QString one = QStringLiteral("<QSO_DATE:8>20240315 <TIME_ON:4>1405 <CALL:5>F4ABC <BAND:3>20M <EOR>\r");
        AdifReadSummary summary;
        const QStringList events = eventsOf(QStringLiteral("<EOH>\r") + one.repeated(100'001), 200'000, summary);
        QCOMPARE(summary.listed, 99'999);
        QCOMPARE(events.size(), 100'000);
        QCOMPARE(events.at(99'998), expectedEvent(QStringLiteral("L 99999|F4ABC|15/03/24|14:05|14 Mhz|XXX|XX|Non|")));
        QCOMPARE(events.last(), QStringLiteral("M La liste des QSO est pleine : 99999 QSO de ce fichier ont été "
                                               "listés.\r\nLa suite du fichier n'a pas été lue."));
    }

    void qsoLine_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QsoFields>("fields");
        QTest::addColumn<QString>("line");

        const QsoFields f4ab = {"F4AB", "15/03/24", "14:05", "14 Mhz", "SSB", "59", "Non", ""};
        addRow("74 characters", 7, f4ab, "    7  F4AB          15/03/24  14:05  14 Mhz    SSB      59        Non    ");
        addRow("five digits", 12345, f4ab,
               "12345  F4AB          15/03/24  14:05  14 Mhz    SSB      59        Non    ");
        addRow("six digits", 123456, f4ab,
               "123456  F4AB          15/03/24  14:05  14 Mhz    SSB      59        Non    ");
        addRow("date placeholder", 1, QsoFields{"F4AB", "01/01/2000", "00:00", "1.8 Mhz", "XXX", "XX", "Non", ""},
               "    1  F4AB          01/01/200000:00  1.8 Mhz   XXX      XX        Non    ");
        addRow("12-character callsign", 2,
               QsoFields{"EA8/F4ABC/QR", "15/03/24", "14:05", "1.3Ghz", "FT8", "-10", "R", "VE3ABC/VE3XY"},
               "    2  EA8/F4ABC/QR  15/03/24  14:05  1.3Ghz    FT8      -10       R      VE3ABC/VE3XY");
    }

    void qsoLine()
    {
        QFETCH(int, number);
        QFETCH(QsoFields, fields);
        QFETCH(QString, line);
        QCOMPARE(Ligne_QSO(number, fields), line);
        // The picked form drops the number column, and Numeroter puts one back.
        const QString picked = line.mid(line.indexOf(fields.callsign));
        QCOMPARE(Corps_Ligne(Ligne_QSO(3, fields)), picked);
        QCOMPARE(Numeroter(3, picked), QStringLiteral("    3  ") + picked);
        QCOMPARE(Numeroter(32767, picked), QStringLiteral("32767  ") + picked);
    }

    void numberColumn_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("has");
        addRow("same number", QStringLiteral("    7  "), 7, true);
        addRow("other number", QStringLiteral("    7  "), 8, false);
        addRow("shifted digits", QStringLiteral("   7   "), 7, false);
        addRow("five digits", QStringLiteral("32767  "), 32767, true);
        addRow("end of a longer number", QStringLiteral("23456  "), 123456, false);
        addRow("no blanks after", QStringLiteral("    7XX"), 7, false);
    }

    void numberColumn()
    {
        QFETCH(QString, column);
        QFETCH(int, number);
        QFETCH(bool, has);
        const QString body = QStringLiteral("F4AB          15/03/24  14:05  ");
        QString line = column + body;
        QCOMPARE(hasNumber(line, number), has);
        QVERIFY(!hasNumber(column.left(5), number));
        renumber(line, number);
        QCOMPARE(line, QString::number(number).rightJustified(5) + QStringLiteral("  ") + body);
    }
};

QTEST_GUILESS_MAIN(TestAdif)
#include "tst_adif.moc"
