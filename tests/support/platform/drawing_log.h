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

    QString loadPicture(const QString& path) override { return log(QStringLiteral("load ") + path); }
    void setColour(const QColor& colour) override { log(QStringLiteral("colour ") + colour.name()); }
    void setBold(bool bold) override { log(bold ? QStringLiteral("bold 1") : QStringLiteral("bold 0")); }
    void setTextSize(double points) override { log(QStringLiteral("size ") + QString::number(points)); }
    void setLineWidth(int pixels) override { log(QStringLiteral("width ") + QString::number(pixels)); }
    void setPosition(double x, double y) override { log(QStringLiteral("at %1 %2").arg(x).arg(y)); }
    void print(const QString& text) override { log(QStringLiteral("print ") + text); }
    void drawLine(double x1, double y1, double x2, double y2) override
    {
        log(QStringLiteral("line %1 %2 %3 %4").arg(x1).arg(y1).arg(x2).arg(y2));
    }
    void clear() override { log(QStringLiteral("clear")); }
    QString saveBmp(const QString& path) override
    {
        const bool fails = !saveFailureFragment.isEmpty() && path.contains(saveFailureFragment);
        return log(QStringLiteral("save ") + path, fails ? saveFailure : QString());
    }

private:
    QString log(const QString& call, const QString& failure = {})
    {
        calls.append(failure.isEmpty() ? call : call + QStringLiteral(" -> ") + failure);
        return failure;
    }
};
