#include "selection/range_checks.h"

#include "selection/selection_texts.h"

namespace
{

// Far above the largest list, far below the largest int.
constexpr int kNumberCeiling = 1'000'000'000;

} // namespace

int leadingNumber(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == QLatin1Char(' '))
        ++i;
    int number = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            break;
        // Stops growing at the ceiling, before the multiplication could overflow.
        number = number >= kNumberCeiling / 10 ? kNumberCeiling : number * 10 + (c - u'0');
    }
    return number;
}

std::optional<QString> checkStart(QStringView start, int lineCount)
{
    if (start.isEmpty())
        return SelectLogText::StartMissing;
    if (leadingNumber(start) >= lineCount)
        return SelectLogText::StartTooLarge;
    return std::nullopt;
}

std::optional<QString> checkEnd(QStringView start, QStringView end, int lineCount)
{
    if (end.isEmpty())
        return SelectLogText::EndMissing;
    if (leadingNumber(start) > leadingNumber(end))
        return SelectLogText::EndBelowStart;
    if (leadingNumber(end) >= lineCount)
        return SelectLogText::EndTooLarge;
    return std::nullopt;
}

std::optional<RangeRefusal> checkRange(QStringView start, QStringView end, int lineCount)
{
    if (const std::optional<QString> message = checkStart(start, lineCount))
        return RangeRefusal{*message, RangeBox::Start};
    if (leadingNumber(start) < 1)
        return RangeRefusal{SelectLogText::StartZero, RangeBox::Start};
    if (const std::optional<QString> message = checkEnd(start, end, lineCount))
        return RangeRefusal{*message, RangeBox::End};
    return std::nullopt;
}
