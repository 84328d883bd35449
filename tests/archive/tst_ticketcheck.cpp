// controlla: a played column or system checked against the archive, categories and counts
// (the runs of tests/data/archive/ticket-runs.txt).
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
    void controlla_data() { runRows("ticket-runs.txt"); }
    void controlla()
    {
        WorkDir dir;
        runCurrentRow();
    }
    void systemCountsMatchColumnByColumn_data();
    void systemCountsMatchColumnByColumn();
};

void TestTicketCheck::systemCountsMatchColumnByColumn_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("seed");
    QTest::addColumn<int>("superStar");
    QTest::newRow("7") << 7 << 1 << 0;
    QTest::newRow("7-superstar-1") << 7 << 2 << 1;
    QTest::newRow("20") << 20 << 5 << 7;
}

void TestTicketCheck::systemCountsMatchColumnByColumn()
{
    QFETCH(int, size);
    QFETCH(int, seed);
    QFETCH(int, superStar);
    const QByteArray archive = readFile(QStringLiteral(ENALOTTO_SAMPLE_ARCHIVE));
    std::mt19937 random(seed);
    Ticket ticket;
    ticket.superStar = superStar;
    while (ticket.numbers.size() < size) {
        const int v = int(random() % 90) + 1;
        if (!ticket.numbers.contains(v))
            ticket.numbers.append(v);
    }
    CategoryCounts slow{};
    for (const ArchiveDraw &d : parseArchive(archive)) {
        std::array<int, 6> drawn{};
        for (size_t k = 0; k < 6; ++k)
            drawn[k] = d.numbers[k].toInt();
        const CategoryCounts one =
            columnByColumn(ticket.numbers, superStar, drawn, d.jolly.toInt(), d.superStar.toInt(),
                           parseDrawDate(d.date) >= QDate(2006, 3, 28));
        for (size_t c = 0; c < slow.size(); ++c)
            slow[c] += one[c];
    }
    const TicketResult fast = checkTicket(archive, ticket);
    QCOMPARE(fast.drawsChecked, 4202);
    QCOMPARE(QList<qint64>(fast.totals.begin(), fast.totals.end()),
             QList<qint64>(slow.begin(), slow.end()));
}

QTEST_GUILESS_MAIN(TestTicketCheck)
#include "tst_ticketcheck.moc"
