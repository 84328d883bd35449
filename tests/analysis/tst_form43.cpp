// The analysis window: the ten statistics of the draw the main window shows, followed tick by
// tick, blanked while the main window is hidden, printed and copied. Its controls as designed
// are in tst_design; the statistics themselves in tst_columnanalysis.
#include "support/recordingprinter.h"
#include "testutil.h"

#include <QClipboard>

class TestForm43 : public QObject
{
    Q_OBJECT

    std::unique_ptr<WorkDir> m_dir;
    RecordingPrinter m_printer;
    Form32 *m_main = nullptr;
    Form43 *m_form = nullptr;

    void step(int value) { clickScrollBarTo(child<QScrollBar>(m_main, "VScroll1"), value); }
    void open(const QByteArray &archive)
    {
        m_main = startOn(archive);
        QVERIFY(m_main);
        m_form = openAnalysis();
        QVERIFY(m_form);
    }

private slots:
    void initTestCase() { setUpWindowTests(); }
    void init()
    {
        m_dir = std::make_unique<WorkDir>();
        m_printer = RecordingPrinter();
        setActivePrinter(&m_printer);
        open(record("01GEN2026", "020406111380", "33", "00") +
             record("01GEN2026", "102031335264", "44", "00") +
             record("02GEN2026", "000102030405", "06", "07") +
             record("03GEN2026", "900309104508", "17", "01"));
        // The 1 ms timer analyses the shown draw at once.
        QTRY_COMPARE_WITH_TIMEOUT(caption(m_form, "Label3"), u"03GEN2026"_s, 50);
    }
    void cleanup()
    {
        closeAllWindows();
        setActivePrinter(nullptr);
        m_dir.reset();
    }

    void followsTheMainWindow()
    {
        QCOMPARE(caption(m_form, "Label4"), u"4"_s);
        // A draw whose first number is "00" is not analysed: the panels keep the last analysis.
        step(2);
        QVERIFY(waitForTick(m_form));
        QCOMPARE(caption(m_form, "SOMMA"), u"165"_s);
        QCOMPARE(caption(m_form, "Label3"), u"03GEN2026"_s);
        step(0);
        QTRY_COMPARE_WITH_TIMEOUT(caption(m_form, "SOMMA"), u"116"_s, 50);
        QCOMPARE(caption(m_form, "Label3"), u"01GEN2026"_s);
        QCOMPARE(caption(m_form, "GP"), u"1"_s);
        // Record 1 has the same date text: the analysis of record 0 stays.
        step(1);
        QVERIFY(waitForTick(m_form));
        QCOMPARE(caption(m_form, "SOMMA"), u"116"_s);
        QCOMPARE(caption(m_form, "COLONNA").left(2), u"02"_s);
    }

    void hiddenMainWindowBlanksEverything()
    {
        m_main->hide();
        QTRY_COMPARE_WITH_TIMEOUT(caption(m_form, "Label3"), u"_________"_s, 50);
        QCOMPARE(caption(m_form, "Label4"), u"__"_s);
        click(m_form, "Command3D3"); // every panel blank
        QCOMPARE(QGuiApplication::clipboard()->text(), QString(31, u' ') + u"\r\n"_s);
        // Shown again: the first tick analyses the current draw anew.
        m_main->show();
        QTRY_COMPARE_WITH_TIMEOUT(caption(m_form, "SOMMA"), u"165"_s, 50);
        // The newest draw starts with "00": nothing is analysed, yet hiding still blanks the date.
        closeAllWindows();
        open(record("03GEN2026", "000309104508", "17", "01"));
        QVERIFY(waitForTick(m_form));
        QCOMPARE(caption(m_form, "COLONNA"), QString());
        m_main->hide();
        QTRY_COMPARE_WITH_TIMEOUT(caption(m_form, "Label3"), u"_________"_s, 50);
    }

    void printAndCopy()
    {
        // The printout and the copy take the draw and the eleven panels as the window shows them.
        click(m_form, "Command3D2");
        const QStringList lines = printedLines(m_printer.ops);
        QCOMPARE(lines.size(), 15);
        QCOMPARE(lines[1], u"               COMBINAZIONE VINCENTE SUPER ENALOTTO DEL 03GEN2026"_s);
        QCOMPARE(lines[3], u"                       03 08 09 10 45 90  NUMERO JOLLY 17"_s);
        click(m_form, "Command3D3");
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 u"03  08  09  10  45  90  J. 17    165  3  3  5  0  6  2  0   44  2 \r\n"_s);
        // A printer that fails half-way: the printout is abandoned without a word.
        m_printer.failAt = int(m_printer.ops.size()) + 4;
        MessageBoxWatcher boxes;
        click(m_form, "Command3D2");
        QCOMPARE(m_printer.ops.size(), m_printer.failAt);
        QVERIFY(boxes.seen.empty());
    }
};

QTEST_MAIN(TestForm43)
#include "tst_form43.moc"
