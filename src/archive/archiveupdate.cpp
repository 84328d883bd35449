#include "archive/archiveupdate.h"

#include "archive/archivecheck.h"
#include "common/atomicfile.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace enalotto {

ReadResult readArchive(const QString &name, QByteArray &bytes)
{
    const QFileInfo info(name);
    if (!info.exists())
        return ReadResult::Missing;
    QFile file(name);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return ReadResult::Unreadable;
    bytes = file.readAll();
    return file.error() == QFileDevice::NoError ? ReadResult::Ok : ReadResult::Unreadable;
}

Extendable archiveToExtend(const QString &name)
{
    Extendable archive;
    switch (readArchive(name, archive.bytes)) {
    case ReadResult::Missing:
        archive.status = Extendable::Status::Missing;
        return archive;
    case ReadResult::Unreadable:
        archive.status = Extendable::Status::Unreadable;
        return archive;
    case ReadResult::Ok:
        break;
    }
    if (checkArchive(archive.bytes).structural) {
        archive.status = Extendable::Status::Structural;
        return archive;
    }
    const QVector<ArchiveDraw> existing = parseArchive(archive.bytes);
    if (existing.isEmpty())
        return archive;
    archive.newestDate = existing.last().date;
    archive.newest = parseDrawDate(archive.newestDate);
    if (!archive.newest.isValid())
        archive.status = Extendable::Status::UnreadableNewest;
    return archive;
}

std::optional<QByteArray> appendedArchive(const QByteArray &bytes, const QVector<NewDraw> &draws)
{
    const QVector<ArchiveDraw> existing = parseArchive(bytes);
    if (existing.size() + draws.size() > MaxArchiveRecords)
        return std::nullopt;
    const DateLayout layout =
        existing.isEmpty() ? DateLayout::Month : dateLayoutOf(existing.last().date);
    QByteArray result = bytes;
    for (const NewDraw &d : draws)
        result += toArchiveDraw(d, layout).toRecord();
    return result;
}

namespace {

QString keyText(const QVector<int> &key)
{
    QStringList six;
    for (int k = 0; k < 6; ++k)
        six << QString::number(key[k]).rightJustified(2, u'0');
    QString text = six.join(u' ') + QStringLiteral(", Jolly %1").arg(key[6]);
    if (key[7] != 0)
        text += QStringLiteral(", SuperStar %1").arg(key[7]);
    return text;
}

} // namespace

QString drawText(const NewDraw &draw)
{
    return keyText(drawKey(draw));
}

QString drawText(const ArchiveDraw &draw)
{
    return keyText(drawKey(draw));
}

ImportPlan planImport(const Extendable &archive, const DrawFile &file)
{
    ImportPlan plan;
    QHash<QDate, ArchiveDraw> byDate;
    for (const ArchiveDraw &d : parseArchive(archive.bytes)) {
        const QDate date = parseDrawDate(d.date);
        if (date.isValid())
            byDate.insert(date, d);
    }
    const auto isNew = [&](const QDate &date) {
        return !archive.newest.isValid() || date > archive.newest;
    };
    QHash<QDate, FileRow> fresh;
    bool blocked = false;
    int disagreeWithArchive = 0;
    for (qsizetype i = 0; i < file.rows.size(); ++i) {
        const FileRow &row = file.rows[i];
        if (!row.draw) {
            // An unusable row among the archive's own dates leaves no gap; among the new ones
            // it does, so the newer draws wait for a corrected file.
            const auto next = std::find_if(file.rows.begin() + i + 1, file.rows.end(),
                                           [](const FileRow &r) { return r.draw.has_value(); });
            if (next == file.rows.end() || isNew(next->draw->date))
                blocked = true;
            if (!plan.firstUnusable)
                plan.firstUnusable = row;
            ++plan.leftOut;
            continue;
        }
        const NewDraw &draw = *row.draw;
        if (const auto existing = byDate.constFind(draw.date); existing != byDate.constEnd()) {
            if (drawKey(*existing) == drawKey(draw)) {
                ++plan.known;
            } else {
                ++disagreeWithArchive;
                plan.disagreements.append(
                    {draw.date, row.row, drawText(*existing), drawText(draw)});
            }
            continue;
        }
        if (!isNew(draw.date)) {
            ++plan.older; // a gap in the archive is not filled from here: the order would break
            continue;
        }
        if (const auto twin = fresh.constFind(draw.date); twin != fresh.constEnd()) {
            if (drawKey(*twin->draw) != drawKey(draw)) {
                plan.disagreements.append(
                    {draw.date, row.row,
                     file.layout.rowName(twin->row) + QStringLiteral(": ") + drawText(*twin->draw),
                     drawText(draw)});
            }
            continue;
        }
        if (blocked) {
            ++plan.leftOut;
            continue;
        }
        fresh.insert(draw.date, row);
        plan.draws.append(draw);
    }
    const int shared = plan.known + disagreeWithArchive;
    const int least = file.layout.source == DrawLayout::Source::Rows ? 1 : 3;
    if (disagreeWithArchive >= least && 2 * disagreeWithArchive > shared) {
        plan.notSameHistory = true;
        plan.draws.clear();
    }
    return plan;
}

