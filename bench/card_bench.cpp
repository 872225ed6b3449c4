// One card composed and saved, against the floor of the same run: the background copied and
// saved as a BMP of the same size, nothing drawn. Each is timed card by card, 200 cards, and
// reported as the median; "cards_per_s" is the rate. The interleaved run times both in turns
// and reports their medians and ratio.
//
// Run: card_bench --benchmark_counters_tabular=true

#include "card/card_composer.h"
#include "card/card_fields.h"
#include "layout/card_layout.h"
#include "platform/fonts.h"
#include "platform/image_surface.h"
#include "settings/settings_keys.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace
{

constexpr int kCards = 200;

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

// Every card line on, with distinct colours and a QSO that has a via and a received card.
CardLayout everyLineOn()
{
    CardLayout layout;
    for (int i = 0; i < kLayoutKeyCount; ++i)
        layout.setAt(i, static_cast<qint16>(kLayoutKeys[static_cast<size_t>(i)].exportWindow));
    for (int line = 1; line <= 7; ++line) {
        layout.setValue(kSwitchKeys[static_cast<size_t>(line - 1)], 1);
        layout.setValue(kColourKeys[static_cast<size_t>(line - 1)], static_cast<qint16>(line + 1));
    }
    layout.setValue(QStringLiteral("T Li1"), 2);
    layout.setValue(QStringLiteral("T Li2"), 3);
    return layout;
}

CardFields sampleQso()
{
    return {QStringLiteral("   F4XYZ"), QStringLiteral("15/03/24"), QStringLiteral("14:05"),
            QStringLiteral("  14 Mhz"), QStringLiteral("SSB    "),  QStringLiteral("59      "),
            QStringLiteral("Oui"),      QStringLiteral("   F6ABC")};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Fixture {
    QTemporaryDir folder;
    QString background;
    QString output;

    Fixture()
    {
        background = writeBackground(folder.path());
        output = folder.path() + QStringLiteral("/E_QSL");
        QDir().mkpath(output);
    }

    // A new file for each card, as in a batch of different QSOs.
    QString cardPath(int card) const { return output + QStringLiteral("/QSL_F%1XYZ_14 Mhz_SSB.bmp").arg(card); }
    QString floorPath(int card) const { return output + QStringLiteral("/FOND_%1.bmp").arg(card); }
};

void BM_CardComposedAndSaved(benchmark::State& state)
{
    const Fixture fixture;
    ImageSurface surface;
    if (!surface.loadPicture(fixture.background).isEmpty()) {
        state.SkipWithError("background not loaded");
        return;
    }
    const CardComposer composer(everyLineOn(), QStringLiteral("Beau temps sur 20 m, 73"));
    const CardFields fields = sampleQso();
    int card = 0;
    for (auto _ : state) {
        composer.draw(surface, fields, true);
        if (!surface.saveBmp(fixture.cardPath(card++ % kCards)).isEmpty())
            state.SkipWithError("card not saved");
        surface.clear();
    }
    state.counters["cards_per_s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_Floor_CopyAndSaveBackground(benchmark::State& state)
{
    const Fixture fixture;
    ImageSurface surface;
    if (!surface.loadPicture(fixture.background).isEmpty()) {
        state.SkipWithError("background not loaded");
        return;
    }
    int card = 0;
    for (auto _ : state) {
        const QImage copy = surface.background().copy();
        if (!ImageSurface::writeBmp(copy, fixture.cardPath(card++ % kCards)).isEmpty())
            state.SkipWithError("card not saved");
    }
    state.counters["cards_per_s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}

// The two, card by card in turns, so that whatever else the machine does weighs on both alike:
// medians in milliseconds, their ratio and the cards per second of the median card.
void BM_CardAgainstFloor_Interleaved(benchmark::State& state)
{
    const Fixture fixture;
    ImageSurface surface;
    if (!surface.loadPicture(fixture.background).isEmpty()) {
        state.SkipWithError("background not loaded");
        return;
    }
    const CardComposer composer(everyLineOn(), QStringLiteral("Beau temps sur 20 m, 73"));
    const CardFields fields = sampleQso();
    std::vector<double> floorMs;
    std::vector<double> cardMs;
    QElapsedTimer timer;
    int card = 0;
    for (auto _ : state) {
        timer.start();
        ImageSurface::writeBmp(surface.background().copy(), fixture.floorPath(card % kCards));
        floorMs.push_back(timer.nsecsElapsed() / 1e6);
        timer.start();
        composer.draw(surface, fields, true);
        surface.saveBmp(fixture.cardPath(card++ % kCards));
        surface.clear();
        const double ms = timer.nsecsElapsed() / 1e6;
        cardMs.push_back(ms);
        state.SetIterationTime(ms / 1000.0);
    }
    const double floorMedian = median(floorMs);
    const double cardMedian = median(cardMs);
    state.counters["floor_ms"] = floorMedian;
    state.counters["card_ms"] = cardMedian;
    state.counters["ratio"] = cardMedian / floorMedian;
    state.counters["cards_per_s"] = 1000.0 / cardMedian;
}

} // namespace

BENCHMARK(BM_CardAgainstFloor_Interleaved)->Iterations(kCards)->UseManualTime()->Unit(benchmark::kMillisecond);

// One card per repetition, 200 repetitions: the aggregates give the median card.
BENCHMARK(BM_Floor_CopyAndSaveBackground)
    ->Iterations(1)
    ->Repetitions(kCards)
    ->ReportAggregatesOnly(true)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CardComposedAndSaved)
    ->Iterations(1)
    ->Repetitions(kCards)
    ->ReportAggregatesOnly(true)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    installFontSubstitutions();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
