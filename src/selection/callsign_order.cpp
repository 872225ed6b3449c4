#include "selection/callsign_order.h"

#include <algorithm>

namespace
{

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
    const char16_t* a = left.utf16();
    const char16_t* b = right.utf16();
    const qsizetype common = qMin(left.size(), right.size());
    // Identical runs are skipped at memory speed; only differing characters are ranked.
    for (qsizetype i = 0;; ++i) {
        i = std::mismatch(a + i, a + common, b + i).first - a;
        if (i == common)
            return left.size() < right.size();
        const char32_t ra = rank(QChar(a[i]));
        const char32_t rb = rank(QChar(b[i]));
        if (ra != rb)
            return ra < rb;
    }
}

void sortByCall(QStringList& lines, qsizetype skip)
{
    std::stable_sort(lines.begin(), lines.end(), [skip](const QString& a, const QString& b) {
        return comesBeforeByCall(QStringView(a).sliced(qMin(skip, a.size())),
                                 QStringView(b).sliced(qMin(skip, b.size())));
    });
}
