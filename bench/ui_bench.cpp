// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Interaction budgets of the window, measured on the real widgets offscreen.
#include "chart/picture2.h"
#include "paired.h"
#include "ui/form1.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <benchmark/benchmark.h>
#include <chrono>
#include <clocale>
#include <cstdio>
#include <ctime>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace tanvera;

namespace {

class SilentMessageBox : public MessageBox
{
public:
    void show(const std::string&) override { }
};

struct Window
{
    SilentMessageBox messages;
    Form1 form {',', messages};

    QPushButton* button(const char* name) { return form.findChild<QPushButton*>(name); }
    QLineEdit* box(const char* name) { return form.findChild<QLineEdit*>(name); }
    Picture2* picture() { return form.findChild<Picture2*>("Picture2"); }
    void calculateWithFlow(const char* flow)
    {
        box("Text1(1)")->setText(flow);
        QTest::mouseClick(button("Command1"), Qt::LeftButton);
    }
};

// Records each iteration's time, so that the worst one can be reported beside the median.
class Stopwatch
{
public:
    explicit Stopwatch(benchmark::State& state)
        : m_state(state)
    { }
    template <typename Action> void time(Action&& action)
    {
        const auto start = std::chrono::steady_clock::now();
        action();
        const double seconds
            = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        m_state.SetIterationTime(seconds);
        m_worst = std::max(m_worst, seconds);
    }
    ~Stopwatch() { m_state.counters["worst_ms"] = m_worst * 1e3; }

private:
    benchmark::State& m_state;
    double m_worst = 0;
};

// "Calcular" with two curves shown: three curves computed... and drawn, up to the finished image.
void BM_CalculateThirdCurve(benchmark::State& state)
{
    Window w;
    w.calculateWithFlow("10");
    w.calculateWithFlow("20");
    w.box("Text1(1)")->setText("30");
    Stopwatch watch(state);
    for (auto _ : state) {
        w.form.state().CurveSlot = 2;
        watch.time([&] {
            QTest::mouseClick(w.button("Command1"), Qt::LeftButton);
            benchmark::DoNotOptimize(w.picture()->grab());
        });
    }
}
BENCHMARK(BM_CalculateThirdCurve)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(200)
    ->Repetitions(5);

void BM_FirstCalculateAfterStartup(benchmark::State& state)
{
    Stopwatch watch(state);
    for (auto _ : state) {
        auto w = std::make_unique<Window>();
        watch.time([&] {
            QTest::mouseClick(w->button("Command1"), Qt::LeftButton);
            benchmark::DoNotOptimize(w->picture()->grab());
        });
    }
}
BENCHMARK(BM_FirstCalculateAfterStartup)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

void BM_PointerMove(benchmark::State& state)
{
    Window w;
    w.calculateWithFlow("10");
    Picture2* picture = w.picture();
    int step = 0;
    for (auto _ : state) {
        const QPointF at(60 + step % 400, 10 + step % 300);
        QMouseEvent move(QEvent::MouseMove, at, picture->mapToGlobal(at), Qt::NoButton,
            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(picture, &move);
        ++step;
    }
}
BENCHMARK(BM_PointerMove)->Unit(benchmark::kMicrosecond)->Repetitions(5);

// One keystroke in a box: alternately a digit typed at the end and taken away again.
void typeAndErase(QLineEdit* box, int iteration)
{
    QTest::keyClick(box, iteration % 2 ? Qt::Key_Backspace : Qt::Key_5);
}

void BM_QueryKeystroke(benchmark::State& state)
{
    Window w;
    QLineEdit* query = w.box("Text2");
    query->setText("100");
    query->end(false);
    int iteration = 0;
    for (auto _ : state)
        typeAndErase(query, iteration++);
}
BENCHMARK(BM_QueryKeystroke)->Unit(benchmark::kMicrosecond)->Repetitions(5);

void BM_MaxTimeKeystrokeThreeCurves(benchmark::State& state)
{
    Window w;
    w.calculateWithFlow("10");
    w.calculateWithFlow("20");
    w.calculateWithFlow("30");
    QLineEdit* maxTime = w.box("Text1(3)");
    maxTime->end(false);
    Stopwatch watch(state);
    int iteration = 0;
    for (auto _ : state) {
        watch.time([&] {
            typeAndErase(maxTime, iteration++);
            benchmark::DoNotOptimize(w.picture()->grab());
        });
    }
}
BENCHMARK(BM_MaxTimeKeystrokeThreeCurves)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(200)
    ->Repetitions(5);

// Starts a program that reports its first paint (first_paint_report.cpp) straight away, with no
// shell in between, and reads its report: the seconds from here to its first painted window, and
// its resident memory then.
bool runProbe(const char* program, double& seconds, double& residentKiB)
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const std::string startedAt = "TANVERA_PROBE_STARTED_AT=" + std::to_string(now.tv_sec) + "."
        + std::to_string(now.tv_nsec + 1000000000L).substr(1);
    std::vector<char*> environment {const_cast<char*>(startedAt.c_str())};
    for (char** variable = environ; *variable; ++variable)
        environment.push_back(*variable);
    environment.push_back(nullptr);

    int report[2];
    if (pipe(report) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, report[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, report[0]);
    char* argv[] = {const_cast<char*>(program), nullptr};
    pid_t probe = 0;
    const bool started
        = posix_spawn(&probe, program, &actions, nullptr, argv, environment.data()) == 0;
    posix_spawn_file_actions_destroy(&actions);
    close(report[1]);
    FILE* output = fdopen(report[0], "r");
    const bool read = started && std::fscanf(output, "%lf %lf", &seconds, &residentKiB) == 2;
    std::fclose(output);
    if (started)
        waitpid(probe, nullptr, 0);
    return read;
}

// The whole program from its start to its first painted window, and its resident memory then,
// against a bare Qt window of the same size started in turn with it.
void BM_StartupProcess(benchmark::State& state)
{
    Paired times, memory;
    bool failed = false;
    auto probe = [&](const char* program, double& kib) {
        double seconds = 0;
        failed |= !runProbe(program, seconds, kib);
        return seconds;
    };
    for (auto _ : state) {
        double programKiB = 0, bareKiB = 0, programSeconds = 0;
        times.pair([&] { return probe(BARE_WINDOW, bareKiB); },
            [&] { return programSeconds = probe(STARTUP_PROBE, programKiB); });
        if (failed) {
            state.SkipWithError("a start-up probe reported nothing");
            return;
        }
        memory.pair([&] { return bareKiB; }, [&] { return programKiB; });
        state.SetIterationTime(programSeconds);
    }
    times.report(state, "ms", 1e3);
    memory.report(state, "rss_MiB", 1.0 / 1024);
}
BENCHMARK(BM_StartupProcess)->UseManualTime()->Iterations(80);

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
