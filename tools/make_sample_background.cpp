// Draws the sample card background "QSL_TRELUNE.jpg" (530 x 340) that a newcomer's first export
// uses: a sky over hills, a frame, a small printed box where the default "X" mark lands, and a
// light panel where the default headings, QSO values and thanks are printed.
//
// Usage: make_sample_background <output.jpg>

#include "platform/fonts.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>

namespace
{

constexpr int kWidth = 530;
constexpr int kHeight = 340;

// Percent of the card to pixels, like the card's own positions.
constexpr double px(double percent)
{
    return percent * kWidth / 100.0;
}
constexpr double py(double percent)
{
    return percent * kHeight / 100.0;
}

const QColor kNavy(20, 40, 90);
const QColor kGold(214, 170, 60);
const QColor kPanel(252, 248, 236);

void drawSky(QPainter& painter)
{
    QLinearGradient sky(0, 0, 0, py(70));
    sky.setColorAt(0.0, QColor(38, 92, 170));
    sky.setColorAt(1.0, QColor(176, 214, 240));
    painter.fillRect(QRectF(0, 0, kWidth, kHeight), sky);

    // A low sun and a few soft clouds.
    QRadialGradient sun(QPointF(px(78), py(52)), 60);
    sun.setColorAt(0.0, QColor(255, 244, 200, 230));
    sun.setColorAt(0.3, QColor(255, 230, 160, 160));
    sun.setColorAt(1.0, QColor(255, 230, 160, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sun);
    painter.drawEllipse(QPointF(px(78), py(52)), 60, 60);
    painter.setBrush(QColor(255, 255, 255, 120));
    for (const QRectF& cloud :
         {QRectF(px(30), py(18), 90, 22), QRectF(px(36), py(14), 60, 22), QRectF(px(55), py(30), 110, 20),
          QRectF(px(62), py(26), 60, 18), QRectF(px(8), py(40), 70, 16)})
        painter.drawEllipse(cloud);
}

void drawHills(QPainter& painter)
{
    QPainterPath far;
    far.moveTo(0, py(62));
    far.cubicTo(px(20), py(52), px(40), py(60), px(55), py(56));
    far.cubicTo(px(70), py(52), px(85), py(58), kWidth, py(55));
    far.lineTo(kWidth, py(72));
    far.lineTo(0, py(72));
    far.closeSubpath();
    painter.fillPath(far, QColor(86, 140, 98));

    QPainterPath near;
    near.moveTo(0, py(68));
    near.cubicTo(px(25), py(60), px(45), py(70), px(65), py(64));
    near.cubicTo(px(80), py(60), px(92), py(66), kWidth, py(63));
    near.lineTo(kWidth, py(72));
    near.lineTo(0, py(72));
    near.closeSubpath();
    painter.fillPath(near, QColor(52, 110, 70));

    // An antenna mast on the near hill.
    painter.setPen(QPen(QColor(40, 40, 48), 2));
    painter.drawLine(QPointF(px(22), py(63)), QPointF(px(22), py(38)));
    painter.setPen(QPen(QColor(40, 40, 48), 1.5));
    for (int i = 0; i < 3; ++i) {
        const double y = py(40) + i * 6;
        painter.drawLine(QPointF(px(22) - 14 + i * 2, y), QPointF(px(22) + 14 - i * 2, y));
    }
}

void drawTitle(QPainter& painter)
{
    QFont title(QString::fromLatin1(kCardFace));
    title.setBold(true);
    title.setPixelSize(44);
    painter.setFont(title);
    painter.setPen(QColor(0, 0, 0, 70));
    painter.drawText(QRectF(px(40) + 2, py(9) + 2, px(55), 60), Qt::AlignRight | Qt::AlignTop, QStringLiteral("E-QSL"));
    painter.setPen(Qt::white);
    painter.drawText(QRectF(px(40), py(9), px(55), 60), Qt::AlignRight | Qt::AlignTop, QStringLiteral("E-QSL"));

    QFont subtitle(QString::fromLatin1(kCardFace));
    subtitle.setBold(true);
    subtitle.setPixelSize(15);
    painter.setFont(subtitle);
    // A shadow keeps the white text readable over the clouds.
    painter.setPen(QColor(10, 30, 70, 150));
    painter.drawText(QRectF(px(40) + 1, py(26) + 1, px(55), 24), Qt::AlignRight | Qt::AlignTop,
                     QStringLiteral("Radio amateur - ZELVANE"));
    painter.setPen(Qt::white);
    painter.drawText(QRectF(px(40), py(26), px(55), 24), Qt::AlignRight | Qt::AlignTop,
                     QStringLiteral("Radio amateur - ZELVANE"));
}

// The printed box that the default "X" mark (item 22 at 10 %, 10 %) fills.
void drawTickBox(QPainter& painter)
{
    const QRectF box(px(10) - 3, py(10) - 1, 18, 20);
    painter.setPen(QPen(kNavy, 1.5));
    painter.setBrush(Qt::white);
    painter.drawRect(box);

    QFont label(QString::fromLatin1(kCardFace));
    label.setBold(true);
    label.setPixelSize(14);
    painter.setFont(label);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(box.right() + 8, box.top(), 120, box.height()), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("PSE QSL"));
}

// The light panel under the comment (70 %), the headings (77 %), the QSO values (84 %), the thanks (91 %),
// and the credit line (96 %).
void drawPanel(QPainter& painter)
{
    // It runs down under the frame, so that no border of its own passes under the small credit
    // line printed at 96 %.
    const QRectF panel(8, py(68), kWidth - 16, kHeight);
    painter.setPen(QPen(kNavy, 1.5));
    painter.setBrush(kPanel);
    painter.drawRoundedRect(panel, 8, 8);
    // A thin rule between the headings and the values.
    painter.setPen(QPen(kGold, 1));
    painter.drawLine(QPointF(panel.left() + 12, py(83)), QPointF(panel.right() - 12, py(83)));
}

// A frame of 3 pixels along the edges, clear of everything the default layout prints.
void drawFrame(QPainter& painter)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kNavy, 3));
    painter.drawRect(QRectF(1.5, 1.5, kWidth - 3, kHeight - 3));
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sample_background <output.jpg>\n");
        return 2;
    }
    installFontSubstitutions();

    QImage card(kWidth, kHeight, QImage::Format_RGB32);
    {
        QPainter painter(&card);
        painter.setRenderHint(QPainter::Antialiasing);
        drawSky(painter);
        drawHills(painter);
        drawTitle(painter);
        drawTickBox(painter);
        drawPanel(painter);
        drawFrame(painter);
    }
    if (!card.save(QString::fromLocal8Bit(argv[1]), "JPG", 92)) {
        std::fprintf(stderr, "make_sample_background: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
