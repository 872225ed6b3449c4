#pragma once

#include <QWidget>

class ImageSurface;

// The picture area `Picture1`: shows the drawing surface's image at its natural size.
class CardPicture : public QWidget
{
    Q_OBJECT
public:
    CardPicture(const ImageSurface& surface, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const ImageSurface& surface_;
};
