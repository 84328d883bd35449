// The archive window's ticket check and chart of frequencies and delays, driven by keys and
// clicks, against known draws, the command-line tool and a small made-up archive.
#include "archive_window/archivewindow.h"
#include "archive_window/frequencypanel.h"
#include "archivio/archivetool.h"
#include "testutil.h"

#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextStream>
#include <QToolTip>

using namespace Qt::StringLiterals;

class TestArchivePanels : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void ticketOnKnownDraws_data();
    void ticketOnKnownDraws();
    void ticketAgreesWithTheTool_data();
    void ticketAgreesWithTheTool();
    void checkNeedsAValidTicket_data();
    void checkNeedsAValidTicket();
    void chartFigures();
    void chartFollowsAnAddedDraw();

private:
    ArchiveWindow *open()
    {
        m_window = std::make_unique<ArchiveWindow>();
        m_window->show();
        return m_window.get();
    }
    void showTab(int index) // a click on the tab, as a person changes tabs
    {
        QTabBar *bar = child<QTabWidget>(m_window.get(), "tabs")->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
        QCOMPARE(bar->currentIndex(), index);
    }
    void typeInto(const char *name, const QString &typed)
    {
        auto *f = child<QLineEdit>(m_window.get(), name);
        QTest::mouseClick(f, Qt::LeftButton);
        QTest::keyClick(f, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(f, typed);
    }
    QString text(const char *name) const { return child<QLabel>(m_window.get(), name)->text(); }

    std::unique_ptr<WorkDir> m_dir;
    std::unique_ptr<ArchiveWindow> m_window;
};

void TestArchivePanels::init()
{
    m_dir = std::make_unique<WorkDir>();
    QVERIFY(QFile::copy(QStringLiteral(ENALOTTO_SAMPLE_ARCHIVE), u"se"_s));
}

void TestArchivePanels::cleanup()
{
    m_window.reset();
    m_dir.reset();
}

void TestArchivePanels::ticketOnKnownDraws_data()
{
    QTest::addColumn<QString>("numbers");
    QTest::addColumn<QString>("superStar");
    QTest::addColumn<QString>("won");
    QTest::newRow("six") << u"14 29 34 57 59 69"_s << QString() << u"6"_s;
    QTest::newRow("five-plus") << u"14, 29, 34, 57, 59, 20"_s << QString() << u"5+"_s;
    QTest::newRow("five-stella") << u"14 29 34 57 59 1"_s << u"16"_s << u"5 STELLA"_s;
}

void TestArchivePanels::ticketOnKnownDraws()
{
    QFETCH(QString, numbers);
    QFETCH(QString, superStar);
    QFETCH(QString, won);
    open();
    showTab(1);
    typeInto("ticketNumbers", numbers);
    if (!superStar.isEmpty())
        typeInto("ticketSuperStar", superStar);
    typeInto("ticketFrom", u"20/05/2026"_s);
    QTest::mouseClick(child<QPushButton>(m_window.get(), "check"), Qt::LeftButton);
    auto *wins = child<QTableWidget>(m_window.get(), "ticketWins");
    QCOMPARE(wins->rowCount(), 1);
    QCOMPARE(wins->item(0, 0)->text(), u"23/05/2026"_s);
    QCOMPARE(wins->item(0, 1)->text(), won);
}

void TestArchivePanels::ticketAgreesWithTheTool_data()
{
    QTest::addColumn<QString>("numbers");
    QTest::addColumn<QString>("superStar");
    QTest::newRow("column") << u"5 17 38 57 64 81"_s << QString();
    QTest::newRow("system-7-superstar") << u"3 14 29 34 57 59 88"_s << u"16"_s;
    QTest::newRow("system-12") << u"1 7 14 20 29 33 34 45 57 59 69 90"_s << QString();
}

void TestArchivePanels::ticketAgreesWithTheTool()
{
    QFETCH(QString, numbers);
    QFETCH(QString, superStar);
    QStringList args = QStringList{u"controlla"_s} + numbers.split(u' ');
    if (!superStar.isEmpty())
        args << u"--superstar"_s << superStar;
    QString out, err;
    QTextStream o(&out), e(&err);
    QCOMPARE(runArchiveTool(args, o, e), 0);
    o.flush();
    const QString tool = out.mid(out.indexOf(u"Vincite per categoria:"_s)).trimmed();
    open();
    showTab(1);
    typeInto("ticketNumbers", numbers);
    if (!superStar.isEmpty())
        typeInto("ticketSuperStar", superStar);
    QTest::mouseClick(child<QPushButton>(m_window.get(), "check"), Qt::LeftButton);
    QVERIFY2(text("ticketSummary").contains(tool),
             qPrintable(text("ticketSummary") + u'\n' + tool));
    QCOMPARE(child<QTableWidget>(m_window.get(), "ticketWins")->rowCount(),
             int(out.count(u'\n')) - 2 - int(out.contains(u"Il SuperStar si estrae"_s)));
}

