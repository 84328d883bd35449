#pragma once

#include "archive/drawarchive.h"
#include "archive/drawdate.h"

#include <QDate>
#include <QString>
#include <QVector>
#include <array>
#include <optional>

namespace enalotto {

// A draw given by hand or read from a downloaded file, before it joins the archive.
struct NewDraw
{
    QDate date;
    std::array<int, 6> numbers{};
    int jolly = 0;
    int superStar = 0;
};

// The first draw with a SuperStar. Draws before it hold "00" in its place.
inline const QDate SuperStarStart = QDate(2006, 3, 28);

// Numbers 1-90 and distinct, a Jolly 1-90 not among them, a SuperStar 1-90 from 28 March
// 2006 on and none before, a date not after `today`: an error text when the draw is not a
// valid one, empty when it is.
[[nodiscard]] QString validateDraw(const NewDraw &draw, const QDate &today = QDate::currentDate());

// The same, with the field it is about: what a form shows next to that field.
struct DrawProblem
{
    enum class Field
    {
        None,
        Date,
        Number, // `index` 0-5
        Jolly,
        SuperStar
    };
    Field field = Field::None;
    int index = 0;
    QString text; // empty: no problem
};
[[nodiscard]] DrawProblem drawProblem(const NewDraw &draw,
                                      const QDate &today = QDate::currentDate());

// The first draw day after `newest`: draws are held on Tuesday, Thursday, Friday and Saturday.
[[nodiscard]] QDate nextDrawDay(const QDate &newest);

// The record of a new draw, its date written in the archive's `layout`.
[[nodiscard]] ArchiveDraw toArchiveDraw(const NewDraw &draw, DateLayout layout);

// The sorted six numbers, Jolly and SuperStar of a draw as values, for comparing draws
// whatever order their numbers were written in.
[[nodiscard]] QVector<int> drawKey(const ArchiveDraw &draw);
[[nodiscard]] QVector<int> drawKey(const NewDraw &draw);

// How the day and month of a date are written: 26/05/2026 (day first), 05/26/2026 (month
// first) or 2026-05-26 (year first, found by its four digits).
enum class DateOrder
{
    DayFirst,
    MonthFirst
};

// A date as people write it: day, month and year (or year, month and day) separated by '/',
// '-' or '.', a time after it ignored. Why it is not a date, when it is not.
struct DateField
{
    enum class Problem
    {
        None,
        NotADate,     // not three numbers in one of the forms
        TwoDigitYear, // 26/05/26
        DoesNotExist, // 31/06/2026
    };
    QDate date;
    Problem problem = Problem::NotADate;
    bool yearFirst = false;
    int first = 0; // the first two numbers as written, to tell day and month apart
    int second = 0;
};
[[nodiscard]] DateField readDateField(const QString &text, DateOrder order = DateOrder::DayFirst);

// The message for a date that cannot be read, naming the text.
[[nodiscard]] QString dateProblemText(const DateField &field, const QString &text);

// "gg/mm/aaaa" for messages.
[[nodiscard]] QString dayText(const QDate &date);

// A whole number, blanks around it allowed.
[[nodiscard]] std::optional<int> parseUserNumber(const QString &text);

// A 2-character field that holds a number in [low, high] written with two digits.
[[nodiscard]] std::optional<int> fieldNumber(const QByteArray &field, int low, int high);

} // namespace enalotto
