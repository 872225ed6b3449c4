#include "selection/qso_selection.h"

#include "adif/adif_reader.h"
#include "adif/qso_line.h"
#include "selection/callsign_order.h"

namespace
{

QStringList pickedForms(const QStringList& numbered, qsizetype first, qsizetype count)
{
    QStringList picked;
    picked.reserve(count);
    for (qsizetype i = first; i < first + count; ++i)
        picked.append(Corps_Ligne(numbered.at(i)));
    return picked;
}

// Numbers the lines 1, 2, 3 ...; a line that already carries its number is kept as it is.
void numberFromOne(QStringList& numbered)
{
    for (qsizetype i = 0; i < numbered.size(); ++i) {
        const int number = static_cast<int>(i + 1);
        if (!hasNumber(numbered.at(i), number))
            renumber(numbered[i], number);
    }
}

} // namespace

int QsoSelection::room() const
{
    return qMax(0, kMaxListLines - unpicked_.count() - picked_.count());
}

void QsoSelection::pick(int row)
{
    if (row < 0 || row >= unpicked_.count())
        return;
    picked_.append(Corps_Ligne(unpicked_.at(row)));
    unpicked_.remove(row);
}

void QsoSelection::putBack(int row)
{
    if (row < 0 || row >= picked_.count())
        return;
    unpicked_.append(Numeroter(unpicked_.count(), picked_.at(row)));
    renumber();
    picked_.remove(row);
}

bool QsoSelection::pickAll()
{
    if (unpicked_.count() == 0)
        return false;
    picked_.append(pickedForms(unpicked_.lines(), 0, unpicked_.count()));
    unpicked_.clear();
    return true;
}

void QsoSelection::pickRange(int first, int last)
{
    if (first < 1 || last < first || last > unpicked_.count())
        return;
    picked_.append(pickedForms(unpicked_.lines(), first - 1, last - first + 1));
    unpicked_.remove(first - 1, last - first + 1);
}

void QsoSelection::renumber()
{
    QStringList numbered = unpicked_.lines();
    numberFromOne(numbered);
    unpicked_.replaceAll(std::move(numbered));
}

void QsoSelection::sortByCall()
{
    QStringList unpicked = unpicked_.lines();
    ::sortByCall(unpicked, QsoColumn::Number);
    numberFromOne(unpicked);
    unpicked_.replaceAll(std::move(unpicked));

    QStringList picked = picked_.lines();
    ::sortByCall(picked);
    picked_.replaceAll(std::move(picked));
}
