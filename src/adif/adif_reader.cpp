#include "adif/adif_reader.h"

#include "adif/band_table.h"
#include "adif/lire_champ.h"
#include "text/message_break.h"

#include <algorithm>

namespace
{

const QString kEndOfHeader = QStringLiteral("<EOH>");
const QString kEndOfRecord = QStringLiteral("<EOR>");

// The tags searched, in the order they are read.
namespace Tag
{
const QString Date = QStringLiteral("<QSO_DATE");
const QString Time = QStringLiteral("<TIME_ON");
const QString Call = QStringLiteral("<CALL");
const QString Via = QStringLiteral("<QSL_VIA");
const QString Mode = QStringLiteral("<MODE");
const QString Rst = QStringLiteral("<RST_SENT");
const QString QslReceived = QStringLiteral("<QSL_RCVD");
} // namespace Tag

// Longer callsigns and managers keep their first 12 characters; a longer mode, report or QSL
// received value is cut to its column so that the columns after it stay in place.
constexpr qsizetype kCallLength = 12;
constexpr qsizetype kModeLength = QsoColumn::Mode;
constexpr qsizetype kRstLength = QsoColumn::RstSent;
constexpr qsizetype kQslReceivedLength = QsoColumn::QslReceived;

// Upper-cases character by character so the text keeps its length. ASCII letters are done in a
// first pass without branches, which the compiler turns into vector code; the rare text that holds
// other characters has them upper-cased in a second pass.
void upperInPlace(QString& text)
{
    char16_t* chars = reinterpret_cast<char16_t*>(text.data());
    const qsizetype n = text.size();
    char16_t seen = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = chars[i];
        seen |= u;
        chars[i] = char16_t(u - (char16_t(u - u'a') < 26 ? u'a' - u'A' : 0));
    }
    if (seen < 0x80)
        return;
    for (qsizetype i = 0; i < n; ++i)
        if (chars[i] >= 0x80)
            chars[i] = QChar(chars[i]).toUpper().unicode();
}

// Characters `from` to `from + length` that the text has; nothing when it is shorter.
QStringView midOrEmpty(QStringView text, qsizetype from, qsizetype length)
{
    return from < text.size() ? text.sliced(from, qMin(length, text.size() - from)) : QStringView();
}

void tellIfSet(const MessageSink& tell, const QString& text)
{
    if (tell)
        tell(text);
}

// The field's text made `text`. The field keeps its room, and is never shared with another string,
// so that the same fields serve record after record without allocating.
void setText(QString& field, QStringView text)
{
    field.resize(0);
    field.append(text);
}

// The value cut to `length` characters, or the placeholder when there is none.
void setValueOr(QString& field, QStringView value, const QString& placeholder, qsizetype length)
{
    setText(field, value.isEmpty() ? QStringView(placeholder) : value.left(length));
}

// YYYYMMDD written day first: the last 2 characters, characters 5-6, characters 3-4.
void setDayFirstDate(QString& field, QStringView date)
{
    setText(field, date.right(2));
    field.append(QLatin1Char('/')).append(midOrEmpty(date, 4, 2));
    field.append(QLatin1Char('/')).append(midOrEmpty(date, 2, 2));
}

// HHMM or HHMMSS as HH:MM.
void setHoursMinutes(QString& field, QStringView time)
{
    setText(field, time.left(2));
    field.append(QLatin1Char(':')).append(midOrEmpty(time, 2, 2));
}

QStringView qslReceivedText(QStringView value)
{
    if (value.isEmpty() || value == QLatin1String("N"))
        return AdifText::QslNo;
    if (value == QLatin1String("Y"))
        return AdifText::QslYes;
    return value.left(kQslReceivedLength);
}

QString listFullMessage(int listed)
{
    return (listed > 1 ? AdifText::ListFullMany : AdifText::ListFullOne).arg(listed) + kMessageBreak +
           AdifText::ListFullRest;
}

