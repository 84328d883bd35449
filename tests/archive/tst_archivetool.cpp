// The archive tool's commands: the check of every record, adding a draw on each side of every
// limit, the options, export, undo and the statistics of numbers.
#include "archive/drawarchive.h"
#include "archive/newdraw.h"
#include "archive/numberstats.h"
#include "toolrun.h"

using namespace enalotto;

class TestArchiveTool : public QObject
{
    Q_OBJECT

private slots:
    void commands_data();
    void commands();
    void undoAndExportOntoACopy();
    void numberStatsByHand();
};

void TestArchiveTool::commands_data()
{
    runColumns();
    const QByteArray small = smallArchive();
    const auto onSmall = [&](const char *name, const QString &line, int status, const QString &says,
                             const QByteArray &added = {}) {
        runRow(name, small, line, status, says, added);
    };
    const auto verify = [&](const char *name, const QByteArray &archive, const QString &says) {
        runRow(name, archive, u"verifica"_s, 1, says);
    };
    const auto one = [](const char *numbers12, const char *jolly = "07", const char *star = "00") {
        return record("01GEN2005", numbers12, jolly, star);
    };
    const auto dated = [](const QDate &date, const char *jolly, const char *star = "08") {
        const QByteArray day = formatDrawDate(date, DateLayout::Month);
        return record(day.constData(), "020304050607", jolly, star);
    };
    const QDate today = QDate::currentDate();
    const QDate tomorrow = today.addDays(1);
    const QByteArray noYear = record("01GEN20X0", "010203040506", "07");
    // Once 2026 is seen, every later 2025 is out of place, not only the first.
    const QByteArray years =
        record("01GEN2025", "010203040506", "07") + record("01GEN2026", "010203040506", "07") +
        record("02GEN2025", "010203040506", "07") + record("03GEN2025", "010203040506", "07");
    // 01 and 90 as numbers, Jolly and SuperStar; the last day without the SuperStar and the
    // first with it; today.
    runRow("clean-on-every-edge",
           record("27MAR2006", "010203040506", "90") +
               record("28MAR2006", "900203040506", "01", "01") + dated(today, "01", "90"),
           u"verifica"_s, 0, u"è in ordine: 3 estrazioni"_s);
    runRow("sample-archive", readFile(QStringLiteral(ENALOTTO_SAMPLE_ARCHIVE)), u"verifica"_s, 0,
           u"è in ordine: 4202 estrazioni"_s);
    verify("fragment", small + "05GEN", u"frammento di 5 byte dopo il record 5"_s);
    verify("no-year", noYear, u"record 1: la data \"01GEN20X0\" non termina con un anno"_s);
    verify("years-out-of-order", years, u"record 4: l'anno 2025 viene dopo il 2026"_s);
    verify("same-date-twice", small + record("05GEN2026", "010203040506", "07", "08"),
           u"record 6: la data \"05GEN2026\" è già nel record 5"_s);
    verify("number-00", one("000203040506"), u"record 1: il 1o numero \"00\""_s);
    verify("number-91", one("010203040591"), u"record 1: il 6o numero \"91\""_s);
    verify("number-leading-blank", one("01020304 506"), u"record 1: il 5o numero \" 5\""_s);
    verify("number-trailing-blank", one("010203045 06"), u"record 1: il 5o numero \"5 \""_s);
    verify("number-repeated", one("010203040501"), u"record 1: il numero 01 è ripetuto"_s);
    verify("jolly-00", one("010203040506", "00"), u"record 1: il Jolly \"00\""_s);
    verify("jolly-91", one("010203040506", "91"), u"record 1: il Jolly \"91\""_s);
    verify("jolly-among-six", one("010203040506", "06"), u"il Jolly 06 è anche tra i sei"_s);
    verify("superstar-91", one("010203040506", "07", "91"), u"il SuperStar \"91\""_s);
    // A SuperStar may be "00": a field that does not read as a number must not pass for 0.
    verify("superstar-letter-first", one("010203040506", "07", "x5"), u"il SuperStar \"x5\""_s);
    verify("superstar-letter-second", one("010203040506", "07", "5x"), u"il SuperStar \"5x\""_s);
    verify("superstar-missing-from-28-03-2006", record("28MAR2006", "010203040506", "07"),
           u"record 1: manca il SuperStar, estratto dal 28/03/2006 in poi"_s);
    verify("tomorrow", dated(tomorrow, "01"), u"la data "_s + dayText(tomorrow) + u" è dopo oggi");
    verify("32768-records", yearOfRecords(2025, 32768), u"ha 32768 estrazioni, più delle 32767"_s);

    const QString good = u"aggiungi 06/01/2026 1 2 3 4 5 6 7 8"_s;
    const auto refused = [&](const char *name, int word, const QString &value,
                             const QString &says) {
        QStringList words = good.split(u' ');
        words[word] = value;
        onSmall(name, words.join(u' '), 1, says);
    };
    // The accepted draws hold 1 and 90 as numbers, Jolly and SuperStar, and today.
    onSmall("appends-in-the-order-given", u"aggiungi 06/01/2026 90 2 3 4 5 1 89 90"_s, 0,
            u"Aggiunta l'estrazione del 06/01/2026."_s,
            record("06GEN2026", "900203040501", "89", "90"));
    runRow("creates-with-crea", "<none>", u"aggiungi 06/01/2026 1 2 3 4 5 6 90 1 --crea"_s, 0,
           u"creato"_s, record("06GEN2026", "010203040506", "90", "01"));
    runRow("no-archive-without-crea", "<none>", good, 2, u"aggiungere --crea"_s);
    onSmall("today", u"aggiungi "_s + dayText(today) + u" 2 3 4 5 6 7 1 8", 0, {},
            dated(today, "01"));
    refused("tomorrow", 1, dayText(tomorrow), u"dopo oggi"_s);
    onSmall("already-present", u"aggiungi 05/01/2026 46 45 44 43 42 41 47 90"_s, 0,
            u"05/01/2026 è già presente."_s);
    refused("present-with-other-numbers", 1, u"05/01/2026"_s,
            u"già presente con altri numeri: 41 42 43 44 45 46, Jolly 47, SuperStar 90"_s);
    onSmall("present-before-the-superstar", u"aggiungi 30/12/2005 1 2 3 4 5 7 8"_s, 1,
            u"altri numeri: 01 02 03 04 05 06, Jolly 7.\n"_s);
    refused("older-date", 1, u"04/01/2026"_s, u"non è dopo l'ultima"_s);
    refused("no-such-day", 1, u"31/06/2026"_s, u"la data \"31/06/2026\" non esiste"_s);
    refused("three-digit-year", 1, u"06/01/026"_s, u"non è nel formato gg/mm/aaaa"_s);
    refused("number-0", 2, u"0"_s, u"il numero 0 non è tra 1 e 90"_s);
    refused("number-91", 5, u"91"_s, u"il numero 91 non è tra 1 e 90"_s);
    refused("number-repeated", 4, u"1"_s, u"il numero 1 è ripetuto"_s);
    refused("not-a-number", 2, u"x"_s, u"il 1o numero \"x\" non è un numero"_s);
    refused("jolly-0", 8, u"0"_s, u"manca il Jolly"_s);
    refused("jolly-91", 8, u"91"_s, u"il Jolly 91 non è tra 1 e 90"_s);
    refused("jolly-among-six", 8, u"3"_s, u"il Jolly 3 è anche tra i sei"_s);
    refused("superstar-0", 9, u"0"_s, u"manca il SuperStar"_s);
    refused("superstar-negative", 9, u"-1"_s, u"il SuperStar -1 non è tra 1 e 90"_s);
    refused("superstar-91", 9, u"91"_s, u"il SuperStar 91 non è tra 1 e 90"_s);
    onSmall("seven-numbers", good + u" 9"_s, 1, u"servono 6 numeri, ne ho letti 7"_s);
    // Before 28/03/2006 the SuperStar may be left out.
    const QByteArray y2005 = record("05GEN2005", "010203040506", "07");
    runRow("27-03-2006-without-superstar", y2005, u"aggiungi 27/03/2006 1 2 3 4 5 6 7"_s, 0, {},
           record("27MAR2006", "010203040506", "07"));
    runRow("28-03-2006-without-superstar", y2005, u"aggiungi 28/03/2006 1 2 3 4 5 6 7"_s, 1,
           u"ne ho letti 5 (dopo la data vengono i sei numeri, il Jolly e il SuperStar)"_s);
    // The date is written as the newest record writes its own.
    const auto layout = [](const char *name, const char *newest, const char *added) {
        runRow(name, record(newest, "010203040506", "07"), u"aggiungi 06/01/2005 1 2 3 4 5 6 7"_s,
               0, {}, record(added, "010203040506", "07"));
    };
    layout("slash-layout", "05/012005", "06/012005");
    layout("dash-layout", "05-012005", "06-012005");
    layout("dot-layout", "05.012005", "06.012005");
    // A fragment, a date without a year, years out of order or too many records stop a change.
    runRow("add-onto-a-fragment", small + "0", good, 1, u"problemi di struttura"_s);
    runRow("add-onto-a-date-without-year", noYear, good, 1, u"problemi di struttura"_s);
    runRow("add-onto-years-out-of-order", years, good, 1, u"problemi di struttura"_s);
    runRow("add-onto-32768-records", yearOfRecords(2025, 32768), good, 1, u"di struttura"_s);
    runRow("add-onto-32767-records", yearOfRecords(2025, 32767), good, 1, u"più di 32767"_s);
    runRow("add-onto-32766-records", yearOfRecords(2025, 32766), good, 0, {},
           record("06GEN2026", "010203040506", "07", "08"));

    // Number 1 came out once, in the first of five draws: delay 4. The SuperStar is counted
    // from its first draw, the third: 90 came out in the last of three, two after the first.
    onSmall("number-1-once-in-five", u"statistiche"_s, 0,
            u"\n     1       1        4            4\n"_s);
    onSmall("superstar-from-its-first-draw", u"statistiche"_s, 0, u"SUPERSTAR (su 3 estrazioni"_s);
    onSmall("superstar-90-last-of-three", u"statistiche"_s, 0,
            u"\n    90       1        0            2\n"_s);
    onSmall("ultimi-2", u"statistiche --ultimi 2"_s, 0, u"considerate: 2, dal 03GEN2026 al"_s);
    onSmall("ultimi-1-with-equals", u"statistiche --ultimi=1"_s, 0, u"1, dal 05GEN2026 al 05GEN"_s);
    onSmall("ultimi-0", u"statistiche --ultimi 0"_s, 1, u"--ultimi vuole un numero"_s);
    onSmall("ultimi-without-value", u"statistiche --ultimi"_s, 1, u"--ultimi vuole un numero"_s);
    onSmall("help-as-the-command", u"--help"_s, 0, u"Comandi:"_s);
    onSmall("help-after-a-command", u"esporta -h"_s, 0, u"Comandi:"_s);
    onSmall("option-of-another-command", u"importa x.csv --ultimi=2"_s, 1,
            u"Opzione sconosciuta per importa: --ultimi=2"_s);
    onSmall("unknown-short-option", u"verifica -x"_s, 1, u"Opzione sconosciuta per verifica: -x"_s);
    onSmall("extra-arguments", u"verifica se altro"_s, 1, u"Troppi argomenti per verifica"_s);
    onSmall("verifica-of-a-missing-file", u"verifica altro"_s, 2,
            u"leggere l'archivio \"altro\""_s);
    onSmall("unknown-command", u"cancella"_s, 1, u"Comando sconosciuto: cancella"_s);
    onSmall("export-onto-the-archive", u"esporta ./se"_s, 1, u"è un archivio delle estrazioni"_s);
    onSmall("export-onto-its-backup", u"esporta se.bak"_s, 1, u"è un archivio delle estrazioni"_s);
    onSmall("export-to-standard-output", u"esporta"_s, 0,
            u"data;n1;n2;n3;n4;n5;n6;jolly;superstar\n2005-12-30;01;02;03;04;05;06;07;00\n"_s);
    runRow("export-of-an-unreadable-date", record(" 1GEN2026", "010203040506", "07", "08"),
           u"esporta"_s, 1, u"record 1: la data \" 1GEN2026\" non è leggibile"_s);
}

