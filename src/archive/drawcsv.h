#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>
#include <utility>

namespace enalotto {

// The archive as CSV, the form the tool exports and reads back.

// The archive as CSV with a header line, dates as yyyy-mm-dd, numbers as stored.
struct CsvExport
{
    QByteArray csv;
    qsizetype draws = 0;
    QString error; // the first record whose date cannot be read; nothing is exported then
};
[[nodiscard]] CsvExport archiveToCsv(const QByteArray &archive);

} // namespace enalotto
