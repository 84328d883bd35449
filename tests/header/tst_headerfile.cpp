#include "header/headerfile.h"
#include "testutil.h"

using namespace enalotto;

using namespace Qt::StringLiterals;

class TestHeaderFile : public QObject
{
    Q_OBJECT

private slots:
    void read_data();
    void read();
    void write_data();
    void write();
};

void TestHeaderFile::read_data()
{
    QTest::addColumn<QByteArray>("file");   // "13" as placeFile() lays it out
    QTest::addColumn<QStringList>("lines"); // none when nothing is read
    // Rows give the lines read '|' apart, or the empty text for none.
    const auto row = [](const char *name, const QByteArray &file, const QString &read) {
        QTest::newRow(name) << file << (read.isEmpty() ? QStringList() : read.split(u'|'));
    };
    const QByteArray ab("\"a\",\"b\","); // then blanks, then a third field

    row("three-quoted-lines", "\"abc\"\r\n\"\"\r\n\"x, y\"\r\n", u"abc||x, y"_s);
    row("three-on-one-line-no-line-end", "\"a\",\"b\",\"c\"", u"a|b|c"_s);
    row("inner-double-quote", "\"BAR \"DA MARIO\" SNC\"\r\n\"b\"\r\n\"c\"\r\n",
        u"BAR \"DA MARIO\" SNC|b|c"_s);
    row("unquoted-trims-leading-blanks", "   uno,\t due  \n tre\t\n", u"uno|due  |tre\t"_s);
    row("blanks-after-closing-quote", "\"a\" \t,\"b\"  \r\n\"c\"\t", u"a|b|c"_s);
    row("cr-only-line-ends", "\"a\"\r\"b\"\r\"c\"\r", u"a|b|c"_s);
    row("first-30-characters", "\"" + QByteArray(40, 'X') + "\"\r\n\"b\"\r\n\"c\"\r\n",
        QString(30, u'X') + u"|b|c"_s);
    row("accented-windows-1252", "\"CAFF\xc8 DELL'ARCO \x80\"\r\n\"b\"\r\n\"c\"\r\n",
        u"CAFF\u00c8 DELL'ARCO \u20ac|b|c"_s);
    row("unclosed-quote-runs-to-end", "\"a\"\r\n\"b\"\r\n\"c, d", u"a|b|c, d"_s);
    row("unclosed-first-quote-takes-all", "\"a,b\r\nc", QString());
    row("third-field-in-the-last-byte-read", ab + QByteArray(64 * 1024 - 9, ' ') + 'c', u"a|b|c"_s);
    row("third-field-past-the-last-byte-read", ab + QByteArray(64 * 1024 - 8, ' ') + 'c',
        QString());
    row("two-lines-only", "\"a\"\r\n\"b\"\r\n", QString());
    row("empty-file", QByteArray(), QString());
    row("binary", QByteArray("\x00\x01\xff\"\x02", 5), QString());
    row("one-megabyte", QByteArray(1 << 20, 'x'), QString());
    row("missing", "<none>", QString());
    row("a-folder", "<dir>", QString());
    row("a-named-pipe-read-without-waiting", "<fifo>", QString());
}

void TestHeaderFile::read()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, lines);
    WorkDir dir;
    placeFile(u"13"_s, file);
    QCOMPARE(readHeaderFile().value_or(QStringList()), lines);
}

void TestHeaderFile::write_data()
{
    QTest::addColumn<QByteArray>("before"); // "13" as placeFile() lays it out
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("sizeLimit");    // the most bytes a file of this process may hold, or 0
    QTest::addColumn<QByteArray>("after"); // "13" afterwards: its bytes, "<dir>" or "<fifo>"
    // Rows give the lines '|' apart.
    const auto row = [](const char *name, const QByteArray &before, const QString &lines,
                        int sizeLimit, const QByteArray &after) {
        QTest::newRow(name) << before << lines.split(u'|') << sizeLimit << after;
    };
    const QByteArray old("\"old\"\r\n\"\"\r\n\"\"\r\n"), abc("\"a\"\r\n\"b\"\r\n\"c\"\r\n");

    row("quoted-lines-ended-by-cr-lf-in-windows-1252", old, u"BAR \"X\"||CITT\u00c0, \u20ac"_s, 0,
        "\"BAR \"X\"\"\r\n\"\"\r\n\"CITT\xc0, \x80\"\r\n");
    row("a-named-pipe-is-replaced", "<fifo>", u"a|b|c"_s, 0, abc);
    row("a-folder-stays", "<dir>", u"a|b|c"_s, 0, "<dir>");
    row("cut-short-keeps-old-file", old, QString(30, u'N') + u"|"_s + QString(30, u'M') + u"|x"_s,
        20, old);
}

void TestHeaderFile::write()
{
    QFETCH(QByteArray, before);
    QFETCH(QStringList, lines);
    QFETCH(int, sizeLimit);
    QFETCH(QByteArray, after);
    WorkDir dir;
    placeFile(u"13"_s, before);
    {
        std::optional<FileSizeLimit> limit;
        if (sizeLimit > 0)
            QVERIFY(limit.emplace(rlim_t(sizeLimit)).active());
        // A write reports success exactly when it changed the file.
        QCOMPARE(writeHeaderFile(lines), after != before);
    }
    const QFileInfo file(u"13"_s);
    QCOMPARE(file.isDir() ? "<dir>" : file.isFile() ? readFile(u"13"_s) : "<fifo>", after);
    // No temporary file is left beside it.
    QCOMPARE(QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
             QStringList{u"13"_s});
}

QTEST_GUILESS_MAIN(TestHeaderFile)
#include "tst_headerfile.moc"
