// One scroll step's archive work and the start-up scan, each beside its floor.
#include "archive/drawarchive.h"
#include "archive/recordsource.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

using namespace enalotto;

namespace {

const QString Sample = QStringLiteral(ENALOTTO_SAMPLE_ARCHIVE);

// The ReadDraw cycle of a scroll step: open, seek, read 25 bytes, sort, close.
void BM_ReadDrawCycle(benchmark::State &state)
{
    int n = 0;
    for (auto _ : state) {
        ArchiveFile file;
        benchmark::DoNotOptimize(file.open(Sample) && ReadDraw(file, n));
        file.close();
        n = (n + 97) % 4202;
    }
}
BENCHMARK(BM_ReadDrawCycle);

void BM_ReadDrawCycle_Floor(benchmark::State &state)
{
    const QByteArray path = QFile::encodeName(Sample);
    char record[25];
    int n = 0;
    for (auto _ : state) {
        const int fd = ::open(path.constData(), O_RDONLY);
        benchmark::DoNotOptimize(::pread(fd, record, 25, off_t(n) * 25));
        ::close(fd);
        n = (n + 97) % 4202;
    }
}
BENCHMARK(BM_ReadDrawCycle_Floor);

// The scan's worst case: 32767 records of one year, every date field read.
QString oneYearArchive()
{
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("se"));
    if (!QFile::exists(path)) {
        QByteArray bytes;
        for (int i = 0; i < MaxArchiveRecords; ++i)
            bytes += "01GEN2020"
                     "010203040506"
                     "07"
                     "08";
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    }
    return path;
}

void BM_StartupScan(benchmark::State &state)
{
    const QString path = oneYearArchive();
    for (auto _ : state) {
        ArchiveFile file;
        benchmark::DoNotOptimize(file.open(path));
        const ArchiveScan scan = scanArchive(file);
        benchmark::DoNotOptimize(scan.LastYearCount);
        file.close();
    }
}
BENCHMARK(BM_StartupScan);

void BM_StartupScan_Floor(benchmark::State &state)
{
    const QByteArray path = QFile::encodeName(oneYearArchive());
    QByteArray buffer(qsizetype(MaxArchiveRecords) * 25, Qt::Uninitialized);
    for (auto _ : state) {
        const int fd = ::open(path.constData(), O_RDONLY);
        benchmark::DoNotOptimize(::read(fd, buffer.data(), size_t(buffer.size())));
        ::close(fd);
    }
}
BENCHMARK(BM_StartupScan_Floor);

} // namespace
