#include "archive/numberstats.h"

#include "archive/newdraw.h"

#include <algorithm>

namespace enalotto {

NumberTable numberStats(const QVector<QVector<int>> &draws)
{
    NumberTable stats{};
    std::array<int, 91> last;
    last.fill(-1);
    const int n = int(draws.size());
    for (int i = 0; i < n; ++i) {
        for (const int value : draws[i]) {
            if (value < 0 || value > 90)
                continue;
            NumberStats &s = stats[size_t(value)];
            if (last[size_t(value)] == i)
                continue; // counted once a draw
            ++s.count;
            s.longestDelay = std::max(s.longestDelay, i - last[size_t(value)] - 1);
            last[size_t(value)] = i;
        }
    }
    for (size_t v = 0; v < stats.size(); ++v) {
        stats[v].currentDelay = n - 1 - last[v];
        stats[v].longestDelay = std::max(stats[v].longestDelay, stats[v].currentDelay);
    }
    return stats;
}

ArchiveStats archiveStats(const QVector<ArchiveDraw> &draws)
{
    QVector<QVector<int>> six, jolly, superStar;
    for (const ArchiveDraw &d : draws) {
        QVector<int> numbers;
        for (const QByteArray &n : d.numbers) {
            if (const auto v = fieldNumber(n, 1, 90))
                numbers.append(*v);
        }
        six.append(numbers);
        const auto j = fieldNumber(d.jolly, 1, 90);
        jolly.append(j ? QVector<int>{*j} : QVector<int>{});
        const auto s = fieldNumber(d.superStar, 1, 90);
        if (s || !superStar.isEmpty())
            superStar.append(s ? QVector<int>{*s} : QVector<int>{});
    }
    ArchiveStats stats;
    stats.six = numberStats(six);
    stats.jolly = numberStats(jolly);
    stats.superStar = numberStats(superStar);
    stats.superStarDraws = superStar.size();
    return stats;
}

} // namespace enalotto
