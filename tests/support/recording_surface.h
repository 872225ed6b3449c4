#pragma once

#include "platform/drawing_surface.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

// A drawing surface for tests: records every operation in order, and what each print and
// line drew with the style current at that moment. It starts with the real surface's style
// (black, bold, 12 points, lines 1 pixel wide, position (0, 0)).
class RecordingSurface final : public DrawingSurface
{
public:
    enum class Kind { LoadPicture, Colour, Bold, TextSize, LineWidth, Position, Print, Line, Clear, Save };

    // One operation as called: the value that goes with its kind.
    struct Operation {
        Kind kind = Kind::Print;
        QString text;                          // LoadPicture, Print, Save: the path or the text
        QColor colour;                         // Colour
        bool bold = false;                     // Bold
        double number = 0;                     // TextSize, LineWidth
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0; // Position (x1, y1), Line
    };

    // A text printed, with the style it was printed in.
    struct Printed {
        QString text;
        double x = 0, y = 0;
        double size = 0;
        bool bold = false;
        QColor colour;
        bool operator==(const Printed&) const = default;
    };

    // A line drawn, with its colour and width.
    struct Drawn {
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        int width = 0;
        QColor colour;
        bool operator==(const Drawn&) const = default;
    };

    QString loadPicture(const QString& path) override;
    void setColour(const QColor& colour) override;
    void setBold(bool bold) override;
    void setTextSize(double points) override;
    void setLineWidth(int pixels) override;
    void setPosition(double x, double y) override;
    void print(const QString& text) override;
    void drawLine(double x1, double y1, double x2, double y2) override;
    void clear() override;
    QString saveBmp(const QString& path) override;

    const QList<Operation>& operations() const { return operations_; }
    const QList<Printed>& printed() const { return printed_; }
    const QList<Drawn>& lines() const { return lines_; }
    QStringList printedTexts() const;
    // The paths of the saves that succeeded, in order.
    const QStringList& savedPaths() const { return savedPaths_; }
    // The texts printed on each card saved (since the clear before it), in the order of the saves.
    const QList<QStringList>& savedCards() const { return savedCards_; }

    // Forgets what was recorded; the current style stays.
    void forget();

    // Makes every save whose path contains the fragment fail with the reason.
    void failSaves(const QString& pathFragment, const QString& reason);
    // Makes loading a picture fail with the reason.
    void failLoads(const QString& reason) { loadFailure_ = reason; }

    // The current style.
    QColor colour() const { return colour_; }
    bool bold() const { return bold_; }
    double textSize() const { return size_; }
    int lineWidth() const { return width_; }

private:
    QList<Operation> operations_;
    QList<Printed> printed_;
    QList<Drawn> lines_;
    QStringList sinceClear_;
    QStringList savedPaths_;
    QList<QStringList> savedCards_;
    QString saveFailureFragment_;
    QString saveFailure_;
    QString loadFailure_;

    QColor colour_{Qt::black};
    bool bold_ = true;
    double size_ = 12;
    int width_ = 1;
    double x_ = 0, y_ = 0;
};
