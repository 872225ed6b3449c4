// The real drawing surface, checked by its pixels and its files.

#include "platform/fonts.h"
#include "platform/image_surface.h"
#include "support/test_environment.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QtEndian>
#include <QtTest>

namespace
{

const QColor kRed(255, 0, 0);
const QColor kGreen(0, 128, 0);

QString writePicture(const QString& folder, const QString& name, const QImage& image, const char* format)
{
    const QString path = folder + QLatin1Char('/') + name;
    image.save(path, format);
    return path;
}

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

int countPixels(const QImage& image, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == colour;
    return n;
}

int darkPixels(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += qGray(image.pixel(x, y)) < 128;
    return n;
}

quint32 readLe32(const QByteArray& bytes, int at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

quint16 readLe16(const QByteArray& bytes, int at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

} // namespace

class TestImageSurface : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env_;
    QString folder() const { return env_->scratchFolder(); }

private slots:
    void init() { env_ = std::make_unique<TestEnvironment>(); }
    void cleanup() { env_.reset(); }

    void startsWhiteWithTheCreationStyle()
    {
        ImageSurface surface;
        QCOMPARE(surface.image().size(), QSize(530, 340));
        QCOMPARE(countPixels(surface.image(), qRgb(255, 255, 255)), 530 * 340);
        QVERIFY(surface.bold());
        QCOMPARE(surface.textSize(), 12.0);
        QCOMPARE(surface.colour(), QColor(Qt::black));
        QCOMPARE(surface.lineWidth(), 1);
        QCOMPARE(surface.currentFont().family(), QString::fromLatin1(kCardFace));
    }

    // "Comic Sans MS" is drawn with "Comic Neue" where it is missing, in both weights.
    void cardFaceResolves()
    {
        const bool installed = QFontDatabase::families().contains(QStringLiteral("Comic Sans MS"));
        const QString expected = installed ? QStringLiteral("Comic Sans MS") : QStringLiteral("Comic Neue");
        ImageSurface surface;
        for (const bool bold : {true, false}) {
            surface.setBold(bold);
            const QFontInfo info(surface.currentFont());
            QCOMPARE(info.family(), expected);
            QCOMPARE(info.bold(), bold);
        }
    }

    void smallPictureAtNaturalSizeFromTheTopLeft()
    {
        ImageSurface surface;
        const QString path = writePicture(folder(), "small.png", filled(100, 50, kRed), "PNG");
        QCOMPARE(surface.loadPicture(path), QString());
        const QImage& image = surface.image();
        QCOMPARE(image.size(), QSize(530, 340));
        QCOMPARE(QColor(image.pixel(0, 0)), kRed);
        QCOMPARE(QColor(image.pixel(99, 49)), kRed);
        QCOMPARE(QColor(image.pixel(100, 0)), QColor(Qt::white));
        QCOMPARE(QColor(image.pixel(0, 50)), QColor(Qt::white));
        QCOMPARE(countPixels(image, kRed.rgb()), 100 * 50);
    }

    void largePictureNotStretched()
    {
        QImage big = filled(600, 400, Qt::blue);
        big.setPixel(529, 339, kRed.rgb());
        big.setPixel(530, 339, kGreen.rgb());
        ImageSurface surface;
        QCOMPARE(surface.loadPicture(writePicture(folder(), "big.png", big, "PNG")), QString());
        QCOMPARE(surface.image().size(), QSize(530, 340));
        QCOMPARE(QColor(surface.image().pixel(529, 339)), kRed);
        QCOMPARE(QColor(surface.image().pixel(0, 0)), QColor(Qt::blue));
    }

    void jpegPicture()
    {
        ImageSurface surface;
        const QString path = writePicture(folder(), "fond.jpg", filled(530, 340, QColor(200, 200, 40)), "JPG");
        QCOMPARE(surface.loadPicture(path), QString());
        const QColor centre(surface.image().pixel(265, 170));
        QVERIFY(qAbs(centre.red() - 200) <= 4 && qAbs(centre.blue() - 40) <= 4);
    }

    void unloadablePictureChangesNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("missing") << "absent.jpg" << QByteArray();
        QTest::newRow("not a picture") << "texte.jpg" << QByteArray("ceci n'est pas une image");
        QTest::newRow("truncated jpeg") << "coupe.jpg" << QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF", 10);
    }

