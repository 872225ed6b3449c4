// The memory a hostile input costs: each case runs in a child process of its own, whose peak
// resident size (getrusage) is compared with the bound the program keeps to: for a log, 3 times
// the file plus 100 MB whatever its content; for a parameter file, a refusal before it is read;
// for a background, the part the card uses, or a refusal with its reason; for the settings, a file
// a few times the largest one the program keeps, whatever the file holds. The seconds each case
// took are shown beside it.
//
//   memory_bench [megabytes]    (200 by default)

#include "adif/adif_reader.h"
#include "layout/parameter_file.h"
#include "platform/image_surface.h"
#include "platform/text_file.h"
#include "settings/settings_keys.h"
#include "settings/settings_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{

constexpr qint64 kMegabyte = 1024 * 1024;

qint64 peakBytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return qint64(usage.ru_maxrss) * 1024;
}

double lastSeconds = 0;
bool lastPassed = false;

// Runs the case in a child process; returns its peak resident size (-1 when the child could not
// tell it), and sets lastPassed to whether the case went as the program's bound says.
qint64 peakOf(const std::function<bool()>& run)
{
    // What is printed so far is not printed again by the child.
    std::fflush(stdout);
    QElapsedTimer timer;
    timer.start();
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return -1;
    const pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        const bool passed = run();
        const qint64 told[2] = {peakBytes(), passed ? 1 : 0};
        (void)!write(pipeEnds[1], told, sizeof told);
        _exit(0);
    }
    close(pipeEnds[1]);
    qint64 told[2] = {-1, 0};
    if (read(pipeEnds[0], told, sizeof told) != sizeof told)
        told[0] = -1;
    const qint64 peak = told[0];
    lastPassed = told[1] == 1;
    close(pipeEnds[0]);
    waitpid(child, nullptr, 0);
    lastSeconds = double(timer.elapsed()) / 1000;
    return peak;
}

// A file of `size` bytes repeating `unit`.
QString writeRepeated(const QTemporaryDir& dir, const char* name, const QByteArray& unit, qint64 size)
{
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    QByteArray block;
    while (block.size() < kMegabyte)
        block += unit;
    for (qint64 written = 0; written < size; written += block.size())
        file.write(block.first(qMin<qint64>(block.size(), size - written)));
    return path;
}

bool readLog(const QString& path)
{
    TextFile file = readTextFile(path);
    int lines = 0;
    // As "Sélectionnez": whether line feeds alone ran records together, before reading.
    if (hasLoneLineFeed(file.text))
        lines = countAdifRecords(file.text, LineEnds::AlsoLoneLf, kMaxListLines);
    readAdif(file.text, LineEnds::CrLfOrCr, kMaxListLines, [&](const QString&) { ++lines; }, {});
    return file.outcome.ok();
}

// A progressive JPEG of width x height, as a photo editor exports one, written by a child process
// (the picture takes gigabytes while it is encoded).
QString progressiveJpeg(const QTemporaryDir& dir, int width, int height)
{
    const QString path = dir.filePath(QStringLiteral("progressive.jpg"));
    const qint64 made = peakOf([&] {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        QImageWriter writer(path, "jpeg");
        writer.setProgressiveScanWrite(true);
        return writer.write(image);
    });
    return made >= 0 ? path : QString();
}

// The bits of a scan's data, a zero byte stuffed after each 0xFF, the last byte filled with ones.
class BitWriter
{
public:
    explicit BitWriter(QByteArray& out) : out_(out) {}
    void put(quint32 bits, int count)
    {
        for (int i = count - 1; i >= 0; --i) {
            byte_ = byte_ << 1 | (bits >> i & 1);
            if (++filled_ == 8) {
                out_.append(char(byte_));
                if (byte_ == 0xFF)
                    out_.append('\0');
                byte_ = 0;
                filled_ = 0;
            }
        }
    }
    void end()
    {
        while (filled_ != 0)
            put(1, 1);
    }

private:
    QByteArray& out_;
    quint32 byte_ = 0;
    int filled_ = 0;
};

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray made;
    for (const int value : values)
        made.append(char(value));
    return made;
}

QByteArray segment(int marker, const QByteArray& body)
{
    const int length = int(body.size()) + 2;
    return bytes({0xFF, marker, length >> 8, length & 0xFF}) + body;
}

