#include "archive/archivecheck.h"
#include "archive/numberstats.h"
#include "toolrun.h"

using namespace enalotto;

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
    void exportNeverOverwritesAnArchive_data();
    void exportNeverOverwritesAnArchive();
    void backupAndUndo();
    void options_data();
    void options();
    void statisticsByHand();
    void statisticsCommand();
};

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
    QTest::newRow("superstar-missing-after-its-start")
        << record("28MAR2006", "010203040506", "07", "00")
        << u"record 1: manca il SuperStar, estratto dal 28/03/2006 in poi"_s << false;
    QTest::newRow("date-in-the-future") << record("01GEN2036", "010203040506", "07", "08")
                                        << u"record 1: la data 01/01/2036 è dopo oggi"_s << false;
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
    const ToolRun run = tool({u"verifica"_s});
    QCOMPARE(run.status, 1);
    QVERIFY(run.out.contains(problem));
}

void TestArchiveTool::sampleArchiveIsClean()
{
    const ToolRun run = tool({u"verifica"_s, QStringLiteral(ENALOTTO_SAMPLE_ARCHIVE)});
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
    QTest::newRow("iso-date") << smallArchive() << with(0, u"2026-01-06"_s) << 0 << u"Aggiunta"_s;
    QTest::newRow("dashes") << smallArchive() << with(0, u"06-01-2026"_s) << 0 << u"Aggiunta"_s;
    QTest::newRow("no-archive-without-crea")
        << QByteArray("<none>") << good << 2 << u"aggiungere --crea"_s;
    QTest::newRow("no-archive-with-crea")
        << QByteArray("<none>") << good + QStringList{u"--crea"_s} << 0 << u"creato"_s;
    QTest::newRow("already-present")
        << smallArchive() << QStringList{u"05/01/2026"_s, u"41"_s, u"42"_s, u"43"_s, u"44"_s,
                                         u"45"_s,         u"46"_s, u"47"_s, u"90"_s}
        << 0 << u"05/01/2026 è già presente."_s;
    QTest::newRow("present-with-other-numbers")
        << smallArchive() << with(0, u"05/01/2026"_s) << 1
        << u"già presente con altri numeri: 41 42 43 44 45 46, Jolly 47, SuperStar 90"_s;
    QTest::newRow("older-date") << smallArchive() << with(0, u"04/01/2026"_s) << 1
                                << u"non è dopo l'ultima"_s;
    QTest::newRow("not-a-date") << smallArchive() << with(0, u"6 gennaio"_s) << 1
                                << u"gg/mm/aaaa"_s;
    QTest::newRow("no-such-day") << smallArchive() << with(0, u"31/06/2026"_s) << 1
                                 << u"la data \"31/06/2026\" non esiste"_s;
    QTest::newRow("two-digit-year")
        << smallArchive() << with(0, u"06/01/26"_s) << 1 << u"quattro cifre"_s;
    QTest::newRow("in-the-future")
        << smallArchive() << with(0, u"06/01/2036"_s) << 1 << u"dopo oggi"_s;
    QTest::newRow("number-out-of-range")
        << smallArchive() << with(3, u"91"_s) << 1 << u"non è tra 1 e 90"_s;
    QTest::newRow("number-repeated") << smallArchive() << with(2, u"1"_s) << 1 << u"ripetuto"_s;
    QTest::newRow("jolly-among-six")
        << smallArchive() << with(7, u"3"_s) << 1 << u"anche tra i sei"_s;
    QTest::newRow("jolly-zero") << smallArchive() << with(7, u"0"_s) << 1 << u"manca il Jolly"_s;
    QTest::newRow("superstar-zero")
        << smallArchive() << with(8, u"0"_s) << 1 << u"manca il SuperStar"_s;
    QTest::newRow("superstar-out-of-range")
        << smallArchive() << with(8, u"91"_s) << 1 << u"SuperStar 91"_s;
    QTest::newRow("not-a-number") << smallArchive() << with(1, u"x"_s) << 1
                                  << u"il 1o numero \"x\" non è un numero"_s;
    QTest::newRow("five-numbers") << smallArchive() << good.mid(0, 6) + good.mid(7) << 1
                                  << u"servono 6 numeri, ne ho letti 5"_s;
    QTest::newRow("seven-numbers") << smallArchive() << good.mid(0, 7) + good.mid(6) << 1
                                   << u"servono 6 numeri, ne ho letti 7"_s;
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
    const ToolRun run = tool(QStringList{u"aggiungi"_s} + args);
    QCOMPARE(run.status, status);
    QVERIFY2(run.said().contains(says), qPrintable(run.said()));
    if (status != 0 || run.said().contains(u"già presente"_s)) {
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
    QTest::newRow("month") << QByteArray("05GEN2005") << QByteArray("06GEN2005");
    QTest::newRow("slash") << QByteArray("05/012005") << QByteArray("06/012005");
    QTest::newRow("dash") << QByteArray("05-012005") << QByteArray("06-012005");
    QTest::newRow("dot") << QByteArray("05.012005") << QByteArray("06.012005");
}

void TestArchiveTool::addFollowsNewestLayout()
{
    QFETCH(QByteArray, newestDate);
    QFETCH(QByteArray, added);
    WorkDir dir;
    writeFile(u"se"_s, record(newestDate.constData(), "010203040506", "07", "00"));
    const ToolRun run = tool(
        {u"aggiungi"_s, u"06/01/2005"_s, u"90"_s, u"2"_s, u"33"_s, u"4"_s, u"5"_s, u"6"_s, u"7"_s});
    QCOMPARE(run.status, 0);
    QCOMPARE(readFile(u"se"_s).mid(25), added + "900233040506"
                                                "07"
                                                "00");
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
    const ToolRun all = tool({u"statistiche"_s});
    QCOMPARE(all.status, 0);
    // Number 1 came out once, in the first of five draws: delay 4.
    QVERIFY2(all.out.contains(u"\n     1       1        4            4\n"_s), qPrintable(all.out));
    // The SuperStar is counted from its first draw (the third): 5 out twice in three.
    QVERIFY(all.out.contains(u"SUPERSTAR (su 3 estrazioni"_s));
    QVERIFY(all.out.contains(u"\n     5       2        1            1\n"_s));
    const ToolRun last = tool({u"statistiche"_s, u"--ultimi"_s, u"2"_s});
    QVERIFY(last.out.contains(u"Estrazioni considerate: 2, dal 03GEN2026 al 05GEN2026"_s));
    QCOMPARE(tool({u"statistiche"_s, u"--ultimi"_s, u"x"_s}).status, 1);
}

void TestArchiveTool::exportNeverOverwritesAnArchive_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("the-archive") << u"se"_s;
    QTest::newRow("the-archive-by-path") << u"./se"_s;
    QTest::newRow("its-backup") << u"se.bak"_s;
    QTest::newRow("another-archive") << u"copia"_s;
}

