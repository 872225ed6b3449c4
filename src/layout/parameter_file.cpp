#include "layout/parameter_file.h"
#include "layout/layout_schema.h"

#include "layout/layout_texts.h"
#include "platform/number_format.h"
#include "platform/program_folder.h"

namespace
{

constexpr int kFieldWidth = 4;
constexpr int kBackgroundLine = 1;
constexpr int kCommentLine = kParameterRecordLines;

constexpr bool everyLineBetweenHoldsValues()
{
    for (int n = kBackgroundLine + 1; n < kCommentLine; ++n) {
        bool held = false;
        for (const LayoutValue& value : kLayoutValues)
            held = held || value.fileLine == n;
        if (!held)
            return false;
    }
    for (const LayoutValue& value : kLayoutValues)
        if (value.fileLine <= kBackgroundLine || value.fileLine >= kCommentLine)
            return false;
    return true;
}
static_assert(everyLineBetweenHoldsValues());

// The values of each line of a record, in the order they stand on it.
const std::array<QList<int>, kParameterRecordLines + 1>& valuesByLine()
{
    static const auto byLine = [] {
        std::array<QList<int>, kParameterRecordLines + 1> lines;
        for (int i = 0; i < kLayoutValueCount; ++i) {
            QList<int>& line = lines[static_cast<size_t>(kLayoutValues[i].fileLine)];
            if (kLayoutValues[i].fileField == FileField::Left)
                line.prepend(i);
            else
                line.append(i);
        }
        return lines;
    }();
    return byLine;
}

// The text of one value on its line: a switch between two blanks (" 1 "), any other as typed.
QString fieldText(int keyIndex, const QString& text)
{
    return layoutKind(keyIndex) == LayoutKind::Switch ? QStringLiteral(" %1 ").arg(text) : text;
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
    for (int n = 1; n <= kParameterRecordLines; ++n) {
        const QList<int>& values = valuesByLine()[static_cast<size_t>(n)];
        if (n == kBackgroundLine)
            lines.append(background);
        else if (n == kCommentLine)
            lines.append(texts.comment);
        else if (values.size() == 2)
            lines.append(printZones(fieldText(values[0], texts.values[values[0]]),
                                    fieldText(values[1], texts.values[values[1]])));
        else
            lines.append(fieldText(values[0], texts.values[values[0]]));
    }
    return lines;
}

namespace
{

bool isBlank(const QString& line)
{
    return line.trimmed().isEmpty();
}

ParameterFileContents parseRecords(const QStringList& lines, const QLocale& locale)
{
    ParameterFileContents contents;
    if (lines.isEmpty()) {
        contents.problem.kind = ParameterFileProblem::Kind::Empty;
        return contents;
    }
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (lines[i].size() > kLongestParameterLine) {
            contents.problem = {ParameterFileProblem::Kind::LineTooLong,
                                static_cast<int>(i + 1),
                                static_cast<int>(i / kParameterRecordLines * kParameterRecordLines + 1),
                                {},
                                QString::number(lines[i].size()),
                                -1};
            return contents;
        }

    qsizetype end = lines.size(); // past the last line that is not blank
    while (end > 0 && isBlank(lines[end - 1]))
        --end;
    qsizetype start = 0; // index of the record's first line
    while (start < lines.size() && (start == 0 || start < end)) {
        ParameterRecord record;
        const auto lineAt = [&](int lineInRecord) { return lines.at(start + lineInRecord - 1); };
        const auto fileLine = [&](int lineInRecord) { return static_cast<int>(start) + lineInRecord; };

        // Reads one field into the record; false when it is not a 16-bit number the cards can be
        // drawn with.
        const auto take = [&](int lineInRecord, int keyIndex) {
            const QString& line = lineAt(lineInRecord);
            const QString field = kLayoutValues[keyIndex].fileField == FileField::Right ? line.right(kFieldWidth)
                                                                                        : line.left(kFieldWidth);
            const std::optional<qint16> value = readInt16(field, locale);
            if (value && kLayoutValues[keyIndex].range.contains(*value)) {
                record.layout.setAt(keyIndex, *value);
                return true;
            }
            contents.problem = {value ? ParameterFileProblem::Kind::OutOfRange : ParameterFileProblem::Kind::BadField,
                                fileLine(lineInRecord),
                                static_cast<int>(start) + 1,
                                QLatin1String(kLayoutValues[keyIndex].key),
                                field,
                                keyIndex};
            return false;
        };

        const qsizetype available = std::min<qsizetype>(kParameterRecordLines, lines.size() - start);
        for (int n = 1; n <= available; ++n) {
            if (n == kBackgroundLine)
                record.background = lineAt(n);
            else if (n == kCommentLine)
                record.comment = lineAt(n);
            for (const int keyIndex : valuesByLine()[static_cast<size_t>(n)])
                if (!take(n, keyIndex))
                    return contents;
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

} // namespace

ParameterFileContents parseParameterFile(const QStringList& lines, const QLocale& locale)
{
    ParameterFileContents contents = parseRecords(lines, locale);
    ParameterFileProblem& problem = contents.problem;
    for (qsizetype i = 0; problem.kind != ParameterFileProblem::Kind::None && i < problem.line; ++i)
        problem.loneLineFeed = problem.loneLineFeed || lines[i].contains(QLatin1Char('\n'));
    return contents;
}

QList<std::pair<QString, QString>> parameterRecordStoreEntries(const ParameterRecord& record)
{
    QList<std::pair<QString, QString>> entries;
    entries.reserve(kLayoutValueCount + 2);
    entries.append({Key::QslDeFond, record.background});
    for (const QString& key : layoutWriteOrder())
        entries.append({key, QString::number(record.layout.value(key))});
    entries.append({Key::Commentaire, record.comment});
    return entries;
}
