#pragma once

#include "archive/newdraw.h"

#include <QByteArray>
#include <QString>
#include <QVector>
#include <utility>

namespace enalotto {

// Draws as CSV, the form people download and the tool exports.

// The rows of a CSV export of draws: separator ';' or ',', an optional header, the date as
// dd/mm/yyyy or yyyy-mm-dd, six numbers, Jolly and SuperStar (empty or missing is 0).
struct CsvRows
{
    QVector<std::pair<int, NewDraw>> rows; // with their line numbers
    QString error;                         // the first bad row, when there is one
};
[[nodiscard]] CsvRows parseDrawCsv(const QByteArray &csv);

// The archive as CSV with a header line, dates as yyyy-mm-dd, numbers as stored.
struct CsvExport
{
    QByteArray csv;
    qsizetype draws = 0;
    QString error; // the first record whose date cannot be read; nothing is exported then
};
[[nodiscard]] CsvExport archiveToCsv(const QByteArray &archive);

} // namespace enalotto
