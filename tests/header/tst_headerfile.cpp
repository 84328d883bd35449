#include "header/headerfile.h"
#include "testutil.h"

using namespace enalotto;

using namespace Qt::StringLiterals;

class TestHeaderFile : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void writeFormat();
    void roundTrip_data();
    void roundTrip();
    void replaceIsAtomic();
};

void TestHeaderFile::parse_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("fields"); // empty: nothing read

    const QStringList none;
    QTest::newRow("three-quoted-lines") << QByteArray("\"abc\"\r\n\"\"\r\n\"x, y\"\r\n")
                                        << QStringList{u"abc"_s, QString(), u"x, y"_s};
    QTest::newRow("three-fields-one-line")
        << QByteArray("\"abc\",\"\",\"x, y\"") << QStringList{u"abc"_s, QString(), u"x, y"_s};
    QTest::newRow("inner-double-quote")
        << QByteArray("\"BAR \"DA MARIO\" SNC\"\r\n\"b\"\r\n\"c\"\r\n")
        << QStringList{u"BAR \"DA MARIO\" SNC"_s, u"b"_s, u"c"_s};
    QTest::newRow("unquoted-leading-blanks-skipped-trailing-kept")
        << QByteArray("   uno,  due  \n tre\t\n") << QStringList{u"uno"_s, u"due  "_s, u"tre\t"_s};
    QTest::newRow("cr-only-line-ends")
        << QByteArray("\"a\"\r\"b\"\r\"c\"\r") << QStringList{u"a"_s, u"b"_s, u"c"_s};
    QTest::newRow("no-line-ends-at-all")
        << QByteArray("\"a\",\"b\",\"c\"") << QStringList{u"a"_s, u"b"_s, u"c"_s};
    QTest::newRow("first-30-characters")
        << QByteArray("\"" + QByteArray(40, 'X') + "\"\r\n\"b\"\r\n\"c\"\r\n")
        << QStringList{QString(30, u'X'), u"b"_s, u"c"_s};
    QTest::newRow("accented-windows-1252")
        << QByteArray("\"CAFF\xc8 DELL'ARCO \x80\"\r\n\"b\"\r\n\"c\"\r\n")
        << QStringList{u"CAFF\u00c8 DELL'ARCO \u20ac"_s, u"b"_s, u"c"_s};
    QTest::newRow("extra-fields-ignored") << QByteArray("\"a\"\r\n\"b\"\r\n\"c\"\r\n\"d\"\r\n")
                                          << QStringList{u"a"_s, u"b"_s, u"c"_s};
    QTest::newRow("unclosed-quote-runs-to-end")
        << QByteArray("\"a\"\r\n\"b\"\r\n\"c, d") << QStringList{u"a"_s, u"b"_s, u"c, d"_s};
    QTest::newRow("empty-file") << QByteArray() << none;
    QTest::newRow("two-lines-only") << QByteArray("\"a\"\r\n\"b\"\r\n") << none;
    QTest::newRow("binary") << QByteArray("\x00\x01\xff", 3) << none;
}

void TestHeaderFile::parse()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, fields);
    const std::optional<QStringList> read = parseHeaderFile(bytes);
    if (fields.isEmpty()) {
        QVERIFY(!read);
        return;
    }
    QVERIFY(read);
    QCOMPARE(*read, fields);
}

void TestHeaderFile::writeFormat()
{
    QCOMPARE(headerFileBytes({u"abc"_s, QString(), u"x, y"_s}),
             QByteArray("\"abc\"\r\n\"\"\r\n\"x, y\"\r\n"));
    QCOMPARE(headerFileBytes({u"\u00e8\u20ac"_s, QString(), QString()}),
             QByteArray("\"\xe8\x80\"\r\n\"\"\r\n\"\"\r\n"));
}

void TestHeaderFile::roundTrip_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("plain") << QStringList{u"TABACCHI"_s, u"VIA ROMA 1"_s, u"TEL. 000"_s};
    QTest::newRow("commas-and-blanks") << QStringList{u"  a, b "_s, QString(), u" "_s};
    QTest::newRow("inner-quote") << QStringList{u"BAR \"X\""_s, u"\"Y\" Z"_s, u"q"_s};
    QTest::newRow("accents") << QStringList{u"CITT\u00c0"_s, u"PI\u00d9"_s, u"\u20ac"_s};
}

void TestHeaderFile::roundTrip()
{
    QFETCH(QStringList, lines);
    WorkDir dir;
    QVERIFY(writeHeaderFile(lines));
    const std::optional<QStringList> read = readHeaderFile();
    QVERIFY(read);
    QCOMPARE(*read, lines);
}

void TestHeaderFile::replaceIsAtomic()
{
    WorkDir dir;
    const QByteArray old("\"old\"\r\n\"\"\r\n\"\"\r\n");
    writeFile(u"13"_s, old);
    bool written = true;
    {
        const FileSizeLimit limit(20); // the write fails half-way
        QVERIFY(limit.active());
        written = writeHeaderFile({QString(30, u'N'), QString(30, u'M'), u"x"_s});
    }
    QVERIFY(!written);
    QCOMPARE(readFile(u"13"_s), old);
    QCOMPARE(QDir().entryList(QDir::Files), QStringList{u"13"_s}); // no temporary file left
}

QTEST_GUILESS_MAIN(TestHeaderFile)
#include "tst_headerfile.moc"
