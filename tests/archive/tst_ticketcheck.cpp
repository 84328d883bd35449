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
    void controlla_data();
    void controlla();
    void systemCountsMatchColumnByColumn_data();
    void systemCountsMatchColumnByColumn();
};

void TestTicketCheck::controlla_data()
{
    runColumns();
    const QByteArray sample = readFile(QStringLiteral(ENALOTTO_SAMPLE_ARCHIVE));
    const auto row = [&](const char *name, const char *words, int status, const QString &says) {
        runRow(name, sample, u"controlla "_s + QLatin1String(words), status, says);
    };
    // The sample archive's draw of 23/05/2026: 14 29 34 57 59 69, Jolly 20, SuperStar 16.
    row("six-on-the-one-day-of-the-period",
        "14 29 34 57 59 69 --superstar 90 --dal 23/05/2026 --al 2026-05-23", 0,
        u"SuperStar 90; estrazioni controllate: 1.\n23/05/2026  6\n"_s);
    row("five-plus", "14 29 34 57 59 20 --dal 2026-05-20", 0, u"23/05/2026  5+\n"_s);
    row("five-stella", "14 29 34 57 59 1 --superstar 16 --dal 2026-05-20", 0,
        u"23/05/2026  5 STELLA\n"_s);
    row("five-without-its-superstar", "14 29 34 57 59 1 --superstar=17 --dal 2026-05-20", 0,
        u"23/05/2026  5\n"_s);
    row("twenty-numbers-up-to-90",
        "71 72 73 74 75 76 77 78 79 80 81 82 83 84 85 86 87 88 89 90 --superstar 1", 0,
        u"Sistema di 20 numeri (38760 colonne)"_s);
    row("five-numbers", "1 2 3 4 5", 1, u"servono almeno 6 numeri, ne ho letti 5"_s);
    row("twenty-one-numbers", "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21", 1,
        u"al massimo 20 numeri, ne ho letti 21"_s);
    row("number-0", "0 2 3 4 5 6", 1, u"il numero 0 non è tra 1 e 90"_s);
    row("number-91", "1 2 3 4 5 91", 1, u"il numero 91 non è tra 1 e 90"_s);
    row("number-repeated", "1 2 3 4 5 5", 1, u"il numero 5 è ripetuto"_s);
    row("not-a-number", "1 2 3 4 5 x", 1, u"il 6o numero \"x\""_s);
    row("superstar-91", "1 2 3 4 5 6 --superstar 91", 1, u"il SuperStar 91 non è tra 1 e 90"_s);
    row("superstar-0", "1 2 3 4 5 6 --superstar 0", 1, u"il SuperStar \"0\" non è un numero"_s);
    row("period-reversed", "1 2 3 4 5 6 --dal 02/01/2026 --al 01/01/2026", 1,
        u"il periodo comincia il 02/01/2026, dopo la sua fine"_s);
    row("no-such-day", "1 2 3 4 5 6 --dal 31/02/2026", 1, u"--dal: la data \"31/02/2026\" non"_s);
    row("option-without-value", "1 2 3 4 5 6 --al", 1, u"--al vuole un valore"_s);

    // Made-up draws: 3 numbers while the SuperStar was not drawn yet, 2 and 0 with it, and a
    // 6; two whose numbers cannot be read are passed over. Newest first, the notice of the
    // SuperStar's first draw said once.
    const QByteArray madeUp = record("27MAR2006", "010203040506", "07", "16") +
                              record("28MAR2006", "010211121314", "15", "16") +
                              record("29MAR2006", "0102xx040506", "07", "16") +
                              record("30MAR2006", "303132333435", "36", "16") +
                              record("31MAR2006", "010203202122", "xx", "16") +
                              record("01APR2006", "010203202122", "07", "09");
    runRow("superstar-from-its-first-draw", madeUp, u"controlla 1 2 3 20 21 22 --superstar 16"_s, 0,
           u"estrazioni controllate: 4.\nIl SuperStar si estrae dal 28/03/2006: per le estrazioni "
           "precedenti conta solo la colonna.\n01/04/2006  6\n30/03/2006  0 STELLA\n28/03/2006  2 "
           "STELLA\n27/03/2006  3\nVincite per categoria: 6: 1, 5+: 0, 5: 0, 4: 0, 3: 1, 5 "
           "STELLA: 0, 4 STELLA: 0, 3 STELLA: 0, 2 STELLA: 1, 1 STELLA: 0, 0 STELLA: 1.\n"_s);
    // A system of 7 with the Jolly: on the draw of 6, one column is a 6 and six are 5+; on
    // the draw of 3, four columns are a 3. The draws it did not win are not listed.
    runRow("system-of-7-with-the-jolly", madeUp, u"controlla 1 2 3 20 21 22 7"_s, 0,
           u"01/04/2006  6: 1, 5+: 6\n27/03/2006  3: 4\nVincite per categoria: 6: 1, 5+: 6, 5: 0, "
           "4: 0, 3: 4.\n"_s);
}

void TestTicketCheck::controlla()
{
    WorkDir dir;
    runCurrentRow();
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