// A JPEG of one flat colour, written as hostile files are: `components` components in a scan each
// (sequential), or a progressive picture whose first AC scan of each component comes `acScans`
// times. Its Huffman tables: a DC table of the one difference 0 (code "0"), an AC table of the end
// of band (sequential, code "0") or of the runs of 2^r blocks (progressive, 4-bit codes).
QByteArray flatJpeg(int width, int height, int components, bool progressive, int acScans)
{
    QByteArray jpeg("\xFF\xD8");
    jpeg += segment(0xDB, QByteArray(1, '\0') + QByteArray(64, '\1'));
    QByteArray frame = bytes({8, height >> 8, height & 0xFF, width >> 8, width & 0xFF, components});
    for (int c = 1; c <= components; ++c)
        frame += bytes({c, 0x11, 0});
    jpeg += segment(progressive ? 0xC2 : 0xC0, frame);
    QByteArray dc = bytes({0x00, 1}) + QByteArray(15, '\0') + QByteArray(1, '\0');
    QByteArray ac = bytes({0x10, progressive ? 0 : 1}) + QByteArray(15, '\0');
    if (progressive) {
        ac[4] = char(15);
        for (int r = 0; r < 15; ++r)
            ac.append(char(r << 4));
    } else
        ac.append('\0');
    jpeg += segment(0xC4, dc + ac);
    const qint64 blocks = qint64((width + 7) / 8) * ((height + 7) / 8);
    if (!progressive) {
        for (int c = 1; c <= components; ++c) {
            jpeg += segment(0xDA, bytes({1, c, 0x00, 0, 63, 0}));
            BitWriter bits(jpeg);
            for (qint64 b = 0; b < blocks; ++b)
                bits.put(0, 2); // the DC difference 0, the end of band
            bits.end();
        }
    } else {
        QByteArray header(1, char(components));
        for (int c = 1; c <= components; ++c)
            header += bytes({c, 0x00});
        jpeg += segment(0xDA, header + bytes({0, 0, 0}));
        BitWriter bits(jpeg);
        for (qint64 b = 0; b < blocks * components; ++b)
            bits.put(0, 1);
        bits.end();
        QByteArray scan;
        BitWriter run(scan);
        for (qint64 left = blocks; left > 0;) {
            int r = 14;
            while ((qint64(1) << r) > left)
                --r;
            const qint64 length = qMin<qint64>(left, (qint64(2) << r) - 1);
            run.put(quint32(r), 4);
            run.put(quint32(length - (qint64(1) << r)), r);
            left -= length;
        }
        run.end();
        for (int c = 1; c <= components; ++c)
            for (int repeat = 0; repeat < acScans; ++repeat)
                jpeg += segment(0xDA, bytes({1, c, 0x00, 1, 63, 0})) + scan;
    }
    return jpeg + "\xFF\xD9";
}

void report(const char* name, qint64 fileSize, qint64 peak, qint64 bound)
{
    std::printf("%-52s %8.1f MB %8.0f MB %8.0f MB %8.1f s  %s\n", name, double(fileSize) / kMegabyte,
                double(peak) / kMegabyte, double(bound) / kMegabyte, lastSeconds,
                lastPassed && peak >= 0 && peak <= bound ? "within" : "OVER");
}

// The peak of reading a background, which passes when it is refused before it is decoded.
qint64 backgroundPeak(const QString& path)
{
    const qint64 peak = peakOf([&] {
        int args = 1;
        char name[] = "memory_bench";
        char* arg[] = {name, nullptr};
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(args, arg);
        QImage picture;
        const Outcome read = ImageSurface::readPicture(path, picture);
        std::printf("    %s\n", read.ok() ? "accepted" : qPrintable(QStringLiteral("refused: ") + read.reason()));
        std::fflush(stdout); // the child ends with _exit()
        return !read.ok();
    });
    return peak;
}

} // namespace

