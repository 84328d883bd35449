// Importing the files people download: the layouts recognised, what is refused, partial
// imports and disagreements, the round trip through an export, and writes that fail.
#include "archive/drawfile.h"
#include "toolrun.h"

using namespace enalotto;

class TestArchiveImport : public QObject
{
    Q_OBJECT

private slots:
    void import_data();
    void import();
    void layoutIsNamed_data();
    void layoutIsNamed();
    void exportThenImportIsIdentical();
    void failedWriteLeavesArchiveAndBackupWhole_data();
    void failedWriteLeavesArchiveAndBackupWhole();
};

namespace {

// The two draws after smallArchive(), in the archive's record form.
const QByteArray Sixth = "06GEN2026010203040506"
                         "0708";
const QByteArray Seventh = "07GEN2026111213141516"
                           "1718";

} // namespace

void TestArchiveImport::import_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("added");
    QTest::addColumn<QString>("says");
    const QByteArray both = Sixth + Seventh;
    QTest::newRow("header-semicolons")
        << QByteArray("Data;N1;N2;N3;N4;N5;N6;Jolly;SuperStar\n"
                      "06/01/2026;1;2;3;4;5;6;7;8\n07/01/2026;11;12;13;14;15;16;17;18\n")
        << 0 << both << u"Aggiunte 2 estrazioni."_s;
    QTest::newRow("header-names-extra-columns")
        << QByteArray(
               "data,anno,concorso,n1,n2,n3,n4,n5,n6,jolly,superstar\n"
               "06/01/2026,2026,4,1,2,3,4,5,6,7,8\n07/01/2026,2026,5,11,12,13,14,15,16,17,18\n")
        << 0 << both << u"Aggiunte 2"_s;
    QTest::newRow("english-header-bom-crlf-any-order")
        << QByteArray("\xEF\xBB\xBF"
                      "Date;Super Star;Jolly;Number 1;Number 2;Number 3;Number 4;"
                      "Number 5;Number 6\r\n2026-01-06;8;7;1;2;3;4;5;6\r\n")
        << 0 << Sixth << u"Aggiunte 1"_s;
    QTest::newRow("windows-1252-header")
        << QByteArray("DATA;N\2601;N\2602;N\2603;N\2604;N\2605;N\2606;JOLLY;SUPERSTAR\n"
                      "06/01/2026;1;2;3;4;5;6;7;8\n")
        << 0 << Sixth << u"Aggiunte 1"_s;
    QTest::newRow("no-header-sequence-first")
        << QByteArray("1,06/01/2026,1,2,3,4,5,6,7,8\n2,07/01/2026,11,12,13,14,15,16,17,18\n") << 0
        << both << u"Aggiunte 2"_s;
    QTest::newRow("no-header-iso-newest-first")
        << QByteArray("2026-01-07,11,12,13,14,15,16,17,18\r\n2026-01-06,1,2,3,4,5,6,7,8\r\n") << 0
        << both << u"Aggiunte 2"_s;
    QTest::newRow("tabs-dashes") << QByteArray("06-01-2026\t1\t2\t3\t4\t5\t6\t7\t8\n") << 0 << Sixth
                                 << u"Aggiunte 1"_s;
    QTest::newRow("dots") << QByteArray("06.01.2026;1;2;3;4;5;6;7;8\n") << 0 << Sixth
                          << u"Aggiunte 1"_s;
    QTest::newRow("month-first") << QByteArray("01/06/2026;1;2;3;4;5;6;7;8\n"
                                               "01/13/2026;21;22;23;24;25;26;27;28\n")
                                 << 0
                                 << Sixth + "13GEN2026212223242526"
                                            "2728"
                                 << u"date mm/gg/aaaa"_s;
    QTest::newRow("json-one-line")
        << QByteArray("[{\"date\":\"2026-01-06\",\"numbers\":[1,2,3,4,5,6],\"jolly\":7,"
                      "\"superstar\":8},{\"date\":\"2026-01-07\",\"numbers\":[11,12,13,14,15,16],"
                      "\"jolly\":17,\"superstar\":18}]")
        << 0 << both << u"Aggiunte 2"_s;
    QTest::newRow("json-object-six-fields")
        << QByteArray("{\"estrazioni\":[{\"data\":\"06/01/2026\",\"n1\":1,\"n2\":2,\"n3\":3,"
                      "\"n4\":4,\"n5\":5,\"n6\":6,\"jolly\":7,\"superstar\":8}]}")
        << 0 << Sixth << u"Aggiunte 1"_s;
    QTest::newRow("already-present-and-new")
        << QByteArray("05/01/2026;46;45;44;43;42;41;47;90\n06/01/2026;1;2;3;4;5;6;7;8\n") << 0
        << Sixth << u"1 già presenti"_s;
    // A failure is never reported as success: status 1 whenever a row was not taken.
    QTest::newRow("older-missing-row")
        << QByteArray("04/01/2026;1;2;3;4;5;6;7;8\n") << 1 << QByteArray() << u"ignorate"_s;
    QTest::newRow("nothing-reads") << QByteArray("{\"ciao\": 1}") << 1 << QByteArray()
                                   << u"non contiene un elenco di estrazioni"_s;
    QTest::newRow("text-without-draws") << QByteArray("lista della spesa\npane\n") << 1
                                        << QByteArray() << u"si leggono file di testo"_s;
    QTest::newRow("two-digit-year")
        << QByteArray("06/01/26;1;2;3;4;5;6;7;8\n") << 1 << QByteArray() << u"quattro cifre"_s;
    QTest::newRow("partial-stops-at-first-unusable")
        << QByteArray("data;n1;n2;n3;n4;n5;n6;jolly;superstar\n06/01/2026;1;2;3;4;5;6;7;8\n"
                      "07/01/2026;11;12;13;14;15;16;;18\n08/01/2026;21;22;23;24;25;26;27;28\n")
        << 1 << Sixth << u"riga 3: Jolly vuoto. Righe escluse: 2."_s;
    QTest::newRow("unreadable-date-keeps-its-place")
        << QByteArray("06/01/2026;1;2;3;4;5;6;7;8\n7 gennaio;1;2;3;4;5;6;7;8\n") << 1 << Sixth
        << u"riga 2: la data \"7 gennaio\" non è nel formato"_s;
    QTest::newRow("repeated-number") << QByteArray("06/01/2026;1;2;3;4;5;6;7;8\n"
                                                   "07/01/2026;1;2;3;4;5;5;7;8\n")
                                     << 1 << Sixth << u"riga 2: il numero 5 è ripetuto"_s;
    QTest::newRow("missing-superstar-after-2006")
        << QByteArray("data;n1;n2;n3;n4;n5;n6;jolly;superstar\n06/01/2026;1;2;3;4;5;6;7;\n") << 1
        << QByteArray() << u"riga 2: SuperStar vuoto"_s;
    QTest::newRow("date-in-the-future")
        << QByteArray("06/01/2026;1;2;3;4;5;6;7;8\n07/01/2036;11;12;13;14;15;16;17;18\n") << 1
        << Sixth << u"riga 2: il 07/01/2036 è dopo oggi"_s;
    QTest::newRow("disagreement-listed-newer-still-added")
        << QByteArray("data;n1;n2;n3;n4;n5;n6;jolly;superstar\n05/01/2026;1;2;3;4;5;6;7;8\n"
                      "03/01/2026;31;32;33;34;35;36;37;05\n06/01/2026;1;2;3;4;5;6;7;8\n")
        << 1 << Sixth
        << u"riga 2: l'estrazione del 05/01/2026 è diversa; archivio 41 42 43 44 45 46, Jolly 47, "
           "SuperStar 90, file 01 02 03 04 05 06, Jolly 7, SuperStar 8"_s;
    QTest::newRow("twice-in-the-file")
        << QByteArray("06/01/2026;1;2;3;4;5;6;7;8\n06/01/2026;1;2;3;4;5;9;7;8\n") << 1 << Sixth
        << u"riga 2: l'estrazione del 06/01/2026 è diversa; archivio riga 1"_s;
    QTest::newRow("not-the-same-history")
        << QByteArray("data;n1;n2;n3;n4;n5;n6;jolly;superstar\n02/01/2026;1;2;3;4;5;6;7;8\n"
                      "03/01/2026;1;2;3;4;5;6;7;8\n05/01/2026;1;2;3;4;5;6;7;8\n"
                      "06/01/2026;1;2;3;4;5;6;7;8\n")
        << 1 << QByteArray() << u"non racconta la stessa storia"_s;
    QTest::newRow("guessed-layout-disagrees-with-archive")
        << QByteArray("05/01/2026;41;42;43;44;45;46;90;47\n06/01/2026;1;2;3;4;5;6;8;7\n") << 1
        << QByteArray() << u"Schema letto: senza intestazione, colonne supposte data n1"_s;
}

