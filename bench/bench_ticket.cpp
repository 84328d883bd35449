// controlla of a 20-number system (38,760 six-number columns) over the sample archive, beside
// the floor of one pass that only reads and decodes every draw.
#include "archive/archiveupdate.h"
#include "archive/drawarchive.h"
#include "archive/drawdate.h"
#include "archive/newdraw.h"
#include "archive/ticketcheck.h"

#include <benchmark/benchmark.h>

using namespace enalotto;

namespace {

const QString Sample = QStringLiteral(ENALOTTO_SAMPLE_ARCHIVE);

void BM_CheckSystem20(benchmark::State &state)
{
    Ticket ticket;
    for (int v = 1; v <= 20; ++v)
        ticket.numbers.append(v * 4);
    ticket.superStar = 16;
    for (auto _ : state) {
        QByteArray bytes;
        benchmark::DoNotOptimize(readArchive(Sample, bytes));
        const TicketResult result = checkTicket(bytes, ticket);
        benchmark::DoNotOptimize(result.totals);
    }
}
BENCHMARK(BM_CheckSystem20);

void BM_CheckSystem20_Floor(benchmark::State &state)
{
    for (auto _ : state) {
        QByteArray bytes;
        benchmark::DoNotOptimize(readArchive(Sample, bytes));
        const qsizetype records = bytes.size() / DrawRecord::Size;
        int sum = 0;
        for (qsizetype r = 0; r < records; ++r) {
            const ArchiveDraw d = decodeRecord(bytes.constData() + r * DrawRecord::Size);
            sum += parseDrawDate(d.date).day();
            for (const QByteArray &n : d.numbers)
                sum += fieldNumber(n, 1, 90).value_or(0);
            sum += fieldNumber(d.jolly, 1, 90).value_or(0) +
                   fieldNumber(d.superStar, 0, 90).value_or(0);
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_CheckSystem20_Floor);

} // namespace
