// Reading a log of 32,767 QSOs and working the picking window's lists at that size.
//
// Run: adif_selection_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
// and read the medians. "peak_rss_MB" is the process's peak so far: for the program's peak while
// reading the log, run "Selectionnez" alone (--benchmark_filter=Selectionnez).

#include "adif/adif_reader.h"
#include "app/main_window.h"
#include "app/running_program.h"
#include "bench_main.h"
#include "doubles/scripted_dialogs.h"
#include "platform/text_file.h"
#include "selection/select_log_window.h"
#include "selection/select_qso_window.h"
#include "settings/settings_keys.h"
#include "settings/settings_store.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <sys/resource.h>

namespace
{

constexpr int kRecords = kMaxListLines;

// One record per line with lower-case tags, as contest and digital-mode loggers write them.
QByteArray generatedLog()
{
    static const char* const modes[] = {"FT8", "SSB", "CW", "FT4", "RTTY"};
    static const char* const bands[][2] = {{"20m", "14.074123"}, {"40m", "7.074000"}, {"15m", "21.074500"},
                                           {"10m", "28.074000"}, {"80m", "3.573000"}, {"2m", "144.174000"}};
    QByteArray log = "Generated log\r\n<adif_ver:5>3.1.4 <programid:5>BENCH <eoh>\r\n";
    quint32 seed = 12345;
    const auto next = [&seed] { return seed = seed * 1103515245u + 12345u; };
    for (int i = 0; i < kRecords; ++i) {
        const QByteArray call = "F" + QByteArray::number(next() % 10) + QByteArray(1, char('A' + next() % 26)) +
                                QByteArray(1, char('A' + next() % 26)) + QByteArray(1, char('A' + next() % 26));
        const auto& band = bands[next() % 6];
        const char* mode = modes[next() % 5];
        log += "<call:" + QByteArray::number(call.size()) + ">" + call +
               " <gridsquare:4>JN18 <mode:" + QByteArray::number(qstrlen(mode)) + ">" + mode +
               " <rst_sent:3>-10 <rst_rcvd:3>-12 <qso_date:8>2024" + QByteArray::number(10 + next() % 3) +
               QByteArray::number(10 + next() % 18) + " <time_on:6>" + QByteArray::number(100000 + next() % 130000) +
               " <band:" + QByteArray::number(qstrlen(band[0])) + ">" + band[0] +
               " <freq:" + QByteArray::number(qstrlen(band[1])) + ">" + band[1] +
               " <station_callsign:5>F4XYZ <my_gridsquare:6>JN18AA <qsl_rcvd:1>N <eor>\r\n";
    }
    return log;
}

struct Fixture {
    Fixture()
    {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.filePath(QStringLiteral("settings")));
        logPath = folder.filePath(QStringLiteral("log.adi"));
        QFile file(logPath);
        if (!file.open(QIODevice::WriteOnly) || file.write(generatedLog()) < 0)
            qFatal("cannot write the generated log");
        file.close();
        // "Sélectionnez" is enabled once a background is known.
        if (!store.writeAtOnce(Key::QslDeFond, folder.filePath(QStringLiteral("fond.jpg"))).ok())
            qFatal("cannot store the background");
        program = std::make_unique<RunningProgram>(store, dialogs, folder.path());
        program->start().show();
    }

    // The log's lines, read once when first asked for (so that "Selectionnez" run alone measures
    // the program's own peak memory).
    const QStringList& lines()
    {
        if (lines_.isEmpty()) {
            QString text = readTextFile(logPath).text;
            readAdif(text, LineEnds::CrLfOrCr, kMaxListLines, [this](const QString& line) { lines_.append(line); }, {});
        }
        return lines_;
    }

    // A picking window shown with every line of the log in Liste_QSO.
    SelectQsoWindow& loadedWindow()
    {
        delete program->existingSelectQso();
        SelectQsoWindow& window = program->selectQso();
        window.appendQsoLines(lines());
        window.show();
        QCoreApplication::processEvents();
        return window;
    }

    QTemporaryDir folder;
    QString logPath;
    SettingsStore store;
    ScriptedDialogs dialogs;
    std::unique_ptr<RunningProgram> program;

private:
    QStringList lines_;
};

Fixture* fixture = nullptr;

QPushButton& button(QWidget& window, const char* name)
{
    return *window.findChild<QPushButton*>(QString::fromLatin1(name));
}