void TestArchiveImport::import()
{
    QFETCH(QByteArray, file);
    QFETCH(int, status);
    QFETCH(QByteArray, added);
    QFETCH(QString, says);
    WorkDir dir;
    writeFile(u"se"_s, smallArchive());
    writeFile(u"draws.csv"_s, file);
    const ToolRun run = tool({u"importa"_s, u"draws.csv"_s});
    QCOMPARE(run.status, status);
    QVERIFY2(run.said().contains(says), qPrintable(run.said()));
    QCOMPARE(readFile(u"se"_s), smallArchive() + added);
    QCOMPARE(QFile::exists(u"se.bak"_s), !added.isEmpty());
}

void TestArchiveImport::layoutIsNamed_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("layout");
    QTest::newRow("header") << QByteArray(
                                   "data;n1;n2;n3;n4;n5;n6;jolly\n06/01/2005;1;2;3;4;5;6;7\n")
                            << u"intestazione data n1 n2 n3 n4 n5 n6 jolly; separatore punto e "
                               "virgola; date gg/mm/aaaa; senza SuperStar"_s;
    QTest::newRow("rows-with-sequence")
        << QByteArray("7\t2026-01-06\t1\t2\t3\t4\t5\t6\t7\t8\n")
        << u"senza intestazione, colonne supposte numero data n1 n2 n3 n4 n5 n6 jolly superstar; "
           "separatore tabulazione; date aaaa-mm-gg"_s;
    // A ninth value before the SuperStar existed is not a SuperStar.
    QTest::newRow("ninth-column-not-superstar")
        << QByteArray("06/01/2005,1,2,3,4,5,6,7,44\n")
        << u"senza intestazione, colonne supposte data n1 n2 n3 n4 n5 n6 jolly; separatore "
           "virgola; date gg/mm/aaaa; "
           "senza SuperStar"_s;
    QTest::newRow("json")
        << QByteArray("[{\"date\":\"2005-01-06\",\"numbers\":[1,2,3,4,5,6],"
                      "\"jolly\":7,\"superstar\":null}]")
        << u"JSON, campi date jolly n1 n2 n3 n4 n5 n6 superstar; date aaaa-mm-gg"_s;
}

