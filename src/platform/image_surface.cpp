#include "platform/image_surface.h"

#include "platform/file_reasons.h"
#include "platform/file_writes.h"
#include "platform/fonts.h"
#include "platform/jpeg_structure.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <algorithm>

namespace
{

// Sizes the surface can render; what the layout gives beyond them is drawn at the nearest one.
constexpr double kSmallestPoints = 1.0;
constexpr double kLargestPoints = 500.0;

// A card uses a handful of sizes; the sample's typed sizes may bring more.
constexpr size_t kFontsKept = 32;

// 96 dots per inch, so that fonts sized in points get points * 96 / 72 pixels.
constexpr int kDotsPerMetre = 3780;

QImage blankCard()
{
    QImage image(ImageSurface::kWidth, ImageSurface::kHeight, QImage::Format_RGB32);
    image.setDotsPerMeterX(kDotsPerMetre);
    image.setDotsPerMeterY(kDotsPerMetre);
    image.fill(Qt::white);
    return image;
}

} // namespace

ImageSurface::ImageSurface() : background_(blankCard()), image_(background_), font_(QString::fromLatin1(kCardFace))
{
    font_.setStyleStrategy(QFont::PreferAntialias);
}

ImageSurface::~ImageSurface()
{
    closePainter();
}

const QImage& ImageSurface::image() const
{
    // What an open painter has drawn is already in the image's pixels; closing it only makes the
    // image safe to share.
    closePainter();
    return image_;
}

QPainter& ImageSurface::painter()
{
    if (!painter_)
        painter_ = std::make_unique<QPainter>(&image_);
    return *painter_;
}

void ImageSurface::closePainter() const
{
    painter_.reset();
}

const ImageSurface::SizedFont& ImageSurface::sizedFont()
{
    const auto key = std::make_pair(points_, bold_);
    auto found = fonts_.find(key);
    if (found == fonts_.end()) {
        if (fonts_.size() >= kFontsKept)
            fonts_.clear();
        const QFont font = currentFont();
        found = fonts_.emplace(key, SizedFont{font, QFontMetricsF(font, &image_).ascent()}).first;
    }
    return found->second;
}

Outcome ImageSurface::readPicture(const QString& path, QImage& picture)
{
    if (QString reason = whyNotARegularFile(path); !reason.isEmpty())
        return Outcome::failure(reason);
    const qint64 limit = qint64(QImageReader::allocationLimit()) * 1024 * 1024;
    // A JPEG is checked to its end before it is decoded: a cut or damaged file would be drawn with
    // its missing part grey, and the bounds keep a picture from stalling the program.
    switch (const JpegStructure jpeg = readJpegStructure(path, {.coefficientBytes = limit}); jpeg.verdict) {
    case JpegStructure::Verdict::NotJpeg:
    case JpegStructure::Verdict::Readable: break;
    case JpegStructure::Verdict::Damaged: return Outcome::failure(FileReason::PictureDamaged);
    case JpegStructure::Verdict::Unsupported: return Outcome::failure(FileReason::PictureCodingUnsupported);
    case JpegStructure::Verdict::TooManyComponents:
        return Outcome::failure(FileReason::PictureTooManyComponents.arg(jpeg.components));
    case JpegStructure::Verdict::TooManyScans: return Outcome::failure(FileReason::PictureTooManyScans);
    case JpegStructure::Verdict::TooLarge:
        return Outcome::failure(FileReason::PictureTooLarge.arg(jpeg.width).arg(jpeg.height));
    }
    QImageReader reader(path);
    // A card shows only the picture's top-left corner: a decoder that can read just that part
    // (JPEG) reads a camera's photo quickly, without holding the whole of it in memory.
    const QSize size = reader.size();
    if (size.isValid() && reader.supportsOption(QImageIOHandler::ClipRect))
        reader.setClipRect(QRect(0, 0, kWidth, kHeight).intersected(QRect(QPoint(0, 0), size)));
    QImage read = reader.read();
    if (read.isNull()) {
        // Other formats are read whole, within Qt's limit on the memory of one picture.
        if (size.isValid() && limit > 0 && qint64(size.width()) * size.height() * 4 > limit)
            return Outcome::failure(FileReason::PictureTooLarge.arg(size.width()).arg(size.height()));
        return Outcome::failure(FileReason::NotAPicture);
    }
    picture = std::move(read);
    return {};
}

Outcome ImageSurface::loadPicture(const QString& path)
{
    QImage picture;
    if (Outcome read = readPicture(path, picture); !read.ok())
        return read;
    // Natural size from the top-left corner, not stretched; what the picture does not cover stays white.
    QImage card = blankCard();
    {
        QPainter painter(&card);
        painter.drawImage(0, 0, picture);
    }
    closePainter();
    background_ = card;
    image_ = std::move(card);
    changed();
    return {};
}

void ImageSurface::setColour(const QColor& colour)
{
    colour_ = colour;
}

void ImageSurface::setBold(bool bold)
{
    bold_ = bold;
}

void ImageSurface::setTextSize(double points)
{
    points_ = points;
}

void ImageSurface::setLineWidth(int pixels)
{
    lineWidth_ = pixels;
}

void ImageSurface::setPosition(double x, double y)
{
    x_ = x;
    y_ = y;
}

QFont ImageSurface::currentFont() const
{
    QFont font = font_;
    font.setBold(bold_);
    // Points on an image of 96 dots per inch: points * 96 / 72 pixels.
    font.setPointSizeF(std::clamp(points_, kSmallestPoints, kLargestPoints));
    return font;
}

QPointF ImageSurface::toPixels(double x, double y) const
{
    return {x * kWidth / kScale, y * kHeight / kScale};
}

void ImageSurface::print(const QString& text)
{
    if (text.isEmpty())
        return;
    const SizedFont& sized = sizedFont();
    QPainter& p = painter();
    p.setFont(sized.font);
    p.setPen(colour_);
    // The position is the top-left corner of the text: its baseline lies one ascent lower.
    const QPointF topLeft = toPixels(x_, y_);
    p.drawText(QPointF(topLeft.x(), topLeft.y() + sized.ascent), text);
    changed();
}

void ImageSurface::drawLine(double x1, double y1, double x2, double y2)
{
    QPen pen(colour_);
    pen.setWidth(std::max(lineWidth_, 1));
    pen.setCapStyle(Qt::FlatCap);
    QPainter& p = painter();
    p.setPen(pen);
    p.drawLine(toPixels(x1, y1), toPixels(x2, y2));
    changed();
}

void ImageSurface::clear()
{
    closePainter();
    image_ = background_;
    changed();
}

Outcome ImageSurface::saveBmp(const QString& path)
{
    return writeBmp(image(), path);
}

Outcome ImageSurface::writeBmp(const QImage& image, const QString& path)
{
    if (hasForbiddenCharacter(path))
        return Outcome::failure(FileReason::ForbiddenCharacter);
    // Made in memory and written in one go: the encoder hands the file one row of pixels at a time.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // Qt writes an RGB32 image as a 24-bit BMP.
    QImageWriter writer(&buffer, "bmp");
    const QImage rgb = image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
    if (!writer.write(rgb))
        return Outcome::failure(FileReason::CannotWrite);
    return writeFileReplacing(path, bytes, Durability::WithFolder);
}

void ImageSurface::changed()
{
    if (changed_)
        changed_();
}
