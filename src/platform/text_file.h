#pragma once

#include "platform/outcome.h"
#include "text/lines.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

// 8-bit text files, read and written whole.
//
// Reading decodes the bytes as UTF-8 when they are valid UTF-8, else as Windows-1252, so
// logs written by any common program read right. Writing uses Windows-1252 when every
// character fits, else UTF-8, so nothing typed is ever lost.

QString decodeText(const QByteArray& bytes);
QByteArray encodeText(const QString& text);

// A text file as read: its text, or why it could not be read (FileReason).
struct [[nodiscard]] TextFile {
    QString text;
    Outcome outcome;

    QStringList lines() const { return splitLines(text); }
};

// Reads and decodes a whole file with the rules above. A file larger than `largestBytes` is
// refused (FileReason::FileTooLarge) once one byte past the bound is read, so that a file of the
// wrong kind costs no more than the bound; a log, which may be large, is read whatever its size.
inline constexpr qint64 kAnySize = -1;
TextFile readTextFile(const QString& path, qint64 largestBytes = kAnySize);

// Writes the lines, each followed by a carriage return and a line feed, replacing any file of
// that name; the file is written whole, and synced to the disk, or not at all (the previous file
// then stays as it was).
Outcome writeTextLines(const QString& path, const QStringList& lines);
