#pragma once

#include "layout/layout_schema.h"

#include <QString>
#include <array>

class CardLayout;
class DrawingSurface;

// Everything one drawing of a card needs. Exported cards and the layout editor's sample share
// this one drawing sequence; the sample's few differences are the switches at the end.
struct CardSequence {
    // Positions of items 1 to 22 (index 0 is item 1), in percent of the card, fractions kept.
    std::array<double, kPositionItemCount> h{};
    std::array<double, kPositionItemCount> v{};
    // Text sizes in points: 0 "T Entete", 1 "T QSO", 2 "T Call", 3 "T Via", 4 "T Comment", 5 "T QSL".
    std::array<double, kTextSizeCount> textSize{};
    // Line widths in pixels: 0 "T Li1", 1 "T Li2".
    std::array<int, kLineWidthCount> lineWidth{};
    // Palette codes of card lines 1 to 7 (index 0 is card line 1).
    std::array<int, kColourCount> colour{};
    // Card lines 1 to 7 drawn.
    std::array<bool, kSwitchCount> lineOn{};

    // The texts printed for the QSO.
    QString callsign, date, time, band, mode, rst, via, comment;
    bool qslReceived = false; // the partner's card has come: the second thanks say so
    bool french = true;

    // Sample differences.
    bool viaWhenLineOn = false;         // "Via" and the via printed whenever their line is on
    bool dateHeadingFrench = false;     // heading 9 is "Date" in both languages
    bool boldOffBeforeHeadings = false; // bold switched off before the heading switch is tested
};

// Draws one card on the surface, in the composer's order (thank-you texts, colour of line 1,
// headings, QSO values, thanks, comment, lines, X mark, credit line).
void drawCardSequence(DrawingSurface& surface, const CardSequence& card);
