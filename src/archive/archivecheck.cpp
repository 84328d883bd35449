#include "archive/archivecheck.h"

#include "archive/drawarchive.h"
#include "archive/drawdate.h"
#include "archive/newdraw.h"

#include <QHash>
#include <QSet>
#include <algorithm>

namespace enalotto {

QString recordName(qsizetype index)
{
    return QStringLiteral("record %1").arg(index + 1);
}

ArchiveCheck checkArchive(const QByteArray &bytes, const QDate &today)
{
    ArchiveCheck check;
    const QVector<ArchiveDraw> draws = parseArchive(bytes);
    if (const qsizetype fragment = bytes.size() % DrawRecord::Size) {
        check.problems << QStringLiteral("il file termina con un frammento di %1 byte%2")
                              .arg(fragment)
                              .arg(draws.isEmpty() ? QString()
                                                   : QStringLiteral(" dopo il ") +
                                                         recordName(draws.size() - 1));
        check.structural = true;
    }
    if (draws.size() > MaxArchiveRecords) {
        check.problems << QStringLiteral("l'archivio ha %1 estrazioni, più delle %2 che il "
                                         "programma può sfogliare")
                              .arg(draws.size())
                              .arg(MaxArchiveRecords);
        check.structural = true;
    }
    QHash<QByteArray, qsizetype> seenDates;
    int previousYear = -1;
    for (qsizetype r = 0; r < draws.size(); ++r) {
        const ArchiveDraw &d = draws[r];
        const QString name = recordName(r);
        const QByteArray yearText = d.date.right(4);
        bool yearOk = std::all_of(yearText.begin(), yearText.end(),
                                  [](char c) { return c >= '0' && c <= '9'; });
        if (!yearOk) {
            check.problems << name + QStringLiteral(": la data \"%1\" non termina con un anno")
                                         .arg(QString::fromLatin1(d.date));
            check.structural = true;
        } else {
            const int year = yearText.toInt();
            if (year < previousYear) {
                check.problems << name + QStringLiteral(": l'anno %1 viene dopo il %2: gli anni "
                                                        "devono essere in ordine e ogni anno "
                                                        "tutto di seguito")
                                             .arg(year)
                                             .arg(previousYear);
                check.structural = true;
            }
            previousYear = std::max(previousYear, year);
        }
        if (const auto first = seenDates.constFind(d.date); first != seenDates.constEnd()) {
            check.problems << name +
                                  QStringLiteral(": la data \"%1\" è già nel %2")
                                      .arg(QString::fromLatin1(d.date), recordName(first.value()));
        } else {
            seenDates.insert(d.date, r);
        }
        QSet<int> six;
        for (size_t k = 0; k < 6; ++k) {
            const std::optional<int> n = fieldNumber(d.numbers[k], 1, 90);
            if (!n) {
                check.problems << name + QStringLiteral(": il %1o numero \"%2\" non è un "
                                                        "numero da 01 a 90")
                                             .arg(k + 1)
                                             .arg(QString::fromLatin1(d.numbers[k]));
            } else if (six.contains(*n)) {
                check.problems << name + QStringLiteral(": il numero %1 è ripetuto")
                                             .arg(QString::fromLatin1(d.numbers[k]));
            } else {
                six.insert(*n);
            }
        }
        const std::optional<int> jolly = fieldNumber(d.jolly, 1, 90);
        if (!jolly) {
            check.problems << name + QStringLiteral(": il Jolly \"%1\" non è un numero da 01 a 90")
                                         .arg(QString::fromLatin1(d.jolly));
        } else if (six.contains(*jolly)) {
            check.problems << name + QStringLiteral(": il Jolly %1 è anche tra i sei numeri")
                                         .arg(QString::fromLatin1(d.jolly));
        }
        const QDate date = parseDrawDate(d.date);
        if (date.isValid() && date > today) {
            check.problems << name + QStringLiteral(": la data %1 è dopo oggi").arg(dayText(date));
        }
        if (date.isValid() && date >= SuperStarStart && d.superStar == "00") {
            check.problems << name + QStringLiteral(": manca il SuperStar, estratto dal %1 in poi")
                                         .arg(dayText(SuperStarStart));
        }
        if (!fieldNumber(d.superStar, 0, 90)) {
            check.problems << name + QStringLiteral(": il SuperStar \"%1\" non è un numero da 00 "
                                                    "a 90")
                                         .arg(QString::fromLatin1(d.superStar));
        }
    }
    return check;
}

} // namespace enalotto
