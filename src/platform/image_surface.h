#pragma once

#include "platform/drawing_surface.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <functional>
#include <map>
#include <memory>

// The card drawing surface: an off-screen image of 530 x 340 pixels (the size backgrounds are
// made for) holding the background picture at its natural size from the top-left corner, with
// everything drawn kept on top of it.
//
// Positions are in user units, 100 across and 100 down. Text sizes are points at 96 dots per
// inch, in the card face "Comic Sans MS" (which falls back to "Comic Neue"). At creation the
// style is black, bold, 12 points, lines 1 pixel wide, position (0, 0).
class ImageSurface final : public DrawingSurface
{
public:
    static constexpr int kWidth = 530;
    static constexpr int kHeight = 340;
    static constexpr double kScale = 100.0;
    static constexpr double kDotsPerInch = 96.0;

    ImageSurface();
    ~ImageSurface() override;
    ImageSurface(const ImageSurface&) = delete;
    ImageSurface& operator=(const ImageSurface&) = delete;

    Outcome loadPicture(const QString& path) override;
    void setColour(const QColor& colour) override;
    void setBold(bool bold) override;
    void setTextSize(double points) override;
    void setLineWidth(int pixels) override;
    void setPosition(double x, double y) override;
    void print(const QString& text) override;
    void drawLine(double x1, double y1, double x2, double y2) override;
    void clear() override;
    Outcome saveBmp(const QString& path) override;

    // The whole image, background and drawings: what is shown and what is saved.
    const QImage& image() const;
    // The current colour and line width, which a clear keeps.
    QColor colour() const { return colour_; }
    int lineWidth() const { return lineWidth_; }
    // The font texts are printed in now, sized for the surface's 96 dots per inch.
    QFont currentFont() const;

    // Called after every change of the image, so that a view can repaint.
    void onChange(std::function<void()> changed) { changed_ = std::move(changed); }

    // Reads a picture file into `picture`.
    static Outcome readPicture(const QString& path, QImage& picture);
    // Writes an image as a 24-bit BMP file through writeFileReplacing(), so that a failure leaves
    // the previous file, or none, and never half a file; syncFolder() of its folder makes it
    // durable.
    static Outcome writeBmp(const QImage& image, const QString& path);

private:
    // A font with its ascent, made once for each size and weight the cards use.
    struct SizedFont {
        QFont font;
        qreal ascent;
    };

    QPointF toPixels(double x, double y) const;
    const SizedFont& sizedFont();
    // The painter stays open on the image between drawings (opening one per text costs more
    // than the text); anything that replaces the image closes it first.
    QPainter& painter();
    void closePainter() const;
    void changed();

    QImage background_;
    QImage image_;
    QFont font_;
    QColor colour_{Qt::black};
    bool bold_ = true;
    double points_ = 12.0;
    int lineWidth_ = 1;
    double x_ = 0.0;
    double y_ = 0.0;
    std::function<void()> changed_;
    mutable std::unique_ptr<QPainter> painter_;
    std::map<std::pair<double, bool>, SizedFont> fonts_;
};