QString backupName(const QString &archiveName)
{
    return archiveName + QStringLiteral(".bak");
}

WriteResult writeArchive(const QString &name, const Extendable &before, const QByteArray &bytes)
{
    // An empty backup stands for "there was no archive".
    if (!replaceFile(backupName(name), before.bytes))
        return WriteResult::BackupFailed;
    return replaceFile(name, bytes) ? WriteResult::Ok : WriteResult::ArchiveFailed;
}

AppendResult appendToArchive(const QString &name, const Extendable &archive,
                             const QVector<NewDraw> &draws)
{
    const std::optional<QByteArray> bytes = appendedArchive(archive.bytes, draws);
    if (!bytes)
        return AppendResult::TooMany;
    switch (writeArchive(name, archive, *bytes)) {
    case WriteResult::Ok:
        return AppendResult::Ok;
    case WriteResult::BackupFailed:
        return AppendResult::BackupFailed;
    case WriteResult::ArchiveFailed:
        break;
    }
    return AppendResult::ArchiveFailed;
}

UndoResult undoLastChange(const QString &name)
{
    UndoResult result;
    QByteArray backup;
    switch (readArchive(backupName(name), backup)) {
    case ReadResult::Missing:
        return result;
    case ReadResult::Unreadable:
        result.status = UndoResult::Status::Unreadable;
        return result;
    case ReadResult::Ok:
        break;
    }
    QByteArray now;
    if (readArchive(name, now) == ReadResult::Unreadable) {
        result.status = UndoResult::Status::Unreadable;
        return result;
    }
    result.before = now.size() / DrawRecord::Size;
    result.draws = backup.size() / DrawRecord::Size;
    const bool restored = backup.isEmpty() ? QFile::remove(name) || !QFileInfo::exists(name)
                                           : replaceFile(name, backup);
    if (!restored) {
        result.status = UndoResult::Status::WriteFailed;
        return result;
    }
    QFile::remove(backupName(name));
    result.status = UndoResult::Status::Done;
    return result;
}

bool isArchiveFile(const QString &file, const QString &archiveName)
{
    const QFileInfo target(file);
    for (const QString &own : {archiveName, backupName(archiveName)}) {
        if (target.absoluteFilePath() == QFileInfo(own).absoluteFilePath() ||
            (target.exists() && target.canonicalFilePath() == QFileInfo(own).canonicalFilePath()))
            return true;
    }
    QByteArray bytes;
    if (readArchive(file, bytes) != ReadResult::Ok || bytes.isEmpty() ||
        bytes.size() % DrawRecord::Size != 0)
        return false;
    return !checkArchive(bytes).structural &&
           parseDrawDate(parseArchive(bytes).first().date).isValid();
}

} // namespace enalotto
