#include "archive/drawarchive.h"

#include "archive/recordsource.h"
#include "common/basic.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace enalotto {

CurrentDrawData CurrentDraw;

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

ArchiveDraw decodeRecord(const char *record)
{
    ArchiveDraw d;
    d.date = QByteArray(record + DrawRecord::DateOffset, DrawRecord::DateWidth);
    for (size_t k = 0; k < 6; ++k) {
        d.numbers[k] =
            QByteArray(record + DrawRecord::NumbersOffset + int(k) * DrawRecord::NumberWidth,
                       DrawRecord::NumberWidth);
    }
    d.jolly = QByteArray(record + DrawRecord::JollyOffset, DrawRecord::NumberWidth);
    d.superStar = QByteArray(record + DrawRecord::SuperStarOffset, DrawRecord::NumberWidth);
    return d;
}

QByteArray ArchiveDraw::toRecord() const
{
    QByteArray r = date.leftJustified(DrawRecord::DateWidth, ' ', true);
    for (const QByteArray &n : numbers)
        r += n.leftJustified(DrawRecord::NumberWidth, ' ', true);
    return r + jolly.leftJustified(DrawRecord::NumberWidth, ' ', true) +
           superStar.leftJustified(DrawRecord::NumberWidth, ' ', true);
}

QVector<ArchiveDraw> parseArchive(const QByteArray &bytes)
{
    QVector<ArchiveDraw> draws;
    const qsizetype records = bytes.size() / DrawRecord::Size;
    draws.reserve(records);
    for (qsizetype r = 0; r < records; ++r)
        draws.append(decodeRecord(bytes.constData() + r * DrawRecord::Size));
    return draws;
}

bool ReadDraw(RecordSource &file, int n)
{
    if (n < 0)
        return false;
    char record[DrawRecord::Size];
    if (!file.readAt(qint64(n) * DrawRecord::Size, record, DrawRecord::Size))
        return false;

    ArchiveDraw fields = decodeRecord(record);
    std::array<QByteArray, 9> numbers;
    for (size_t k = 1; k <= 6; ++k)
        numbers[k] = std::move(fields.numbers[k - 1]);
    sortNumberTexts(numbers);
    numbers[7] = std::move(fields.jolly);
    numbers[8] = std::move(fields.superStar);

    CurrentDraw.DrawDate = std::move(fields.date);
    CurrentDraw.DrawNumbers = std::move(numbers);
    return true;
}

namespace {

// The year of a date field: its last four characters read as a number, as BASIC's Val
// reads them (" 2026" style padding and stray letters behave as they always have).
double yearOf(const char *date)
{
    return basicVal(QString::fromLatin1(date + 5, 4));
}

// Whether a date field's year equals `target`. Most years are four digits: then the value is
// equal exactly when the digits are, which a 4-byte comparison settles without building a
// text; the year just seen to differ is remembered, since the scan meets it record after
// record.
class YearMatcher
{
public:
    explicit YearMatcher(double target) : m_target(target)
    {
        if (target >= 1000 && target <= 9999 && target == double(int(target))) {
            std::memcpy(&m_digits, QByteArray::number(int(target)).constData(), 4);
            m_hasDigits = true;
        }
    }

    bool matches(const char *date)
    {
        const char *year = date + 5;
        quint32 word;
        std::memcpy(&word, year, 4);
        if (m_hasDigits && word == m_digits)
            return true;
        if (m_hasKnownMiss && word == m_knownMiss)
            return false;
        const bool digits =
            std::all_of(year, year + 4, [](char c) { return c >= '0' && c <= '9'; });
        if (digits && m_hasDigits) {
            m_knownMiss = word;
            m_hasKnownMiss = true;
            return false;
        }
        return yearOf(date) == m_target;
    }

private:
    double m_target;
    quint32 m_digits = 0;
    bool m_hasDigits = false;
    quint32 m_knownMiss = 0;
    bool m_hasKnownMiss = false;
};

// Reads the archive backwards in blocks, so the scan costs a few reads however many dates
// it looks at.
class BackwardReader
{
public:
    explicit BackwardReader(RecordSource &file) : m_file(file) {}

    // The date field of the record at `position`, or nullptr when it cannot be read.
    const char *dateAt(qint64 position)
    {
        if (position < m_start || position + DrawRecord::DateWidth > m_start + m_block.size()) {
            const qint64 end = position + DrawRecord::Size;
            m_start = std::max<qint64>(0, end - BlockSize);
            m_block.resize(end - m_start);
            if (!m_file.readAt(m_start, m_block.data(), m_block.size())) {
                m_block.clear();
                return nullptr;
            }
        }
        return m_block.constData() + (position - m_start);
    }

    // How many records just before `position`, down to `lowest`, carry the same year bytes as
    // the one at `position` (already read). They compare the same, so the scan steps over
    // them without looking at each in turn.
    int sameYearBefore(qint64 position, qint64 lowest) const
    {
        const char *base = m_block.constData() - m_start + 5;
        quint32 year;
        std::memcpy(&year, base + position, 4);
        lowest = std::max(lowest, m_start);
        int n = 0;
        for (qint64 p = position - DrawRecord::Size; p >= lowest; p -= DrawRecord::Size) {
            quint32 other;
            std::memcpy(&other, base + p, 4);
            if (other != year)
                break;
            ++n;
        }
        return n;
    }

private:
    static constexpr qint64 BlockSize = 64 * 1024;
    RecordSource &m_file;
    QByteArray m_block;
    qint64 m_start = 0;
};

} // namespace

ArchiveScan scanArchive(RecordSource &file)
{
    ArchiveScan scan;
    const qint64 length = file.size();
    if (length < 0)
        return scan;
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
    BackwardReader reader(file);
    const char *newest = reader.dateAt(position);
    if (!newest)
        return scan;
    YearMatcher previousYear(yearOf(newest) - 1);
    int count = 0;
    for (;;) {
        ++count;
        position -= DrawRecord::Size;
        if (position < 1) {
            count = scan.records;
            break;
        }
        const char *date = reader.dateAt(position);
        if (!date)
            return scan;
        if (previousYear.matches(date))
            break;
        // Record 0 is never looked at, so the run stops at record 1.
        const int same = reader.sameYearBefore(position, DrawRecord::Size);
        count += same;
        position -= qint64(same) * DrawRecord::Size;
    }
    scan.status = ArchiveScan::Status::Ok;
    scan.LastYearCount = count;
    return scan;
}

} // namespace enalotto