// Reads the values of one upper-cased record into `fields`, each cut to its column, with the
// placeholders of missing fields; the missing date, time, callsign and band are told in that order.
// Every field is written over, keeping its room, so that one QsoFields serves a whole log.
void readRecordFields(QStringView recordText, const MessageSink& tell, QsoFields& fields)
{
    const RecordText record(recordText);

    const QStringView date = Lire_Champ(record, Tag::Date);
    if (date.isEmpty()) {
        tellIfSet(tell, AdifText::DateMissing);
        setText(fields.date, AdifText::DatePlaceholder);
    } else {
        setDayFirstDate(fields.date, date);
    }

    const QStringView time = Lire_Champ(record, Tag::Time);
    if (time.isEmpty()) {
        tellIfSet(tell, AdifText::TimeMissing);
        setText(fields.time, AdifText::TimePlaceholder);
    } else {
        setHoursMinutes(fields.time, time);
    }

    const QStringView call = Lire_Champ(record, Tag::Call);
    if (call.isEmpty()) {
        tellIfSet(tell, AdifText::CallMissing);
        setText(fields.callsign, AdifText::CallPlaceholder);
    } else {
        setText(fields.callsign, call.left(kCallLength));
    }

    setText(fields.qslVia, Lire_Champ(record, Tag::Via).left(kCallLength));
    setValueOr(fields.mode, Lire_Champ(record, Tag::Mode), AdifText::ModePlaceholder, kModeLength);
    setValueOr(fields.rstSent, Lire_Champ(record, Tag::Rst), AdifText::RstPlaceholder, kRstLength);
    setText(fields.band, Nom_Bande(record, tell));
    setText(fields.qslReceived, qslReceivedText(Lire_Champ(record, Tag::QslReceived)));
}

// The header: up to and including the first line holding "<EOH>".
void skipHeader(LineCursor& lines)
{
    for (QStringView line; lines.next(line);)
        if (findTag(line, kEndOfHeader) >= 0)
            return;
}

} // namespace

AdifReadSummary readAdif(QString& text, LineEnds ends, int room, const LineSink& emitLine, const MessageSink& tell)
{
    AdifReadSummary summary;
    upperInPlace(text);
    LineCursor lines(text, ends);
    skipHeader(lines);
    QStringView line;

    const int limit = qMin(room, kMaxQsoNumber);
    int counter = 1;
    QsoFields fields;
    while (lines.next(line)) {
        QStringView record = line;
        if (findTag(line, kEndOfRecord) < 0) {
            // The lines of a record that spans several are moved together over their line ends, in
            // the text itself: the cursor reads further on, past what is moved.
            QChar* const start = text.data() + (line.data() - text.constData());
            qsizetype length = line.size();
            bool ended = false;
            while (!ended && lines.next(line)) {
                // Only the text that could hold a new "<EOR>" is searched, so a record spread over
                // many lines is not searched again from its start for every line.
                const qsizetype searchFrom = qMax<qsizetype>(0, length - (kEndOfRecord.size() - 1));
                std::copy(line.begin(), line.end(), start + length);
                length += line.size();
                ended = findTag(QStringView(start, length), kEndOfRecord, searchFrom) >= 0;
            }
            record = QStringView(start, length);
        }
        if (record.isEmpty())
            break;
        if (summary.listed >= limit) {
            summary.full = true;
            tellIfSet(tell, listFullMessage(summary.listed));
            break;
        }
        readRecordFields(record, tell, fields);
        if (emitLine)
            emitLine(Ligne_QSO(counter, fields));
        ++counter;
        ++summary.listed;
    }
    return summary;
}

int countAdifRecords(QString& text, LineEnds ends, int limit)
{
    upperInPlace(text);
    LineCursor lines(text, ends);
    skipHeader(lines);
    limit = qMin(limit, kMaxQsoNumber);
    const qsizetype keep = kEndOfRecord.size() - 1;
    int records = 0;
    QString tail; // the last characters of the record so far, where an "<EOR>" cut by a line end begins
    for (QStringView line; records < limit && lines.next(line);) {
        // The record's lines as readAdif glues them, up to the one that completes an "<EOR>".
        bool empty = line.isEmpty();
        bool ended = findTag(line, kEndOfRecord) >= 0;
        tail = line.right(keep).toString();
        while (!ended && lines.next(line)) {
            empty = empty && line.isEmpty();
            const QString joint = tail + line.left(keep).toString();
            ended = findTag(joint, kEndOfRecord) >= 0 || findTag(line, kEndOfRecord) >= 0;
            tail = (tail + line.right(keep).toString()).right(keep);
        }
        if (empty)
            break;
        ++records;
    }
    return records;
}
