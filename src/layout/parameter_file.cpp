#include "layout/parameter_file.h"

#include "layout/layout_texts.h"
#include "platform/number_format.h"
#include "platform/program_folder.h"

namespace {

constexpr int kFieldWidth = 4;
constexpr int kFirstPositionLine = 2;
constexpr int kLastPositionLine = 23;

// Lines 24 to 45 hold, one per line, the values of kLayoutKeys from the first size on.
constexpr int kFirstValueLine = 24;

// Whether the cards can be drawn with the value: colours 0 to 15, text sizes and line widths of
// at least 1; positions and switches take any value.
bool drawable(int keyIndex, qint16 value)
{
    if (keyIndex >= kFirstColourIndex)
        return value >= 0 && value <= 15;
    if (keyIndex >= kFirstSizeIndex && keyIndex < kFirstSwitchIndex)
        return value >= 1;
    return true;
}

} // namespace

QString parameterFileBaseName(const QString& background)
{
    const qsizetype separator =
        std::max(background.lastIndexOf(QLatin1Char('\\')), background.lastIndexOf(QLatin1Char('/')));
    const QString filePart = background.mid(separator + 1);
    const qsizetype dot = filePart.indexOf(QLatin1Char('.'));
    return dot < 0 ? filePart : filePart.left(dot);
}

QString parameterFilePath(const QString& programFolder, const QString& background)
{
    return joinPath(programFolder, parameterFileBaseName(background) + kParameterFileExtension);
}

QString printZones(const QString& first, const QString& second)
{
    const qsizetype nextZone = (first.size() / kPrintZoneWidth + 1) * kPrintZoneWidth;
    return first.leftJustified(nextZone, QLatin1Char(' ')) + second;
}

QStringList parameterFileLines(const QString& background, const LayoutTexts& texts)
{
    QStringList lines;
    lines.reserve(kParameterRecordLines);
    lines.append(background);
    for (int item = 1; item <= 22; ++item)
        lines.append(printZones(texts.values[2 * (item - 1)], texts.values[2 * (item - 1) + 1]));
    for (int i = kFirstSizeIndex; i < kLayoutKeyCount; ++i)
        lines.append(isSwitchIndex(i) ? QStringLiteral(" %1 ").arg(texts.values[i]) : texts.values[i]);
    lines.append(texts.comment);
    return lines;
}

ParameterFileContents parseParameterFile(const QStringList& lines, const QLocale& locale)
{
    ParameterFileContents contents;
    if (lines.isEmpty()) {
        contents.problem.kind = ParameterFileProblem::Kind::Empty;
        return contents;
    }

    qsizetype start = 0; // index of the record's first line
    while (start < lines.size()) {
        ParameterRecord record;
        const auto lineAt = [&](int lineInRecord) { return lines.at(start + lineInRecord - 1); };
        const auto fileLine = [&](int lineInRecord) { return static_cast<int>(start) + lineInRecord; };

        // Reads one field into the record; false when it is not a 16-bit number.
        const auto take = [&](int lineInRecord, int keyIndex, bool lastFour) {
            const QString& line = lineAt(lineInRecord);
            const QString field = lastFour ? line.right(kFieldWidth) : line.left(kFieldWidth);
            const std::optional<qint16> value = readInt16(field, locale);
            if (value && drawable(keyIndex, *value)) {
                record.layout.setAt(keyIndex, *value);
                return true;
            }
            contents.problem = {value ? ParameterFileProblem::Kind::OutOfRange : ParameterFileProblem::Kind::BadField,
                                fileLine(lineInRecord),
                                static_cast<int>(start) + 1,
                                QLatin1String(kLayoutKeys[keyIndex].key),
                                field,
                                keyIndex};
            return false;
        };

        const qsizetype available = std::min<qsizetype>(kParameterRecordLines, lines.size() - start);
        for (int n = 1; n <= available; ++n) {
            if (n == 1) {
                record.background = lineAt(n);
            } else if (n <= kLastPositionLine) {
                const int item = n - kFirstPositionLine + 1;
                if (!take(n, 2 * (item - 1), false) || !take(n, 2 * (item - 1) + 1, true))
                    return contents;
            } else if (n < kParameterRecordLines) {
                if (!take(n, kFirstSizeIndex + n - kFirstValueLine, false))
                    return contents;
            } else {
                record.comment = lineAt(n);
            }
        }
        if (available < kParameterRecordLines) {
            contents.problem = {ParameterFileProblem::Kind::Incomplete,
                                static_cast<int>(lines.size()),
                                static_cast<int>(start) + 1,
                                {},
                                {},
                                -1};
            return contents;
        }
        contents.records.append(record);
        start += kParameterRecordLines;
    }
    return contents;
}

QList<std::pair<QString, QString>> parameterRecordStoreEntries(const ParameterRecord& record)
{
    QList<std::pair<QString, QString>> entries;
    entries.reserve(kLayoutKeyCount + 2);
    entries.append({Key::QslDeFond, record.background});
    for (const QString& key : layoutWriteOrder())
        entries.append({key, QString::number(record.layout.value(key))});
    entries.append({Key::Commentaire, record.comment});
    return entries;
}
