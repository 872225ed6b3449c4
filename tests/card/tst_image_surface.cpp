// The real drawing surface, checked by its pixels and its files.

#include "platform/fonts.h"
#include "platform/image_surface.h"
#include "support/case_files.h"
#include "support/test_folders.h"

#include <QFontDatabase>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QtEndian>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace
{

// The smallest rectangle holding every pixel that is not white.
QRect inkBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

} // namespace

class TestImageSurface : public QObject
{
    Q_OBJECT

private slots:
    // The JPEG background at its natural size; 100 units across and down; the whole image saved
    // as a 24-bit BMP of 530 x 340; clearing leaves the background and the style.
    void backgroundDrawingsAndBmp()
    {
        TestFolders env;
        ImageSurface surface;
        const QString sample = QStringLiteral(EQSL_SAMPLE_BACKGROUND);
        QVERIFY(surface.loadPicture(sample).ok());
        const QImage background = QImage(sample).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(surface.image(), background);
        surface.setColour(QColor(255, 0, 0));
        surface.drawLine(25, 0, 25, 100);
        surface.setLineWidth(3);
        surface.drawLine(0, 50, 100, 50);
        for (int y = 0; y < 340; y += 17)
            QCOMPARE(surface.image().pixel(132, y), qRgb(255, 0, 0)); // 25 % of 530 is 132.5
        for (int x = 0; x < 530; x += 53)
            for (const int y : {169, 170, 171})
                QCOMPARE(surface.image().pixel(x, y), qRgb(255, 0, 0)); // 3 pixels round 50 % of 340

        const QString path = env.scratchFolder() + u"/carte.bmp"_s;
        QVERIFY(surface.saveBmp(path).ok());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray header = file.read(54);
        QVERIFY(header.startsWith("BM"));
        QCOMPARE(qFromLittleEndian<quint16>(header.constData() + 28), quint16(24));
        QCOMPARE(QImage(path).convertToFormat(QImage::Format_RGB32), surface.image());

        surface.clear();
        QCOMPARE(surface.image(), background);
        QCOMPARE((std::pair(surface.colour(), surface.lineWidth())), (std::pair(QColor(255, 0, 0), 3)));
        // The card face, or the stand-in that ships with the program where it is missing.
        const bool installed = QFontDatabase::families().contains(u"Comic Sans MS"_s);
        QCOMPARE(QFontInfo(surface.currentFont()).family(), installed ? u"Comic Sans MS"_s : u"Comic Neue"_s);
    }

    // 36 points are 48 pixels at 96 dots per inch; the position is the text's top-left corner.
    void textSizeInPoints()
    {
        ImageSurface surface;
        surface.setTextSize(36);
        surface.setPosition(50, 50);
        surface.print(u"Hg"_s);
        QImage expected(530, 340, QImage::Format_RGB32);
        expected.fill(Qt::white);
        QFont font(QString::fromLatin1(kCardFace));
        font.setBold(true);
        font.setPixelSize(48);
        font.setStyleStrategy(QFont::PreferAntialias);
        QPainter painter(&expected);
        painter.setFont(font);
        painter.drawText(QPointF(265, 170 + QFontMetricsF(font, &expected).ascent()), u"Hg"_s);
        painter.end();
        QCOMPARE(inkBounds(surface.image()), inkBounds(expected));
    }

