#pragma once

#include "archive/drawfile.h"
#include "archive/newdraw.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QVector>

namespace enalotto {

// Reading the archive whole and changing it: the rules behind adding a draw, importing a
// file, undoing the last change and exporting. Nothing here prints; callers word the outcome.

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
        Missing,          // no archive yet: only created on request
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

// A draw as a message shows it: "03 14 29 34 57 59, Jolly 20, SuperStar 16".
[[nodiscard]] QString drawText(const NewDraw &draw);
[[nodiscard]] QString drawText(const ArchiveDraw &draw);

// A date the file and the archive (or two rows of the file) give different numbers for.
struct Disagreement
{
    QDate date;
    int row = 0;
    QString archive; // what the archive (or the earlier row) holds
    QString file;
};

// Which rows of a file join the archive: the draws after its newest one, in date order, up to
// the first unusable row that stands among them (a gap would follow). A disagreement never
// changes the archive; when more than half of the draws the file shares with the archive
// disagree (at least three, or one for a layout guessed without a header), the file is not
// the same history and nothing joins.
struct ImportPlan
{
    QVector<NewDraw> draws; // to append, oldest first
    int known = 0;          // already in the archive, the same
    int older = 0;          // before the newest draw and not in the archive: left out
    QVector<Disagreement> disagreements;
    std::optional<FileRow> firstUnusable;
    int leftOut = 0; // unusable rows, and the new draws after the first one among them
    bool notSameHistory = false;

    // Every row of the file was added or was already there.
    [[nodiscard]] bool complete() const
    {
        return !firstUnusable && older == 0 && disagreements.isEmpty() && !notSameHistory;
    }
};
[[nodiscard]] ImportPlan planImport(const Extendable &archive, const DrawFile &file);

// The backup beside an archive: the archive as it was before the last change.
[[nodiscard]] QString backupName(const QString &archiveName);

// Keeps the archive as it is now in the backup, then replaces it with `bytes`; both writes
// are atomic, and the archive is untouched when the backup cannot be written.
enum class WriteResult
{
    Ok,
    BackupFailed,
    ArchiveFailed
};
[[nodiscard]] WriteResult writeArchive(const QString &name, const Extendable &before,
                                       const QByteArray &bytes);

// Appends draws to the archive and writes it as writeArchive does.
enum class AppendResult
{
    Ok,
    TooMany, // more than the browser can address: nothing written
    BackupFailed,
    ArchiveFailed
};
[[nodiscard]] AppendResult appendToArchive(const QString &name, const Extendable &archive,
                                           const QVector<NewDraw> &draws);

// Puts back the archive of the backup (an empty backup: there was no archive) and removes the
// backup, so that only one change can be undone.
struct UndoResult
{
    enum class Status
    {
        Done,
        NothingToUndo,
        Unreadable,
        WriteFailed
    };
    Status status = Status::NothingToUndo;
    qsizetype draws = 0;  // in the archive now
    qsizetype before = 0; // in the archive before the undo
};
[[nodiscard]] UndoResult undoLastChange(const QString &name);

// Whether a file holds a draw archive (or is the archive or its backup), which an export must
// never overwrite.
[[nodiscard]] bool isArchiveFile(const QString &file, const QString &archiveName);

} // namespace enalotto
