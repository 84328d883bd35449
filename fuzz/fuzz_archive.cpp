// The start-up scan and record reading on arbitrary archive bytes.
#include "archive/drawarchive.h"
#include "archive/recordsource.h"

#include "common/basic.h"

#include <QBuffer>

using namespace enalotto;

namespace {

// The scan as plainly as it can be written: every date field read and converted. The
// program's block-reading scan must give the same answer.
int referenceLastYearCount(const QByteArray &bytes, int records)
{
    auto year = [&](qint64 position) {
        return basicVal(QString::fromLatin1(bytes.constData() + position + 5, 4));
    };
    qint64 position = qint64(records - 1) * 25;
    if (position < 1)
        return records;
    const double target = year(position) - 1;
    int count = 0;
    for (;;) {
        ++count;
        position -= 25;
        if (position < 1)
            return records;
        if (year(position) == target)
            return count;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    DeviceSource file(buffer);
    const ArchiveScan scan = scanArchive(file);
    if (scan.status == ArchiveScan::Status::Ok) {
        if (scan.LastYearCount != referenceLastYearCount(bytes, scan.records))
            __builtin_trap();
        // Every position the scroll bar can take reads a whole record.
        for (int n : {0, scan.records / 2, scan.records - 1}) {
            if (!ReadDraw(file, n) || CurrentDraw.DrawDate.size() != 9)
                __builtin_trap();
            for (int k = 1; k <= 8; ++k) {
                if (CurrentDraw.DrawNumbers[size_t(k)].size() != 2)
                    __builtin_trap();
            }
            for (int k = 1; k < 6; ++k) {
                if (CurrentDraw.DrawNumbers[size_t(k)] > CurrentDraw.DrawNumbers[size_t(k + 1)])
                    __builtin_trap();
            }
        }
    }
    ReadDraw(file, scan.records); // past the end: refused, never a crash
    return 0;
}
