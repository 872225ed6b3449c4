#pragma once

#include <QMargins>
#include <QRect>

class QVBoxLayout;
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

// The frame a desktop draws around a window (title bar and borders), as far as the program can
// tell before the window is first shown: the real one once known, otherwise a usual one.
inline constexpr QMargins kUsualWindowFrame(4, 32, 4, 4);

// Where a top-level window goes on its screen.
struct WindowPlacement {
    bool scrolls = false; // the window's content goes in a scroll area
    QRect geometry;       // where the window's frame starts (QWidget::move) and the window's own size
};

// A window of `size` whose frame will be `frame`, on a screen of `screen` whose free area (without
// the desktop's panels) is `available`. A window that fits in the free area, frame included, keeps
// its size and is centred on the screen: left = (screen width - window width) / 2 and
// top = (screen height - window height) / 2, remainders dropped, measuring the window by
// `knownFrameSize` (its frame as known so far). A window that does not fit is made as large as the
// free area allows, frame included, never larger than it was plus room for the scroll bars
// (`scrollBarExtent`), and centred in the free area; its content then scrolls.
WindowPlacement placeWindow(QSize size, QSize knownFrameSize, QMargins frame, QRect screen, QRect available,
                            int scrollBarExtent);

// Centres a top-level window on its screen when it fits there, as placeWindow says; otherwise fits
// it into the screen's free area with its content in a scroll area, so that every control can
// still be reached. For a main window the content is its central widget; for a window with a
// layout, the one widget of that layout (see addWindowContent); otherwise every child of the
// window. Call it once the window's controls are built, before it is first shown.
void placeOnScreen(QWidget& window);

// Makes the widget that holds a laid-out window's controls, alone in the window, so that
// placeOnScreen can put it in a scroll area, and returns its layout, with the margins of a
// window's own layout: lay the controls out in it.
QVBoxLayout* addWindowContent(QWidget& window);
