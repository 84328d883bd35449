#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>
#include <QVector>

namespace enalotto {

// A downloaded text file of draws as a table: its text decoded (UTF-8 with or without a byte
// order mark, else Windows-1252), cut into lines (LF, CRLF or CR) and each line into fields.

struct TextRow
{
    int line = 0; // 1-based, as an editor counts
    QStringList fields;
};

struct DelimitedTable
{
    QChar separator;       // ';', ',' or '\t'
    QVector<TextRow> rows; // blank lines left out
};

// The text of a file's bytes.
[[nodiscard]] QString decodeText(const QByteArray &bytes);

// The table of a text. The separator is the one of ';', tab and ',' that cuts the first
// lines into the most fields alike; a field between double quotes loses them, and blanks
// around a field are dropped.
[[nodiscard]] DelimitedTable splitDelimited(const QString &text);

// How a separator is named in messages: "punto e virgola", "virgola", "tabulazione".
[[nodiscard]] QString separatorName(QChar separator);

} // namespace enalotto
