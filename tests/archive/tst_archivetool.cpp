#include "archive/archivecheck.h"
#include "archive/numberstats.h"
#include "archivio/archivetool.h"
#include "testutil.h"

#include <QTextStream>

using namespace enalotto;

using namespace Qt::StringLiterals;

class TestArchiveTool : public QObject
{
    Q_OBJECT

private slots:
    void check_data();
    void check();
    void sampleArchiveIsClean();
    void add_data();
    void add();
    void addFollowsNewestLayout_data();
    void addFollowsNewestLayout();
    void import_data();
    void import();
    void exportCsv();
    void failedWriteLeavesArchiveWhole();
    void statisticsByHand();
    void statisticsCommand();

private:
    struct Run
    {
        int status;
        QString out;
        QString err;
    };
    static Run tool(const QStringList &args)
    {
        QString out, err;
        QTextStream o(&out), e(&err);
        const int status = runArchiveTool(args, o, e);
        o.flush();
        e.flush();
        return {status, out, err};
    }
};

namespace {

// Three draws of 2025 and two of 2026, all valid.
QByteArray smallArchive()
{
    return record("30DIC2025", "010203040506", "07", "00") +
           record("31DIC2025", "111213141516", "17", "00") +
           record("02GEN2026", "212223242526", "27", "05") +
           record("03GEN2026", "313233343536", "37", "05") +
           record("05GEN2026", "414243444546", "47", "90");
}

} // namespace

void TestArchiveTool::check_data()
{
    QTest::addColumn<QByteArray>("archive");
    QTest::addColumn<QString>("problem"); // empty: clean
    QTest::addColumn<bool>("structural");
    QTest::newRow("clean") << smallArchive() << QString() << false;
    QTest::newRow("fragment") << smallArchive() + "05GEN"
                              << u"frammento di 5 byte dopo il record 5"_s << true;
    QTest::newRow("no-year") << record("01GEN20X0", "010203040506", "07", "00")
                             << u"record 1: la data \"01GEN20X0\" non termina con un anno"_s
                             << true;
    QTest::newRow("year-decreases")
        << smallArchive() + record("06GEN2025", "010203040506", "07", "00")
        << u"record 6: l'anno 2025 viene dopo il 2026"_s << true;
    QTest::newRow("year-not-contiguous") << record("01GEN2025", "010203040506", "07", "00") +
                                                record("01GEN2026", "010203040506", "07", "00") +
                                                record("02GEN2025", "010203040506", "07", "00")
                                         << u"record 3: l'anno 2025 viene dopo il 2026"_s << true;
    QTest::newRow("same-date-twice")
        << smallArchive() + record("05GEN2026", "010203040506", "07", "00")
        << u"record 6: la data \"05GEN2026\" è già nel record 5"_s << false;
    QTest::newRow("number-out-of-range") << record("01GEN2026", "010203040591", "07", "00")
                                         << u"record 1: il 6o numero \"91\""_s << false;
    QTest::newRow("number-not-two-digits") << record("01GEN2026", "01020304 5 6", "07", "00")
                                           << u"record 1: il 5o numero \" 5\""_s << false;
    QTest::newRow("zero-number") << record("01GEN2026", "000203040506", "07", "00")
                                 << u"record 1: il 1o numero \"00\""_s << false;
    QTest::newRow("repeated-number") << record("01GEN2026", "010203040501", "07", "00")
                                     << u"record 1: il numero 01 è ripetuto"_s << false;
    QTest::newRow("jolly-among-six")
        << record("01GEN2026", "010203040506", "06", "00")
        << u"record 1: il Jolly 06 è anche tra i sei numeri"_s << false;
    QTest::newRow("superstar-out-of-range") << record("01GEN2026", "010203040506", "07", "91")
                                            << u"record 1: il SuperStar \"91\""_s << false;
}

