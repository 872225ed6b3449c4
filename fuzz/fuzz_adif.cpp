// Fuzzes the log reader: bytes in, numbered QSO lines and messages out. Besides "no crash", every
// line must have its columns where they belong and never exceed its widths.
#include "adif/adif_messages.h"
#include "adif/adif_reader.h"
#include "adif/band_table.h"
#include "adif/qso_line.h"
#include "platform/text_file.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace
{

// The line being checked, shown when a property fails.
QString current;

void check(bool condition, int where = __builtin_LINE())
{
    if (condition)
        return;
    std::fprintf(stderr, "property at line %d fails for [%s]\n", where, qPrintable(current));
    std::abort();
}

bool blanks(const QString& text)
{
    for (const QChar c : text)
        if (c != QLatin1Char(' '))
            return false;
    return true;
}

bool isBandLabel(const QString& label)
{
    for (const BandRow& row : kBandTable)
        if (label == QLatin1String(row.label))
            return true;
    return false;
}

// Checks one numbered line against its columns (counted from 0 here).
void checkLine(const QString& line, int expectedNumber)
{
    current = line;
    // 74 characters, then a QSL manager of at most 12.
    check(line.size() >= 74 && line.size() <= 86);
    check(line.left(5) == QStringLiteral("%1").arg(expectedNumber, 5));
    check(line.mid(5, 2) == QStringLiteral("  "));
    // The callsign (values are trimmed of blanks only, so other white space may stand in it).
    check(!blanks(line.mid(7, 12)));
    check(line.at(19) == QLatin1Char(' ') && line.at(20) == QLatin1Char(' '));
    const QString date = line.mid(21, 10);
    check(date == AdifText::DatePlaceholder || (date.size() == 10 && date.endsWith(QStringLiteral("  "))));
    check(line.mid(36, 2) == QStringLiteral("  "));
    check(line.mid(31, 5).contains(QLatin1Char(':')));
    check(isBandLabel(line.mid(38, 10).trimmed()));
    // Mode, report and QSL received are never empty and are cut to their columns.
    check(!blanks(line.mid(48, 9)));
    check(!blanks(line.mid(57, 10)));
    check(!blanks(line.mid(67, 7)));
    // The picked form and the renumbering give the line back.
    const QString picked = Corps_Ligne(line);
    check(picked == line.mid(7));
    check(Numeroter(expectedNumber, picked) == line);
}

const QStringList kKnownMessages = {AdifText::DateMissing, AdifText::TimeMissing, AdifText::CallMissing,
                                    AdifText::BandMissing};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QString text = decodeText(bytes);
    // A small room so the list-full path is exercised too.
    const int room = size % 2 == 0 ? kMaxListLines : 3;
    const LineEnds ends = size % 3 == 0 ? LineEnds::AlsoLoneLf : LineEnds::CrLfOrCr;
    // Counting first, as "Sélectionnez" does, leaves the text to be read as it is.
    const int counted = countAdifRecords(text, ends, room);
    int produced = 0;
    int fullMessages = 0;
    const AdifReadSummary summary = readAdif(
        text, ends, room,
        [&](const QString& line) {
            ++produced;
            checkLine(line, produced);
        },
        [&](const QString& message) {
            if (!kKnownMessages.contains(message)) {
                check(message.contains(AdifText::ListFullRest));
                ++fullMessages;
            }
        });
    check(summary.listed == produced);
    check(counted == produced);
    check(produced <= room);
    check(fullMessages == (summary.full ? 1 : 0));
    return 0;
}
