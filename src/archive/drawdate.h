#pragma once

#include <QByteArray>
#include <QDate>

namespace enalotto {

// The date field of a record: day, month and year in 9 characters. The browser only shows
// it; the archive tool reads it to keep the archive in order. Layouts met in archives:
// "03DIC1997" (Italian month in capitals), "03/12/1997", "03-12-1997", "03.12.1997".
enum class DateLayout
{
    Month,
    Slash,
    Dash,
    Dot,
    Unknown
};

[[nodiscard]] DateLayout dateLayoutOf(const QByteArray &date);

// The date a field holds, or an invalid QDate.
[[nodiscard]] QDate parseDrawDate(const QByteArray &date);

// A date written in a layout (Unknown writes the month form).
[[nodiscard]] QByteArray formatDrawDate(const QDate &date, DateLayout layout);

} // namespace enalotto
