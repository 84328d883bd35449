#include "archive/ticketcheck.h"

#include "archive/drawarchive.h"
#include "archive/drawdate.h"
#include "archive/newdraw.h"

#include <QSet>
#include <QStringList>
#include <bitset>

namespace enalotto {
namespace {

qint64 binomial(int n, int k)
{
    if (k < 0 || k > n)
        return 0;
    qint64 result = 1;
    for (int i = 1; i <= k; ++i)
        result = result * (n - k + i) / i;
    return result;
}

Category plain(int hits)
{
    return hits == 5 ? Category::Five : hits == 4 ? Category::Four : Category::Three;
}

Category starred(int hits)
{
    return Category(int(Category::FiveStar) + 5 - hits);
}

// The categories of one six-number column, given its hits and whether its sixth number is
// the Jolly: nothing below 3 without the SuperStar.
void countColumn(CategoryCounts &counts, int hits, bool jollyHit, bool star, qint64 columns)
{
    if (columns == 0)
        return;
    if (hits == 6)
        counts[size_t(Category::Six)] += columns;
    else if (hits == 5 && jollyHit)
        counts[size_t(Category::FivePlus)] += columns;
    else if (star)
        counts[size_t(starred(hits))] += columns;
    else if (hits >= 3)
        counts[size_t(plain(hits))] += columns;
}

} // namespace

QString categoryName(Category category)
{
    static const char *const names[TicketCategories] = {
        "6",        "5+",       "5",        "4",        "3",       "5 STELLA",
        "4 STELLA", "3 STELLA", "2 STELLA", "1 STELLA", "0 STELLA"};
    return QString::fromLatin1(names[int(category)]);
}

qint64 columnByColumnCount(int n)
{
    return binomial(n, 6);
}

QString validateTicket(const Ticket &ticket)
{
    const qsizetype n = ticket.numbers.size();
    if (n < 6)
        return QStringLiteral("servono almeno 6 numeri, ne ho letti %1").arg(n);
    if (n > 20)
        return QStringLiteral("un sistema ha al massimo 20 numeri, ne ho letti %1").arg(n);
    QSet<int> seen;
    for (const int v : ticket.numbers) {
        if (v < 1 || v > 90)
            return QStringLiteral("il numero %1 non è tra 1 e 90").arg(v);
        if (seen.contains(v))
            return QStringLiteral("il numero %1 è ripetuto").arg(v);
        seen.insert(v);
    }
    if (ticket.superStar != 0 && (ticket.superStar < 1 || ticket.superStar > 90))
        return QStringLiteral("il SuperStar %1 non è tra 1 e 90").arg(ticket.superStar);
    if (ticket.from.isValid() && ticket.to.isValid() && ticket.from > ticket.to) {
        return QStringLiteral("il periodo comincia il %1, dopo la sua fine il %2")
            .arg(dayText(ticket.from), dayText(ticket.to));
    }
    return QString();
}

QString countsText(const CategoryCounts &counts, bool withStars, bool onlyWon)
{
    QStringList parts;
    for (int c = 0; c < TicketCategories; ++c) {
        if ((!withStars && c >= int(Category::FiveStar)) || (onlyWon && counts[size_t(c)] == 0))
            continue;
        parts << categoryName(Category(c)) + QStringLiteral(": ") +
                     QString::number(counts[size_t(c)]);
    }
    return parts.join(QStringLiteral(", "));
}

QString winText(const DrawWin &win, bool system, bool withStars)
{
    if (system)
        return countsText(win.columns, withStars, true);
    const auto won =
        std::find_if(win.columns.begin(), win.columns.end(), [](qint64 c) { return c > 0; });
    return won == win.columns.end() ? QString() : categoryName(Category(won - win.columns.begin()));
}

CategoryCounts columnByColumn(const QVector<int> &numbers, int superStar,
                              const std::array<int, 6> &drawn, int jolly, int drawSuperStar,
                              bool superStarCounts)
{
    CategoryCounts counts{};
    const bool star = superStarCounts && superStar != 0 && superStar == drawSuperStar;
    const int n = int(numbers.size());
    QVector<int> hit(n), isJolly(n);
    for (int i = 0; i < n; ++i) {
        hit[i] = int(std::find(drawn.begin(), drawn.end(), numbers[i]) != drawn.end());
        isJolly[i] = int(numbers[i] == jolly);
    }
    std::array<int, 6> pick{0, 1, 2, 3, 4, 5};
    for (;;) {
        int hits = 0;
        bool jollyHit = false;
        for (const int i : pick) {
            hits += hit[i];
            jollyHit = jollyHit || isJolly[i];
        }
        countColumn(counts, hits, jollyHit, star, 1);
        // The next six-number combination of the system's positions.
        int k = 5;
        while (k >= 0 && pick[size_t(k)] == n - 6 + k)
            --k;
        if (k < 0)
            break;
        ++pick[size_t(k)];
        for (int j = k + 1; j < 6; ++j)
            pick[size_t(j)] = pick[size_t(j - 1)] + 1;
    }
    return counts;
}

TicketResult checkTicket(const QByteArray &archive, const Ticket &ticket)
{
    TicketResult result;
    std::bitset<91> played;
    for (const int v : ticket.numbers)
        played.set(size_t(v));
    const int n = int(ticket.numbers.size());
    const qsizetype records = archive.size() / DrawRecord::Size;
    for (qsizetype r = records - 1; r >= 0; --r) {
        const ArchiveDraw d = decodeRecord(archive.constData() + r * DrawRecord::Size);
        const QDate date = parseDrawDate(d.date);
        if (!date.isValid() || (ticket.from.isValid() && date < ticket.from) ||
            (ticket.to.isValid() && date > ticket.to))
            continue;
        int hits = 0;
        bool readable = true;
        for (const QByteArray &field : d.numbers) {
            const std::optional<int> v = fieldNumber(field, 1, 90);
            readable = readable && v;
            hits += int(v && played.test(size_t(*v)));
        }
        const std::optional<int> jolly = fieldNumber(d.jolly, 1, 90);
        if (!readable || !jolly)
            continue;
        ++result.drawsChecked;
        const bool superStarCounts = date >= SuperStarStart;
        if (ticket.superStar != 0 && !superStarCounts)
            result.superStarIgnored = true;
        const bool star = superStarCounts && ticket.superStar != 0 &&
                          fieldNumber(d.superStar, 1, 90) == ticket.superStar;
        const bool holdsJolly = played.test(size_t(*jolly));
        // Columns with k of the h drawn numbers held: C(h, k) ways to choose them times
        // C(n - h, 6 - k) for the rest; with five, the sixth is the Jolly in one of those.
        DrawWin win{date, {}};
        for (int k = 0; k <= 6; ++k) {
            const qint64 columns = binomial(hits, k) * binomial(n - hits, 6 - k);
            if (k == 5 && holdsJolly) {
                const qint64 withJolly = binomial(hits, 5);
                countColumn(win.columns, 5, true, star, withJolly);
                countColumn(win.columns, 5, false, star, columns - withJolly);
            } else {
                countColumn(win.columns, k, false, star, columns);
            }
        }
        if (std::any_of(win.columns.begin(), win.columns.end(), [](qint64 c) { return c > 0; })) {
            for (int c = 0; c < TicketCategories; ++c)
                result.totals[size_t(c)] += win.columns[size_t(c)];
            result.wins.append(win);
        }
    }
    return result;
}

} // namespace enalotto
