#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QVector>
#include <array>

namespace enalotto {

// Whether a played ticket won: a column of six numbers, or a system of 7 to 20 whose every
// six-number column is played, checked against each draw of the archive.

// The categories of the notice's prize table, and with a SuperStar those of the SuperStar.
enum class Category
{
    Six,
    FivePlus, // five numbers and the Jolly
    Five,
    Four,
    Three,
    FiveStar, // with the draw's SuperStar: five, four ... no numbers matched
    FourStar,
    ThreeStar,
    TwoStar,
    OneStar,
    ZeroStar,
};
inline constexpr int TicketCategories = 11;

// "6", "5+", "5", "4", "3", "5 STELLA" ... "0 STELLA".
[[nodiscard]] QString categoryName(Category category);

struct Ticket
{
    QVector<int> numbers; // 6 to 20, distinct, 1-90
    int superStar = 0;    // 0: none played
    QDate from;           // invalid: from the first draw
    QDate to;             // invalid: to the newest
};

// How many six-number columns a system of n numbers plays: C(n, 6).
[[nodiscard]] qint64 columnByColumnCount(int n);

// What is wrong with a ticket, or empty when it can be checked.
[[nodiscard]] QString validateTicket(const Ticket &ticket);

// How many of the ticket's six-number columns fall in each category.
using CategoryCounts = std::array<qint64, TicketCategories>;

struct DrawWin
{
    QDate date;
    CategoryCounts columns{};
};

struct TicketResult
{
    QVector<DrawWin> wins; // the draws with a winning column, newest first
    CategoryCounts totals{};
    qsizetype drawsChecked = 0;
    bool superStarIgnored = false; // a SuperStar was played and a draw before 28/03/2006 checked
};

// Checks the ticket against every whole record of an archive's bytes (records whose date or
// numbers cannot be read are passed over). A system's columns are not checked one by one: how
// many fall in each category follows from how many drawn numbers it holds and whether it
// holds the Jolly.
[[nodiscard]] TicketResult checkTicket(const QByteArray &archive, const Ticket &ticket);

// "6: 1, 5+: 0, ..." for counts: the SuperStar's categories only `withStars`, and only the
// categories won when `onlyWon`.
[[nodiscard]] QString countsText(const CategoryCounts &counts, bool withStars, bool onlyWon);

// What one draw won: the category of a single column, "category: count" for a system.
[[nodiscard]] QString winText(const DrawWin &win, bool system, bool withStars);

// The same, one six-number column at a time: the rule the counting above must agree with.
[[nodiscard]] CategoryCounts columnByColumn(const QVector<int> &numbers, int superStar,
                                            const std::array<int, 6> &drawn, int jolly,
                                            int drawSuperStar, bool superStarCounts);

} // namespace enalotto
