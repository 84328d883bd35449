#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>
#include <array>
#include <optional>

class QTextStream;

// The archive tool "superenalotto-archivio": checks the archive "se", adds last night's draw,
// imports a downloaded CSV, exports CSV and counts frequencies and delays. Every write
// replaces "se" atomically, so a browser running at the same time only ever sees whole files.

// One draw as the archive holds it (numbers in drawing order, as text).
struct ArchiveDraw
{
    QByteArray date;
    std::array<QByteArray, 6> numbers;
    QByteArray jolly;
    QByteArray superStar;

    [[nodiscard]] QByteArray toRecord() const;
};

// The whole records of an archive's bytes; a trailing fragment is left out.
[[nodiscard]] QVector<ArchiveDraw> parseArchive(const QByteArray &bytes);

struct ArchiveCheck
{
    QStringList problems;    // one line each, naming the record (1-based, as the browser)
    bool structural = false; // a fragment, a date without a year, years out of order
};

[[nodiscard]] ArchiveCheck checkArchive(const QByteArray &bytes);

// A draw given by hand or read from a CSV row, checked: numbers 1-90 and distinct, the
// Jolly not among them, the SuperStar 0-90. An error text when it is not a valid draw.
struct NewDraw
{
    QDate date;
    std::array<int, 6> numbers{};
    int jolly = 0;
    int superStar = 0;
};
[[nodiscard]] QString validateDraw(const NewDraw &draw);

// The rows of a CSV export of draws: separator ';' or ',', an optional header, the date as
// dd/mm/yyyy or yyyy-mm-dd, six numbers, Jolly and SuperStar (empty or missing is 0).
struct CsvRows
{
    QVector<std::pair<int, NewDraw>> rows; // with their line numbers
    QString error;                         // the first bad row, when there is one
};
[[nodiscard]] CsvRows parseDrawCsv(const QByteArray &csv);

// How often each value 0-90 came out, its current delay (draws since it last came out) and
// its longest delay, over a list of draws each given as the values it holds.
struct NumberStats
{
    int count = 0;
    int currentDelay = 0;
    int longestDelay = 0;
};
[[nodiscard]] std::array<NumberStats, 91> numberStats(const QVector<QVector<int>> &draws);

// Runs the tool with its arguments (without the program name) in the current folder.
// Returns the exit status.
int runArchiveTool(const QStringList &arguments, QTextStream &out, QTextStream &err);
