#include "layout/card_sequence.h"

#include "layout/card_texts.h"
#include "layout/palette.h"
#include "platform/drawing_surface.h"

namespace
{

// Index of an item (1 to 22) in the position arrays.
constexpr size_t item(int n)
{
    return static_cast<size_t>(n - 1);
}

// Index of a card line (1 to 7) in the colour and switch arrays.
constexpr size_t cardLine(int n)
{
    return static_cast<size_t>(n - 1);
}

// Text sizes by their place in the sequence.
enum TextSize : size_t { Entete, Qso, Call, Via, Comment, Qsl };

bool hasText(const QString& text)
{
    for (const QChar c : text)
        if (c != QLatin1Char(' '))
            return true;
    return false;
}

void printAt(DrawingSurface& surface, const CardSequence& card, int n, const QString& text)
{
    surface.setPosition(card.h[item(n)], card.v[item(n)]);
    surface.print(text);
}

} // namespace

void drawCardSequence(DrawingSurface& surface, const CardSequence& card)
{
    // 1. The thank-you texts.
    const CardTexts& texts = cardTexts(card.french);
    const QString& secondThanks = card.qslReceived ? texts.thanksReceived : texts.thanksPending;
    const bool withVia = card.viaWhenLineOn || hasText(card.via);

    // 2. The headings' colour, set whether the headings are drawn or not.
    surface.setColour(paletteColour(card.colour[cardLine(1)]));
    if (card.boldOffBeforeHeadings)
        surface.setBold(false);

    // 3. Headings, items 8 to 13, then "Via" at 14.
    if (card.lineOn[cardLine(1)]) {
        if (!card.boldOffBeforeHeadings)
            surface.setBold(false);
        surface.setTextSize(card.textSize[Entete]);
        for (int n = 8; n <= 13; ++n) {
            const QString& heading = n == 9 && card.dateHeadingFrench ? kFrenchCardTexts.headings[1]
                                                                      : texts.headings[static_cast<size_t>(n - 8)];
            printAt(surface, card, n, heading);
        }
        if (withVia)
            printAt(surface, card, 14, texts.headings[6]);
    }

    // 4. The QSO values, bold.
    if (card.lineOn[cardLine(2)]) {
        surface.setColour(paletteColour(card.colour[cardLine(2)]));
        surface.setBold(true);
        surface.setTextSize(card.textSize[Call]);
        printAt(surface, card, 1, card.callsign);
        surface.setTextSize(card.textSize[Qso]);
        printAt(surface, card, 2, card.date);
        printAt(surface, card, 3, card.time);
        printAt(surface, card, 4, card.band);
        printAt(surface, card, 5, card.mode);
        printAt(surface, card, 6, card.rst);
        if (withVia) {
            surface.setBold(true);
            surface.setTextSize(card.textSize[Via]);
            printAt(surface, card, 15, card.via);
        }
    }

    // 5. The thank-you texts.
    if (card.lineOn[cardLine(3)]) {
        surface.setColour(paletteColour(card.colour[cardLine(3)]));
        surface.setBold(false);
        surface.setTextSize(card.textSize[Qsl]);
        printAt(surface, card, 7, texts.thanks);
        printAt(surface, card, 17, secondThanks);
    }

    // 6. The comment.
    if (card.lineOn[cardLine(4)]) {
        surface.setColour(paletteColour(card.colour[cardLine(4)]));
        surface.setTextSize(card.textSize[Comment]);
        surface.setBold(false);
        printAt(surface, card, 16, card.comment);
    }

    // 7, 8. The two straight lines.
    for (int line = 0; line < 2; ++line) {
        if (!card.lineOn[cardLine(5 + line)])
            continue;
        const int from = 18 + 2 * line;
        surface.setLineWidth(card.lineWidth[static_cast<size_t>(line)]);
        surface.setColour(paletteColour(card.colour[cardLine(5 + line)]));
        surface.drawLine(card.h[item(from)], card.v[item(from)], card.h[item(from + 1)], card.v[item(from + 1)]);
    }

    // 9. The tick mark, in whatever size the earlier steps left.
    if (card.lineOn[cardLine(7)]) {
        surface.setBold(true);
        surface.setColour(paletteColour(card.colour[cardLine(7)]));
        printAt(surface, card, 22, kTickMark);
        surface.setBold(false);
    }

    // 10. The credit line, in whatever weight the earlier steps left.
    surface.setColour(QColor(0, 0, 0));
    surface.setTextSize(kCreditSize);
    surface.setPosition(kCreditH, kCreditV);
    surface.print(kCreditLine);
}
