#pragma once

#include "layout/layout_schema.h"

#include <QColor>
#include <array>

// The 16-colour palette that every colour code of the card layout indexes.
inline constexpr std::array<QRgb, 16> kPalette = {{
    qRgb(0, 0, 0),       // 0 black
    qRgb(0, 0, 128),     // 1 blue
    qRgb(0, 128, 0),     // 2 green
    qRgb(0, 128, 128),   // 3 cyan
    qRgb(128, 0, 0),     // 4 red
    qRgb(128, 0, 128),   // 5 magenta
    qRgb(128, 128, 0),   // 6 yellow (dark)
    qRgb(192, 192, 192), // 7 white (light grey)
    qRgb(128, 128, 128), // 8 grey
    qRgb(0, 0, 255),     // 9 light blue
    qRgb(0, 255, 0),     // 10 light green
    qRgb(0, 255, 255),   // 11 light cyan
    qRgb(255, 0, 0),     // 12 light red
    qRgb(255, 0, 255),   // 13 light magenta
    qRgb(255, 255, 0),   // 14 light yellow
    qRgb(255, 255, 255), // 15 bright white
}};

// Every colour code a layout value can hold names a colour of the palette.
static_assert(kColourCodes.min == 0 && kColourCodes.max + 1 == static_cast<int>(kPalette.size()));

// The colour of a palette code. A code outside 0..15 (the layout does not guarantee the range)
// gives black, the colour of every default, so that a card is still readable.
QColor paletteColour(int code);
