#pragma once

#include "archive/drawcsv.h"
#include "archive/newdraw.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QVector>

namespace enalotto {

// Reading the archive whole and extending it: the rules behind adding a draw and importing
// a file. Nothing here prints; callers word the outcome.

enum class ReadResult
{
    Ok,
    Missing,
    Unreadable
};
[[nodiscard]] ReadResult readArchive(const QString &name, QByteArray &bytes);

// The archive as a command that appends to it finds it.
struct Extendable
{
    enum class Status
    {
        Ok,
        Unreadable,       // exists but cannot be read
        Structural,       // fragments, years out of order: run the check
        UnreadableNewest, // the newest record's date cannot be read
    };
    Status status = Status::Ok;
    QByteArray bytes;      // none when there is no archive yet
    QDate newest;          // invalid when the archive is empty
    QByteArray newestDate; // the newest record's date field, as stored
};
[[nodiscard]] Extendable archiveToExtend(const QString &name);

// The archive's bytes with `draws` appended, dates in the layout of its newest record.
// Nothing when the result would be more than the browser can address.
[[nodiscard]] std::optional<QByteArray> appendedArchive(const QByteArray &bytes,
                                                        const QVector<NewDraw> &draws);

// Which rows of a file join the archive: those after its newest draw, each date once. A date
// already in the archive must hold the same draw; a date given twice in the file, too.
struct ImportPlan
{
    enum class Conflict
    {
        None,
        DiffersFromArchive, // `line` holds another draw than the archive on that date
        DiffersInFile,      // `line` repeats the date of `otherLine` with other numbers
    };
    QVector<NewDraw> draws; // to append, oldest first
    int known = 0;          // already in the archive
    int older = 0;          // before the newest draw and not in the archive: left out
    Conflict conflict = Conflict::None;
    int line = 0;
    int otherLine = 0;
    QDate date;
};
[[nodiscard]] ImportPlan planImport(const Extendable &archive, const CsvRows &csv);

} // namespace enalotto
