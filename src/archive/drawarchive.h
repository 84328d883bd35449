#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>
#include <array>

namespace enalotto {

class RecordSource;

// The archive "se": fixed 25-byte records, oldest first, no separators. Record r starts at
// byte 25*r. Fields stay text; nothing is converted when a record is read.
namespace DrawRecord {
inline constexpr int Size = 25;
inline constexpr int DateOffset = 0;
inline constexpr int DateWidth = 9;
inline constexpr int NumbersOffset = 9;
inline constexpr int NumberWidth = 2;
inline constexpr int JollyOffset = 21;
inline constexpr int SuperStarOffset = 23;
} // namespace DrawRecord

inline constexpr const char *ArchiveFileName = "se";

// The archive's name as a path in the current folder.
[[nodiscard]] inline QString archiveFileName()
{
    return QString::fromLatin1(ArchiveFileName);
}

// The scroll bar and the record number are 16-bit values, so this is the largest archive
// the browser can address.
inline constexpr int MaxArchiveRecords = 32767;

// One record's fields as the archive holds them: text, numbers in drawing order.
struct ArchiveDraw
{
    QByteArray date;
    std::array<QByteArray, 6> numbers;
    QByteArray jolly;
    QByteArray superStar;

    // The 25 bytes of the record; each field is cut or padded with blanks to its width.
    [[nodiscard]] QByteArray toRecord() const;
};

// The fields of the 25 bytes at `record`.
[[nodiscard]] ArchiveDraw decodeRecord(const char *record);

// The whole records of an archive's bytes; a trailing fragment is left out.
[[nodiscard]] QVector<ArchiveDraw> parseArchive(const QByteArray &bytes);

// The draw last read by ReadDraw, as raw bytes of the archive. DrawNumbers texts 1-6 hold
// the six numbers in ascending byte order, 7 the Jolly, 8 the SuperStar; slot 0 is unused.
struct CurrentDrawData
{
    QByteArray DrawDate;
    std::array<QByteArray, 9> DrawNumbers;
};

extern CurrentDrawData CurrentDraw;

// Reads record n of an open archive into CurrentDraw and sorts the six numbers by their
// character codes. Returns false, leaving CurrentDraw as it was, when the record cannot be
// read whole (n out of range, the file shortened or gone).
bool ReadDraw(RecordSource &file, int n);

// Sorts six 2-character texts in place by character codes (an exchange sort; equal texts
// never move), as ReadDraw does.
void sortNumberTexts(std::array<QByteArray, 9> &texts);

struct ArchiveScan
{
    enum class Status
    {
        Ok,
        Empty,      // shorter than one record: nothing to show
        TooLarge,   // more records than the browser can address
        Unreadable, // a date field could not be read
    };
    Status status = Status::Unreadable;
    int records = 0;       // N = length / 25
    int LastYearCount = 0; // draws after the newest record of the year before the newest
};

// Counts the records and finds how many draws belong to the newest year, looking only at
// the date fields from the newest record backwards (read in blocks, never the whole file).
// Record 0 is never looked at: when the scan reaches it, LastYearCount is the whole
// archive. A trailing fragment shorter than a record is never read as one.
[[nodiscard]] ArchiveScan scanArchive(RecordSource &file);

} // namespace enalotto
