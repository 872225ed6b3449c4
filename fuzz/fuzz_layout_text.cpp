// Fuzzes the conversion of a stored layout text into a 16-bit layout value, under the C and
// the French number formats, and checks its properties rather than only "no crash".
#include "layout/card_layout.h"
#include "platform/number_format.h"
#include "platform/text_file.h"

#include <QLocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace
{

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void checkIn(const QString& text, const QLocale& locale)
{
    const std::optional<double> real = readNumber(text, locale);
    const std::optional<qint16> value = readInt16(text, locale);
    // A 16-bit value exists exactly when the text is a number whose rounding fits 16 bits.
    if (!real) {
        check(!value);
        return;
    }
    const double rounded = std::nearbyint(*real);
    const bool fits = rounded >= -32768 && rounded <= 32767;
    check(value.has_value() == fits);
    if (!value)
        return;
    check(*value == rounded);
    // Halves go to the even neighbour; everything else to the nearest whole number.
    check(std::fabs(*real - *value) <= 0.5);
    if (std::fabs(*real - *value) == 0.5)
        check(*value % 2 == 0);
    // The value written back in the same format reads as itself.
    check(readInt16(writeNumber(*value, locale), locale) == value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const QLocale c = QLocale::c();
    static const QLocale french(QLocale::French, QLocale::France);
    const QString text = decodeText(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    checkIn(text, c);
    checkIn(text, french);
    return 0;
}