void TestArchiveTool::commands()
{
    WorkDir dir;
    runCurrentRow();
}

void TestArchiveTool::undoAndExportOntoACopy()
{
    WorkDir dir;
    writeFile(u"se"_s, smallArchive());
    QVERIFY(tool(u"annulla"_s).said.contains(u"nessuna modifica da annullare"_s));
    QCOMPARE(tool(u"aggiungi 06/01/2026 1 2 3 4 5 6 7 8"_s).status, 0);
    // A copy of the archive under another name is an archive all the same.
    QVERIFY(QFile::copy(u"se"_s, u"copia"_s));
    QCOMPARE(tool(u"esporta copia"_s).status, 1);
    QCOMPARE(readFile(u"copia"_s), readFile(u"se"_s));
    writeFile(u"vuoto.csv"_s, {}); // any other file is written over
    QCOMPARE(tool(u"esporta vuoto.csv"_s).status, 0);
    const ToolRun undo = tool(u"annulla"_s);
    QVERIFY2(undo.said.contains(u"tolte 1 estrazioni; ora l'archivio ha 5"_s),
             qPrintable(undo.said));
    QCOMPARE(readFile(u"se"_s), smallArchive());
    QVERIFY(!QFile::exists(u"se.bak"_s));
    QVERIFY(tool(u"annulla"_s).said.contains(u"nessuna modifica da annullare"_s)); // one level

    // Undoing the creation of an archive takes it away again.
    QVERIFY(QFile::remove(u"se"_s));
    QCOMPARE(tool(u"aggiungi 06/01/2026 1 2 3 4 5 6 7 8 --crea"_s).status, 0);
    QVERIFY(tool(u"annulla"_s).said.contains(u"tolte 1 estrazioni; ora l'archivio ha 0"_s));
    QVERIFY(!QFile::exists(u"se"_s));
}

void TestArchiveTool::numberStatsByHand()
{
    // Draws as value lists: a value twice in a draw counts once, one outside 0-90 not at all.
    const NumberTable s = numberStats({{1, 2}, {3, 3, 91, -1}, {1, 90}, {0}, {2}});
    const auto figures = [&](size_t v) {
        return QVector<int>{s[v].count, s[v].currentDelay, s[v].longestDelay};
    };
    QCOMPARE(figures(1), (QVector<int>{2, 2, 2})); // out in draws 1 and 3 of 5
    QCOMPARE(figures(2), (QVector<int>{2, 0, 3})); // absent in draws 2, 3 and 4
    QCOMPARE(figures(3), (QVector<int>{1, 3, 3}));
    QCOMPARE(figures(4), (QVector<int>{0, 5, 5}));
    QCOMPARE(figures(0), (QVector<int>{1, 1, 3}));
    QCOMPARE(figures(90), (QVector<int>{1, 2, 2}));
}

QTEST_GUILESS_MAIN(TestArchiveTool)
#include "tst_archivetool.moc"
