#include "adif/qso_line.h"

#include <array>

namespace {

constexpr int kNumberDigits = 5;

void appendPadded(QString& line, const QString& value, int width)
{
    line += value;
    for (qsizetype i = value.size(); i < width; ++i)
        line += QLatin1Char(' ');
}

void appendNumber(QString& line, int number)
{
    const QString digits = QString::number(number);
    for (qsizetype i = digits.size(); i < kNumberDigits; ++i)
        line += QLatin1Char(' ');
    line += digits;
    line += QLatin1String("  ");
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

template <typename Blanks>
QString header(Blanks blanksOf)
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
    QString line;
    line.reserve(QsoColumn::Number + QsoColumn::Callsign + QsoColumn::Date + QsoColumn::Time + QsoColumn::Band +
                 QsoColumn::Mode + QsoColumn::RstSent + QsoColumn::QslReceived + fields.qslVia.size());
    appendNumber(line, number);
    appendPadded(line, fields.callsign, QsoColumn::Callsign);
    appendPadded(line, fields.date, QsoColumn::Date);
    appendPadded(line, fields.time, QsoColumn::Time);
    appendPadded(line, fields.band, QsoColumn::Band);
    appendPadded(line, fields.mode, QsoColumn::Mode);
    appendPadded(line, fields.rstSent, QsoColumn::RstSent);
    appendPadded(line, fields.qslReceived, QsoColumn::QslReceived);
    line += fields.qslVia;
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

QString numberedHeader()
{
    return header([](const HeaderWord& word) { return word.blanksNumbered; });
}

QString pickedHeader()
{
    return header([](const HeaderWord& word) { return word.blanksPicked; });
}
