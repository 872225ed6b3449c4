#include "selection/callsign_order.h"

#include <algorithm>

namespace {

// The rank of one character: the blank first, then every character by its case-folded code,
// which puts digits before letters.
char32_t rank(QChar c)
{
    const char16_t u = c.unicode();
    if (u == u' ')
        return 0;
    if (u < 0x80)
        return (u >= u'A' && u <= u'Z' ? u + (u'a' - u'A') : u) + 1u;
    return char32_t(QChar::toCaseFolded(u)) + 1u;
}

} // namespace

bool comesBeforeByCall(QStringView left, QStringView right)
{
    const qsizetype common = qMin(left.size(), right.size());
    for (qsizetype i = 0; i < common; ++i) {
        const QChar a = left[i];
        const QChar b = right[i];
        if (a == b)
            continue;
        const char32_t ra = rank(a);
        const char32_t rb = rank(b);
        if (ra != rb)
            return ra < rb;
    }
    return left.size() < right.size();
}

void sortByCall(QStringList& lines)
{
    std::stable_sort(lines.begin(), lines.end(),
                     [](const QString& a, const QString& b) { return comesBeforeByCall(a, b); });
}