int main(int argc, char** argv)
{
    const qint64 size = (argc > 1 ? QByteArray(argv[1]).toLongLong() : 200) * kMegabyte;
    QTemporaryDir dir;
    std::printf("%-46s %11s %13s %13s\n", "case", "file", "peak", "bound");

    const QByteArray record = "<CALL:5>F4XYZ <QSO_DATE:8>20240315 <TIME_ON:4>1405 <BAND:3>20m <MODE:3>SSB "
                              "<RST_SENT:2>59 <QSL_RCVD:1>N <EOR>\r\n";
    const struct {
        const char* name;
        QByteArray unit;
    } logs[] = {
        {"log: one line of \"<\"", "<"},
        {"log: \"<\" and CR, line after line", "<\r"},
        {"log: CR alone", "\r"},
        {"log: \"<\" and LF, line after line", "<\n"},
        {"log: ordinary records, LF line ends",
         "<EOH>\n" + QByteArray(record).replace("\r\n", "\n").repeated(int(kMegabyte / record.size()))},
        {"log: header, then one record of \"<\"", "<EOH>\r" + QByteArray(kMegabyte, '<')},
        {"log: ordinary records", "<EOH>\r\n" + record.repeated(int(kMegabyte / record.size()))},
    };
    for (const auto& log : logs) {
        const QString path = writeRepeated(dir, "log.adi", log.unit, size);
        const qint64 peak = peakOf([&] { return readLog(path); });
        report(log.name, size, peak, 3 * size + 100 * kMegabyte);
        QFile::remove(path);
    }

    // A parameter file of one line as large as the logs: refused for its size before it is read.
    {
        const QString path = writeRepeated(dir, "mise en page.inf", "5", size);
        const qint64 peak = peakOf([&] {
            const TextFile file = readTextFile(path, kLargestParameterFile);
            const ParameterFileContents contents = parseParameterFile(file.lines());
            std::printf("    %s\n",
                        file.outcome.ok() ? "read" : qPrintable(QStringLiteral("refused: ") + file.outcome.reason()));
            std::fflush(stdout);
            return !file.outcome.ok() && contents.records.isEmpty();
        });
        report("parameter file: one line", size, peak, 50 * kMegabyte);
        QFile::remove(path);
    }

    // The picture's bytes in a file of the folder; no path when it cannot be written.
    const auto saved = [&dir](const char* name, const QByteArray& bytes) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? path : QString();
    };
    const struct {
        const char* name;
        std::function<QString()> make;
    } backgrounds[] = {
        {"background: progressive JPEG 20000 x 20000", [&] { return progressiveJpeg(dir, 20000, 20000); }},
        {"background: JPEG of a scan per component 20000 x 20000",
         [&] { return saved("separate.jpg", flatJpeg(20000, 20000, 3, false, 0)); }},
        {"background: progressive JPEG 8000 x 8000, 20000 scans",
         [&] { return saved("scans.jpg", flatJpeg(8000, 8000, 1, true, 20000)); }},
        {"background: progressive JPEG 530 x 340, 300000 scans",
         [&] { return saved("card scans.jpg", flatJpeg(530, 340, 1, true, 300000)); }},
    };
    for (const auto& background : backgrounds) {
        const QString path = background.make();
        const qint64 peak = path.isEmpty() ? -1 : backgroundPeak(path);
        // Refused, within the memory of the program itself (OVER when accepted, or beyond it).
        report(background.name, QFile(path).size(), path.isEmpty() ? -1 : peak, 100 * kMegabyte);
        QFile::remove(path);
    }

    // A comment of `size` bytes already in the settings file: the store's start and one write.
    const QString settings = dir.filePath(QStringLiteral("settings"));
    QDir().mkpath(settings + QStringLiteral("/E_QSL"));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings);
    QFile file(settings + QStringLiteral("/E_QSL/E_QSL.ini"));
    if (file.open(QIODevice::WriteOnly)) {
        file.write("[Setup%20]\nCommentaire=");
        for (qint64 written = 0; written < size; written += kMegabyte)
            file.write(QByteArray(kMegabyte, 'x'));
        file.write("\nLanguage=Gb\n");
        file.close();
    }
    const qint64 settingsPeak = peakOf([] {
        SettingsStore store(SettingsPlace::IniFile);
        (void)store.read(Key::Language, {});
        (void)store.writeAtOnce(Key::Revision, QStringLiteral(" 1.0.4"));
        return true;
    });
    report("settings: a comment of the file's size, a write", file.size(), settingsPeak, 100 * kMegabyte);
    return 0;
}
