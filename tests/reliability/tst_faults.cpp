// Bad files and failing printers met through the windows. Every case ends by checking that
// "se" is byte for byte what it was: the program never writes it.

#include "app/program.h"
#include "notice/form29.h"
#include "support/recordingprinter.h"
#include "testutil.h"

#include <QCryptographicHash>
#include <QLineEdit>
#include <QScrollBar>

using namespace enalotto;

using namespace Qt::StringLiterals;

class TestFaults : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void archiveReplacedByLongerFile();
    void highBytesInDates();
    void largestArchive();
    void printerGoesAwayBetweenPrints();
    void headerWriteFailsHalfway();

private:
    void startWith(const QByteArray &archive);
    std::unique_ptr<WorkDir> m_dir;
    QByteArray m_archiveHash; // of "se" as the program found it; empty when it is replaced
    RecordingPrinter m_printer;
};

void TestFaults::initTestCase()
{
    setUpWindowTests();
}

void TestFaults::init()
{
    m_dir = std::make_unique<WorkDir>();
    m_archiveHash.clear();
    m_printer = RecordingPrinter();
    setActivePrinter(&m_printer);
}

void TestFaults::cleanup()
{
    closeAllWindows();
    setActivePrinter(nullptr);
    if (!m_archiveHash.isEmpty())
        QCOMPARE(QCryptographicHash::hash(readFile(u"se"_s), QCryptographicHash::Sha256),
                 m_archiveHash);
    m_dir.reset();
}

void TestFaults::startWith(const QByteArray &archive)
{
    writeFile(u"se"_s, archive);
    m_archiveHash = QCryptographicHash::hash(archive, QCryptographicHash::Sha256);
    QVERIFY(startProgram());
}

void TestFaults::archiveReplacedByLongerFile()
{
    startWith(yearOfRecords(2020, 5));
    Form32 *w = startupWindow();
    const QByteArray longer = yearOfRecords(2021, 50);
    QFile::remove(u"se"_s);
    writeFile(u"se"_s, longer);
    m_archiveHash = QCryptographicHash::hash(longer, QCryptographicHash::Sha256);
    // The bar keeps the range of start-up; each step reads what the file now holds.
    auto *bar = child<QScrollBar>(w, "VScroll1");
    QCOMPARE(bar->maximum(), 4);
    clickScrollBarTo(bar, 2);
    QCOMPARE(w->displayedDraw().date, u"03GEN2021"_s);
}

void TestFaults::highBytesInDates()
{
    startWith(QByteArray("01G\xc9N2020"
                         "010203040506"
                         "07"
                         "08") +
              QByteArray("02\x80\x81\xff"
                         "2020"
                         "010203040506"
                         "07"
                         "08"));
    Form32 *w = startupWindow();
    QCOMPARE(w->displayedDraw().date, u"02\u20ac\u0081\u00ff2020"_s);
    clickScrollBarTo(child<QScrollBar>(w, "VScroll1"), 0);
    QCOMPARE(w->displayedDraw().date, u"01G\u00c9N2020"_s);
}

void TestFaults::largestArchive()
{
    startWith(yearOfRecords(2020, 32767));
    Form32 *w = startupWindow();
    QCOMPARE(child<QScrollBar>(w, "VScroll1")->maximum(), 32766);
    QCOMPARE(child<QWidget>(w, "Label31")->property("text").toString(), u" 32767"_s);
    QCOMPARE(child<QWidget>(w, "Label3")->property("text").toString(), u"32767"_s);
}

void TestFaults::printerGoesAwayBetweenPrints()
{
    startWith(yearOfRecords(2020, 3));
    Form32 *w = startupWindow();
    MessageBoxWatcher boxes;
    auto *print = child<QPushButton>(w, "Command3D1");
    print->click();
    const qsizetype onePage = m_printer.ops.size();
    m_printer.failAt = int(onePage) + 1; // gone after the first page
    print->click();
    QCOMPARE(m_printer.ops.size(), onePage + 1);
    QVERIFY(boxes.seen.empty());

    Form29 *notice = openNotice();
    child<QLineEdit>(notice, "Text1")->setText(u"SHOP"_s);
    QTest::qWait(600);
    QTest::mouseClick(child<QPushButton>(notice, "Command3D1"), Qt::LeftButton);
    QCOMPARE(boxes.seen.size(), size_t(1));
    QCOMPARE(boxes.seen[0].title, u"INFORMAZIONE GENERALE"_s);
    QCOMPARE(readFile(u"13"_s), QByteArray("\"SHOP\"\r\n\"\"\r\n\"\"\r\n"));
    // Still usable: stepping and copying go on.
    clickScrollBarTo(child<QScrollBar>(w, "VScroll1"), 0);
    QCOMPARE(w->displayedDraw().date, u"01GEN2020"_s);
}

void TestFaults::headerWriteFailsHalfway()
{
    startWith(yearOfRecords(2020, 3));
    const QByteArray old("\"OLD\"\r\n\"\"\r\n\"\"\r\n");
    writeFile(u"13"_s, old);
    Form29 *notice = openNotice();
    QCOMPARE(child<QLineEdit>(notice, "Text1")->text(), u"OLD"_s);
    child<QLineEdit>(notice, "Text1")->setText(QString(30, u'N'));
    child<QLineEdit>(notice, "Text2")->setText(QString(30, u'M'));
    MessageBoxWatcher boxes;
    {
        const FileSizeLimit limit(40); // the new file stops growing half-way
        QVERIFY(limit.active());
        QTest::mouseClick(child<QPushButton>(notice, "Command3D1"), Qt::LeftButton);
    }
    QCOMPARE(boxes.seen.size(), size_t(1));
    QCOMPARE(readFile(u"13"_s), old);
    QVERIFY(m_printer.ops.isEmpty());
    QCOMPARE(QDir().entryList(QDir::Files), (QStringList{u"13"_s, u"se"_s}));
}

QTEST_MAIN(TestFaults)
#include "tst_faults.moc"