    // What cannot be read (a picture) or written (a card) is told, and the surface keeps its picture.
    // Qt holds no picture beyond its memory limit (lowered to 1 MB here: 1200 x 900 stands for a
    // camera's photo): a JPEG is read in the top-left corner the card shows; a PNG, read whole, is not.
    void failures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        addRow("missing picture", u"absent.jpg"_s, u"le fichier n'existe pas"_s);
        if (kHasFifos)
            addRow("FIFO as picture", u"fifo.jpg"_s, u"ce n'est pas un fichier ordinaire"_s);
        addRow("text as picture", u"faux.jpg"_s, u"le fichier n'est pas une image lisible"_s);
        addRow("folder in place of the card", u"dossier.bmp"_s, u"un dossier porte ce nom"_s);
        addRow("NUL in the card's name", u"QSL_F4\0XYZ.bmp"_s, u"le nom du fichier contient un caractère interdit"_s);
#ifdef Q_OS_WIN
        // Windows would write "QSL_F4" with a stream named "XYZ.bmp".
        addRow("colon in the card's name", u"QSL_F4:XYZ.bmp"_s, u"le nom du fichier contient un caractère interdit"_s);
#endif
        addRow("photo as JPEG", u"photo.jpg"_s, QString());
        addRow("photo as PNG", u"photo.png"_s, u"l'image est trop grande pour être lue (1200 x 900 pixels)"_s);
        // Decoded whole, whatever part of it is used.
        addRow("photo as progressive JPEG", u"progressive.jpg"_s,
               u"l'image est trop grande pour être lue (1200 x 900 pixels)"_s);
        addRow("progressive JPEG of a card's size", u"card.jpg"_s, QString());
        // Cut inside the image data, with an end-of-image marker put back after the cut.
        addRow("JPEG cut in half", u"cut.jpg"_s, u"l'image est incomplète ou abîmée"_s);
        addRow("progressive JPEG cut in its last scan", u"cut-progressive.jpg"_s,
               u"l'image est incomplète ou abîmée"_s);
        // Every scan whole, but the last one missing: the picture's finest bits are lost.
        addRow("progressive JPEG cut before its last scan", u"cut-scans.jpg"_s, u"l'image est incomplète ou abîmée"_s);
        addRow("JPEG with data after its end", u"trailer.jpg"_s, QString());
        // These JPEGs were made by libjpeg-turbo's cjpeg, which Qt's writer cannot stand for (how,
        // in tests/data/card/pictures/README.md). As cameras and editors write them: a restart
        // marker after each row of blocks (cjpeg -restart 1).
        addRow("JPEG with restart markers", u"restart.jpg"_s, QString());
        addRow("progressive JPEG with restart markers", u"restart-progressive.jpg"_s, QString());
        // A scan for each component: decoded whole, like a progressive one.
        addRow("JPEG of a scan per component", u"separate-scans.jpg"_s,
               u"l'image est trop grande pour être lue (800 x 600 pixels)"_s);
        // 74 scans, each over the whole picture: a file made to stall its reader.
        addRow("progressive JPEG of too many scans", u"many-scans.jpg"_s,
               u"l'image est faite de trop de passes pour être lue"_s);
        addRow("JPEG of 5 components", u"components.jpg"_s,
               u"l'image a trop de composantes de couleur pour être lue (5)"_s);
        addRow(
            "arithmetic-coded JPEG", u"arithmetic.jpg"_s,
            u"l'image est d'un codage JPEG que le programme ne lit pas (arithmétique, sans perte ou hiérarchique)"_s);
    }

    void failures()
    {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        TestFolders env;
        const QString path = makeFifo(env.scratchFolder() + u"/fifo.jpg"_s).replace(u"fifo.jpg"_s, name);
        QDir().mkpath(env.scratchFolder() + u"/dossier.bmp"_s);
        env.writeScratchFile(u"faux.jpg"_s, "pas une image");
        ImageSurface surface;
        QVERIFY(surface.loadPicture(QStringLiteral(EQSL_SAMPLE_BACKGROUND)).ok());
        QImage photo(1200, 900, QImage::Format_RGB32);
        photo.fill(Qt::blue);
        QPainter(&photo).fillRect(0, 0, 530, 340, Qt::red);
        QVERIFY(photo.save(env.scratchFolder() + u"/photo.jpg"_s) && photo.save(env.scratchFolder() + u"/photo.png"_s));
        for (const auto& [file, image] :
             {std::pair(u"/progressive.jpg"_s, photo), {u"/card.jpg"_s, photo.copy(0, 0, 530, 340)}}) {
            QImageWriter progressive(env.scratchFolder() + file, "jpeg");
            progressive.setProgressiveScanWrite(true);
            QVERIFY(progressive.write(image));
        }
        const QByteArray bytes = dataBytes(env.scratchFolder() + u"/photo.jpg"_s),
                         card = dataBytes(env.scratchFolder() + u"/card.jpg"_s);
        env.writeScratchFile(u"cut.jpg"_s, bytes.first(bytes.size() / 2) + "\xFF\xD9");
        env.writeScratchFile(u"trailer.jpg"_s, bytes + QByteArray(1000, '\xFF') + "after the picture");
        const qsizetype lastScan = card.lastIndexOf("\xFF\xDA");
        env.writeScratchFile(u"cut-progressive.jpg"_s, card.first((lastScan + card.size()) / 2) + "\xFF\xD9");
        env.writeScratchFile(u"cut-scans.jpg"_s, card.first(lastScan) + "\xFF\xD9");
        // A frame of 8 x 8 pixels with 5 components; a frame of arithmetic coding.
        env.writeScratchFile(u"components.jpg"_s,
                             QByteArray::fromHex("ffd8ffc00017080008000805011100021100031100041100051100ffd9"));
        env.writeScratchFile(u"arithmetic.jpg"_s, QByteArray::fromHex("ffd8ffc9000b080008000801011100ffd9"));
        for (const QString& picture : dataFiles(dataPath(u"card/pictures"_s), u"*.jpg"_s))
            QVERIFY(QFile::copy(dataPath(u"card/pictures/"_s + picture), env.scratchFolder() + u'/' + picture));
        const QImage before = surface.image();
        const int limit = QImageReader::allocationLimit();
        QImageReader::setAllocationLimit(1);
        const QString result = (name.endsWith(u".bmp"_s) ? surface.saveBmp(path) : surface.loadPicture(path)).reason();
        QImageReader::setAllocationLimit(limit);
        QCOMPARE(result, reason);
        QCOMPARE(surface.image() == before, !reason.isEmpty());
        QCOMPARE(surface.image().pixelColor(525, 335).red() > 200, reason.isEmpty()); // the photo's corner
    }
};

QTEST_MAIN(TestImageSurface)
#include "tst_image_surface.moc"