void readLogIntoLines(benchmark::State& state)
{
    for (auto _ : state) {
        QStringList lines;
        TextFile file = readTextFile(fixture->logPath);
        readAdif(file.text, LineEnds::CrLfOrCr, kMaxListLines, [&](const QString& line) { lines.append(line); }, {});
        if (lines.size() != kRecords)
            state.SkipWithError("wrong line count");
        benchmark::DoNotOptimize(lines);
    }
}

// The pass "Sélectionnez" adds for a log that holds a line feed alone: whether reading it with LF
// line ends would list more (here the generated log with LF line ends, all 32,767 records).
void countRecordsWithLf(benchmark::State& state)
{
    const QString lf = QString::fromLatin1(generatedLog()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (auto _ : state) {
        state.PauseTiming();
        QString text = lf;
        text.detach();
        state.ResumeTiming();
        if (countAdifRecords(text, LineEnds::AlsoLoneLf, kMaxListLines) != kRecords)
            state.SkipWithError("wrong count");
    }
}

void fillAndShowPickingWindow(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        delete fixture->program->existingSelectQso();
        state.ResumeTiming();
        SelectQsoWindow& window = fixture->program->selectQso();
        window.appendQsoLines(fixture->lines());
        window.show();
        QCoreApplication::processEvents();
    }
}

void pickAll(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        SelectQsoWindow& window = fixture->loadedWindow();
        state.ResumeTiming();
        button(window, "Select_All").click();
        QCoreApplication::processEvents();
    }
}

void sortByCall(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        SelectQsoWindow& window = fixture->loadedWindow();
        state.ResumeTiming();
        button(window, "Command2").click();
        QCoreApplication::processEvents();
    }
}

void pickRangeOf30000(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        SelectQsoWindow& window = fixture->loadedWindow();
        button(window, "Select_Part").click();
        SelectLogWindow* range = window.rangeWindow();
        range->findChild<QLineEdit*>(QStringLiteral("Deb"))->setText(QStringLiteral("1"));
        range->findChild<QLineEdit*>(QStringLiteral("Fin"))->setText(QStringLiteral("30000"));
        QCoreApplication::processEvents();
        state.ResumeTiming();
        button(*range, "Valider").click();
        QCoreApplication::processEvents();
    }
}

// One line clicked in Liste_Imprime when it holds state.range(0) lines (the first ones of the log)
// and Liste_QSO the rest.
void putOneBack(benchmark::State& state)
{
    const auto picked = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        SelectQsoWindow& window = fixture->loadedWindow();
        window.pickRange(1, picked);
        auto* list = window.findChild<QListView*>(QStringLiteral("Liste_Imprime"));
        QCoreApplication::processEvents();
        state.ResumeTiming();
        list->selectionModel()->select(list->model()->index(0, 0), QItemSelectionModel::ClearAndSelect);
        QCoreApplication::processEvents();
    }
}

// The user's wait from "Sélectionnez" (the file dialog answered with the log) to the rows of
// Liste_QSO on screen.
void Selectionnez(benchmark::State& state)
{
    QPushButton& selection = button(*fixture->program->mainWindow(), "Selection");
    for (auto _ : state) {
        state.PauseTiming();
        delete fixture->program->existingSelectQso();
        fixture->dialogs.clear();
        fixture->dialogs.answerNextFile(fixture->logPath);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        selection.click();
        QCoreApplication::processEvents();
    }
    const SelectQsoWindow* window = fixture->program->existingSelectQso();
    if (!window || window->unpickedCount() != kRecords || !fixture->dialogs.messages().isEmpty())
        state.SkipWithError("the log was not listed whole and silently");
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MB"] = double(usage.ru_maxrss) / 1024.0;
}

} // namespace

BENCHMARK(readLogIntoLines)->Unit(benchmark::kMillisecond);
BENCHMARK(countRecordsWithLf)->Unit(benchmark::kMillisecond);
BENCHMARK(fillAndShowPickingWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(pickAll)->Unit(benchmark::kMillisecond);
BENCHMARK(sortByCall)->Unit(benchmark::kMillisecond);
BENCHMARK(pickRangeOf30000)->Unit(benchmark::kMillisecond);
BENCHMARK(putOneBack)->Arg(30000)->Arg(kRecords)->Unit(benchmark::kMillisecond);
BENCHMARK(Selectionnez)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv, fixture);
}
