#include "archive/drawarchive.h"
#include "archive/recordsource.h"
#include "testutil.h"

#include <QBuffer>

using namespace enalotto;

class TestArchive : public QObject
{
    Q_OBJECT

private slots:
    void readDrawPositionsAndSort_data();
    void readDrawPositionsAndSort();
    void readDrawOutOfRangeKeepsCurrentDraw();
    void scan_data();
    void scan();
    void sampleArchive();
};

void TestArchive::readDrawPositionsAndSort_data()
{
    QTest::addColumn<QByteArray>("archive");
    QTest::addColumn<int>("index");
    QTest::addColumn<QByteArray>("date");
    QTest::addColumn<QByteArrayList>("slots1to8");

    const QByteArray three = record("01GEN2020", "010203040506", "07", "08") +
                             record("02GEN2020", "111213141516", "17", "18") +
                             record("03GEN2020", "212223242526", "27", "28");
    QTest::newRow("first-record") << three << 0 << QByteArray("01GEN2020")
                                  << QByteArrayList{"01", "02", "03", "04", "05", "06", "07", "08"};
    QTest::newRow("third-record-starts-at-byte-50")
        << three << 2 << QByteArray("03GEN2020")
        << QByteArrayList{"21", "22", "23", "24", "25", "26", "27", "28"};
    QTest::newRow("sorted-by-text-jolly-untouched")
        << record("05MAR2019", "450790013312", "02", "99") << 0 << QByteArray("05MAR2019")
        << QByteArrayList{"01", "07", "12", "33", "45", "90", "02", "99"};
    QTest::newRow("text-order-not-numeric")
        << record("05MAR2019", "5 100105  99", "01", "02") << 0 << QByteArray("05MAR2019")
        << QByteArrayList{"  ", "01", "05", "10", "5 ", "99", "01", "02"};
    QTest::newRow("repeated-numbers")
        << record("05MAR2019", "303030101010", "01", "02") << 0 << QByteArray("05MAR2019")
        << QByteArrayList{"10", "10", "10", "30", "30", "30", "01", "02"};
    QTest::newRow("high-bytes-sort-as-unsigned")
        << QByteArray("01GEN2020\xe9\xe9"
                      "0102030405"
                      "07"
                      "08")
        << 0 << QByteArray("01GEN2020")
        << QByteArrayList{"01", "02", "03", "04", "05", "\xe9\xe9", "07", "08"};
}

void TestArchive::readDrawPositionsAndSort()
{
    QFETCH(QByteArray, archive);
    QFETCH(int, index);
    QFETCH(QByteArray, date);
    QFETCH(QByteArrayList, slots1to8);

    QBuffer buffer(&archive);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    DeviceSource file(buffer);
    QVERIFY(ReadDraw(file, index));
    QCOMPARE(CurrentDraw.DrawDate, date);
    for (int k = 1; k <= 8; ++k)
        QCOMPARE(CurrentDraw.DrawNumbers[size_t(k)], slots1to8.at(k - 1));
}

void TestArchive::readDrawOutOfRangeKeepsCurrentDraw()
{
    QByteArray archive = record("01GEN2020", "010203040506", "07", "08") + "01FEB2020";
    QBuffer buffer(&archive);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    DeviceSource file(buffer);
    QVERIFY(ReadDraw(file, 0));
    QVERIFY(!ReadDraw(file, 1));  // only a fragment there
    QVERIFY(!ReadDraw(file, 7));  // past the end
    QVERIFY(!ReadDraw(file, -1)); // no such record
    QCOMPARE(CurrentDraw.DrawDate, QByteArray("01GEN2020"));
}

void TestArchive::scan_data()
{
    QTest::addColumn<QByteArray>("archive");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("lastYearCount");

    const auto ok = int(ArchiveScan::Status::Ok);
    QTest::newRow("empty-file") << QByteArray() << int(ArchiveScan::Status::Empty) << 0 << 0;
    QTest::newRow("fragment-only")
        << QByteArray(24, '1') << int(ArchiveScan::Status::Empty) << 0 << 0;
    QTest::newRow("one-record") << yearOfRecords(2020, 1) << ok << 1 << 1;
    QTest::newRow("all-one-year") << yearOfRecords(2020, 7) << ok << 7 << 7;
    QTest::newRow("newest-only-one-of-its-year")
        << yearOfRecords(2019, 5) + yearOfRecords(2020, 1) << ok << 6 << 1;
    QTest::newRow("previous-year-only-at-record-0")
        << yearOfRecords(2019, 1) + yearOfRecords(2020, 4) << ok << 5 << 5;
    QTest::newRow("two-years") << yearOfRecords(2019, 3) + yearOfRecords(2020, 4) << ok << 7 << 4;
    QTest::newRow("year-gap-runs-to-start")
        << yearOfRecords(2017, 3) + yearOfRecords(2020, 4) << ok << 7 << 7;
    QTest::newRow("fragment-after-last-record")
        << yearOfRecords(2019, 3) + yearOfRecords(2020, 2) + QByteArray("03GEN2021xx") << ok << 5
        << 2;
    QTest::newRow("non-digit-years-compare-as-zero")
        << record("01GEN-001", "010203040506") + record("01GENABCD", "010203040506") +
               record("01GENABCD", "010203040506")
        << ok << 3 << 3;
    QTest::newRow("newest-year-spans-several-read-blocks")
        << yearOfRecords(2019, 5000) + yearOfRecords(2020, 3000) << ok << 8000 << 3000;
    QTest::newRow("year-change-on-a-block-edge")
        << yearOfRecords(2018, 10) + yearOfRecords(2019, 1) + yearOfRecords(2020, 2621) << ok
        << 2632 << 2621;
    QTest::newRow("32767-records")
        << yearOfRecords(2020, MaxArchiveRecords) << ok << MaxArchiveRecords << MaxArchiveRecords;
    QTest::newRow("32768-records-too-large") << yearOfRecords(2020, MaxArchiveRecords + 1)
                                             << int(ArchiveScan::Status::TooLarge) << 0 << 0;
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

void TestArchive::sampleArchive()
{
    ArchiveFile file;
    QVERIFY(file.open(QStringLiteral(ENALOTTO_SAMPLE_ARCHIVE)));
    const ArchiveScan result = scanArchive(file);
    QCOMPARE(int(result.status), int(ArchiveScan::Status::Ok));
    QCOMPARE(result.records, 4202);
    QCOMPARE(result.LastYearCount, 83); // the draws of 2026
    QVERIFY(ReadDraw(file, 0));
    QCOMPARE(CurrentDraw.DrawDate, QByteArray("03DIC1997"));
}

QTEST_GUILESS_MAIN(TestArchive)
#include "tst_archive.moc"
