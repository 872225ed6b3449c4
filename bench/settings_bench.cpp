// "Chargez" of parameter files, which writes every value of every record to the settings file.
//
// Run: settings_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
// and read the medians.

#include "app/main_window.h"
#include "app/running_program.h"
#include "bench_main.h"
#include "doubles/scripted_dialogs.h"
#include "platform/text_file.h"
#include "settings/settings_store.h"

#include <QApplication>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace
{

// One 46-line record: the background, 22 positions, 8 sizes, 7 switches, 7 colours, the comment.
QStringList record(int n)
{
    QStringList lines{QStringLiteral("C:\\Cartes\\fond%1.jpg").arg(n)};
    for (int k = 1; k <= 22; ++k)
        lines << QString::number((k + n) % 100).leftJustified(14) + QString::number((100 - k + n) % 100);
    for (const char* value : {"12",  "12",  "13",  "13",  "13", "13", "1", "2", " 1 ", " 1 ", " 1 ",
                              " 0 ", " 0 ", " 0 ", " 0 ", "0",  "1",  "2", "3", "4",   "5",   "15"})
        lines << QString::fromLatin1(value);
    lines << QStringLiteral("Carte %1").arg(n);
    return lines;
}

struct Fixture {
    Fixture()
    {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.filePath(QStringLiteral("settings")));
        program = std::make_unique<RunningProgram>(store, dialogs, folder.path());
        main = &program->start();
    }

    QString parameterFile(int records)
    {
        QStringList lines;
        for (int n = 0; n < records; ++n)
            lines += record(n);
        const QString path = folder.filePath(QStringLiteral("%1.inf").arg(records));
        if (!writeTextLines(path, lines).ok())
            qFatal("cannot write the parameter file");
        return path;
    }

    QTemporaryDir folder;
    SettingsStore store;
    ScriptedDialogs dialogs;
    std::unique_ptr<RunningProgram> program;
    MainWindow* main = nullptr;
};

Fixture* fixture = nullptr;

// "Chargez" on a file of `records` records (217 records are 9,982 lines).
void chargez(benchmark::State& state)
{
    const QString path = fixture->parameterFile(static_cast<int>(state.range(0)));
    auto* button = fixture->main->findChild<QPushButton*>(QStringLiteral("Chargez"));
    for (auto _ : state) {
        fixture->dialogs.answerNextFile(path);
        button->click();
    }
    fixture->dialogs.clear();
}

} // namespace

BENCHMARK(chargez)->Arg(1)->Arg(217)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv, fixture);
}
