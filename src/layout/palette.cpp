#include "layout/palette.h"

QColor paletteColour(int code)
{
    if (code < 0 || code >= static_cast<int>(kPalette.size()))
        return QColor(kPalette[0]);
    return QColor(kPalette[static_cast<size_t>(code)]);
}
