// Reading the archive as the browser does: one record into CurrentDraw with its six numbers
// sorted as text, and the scan that counts the records and the draws of the newest year.
#include "archive/drawarchive.h"
#include "archive/recordsource.h"
#include "testutil.h"

#include <QBuffer>

using namespace enalotto;

class TestArchive : public QObject
{
    Q_OBJECT

private slots:
    void readDraw_data();
    void readDraw();
    void scan_data();
    void scan();
    void opensRegularFilesOnly_data();
    void opensRegularFilesOnly();
};

void TestArchive::readDraw_data()
{
    QTest::addColumn<QByteArray>("archive");
    QTest::addColumn<int>("index");
    QTest::addColumn<QByteArray>("read"); // the date and slots 1-8; "-": nothing read

    const QByteArray three = record("01GEN2020", "010203040506", "07", "08") +
                             record("02GEN2020", "111213141516", "17", "18") +
                             record("03GEN2020", "212223242526", "27", "28");
    QTest::newRow("third-record-starts-at-byte-50") << three << 2 << three.mid(50);
    QTest::newRow("sorted-by-text-jolly-untouched")
        << record("05MAR2019", "450790013312", "02", "99") << 0
        << record("05MAR2019", "010712334590", "02", "99");
    QTest::newRow("text-order-not-numeric") << record("05MAR2019", "5 100105  99", "01", "02") << 0
                                            << record("05MAR2019", "  0105105 99", "01", "02");
    QTest::newRow("high-bytes-sort-as-unsigned") << record("01GEN2020", "\351\3510102030405") << 0
                                                 << record("01GEN2020", "0102030405\351\351");
    QTest::newRow("fragment-is-no-record") << three.left(34) << 1 << QByteArray("-");
    QTest::newRow("negative-index") << three << -1 << QByteArray("-");
}

void TestArchive::readDraw()
{
    QFETCH(QByteArray, archive);
    QFETCH(int, index);
    QFETCH(QByteArray, read);

    QBuffer buffer(&archive);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    DeviceSource file(buffer);
    CurrentDraw = {"-", {}};
    QCOMPARE(ReadDraw(file, index), read != "-");
    QByteArray seen = CurrentDraw.DrawDate;
    for (size_t k = 1; k <= 8; ++k)
        seen += CurrentDraw.DrawNumbers[k];
    QCOMPARE(seen, read);
}

void TestArchive::scan_data()
{
    QTest::addColumn<QByteArray>("archive");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("lastYearCount");
    const auto row = [](const char *name, const QByteArray &archive, int records, int lastYear,
                        ArchiveScan::Status status = ArchiveScan::Status::Ok) {
        QTest::newRow(name) << archive << int(status) << records << lastYear;
    };
    const auto years = [](int older, int olderCount, int newestCount) -> QByteArray {
        return yearOfRecords(older, olderCount) + yearOfRecords(2020, newestCount);
    };
    row("empty-file", QByteArray(), 0, 0, ArchiveScan::Status::Empty);
    row("one-record", yearOfRecords(2020, 1), 1, 1);
    row("newest-only-one-of-its-year", years(2019, 5, 1), 6, 1);
    row("previous-year-only-at-record-0", years(2019, 1, 4), 5, 5);
    row("year-gap-runs-to-start", years(2017, 3, 4), 7, 7);
    row("fragment-after-last-record", years(2019, 3, 2) + "03GEN2021xx", 5, 2);
    row("non-digit-years-compare-as-zero",
        record("01GEN-001", "010203040506") + record("01GENABCD", "010203040506") +
            record("01GENABCD", "010203040506"),
        3, 3);
    row("newest-year-spans-several-read-blocks", years(2019, 5000, 3000), 8000, 3000);
    row("year-change-on-a-block-edge", yearOfRecords(2018, 10) + years(2019, 1, 2621), 2632, 2621);
    row("32767-records", yearOfRecords(2020, MaxArchiveRecords), MaxArchiveRecords,
        MaxArchiveRecords);
    row("32768-records-too-large", yearOfRecords(2020, MaxArchiveRecords + 1), 0, 0,
        ArchiveScan::Status::TooLarge);
}

void TestArchive::scan()
{
    QFETCH(QByteArray, archive);
    QFETCH(int, status);
    QFETCH(int, records);
    QFETCH(int, lastYearCount);

    QBuffer buffer(&archive);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    DeviceSource file(buffer);
    const ArchiveScan result = scanArchive(file);
    QCOMPARE(int(result.status), status);
    QCOMPARE(result.records, records);
    QCOMPARE(result.LastYearCount, lastYearCount);
}

void TestArchive::opensRegularFilesOnly_data()
{
    QTest::addColumn<QByteArray>("file"); // see placeFile()
    QTest::addColumn<bool>("opens");
    QTest::newRow("regular-even-empty") << QByteArray() << true;
    QTest::newRow("missing") << QByteArray("<none>") << false;
    QTest::newRow("a-folder") << QByteArray("<dir>") << false;
    QTest::newRow("a-named-pipe-at-once") << QByteArray("<fifo>") << false;
}

void TestArchive::opensRegularFilesOnly()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, opens);
    WorkDir dir;
    placeFile(u"se"_s, file);
    ArchiveFile archive;
    QCOMPARE(archive.open(u"se"_s), opens);
}

QTEST_GUILESS_MAIN(TestArchive)
#include "tst_archive.moc"
