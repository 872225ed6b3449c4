#pragma once

#include "layout/layout_schema.h"

#include "layout/card_layout.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <utility>

struct LayoutTexts;

// The layout parameter file (".inf"): records of 46 lines, without header or key names.
//   the first line   the background picture
//   then             the layout values, each on the line kLayoutValues gives it; an item's
//                    horizontal and vertical positions share a line, in print zones of 14
//   the last line    the comment
// The writer writes one record from the editor's texts; the reader takes one or more records.

inline constexpr int kParameterRecordLines = 46;
inline constexpr int kPrintZoneWidth = 14;
// No layout needs a longer line: a background's path is at most 4,096 bytes, a comment 30
// characters. A file with a longer line is not a layout, and is refused whole.
inline constexpr qsizetype kLongestParameterLine = 4096;

// The open-file dialog's one filter entry.
inline const QString kParameterFileDescription = QStringLiteral(".inf ");
inline const QString kParameterFilePattern = QStringLiteral("*.inf");
inline const QString kParameterFileExtension = QStringLiteral(".inf");
// A parameter file holds records of 46 short lines (about a kilobyte each); one larger than this
// is not one, and is refused before it is read.
inline constexpr qint64 kLargestParameterFile = 1024 * 1024;

// The name of a layout's file comes from its background: the part after the last folder
// separator ("\" or "/"), cut before its first ".".
QString parameterFileBaseName(const QString& background);

// The parameter file of a background, in the program folder.
QString parameterFilePath(const QString& programFolder, const QString& background);

// Two texts in print zones: the first, then blanks up to the start of the next zone of 14
// characters, then the second.
QString printZones(const QString& first, const QString& second);

// The 46 lines of one record, texts exactly as typed; each switch as a blank, the digit of its
// check box state and a blank (" 1 ").
QStringList parameterFileLines(const QString& background, const LayoutTexts& texts);

// One record as read.
struct ParameterRecord {
    QString background;
    CardLayout layout;
    QString comment;
};

// Why reading stopped early.
struct ParameterFileProblem {
    enum class Kind {
        None,
        Empty,       // the file holds no line at all
        Incomplete,  // the file ends inside a record
        BadField,    // four characters that are not a signed 16-bit number
        OutOfRange,  // a colour outside 0 to 15, a text size or line width below 1
        LineTooLong, // a line longer than kLongestParameterLine: nothing is taken
    };
    Kind kind = Kind::None;
    int line = 0;        // the line of the bad field, or the last line of an incomplete record
    int recordStart = 0; // the first line of the record that was not taken
    QString key;         // the layout key of the bad field
    QString field;       // its four characters
    int keyIndex = -1;   // the index of that key in kLayoutValues
    // A line feed alone, which ends no line here, stands in the lines read up to the problem: lines
    // that an editor shows apart were read as one, which is then what the problem comes from.
    bool loneLineFeed = false;
};

struct ParameterFileContents {
    QList<ParameterRecord> records; // the complete records before any problem, in file order
    ParameterFileProblem problem;
};

// Reads records until the lines run out or a problem is met; a record with a problem is not
// taken, nor anything after it. Blank lines after a complete record, as an editor may leave at the
// end of a file, end the reading as the end of the file does. A file with a line too long for any layout gives no
// record. A number is read from the first four characters of its line (the last four for a vertical position), in the
// user's number format, rounded halves to even. A colour, text size or line width the cards cannot be drawn with (the
// values the layout editor refuses) is a problem too.
ParameterFileContents parseParameterFile(const QStringList& lines, const QLocale& locale = QLocale());

// The (key, text) pairs a loaded record writes to the store, in order: "QSL de fond", the 66
// layout keys as the decimal texts of their values in the editor's order, then "Commentaire".
QList<std::pair<QString, QString>> parameterRecordStoreEntries(const ParameterRecord& record);
