#include "printout/combination.h"
#include "printout/noticeprintout.h"

#include <QTest>

using namespace enalotto;

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(PrizeSection)
Q_DECLARE_METATYPE(DisplayedDraw)

class TestPrintouts : public QObject
{
    Q_OBJECT

private slots:
    void combination_data();
    void combination();
    void centring_data();
    void centring();
    void headerBlock_data();
    void headerBlock();
    void fullNotice();
    void prizeSection_data();
    void prizeSection();
    void fieldsNeverCut();
};

namespace {

DisplayedDraw sampleDraw()
{
    DisplayedDraw d;
    d.date = u"23MAG2026"_s;
    d.contest = u"83"_s;
    d.numbers = {u"01"_s, u"07"_s, u"12"_s, u"33"_s, u"45"_s, u"90"_s};
    d.jolly = u"20"_s;
    d.superStar = u"55"_s;
    return d;
}

NoticeInput sampleNotice()
{
    NoticeInput in;
    in.header = {u"TABACCHERIA CENTRALE"_s, u"VIA ROMA 1"_s, u"TEL. 000 000"_s};
    in.contest = u"83"_s;
    in.date = u"23MAG2026"_s;
    in.draw = sampleDraw();
    in.prizePool = u"12.345.678,90"_s;
    const char *winners[CategoryCount] = {"",  "1",  "12",    "1.102", "45.210", "",
                                          "3", "41", "1.230", "9.876", "54.321"};
    const char *amounts[CategoryCount] = {"0,00",   "512.345,67", "31.234,56", "345,67",
                                          "28,90",  "",           "4.512,00",  "3.456,78",
                                          "100,00", "10,00",      "5,00"};
    for (int i = 0; i < CategoryCount; ++i)
        in.categories[size_t(i)] = {QString::fromLatin1(winners[i]),
                                    QString::fromLatin1(amounts[i])};
    in.jackpot = u"81.300.000,00"_s;
    in.section = PrizeSection::Table;
    return in;
}

QStringList readFixture(const QString &name)
{
    QFile file(QStringLiteral(ENALOTTO_TEST_DATA) + u'/' + name);
    if (!file.open(QIODevice::ReadOnly))
        return {u"missing fixture "_s + name};
    QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

void TestPrintouts::combination_data()
{
    QTest::addColumn<DisplayedDraw>("draw");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("copy");

    QTest::newRow("numbers-jolly-superstar")
        << sampleDraw()
        << QStringList{QString(),
                       u"                 COMBINAZIONE VINCENTE SUPER ENALOTTO DEL 23MAG2026"_s,
                       QString(),
                       u"               01 07 12 33 45 90  NUMERO JOLLY 20  NUMERO SUPERSTAR 55"_s}
        << u"01 07 12 33 45 90 20 55"_s;
    QTest::newRow("empty-labels")
        << DisplayedDraw{}
        << QStringList{QString(), u"                 COMBINAZIONE VINCENTE SUPER ENALOTTO DEL "_s,
                       QString(), u"                      NUMERO JOLLY   NUMERO SUPERSTAR "_s}
        << QString(7, u' ');
}

void TestPrintouts::combination()
{
    QFETCH(DisplayedDraw, draw);
    QFETCH(QStringList, lines);
    QFETCH(QString, copy);

    const PrintJob job = combinationPrintout(draw);
    QCOMPARE(printedLines(job.ops()), lines);
    QCOMPARE(combinationCopyLine(draw), copy);
    QCOMPARE(job.ops().at(0).text, u"courier new"_s);
    QCOMPARE(job.ops().at(1).size, 11.0);
    QCOMPARE(job.ops().last().kind, PrintOp::Kind::EndDocument);
    if (!draw.date.isEmpty()) {
        const QString numbersLine = lines[3];
        QCOMPARE(numbersLine.size(), 70);
        QCOMPARE(numbersLine.indexOf(u"01"_s) + 1, 16);
        QCOMPARE(numbersLine.mid(47, 2), u"20"_s); // Jolly in column 48
        QCOMPARE(numbersLine.mid(68, 2), u"55"_s); // SuperStar in column 69
        QCOMPARE(lines[1].size(), 67);
        QCOMPARE(copy.size(), 23);
    }
    // Two prints in a row give the same page.
    QCOMPARE(combinationPrintout(draw).ops(), job.ops());
}

void TestPrintouts::centring_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("column");
    QTest::newRow("30") << 30 << 1;
    QTest::newRow("29") << 29 << 2;
    QTest::newRow("20") << 20 << 6;
    QTest::newRow("11") << 11 << 11;
    QTest::newRow("10") << 10 << 11;
    QTest::newRow("1") << 1 << 16;
    QTest::newRow("longer-than-grid") << 33 << 0;
}

void TestPrintouts::centring()
{
    QFETCH(int, length);
    QFETCH(int, column);
    QCOMPARE(centringColumn(length), column);
}

void TestPrintouts::headerBlock_data()
{
    QTest::addColumn<QStringList>("header");
    QTest::addColumn<QStringList>("block");
    const QString sep = u" ******************************"_s;
    QTest::newRow("first-empty-others-filled")
        << QStringList{QString(), u"B"_s, u"C"_s}
        << QStringList{QString(), QString(), QString(), sep, sep};
    QTest::newRow("second-empty-third-filled")
        << QStringList{u"ABCDEFGHIJ"_s, QString(), u"C"_s}
        << QStringList{sep, u"          ABCDEFGHIJ"_s, sep, QString(), QString()};
    QTest::newRow("third-empty") << QStringList{u"A"_s, u"BB"_s, QString()}
                                 << QStringList{sep, u"               A"_s, u"              BB"_s,
                                                sep, QString()};
    QTest::newRow("all-filled-30-and-blanks")
        << QStringList{QString(30, u'X'), u"   "_s, QString(29, u'Y')}
        << QStringList{sep, QString(30, u'X'),
                       u"              "
                       "   "_s,
                       u" "_s + QString(29, u'Y'), sep};
}

void TestPrintouts::headerBlock()
{
    QFETCH(QStringList, header);
    QFETCH(QStringList, block);
    NoticeInput in = sampleNotice();
    in.header = {header[0], header[1], header[2]};
    QCOMPARE(printedLines(noticePrintout(in).ops()).mid(0, 5), block);
}

void TestPrintouts::fullNotice()
{
    const PrintJob job = noticePrintout(sampleNotice());
    QCOMPARE(printedMarkup(job.ops()), readFixture(u"notice-full.txt"_s));
    // Every line of the table ends in column 31; the footer is smaller and follows.
    const QStringList lines = printedLines(job.ops());
    for (int i = 11; i <= 23; ++i)
        QCOMPARE(lines[i].size(), 31);
    QCOMPARE(job.ops().at(0).text, u"Courier New"_s);
    QCOMPARE(job.ops().at(1).size, 30.0);
    const auto sizes = std::count_if(job.ops().begin(), job.ops().end(), [](const PrintOp &o) {
        return o.kind == PrintOp::Kind::FontSize;
    });
    QCOMPARE(sizes, 2);
}

void TestPrintouts::prizeSection_data()
{
    QTest::addColumn<PrizeSection>("section");
    QTest::addColumn<QString>("jackpot");
    QTest::addColumn<int>("linesBeforeFooter");
    QTest::addColumn<bool>("blankFiller");
    QTest::newRow("table-without-jackpot") << PrizeSection::Table << QString() << 10 + 13 << false;
    QTest::newRow("table-with-jackpot") << PrizeSection::Table << u"1,00"_s << 10 + 14 << false;
    QTest::newRow("filler-even-with-jackpot")
        << PrizeSection::Filler << u"1,00"_s << 10 + 15 << true;
    QTest::newRow("neither") << PrizeSection::None << u"1,00"_s << 10 << false;
}

void TestPrintouts::prizeSection()
{
    QFETCH(PrizeSection, section);
    QFETCH(QString, jackpot);
    QFETCH(int, linesBeforeFooter);
    QFETCH(bool, blankFiller);
    NoticeInput in = sampleNotice();
    in.section = section;
    in.jackpot = jackpot;
    const QStringList lines = printedLines(noticePrintout(in).ops());
    QCOMPARE(lines.size(), linesBeforeFooter + 1);
    QCOMPARE(lines.last(), u"   Elaborazione e stampa dati su PC programma VUR! PRO"_s);
    if (blankFiller)
        QCOMPARE(lines.mid(10, 15), QStringList(15, QString()));
}

void TestPrintouts::fieldsNeverCut()
{
    NoticeInput in = sampleNotice();
    in.categories[0] = {u"123456"_s, u"1,00"_s};
    in.categories[1] = {QString(), QString()};
    const QStringList lines = printedLines(noticePrintout(in).ops());
    QCOMPARE(lines[12], u" AI (123456) 6 Euro            1,00"_s);
    QCOMPARE(lines[12].size(), 35);
    QCOMPARE(lines[13], u" AI (  ) 5+ Euro               "_s);
}

QTEST_GUILESS_MAIN(TestPrintouts)
#include "tst_printouts.moc"
