#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

// One section of an INI file, in the form Qt's QSettings reads and writes (UTF-8, keys escaped as
// %XX, values quoted and escaped where needed), with the rest of the file kept byte for byte.
//
// The program writes its settings file itself, so that a write that fails leaves the file as it
// was; the file stays one that QSettings, and so every earlier version of the program, reads.
struct IniSection {
    QByteArray before;             // the lines of the file before the section
    QByteArray after;              // the lines after it: other sections, kept as they are
    QMap<QString, QString> values; // the section's texts by key
};

// The section `name` of an INI file's bytes; a section the file lacks is empty, placed at the end.
IniSection readIniSection(const QByteArray& bytes, const QString& name);

// The file's bytes with the section written in its place, its keys in QSettings' order.
QByteArray writeIniSection(const IniSection& section, const QString& name);

// A key or a section name as QSettings escapes it: letters, digits, "_", "-" and "." as they are,
// other characters as %XX or %UXXXX.
QByteArray iniEscapedKey(const QString& key);
