// Whole-process start-up against a minimal Qt program, and the idle cost of the windows.
#include "analysis/form43.h"
#include "main_window/form32.h"
#include "notice/form29.h"
#include "programonsample.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

using namespace enalotto;

extern char **environ;

namespace {

// Runs the program to the end in a folder holding the sample archive; returns its peak
// resident memory in kB, or -1.
long runOnce(const char *program, const QString &folder)
{
    const QByteArray dir = QFile::encodeName(folder);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, dir.constData());
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    char *argv[] = {const_cast<char *>(program), nullptr};
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0)
        return -1;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return usage.ru_maxrss;
}

void startup(benchmark::State &state, const char *program)
{
    QTemporaryDir dir;
    QFile::copy(QStringLiteral(ENALOTTO_SAMPLE_ARCHIVE), dir.filePath(QStringLiteral("se")));
    long peak = 0;
    for (auto _ : state) {
        const long rss = runOnce(program, dir.path());
        if (rss < 0) {
            state.SkipWithError("the program did not run to the end");
            return;
        }
        peak = std::max(peak, rss);
    }
    state.counters["peak_rss_kB"] = double(peak);
}

void BM_StartupToWindow(benchmark::State &state)
{
    startup(state, ENALOTTO_STARTUP_PROGRAM);
}
BENCHMARK(BM_StartupToWindow)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_StartupToWindow_Floor(benchmark::State &state)
{
    startup(state, ENALOTTO_STARTUP_FLOOR);
}
BENCHMARK(BM_StartupToWindow_Floor)->UseRealTime()->Unit(benchmark::kMillisecond);

// How long the idle cost is measured: ENALOTTO_BENCH_IDLE_SECONDS, 10 s by default.
int idleSeconds()
{
    const int seconds = qEnvironmentVariableIntValue("ENALOTTO_BENCH_IDLE_SECONDS");
    return seconds > 0 ? seconds : 10;
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The main, notice and analysis windows open and idle, their 1 ms and 500 ms timers running.
void BM_IdleCpu(benchmark::State &state)
{
    const int seconds = idleSeconds();
    const ProgramOnSample program;
    if (!program.started()) {
        state.SkipWithError("the program did not start");
        return;
    }
    for (const char *button : {"Command3D26", "Command3D27"}) // the notice, the analysis
        startupWindow()->findChild<QPushButton *>(QString::fromLatin1(button))->click();
    double percent = 0;
    for (auto _ : state) {
        QEventLoop loop;
        QTimer::singleShot(500, &loop, &QEventLoop::quit); // let the first ticks settle
        loop.exec();
        const double before = cpuSeconds();
        QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
        loop.exec();
        percent = 100.0 * (cpuSeconds() - before) / seconds;
    }
    state.counters["cpu_percent"] = percent;
}
BENCHMARK(BM_IdleCpu)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);

// The floor of the idle cost: the same two timers, 1 ms and 500 ms, with nothing to do.
void BM_IdleCpu_Floor(benchmark::State &state)
{
    const int seconds = idleSeconds();
    QTimer fast;
    fast.setInterval(1);
    QTimer slow;
    slow.setInterval(500);
    QObject::connect(&fast, &QTimer::timeout, [] {});
    QObject::connect(&slow, &QTimer::timeout, [] {});
    fast.start();
    slow.start();
    double percent = 0;
    for (auto _ : state) {
        QEventLoop loop;
        const double before = cpuSeconds();
        QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
        loop.exec();
        percent = 100.0 * (cpuSeconds() - before) / seconds;
    }
    state.counters["cpu_percent"] = percent;
}
BENCHMARK(BM_IdleCpu_Floor)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);

} // namespace
