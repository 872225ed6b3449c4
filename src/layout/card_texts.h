#pragma once

#include <QString>
#include <array>

// The fixed texts printed on a card, by language. Every blank belongs to the text.
struct CardTexts {
    // Headings of items 8 to 14: addressee, date, time, band, mode, RST, via.
    std::array<QString, 7> headings;
    QString thanks;         // item 7
    QString thanksReceived; // item 17, the partner's card received
    QString thanksPending;  // item 17, otherwise
};

inline const CardTexts kFrenchCardTexts = {
    {QStringLiteral("Pour"), QStringLiteral("Date"), QStringLiteral("Heure"), QStringLiteral("Bande"),
     QStringLiteral("Mode"), QStringLiteral("RST"), QStringLiteral("Via")},
    QStringLiteral("Merci pour le QSO"),
    QStringLiteral("et la QSL  73"),
    QStringLiteral("Pse QSL  73"),
};

inline const CardTexts kEnglishCardTexts = {
    {QStringLiteral(" To "), QStringLiteral("Date "), QStringLiteral("Time "), QStringLiteral("Band "),
     QStringLiteral("Mode"), QStringLiteral("RST"), QStringLiteral("Via")},
    QStringLiteral("Tks for the QSO"),
    QStringLiteral("and the QSL  73"),
    QStringLiteral("Pse QSL  73"),
};

inline const CardTexts& cardTexts(bool french)
{
    return french ? kFrenchCardTexts : kEnglishCardTexts;
}

// The tick mark of item 22.
inline const QString kTickMark = QStringLiteral("X");

// The credit line printed on every card, black, 6 points, at (89, 96).
inline const QString kCreditLine = QStringLiteral("ZELVANE");
inline constexpr double kCreditSize = 6.0;
inline constexpr double kCreditH = 89.0;
inline constexpr double kCreditV = 96.0;
