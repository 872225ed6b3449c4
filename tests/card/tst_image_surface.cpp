// The real drawing surface, checked by its pixels and its files.

#include "layout/card_texts.h"
#include "platform/fonts.h"
#include "platform/image_surface.h"
#include "support/test_environment.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImageReader>
#include <QPainter>
#include <QtEndian>
#include <QtTest>
#include <functional>

using namespace Qt::StringLiterals;

namespace
{

const QColor kRed(255, 0, 0);
const QColor kGreen(0, 128, 0);
const QRgb kWhite = qRgb(255, 255, 255);

QImage filled(int width, int height, const QColor& colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// The smallest rectangle holding every pixel that differs from the background colour.
QRect inkBounds(const QImage& image, QRgb background)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background)
                bounds = bounds.united(QRect(x, y, 1, 1));
    return bounds;
}

int countPixels(const QImage& image, const std::function<bool(QRgb)>& counted)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += counted(image.pixel(x, y));
    return n;
}

int countPixels(const QImage& image, QRgb colour)
{
    return countPixels(image, [colour](QRgb pixel) { return pixel == colour; });
}

// Prints the text at the position in the size given, in the surface's current weight and colour.
void printAt(ImageSurface& surface, double x, double y, double size, const QString& text)
{
    surface.setTextSize(size);
    surface.setPosition(x, y);
    surface.print(text);
}

} // namespace

class TestImageSurface : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env_;
    QString folder() const { return env_->scratchFolder(); }

    // A picture file under the scratch folder.
    QString picture(const QString& name, const QImage& image, const char* format = "PNG") const
    {
        const QString path = folder() + u'/' + name;
        image.save(path, format);
        return path;
    }

