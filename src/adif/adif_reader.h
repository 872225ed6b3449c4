#pragma once

#include "adif/adif_messages.h"
#include "adif/qso_line.h"
#include "text/lines.h"

#include <QList>
#include <QString>
#include <QStringView>
#include <functional>

// Turns the lines of an ADIF log into numbered QSO lines.
//
// The log is not parsed by its length specifiers but searched as text: the header runs up to the
// first line holding "<EOH>" (that whole line is dropped), then each record is the upper-cased
// lines glued together up to the one holding "<EOR>". Each record gives one line numbered from 1;
// a missing date, time, callsign or band is told through the message sink at the moment it is
// found missing, so the messages come in the order date, time, callsign, band, record by record,
// each after the lines of the records before it.

// Lists hold at most this many lines, and a QSO number has at most 5 digits.
inline constexpr int kMaxListLines = 32767;
inline constexpr int kMaxQsoNumber = 99999;

using LineSink = std::function<void(const QString& numberedLine)>;

struct AdifReadSummary {
    int listed = 0;    // lines handed to the line sink
    bool full = false; // reading stopped at the limit with records left
};

// Reads the text of one log, its lines ending as `ends` says. The text is upper-cased in place
// first (tags and values are read in capitals), and the lines of a record that spans several are
// moved together in it, so that reading takes no copy of the text whatever it holds. At most `room` lines are produced:
// with more records left, reading stops and says once how many QSOs of this file were listed and that the rest was not.
AdifReadSummary readAdif(QString& text, LineEnds ends, int room, const LineSink& emitLine, const MessageSink& tell);

// How many lines readAdif would list from the text with `ends`, at most `limit`, without a message
// and without moving its lines: the text is only upper-cased in place, as reading does first, so
// that the same text can be read afterwards. Telling whether lines ended by LF alone made records
// run together costs one pass over the text and no copy of it.
int countAdifRecords(QString& text, LineEnds ends, int limit);
