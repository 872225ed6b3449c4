// The export batch as the user waits for it: 1,000 picked QSOs, "Enregistrer les QSL" clicked on
// the picking window, until the click returns (cards cut from the picked lines, named, drawn,
// saved and cleared, the window and the progress refreshed, the data on disk, the saved-cards
// message). Beside it, in the same run and in turns, two floors with the bytes of one of those
// cards: written to 1,000 files with write() + close(), and the same followed by one sync per
// batch (syncfs of the folder's file system, fsync of the folder).
//
// Each round runs the plain floor, the batch and the synced floor; the counters are the medians
// per card over the rounds (milliseconds), the spread of the batch and the plain floor (lowest
// and highest round), the ratios of the batch to each floor and the batch's cards per second.
//
// Run: card_bench --benchmark_counters_tabular=true
// With EQSL_BENCH_FOLDER set to a new folder, the program folder is that one and the cards stay
// in its "E_QSL" after the run, to compare the files of two builds.

#include "adif/qso_line.h"
#include "app/main_window.h"
#include "app/running_program.h"
#include "doubles/scripted_dialogs.h"
#include "layout/layout_schema.h"
#include "platform/fonts.h"
#include "platform/image_surface.h"
#include "selection/select_qso_window.h"
#include "settings/settings_keys.h"
#include "settings/settings_store.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace
{

constexpr int kCards = 1000;
constexpr int kRounds = 5;

// A photo-like background (gradient and noise, so that the JPEG is not trivial), as a user's.
QString writeBackground(const QString& folder)
{
    QImage image(ImageSurface::kWidth, ImageSurface::kHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, 0, ImageSurface::kHeight);
    sky.setColorAt(0, QColor(30, 80, 170));
    sky.setColorAt(1, QColor(230, 220, 190));
    painter.fillRect(image.rect(), sky);
    QRandomGenerator random(4);
    for (int i = 0; i < 400; ++i)
        painter.fillRect(random.bounded(530), random.bounded(340), 6, 6, QColor::fromRgb(random.generate()));
    painter.end();
    const QString path = folder + QStringLiteral("/fond.jpg");
    image.save(path, "JPG", 90);
    return path;
}

// Stores a text before the run; the bench cannot go on without it.
void put(SettingsStore& store, const QString& key, const QString& text)
{
    if (const Outcome saved = store.writeAtOnce(key, text); !saved.ok())
        qFatal("card_bench: %s", qPrintable(saved.reason()));
}

// Every card line on, with distinct colours, as the export window reads the layout from the store.
void storeEveryLineOn(SettingsStore& store)
{
    for (const LayoutValue& key : kLayoutValues)
        put(store, QString::fromLatin1(key.key), QString::number(key.exportWindow));
    for (int line = 1; line <= 7; ++line) {
        put(store, QLatin1String(kLayoutValues[layoutIndex(LayoutKind::Switch, line)].key), QStringLiteral("1"));
        put(store, QLatin1String(kLayoutValues[layoutIndex(LayoutKind::Colour, line)].key), QString::number(line + 1));
    }
    put(store, QStringLiteral("T Li1"), QStringLiteral("2"));
    put(store, QStringLiteral("T Li2"), QStringLiteral("3"));
    put(store, Key::Commentaire, QStringLiteral("Beau temps sur 20 m, 73"));
}

// 1,000 QSOs with different callsigns (so 1,000 files), some portable, some with a manager.
QStringList numberedLines()
{
    static const std::array<const char*, 5> bands = {"14 Mhz", "7.0 Mhz", "21 Mhz", "3.5 Mhz", "144 Mhz"};
    static const std::array<const char*, 4> modes = {"SSB", "CW", "FT8", "RTTY"};
    QStringList lines;
    for (int i = 0; i < kCards; ++i) {
        QsoFields qso;
        qso.callsign = QStringLiteral("F%1%2%3").arg(i % 10).arg(QChar(u'A' + (i / 10) % 26)).arg(i / 260 + 100);
        if (i % 7 == 0)
            qso.callsign += QStringLiteral("/P");
        qso.date = QStringLiteral("%1/03/24").arg(1 + i % 28, 2, 10, QLatin1Char('0'));
        qso.time = QStringLiteral("%1:%2").arg(i % 24, 2, 10, QLatin1Char('0')).arg(i % 60, 2, 10, QLatin1Char('0'));
        qso.band = QString::fromLatin1(bands[static_cast<size_t>(i) % bands.size()]);
        qso.mode = QString::fromLatin1(modes[static_cast<size_t>(i) % modes.size()]);
        qso.rstSent = i % 2 ? QStringLiteral("59") : QStringLiteral("599");
        qso.qslReceived = i % 3 ? QStringLiteral("Non") : QStringLiteral("Oui");
        qso.qslVia = i % 5 ? QString() : QStringLiteral("F6ABC");
        lines.append(Ligne_QSO(i + 1, qso));
    }
    return lines;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Writes the bytes to `kCards` files of the folder; with `sync`, then makes them durable once.
// Milliseconds per card.
double writeFloor(const QString& folder, const QByteArray& bytes, bool sync)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < kCards; ++i) {
        const QByteArray path = QFile::encodeName(folder + QStringLiteral("/FOND_%1.bmp").arg(i));
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0 || ::write(fd, bytes.constData(), size_t(bytes.size())) != bytes.size())
            qFatal("floor file not written");
        ::close(fd);
    }
    if (sync) {
        const int dir = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dir < 0 || ::syncfs(dir) != 0 || ::fsync(dir) != 0)
            qFatal("floor folder not synced");
        ::close(dir);
    }
    return double(timer.nsecsElapsed()) / 1e6 / kCards;
}

