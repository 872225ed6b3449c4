#include "card/card_picture.h"

#include "platform/image_surface.h"
#include "platform/window_controls.h"

#include <QPainter>

CardPicture::CardPicture(const ImageSurface& surface, QWidget* parent) : QWidget(parent), surface_(surface)
{
    nameControl(*this, QStringLiteral("Picture1"));
    setFixedSize(ImageSurface::kWidth, ImageSurface::kHeight);
}

QSize CardPicture::sizeHint() const
{
    return {ImageSurface::kWidth, ImageSurface::kHeight};
}

void CardPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, surface_.image());
}