void TestArchiveTool::exportNeverOverwritesAnArchive()
{
    QFETCH(QString, target);
    WorkDir dir;
    writeFile(u"se"_s, smallArchive());
    writeFile(u"se.bak"_s, smallArchive().left(75));
    writeFile(u"copia"_s, smallArchive().left(50));
    const QByteArray before = readFile(target);
    const ToolRun run = tool({u"esporta"_s, target});
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.contains(u"è un archivio delle estrazioni"_s), qPrintable(run.err));
    QCOMPARE(readFile(target), before);
    QCOMPARE(tool({u"verifica"_s}).status, 0);
}

void TestArchiveTool::backupAndUndo()
{
    WorkDir dir;
    writeFile(u"se"_s, smallArchive());
    QVERIFY(tool({u"annulla"_s}).out.contains(u"nessuna modifica da annullare"_s));
    const QStringList add{u"aggiungi"_s, u"06/01/2026"_s, u"1"_s, u"2"_s, u"3"_s,
                          u"4"_s,        u"5"_s,          u"6"_s, u"7"_s, u"8"_s};
    QCOMPARE(tool(add).status, 0);
    QCOMPARE(readFile(u"se.bak"_s), smallArchive()); // the archive as it was, beside it
    const ToolRun undo = tool({u"annulla"_s});
    QCOMPARE(undo.status, 0);
    QVERIFY2(undo.out.contains(u"tolte 1 estrazioni; ora l'archivio ha 5"_s), qPrintable(undo.out));
    QCOMPARE(readFile(u"se"_s), smallArchive());
    QVERIFY(!QFile::exists(u"se.bak"_s));
    QVERIFY(tool({u"annulla"_s}).out.contains(u"nessuna modifica da annullare"_s)); // one level

    // Undoing the creation of an archive takes it away again.
    QFile::remove(u"se"_s);
    QCOMPARE(tool(add + QStringList{u"--crea"_s}).status, 0);
    QVERIFY(tool({u"annulla"_s}).out.contains(u"tolte 1 estrazioni; ora l'archivio ha 0"_s));
    QVERIFY(!QFile::exists(u"se"_s));
}

void TestArchiveTool::options_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("says");
    QTest::newRow("ultimi-with-equals")
        << QStringList{u"statistiche"_s, u"--ultimi=2"_s} << 0 << u"Estrazioni considerate: 2"_s;
    QTest::newRow("ultimi-zero") << QStringList{u"statistiche"_s, u"--ultimi"_s, u"0"_s} << 1
                                 << u"--ultimi vuole un numero"_s;
    QTest::newRow("ultimi-without-value")
        << QStringList{u"statistiche"_s, u"--ultimi"_s} << 1 << u"--ultimi vuole un numero"_s;
    QTest::newRow("help-after-a-command")
        << QStringList{u"esporta"_s, u"--help"_s} << 0 << u"Comandi:"_s;
    QTest::newRow("unknown-option") << QStringList{u"importa"_s, u"x.csv"_s, u"--forza"_s} << 1
                                    << u"Opzione sconosciuta per importa: --forza"_s;
    QTest::newRow("extra-arguments") << QStringList{u"verifica"_s, u"se"_s, u"altro"_s} << 1
                                     << u"Troppi argomenti per verifica: \"altro\""_s;
    QTest::newRow("unknown-command")
        << QStringList{u"cancella"_s} << 1 << u"Comando sconosciuto: cancella"_s;
}

void TestArchiveTool::options()
{
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, says);
    WorkDir dir;
    writeFile(u"se"_s, smallArchive());
    const ToolRun run = tool(args);
    QCOMPARE(run.status, status);
    QVERIFY2(run.said().contains(says), qPrintable(run.said()));
    QCOMPARE(QDir().entryList(QDir::Files), QStringList{u"se"_s}); // "--help" is not a file
}

QTEST_GUILESS_MAIN(TestArchiveTool)
#include "tst_archivetool.moc"
