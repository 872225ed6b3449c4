#include "settings/ini_section.h"

#include <QList>
#include <optional>

namespace
{

constexpr char kHexDigits[] = "0123456789ABCDEF";

QString unescapedKey(QByteArrayView key)
{
    QString result;
    for (qsizetype i = 0; i < key.size();) {
        const char c = key[i];
        if (c == '\\') {
            result += QLatin1Char('/');
            ++i;
            continue;
        }
        if (c == '%' && i + 1 < key.size()) {
            const int digits = key[i + 1] == 'U' ? 4 : 2;
            const qsizetype first = i + 1 + (digits == 4 ? 1 : 0);
            bool ok = false;
            const uint code = first + digits <= key.size() ? key.sliced(first, digits).toUInt(&ok, 16) : 0;
            if (ok) {
                result += QChar(char16_t(code));
                i = first + digits;
                continue;
            }
        }
        result += QLatin1Char(c);
        ++i;
    }
    return result;
}

// The value of a digit in base 8 or 16, or -1.
int digitValue(char c, int base)
{
    const int value = c >= '0' && c <= '9'   ? c - '0'
                      : c >= 'a' && c <= 'f' ? c - 'a' + 10
                      : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                             : -1;
    return value < base ? value : -1;
}

bool isHexDigit(char c)
{
    return digitValue(c, 16) >= 0;
}

// A value's text as QSettings reads it: blanks around it dropped, quotes, escapes, a ";" outside
// quotes ending the value, a "," outside quotes making a list (of which only a one-item list reads
// as a text). Sets `isList` for a list.
QString unescapedValue(QByteArrayView raw, QStringList& items, bool& isList)
{
    QString text;
    QByteArray run; // plain bytes waiting to be decoded as UTF-8
    bool quoted = false, currentQuoted = false;
    qsizetype chopLimit = 0;
    const auto flush = [&] {
        text += QString::fromUtf8(run);
        run.clear();
    };
    const auto chopBlanks = [&] {
        flush();
        if (currentQuoted)
            return;
        qsizetype n = text.size();
        while (n > chopLimit && (text[n - 1] == u' ' || text[n - 1] == u'\t'))
            --n;
        text.truncate(n);
    };
    qsizetype i = 0;
    const auto skipBlanks = [&] {
        while (i < raw.size() && (raw[i] == ' ' || raw[i] == '\t'))
            ++i;
    };
    skipBlanks();
    while (i < raw.size()) {
        const char c = raw[i];
        if (c == '\\' && i + 1 < raw.size()) {
            flush();
            const char e = raw[i + 1];
            i += 2;
            static const QByteArrayView plain = "abfnrtv\"?'\\";
            static const QByteArrayView meant = "\a\b\f\n\r\t\v\"?'\\";
            if (const qsizetype k = plain.indexOf(e); k >= 0)
                text += QLatin1Char(meant[k]);
            else if (e == 'x' || (e >= '0' && e <= '7')) {
                const int base = e == 'x' ? 16 : 8;
                uint code = e == 'x' ? 0 : uint(e - '0');
                while (i < raw.size() && digitValue(raw[i], base) >= 0)
                    code = code * base + uint(digitValue(raw[i++], base));
                text += QChar(char16_t(code));
            }
            chopLimit = text.size();
        } else if (c == '\\') {
            ++i;
        } else if (c == '"') {
            flush();
            ++i;
            currentQuoted = true;
            quoted = !quoted;
            if (!quoted)
                skipBlanks();
        } else if (c == ',' && !quoted) {
            chopBlanks();
            isList = true;
            items.append(text);
            text.clear();
            chopLimit = 0;
            currentQuoted = false;
            ++i;
            skipBlanks();
        } else if (c == ';' && !quoted) {
            break;
        } else {
            run += c;
            ++i;
        }
    }
    chopBlanks();
    if (isList)
        items.append(text);
    return text;
}

// The text QSettings gives for a stored value, or nothing when it reads as no value at all.
std::optional<QString> storedText(QByteArrayView raw)
{
    QStringList items;
    bool isList = false;
    QString text = unescapedValue(raw, items, isList);
    if (isList)
        return items.size() == 1 ? items.first() : QString();
    if (!text.startsWith(QLatin1Char('@')))
        return text;
    if (text.startsWith(QLatin1String("@@")))
        return text.mid(1);
    if (text == QLatin1String("@Invalid()"))
        return std::nullopt;
    for (const QLatin1String typed : {QLatin1String("@String("), QLatin1String("@ByteArray(")})
        if (text.startsWith(typed) && text.endsWith(QLatin1Char(')')))
            return text.mid(typed.size(), text.size() - typed.size() - 1);
    // Another type (a rectangle, a binary variant): no text.
    return text.contains(QLatin1Char('(')) && text.endsWith(QLatin1Char(')')) ? QString() : text;
}

QByteArray escapedValue(const QString& value)
{
    QString text = value;
    if (text.contains(QChar(u'\0')))
        text = QStringLiteral("@String(") + text + QLatin1Char(')');
    else if (text.startsWith(QLatin1Char('@')))
        text.prepend(QLatin1Char('@'));
    QByteArray out;
    QString beyondAscii; // written as UTF-8 a run at a time, so that surrogate pairs stay whole
    const auto flushBeyondAscii = [&] {
        out += beyondAscii.toUtf8();
        beyondAscii.clear();
    };
    bool needsQuotes = false, escapeNextIfHex = false;
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        if (c >= 0x80) {
            beyondAscii += qc;
            escapeNextIfHex = false;
            continue;
        }
        flushBeyondAscii();
        if (c == ';' || c == ',' || c == '=')
            needsQuotes = true;
        if (escapeNextIfHex && c < 0x80 && isHexDigit(char(c))) {
            out += "\\x" + QByteArray::number(c, 16);
            continue;
        }
        escapeNextIfHex = false;
        switch (c) {
        case 0:
            out += "\\0";
            escapeNextIfHex = true;
            break;
        case '\a': out += "\\a"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\v': out += "\\v"; break;
        case '"':
        case '\\':
            out += '\\';
            out += char(c);
            break;
        default:
            if (c <= 0x1F) {
                out += "\\x" + QByteArray::number(c, 16);
                escapeNextIfHex = true;
            } else
                out += char(c);
        }
    }
    flushBeyondAscii();
    if (needsQuotes || out.startsWith(' ') || out.endsWith(' '))
        out = '"' + out + '"';
    return out;
}

