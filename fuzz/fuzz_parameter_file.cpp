// Fuzzes the layout parameter file reader: any bytes are read without failing, and every record it
// takes round-trips: written again as a parameter file and read back, it gives the same layout,
// background and comment.
#include "layout/layout_schema.h"
#include "layout/layout_texts.h"
#include "layout/parameter_file.h"
#include "platform/text_file.h"
#include "property_check.h"

#include <QLocale>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace
{

LayoutTexts textsOf(const ParameterRecord& record)
{
    LayoutTexts texts;
    for (int i = 0; i < kLayoutValueCount; ++i)
        texts.values[i] = QString::number(record.layout.at(i));
    texts.comment = record.comment;
    return texts;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const QLocale french(QLocale::French, QLocale::France);
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QStringList lines = splitLines(decodeText(bytes));
    const ParameterFileContents contents = parseParameterFile(lines, french);

    check(contents.records.size() <= lines.size() / kParameterRecordLines);
    if (contents.problem.kind == ParameterFileProblem::Kind::None)
        check(contents.records.size() * kParameterRecordLines == lines.size());

    for (const ParameterRecord& record : contents.records) {
        // A record is taken only when the cards can be drawn with each of its values.
        for (int i = 0; i < kLayoutValueCount; ++i)
            check(kLayoutValues[i].range.contains(record.layout.at(i)));
        const QStringList written = parameterFileLines(record.background, textsOf(record));
        check(written.size() == kParameterRecordLines);
        // Only four characters of a field are read back, and a switch is written between two
        // blanks: longer values do not come back whole; the others must.
        bool short_enough = true;
        for (int i = 0; i < kLayoutValueCount; ++i)
            short_enough = short_enough &&
                           QString::number(record.layout.at(i)).size() <= (layoutKind(i) == LayoutKind::Switch ? 3 : 4);
        // A background or comment holding a line end would split into more lines.
        const bool oneLine =
            !record.background.contains(QLatin1Char('\r')) && !record.comment.contains(QLatin1Char('\r'));
        if (!short_enough || !oneLine)
            continue;
        const ParameterFileContents again = parseParameterFile(written, french);
        check(again.problem.kind == ParameterFileProblem::Kind::None);
        check(again.records.size() == 1);
        check(again.records.first().layout == record.layout);
        check(again.records.first().background == record.background);
        check(again.records.first().comment == record.comment);
        // And the store gets the background first, 66 values, then the comment.
        check(parameterRecordStoreEntries(record).size() == kLayoutValueCount + 2);
    }
    return 0;
}
