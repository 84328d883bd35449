#include "analysis/form43.h"
#include "app/program.h"
#include "controls/command3d.h"
#include "support/recordingprinter.h"
#include "testutil.h"

#include <QClipboard>
#include <QLabel>
#include <QScrollBar>

using namespace enalotto;

using namespace Qt::StringLiterals;

class TestForm43 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void fillsEveryPanelWithinATick();
    void followsSteppingButNotSameDate();
    void doubleZeroKeepsContent();
    void hiddenMainWindowBlanksEverything();
    void printAndCopy();
    void printFailureIsSilent();
    void closingRestoresButtonColour();

private:
    std::unique_ptr<WorkDir> m_dir;
    RecordingPrinter m_printer;
    Form32 *m_main = nullptr;
    Form43 *m_form = nullptr;

    QString caption(const char *name) const
    {
        return m_form->findChild<QObject *>(QLatin1String(name))->property("text").toString();
    }
    QStringList panels() const
    {
        QStringList values;
        for (const char *name : {"COLONNA", "SOMMA", "NPARI", "NDISP", "INTE", "GP", "GD", "CONS",
                                 "MIN", "MAS", "EST"})
            values << caption(name);
        return values;
    }
    // Steps the main window to a record with clicks on its scroll bar's arrows.
    void step(int value) { clickScrollBarTo(child<QScrollBar>(m_main, "VScroll1"), value); }
};

void TestForm43::initTestCase()
{
    qApp->setQuitOnLastWindowClosed(false);
}

void TestForm43::init()
{
    m_dir = std::make_unique<WorkDir>();
    writeFile(u"se"_s, record("01GEN2026", "020406111380", "33", "00") +
                           record("01GEN2026", "102031335264", "44", "00") +
                           record("02GEN2026", "000102030405", "06", "07") +
                           record("03GEN2026", "900309104508", "17", "01"));
    m_printer = RecordingPrinter();
    setActivePrinter(&m_printer);
    QVERIFY(startProgram());
    m_main = startupWindow();
    QTest::mouseClick(child<QPushButton>(m_main, "Command3D27"), Qt::LeftButton);
    m_form = qobject_cast<Form43 *>(QApplication::activeWindow());
    if (!m_form) {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *f = qobject_cast<Form43 *>(w))
                m_form = f;
    }
    QVERIFY(m_form);
}

void TestForm43::cleanup()
{
    closeAllWindows();
    setActivePrinter(nullptr);
    m_dir.reset();
}

void TestForm43::fillsEveryPanelWithinATick()
{
    QTRY_COMPARE_WITH_TIMEOUT(caption("Label3"), u"03GEN2026"_s, 50);
    QCOMPARE(m_form->windowTitle(), u"ANALISI SISTEMISTICA COLONNA VINCENTE"_s);
    QCOMPARE(caption("Label4"), u"4"_s);
    QCOMPARE(panels(), (QStringList{u"03  08  09  10  45  90  J. 17"_s, u"165"_s, u"3"_s, u"3"_s,
                                    u"5"_s, u"0"_s, u"6"_s, u"2"_s, u"0"_s, u"44"_s, u"2"_s}));
    QCOMPARE(caption("COLONNA").size(), 29);
}

void TestForm43::followsSteppingButNotSameDate()
{
    QTRY_COMPARE_WITH_TIMEOUT(caption("Label3"), u"03GEN2026"_s, 50);
    step(0);
    QTRY_COMPARE_WITH_TIMEOUT(caption("SOMMA"), u"116"_s, 50);
    QCOMPARE(caption("Label3"), u"01GEN2026"_s);
    QCOMPARE(caption("GP"), u"1"_s);
    // Record 1 has the same date text: the analysis of record 0 stays.
    step(1);
    QTest::qWait(30);
    QCOMPARE(caption("SOMMA"), u"116"_s);
    QCOMPARE(caption("COLONNA").left(2), u"02"_s);
}

void TestForm43::doubleZeroKeepsContent()
{
    QTRY_COMPARE_WITH_TIMEOUT(caption("Label3"), u"03GEN2026"_s, 50);
    const QStringList before = panels();
    step(2); // first number "00"
    QTest::qWait(30);
    QCOMPARE(panels(), before);
    QCOMPARE(caption("Label3"), u"03GEN2026"_s);
}

void TestForm43::hiddenMainWindowBlanksEverything()
{
    QTRY_COMPARE_WITH_TIMEOUT(caption("Label3"), u"03GEN2026"_s, 50);
    m_main->hide();
    QTRY_COMPARE_WITH_TIMEOUT(caption("Label3"), u"_________"_s, 50);
    QCOMPARE(caption("Label4"), u"__"_s);
    QCOMPARE(panels(), QStringList(11, QString()));
    QTest::mouseClick(child<QPushButton>(m_form, "Command3D3"), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString(31, u' ') + u"\r\n"_s);
    // Shown again: the first tick analyses the current draw anew.
    m_main->show();
    QTRY_COMPARE_WITH_TIMEOUT(caption("Label3"), u"03GEN2026"_s, 50);
    QCOMPARE(caption("SOMMA"), u"165"_s);
}

void TestForm43::printAndCopy()
{
    QTRY_COMPARE_WITH_TIMEOUT(caption("Label3"), u"03GEN2026"_s, 50);
    QTest::mouseClick(child<QPushButton>(m_form, "Command3D2"), Qt::LeftButton);
    const QStringList lines = printedLines(m_printer.ops);
    QCOMPARE(lines.size(), 15);
    QCOMPARE(lines[1], u"               COMBINAZIONE VINCENTE SUPER ENALOTTO DEL 03GEN2026"_s);
    QCOMPARE(lines[3], u"                       03 08 09 10 45 90  NUMERO JOLLY 17"_s);
    QCOMPARE(lines[5], u"                            SOMMA GLOBALE : 165"_s);
    QCOMPARE(lines[14], u"                       INTERVALLO ESTERNO : 2"_s);
    QTest::mouseClick(child<QPushButton>(m_form, "Command3D2"), Qt::LeftButton);
    QCOMPARE(printedLines(m_printer.ops), lines + lines);

    QTest::mouseClick(child<QPushButton>(m_form, "Command3D3"), Qt::LeftButton);
    const QString copy = QGuiApplication::clipboard()->text();
    QCOMPARE(copy, u"03  08  09  10  45  90  J. 17    165  3  3  5  0  6  2  0   44  2 \r\n"_s);
    QCOMPARE(copy.size() - 2, 66);
}

void TestForm43::printFailureIsSilent()
{
    QTRY_COMPARE_WITH_TIMEOUT(caption("Label3"), u"03GEN2026"_s, 50);
    m_printer.failAt = 4;
    MessageBoxWatcher boxes;
    QTest::mouseClick(child<QPushButton>(m_form, "Command3D2"), Qt::LeftButton);
    QTest::qWait(20);
    QVERIFY(boxes.seen.empty());
    QCOMPARE(m_printer.ops.size(), 4);
    QCOMPARE(caption("SOMMA"), u"165"_s);
}

void TestForm43::closingRestoresButtonColour()
{
    auto *button = child<Command3D>(m_main, "Command3D27");
    QCOMPARE(button->textColor(), QColor(255, 255, 0));
    m_form->close();
    QCOMPARE(button->textColor(), QColor(0, 0, 0));
    QVERIFY(m_main->isVisible());
}

QTEST_MAIN(TestForm43)
#include "tst_form43.moc"