struct Fixture {
    QTemporaryDir temp;
    QString programFolder;
    QString floorFolder;
    SettingsStore* store = nullptr;
    ScriptedDialogs dialogs;

    Fixture()
    {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, temp.filePath(QStringLiteral("settings")));
        const QString kept = qEnvironmentVariable("EQSL_BENCH_FOLDER");
        programFolder = kept.isEmpty() ? temp.filePath(QStringLiteral("ZELVANE_E_QSL")) : kept;
        floorFolder = temp.filePath(QStringLiteral("floor"));
        QDir().mkpath(programFolder);
        QDir().mkpath(floorFolder);
    }
};

void BM_ExportBatchAgainstFloors(benchmark::State& state)
{
    Fixture fixture;
    SettingsStore store;
    storeEveryLineOn(store);
    put(store, Key::QslDeFond, writeBackground(fixture.temp.path()));
    RunningProgram program(store, fixture.dialogs, fixture.programFolder);
    program.start().show();
    const QStringList lines = numberedLines();
    const QString firstCard = program.outputFolder() + QStringLiteral("/QSL_F0A100_P_14 Mhz_SSB.bmp");

    std::vector<double> plainMs, batchMs, syncedMs;
    QByteArray card;
    QElapsedTimer timer;
    for (auto _ : state) {
        SelectQsoWindow& select = program.selectQso();
        select.appendQsoLines(lines);
        select.findChild<QPushButton*>(QStringLiteral("Select_All"))->click();
        select.show();
        fixture.dialogs.clear();
        QApplication::processEvents();
        if (!card.isEmpty())
            plainMs.push_back(writeFloor(fixture.floorFolder, card, false));

        timer.start();
        select.findChild<QPushButton*>(QStringLiteral("Impression"))->click();
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        state.SetIterationTime(ms / 1000.0);
        batchMs.push_back(ms / kCards);
        if (fixture.dialogs.messages().size() != 1) {
            state.SkipWithError("the batch did not end with the saved-cards message alone");
            return;
        }

        if (card.isEmpty()) { // the first round also finds the bytes of a card
            QFile file(firstCard);
            if (!file.open(QIODevice::ReadOnly)) {
                state.SkipWithError("card not written");
                return;
            }
            card = file.readAll();
            plainMs.push_back(writeFloor(fixture.floorFolder, card, false));
        }
        syncedMs.push_back(writeFloor(fixture.floorFolder, card, true));
        delete program.existingExportWindow();
        QApplication::processEvents();
    }

    const double batch = median(batchMs);
    const double plain = median(plainMs);
    const double synced = median(syncedMs);
    state.counters["batch_ms"] = batch;
    state.counters["batch_lo"] = *std::min_element(batchMs.begin(), batchMs.end());
    state.counters["batch_hi"] = *std::max_element(batchMs.begin(), batchMs.end());
    state.counters["write_ms"] = plain;
    state.counters["write_lo"] = *std::min_element(plainMs.begin(), plainMs.end());
    state.counters["write_hi"] = *std::max_element(plainMs.begin(), plainMs.end());
    state.counters["write_sync_ms"] = synced;
    state.counters["x_write"] = batch / plain;
    state.counters["x_write_sync"] = batch / synced;
    state.counters["cards_per_s"] = 1000.0 / batch;
}

} // namespace

BENCHMARK(BM_ExportBatchAgainstFloors)->Iterations(kRounds)->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    installFontSubstitutions();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
