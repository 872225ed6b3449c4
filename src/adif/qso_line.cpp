#include "adif/qso_line.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <utility>

namespace
{

constexpr int kNumberDigits = 5;

void appendNumber(QString& line, int number)
{
    const QString digits = QString::number(number);
    if (digits.size() < kNumberDigits)
        line.resize(line.size() + kNumberDigits - digits.size(), QLatin1Char(' '));
    line += digits;
    line += QLatin1String("  ");
}

// The number column of a number: digits right-aligned in 5 columns, then 2 blanks. False when the
// number does not fit.
bool numberColumn(int number, char16_t (&column)[QsoColumn::Number])
{
    std::fill(std::begin(column), std::end(column), u' ');
    if (number < 0)
        return false;
    int at = kNumberDigits - 1;
    do {
        if (at < 0)
            return false;
        column[at--] = char16_t(u'0' + number % 10);
        number /= 10;
    } while (number > 0);
    return true;
}

// The header words and the run of blanks before each, over the numbered and the picked list
// (-1: the word is not in that header).
struct HeaderWord {
    const char* word;
    int blanksNumbered;
    int blanksPicked;
};

constexpr std::array<HeaderWord, 9> kHeaderWords = {{
    {"N°", 8, -1},
    {"Indicatif", 7, 3},
    {"Date", 24, 24},
    {"Debut", 11, 11},
    {"Bande", 8, 8},
    {"Mode", 10, 10},
    {"Rst E", 11, 11},
    {"QSL reçu", 13, 13},
    {"QSL Via", 5, 5},
}};

template <typename Blanks> QString header(Blanks blanksOf)
{
    QString text;
    for (const HeaderWord& word : kHeaderWords) {
        const int blanks = blanksOf(word);
        if (blanks < 0)
            continue;
        text += QString(blanks, QLatin1Char(' '));
        text += QString::fromUtf8(word.word);
    }
    return text;
}

} // namespace

QString Ligne_QSO(int number, const QsoFields& fields)
{
    // Each value, then blanks up to its column's width (none when the value is as long or longer).
    const std::array<std::pair<const QString*, int>, 8> columns = {{
        {&fields.callsign, QsoColumn::Callsign},
        {&fields.date, QsoColumn::Date},
        {&fields.time, QsoColumn::Time},
        {&fields.band, QsoColumn::Band},
        {&fields.mode, QsoColumn::Mode},
        {&fields.rstSent, QsoColumn::RstSent},
        {&fields.qslReceived, QsoColumn::QslReceived},
        {&fields.qslVia, 0},
    }};
    // The number column; a number that does not fit in 5 digits widens it.
    char16_t column[QsoColumn::Number];
    QString wide;
    if (!numberColumn(number, column))
        appendNumber(wide, number);
    const QStringView numberText = wide.isNull() ? QStringView(column, QsoColumn::Number) : QStringView(wide);

    // Written straight into a line of its final length: a log gives tens of thousands of lines.
    qsizetype length = numberText.size();
    for (const auto& [value, width] : columns)
        length += qMax<qsizetype>(width, value->size());
    QString line(length, Qt::Uninitialized);
    char16_t* out =
        std::copy(numberText.utf16(), numberText.utf16() + numberText.size(), reinterpret_cast<char16_t*>(line.data()));
    for (const auto& [value, width] : columns) {
        out = std::copy_n(reinterpret_cast<const char16_t*>(value->constData()), value->size(), out);
        if (value->size() < width)
            out = std::fill_n(out, width - value->size(), u' ');
    }
    return line;
}

QString Corps_Ligne(const QString& numberedLine)
{
    return numberedLine.mid(QsoColumn::Number);
}

QString Numeroter(int number, const QString& pickedLine)
{
    QString line;
    line.reserve(QsoColumn::Number + pickedLine.size());
    appendNumber(line, number);
    line += pickedLine;
    return line;
}

bool hasNumber(QStringView numberedLine, int number)
{
    char16_t column[QsoColumn::Number];
    return numberedLine.size() >= QsoColumn::Number && numberColumn(number, column) &&
           numberedLine.first(QsoColumn::Number) == QStringView(column, QsoColumn::Number);
}

void renumber(QString& numberedLine, int number)
{
    char16_t column[QsoColumn::Number];
    if (numberedLine.size() < QsoColumn::Number || !numberColumn(number, column)) {
        numberedLine = Numeroter(number, Corps_Ligne(numberedLine));
        return;
    }
    std::copy(std::begin(column), std::end(column), reinterpret_cast<char16_t*>(numberedLine.data()));
}

QString numberedHeader()
{
    return header([](const HeaderWord& word) { return word.blanksNumbered; });
}

QString pickedHeader()
{
    return header([](const HeaderWord& word) { return word.blanksPicked; });
}
