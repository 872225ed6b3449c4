#pragma once

#include "platform/drawing_surface.h"

#include <QColor>
#include <QStringList>

// A drawing surface for tests that writes down every call, one line each, in the words of a
// golden file: "load <path>", "colour #rrggbb", "bold 1", "size 12", "width 2", "at 10 20.5",
// "print <text>", "line 10 20 80 20", "clear", "save <path>". Saves fail on demand.
class DrawingLog final : public DrawingSurface
{
public:
    QStringList calls;

    // Every save whose path contains the fragment fails with the reason.
    QString saveFailureFragment, saveFailure;

    Outcome loadPicture(const QString& path) override { return log(QStringLiteral("load ") + path); }
    void setColour(const QColor& colour) override { note(QStringLiteral("colour ") + colour.name()); }
    void setBold(bool bold) override { note(bold ? QStringLiteral("bold 1") : QStringLiteral("bold 0")); }
    void setTextSize(double points) override { note(QStringLiteral("size ") + QString::number(points)); }
    void setLineWidth(int pixels) override { note(QStringLiteral("width ") + QString::number(pixels)); }
    void setPosition(double x, double y) override { note(QStringLiteral("at %1 %2").arg(x).arg(y)); }
    void print(const QString& text) override { note(QStringLiteral("print ") + text); }
    void drawLine(double x1, double y1, double x2, double y2) override
    {
        note(QStringLiteral("line %1 %2 %3 %4").arg(x1).arg(y1).arg(x2).arg(y2));
    }
    void clear() override { note(QStringLiteral("clear")); }
    Outcome saveBmp(const QString& path) override
    {
        const bool fails = !saveFailureFragment.isEmpty() && path.contains(saveFailureFragment);
        return log(QStringLiteral("save ") + path, fails ? saveFailure : QString());
    }

private:
    void note(const QString& call) { calls.append(call); }
    Outcome log(const QString& call, const QString& failure = {})
    {
        note(failure.isEmpty() ? call : call + QStringLiteral(" -> ") + failure);
        return failure.isEmpty() ? Outcome() : Outcome::failure(failure);
    }
};