void TestArchiveTool::check()
{
    QFETCH(QByteArray, archive);
    QFETCH(QString, problem);
    QFETCH(bool, structural);
    const ArchiveCheck result = checkArchive(archive);
    QCOMPARE(result.structural, structural);
    if (problem.isEmpty()) {
        QVERIFY2(result.problems.isEmpty(), qPrintable(result.problems.join(u'\n')));
        return;
    }
    QVERIFY2(result.problems.join(u'\n').contains(problem),
             qPrintable(result.problems.join(u'\n')));

    WorkDir dir;
    writeFile(u"se"_s, archive);
    const Run run = tool({u"verifica"_s});
    QCOMPARE(run.status, 1);
    QVERIFY(run.out.contains(problem));
}

void TestArchiveTool::sampleArchiveIsClean()
{
    const Run run = tool({u"verifica"_s, QStringLiteral(ENALOTTO_SAMPLE_ARCHIVE)});
    QCOMPARE(run.status, 0);
    QVERIFY(run.out.contains(u"4202 estrazioni"_s));
    QCOMPARE(tool({u"verifica"_s, u"/nonexistent/se"_s}).status, 2);
}

void TestArchiveTool::add_data()
{
    QTest::addColumn<QByteArray>("archive"); // "<none>": no file
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("says");
    const QStringList good{u"06/01/2026"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s,
                           u"5"_s,          u"6"_s, u"7"_s, u"8"_s};
    auto with = [&](int i, const QString &v) {
        QStringList a = good;
        a[i] = v;
        return a;
    };
    QTest::newRow("appends") << smallArchive() << good << 0 << u"Aggiunta"_s;
    QTest::newRow("first-draw-of-a-new-archive")
        << QByteArray("<none>") << good << 0 << u"Aggiunta"_s;
    QTest::newRow("same-date-as-newest")
        << smallArchive() << with(0, u"05/01/2026"_s) << 1 << u"non è dopo l'ultima"_s;
    QTest::newRow("older-date") << smallArchive() << with(0, u"01/01/2026"_s) << 1
                                << u"non è dopo l'ultima"_s;
    QTest::newRow("bad-date") << smallArchive() << with(0, u"2026-01-06"_s) << 1 << u"gg/mm/aaaa"_s;
    QTest::newRow("number-out-of-range")
        << smallArchive() << with(3, u"91"_s) << 1 << u"non è tra 1 e 90"_s;
    QTest::newRow("number-repeated") << smallArchive() << with(2, u"1"_s) << 1 << u"ripetuto"_s;
    QTest::newRow("jolly-among-six")
        << smallArchive() << with(7, u"3"_s) << 1 << u"anche tra i sei"_s;
    QTest::newRow("superstar-out-of-range")
        << smallArchive() << with(8, u"91"_s) << 1 << u"SuperStar"_s;
    QTest::newRow("not-a-number") << smallArchive() << with(1, u"x"_s) << 1 << u"non è un numero"_s;
    QTest::newRow("too-few-arguments") << smallArchive() << good.mid(0, 8) << 1 << u"Uso"_s;
    QTest::newRow("archive-with-fragment")
        << smallArchive() + "0" << good << 1 << u"problemi di struttura"_s;
    QTest::newRow("archive-full") << yearOfRecords(2025, 32767) << good << 1 << u"32767"_s;
}

void TestArchiveTool::add()
{
    QFETCH(QByteArray, archive);
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, says);
    WorkDir dir;
    if (archive != "<none>")
        writeFile(u"se"_s, archive);
    const QByteArray before = archive == "<none>" ? QByteArray() : archive;
    const Run run = tool(QStringList{u"aggiungi"_s} + args);
    QCOMPARE(run.status, status);
    QVERIFY2(QString(run.out + run.err).contains(says), qPrintable(run.out + run.err));
    if (status != 0) {
        QCOMPARE(readFile(u"se"_s), before);
        return;
    }
    QCOMPARE(readFile(u"se"_s), before + "06GEN2026"
                                         "010203040506"
                                         "07"
                                         "08");
    QCOMPARE(tool({u"verifica"_s}).status, 0);
}

