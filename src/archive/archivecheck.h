#pragma once

#include <QByteArray>
#include <QDate>
#include <QStringList>

namespace enalotto {

// Checks every record of an archive's bytes, as `superenalotto-archivio verifica` reports.

struct ArchiveCheck
{
    QStringList problems;    // one line each, naming the record (1-based, as the browser)
    bool structural = false; // a fragment, a date without a year, years out of order
};

[[nodiscard]] ArchiveCheck checkArchive(const QByteArray &bytes,
                                        const QDate &today = QDate::currentDate());

// "record N" for the record at `index` (0-based), as the problems name it.
[[nodiscard]] QString recordName(qsizetype index);

} // namespace enalotto