QList<QByteArrayView> fileLines(const QByteArray& bytes)
{
    QList<QByteArrayView> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\n' && bytes[i] != '\r')
            continue;
        const qsizetype end = i + (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n' ? 2 : 1);
        lines.append(QByteArrayView(bytes).sliced(start, end - start));
        start = end;
        i = end - 1;
    }
    if (start < bytes.size())
        lines.append(QByteArrayView(bytes).sliced(start));
    return lines;
}

// The name of a section header line, or nothing for another line.
std::optional<QString> sectionName(QByteArrayView line)
{
    const QByteArrayView trimmed = line.trimmed();
    if (!trimmed.startsWith('['))
        return std::nullopt;
    const qsizetype end = trimmed.indexOf(']');
    if (end < 0)
        return std::nullopt;
    return unescapedKey(trimmed.sliced(1, end - 1));
}

} // namespace

QByteArray iniEscapedKey(const QString& key)
{
    QByteArray escaped;
    for (const QChar qc : key) {
        const char16_t c = qc.unicode();
        if (c == '/')
            escaped += '\\';
        else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-' ||
                 c == '.')
            escaped += char(c);
        else if (c <= 0xFF)
            escaped += '%' + QByteArray(1, kHexDigits[c >> 4]) + kHexDigits[c & 0xF];
        else
            escaped += "%U" + QByteArray::number(c, 16).toUpper().rightJustified(4, '0');
    }
    return escaped;
}

IniSection readIniSection(const QByteArray& bytes, const QString& name)
{
    IniSection section;
    enum { Before, Inside, After } where = Before;
    bool inThis = false;
    for (const QByteArrayView line : fileLines(bytes)) {
        if (const std::optional<QString> header = sectionName(line)) {
            inThis = *header == name;
            if (inThis && where == Before)
                where = Inside;
            else if (!inThis && where == Inside)
                where = After;
            if (inThis)
                continue;
        }
        if (!inThis) {
            (where == Before ? section.before : section.after) += line;
            continue;
        }
        const QByteArrayView content = line.trimmed();
        const qsizetype equals = content.indexOf('=');
        if (content.isEmpty() || content.startsWith(';') || content.startsWith('#') || equals < 0)
            continue;
        const QString key = unescapedKey(content.first(equals).trimmed());
        if (const std::optional<QString> text = storedText(content.sliced(equals + 1)))
            section.values.insert(key, *text);
        else
            section.values.remove(key);
    }
    return section;
}

QByteArray writeIniSection(const IniSection& section, const QString& name)
{
    // QSettings ends its lines as the system does.
#ifdef Q_OS_WIN
    const QByteArray lineEnd = "\r\n";
#else
    const QByteArray lineEnd = "\n";
#endif
    QByteArray out = section.before;
    // Sections are parted by one empty line, as QSettings writes them.
    if (!out.isEmpty() && !out.endsWith('\n'))
        out += lineEnd;
    if (!out.isEmpty() && !out.endsWith(lineEnd + lineEnd))
        out += lineEnd;
    out += '[' + iniEscapedKey(name) + ']' + lineEnd;
    for (auto it = section.values.cbegin(); it != section.values.cend(); ++it)
        out += iniEscapedKey(it.key()) + '=' + escapedValue(it.value()) + lineEnd;
    if (!section.after.isEmpty())
        out += (section.after.startsWith(lineEnd) ? QByteArray() : lineEnd) + section.after;
    return out;
}