void TestArchiveTool::addFollowsNewestLayout_data()
{
    QTest::addColumn<QByteArray>("newestDate");
    QTest::addColumn<QByteArray>("added");
    QTest::newRow("month") << QByteArray("05GEN2026") << QByteArray("06GEN2026");
    QTest::newRow("slash") << QByteArray("05/012026") << QByteArray("06/012026");
    QTest::newRow("dash") << QByteArray("05-012026") << QByteArray("06-012026");
    QTest::newRow("dot") << QByteArray("05.012026") << QByteArray("06.012026");
}

void TestArchiveTool::addFollowsNewestLayout()
{
    QFETCH(QByteArray, newestDate);
    QFETCH(QByteArray, added);
    WorkDir dir;
    writeFile(u"se"_s, record(newestDate.constData(), "010203040506", "07", "00"));
    const Run run = tool({u"aggiungi"_s, u"06/01/2026"_s, u"90"_s, u"2"_s, u"33"_s, u"4"_s, u"5"_s,
                          u"6"_s, u"7"_s, u"0"_s});
    QCOMPARE(run.status, 0);
    QCOMPARE(readFile(u"se"_s).mid(25), added + "900233040506"
                                                "07"
                                                "00");
}

void TestArchiveTool::import_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("added");
    QTest::addColumn<QString>("says");
    QTest::newRow("semicolons-with-header")
        << QByteArray("Data;N1;N2;N3;N4;N5;N6;Jolly;SuperStar\n"
                      "06/01/2026;1;2;3;4;5;6;7;8\n07/01/2026;11;12;13;14;15;16;17;18\n")
        << 0 << 2 << u"Aggiunte 2 estrazioni"_s;
    QTest::newRow("commas-iso-dates-newest-first")
        << QByteArray("2026-01-07,11,12,13,14,15,16,17,18\r\n2026-01-06,1,2,3,4,5,6,7,8\r\n") << 0
        << 2 << u"Aggiunte 2"_s;
    QTest::newRow("missing-and-empty-superstar")
        << QByteArray("06/01/2026;1;2;3;4;5;6;7\n07/01/2026;11;12;13;14;15;16;17;\n") << 0 << 2
        << u"Aggiunte 2"_s;
    QTest::newRow("already-present-rows-skipped")
        << QByteArray("05/01/2026;46;45;44;43;42;41;47;90\n06/01/2026;1;2;3;4;5;6;7;8\n") << 0 << 1
        << u"1 già presenti"_s;
    QTest::newRow("older-missing-rows-ignored")
        << QByteArray("04/01/2026;1;2;3;4;5;6;7;8\n") << 0 << 0 << u"ignorate"_s;
    QTest::newRow("conflict-with-archive")
        << QByteArray("06/01/2026;1;2;3;4;5;6;7;8\n05/01/2026;1;2;3;4;5;6;7;8\n") << 1 << 0
        << u"riga 2: l'estrazione del 05/01/2026 è diversa"_s;
    QTest::newRow("conflict-within-csv")
        << QByteArray("06/01/2026;1;2;3;4;5;6;7;8\n06/01/2026;1;2;3;4;5;9;7;8\n") << 1 << 0
        << u"riga 2"_s;
    QTest::newRow("invalid-row") << QByteArray(
                                        "06/01/2026;1;2;3;4;5;6;7;8\n07/01/2026;1;2;3;4;5;5;7;8\n")
                                 << 1 << 0 << u"riga 2: il numero 5 è ripetuto"_s;
    QTest::newRow("bad-date-after-first-line")
        << QByteArray("06/01/2026;1;2;3;4;5;6;7;8\n7 gennaio;1;2;3;4;5;6;7;8\n") << 1 << 0
        << u"riga 2: la data"_s;
}

void TestArchiveTool::import()
{
    QFETCH(QByteArray, csv);
    QFETCH(int, status);
    QFETCH(int, added);
    QFETCH(QString, says);
    WorkDir dir;
    writeFile(u"se"_s, smallArchive());
    writeFile(u"draws.csv"_s, csv);
    const Run run = tool({u"importa"_s, u"draws.csv"_s});
    QCOMPARE(run.status, status);
    QVERIFY2(QString(run.out + run.err).contains(says), qPrintable(run.out + run.err));
    const QByteArray after = readFile(u"se"_s);
    QCOMPARE(after.size(), smallArchive().size() + added * 25);
    QVERIFY(after.startsWith(smallArchive()));
    if (added == 2) {
        const QByteArray superStars =
            QTest::currentDataTag() == QByteArray("missing-and-empty-superstar")
                ? QByteArray("0000")
                : QByteArray("0818");
        QCOMPARE(after.right(50), "06GEN2026"
                                  "010203040506"
                                  "07" +
                                      superStars.left(2) +
                                      "07GEN2026"
                                      "111213141516"
                                      "17" +
                                      superStars.right(2));
    }
}

