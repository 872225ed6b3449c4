#include "support/recording_surface.h"

namespace
{

RecordingSurface::Operation operation(RecordingSurface::Kind kind, const QString& text = {})
{
    RecordingSurface::Operation op;
    op.kind = kind;
    op.text = text;
    return op;
}

} // namespace

QString RecordingSurface::loadPicture(const QString& path)
{
    operations_.append(operation(Kind::LoadPicture, path));
    if (!loadFailure_.isEmpty())
        return loadFailure_;
    sinceClear_.clear();
    return {};
}

void RecordingSurface::setColour(const QColor& colour)
{
    Operation op = operation(Kind::Colour);
    op.colour = colour;
    operations_.append(op);
    colour_ = colour;
}

void RecordingSurface::setBold(bool bold)
{
    Operation op = operation(Kind::Bold);
    op.bold = bold;
    operations_.append(op);
    bold_ = bold;
}

void RecordingSurface::setTextSize(double points)
{
    Operation op = operation(Kind::TextSize);
    op.number = points;
    operations_.append(op);
    size_ = points;
}

void RecordingSurface::setLineWidth(int pixels)
{
    Operation op = operation(Kind::LineWidth);
    op.number = pixels;
    operations_.append(op);
    width_ = pixels;
}

void RecordingSurface::setPosition(double x, double y)
{
    Operation op = operation(Kind::Position);
    op.x1 = x;
    op.y1 = y;
    operations_.append(op);
    x_ = x;
    y_ = y;
}

void RecordingSurface::print(const QString& text)
{
    operations_.append(operation(Kind::Print, text));
    printed_.append({text, x_, y_, size_, bold_, colour_});
    sinceClear_.append(text);
}

void RecordingSurface::drawLine(double x1, double y1, double x2, double y2)
{
    Operation op = operation(Kind::Line);
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    operations_.append(op);
    lines_.append({x1, y1, x2, y2, width_, colour_});
}

void RecordingSurface::clear()
{
    operations_.append(operation(Kind::Clear));
    sinceClear_.clear();
}

QString RecordingSurface::saveBmp(const QString& path)
{
    operations_.append(operation(Kind::Save, path));
    if (!saveFailureFragment_.isEmpty() && path.contains(saveFailureFragment_))
        return saveFailure_;
    savedPaths_.append(path);
    savedCards_.append(sinceClear_);
    return {};
}

QStringList RecordingSurface::printedTexts() const
{
    QStringList texts;
    for (const Printed& p : printed_)
        texts.append(p.text);
    return texts;
}

void RecordingSurface::forget()
{
    operations_.clear();
    printed_.clear();
    lines_.clear();
    sinceClear_.clear();
    savedPaths_.clear();
    savedCards_.clear();
}

void RecordingSurface::failSaves(const QString& pathFragment, const QString& reason)
{
    saveFailureFragment_ = pathFragment;
    saveFailure_ = reason;
}
