// The memory a hostile input costs: each case runs in a child process of its own, whose peak
// resident size (getrusage) is compared with the bound the program keeps to: for a log, 3 times
// the file plus 100 MB whatever its content; for a background, the part the card uses, or a
// refusal with its size; for the settings, a file a few times the largest one the program keeps
// (kLargestSettingsFile), whatever the file holds.
//
//   memory_bench [megabytes]    (200 by default)

#include "adif/adif_reader.h"
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

// Runs the case in a child process; returns its peak resident size, or -1 when it failed.
qint64 peakOf(const std::function<bool()>& run)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return -1;
    const pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        const qint64 peak = run() ? peakBytes() : -1;
        (void)!write(pipeEnds[1], &peak, sizeof peak);
        _exit(0);
    }
    close(pipeEnds[1]);
    qint64 peak = -1;
    if (read(pipeEnds[0], &peak, sizeof peak) != sizeof peak)
        peak = -1;
    close(pipeEnds[0]);
    waitpid(child, nullptr, 0);
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

void report(const char* name, qint64 fileSize, qint64 peak, qint64 bound)
{
    std::printf("%-46s %8.0f MB %10.0f MB %10.0f MB  %s\n", name, double(fileSize) / kMegabyte,
                double(peak) / kMegabyte, double(bound) / kMegabyte, peak >= 0 && peak <= bound ? "within" : "OVER");
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
        {"log: header, then one record of \"<\"", "<EOH>\r" + QByteArray(kMegabyte, '<')},
        {"log: ordinary records", "<EOH>\r\n" + record.repeated(int(kMegabyte / record.size()))},
    };
    for (const auto& log : logs) {
        const QString path = writeRepeated(dir, "log.adi", log.unit, size);
        const qint64 peak = peakOf([&] { return readLog(path); });
        report(log.name, size, peak, 3 * size + 100 * kMegabyte);
        QFile::remove(path);
    }

    const QString jpeg = progressiveJpeg(dir, 20000, 20000);
    const qint64 peak = peakOf([&] {
        int args = 1;
        char name[] = "memory_bench";
        char* arg[] = {name, nullptr};
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(args, arg);
        QImage picture;
        // Refused for its size, before anything is decoded.
        return !jpeg.isEmpty() && !ImageSurface::readPicture(jpeg, picture).ok();
    });
    report("background: progressive JPEG 20000 x 20000", QFile(jpeg).size(), peak, 100 * kMegabyte);
    QFile::remove(jpeg);

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
    QElapsedTimer timer;
    timer.start();
    const qint64 settingsPeak = peakOf([] {
        SettingsStore store(SettingsPlace::IniFile);
        (void)store.read(Key::Language, {});
        (void)store.writeAtOnce(Key::Revision, QStringLiteral(" 1.0.4"));
        return true;
    });
    report("settings: a comment of the file's size, a write", file.size(), settingsPeak, 100 * kMegabyte);
    std::printf("%-46s %8lld ms\n", "  its time (start and write)", static_cast<long long>(timer.elapsed()));
    return 0;
}