void TestArchiveTool::exportCsv()
{
    WorkDir dir;
    writeFile(u"se"_s, smallArchive());
    const Run run = tool({u"esporta"_s});
    QCOMPARE(run.status, 0);
    const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 6);
    QCOMPARE(lines[0], u"data;n1;n2;n3;n4;n5;n6;jolly;superstar"_s);
    QCOMPARE(lines[3], u"2026-01-02;21;22;23;24;25;26;27;05"_s);
    // Exported and imported into an empty folder, the archive comes back the same.
    QCOMPARE(tool({u"esporta"_s, u"out.csv"_s}).status, 0);
    QFile::rename(u"se"_s, u"se.old"_s);
    QCOMPARE(tool({u"importa"_s, u"out.csv"_s}).status, 0);
    QCOMPARE(readFile(u"se"_s), smallArchive());
}

void TestArchiveTool::failedWriteLeavesArchiveWhole()
{
    WorkDir dir;
    const QByteArray archive = yearOfRecords(2025, 40);
    writeFile(u"se"_s, archive);
    Run run{};
    {
        const FileSizeLimit limit(500); // the new archive stops growing half-way
        QVERIFY(limit.active());
        run = tool({u"aggiungi"_s, u"01/01/2026"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s,
                    u"7"_s, u"8"_s});
    }
    QCOMPARE(run.status, 2);
    QCOMPARE(readFile(u"se"_s), archive);
    QCOMPARE(QDir().entryList(QDir::Files), QStringList{u"se"_s});
}

void TestArchiveTool::statisticsByHand()
{
    // Draws as value lists; counts and delays worked out by hand.
    const QVector<QVector<int>> draws{{1, 2}, {3}, {1}, {}, {2}};
    const auto s = numberStats(draws);
    QCOMPARE(s[1].count, 2);
    QCOMPARE(s[1].currentDelay, 2); // out in draw 3 of 5
    QCOMPARE(s[1].longestDelay, 2); // absent in draws 4 and 5
    QCOMPARE(s[2].count, 2);
    QCOMPARE(s[2].currentDelay, 0);
    QCOMPARE(s[2].longestDelay, 3); // absent in draws 2, 3, 4
    QCOMPARE(s[3].longestDelay, 3);
    QCOMPARE(s[4].count, 0);
    QCOMPARE(s[4].currentDelay, 5);
    QCOMPARE(s[4].longestDelay, 5);
}

void TestArchiveTool::statisticsCommand()
{
    WorkDir dir;
    writeFile(u"se"_s, smallArchive());
    const Run all = tool({u"statistiche"_s});
    QCOMPARE(all.status, 0);
    // Number 1 came out once, in the first of five draws: delay 4.
    QVERIFY2(all.out.contains(u"\n     1       1        4            4\n"_s), qPrintable(all.out));
    // The SuperStar is counted from its first draw (the third): 5 out twice in three.
    QVERIFY(all.out.contains(u"SUPERSTAR (su 3 estrazioni"_s));
    QVERIFY(all.out.contains(u"\n     5       2        1            1\n"_s));
    const Run last = tool({u"statistiche"_s, u"--ultimi"_s, u"2"_s});
    QVERIFY(last.out.contains(u"Estrazioni considerate: 2, dal 03GEN2026 al 05GEN2026"_s));
    QCOMPARE(tool({u"statistiche"_s, u"--ultimi"_s, u"x"_s}).status, 1);
}

QTEST_GUILESS_MAIN(TestArchiveTool)
#include "tst_archivetool.moc"
