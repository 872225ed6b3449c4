#include "platform/text_file.h"

#include "platform/file_reasons.h"
#include "platform/file_writes.h"

#include <QFile>
#include <QStringDecoder>
#include <array>

namespace
{

// Windows-1252 characters 0x80 to 0x9F; the other bytes are the same as in Latin-1.
// The five unassigned bytes keep their Latin-1 control meaning.
constexpr std::array<char16_t, 32> kCp1252High = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                  0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::optional<char> toCp1252(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<char>(u);
    for (std::size_t i = 0; i < kCp1252High.size(); ++i)
        if (kCp1252High[i] == u)
            return static_cast<char>(0x80 + i);
    return std::nullopt;
}

} // namespace

QString decodeText(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) {
        if (text.startsWith(QChar(0xFEFF)))
            text.remove(0, 1);
        return text;
    }
    text.clear();
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        text.append(b >= 0x80 && b < 0xA0 ? QChar(kCp1252High[b - 0x80]) : QChar(b));
    }
    return text;
}

QByteArray encodeText(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) {
        const std::optional<char> b = toCp1252(c);
        if (!b)
            return text.toUtf8();
        bytes.append(*b);
    }
    return bytes;
}

TextFile readTextFile(const QString& path, qint64 largestBytes)
{
    if (QString reason = whyNotARegularFile(path); !reason.isEmpty())
        return {{}, Outcome::failure(reason)};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, Outcome::failure(whyCannotRead(path))};
    const auto tooLarge = [largestBytes] {
        return TextFile{{}, Outcome::failure(FileReason::FileTooLarge.arg((largestBytes + 1023) / 1024))};
    };
    // Never more than one byte past the bound, which tells a file too large.
    const QByteArray bytes = largestBytes == kAnySize ? file.readAll() : file.read(largestBytes + 1);
    if (largestBytes != kAnySize && bytes.size() > largestBytes)
        return tooLarge();
    if (file.error() != QFileDevice::NoError)
        return {{}, Outcome::failure(FileReason::CannotRead)};
    return {decodeText(bytes), {}};
}

Outcome writeTextLines(const QString& path, const QStringList& lines)
{
    QString text;
    for (const QString& line : lines) {
        text += line;
        text += QLatin1String("\r\n");
    }
    return writeFileReplacing(path, encodeText(text), Durability::AtOnce);
}
