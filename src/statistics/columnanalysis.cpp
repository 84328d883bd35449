#include "statistics/columnanalysis.h"

#include <cstdlib>

namespace enalotto {

namespace {

// Even in the sense "remainder 0 when divided by 2", which also holds for negative input.
bool isEven(int n)
{
    return n % 2 == 0;
}

} // namespace

QString parityWord(const Column &column)
{
    QString word;
    for (const int n : column)
        word += isEven(n) ? u'P' : u'D';
    return word;
}

QStringList parityGroups(const QString &word)
{
    QStringList groups;
    for (const QChar letter : word) {
        if (groups.isEmpty() || groups.last().back() != letter)
            groups.append(QString(letter));
        else
            groups.last() += letter;
    }
    return groups;
}

ColumnAnalysis analyseColumn(const Column &a)
{
    // Work in 64 bits so that out-of-contract input cannot overflow; valid results fit an int.
    // The parity word and its runs are followed letter by letter, without building texts.
    ColumnAnalysis r;
    long long sum = 0;
    long long smallest = 90;
    long long largest = 0;
    int run = 1; // length of the run of equal parity the current number belongs to
    for (size_t k = 0; k < 6; ++k) {
        sum += a[k];
        if (isEven(a[k]))
            ++r.NPARI;
        if (k == 5)
            break;
        if (isEven(a[k]) != isEven(a[k + 1])) {
            ++r.INTE;
            (run % 2 == 0 ? r.GP : r.GD) += 1;
            run = 1;
        } else {
            ++run;
        }
        const long long gap = (long long)a[k + 1] - a[k] - 1;
        if (gap == 0)
            ++r.CONS;
        if (gap < smallest)
            smallest = gap;
        if (gap > largest)
            largest = gap;
    }
    (run % 2 == 0 ? r.GP : r.GD) += 1;
    r.NDISP = 6 - r.NPARI;
    r.SOMMA = int(sum);
    r.MIN = int(smallest);
    r.MAS = int(largest);
    r.EST = int((90LL - a[5]) + ((long long)a[0] - 1));
    return r;
}

} // namespace enalotto
