#pragma once

#include "platform/outcome.h"

#include <QColor>
#include <QString>

// The operations the program draws cards with. The real surface is an off-screen image of
// 530 x 340 pixels shown in the export window; tests use a recording one.
//
// Coordinates are in user units: the surface is 100 units wide and 100 high, (0, 0) at the
// top-left corner. The current style (colour, bold, text size, line width, position) is kept
// until changed, across cards and clears.
class DrawingSurface
{
public:
    virtual ~DrawingSurface() = default;

    // Loads a picture file as the background and starts a fresh image from it. On failure
    // nothing changes.
    virtual Outcome loadPicture(const QString& path) = 0;

    virtual void setColour(const QColor& colour) = 0;
    virtual void setBold(bool bold) = 0;
    virtual void setTextSize(double points) = 0;
    virtual void setLineWidth(int pixels) = 0;
    virtual void setPosition(double x, double y) = 0;

    // One line of text, its top-left corner at the current position, no background box.
    virtual void print(const QString& text) = 0;
    // A straight line in the current colour and line width.
    virtual void drawLine(double x1, double y1, double x2, double y2) = 0;

    // Removes the drawings and keeps the picture and the current style.
    virtual void clear() = 0;

    // Saves the whole image as a 24-bit BMP, replacing any file of that name, whole or not at
    // all.
    virtual Outcome saveBmp(const QString& path) = 0;
};
