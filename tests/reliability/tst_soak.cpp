// A long session: random scroll steps with the notice and analysis windows open and a print
// now and then. Open file descriptors must not grow, nor resident memory beyond 2 MB after
// warm-up. ENALOTTO_SOAK_STEPS sets the number of steps (default 100000).

#include "support/recordingprinter.h"
#include "testutil.h"

#include <QRandomGenerator>
#include <QScrollBar>
#include <unistd.h>

namespace {

int openDescriptors()
{
    return int(QDir(u"/proc/self/fd"_s).entryList(QDir::Files | QDir::System).size());
}

qint64 residentBytes()
{
    QFile statm(u"/proc/self/statm"_s);
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * sysconf(_SC_PAGESIZE) : 0;
}

} // namespace

class TestSoak : public QObject
{
    Q_OBJECT

private slots:
    void longSession();
};

void TestSoak::longSession()
{
    setUpWindowTests();
    const int steps = qEnvironmentVariableIntValue("ENALOTTO_SOAK_STEPS") > 0
                          ? qEnvironmentVariableIntValue("ENALOTTO_SOAK_STEPS")
                          : 100000;
    WorkDir dir;
    const QByteArray archive = readFile(QStringLiteral(ENALOTTO_SAMPLE_ARCHIVE));
    RecordingPrinter printer;
    setActivePrinter(&printer);
    Form32 *main = startOn(archive);
    QVERIFY(main);
    Form43 *analysis = openAnalysis();
    Form29 *notice = openNotice();
    QVERIFY(analysis && notice);
    typeInto(notice, "Text1", u"SOAK"_s);
    typeInto(notice, "Text4", u"1.000,00"_s);

    auto *bar = child<QScrollBar>(main, "VScroll1");
    QRandomGenerator random(20261206);
    int fdsAfterWarmUp = 0;
    qint64 rssAfterWarmUp = 0;
    const int warmUp = qMin(steps / 10, 5000);
    for (int i = 0; i < steps; ++i) {
        bar->setValue(int(random.bounded(bar->maximum() + 1)));
        if (i % 50 == 0)
            QCoreApplication::processEvents(); // let the 1 ms and 500 ms timers tick
        if (i % 997 == 0) {
            printer.ops.clear();
            child<QPushButton>(main, "Command3D1")->click();
            child<QPushButton>(analysis, "Command3D2")->click();
            child<QPushButton>(notice, "Command3D1")->click();
            QVERIFY(!printer.ops.isEmpty());
        }
        if (i == warmUp) {
            fdsAfterWarmUp = openDescriptors();
            rssAfterWarmUp = residentBytes();
        }
    }
    QCoreApplication::processEvents();
    const qint64 growth = residentBytes() - rssAfterWarmUp;
    qInfo("%d steps: %d open descriptors (after warm-up %d), resident memory grew %lld bytes",
          steps, openDescriptors(), fdsAfterWarmUp, growth);
    QCOMPARE(openDescriptors(), fdsAfterWarmUp);
#if defined(__SANITIZE_ADDRESS__)
    // AddressSanitizer keeps freed memory in quarantine: resident size says nothing here.
    Q_UNUSED(growth)
#else
    QVERIFY2(growth < 2 * 1024 * 1024, qPrintable(QString::number(growth)));
#endif
    QCOMPARE(readFile(u"se"_s), archive);
    setActivePrinter(nullptr);
    closeAllWindows();
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