    void unloadablePictureChangesNothing()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QString path = folder() + QLatin1Char('/') + name;
        if (!bytes.isEmpty())
            path = env_->writeScratchFile(name, bytes);
        ImageSurface surface;
        QCOMPARE(surface.loadPicture(writePicture(folder(), "good.png", filled(530, 340, kGreen), "PNG")), QString());
        surface.setPosition(10, 10);
        surface.print(QStringLiteral("abc"));
        const QImage before = surface.image();
        const QString reason = surface.loadPicture(path);
        QVERIFY(!reason.isEmpty());
        QCOMPARE(surface.image(), before);
        surface.clear();
        QCOMPARE(QColor(surface.image().pixel(265, 170)), kGreen); // the old background is still the picture
    }

    // A position of 100 x 100 units spans the whole image.
    void userScale()
    {
        ImageSurface surface;
        surface.setColour(kRed);
        surface.drawLine(0, 50, 100, 50);
        surface.drawLine(25, 0, 25, 100);
        const QImage& image = surface.image();
        for (int x : {0, 10, 264, 400, 528})
            QCOMPARE(QColor(image.pixel(x, 170)), kRed);
        for (int y : {0, 85, 339})
            QCOMPARE(QColor(image.pixel(132, y)), kRed); // 25 % of 530 is 132.5
        QCOMPARE(QColor(image.pixel(264, 168)), QColor(Qt::white));
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
        int covered = 0;
        for (int y = 0; y < 340; ++y)
            covered += QColor(surface.image().pixel(265, y)) == kRed;
        QCOMPARE(covered, pixels);
        QCOMPARE(surface.lineWidth(), width); // the style keeps what was asked
    }

    // The text's top-left corner is the position: the baseline lies one ascent below it.
    void textPlacedByItsTopLeftCorner()
    {
        ImageSurface surface;
        surface.setBold(false);
        surface.setTextSize(36);
        surface.setPosition(50, 50);
        surface.print(QStringLiteral("H"));
        const QFontMetricsF metrics(surface.currentFont(), &surface.image());
        const QRect ink = inkBounds(surface.image(), qRgb(255, 255, 255));
        QVERIFY(!ink.isEmpty());
        const double capTop = 170 + metrics.ascent() - metrics.capHeight();
        QVERIFY2(qAbs(ink.top() - capTop) <= 2,
                 qPrintable(QStringLiteral("ink top %1, expected %2").arg(ink.top()).arg(capTop)));
        QVERIFY2(ink.left() >= 264 && ink.left() <= 265 + 8, qPrintable(QString::number(ink.left())));
        QVERIFY(qAbs(ink.bottom() + 1 - (170 + metrics.ascent())) <= 2);
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
        const auto draw = [](double size) {
            auto surface = std::make_unique<ImageSurface>();
            surface->setTextSize(size);
            surface->setPosition(2, 2);
            surface->print(QStringLiteral("Hg"));
            return surface;
        };
        const auto asked = draw(points);
        const auto limit = draw(drawnAs);
        QCOMPARE(asked->textSize(), points);
        QVERIFY(countPixels(asked->image(), qRgb(255, 255, 255)) < 530 * 340); // something is drawn
        QCOMPARE(asked->image(), limit->image());
    }

    // Points at 96 dots per inch: 36 points are 48 pixels.
    void textSizeInPoints()
    {
        ImageSurface surface;
        surface.setTextSize(36);
        surface.setPosition(0, 0);
        surface.print(QStringLiteral("Hg"));

        QImage expected(530, 340, QImage::Format_RGB32);
        expected.fill(Qt::white);
        QFont font(QString::fromLatin1(kCardFace));
        font.setBold(true);
        font.setPixelSize(48);
        font.setStyleStrategy(QFont::PreferAntialias);
        {
            QPainter painter(&expected);
            painter.setFont(font);
            painter.setPen(Qt::black);
            painter.drawText(QPointF(0, QFontMetricsF(font, &expected).ascent()), QStringLiteral("Hg"));
        }
        QCOMPARE(inkBounds(surface.image(), qRgb(255, 255, 255)), inkBounds(expected, qRgb(255, 255, 255)));
    }

    void boldIsHeavier()
    {
        ImageSurface regular;
        regular.setBold(false);
        regular.setTextSize(20);
        regular.setPosition(10, 40);
        regular.print(QStringLiteral("HHHH"));
        ImageSurface bold;
        bold.setTextSize(20);
        bold.setPosition(10, 40);
        bold.print(QStringLiteral("HHHH"));
        QVERIFY(darkPixels(bold.image()) > darkPixels(regular.image()) * 5 / 4);
    }

    // No background box: the picture shows between the letters, inside the text's own box.
    void textWithoutBackgroundBox()
    {
        ImageSurface surface;
        QCOMPARE(surface.loadPicture(writePicture(folder(), "vert.png", filled(530, 340, kGreen), "PNG")), QString());
        surface.setColour(kRed);
        surface.setTextSize(30);
        surface.setPosition(20, 20);
        surface.print(QStringLiteral("O"));
        const QFontMetricsF metrics(surface.currentFont(), &surface.image());
        const QRectF box(106, 68, metrics.horizontalAdvance(QStringLiteral("O")), metrics.height());
        int green = 0;
        int red = 0;
        for (int y = int(box.top()); y < int(box.bottom()); ++y)
            for (int x = int(box.left()); x < int(box.right()); ++x) {
                const QColor c(surface.image().pixel(x, y));
                green += c == kGreen;
                red += c == kRed;
            }
        QVERIFY(red > 0);
        QVERIFY(green > red); // the hole of the O and the space above it keep the picture
        QCOMPARE(QColor(surface.image().pixel(107, 69)), kGreen);
    }

    void textInTheCurrentColour()
    {
        ImageSurface surface;
        surface.setColour(QColor(0, 0, 255));
        surface.setTextSize(40);
        surface.setPosition(10, 10);
        surface.print(QStringLiteral("I"));
        QVERIFY(countPixels(surface.image(), qRgb(0, 0, 255)) > 20);
        QCOMPARE(countPixels(surface.image(), qRgb(0, 0, 0)), 0);
    }

    // Beyond 100 units, texts and lines are clipped at the edge.
    void clippedAtTheEdge()
    {
        ImageSurface surface;
        surface.setColour(kRed);
        surface.setTextSize(40);
        surface.setPosition(98, 95);
        surface.print(QStringLiteral("WWWW"));
        surface.drawLine(50, 50, 150, 50);
        surface.setPosition(100, 100);
        surface.print(QStringLiteral("X"));
        surface.setPosition(120, -20);
        surface.print(QStringLiteral("X"));
        QCOMPARE(surface.image().size(), QSize(530, 340));
        QCOMPARE(QColor(surface.image().pixel(529, 170)), kRed);
    }

    void drawingsPersist()
    {
        ImageSurface surface;
        surface.setColour(kRed);
        surface.drawLine(0, 10, 100, 10);
        surface.setPosition(10, 50);
        surface.print(QStringLiteral("A"));
        surface.drawLine(0, 90, 100, 90);
        QCOMPARE(QColor(surface.image().pixel(100, 34)), kRed);
        QCOMPARE(QColor(surface.image().pixel(100, 306)), kRed);
    }

    // Clearing keeps the picture and the whole current style.
    void clearKeepsPictureAndStyle()
    {
        ImageSurface surface;
        QCOMPARE(surface.loadPicture(writePicture(folder(), "vert.png", filled(300, 200, kGreen), "PNG")), QString());
        const QImage background = surface.image();
        surface.setColour(kRed);
        surface.setBold(false);
        surface.setTextSize(20);
        surface.setLineWidth(3);
        surface.setPosition(30, 40);
        surface.print(QStringLiteral("texte"));
        surface.drawLine(0, 0, 100, 100);
        QVERIFY(surface.image() != background);
        surface.clear();
        QCOMPARE(surface.image(), background);
        QCOMPARE(surface.colour(), kRed);
        QVERIFY(!surface.bold());
        QCOMPARE(surface.textSize(), 20.0);
        QCOMPARE(surface.lineWidth(), 3);
        QCOMPARE(surface.position(), QPointF(30, 40));
    }

    void loadingKeepsTheStyle()
    {
        ImageSurface surface;
        surface.setBold(false);
        surface.setTextSize(6);
        QCOMPARE(surface.loadPicture(writePicture(folder(), "vert.png", filled(530, 340, kGreen), "PNG")), QString());
        QVERIFY(!surface.bold());
        QCOMPARE(surface.textSize(), 6.0);
    }

    void savesA24BitBmp()
    {
        ImageSurface surface;
        QCOMPARE(surface.loadPicture(writePicture(folder(), "vert.png", filled(530, 340, kGreen), "PNG")), QString());
        surface.setColour(kRed);
        surface.drawLine(0, 50, 100, 50);
        const QString path = folder() + QStringLiteral("/carte.bmp");
        QCOMPARE(surface.saveBmp(path), QString());

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("BM"));
        QCOMPARE(readLe32(bytes, 18), 530u);
        QCOMPARE(readLe32(bytes, 22), 340u);
        QCOMPARE(readLe16(bytes, 28), quint16(24));
        QCOMPARE(readLe32(bytes, 2), quint32(bytes.size()));

        const QImage back(path);
        QCOMPARE(back.convertToFormat(QImage::Format_RGB32), surface.image());
    }

    void saveReplacesAnExistingFile()
    {
        const QString path = env_->writeScratchFile(QStringLiteral("carte.bmp"), QByteArray(2'000'000, 'x'));
        ImageSurface surface;
        QCOMPARE(surface.saveBmp(path), QString());
        QCOMPARE(QImage(path).size(), QSize(530, 340));
        QVERIFY(QFileInfo(path).size() < 1'000'000);
    }

    // A save that fails leaves no file, whole or half, and says why.
    void failedSaveLeavesNothing_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing folder") << "absent/carte.bmp"
                                        << "le dossier n'existe pas";
        QTest::newRow("a folder has the name") << "dossier.bmp"
                                               << "un dossier porte ce nom";
        // The one character besides "/" that the file system refuses in a name.
        QTest::newRow("a name the file system refuses") << QStringLiteral("QSL_F4%1AB_14 Mhz_SSB.bmp").arg(QChar(0))
                                                        << "le nom du fichier contient un caractère interdit";
    }

    void failedSaveLeavesNothing()
    {
        QFETCH(QString, relative);
        QFETCH(QString, reason);
        QDir(folder()).mkdir(QStringLiteral("dossier.bmp"));
        const QStringList before = QDir(folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        ImageSurface surface;
        QCOMPARE(surface.saveBmp(folder() + QLatin1Char('/') + relative), reason);
        QCOMPARE(QDir(folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);
        QVERIFY(QFileInfo(folder() + QStringLiteral("/dossier.bmp")).isDir());
    }

    void viewToldOfEveryChange()
    {
        ImageSurface surface;
        int changes = 0;
        surface.onChange([&changes] { ++changes; });
        surface.setColour(kRed);
        surface.setTextSize(10);
        QCOMPARE(changes, 0); // the style alone changes no pixel
        surface.print(QStringLiteral("a"));
        QCOMPARE(changes, 1);
        surface.drawLine(0, 0, 10, 10);
        QCOMPARE(changes, 2);
        surface.clear();
        QCOMPARE(changes, 3);
        QCOMPARE(surface.loadPicture(writePicture(folder(), "vert.png", filled(10, 10, kGreen), "PNG")), QString());
        QCOMPARE(changes, 4);
    }
};

QTEST_MAIN(TestImageSurface)
#include "tst_image_surface.moc"
