// One scroll step through the main window, the statistics and the notice's operations.
#include "main_window/form32.h"
#include "printout/noticeprintout.h"
#include "programonsample.h"
#include "statistics/columnanalysis.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace enalotto;

namespace {

void BM_ScrollStepThroughWindow(benchmark::State &state)
{
    const ProgramOnSample program;
    if (!program.started()) {
        state.SkipWithError("the program did not start");
        return;
    }
    Form32 *window = startupWindow();
    auto *bar = window->findChild<QScrollBar *>(QStringLiteral("VScroll1"));
    int n = 0;
    for (auto _ : state) {
        n = (n + 97) % 4202;
        bar->setValue(n);
        benchmark::DoNotOptimize(window->displayedDraw().date);
    }
}
BENCHMARK(BM_ScrollStepThroughWindow);

void BM_AnalyseColumn(benchmark::State &state)
{
    Column column{3, 8, 9, 10, 45, 90};
    for (auto _ : state) {
        benchmark::DoNotOptimize(analyseColumn(column));
        column[0] = column[0] % 7 + 1;
    }
}
BENCHMARK(BM_AnalyseColumn);

void BM_NoticePrintout(benchmark::State &state)
{
    NoticeInput in;
    in.header = {QStringLiteral("RICEVITORIA DEL CORSO"), QStringLiteral("TABACCHI"),
                 QStringLiteral("VIA ROMA 1")};
    in.contest = QStringLiteral("83");
    in.date = QStringLiteral("23MAG2026");
    in.draw.numbers = {QStringLiteral("01"), QStringLiteral("07"), QStringLiteral("12"),
                       QStringLiteral("33"), QStringLiteral("45"), QStringLiteral("90")};
    in.prizePool = QStringLiteral("12.345.678,90");
    for (CategoryValues &c : in.categories)
        c = {QStringLiteral("12"), QStringLiteral("1.234,56")};
    in.jackpot = QStringLiteral("81.300.000,00");
    for (auto _ : state)
        benchmark::DoNotOptimize(noticePrintout(in).ops().size());
}
BENCHMARK(BM_NoticePrintout);

} // namespace
