// Importing the files people download (tests/data/archive): the layouts recognised, what is
// refused, partial imports and disagreements, the round trip through an export, and writes
// that fail.
#include "toolrun.h"

using namespace enalotto;

class TestArchiveImport : public QObject
{
    Q_OBJECT

private slots:
    void import_data();
    void import();
    void exportThenImportIsIdentical();
    void failedWriteLeavesArchiveAndBackupWhole_data();
    void failedWriteLeavesArchiveAndBackupWhole();
};

void TestArchiveImport::import_data()
{
    runColumns();
    const auto row = [](const char *file, int status, const QByteArray &added,
                        const QString &says) {
        runRow(file, smallArchive(), u"importa "_s + QLatin1String(file), status, says, added);
    };
    // The two draws after smallArchive(); a failure is never reported as success: status 1
    // whenever a row of the file was not taken.
    const QByteArray sixth = record("06GEN2026", "010203040506", "07", "08");
    const QByteArray both = sixth + record("07GEN2026", "111213141516", "17", "18");
    row("header-semicolons-with-weekday.csv", 0, both, u"Aggiunte 2 estrazioni."_s);
    row("quoted-header-extra-columns-dotted-dates.csv", 0, both, u"Aggiunte 2"_s);
    row("english-header-bom-crlf-any-order.csv", 0, sixth, u"date aaaa-mm-gg).\nAggiunte 1"_s);
    row("windows-1252-header.csv", 0, sixth, u"Aggiunte 1"_s);
    row("header-without-superstar-2005.csv", 1, {},
        u"intestazione data concorso n1 n2 n3 n4 n5 n6 jolly; separatore punto e virgola"_s);
    row("no-header-sequence-tabs-iso-dates.txt", 0, both,
        u"numero data n1 n2 n3 n4 n5 n6 jolly superstar; separatore tabulazione; date aaaa-mm-gg"_s);
    row("no-header-newest-first-crlf.csv", 0, both, u"Aggiunte 2"_s);
    row("no-header-ninth-value-on-27-03-2006-not-superstar.csv", 1, {},
        u"data n1 n2 n3 n4 n5 n6 jolly; separatore virgola; date gg/mm/aaaa; senza SuperStar"_s);
    row("no-header-ninth-value-from-28-03-2006-superstar.csv", 1, {},
        u"data n1 n2 n3 n4 n5 n6 jolly superstar; separatore virgola; date gg/mm/aaaa)"_s);
    row("month-first-with-an-older-draw.csv", 1,
        sixth + record("13GEN2026", "212223242526", "27", "28"), u"date mm/gg/aaaa"_s);
    row("json-one-line.json", 0, both, u"Aggiunte 2"_s);
    row("json-object-six-fields.json", 0, sixth, u"Aggiunte 1"_s);
    row("json-superstar-null-before-2006.json", 1, {},
        u"JSON, campi date jolly n1 n2 n3 n4 n5 n6 superstar; date aaaa-mm-gg"_s);
    row("already-present-and-new.csv", 0, sixth, u"1 già presenti"_s);
    row("same-draw-twice-added-once.csv", 0, sixth, u"Aggiunte 1 estrazioni."_s);
    row("older-than-newest-without-superstar.csv", 1, {},
        u"date gg/mm/aaaa; senza SuperStar).\nAggiunte 0 estrazioni (1 precedenti all'ultima"_s);
    row("not-a-list-of-draws.json", 1, {}, u"non contiene un elenco di estrazioni"_s);
    row("text-without-draws.txt", 1, {}, u"si leggono file di testo"_s);
    row("two-digit-year.csv", 1, {}, u"quattro cifre"_s);
    row("partial-stops-at-first-unusable.csv", 1, sixth,
        u"riga 3: Jolly vuoto. Righe escluse: 2."_s);
    row("unusable-row-among-known-dates-blocks-nothing.csv", 1, sixth,
        u"riga 2: Jolly vuoto. Righe escluse: 1."_s);
    row("unreadable-date-keeps-its-place.csv", 1, sixth,
        u"riga 2: la data \"7 gennaio\" non è nel formato"_s);
    // Until 27/03/2006 a SuperStar may be empty or 0, not 8; from 28/03/2006 it must be there
    // and not 0: three rows taken (older than the archive's newest), three refused.
    row("superstar-from-28-03-2006.csv", 1, {},
        u"3 precedenti all'ultima e assenti, ignorate).\nriga 3: SuperStar vuoto. Righe "
        "escluse: 3."_s);
    row("date-in-the-future.csv", 1, sixth, u"riga 2: il 07/01/2036 è dopo oggi"_s);
    row("disagreement-listed-newer-still-added.csv", 1, sixth,
        u"riga 3: l'estrazione del 05/01/2026 è diversa; archivio 41 42 43 44 45 46, Jolly 47, "
        "SuperStar 90, file 01 02 03 04 05 06, Jolly 7, SuperStar 8"_s);
    row("twice-in-the-file-with-other-numbers.csv", 1, sixth,
        u"riga 2: l'estrazione del 06/01/2026 è diversa; archivio riga 1"_s);
    // A file is another history when most of the draws it shares with the archive differ:
    // three at least with a header, one when its layout was guessed.
    row("two-disagreements-same-history.csv", 1, sixth,
        u"riga 3: l'estrazione del 03/01/2026 è diversa"_s);
    row("three-disagreements-not-the-same-history.csv", 1, {}, u"non racconta la stessa storia"_s);
    row("guessed-layout-half-disagreeing-same-history.csv", 1, sixth,
        u"riga 2: l'estrazione del 05/01/2026 è diversa"_s);
    row("guessed-layout-disagreeing-not-the-same-history.csv", 1, {},
        u"Schema letto: senza intestazione, colonne supposte data n1"_s);
}

