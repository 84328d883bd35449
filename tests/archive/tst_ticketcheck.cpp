// controlla: a played column or system checked against the archive, categories and counts.
#include "archive/drawarchive.h"
#include "archive/drawdate.h"
#include "archive/ticketcheck.h"
#include "toolrun.h"

#include <random>

using namespace enalotto;

class TestTicketCheck : public QObject
{
    Q_OBJECT

private slots:
    void knownSampleDraws_data();
    void knownSampleDraws();
    void superStarFromItsFirstDraw();
    void systemCountsMatchColumnByColumn_data();
    void systemCountsMatchColumnByColumn();
    void refusals_data();
    void refusals();
};

namespace {

QStringList words(const char *text)
{
    return QString::fromLatin1(text).split(u' ');
}

} // namespace

void TestTicketCheck::knownSampleDraws_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("line");
    QTest::newRow("six") << words("14 29 34 57 59 69") << u"23/05/2026  6\n"_s;
    QTest::newRow("five-plus") << words("14 29 34 57 59 20") << u"23/05/2026  5+\n"_s;
    QTest::newRow("five-stella") << words("14 29 34 57 59 1 --superstar 16")
                                 << u"23/05/2026  5 STELLA\n"_s;
    QTest::newRow("five-without-its-superstar")
        << words("14 29 34 57 59 1 --superstar=17") << u"23/05/2026  5\n"_s;
}

void TestTicketCheck::knownSampleDraws()
{
    QFETCH(QStringList, args);
    QFETCH(QString, line);
    WorkDir dir;
    QVERIFY(QFile::copy(QStringLiteral(ENALOTTO_SAMPLE_ARCHIVE), u"se"_s));
    const ToolRun run = tool(QStringList{u"controlla"_s} + args + words("--dal 2026-05-20"));
    QCOMPARE(run.status, 0);
    QVERIFY2(run.out.contains(line), qPrintable(run.out));
}

void TestTicketCheck::superStarFromItsFirstDraw()
{
    // The ticket 1 2 3 20 21 22 with SuperStar 16 against four made-up draws.
    WorkDir dir;
    writeFile(u"se"_s, record("25MAR2006", "010203040506", "07", "00") + // 3: before the SuperStar
                           record("28MAR2006", "010211121314", "15", "16") + // 2 with it: 2 STELLA
                           record("30MAR2006", "303132333435", "36", "16") + // 0 with it
                           record("01APR2006", "010203202122", "07", "09")); // 6
    const ToolRun run = tool(words("controlla 1 2 3 20 21 22 --superstar 16"));
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out.count(u"Il SuperStar si estrae dal 28/03/2006"_s), 1);
    const QStringList lines = run.out.split(u'\n');
    QCOMPARE(lines.mid(2, 4), QStringList({u"01/04/2006  6"_s, u"30/03/2006  0 STELLA"_s,
                                           u"28/03/2006  2 STELLA"_s, u"25/03/2006  3"_s}));
    QCOMPARE(lines[6], u"Vincite per categoria: 6: 1, 5+: 0, 5: 0, 4: 0, 3: 1, 5 STELLA: 0, "
                       "4 STELLA: 0, 3 STELLA: 0, 2 STELLA: 1, 1 STELLA: 0, 0 STELLA: 1."_s);

    // A system of 7 with the Jolly: on the draw of 6, one column is a 6 and six are 5 or 5+.
    const ToolRun system = tool(words("controlla 1 2 3 20 21 22 7 --dal 01/04/2006"));
    QVERIFY2(system.out.contains(u"01/04/2006  6: 1, 5+: 6\n"_s), qPrintable(system.out));
}

void TestTicketCheck::systemCountsMatchColumnByColumn_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("seed");
    QTest::addColumn<int>("superStar");
    QTest::newRow("7") << 7 << 1 << 0;
    QTest::newRow("7-superstar") << 7 << 2 << 40;
    QTest::newRow("10") << 10 << 3 << 0;
    QTest::newRow("10-superstar") << 10 << 4 << 12;
    QTest::newRow("20") << 20 << 5 << 7;
}

void TestTicketCheck::systemCountsMatchColumnByColumn()
{
    QFETCH(int, size);
    QFETCH(int, seed);
    QFETCH(int, superStar);
    QFile file(QStringLiteral(ENALOTTO_SAMPLE_ARCHIVE));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray archive = file.readAll();
    std::mt19937 random(seed);
    Ticket ticket;
    ticket.superStar = superStar;
    while (ticket.numbers.size() < size) {
        const int v = int(random() % 90) + 1;
        if (!ticket.numbers.contains(v))
            ticket.numbers.append(v);
    }
    const TicketResult fast = checkTicket(archive, ticket);
    CategoryCounts slow{};
    for (const ArchiveDraw &d : parseArchive(archive)) {
        std::array<int, 6> drawn{};
        for (size_t k = 0; k < 6; ++k)
            drawn[k] = d.numbers[k].toInt();
        const bool counts = parseDrawDate(d.date) >= QDate(2006, 3, 28);
        const CategoryCounts one = columnByColumn(ticket.numbers, superStar, drawn, d.jolly.toInt(),
                                                  d.superStar.toInt(), counts);
        for (int c = 0; c < TicketCategories; ++c)
            slow[size_t(c)] += one[size_t(c)];
    }
    QCOMPARE(fast.drawsChecked, 4202);
    for (int c = 0; c < TicketCategories; ++c)
        QCOMPARE(fast.totals[size_t(c)], slow[size_t(c)]);
}

void TestTicketCheck::refusals_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("says");
    QTest::newRow("five-numbers") << words("1 2 3 4 5")
                                  << u"servono almeno 6 numeri, ne ho letti 5"_s;
    QTest::newRow("twenty-one") << words("1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21")
                                << u"al massimo 20 numeri, ne ho letti 21"_s;
    QTest::newRow("out-of-range") << words("1 2 3 4 5 91") << u"il numero 91 non è tra 1 e 90"_s;
    QTest::newRow("repeated") << words("1 2 3 4 5 5") << u"il numero 5 è ripetuto"_s;
    QTest::newRow("not-a-number") << words("1 2 3 4 5 x") << u"il 6o numero \"x\""_s;
    QTest::newRow("superstar-out-of-range")
        << words("1 2 3 4 5 6 --superstar 91") << u"il SuperStar 91 non è tra 1 e 90"_s;
    QTest::newRow("superstar-zero")
        << words("1 2 3 4 5 6 --superstar 0") << u"il SuperStar \"0\" non è un numero tra 1 e 90"_s;
    QTest::newRow("range-reversed") << words("1 2 3 4 5 6 --dal 02/01/2026 --al 01/01/2026")
                                    << u"il periodo comincia il 02/01/2026, dopo la sua fine"_s;
    QTest::newRow("bad-date") << words("1 2 3 4 5 6 --dal 31/02/2026")
                              << u"--dal: la data \"31/02/2026\" non esiste"_s;
    QTest::newRow("option-without-value") << words("1 2 3 4 5 6 --al") << u"--al vuole un valore"_s;
}

void TestTicketCheck::refusals()
{
    QFETCH(QStringList, args);
    QFETCH(QString, says);
    WorkDir dir;
    writeFile(u"se"_s, smallArchive());
    const ToolRun run = tool(QStringList{u"controlla"_s} + args);
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.contains(says), qPrintable(run.err));
}

QTEST_GUILESS_MAIN(TestTicketCheck)
#include "tst_ticketcheck.moc"
