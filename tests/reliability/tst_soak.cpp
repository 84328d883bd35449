// A long session: random scroll steps, the notice and analysis windows open, a print now and then.
// After warm-up, open descriptors stay, resident memory grows < 2 MB. Steps: ENALOTTO_SOAK_STEPS.

#include "support/recordingprinter.h"
#include "testutil.h"

#include <QRandomGenerator>
#include <unistd.h>

class TestSoak : public QObject
{
    Q_OBJECT

private slots:
    void longSession();
};

void TestSoak::longSession()
{
    setUpWindowTests();
    const int steps = qEnvironmentVariable("ENALOTTO_SOAK_STEPS", u"100000"_s).toInt();
    const auto usage = []() -> std::pair<int, qint64> { // open file descriptors, resident bytes
        const QList<QByteArray> statm = readFile(u"/proc/self/statm"_s).split(' ');
        return {int(QDir(u"/proc/self/fd"_s).entryList(QDir::Files | QDir::System).size()),
                statm.size() > 1 ? statm[1].toLongLong() * sysconf(_SC_PAGESIZE) : 0};
    };
    WorkDir dir;
    const QByteArray archive = readFile(QStringLiteral(ENALOTTO_SAMPLE_ARCHIVE));
    static RecordingPrinter printer; // stays the active printer to the end
    setActivePrinter(&printer);
    QVERIFY(startOn(archive) && openAnalysis() && openNotice());
    typeInto(topLevel<Form29>(), "Text1", u"SOAK"_s);
    typeInto(topLevel<Form29>(), "Text4", u"1.000,00"_s);

    auto *bar = child<QScrollBar>(startupWindow(), "VScroll1");
    QRandomGenerator random(20261206);
    std::pair<int, qint64> warm; // after the warm-up
    for (int i = 0; i < steps; ++i) {
        bar->setValue(int(random.bounded(bar->maximum() + 1)));
        if (i % 50 == 0)
            QCoreApplication::processEvents(); // let the 1 ms and 500 ms timers tick
        if (i % 997 == 0) {
            printer.ops.clear();
            click(startupWindow(), "Command3D1");
            click(topLevel<Form43>(), "Command3D2");
            click(topLevel<Form29>(), "Command3D1");
            QVERIFY(!printer.ops.isEmpty());
        }
        if (i == qMin(steps / 10, 5000))
            warm = usage();
    }
    QCoreApplication::processEvents();
    const auto [fds, rss] = usage();
    qInfo("%d steps: %d open descriptors (after warm-up %d), resident memory grew %lld bytes",
          steps, fds, warm.first, rss - warm.second);
    QCOMPARE(fds, warm.first);
#if !defined(__SANITIZE_ADDRESS__) // its quarantine keeps freed memory resident
    QVERIFY2(rss - warm.second < 2 * 1024 * 1024, qPrintable(QString::number(rss - warm.second)));
#endif
    QCOMPARE(readFile(u"se"_s), archive);
    closeAllWindows();
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
