#include "archive/drawdate.h"

#include <array>

namespace enalotto {

namespace {

constexpr std::array<const char *, 12> Months = {"GEN", "FEB", "MAR", "APR", "MAG", "GIU",
                                                 "LUG", "AGO", "SET", "OTT", "NOV", "DIC"};

bool digits(const QByteArray &text, int from, int count)
{
    for (int i = from; i < from + count; ++i) {
        if (i >= text.size() || text[i] < '0' || text[i] > '9')
            return false;
    }
    return true;
}

} // namespace

DateLayout dateLayoutOf(const QByteArray &date)
{
    if (date.size() != 9 || !digits(date, 0, 2) || !digits(date, 5, 4))
        return DateLayout::Unknown;
    if (digits(date, 3, 2)) {
        switch (date[2]) {
        case '/':
            return DateLayout::Slash;
        case '-':
            return DateLayout::Dash;
        case '.':
            return DateLayout::Dot;
        default:
            return DateLayout::Unknown;
        }
    }
    // "03/12/1997" does not fit 9 characters; the numeric layouts keep the month in 3-4.
    for (const char *month : Months) {
        if (date.mid(2, 3) == month)
            return DateLayout::Month;
    }
    return DateLayout::Unknown;
}

QDate parseDrawDate(const QByteArray &date)
{
    const DateLayout layout = dateLayoutOf(date);
    if (layout == DateLayout::Unknown)
        return QDate();
    const int day = date.mid(0, 2).toInt();
    const int year = date.mid(5, 4).toInt();
    int month = 0;
    if (layout == DateLayout::Month) {
        for (size_t i = 0; i < Months.size(); ++i) {
            if (date.mid(2, 3) == Months[i])
                month = int(i) + 1;
        }
    } else {
        month = date.mid(3, 2).toInt();
    }
    return QDate(year, month, day);
}

QByteArray formatDrawDate(const QDate &date, DateLayout layout)
{
    const QByteArray day = QByteArray::number(date.day()).rightJustified(2, '0');
    const QByteArray month = QByteArray::number(date.month()).rightJustified(2, '0');
    const QByteArray year = QByteArray::number(date.year()).rightJustified(4, '0');
    switch (layout) {
    case DateLayout::Slash:
        return day + '/' + month + year;
    case DateLayout::Dash:
        return day + '-' + month + year;
    case DateLayout::Dot:
        return day + '.' + month + year;
    case DateLayout::Month:
    case DateLayout::Unknown:
        break;
    }
    return day + Months[size_t(date.month() - 1)] + year;
}

} // namespace enalotto
