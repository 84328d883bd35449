#include "printout/analysisprintout.h"
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
    void groups_data();
    void groups();
    void outsideContractRunsWithoutFault_data();
    void outsideContractRunsWithoutFault();
    void copyLine_data();
    void copyLine();
    void printout();
};

namespace {

Column col(int a, int b, int c, int d, int e, int f)
{
    return Column{a, b, c, d, e, f};
}

} // namespace

void TestColumnAnalysis::analyse_data()
{
    QTest::addColumn<Column>("column");
    QTest::addColumn<QString>("word");
    // NPARI NDISP INTE CONS SOMMA MIN MAS EST GP GD
    QTest::addColumn<QList<int>>("values");

    QTest::newRow("example-3-8-9-10-45-90")
        << col(3, 8, 9, 10, 45, 90) << u"DPDPDP"_s << QList<int>{3, 3, 5, 2, 165, 0, 44, 2, 0, 6};
    QTest::newRow("example-2-4-6-11-13-80")
        << col(2, 4, 6, 11, 13, 80) << u"PPPDDP"_s << QList<int>{4, 2, 2, 0, 116, 1, 66, 11, 1, 2};
    QTest::newRow("example-10-20-31-33-52-64") << col(10, 20, 31, 33, 52, 64) << u"PPDDPP"_s
                                               << QList<int>{4, 2, 2, 0, 210, 1, 18, 35, 3, 0};
    QTest::newRow("example-six-consecutive-from-1")
        << col(1, 2, 3, 4, 5, 6) << u"DPDPDP"_s << QList<int>{3, 3, 5, 5, 21, 0, 0, 84, 0, 6};
    QTest::newRow("example-all-even")
        << col(2, 4, 6, 8, 10, 12) << u"PPPPPP"_s << QList<int>{6, 0, 0, 0, 42, 1, 1, 79, 1, 0};
    QTest::newRow("example-1-3-5-7-9-90")
        << col(1, 3, 5, 7, 9, 90) << u"DDDDDP"_s << QList<int>{1, 5, 1, 0, 115, 1, 80, 0, 0, 2};
    QTest::newRow("six-consecutive-85-90") << col(85, 86, 87, 88, 89, 90) << u"DPDPDP"_s
                                           << QList<int>{3, 3, 5, 5, 525, 0, 0, 84, 0, 6};
    QTest::newRow("all-odd") << col(1, 3, 5, 7, 9, 11) << u"DDDDDD"_s
                             << QList<int>{0, 6, 0, 0, 36, 1, 1, 79, 1, 0};
    QTest::newRow("one-and-ninety")
        << col(1, 20, 40, 60, 80, 90) << u"DPPPPP"_s << QList<int>{5, 1, 1, 0, 291, 9, 19, 0, 0, 2};
    QTest::newRow("groups-4-and-2")
        << col(2, 4, 6, 8, 9, 11) << u"PPPPDD"_s << QList<int>{4, 2, 1, 1, 40, 0, 1, 80, 2, 0};
    QTest::newRow("groups-3-and-3")
        << col(2, 4, 6, 9, 11, 13) << u"PPPDDD"_s << QList<int>{3, 3, 1, 0, 45, 1, 2, 78, 0, 2};
    QTest::newRow("equal-smallest-gaps") << col(10, 12, 14, 30, 50, 70) << u"PPPPPP"_s
                                         << QList<int>{6, 0, 0, 0, 186, 1, 19, 29, 1, 0};
}

void TestColumnAnalysis::analyse()
{
    QFETCH(Column, column);
    QFETCH(QString, word);
    QFETCH(QList<int>, values);

    QCOMPARE(parityWord(column), word);
    const ColumnAnalysis r = analyseColumn(column);
    const QList<int> got{r.NPARI, r.NDISP, r.INTE, r.CONS, r.SOMMA,
                         r.MIN,   r.MAS,   r.EST,  r.GP,   r.GD};
    QCOMPARE(got, values);
    QCOMPARE(r.NPARI + r.NDISP, 6);
    QCOMPARE(r.GP + r.GD, r.INTE + 1);
}

void TestColumnAnalysis::groups_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QStringList>("groups");
    QTest::newRow("three-groups") << u"PPPDDP"_s << QStringList{u"PPP"_s, u"DD"_s, u"P"_s};
    QTest::newRow("one-group") << u"DDDDDD"_s << QStringList{u"DDDDDD"_s};
    QTest::newRow("alternating") << u"DPDPDP"_s
                                 << QStringList{u"D"_s, u"P"_s, u"D"_s, u"P"_s, u"D"_s, u"P"_s};
    QTest::newRow("last-letter-alone") << u"DDDDDP"_s << QStringList{u"DDDDD"_s, u"P"_s};
}

void TestColumnAnalysis::groups()
{
    QFETCH(QString, word);
    QFETCH(QStringList, groups);
    QCOMPARE(parityGroups(word), groups);
}

