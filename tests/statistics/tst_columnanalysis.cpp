#include "statistics/columnanalysis.h"

#include <QTest>

using namespace enalotto;

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(Column)

class TestColumnAnalysis : public QObject
{
    Q_OBJECT

private slots:
    void analyse_data();
    void analyse();
};

void TestColumnAnalysis::analyse_data()
{
    QTest::addColumn<Column>("column");
    QTest::addColumn<QString>("groups"); // the parity word's runs, one blank apart
    // NPARI NDISP INTE CONS SOMMA MIN MAS EST GP GD
    QTest::addColumn<QList<int>>("values");

    const auto row = [](const char *name, const Column &column, const char *groups,
                        const QList<int> &values) {
        QTest::newRow(name) << column << QString::fromLatin1(groups) << values;
    };
    row("worked-example", {3, 8, 9, 10, 45, 90}, "D P D P D P", {3, 3, 5, 2, 165, 0, 44, 2, 0, 6});
    row("runs-of-3-2-1", {2, 4, 6, 11, 13, 80}, "PPP DD P", {4, 2, 2, 0, 116, 1, 66, 11, 1, 2});
    row("runs-of-2-2-2", {10, 20, 31, 33, 52, 64}, "PP DD PP", {4, 2, 2, 0, 210, 1, 18, 35, 3, 0});
    row("consecutive-from-1", {1, 2, 3, 4, 5, 6}, "D P D P D P", {3, 3, 5, 5, 21, 0, 0, 84, 0, 6});
    row("all-even", {2, 4, 6, 8, 10, 12}, "PPPPPP", {6, 0, 0, 0, 42, 1, 1, 79, 1, 0});
    row("five-odd-then-90", {1, 3, 5, 7, 9, 90}, "DDDDD P", {1, 5, 1, 0, 115, 1, 80, 0, 0, 2});
    row("runs-of-4-and-2", {2, 4, 6, 8, 9, 11}, "PPPP DD", {4, 2, 1, 1, 40, 0, 1, 80, 2, 0});
    row("runs-of-3-and-3", {2, 4, 6, 9, 11, 13}, "PPP DDD", {3, 3, 1, 0, 45, 1, 2, 78, 0, 2});
    // Outside the contract the formulas still run: a negative interval, the smallest interval
    // starting at 90 and the largest at 0, and values past an int keeping their low 32 bits.
    row("descending", {90, 45, 10, 9, 8, 3}, "P D P D P D", {3, 3, 5, 0, 165, -46, 0, 176, 0, 6});
    row("repeated", {7, 7, 7, 7, 7, 7}, "DDDDDD", {0, 6, 0, 0, 42, -1, 0, 89, 1, 0});
    row("gaps-over-90", {0, 100, 200, 300, 400, 500}, "PPPPPP",
        {6, 0, 0, 0, 1500, 90, 99, -411, 1, 0});
    row("extremes", {INT_MIN, INT_MAX, INT_MIN, INT_MAX, 0, -1}, "P D P D P D",
        {3, 3, 5, 0, -3, 0, -2, INT_MIN + 90, 0, 6});
}

void TestColumnAnalysis::analyse()
{
    QFETCH(Column, column);
    QFETCH(QString, groups);
    QFETCH(QList<int>, values);

    QCOMPARE(parityWord(column), QString(groups).remove(u' '));
    QCOMPARE(parityGroups(parityWord(column)), groups.split(u' '));
    const ColumnAnalysis r = analyseColumn(column);
    QCOMPARE(
        (QList<int>{r.NPARI, r.NDISP, r.INTE, r.CONS, r.SOMMA, r.MIN, r.MAS, r.EST, r.GP, r.GD}),
        values);
}

QTEST_GUILESS_MAIN(TestColumnAnalysis)
#include "tst_columnanalysis.moc"
