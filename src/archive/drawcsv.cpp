#include "archive/drawcsv.h"

#include "archive/archivecheck.h"

#include <QStringList>

namespace enalotto {

CsvRows parseDrawCsv(const QByteArray &csv)
{
    CsvRows result;
    const QList<QByteArray> lines = csv.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray line = lines[i];
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        const char separator = line.contains(';') ? ';' : ',';
        QStringList fields;
        for (const QByteArray &f : line.split(separator)) {
            QString field = QString::fromUtf8(f).trimmed();
            if (field.size() >= 2 && field.startsWith(u'"') && field.endsWith(u'"'))
                field = field.mid(1, field.size() - 2).trimmed();
            fields << field;
        }
        const int lineNumber = int(i) + 1;
        const std::optional<QDate> date = parseUserDate(fields.value(0));
        if (!date) {
            if (result.rows.isEmpty() && lineNumber == 1)
                continue; // a header
            result.error = QStringLiteral("riga %1: la data \"%2\" non è nel formato "
                                          "gg/mm/aaaa o aaaa-mm-gg")
                               .arg(lineNumber)
                               .arg(fields.value(0));
            return result;
        }
        if (fields.size() < 8) {
            result.error =
                QStringLiteral("riga %1: servono la data, sei numeri e il Jolly").arg(lineNumber);
            return result;
        }
        NewDraw draw;
        draw.date = *date;
        for (int k = 0; k < 7; ++k) { // six numbers and the Jolly
            const std::optional<int> n = parseUserNumber(fields[k + 1]);
            if (!n) {
                result.error = QStringLiteral("riga %1: \"%2\" non è un numero")
                                   .arg(lineNumber)
                                   .arg(fields[k + 1]);
                return result;
            }
            if (k < 6)
                draw.numbers[size_t(k)] = *n;
            else
                draw.jolly = *n;
        }
        const QString superStar = fields.value(8);
        if (!superStar.isEmpty()) {
            const std::optional<int> n = parseUserNumber(superStar);
            if (!n) {
                result.error = QStringLiteral("riga %1: il SuperStar \"%2\" non è un numero")
                                   .arg(lineNumber)
                                   .arg(superStar);
                return result;
            }
            draw.superStar = *n;
        }
        if (const QString problem = validateDraw(draw); !problem.isEmpty()) {
            result.error = QStringLiteral("riga %1: %2").arg(lineNumber).arg(problem);
            return result;
        }
        result.rows.append({lineNumber, draw});
    }
    return result;
}

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