void TestArchiveImport::import()
{
    WorkDir dir;
    const QString file = QString::fromLatin1(QTest::currentDataTag());
    QVERIFY(QFile::copy(QStringLiteral(ENALOTTO_TEST_DATA "/archive/") + file, file));
    runCurrentRow();
}

void TestArchiveImport::exportThenImportIsIdentical()
{
    WorkDir dir;
    const QByteArray sample = readFile(QStringLiteral(ENALOTTO_SAMPLE_ARCHIVE));
    writeFile(u"se"_s, sample);
    QCOMPARE(tool(u"esporta out.csv"_s).status, 0);
    QVERIFY(QFile::remove(u"se"_s));
    // A wrong folder does not silently start a new archive.
    QCOMPARE(tool(u"importa out.csv"_s).status, 2);
    QVERIFY(!QFile::exists(u"se"_s));
    const ToolRun run = tool(u"importa out.csv --crea"_s);
    QVERIFY2(run.said.contains(u"Aggiunte 4202 estrazioni."_s), qPrintable(run.said));
    QCOMPARE(readFile(u"se"_s), sample);
}

void TestArchiveImport::failedWriteLeavesArchiveAndBackupWhole_data()
{
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<bool>("backupWritten");
    QTest::newRow("backup-fails") << qint64(500) << false;
    QTest::newRow("archive-fails-after-backup") << qint64(1010) << true;
}

void TestArchiveImport::failedWriteLeavesArchiveAndBackupWhole()
{
    QFETCH(qint64, limit);
    QFETCH(bool, backupWritten);
    WorkDir dir;
    const QByteArray archive = yearOfRecords(2025, 40); // 1000 bytes
    writeFile(u"se"_s, archive);
    writeFile(u"new.csv"_s, "01/01/2026;1;2;3;4;5;6;7;8\n");
    ToolRun run{};
    {
        const FileSizeLimit fileSize(limit);
        QVERIFY(fileSize.active());
        run = tool(u"importa new.csv"_s);
    }
    QCOMPARE(run.status, 2);
    QVERIFY2(run.said.contains(u"è rimasto com'era"_s), qPrintable(run.said));
    QCOMPARE(readFile(u"se"_s), archive);
    // Nothing else is left behind: no half-written file beside them.
    QCOMPARE(readFile(u"se.bak"_s), backupWritten ? archive : QByteArray());
    QCOMPARE(QDir().entryList(QDir::Files).size(), backupWritten ? 3 : 2);
}

QTEST_GUILESS_MAIN(TestArchiveImport)
#include "tst_archiveimport.moc"