void TestColumnAnalysis::outsideContractRunsWithoutFault_data()
{
    QTest::addColumn<Column>("column");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("mas");
    QTest::newRow("descending") << col(90, 45, 10, 9, 8, 3) << -46 << 0;
    QTest::newRow("repeated") << col(7, 7, 7, 7, 7, 7) << -1 << 0;
    QTest::newRow("wide-gaps-keep-start-value") << col(0, 100, 200, 300, 400, 500) << 90 << 99;
    QTest::newRow("extremes") << col(INT_MIN, INT_MAX, INT_MIN, INT_MAX, 0, -1) << 90 << 90;
}

void TestColumnAnalysis::outsideContractRunsWithoutFault()
{
    QFETCH(Column, column);
    QFETCH(int, min);
    const ColumnAnalysis r = analyseColumn(column);
    if (QTest::currentDataTag() != QByteArrayLiteral("extremes"))
        QCOMPARE(r.MIN, min);
    QCOMPARE(r.NPARI + r.NDISP, 6);
    // The Jolly is not part of a column: the same six numbers give the same record.
    QCOMPARE(analyseColumn(column), r);
}

void TestColumnAnalysis::copyLine_data()
{
    QTest::addColumn<QString>("colonna");
    QTest::addColumn<QStringList>("values"); // somma npari ndisp inte gp gd cons min mas est
    QTest::addColumn<QString>("line");

    QTest::newRow("worked-example")
        << colonnaCaption({u"03"_s, u"08"_s, u"09"_s, u"10"_s, u"45"_s, u"90"_s}, u"17"_s)
        << QStringList{u"165"_s, u"3"_s, u"3"_s, u"5"_s,  u"0"_s,
                       u"6"_s,   u"2"_s, u"0"_s, u"44"_s, u"2"_s}
        << u"03  08  09  10  45  90  J. 17    165  3  3  5  0  6  2  0   44  2 \r\n"_s;
    QTest::newRow("blank-display")
        << QString() << QStringList(10, QString()) << QString(31, u' ') + u"\r\n"_s;
    QTest::newRow("long-values-not-cut")
        << u"X"_s << QStringList{u"1000"_s, u"1"_s, u"2"_s,   u"3"_s,   u"4"_s,
                                 u"5"_s,    u"6"_s, u"-46"_s, u"100"_s, u"7"_s}
        << u"X    1000  1  2  3  4  5  6  -46  100  7 \r\n"_s;
}

void TestColumnAnalysis::copyLine()
{
    QFETCH(QString, colonna);
    QFETCH(QStringList, values);
    QFETCH(QString, line);
    AnalysisView v;
    v.colonna = colonna;
    v.somma = values[0];
    v.npari = values[1];
    v.ndisp = values[2];
    v.inte = values[3];
    v.gp = values[4];
    v.gd = values[5];
    v.cons = values[6];
    v.min = values[7];
    v.mas = values[8];
    v.est = values[9];
    QCOMPARE(analysisCopyLine(v), line);
    if (QTest::currentDataTag() == QByteArrayLiteral("worked-example")) {
        QCOMPARE(colonna.size(), 29);
        QCOMPARE(line.size() - 2, 66);
    }
}

void TestColumnAnalysis::printout()
{
    AnalysisView v;
    v.date = u"23MAG2026"_s;
    v.numbers = {u"03"_s, u"08"_s, u"09"_s, u"10"_s, u"45"_s, u"90"_s};
    v.jolly = u"17"_s;
    v.somma = u"165"_s;
    v.npari = u"3"_s;
    v.ndisp = u"3"_s;
    v.inte = u"5"_s;
    v.gp = u"0"_s;
    v.gd = u"6"_s;
    v.cons = u"2"_s;
    v.min = u"0"_s;
    v.mas = u"44"_s;
    v.est = u"2"_s;
    const PrintJob job = analysisPrintout(v);
    const QStringList expected{
        QString(),
        u"               COMBINAZIONE VINCENTE SUPER ENALOTTO DEL 23MAG2026"_s,
        QString(),
        u"                       03 08 09 10 45 90  NUMERO JOLLY 17"_s,
        QString(),
        u"                            SOMMA GLOBALE : 165"_s,
        u"                              NUMERI PARI : 3"_s,
        u"                           NUMERI DISPARI : 3"_s,
        u"                             INTERRUZIONI : 5"_s,
        u"                              GRUPPI PARI : 0"_s,
        u"                           GRUPPI DISPARI : 6"_s,
        u"                           CONSECUTIVITA' : 2"_s,
        u"                        INTERVALLO MINIMO : 0"_s,
        u"                       INTERVALLO MASSIMO : 44"_s,
        u"                       INTERVALLO ESTERNO : 2"_s,
    };
    QCOMPARE(printedLines(job.ops()), expected);
    for (qsizetype i = 5; i < expected.size(); ++i)
        QCOMPARE(expected[i].indexOf(u':'), 42); // column 43
    QCOMPARE(job.ops().first().text, u"courier new"_s);
    QCOMPARE(job.ops().at(1).size, 11.0);
    QCOMPARE(job.ops().last().kind, PrintOp::Kind::EndDocument);
    QVERIFY(!printedMarkup(job.ops()).join(QString()).contains(u'['));
}

QTEST_GUILESS_MAIN(TestColumnAnalysis)
#include "tst_columnanalysis.moc"
