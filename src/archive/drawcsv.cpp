#include "archive/drawcsv.h"

#include "archive/archivecheck.h"
#include "archive/drawarchive.h"
#include "archive/drawdate.h"

#include <QStringList>

namespace enalotto {

CsvExport archiveToCsv(const QByteArray &archive)
{
    CsvExport result;
    result.csv = "data;n1;n2;n3;n4;n5;n6;jolly;superstar\n";
    const QVector<ArchiveDraw> draws = parseArchive(archive);
    for (qsizetype r = 0; r < draws.size(); ++r) {
        const ArchiveDraw &d = draws[r];
        const QDate date = parseDrawDate(d.date);
        if (!date.isValid()) {
            result.csv.clear();
            result.error =
                recordName(r) +
                QStringLiteral(": la data \"%1\" non è leggibile").arg(QString::fromLatin1(d.date));
            return result;
        }
        result.csv += date.toString(Qt::ISODate).toLatin1();
        for (const QByteArray &n : d.numbers)
            result.csv += ';' + n;
        result.csv += ';' + d.jolly + ';' + d.superStar + '\n';
    }
    result.draws = draws.size();
    return result;
}

} // namespace enalotto
