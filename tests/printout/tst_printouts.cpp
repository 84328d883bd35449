#include "printout/analysisprintout.h"
#include "printout/combination.h"
#include "printout/noticeprintout.h"

#include <QRegularExpression>
#include <QTest>

using namespace enalotto;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(PrintJob)

class TestPrintouts : public QObject
{
    Q_OBJECT

private slots:
    void pages_data();
    void pages();
    void copyLines();
    void centring();
};

namespace {

const std::array<QString, 6> Numbers{u"01"_s, u"07"_s, u"12"_s, u"33"_s, u"45"_s, u"90"_s};
const std::array<QString, 6> Worked{u"03"_s, u"08"_s, u"09"_s, u"10"_s, u"45"_s, u"90"_s};
const DisplayedDraw Draw{u"23MAG2026"_s, u"83"_s, Numbers, u"20"_s, u"55"_s};
const QString Separator = u" ******************************"_s;

// A shop's notice with every box filled, as notice-full.txt shows it, unless its header
// lines ('|' apart) or its prize section are given.
NoticeInput sampleNotice(PrizeSection section = PrizeSection::Table,
                         const QString &header = u"TABACCHERIA CENTRALE|VIA ROMA 1|TEL. 000 000"_s)
{
    const QStringList c =
        u"/0,00 1/512.345,67 12/31.234,56 1.102/345,67 45.210/28,90 / "
        u"3/4.512,00 41/3.456,78 1.230/100,00 9.876/10,00 54.321/5,00"_s.split(u' ');
    const QStringList h = header.split(u'|');
    NoticeInput in{{h[0], h[1], h[2]}, u"83"_s, Draw.date,          Draw,
                   u"12.345.678,90"_s, {},      u"81.300.000,00"_s, section};
    for (int i = 0; i < CategoryCount; ++i)
        in.categories[size_t(i)] = {c[i].section(u'/', 0, 0), c[i].section(u'/', 1)};
    return in;
}

// The analysis window on the worked example's draw: its COLONNA and its ten values, blank
// apart, in the order somma npari ndisp inte gp gd cons min mas est.
AnalysisView view(const QString &colonna, const QString &values)
{
    const QStringList v = values.split(u' ');
    return {u"23MAG2026"_s, Worked, u"17"_s, colonna, v[0], v[1], v[2],
            v[3],           v[4],   v[5],    v[6],    v[7], v[8], v[9]};
}

QStringList readFixture(const QString &name)
{
    QFile file(QStringLiteral(ENALOTTO_TEST_DATA) + u'/' + name);
    const QString text = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll())
                                                        : u"missing fixture "_s + name + u'\n';
    return text.chopped(1).split(u'\n'); // the last line's end
}

// The fonts and sizes a job sets, in order, then "end" when its last operation ends the page.
QString fontsAndEnd(const PrintJob &job)
{
    QString set;
    for (const PrintOp &o : job.ops())
        if (o.kind == PrintOp::Kind::FontName || o.kind == PrintOp::Kind::FontSize)
            set += (o.kind == PrintOp::Kind::FontName ? o.text : QString::number(o.size)) + u'|';
    return set + (job.ops().last().kind == PrintOp::Kind::EndDocument ? u"end"_s : QString());
}

} // namespace

void TestPrintouts::pages_data()
{
    QTest::addColumn<PrintJob>("job");
    QTest::addColumn<QStringList>("lines"); // with the style marks of printedMarkup()
    QTest::addColumn<QString>("fonts");
    const QString draw = u"courier new|11|end"_s, shop = u"Courier New|30|14|end"_s;
    const QStringList full = readFixture(u"notice-full.txt"_s);

    QTest::newRow("combination") << combinationPrintout(Draw) << readFixture(u"combination.txt"_s)
                                 << draw;
    QTest::newRow("analysis-each-value-in-its-row")
        << analysisPrintout(view(QString(), u"1000 1 2 3 4 5 6 -46 100 7"_s))
        << readFixture(u"analysis-page.txt"_s) << draw;
    QTest::newRow("notice-table-with-jackpot") << noticePrintout(sampleNotice()) << full << shop;
    QTest::newRow("notice-filler-even-with-jackpot")
        << noticePrintout(sampleNotice(PrizeSection::Filler))
        << full.mid(0, 10) + QStringList(15, QString()) + full.mid(24) << shop;
    QTest::newRow("notice-neither") << noticePrintout(sampleNotice(PrizeSection::None))
                                    << full.mid(0, 10) + full.mid(24) << shop;
    const auto headed = [&](const char *name, const QString &header, const QStringList &block) {
        QTest::newRow(name) << noticePrintout(sampleNotice(PrizeSection::Table, header))
                            << block + full.mid(5) << shop;
    };
    headed("notice-header-first-empty", u"|B|C"_s, {{}, {}, {}, Separator, Separator});
    headed("notice-header-second-empty-third-filled", u"ABCDEFGHIJ||C"_s,
           {Separator, u"          ABCDEFGHIJ"_s, Separator, {}, {}});
    headed("notice-header-third-empty", u"A|BB|"_s,
           {Separator, u"               A"_s, u"              BB"_s, Separator, {}});
    NoticeInput in = sampleNotice();
    in.prizePool = u"1,00"_s;
    in.categories.fill({});
    in.categories[0] = {u"123456"_s, u"1234567890123456"_s};
    in.jackpot.clear();
    QTest::newRow("notice-fields-padded-or-whole-no-jackpot")
        << noticePrintout(in) << readFixture(u"notice-fields.txt"_s) + full.mid(24) << shop;
    // No column moves text back, styles open on printed text, an open line is still printed.
    PrintJob open;
    open.text(u"abc"_s).bold(true).text(QString()).bold(false).column(3).text(u"d"_s);
    open.column(6).bold(true).text(u"e"_s).column(8).text(u"f"_s);
    QTest::newRow("job-of-text-columns-and-an-open-line")
        << open << QStringList{u"abcd [b]e f[/b]"_s} << QString();
}

void TestPrintouts::pages()
{
    QFETCH(PrintJob, job);
    QFETCH(QStringList, lines);
    QFETCH(QString, fonts);
    QCOMPARE(printedMarkup(job.ops()), lines);
    QCOMPARE(printedLines(job.ops()),
             lines.replaceInStrings(QRegularExpression(u"\\[/?[bi]\\]"_s), QString()));
    QCOMPARE(fontsAndEnd(job), fonts);
}

void TestPrintouts::copyLines()
{
    QCOMPARE(combinationCopyLine(Draw), u"01 07 12 33 45 90 20 55"_s);
    // The analysis's short values left-aligned in their columns.
    QCOMPARE(analysisCopyLine(view(colonnaCaption(Worked, u"17"_s), u"21 1 2 3 4 5 6 0 8 7"_s)),
             u"03  08  09  10  45  90  J. 17    21   1  2  3  4  5  6  0   8   7 \r\n"_s);
}

void TestPrintouts::centring()
{
    // Lengths 0 to 34 on the grid of 31: one column further left at each even length.
    const QList<int> columns{16, 16, 15, 15, 14, 14, 13, 13, 12, 12, 11, 11, 10, 10, 9, 9, 8, 8,
                             7,  7,  6,  6,  5,  5,  4,  4,  3,  3,  2,  2,  1,  1,  0, 0, -1};
    QList<int> got;
    for (int length = 0; length < columns.size(); ++length)
        got << centringColumn(length);
    QCOMPARE(got, columns);
}

QTEST_GUILESS_MAIN(TestPrintouts)
#include "tst_printouts.moc"