private slots:
    void init() { env_ = std::make_unique<TestEnvironment>(); }
    void cleanup() { env_.reset(); }

    void startsWhiteWithTheCreationStyle()
    {
        ImageSurface surface;
        QCOMPARE(surface.image().size(), QSize(530, 340));
        QCOMPARE(countPixels(surface.image(), kWhite), 530 * 340);
        QVERIFY(surface.bold());
        QCOMPARE(surface.textSize(), 12.0);
        QCOMPARE(surface.colour(), QColor(Qt::black));
        QCOMPARE(surface.lineWidth(), 1);
        QCOMPARE(surface.currentFont().family(), QString::fromLatin1(kCardFace));
    }

    // "Comic Sans MS" is drawn with "Comic Neue" where it is missing, in both weights.
    void cardFaceResolves()
    {
        const bool installed = QFontDatabase::families().contains(u"Comic Sans MS"_s);
        ImageSurface surface;
        for (const bool bold : {true, false}) {
            surface.setBold(bold);
            const QFontInfo info(surface.currentFont());
            QCOMPARE(info.family(), installed ? u"Comic Sans MS"_s : u"Comic Neue"_s);
            QCOMPARE(info.bold(), bold);
        }
    }

    void smallPictureAtNaturalSizeFromTheTopLeft()
    {
        ImageSurface surface;
        QCOMPARE(surface.loadPicture(picture(u"small.png"_s, filled(100, 50, kRed))), QString());
        const QImage& image = surface.image();
        QCOMPARE(image.size(), QSize(530, 340));
        QCOMPARE(QColor(image.pixel(0, 0)), kRed);
        QCOMPARE(QColor(image.pixel(99, 49)), kRed);
        QCOMPARE(image.pixel(100, 0), kWhite);
        QCOMPARE(image.pixel(0, 50), kWhite);
        QCOMPARE(countPixels(image, kRed.rgb()), 100 * 50);
    }

    void largePictureNotStretched()
    {
        QImage big = filled(600, 400, Qt::blue);
        big.setPixel(529, 339, kRed.rgb());
        big.setPixel(530, 339, kGreen.rgb());
        ImageSurface surface;
        QCOMPARE(surface.loadPicture(picture(u"big.png"_s, big)), QString());
        QCOMPARE(surface.image().size(), QSize(530, 340));
        QCOMPARE(QColor(surface.image().pixel(529, 339)), kRed);
        QCOMPARE(QColor(surface.image().pixel(0, 0)), QColor(Qt::blue));
    }

    void jpegPicture()
    {
        ImageSurface surface;
        QCOMPARE(surface.loadPicture(picture(u"fond.jpg"_s, filled(530, 340, QColor(200, 200, 40)), "JPG")), QString());
        const QColor centre(surface.image().pixel(265, 170));
        QVERIFY(qAbs(centre.red() - 200) <= 4 && qAbs(centre.blue() - 40) <= 4);
    }

    // Qt refuses to hold a picture beyond its allocation limit (128 MB, a 50-megapixel photo);
    // lowered here to 1 MB, a 1200 x 900 picture stands for such a photo. A JPEG is read in its
    // top-left corner only; a format read whole is refused with its size.
    void pictureBeyondTheAllocationLimit_data()
    {
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QString>("reason");
        QTest::newRow("JPEG") << QByteArray("JPG") << QString();
        QTest::newRow("PNG") << QByteArray("PNG") << u"l'image est trop grande pour être lue (1200 x 900 pixels)"_s;
    }

    void pictureBeyondTheAllocationLimit()
    {
        QFETCH(QByteArray, format);
        QFETCH(QString, reason);
        QImage photo = filled(1200, 900, Qt::blue);
        {
            QPainter painter(&photo);
            painter.fillRect(0, 0, 265, 340, kRed);
            painter.fillRect(265, 0, 265, 340, kGreen);
        }
        const QString path = picture(u"photo."_s + QString::fromLatin1(format), photo, format.constData());
        const int limit = QImageReader::allocationLimit();
        QImageReader::setAllocationLimit(1);
        ImageSurface surface;
        const QString result = surface.loadPicture(path);
        QImageReader::setAllocationLimit(limit);
        QCOMPARE(result, reason);
        if (reason.isEmpty()) {
            const QColor left(surface.image().pixel(100, 170));
            const QColor right(surface.image().pixel(500, 300));
            QVERIFY(left.red() > 240 && left.green() < 16 && left.blue() < 16);
            QVERIFY(right.red() < 16 && qAbs(right.green() - 128) < 16 && right.blue() < 16);
        }
    }

    void unloadablePictureChangesNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("missing") << u"absent.jpg"_s << QByteArray();
        QTest::newRow("not a picture") << u"texte.jpg"_s << QByteArray("ceci n'est pas une image");
        QTest::newRow("truncated jpeg") << u"coupe.jpg"_s << QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF", 10);
    }

    void unloadablePictureChangesNothing()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        const QString path = bytes.isEmpty() ? folder() + u'/' + name : env_->writeScratchFile(name, bytes);
        ImageSurface surface;
        QCOMPARE(surface.loadPicture(picture(u"good.png"_s, filled(530, 340, kGreen))), QString());
        printAt(surface, 10, 10, 12, u"abc"_s);
        const QImage before = surface.image();
        QVERIFY(!surface.loadPicture(path).isEmpty());
        QCOMPARE(surface.image(), before);
        surface.clear();
        QCOMPARE(QColor(surface.image().pixel(265, 170)), kGreen); // the old background is still the picture
    }

    // A position of 100 x 100 units spans the whole image; what is drawn stays until cleared.
    void userScaleAndDrawingsPersist()
    {
        ImageSurface surface;
        surface.setColour(kRed);
        surface.drawLine(0, 50, 100, 50);
        printAt(surface, 10, 20, 12, u"A"_s);
        surface.drawLine(25, 0, 25, 100);
        const QImage& image = surface.image();
        for (int x : {0, 10, 264, 400, 528})
            QCOMPARE(QColor(image.pixel(x, 170)), kRed);
        for (int y : {0, 85, 339})
            QCOMPARE(QColor(image.pixel(132, y)), kRed); // 25 % of 530 is 132.5
        QCOMPARE(image.pixel(264, 168), kWhite);
        QVERIFY(countPixels(image.copy(53, 68, 30, 30), kRed.rgb()) > 10); // the "A"
    }

    void lineWidthInPixels_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("pixels");
        QTest::newRow("1") << 1 << 1;
        QTest::newRow("4") << 4 << 4;
        QTest::newRow("9") << 9 << 9;
        QTest::newRow("0 drawn as 1") << 0 << 1;
        QTest::newRow("-3 drawn as 1") << -3 << 1;
    }

    void lineWidthInPixels()
    {
        QFETCH(int, width);
        QFETCH(int, pixels);
        ImageSurface surface;
        surface.setColour(kRed);
        surface.setLineWidth(width);
        surface.drawLine(10, 50, 90, 50);
        QCOMPARE(countPixels(surface.image().copy(265, 0, 1, 340), kRed.rgb()), pixels);
        QCOMPARE(surface.lineWidth(), width); // the style keeps what was asked
    }

    // A size below 1 point is drawn at 1 point, one above 500 points at 500 (a layout may hold
    // any 16-bit size); the style keeps the size asked for.
    void textSizeOutsideTheDrawnRange_data()
    {
        QTest::addColumn<double>("points");
        QTest::addColumn<double>("drawnAs");
        QTest::newRow("0") << 0.0 << 1.0;
        QTest::newRow("-12") << -12.0 << 1.0;
        QTest::newRow("0.5") << 0.5 << 1.0;
        QTest::newRow("-32768") << -32768.0 << 1.0;
        QTest::newRow("32767") << 32767.0 << 500.0;
    }

    void textSizeOutsideTheDrawnRange()
    {
        QFETCH(double, points);
        QFETCH(double, drawnAs);
        ImageSurface asked;
        printAt(asked, 2, 2, points, u"Hg"_s);
        ImageSurface limit;
        printAt(limit, 2, 2, drawnAs, u"Hg"_s);
        QCOMPARE(asked.textSize(), points);
        QVERIFY(countPixels(asked.image(), kWhite) < 530 * 340); // something is drawn
        QCOMPARE(asked.image(), limit.image());
    }

    // Points at 96 dots per inch (36 points are 48 pixels); the text's top-left corner is the
    // position, the baseline one ascent below it.
    void textSizeInPoints()
    {
        ImageSurface surface;
        printAt(surface, 50, 50, 36, u"Hg"_s);

        QImage expected = filled(530, 340, Qt::white);
        QFont font(QString::fromLatin1(kCardFace));
        font.setBold(true);
        font.setPixelSize(48);
        font.setStyleStrategy(QFont::PreferAntialias);
        {
            QPainter painter(&expected);
            painter.setFont(font);
            painter.setPen(Qt::black);
            painter.drawText(QPointF(265, 170 + QFontMetricsF(font, &expected).ascent()), u"Hg"_s);
        }
        QCOMPARE(inkBounds(surface.image(), kWhite), inkBounds(expected, kWhite));
    }

    // The credit line, at its place and size, ends well inside the card in either weight: more
    // than 3 % of the width from the right edge, and clear of the bottom edge.
    void creditLineEndsWellInsideTheCard_data()
    {
        QTest::addColumn<bool>("bold");
        QTest::newRow("regular") << false;
        QTest::newRow("bold") << true;
    }

    void creditLineEndsWellInsideTheCard()
    {
        QFETCH(bool, bold);
        ImageSurface surface;
        surface.setBold(bold);
        printAt(surface, kCreditH, kCreditV, kCreditSize, kCreditLine);
        const QRect ink = inkBounds(surface.image(), kWhite);
        QVERIFY(!ink.isEmpty());
        QVERIFY2(ink.right() < 530 - 16, qPrintable(QString::number(ink.right())));
        QVERIFY2(ink.bottom() < 340 - 3, qPrintable(QString::number(ink.bottom())));
    }

    void boldIsHeavier()
    {
        ImageSurface regular;
        regular.setBold(false);
        printAt(regular, 10, 40, 20, u"HHHH"_s);
        ImageSurface bold;
        printAt(bold, 10, 40, 20, u"HHHH"_s);
        const auto dark = [](const ImageSurface& surface) {
            return countPixels(surface.image(), [](QRgb pixel) { return qGray(pixel) < 128; });
        };
        QVERIFY(dark(bold) > dark(regular) * 5 / 4);
    }

    // In the current colour, without a background box: the picture shows between the letters,
    // inside the text's own box.
    void textInItsColourWithoutBackgroundBox()
    {
        ImageSurface surface;
        QCOMPARE(surface.loadPicture(picture(u"vert.png"_s, filled(530, 340, kGreen))), QString());
        surface.setColour(kRed);
        printAt(surface, 20, 20, 30, u"O"_s);
        const QFontMetricsF metrics(surface.currentFont(), &surface.image());
        const QImage box = surface.image().copy(106, 68, int(metrics.horizontalAdvance(u"O"_s)), int(metrics.height()));
        const int red = countPixels(box, kRed.rgb());
        QVERIFY(red > 0);
        QVERIFY(countPixels(box, kGreen.rgb()) > red); // the hole of the O and the space above it keep the picture
        QCOMPARE(QColor(surface.image().pixel(107, 69)), kGreen);
        QCOMPARE(countPixels(surface.image(), qRgb(0, 0, 0)), 0); // nothing in the creation's black
    }

    // Beyond 100 units, texts and lines are clipped at the edge.
    void clippedAtTheEdge()
    {
        ImageSurface surface;
        surface.setColour(kRed);
        printAt(surface, 98, 95, 40, u"WWWW"_s);
        surface.drawLine(50, 50, 150, 50);
        printAt(surface, 100, 100, 40, u"X"_s);
        printAt(surface, 120, -20, 40, u"X"_s);
        QCOMPARE(surface.image().size(), QSize(530, 340));
        QCOMPARE(QColor(surface.image().pixel(529, 170)), kRed);
    }

    // Clearing keeps the picture and the whole current style; loading a picture keeps the style too.
    void clearAndLoadKeepTheStyle()
    {
        ImageSurface surface;
        QCOMPARE(surface.loadPicture(picture(u"vert.png"_s, filled(300, 200, kGreen))), QString());
        const QImage background = surface.image();
        surface.setColour(kRed);
        surface.setBold(false);
        surface.setLineWidth(3);
        printAt(surface, 30, 40, 20, u"texte"_s);
        surface.drawLine(0, 0, 100, 100);
        QVERIFY(surface.image() != background);
        surface.clear();
        QCOMPARE(surface.image(), background);
        const auto checkStyle = [&surface] {
            QCOMPARE(surface.colour(), kRed);
            QVERIFY(!surface.bold());
            QCOMPARE(surface.textSize(), 20.0);
            QCOMPARE(surface.lineWidth(), 3);
            QCOMPARE(surface.position(), QPointF(30, 40));
        };
        checkStyle();
        QCOMPARE(surface.loadPicture(picture(u"vert.png"_s, filled(530, 340, kGreen))), QString());
        checkStyle();
    }

    // Over an older, larger file of the same name, which it replaces.
    void savesA24BitBmp()
    {
        ImageSurface surface;
        QCOMPARE(surface.loadPicture(picture(u"vert.png"_s, filled(530, 340, kGreen))), QString());
        surface.setColour(kRed);
        surface.drawLine(0, 50, 100, 50);
        const QString path = env_->writeScratchFile(u"carte.bmp"_s, QByteArray(2'000'000, 'x'));
        QCOMPARE(surface.saveBmp(path), QString());

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("BM"));
        const auto le32 = [&bytes](int at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
        QCOMPARE((QList<quint32>{le32(2), le32(18), le32(22)}), (QList<quint32>{quint32(bytes.size()), 530, 340}));
        QCOMPARE(qFromLittleEndian<quint16>(bytes.constData() + 28), quint16(24));
        QCOMPARE(QImage(path).convertToFormat(QImage::Format_RGB32), surface.image());
    }

    // A save that fails leaves no file, whole or half, and says why.
    void failedSaveLeavesNothing_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing folder") << u"absent/carte.bmp"_s << u"le dossier n'existe pas"_s;
        QTest::newRow("a folder has the name") << u"dossier.bmp"_s << u"un dossier porte ce nom"_s;
        // The one character besides "/" that the file system refuses in a name.
        QTest::newRow("a name the file system refuses")
            << u"QSL_F4%1AB_14 Mhz_SSB.bmp"_s.arg(QChar(0)) << u"le nom du fichier contient un caractère interdit"_s;
    }

    void failedSaveLeavesNothing()
    {
        QFETCH(QString, relative);
        QFETCH(QString, reason);
        QDir(folder()).mkdir(u"dossier.bmp"_s);
        const auto entries = [this] {
            return QDir(folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        };
        const QStringList before = entries();
        ImageSurface surface;
        QCOMPARE(surface.saveBmp(folder() + u'/' + relative), reason);
        QCOMPARE(entries(), before);
        QVERIFY(QFileInfo(folder() + u"/dossier.bmp"_s).isDir());
    }

    void viewToldOfEveryChange()
    {
        ImageSurface surface;
        int changes = 0;
        surface.onChange([&changes] { ++changes; });
        surface.setColour(kRed);
        surface.setTextSize(10);
        QCOMPARE(changes, 0); // the style alone changes no pixel
        surface.print(u"a"_s);
        QCOMPARE(changes, 1);
        surface.drawLine(0, 0, 10, 10);
        QCOMPARE(changes, 2);
        surface.clear();
        QCOMPARE(changes, 3);
        QCOMPARE(surface.loadPicture(picture(u"vert.png"_s, filled(10, 10, kGreen))), QString());
        QCOMPARE(changes, 4);
    }
};

QTEST_MAIN(TestImageSurface)
#include "tst_image_surface.moc"
