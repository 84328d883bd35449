#include "archive/drawarchive.h"

#include "common/basic.h"

#include <QIODevice>
#include <utility>

CurrentDrawData CurrentDraw;

namespace {

bool readAt(QIODevice &file, qint64 position, char *buffer, qint64 length)
{
    return file.seek(position) && file.read(buffer, length) == length;
}

} // namespace

void sortNumberTexts(std::array<QByteArray, 9> &texts)
{
    // QByteArray compares bytes as unsigned character codes, first difference decides.
    for (int i = 1; i <= 5; ++i) {
        for (int j = i; j <= 6; ++j) {
            if (texts[size_t(i)] > texts[size_t(j)])
                std::swap(texts[size_t(i)], texts[size_t(j)]);
        }
    }
}

bool ReadDraw(QIODevice &file, int n)
{
    if (n < 0)
        return false;
    char record[DrawRecord::Size];
    if (!readAt(file, qint64(n) * DrawRecord::Size, record, DrawRecord::Size))
        return false;

    std::array<QByteArray, 9> numbers;
    for (int k = 1; k <= 6; ++k) {
        numbers[size_t(k)] =
            QByteArray(record + DrawRecord::NumbersOffset + (k - 1) * 2, DrawRecord::NumberWidth);
    }
    sortNumberTexts(numbers);
    numbers[7] = QByteArray(record + DrawRecord::JollyOffset, DrawRecord::NumberWidth);
    numbers[8] = QByteArray(record + DrawRecord::SuperStarOffset, DrawRecord::NumberWidth);

    CurrentDraw.DrawDate = QByteArray(record + DrawRecord::DateOffset, DrawRecord::DateWidth);
    CurrentDraw.DrawNumbers = std::move(numbers);
    return true;
}

namespace {

bool readYear(QIODevice &file, qint64 position, double &year)
{
    char date[DrawRecord::DateWidth];
    if (!readAt(file, position, date, DrawRecord::DateWidth))
        return false;
    // The year is the last four characters; read numerically so " 2026" style padding and
    // stray letters behave as they always have.
    year = basicVal(QString::fromLatin1(date + 5, 4));
    return true;
}

} // namespace

ArchiveScan scanArchive(QIODevice &file)
{
    ArchiveScan scan;
    const qint64 length = file.size();
    const qint64 records = length / DrawRecord::Size;
    if (records < 1) {
        scan.status = ArchiveScan::Status::Empty;
        return scan;
    }
    if (records > MaxArchiveRecords) {
        scan.status = ArchiveScan::Status::TooLarge;
        return scan;
    }
    scan.records = int(records);

    // Start at the last whole record, so a trailing fragment is never taken for a draw.
    qint64 position = (records - 1) * DrawRecord::Size;
    if (position < 1) {
        scan.status = ArchiveScan::Status::Ok;
        scan.LastYearCount = scan.records;
        return scan;
    }
    double year = 0;
    if (!readYear(file, position, year))
        return scan;
    const double target = year - 1;
    int count = 0;
    for (;;) {
        ++count;
        position -= DrawRecord::Size;
        if (position < 1) {
            count = scan.records;
            break;
        }
        if (!readYear(file, position, year))
            return scan;
        if (year == target)
            break;
    }
    scan.status = ArchiveScan::Status::Ok;
    scan.LastYearCount = count;
    return scan;
}
