#include "card/card_fields.h"

#include "platform/number_format.h"
#include "text/blanks.h"

namespace
{

// A field of the picked line: first column (counted from 1) and width.
struct Column {
    int first;
    int width;
};

constexpr Column kCallsign{1, 11};
constexpr Column kDate{15, 8};
constexpr Column kTime{25, 5};
constexpr Column kBand{32, 9};
constexpr Column kMode{42, 7};
constexpr Column kRst{51, 8};
constexpr Column kQslReceived{61, 3};
constexpr Column kVia{66, 11};

QString cut(const QString& line, Column column)
{
    return line.mid(column.first - 1, column.width);
}

QString cutCentred(const QString& line, Column column)
{
    return centreText(trimBlanks(cut(line, column)).toString(), column.width);
}

const QString kFilePrefix = QStringLiteral("QSL_");
const QString kFileSeparator = QStringLiteral("_");
const QString kFileExtension = QStringLiteral(".bmp");

} // namespace

QString centreText(const QString& text, int width)
{
    const auto blanks = static_cast<qsizetype>(roundHalfEven((width - text.size()) / 2.0));
    if (blanks <= 0)
        return text;
    return QString(blanks, QLatin1Char(' ')) + text;
}

CardFields cutPickedLine(const QString& line)
{
    return {
        cutCentred(line, kCallsign), cut(line, kDate),       cut(line, kTime),
        cutCentred(line, kBand),     cut(line, kMode),       cut(line, kRst),
        cut(line, kQslReceived),     cutCentred(line, kVia),
    };
}

QString cardFileName(const CardFields& fields)
{
    // A "/" in any field (a mode such as SSB/CW, a band of a damaged line) would name a folder:
    // it is made "_" as in the callsign, so that the name stays one file inside the output folder.
    const auto part = [](const QString& field) {
        return trimBlanks(field).toString().replace(QLatin1Char('/'), QLatin1Char('_'));
    };
    return kFilePrefix + part(fields.callsign) + kFileSeparator + part(fields.band) + kFileSeparator +
           part(fields.mode) + kFileExtension;
}