void TestArchivePanels::checkNeedsAValidTicket_data()
{
    QTest::addColumn<QString>("numbers");
    QTest::addColumn<QString>("superStar");
    QTest::addColumn<QString>("problem");
    QTest::newRow("five") << u"1 2 3 4 5"_s << QString() << u"servono almeno 6 numeri"_s;
    QTest::newRow("twenty-one") << u"1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21"_s
                                << QString() << u"al massimo 20"_s;
    QTest::newRow("out-of-range") << u"1 2 3 4 5 91"_s << QString() << u"91 non è tra 1 e 90"_s;
    QTest::newRow("repeated") << u"1 2 3 4 5 5"_s << QString() << u"5 è ripetuto"_s;
    QTest::newRow("superstar") << u"1 2 3 4 5 6"_s << u"0"_s << u"SuperStar \"0\""_s;
    QTest::newRow("valid") << u"1 2 3 4 5 6"_s << u"7"_s << QString();
}

void TestArchivePanels::checkNeedsAValidTicket()
{
    QFETCH(QString, numbers);
    QFETCH(QString, superStar);
    QFETCH(QString, problem);
    open();
    showTab(1);
    typeInto("ticketNumbers", numbers);
    if (!superStar.isEmpty())
        typeInto("ticketSuperStar", superStar);
    QCOMPARE(child<QPushButton>(m_window.get(), "check")->isEnabled(), problem.isEmpty());
    QVERIFY2(text("ticketProblem").contains(problem), qPrintable(text("ticketProblem")));
}

void TestArchivePanels::chartFigures()
{
    // Number 1 in all three draws, 2 in the first only (delay 2), 90 never (delay 3).
    writeFile(u"se"_s, record("19MAG2026", "010203040506", "07", "08") +
                           record("21MAG2026", "011213141516", "17", "18") +
                           record("23MAG2026", "012223242526", "27", "28"));
    open();
    showTab(2);
    auto *chart = child<FrequencyChart>(m_window.get(), "chart");
    QCOMPARE(chart->figures()[1].count, 3);
    QCOMPARE(chart->figures()[2].currentDelay, 2);
    QCOMPARE(chart->figures()[90].currentDelay, 3);
    QVERIFY2(text("extremes").contains(u"Più frequente: 1 (3)"_s), qPrintable(text("extremes")));
    QVERIFY(text("extremes").contains(u"Più in ritardo: 7, 8, 9, 10, 11, 17, "_s));
    // The chart over the newest draw only, chosen with the spin box's arrow key.
    auto *last = child<QSpinBox>(m_window.get(), "lastDraws");
    QTest::mouseClick(last, Qt::LeftButton);
    QTest::keyClick(last, Qt::Key_Down);
    QTest::keyClick(last, Qt::Key_Down);
    QCOMPARE(last->value(), 1);
    QCOMPARE(chart->figures()[2].count, 0);
    QVERIFY(text("extremes").startsWith(u"Su 1 estrazioni, dal 23MAG2026 al 23MAG2026."_s));
    // A tooltip on a bar gives the number and its figures.
    QTest::mouseMove(chart, chart->barArea(1).center());
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), u"Numero 1: uscito 1 volte, ritardo 0"_s);
}

void TestArchivePanels::chartFollowsAnAddedDraw()
{
    writeFile(u"se"_s, record("23MAG2026", "010203040506", "07", "08"));
    open();
    auto *chart = child<FrequencyChart>(m_window.get(), "chart");
    QCOMPARE(chart->figures()[90].count, 0);
    const char *names[] = {"n1", "n2", "n3", "n4", "n5", "n6", "jolly", "superstar"};
    const QStringList values{u"90"_s, u"89"_s, u"88"_s, u"87"_s, u"86"_s, u"85"_s, u"7"_s, u"8"_s};
    for (int i = 0; i < 8; ++i)
        typeInto(names[i], values[i]);
    QTest::mouseClick(child<QPushButton>(m_window.get(), "add"), Qt::LeftButton);
    showTab(2);
    QCOMPARE(chart->figures()[90].count, 1);
    QCOMPARE(chart->figures()[1].currentDelay, 1);
    QVERIFY(text("extremes").startsWith(u"Su 2 estrazioni"_s));
}

QTEST_MAIN(TestArchivePanels)
#include "tst_archivepanels.moc"
