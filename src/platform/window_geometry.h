#pragma once

#include <QRect>

class QWidget;

// Window places are designed in twips; on screen 15 twips make one pixel.
constexpr int fromTwips(int twips)
{
    return twips / 15;
}

inline QRect twipsRect(int left, int top, int width, int height)
{
    return {fromTwips(left), fromTwips(top), fromTwips(width), fromTwips(height)};
}

// Centres a top-level window on its screen: left = (screen width - window width) / 2 and
// top = (screen height - window height) / 2, remainders dropped.
void centreOnScreen(QWidget& window);
