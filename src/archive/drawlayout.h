#pragma once

#include "archive/delimitedtext.h"
#include "archive/newdraw.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace enalotto {

// Where the fields of a draw stand in the rows of a downloaded file, found from its header
// or, without one, from its rows; and how it writes its dates.
struct DrawLayout
{
    enum class Source
    {
        Header, // named by a header row
        Rows,   // guessed from rows without a header
        Json,   // named by the keys of a JSON export
    };
    Source source = Source::Rows;
    QChar separator = u';';
    int dateColumn = 0;
    std::array<int, 6> numberColumns{};
    int jollyColumn = -1;
    int superStarColumn = -1; // -1: the file has none
    DateOrder dateOrder = DateOrder::DayFirst;
    bool yearFirstDates = false;
    QStringList names; // the columns as a message names them

    // What was read, for the summary: columns, separator, date form.
    [[nodiscard]] QString describe() const;
    // "riga 12" or, in JSON, "elemento 12".
    [[nodiscard]] QString rowName(int row) const;
    [[nodiscard]] int fieldsNeeded() const;
};

// The layout a header row names; nothing when the row names no date column. A header that
// names a date but not six numbers and the Jolly gives an error text in `error`.
[[nodiscard]] std::optional<DrawLayout> layoutFromHeader(const QStringList &fields, QString &error);

// The layout of rows without a header: an optional leading sequence or contest number, the
// date, six numbers, the Jolly and a SuperStar when there is a ninth value that is empty or
// "00" before 28 March 2006. Nothing when no row holds a date in its first two fields.
[[nodiscard]] std::optional<DrawLayout> layoutFromRows(const QVector<TextRow> &rows);

// Settles day-first or month-first from the dates of the rows: month first only when some
// date has a second number over 12 and none a first one.
void settleDateOrder(DrawLayout &layout, const QVector<TextRow> &rows);

// The layouts understood, for the message when nothing reads as a draw.
[[nodiscard]] QString layoutsUnderstood();

} // namespace enalotto