void TestArchiveImport::layoutIsNamed()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, layout);
    const DrawFile read = readDrawFile(file, QDate(2026, 12, 7));
    QVERIFY2(read.error.isEmpty(), qPrintable(read.error));
    QCOMPARE(read.layout.describe(), layout);
    QVERIFY(read.rows.first().draw);
}

void TestArchiveImport::exportThenImportIsIdentical()
{
    WorkDir dir;
    QVERIFY(QFile::copy(QStringLiteral(ENALOTTO_SAMPLE_ARCHIVE), u"se"_s));
    const QByteArray sample = readFile(u"se"_s);
    QCOMPARE(tool({u"esporta"_s, u"out.csv"_s}).status, 0);
    QVERIFY(QFile::rename(u"se"_s, u"se.old"_s));
    const ToolRun without = tool({u"importa"_s, u"out.csv"_s});
    QCOMPARE(without.status, 2); // a wrong folder does not silently start a new archive
    QVERIFY(!QFile::exists(u"se"_s));
    const ToolRun run = tool({u"importa"_s, u"out.csv"_s, u"--crea"_s});
    QCOMPARE(run.status, 0);
    QVERIFY(run.out.contains(u"Aggiunte 4202 estrazioni."_s));
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
        run = tool({u"importa"_s, u"new.csv"_s});
    }
    QCOMPARE(run.status, 2);
    QVERIFY2(run.err.contains(u"è rimasto com'era"_s), qPrintable(run.err));
    QCOMPARE(readFile(u"se"_s), archive);
    QStringList files{u"new.csv"_s, u"se"_s};
    if (backupWritten) {
        QCOMPARE(readFile(u"se.bak"_s), archive);
        files << u"se.bak"_s;
    }
    QCOMPARE(QDir().entryList(QDir::Files), files);
}

QTEST_GUILESS_MAIN(TestArchiveImport)
#include "tst_archiveimport.moc"
