// Importing the files people download (tests/data/archive, run by import-runs.txt): the
// layouts recognised, what is refused, partial imports and disagreements, the round trip
// through an export, and writes that fail.
#include "toolrun.h"

using namespace enalotto;

class TestArchiveImport : public QObject
{
    Q_OBJECT

private slots:
    void import_data() { runRows("import-runs.txt"); }
    void import()
    {
        WorkDir dir;
        runCurrentRow();
    }
    void exportThenImportIsIdentical();
    void failedWriteLeavesArchiveAndBackupWhole_data();
    void failedWriteLeavesArchiveAndBackupWhole();
};

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
