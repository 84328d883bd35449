// The start-up scan and record reading on arbitrary archive bytes.
#include "archive/drawarchive.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    const ArchiveScan scan = scanArchive(file);
    if (scan.status == ArchiveScan::Status::Ok) {
        if (scan.LastYearCount < 1 || scan.LastYearCount > scan.records)
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
