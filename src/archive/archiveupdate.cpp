#include "archive/archiveupdate.h"

#include "archive/archivecheck.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMap>

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

ImportPlan planImport(const Extendable &archive, const CsvRows &csv)
{
    ImportPlan plan;
    QHash<QDate, ArchiveDraw> byDate;
    for (const ArchiveDraw &d : parseArchive(archive.bytes)) {
        const QDate date = parseDrawDate(d.date);
        if (date.isValid())
            byDate.insert(date, d);
    }
    const auto refuse = [&plan](ImportPlan::Conflict conflict, int line, const QDate &date) {
        plan.conflict = conflict;
        plan.line = line;
        plan.date = date;
        plan.draws.clear();
        return plan;
    };
    QMap<QDate, std::pair<int, NewDraw>> fresh;
    for (const auto &[line, draw] : csv.rows) {
        const auto existing = byDate.constFind(draw.date);
        if (existing != byDate.constEnd()) {
            if (drawKey(*existing) != drawKey(draw))
                return refuse(ImportPlan::Conflict::DiffersFromArchive, line, draw.date);
            ++plan.known;
            continue;
        }
        if (archive.newest.isValid() && draw.date <= archive.newest) {
            ++plan.older; // a gap in the archive is not filled from here: the order would break
            continue;
        }
        if (const auto twin = fresh.constFind(draw.date); twin != fresh.constEnd()) {
            if (drawKey(twin->second) != drawKey(draw)) {
                plan.otherLine = twin->first;
                return refuse(ImportPlan::Conflict::DiffersInFile, line, draw.date);
            }
            continue;
        }
        fresh.insert(draw.date, {line, draw});
    }
    for (const auto &[line, draw] : fresh)
        plan.draws.append(draw);
    return plan;
}

} // namespace enalotto
