#include "app/program.h"
#include "archive/drawarchive.h"
#include "controls/command3d.h"
#include "controls/frame3d.h"
#include "support/recordingprinter.h"
#include "testutil.h"

#include <QClipboard>
#include <QLabel>
#include <QScrollBar>

using namespace enalotto;

using namespace Qt::StringLiterals;

class TestForm32 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { m_dir = std::make_unique<WorkDir>(); }
    void cleanup();
    void startsOnNewestSampleDraw();
    void startupFailure_data();
    void startupFailure();
    void contestNumbers_data();
    void contestNumbers();
    void oneRecordIsShown();
    void keyboardSteps();
    void furtherWindowCaptions();
    void informationPanelHidesAfterFiveSeconds();
    void vanishedRecordWarnsAndKeepsDraw_data();
    void vanishedRecordWarnsAndKeepsDraw();
    void printAndCopy();
    void printFailureIsSilent();
    void buttonsOpenWindows();
    void esciClosesOnlyThisWindow();

private:
    // Writes "se" into the test's folder and starts the program on it.
    Form32 *start(const QByteArray &archive);
    std::unique_ptr<WorkDir> m_dir;
    static QString text(QWidget *w, const char *name);
    static QScrollBar *scrollBar(QWidget *w) { return child<QScrollBar>(w, "VScroll1"); }
};

void TestForm32::initTestCase()
{
    qApp->setQuitOnLastWindowClosed(false);
}

void TestForm32::cleanup()
{
    closeAllWindows();
    setActivePrinter(nullptr);
    m_dir.reset();
}

Form32 *TestForm32::start(const QByteArray &archive)
{
    writeFile(u"se"_s, archive);
    if (!startProgram())
        return nullptr;
    return startupWindow();
}

QString TestForm32::text(QWidget *w, const char *name)
{
    QObject *o = w->findChild<QObject *>(QLatin1String(name));
    return o ? o->property("text").toString() : u"<no "_s + QLatin1String(name) + u'>';
}

void TestForm32::startsOnNewestSampleDraw()
{
    Form32 *w = start(readFile(QStringLiteral(ENALOTTO_SAMPLE_ARCHIVE)));
    QVERIFY(w);
    QVERIFY(w->isVisible());
    QCOMPARE(w->objectName(), u"Form32"_s);
    QVERIFY(w->windowTitle().startsWith(u"SUPER ENALOTTO PER VELTRAMO - "_s));
    QVERIFY(w->windowTitle().endsWith(u" - v.4.0.1"_s));
    QCOMPARE(text(w, "Command3D3"), u"ESCI"_s);
    QVERIFY(child<QWidget>(w, "Command3D27")->isHidden());
    QVERIFY(child<QWidget>(w, "Command3D9")->isHidden());
    QVERIFY(!child<QWidget>(w, "Command3D26")->isHidden());
    QVERIFY(!child<QWidget>(w, "Picture1")->isVisible());

    QCOMPARE(scrollBar(w)->maximum(), 4201);
    QCOMPARE(scrollBar(w)->value(), 4201);
    QCOMPARE(text(w, "Frame3D1"), u"23MAG2026"_s);
    QCOMPARE(text(w, "Label31"), u" 4202"_s);
    QCOMPARE(text(w, "Label3"), u"83"_s);
    const QByteArray newest = readFile(u"se"_s).right(25);
    QCOMPARE(text(w, "CJ"), QString::fromLatin1(newest.mid(21, 2)));
    QCOMPARE(text(w, "ss"), QString::fromLatin1(newest.mid(23, 2)));
    for (int k = 0; k < 6; ++k)
        QVERIFY(text(w, QByteArray("CV" + QByteArray::number(k)).constData()).size() == 2);

    // Positions follow the design (15 twips a pixel at 96 dpi).
    QCOMPARE(child<QWidget>(w, "Command3D3")->geometry(), QRect(416, 120, 169, 41));
    QCOMPARE(w->size(), QSize(625, 168));
    QCOMPARE(child<QLabel>(w, "CV0")->palette().color(QPalette::WindowText), QColor(Qt::white));
}

void TestForm32::startupFailure_data()
{
    QTest::addColumn<QByteArray>("archive"); // see placeFile()
    QTest::addColumn<QString>("says");
    QTest::newRow("missing") << QByteArray("<none>") << u"Impossibile leggere"_s;
    QTest::newRow("a-folder") << QByteArray("<dir>") << u"Impossibile leggere"_s;
    QTest::newRow("a-named-pipe") << QByteArray("<fifo>") << u"Impossibile leggere"_s;
    QTest::newRow("empty") << QByteArray() << u"non contiene nessuna estrazione"_s;
    QTest::newRow("shorter-than-a-record")
        << QByteArray("03DIC1997010203") << u"non contiene nessuna estrazione"_s;
    QTest::newRow("too-many-records")
        << yearOfRecords(2020, MaxArchiveRecords + 1) << u"troppe per questo programma"_s;
}

void TestForm32::startupFailure()
{
    QFETCH(QByteArray, archive);
    QFETCH(QString, says);
    placeFile(u"se"_s, archive);

    MessageBoxWatcher boxes;
    QVERIFY(!startProgram());
    QCOMPARE(boxes.seen.size(), size_t(1));
    QCOMPARE(boxes.seen[0].title, u"Informazioni generali"_s);
    QCOMPARE(boxes.seen[0].icon, QMessageBox::Information);
    QVERIFY2(boxes.seen[0].text.contains(says), qPrintable(boxes.seen[0].text));
    QVERIFY(boxes.seen[0].text.contains(u"\"se\""_s));
    QVERIFY(boxes.seen[0].text.contains(QDir::toNativeSeparators(QDir::currentPath())));
    QVERIFY(!startupWindow());
    QVERIFY(QApplication::topLevelWidgets().isEmpty() ||
            std::none_of(QApplication::topLevelWidgets().begin(),
                         QApplication::topLevelWidgets().end(),
                         [](QWidget *w) { return w->isVisible(); }));
}

void TestForm32::contestNumbers_data()
{
    QTest::addColumn<int>("stepsBack");
    QTest::addColumn<QString>("contest");
    QTest::addColumn<QString>("record");
    QTest::newRow("newest") << 0 << u"152"_s << u" 162"_s;
    QTest::newRow("first-of-newest-year") << 151 << u"1"_s << u" 11"_s;
    QTest::newRow("last-of-previous-year") << 152 << u"__"_s << u" 10"_s;
    QTest::newRow("oldest") << 161 << u"__"_s << u" 1"_s;
}

void TestForm32::contestNumbers()
{
    QFETCH(int, stepsBack);
    QFETCH(QString, contest);
    QFETCH(QString, record);
    Form32 *w = start(yearOfRecords(2019, 10) + yearOfRecords(2020, 152));
    QVERIFY(w);
    QCOMPARE(w->lastYearCount(), 152);
    clickScrollBar(scrollBar(w), QStyle::SC_ScrollBarSlider);
    for (int i = 0; i < stepsBack; ++i)
        QTest::keyClick(scrollBar(w), Qt::Key_Up);
    QCOMPARE(text(w, "Label3"), contest);
    QCOMPARE(text(w, "Label31"), record);
    QCOMPARE(text(w, "Frame3D1").right(4), stepsBack <= 151 ? u"2020"_s : u"2019"_s);
}

void TestForm32::oneRecordIsShown()
{
    Form32 *w = start(record("05MAR2019", "450790013312", "02", "99"));
    QVERIFY(w);
    QCOMPARE(text(w, "Frame3D1"), u"05MAR2019"_s);
    QCOMPARE(text(w, "CV0"), u"01"_s);
    QCOMPARE(text(w, "CV5"), u"90"_s);
    QCOMPARE(text(w, "CJ"), u"02"_s);
    QCOMPARE(text(w, "Label31"), u" 1"_s);
    QCOMPARE(text(w, "Label3"), u"1"_s);
}

void TestForm32::keyboardSteps()
{
    Form32 *w = start(yearOfRecords(2020, 30));
    QVERIFY(w);
    QApplication::setActiveWindow(w);
    QVERIFY(QTest::qWaitForWindowActive(w));
    QScrollBar *bar = scrollBar(w);
    clickScrollBar(bar, QStyle::SC_ScrollBarSlider); // takes the focus, moves nothing
    QVERIFY(bar->hasFocus());
    QCOMPARE(bar->value(), 29);
    QTest::keyClick(bar, Qt::Key_Up);
    QCOMPARE(bar->value(), 28);
    QCOMPARE(text(w, "Label31"), u" 29"_s);
    QTest::keyClick(bar, Qt::Key_Home);
    QCOMPARE(text(w, "Label31"), u" 1"_s);
    QTest::keyClick(bar, Qt::Key_End);
    QCOMPARE(text(w, "Label31"), u" 30"_s);
}

void TestForm32::furtherWindowCaptions()
{
    Form32 *w = start(yearOfRecords(2020, 3));
    QVERIFY(w);
    const QString caption = w->windowTitle();
    auto further = [](Form32 *from) {
        const auto before = QApplication::topLevelWidgets();
        QTest::mouseClick(child<QPushButton>(from, "Command3D8"), Qt::LeftButton);
        for (QWidget *t : QApplication::topLevelWidgets()) {
            if (!before.contains(t) && t->objectName() == u"Form32"_s)
                return static_cast<Form32 *>(t);
        }
        return static_cast<Form32 *>(nullptr);
    };
    Form32 *second = further(w);
    QVERIFY(second);
    QVERIFY(second->isVisible());
    QCOMPARE(second->windowTitle(), caption + u" 1.1"_s);
    QCOMPARE(text(second, "Frame3D1"), text(w, "Frame3D1"));
    QCOMPARE(startupWindow(), w);

    // Visible already: a second click opens nothing.
    QVERIFY(!further(w));
    // Closed: the next click loads it afresh.
    second->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Form32 *again = further(w);
    QVERIFY(again);
    QCOMPARE(again->windowTitle(), caption + u" 1.1"_s);

    w->setWindowTitle(u"X 2"_s);
    again->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Form32 *third = further(w);
    QVERIFY(third);
    QCOMPARE(third->windowTitle(), caption + u" 3"_s);
}

void TestForm32::informationPanelHidesAfterFiveSeconds()
{
    Form32 *w = start(yearOfRecords(2020, 3));
    QVERIFY(w);
    QWidget *panel = child<QWidget>(w, "Picture1");
    QTest::mouseClick(child<QPushButton>(w, "Command3D6"), Qt::LeftButton);
    QVERIFY(panel->isVisible());
    QTest::qWait(4500);
    QVERIFY(panel->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!panel->isVisible(), 1500);
}

void TestForm32::vanishedRecordWarnsAndKeepsDraw_data()
{
    QTest::addColumn<QByteArray>("change"); // what "se" becomes; see placeFile()
    QTest::newRow("removed") << QByteArray("<none>");
    QTest::newRow("shortened") << yearOfRecords(2020, 2);
    QTest::newRow("replaced-by-folder") << QByteArray("<dir>");
    QTest::newRow("replaced-by-named-pipe") << QByteArray("<fifo>");
}

void TestForm32::vanishedRecordWarnsAndKeepsDraw()
{
    QFETCH(QByteArray, change);
    const QByteArray archive = yearOfRecords(2020, 10);
    Form32 *w = start(archive);
    QVERIFY(w);
    QScrollBar *bar = scrollBar(w);
    const QString date = text(w, "Frame3D1");
    QFile::remove(u"se"_s);
    placeFile(u"se"_s, change);

    // The press is held: the arrow's repeat must not step again under the warning.
    MessageBoxWatcher boxes;
    const QPoint up = scrollBarPart(bar, QStyle::SC_ScrollBarSubLine);
    QTest::mousePress(bar, Qt::LeftButton, {}, up);
    QTest::qWait(2000);
    QCOMPARE(boxes.seen.size(), size_t(1));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, up);
    QTest::qWait(200);
    QCOMPARE(boxes.seen.size(), size_t(1));
    QCOMPARE(boxes.seen[0].title, u"Informazioni generali"_s);
    QCOMPARE(boxes.seen[0].icon, QMessageBox::Warning);
    QCOMPARE(text(w, "Frame3D1"), date);
    QCOMPARE(text(w, "Label31"), u" 10"_s);
    QCOMPARE(bar->value(), 9);
    QVERIFY(w->isVisible());

    // Once "se" is back, the next click steps as usual.
    QFile::remove(u"se"_s);
    QDir().rmdir(u"se"_s);
    writeFile(u"se"_s, archive);
    clickScrollBar(bar, QStyle::SC_ScrollBarSubLine);
    QCOMPARE(text(w, "Label31"), u" 9"_s);
    QCOMPARE(boxes.seen.size(), size_t(1));
}

void TestForm32::printAndCopy()
{
    Form32 *w = start(record("23MAG2026", "450790013312", "20", "55"));
    QVERIFY(w);
    RecordingPrinter printer;
    setActivePrinter(&printer);
    QTest::mouseClick(child<QPushButton>(w, "Command3D1"), Qt::LeftButton);
    const QStringList page{
        QString(), u"                 COMBINAZIONE VINCENTE SUPER ENALOTTO DEL 23MAG2026"_s,
        QString(), u"               01 07 12 33 45 90  NUMERO JOLLY 20  NUMERO SUPERSTAR 55"_s};
    QCOMPARE(printedLines(printer.ops), page);
    QTest::mouseClick(child<QPushButton>(w, "Command3D1"), Qt::LeftButton);
    QCOMPARE(printedLines(printer.ops), page + page);

    QTest::mouseClick(child<QPushButton>(w, "Command3D5"), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"01 07 12 33 45 90 20 55"_s);
}

void TestForm32::printFailureIsSilent()
{
    Form32 *w = start(yearOfRecords(2020, 3));
    QVERIFY(w);
    RecordingPrinter printer;
    printer.failAt = 2;
    setActivePrinter(&printer);
    MessageBoxWatcher boxes;
    QTest::mouseClick(child<QPushButton>(w, "Command3D1"), Qt::LeftButton);
    QTest::qWait(20);
    QVERIFY(boxes.seen.empty());
    QCOMPARE(printer.ops.size(), 2);
    QVERIFY(w->isVisible());
    QCOMPARE(text(w, "Label31"), u" 3"_s);
}

void TestForm32::buttonsOpenWindows()
{
    Form32 *w = start(yearOfRecords(2020, 3));
    QVERIFY(w);
    const std::pair<const char *, QString> buttons[] = {
        {"Command3D26", u"Form29"_s}, {"Command3D12", u"Form14"_s}, {"Command3D27", u"Form43"_s}};
    for (const auto &[button, form] : buttons) {
        child<QPushButton>(w, button)->click();
        const auto windows = QApplication::topLevelWidgets();
        QVERIFY2(std::any_of(windows.begin(), windows.end(),
                             [&](QWidget *t) { return t->objectName() == form && t->isVisible(); }),
                 qPrintable(form));
    }
    QCOMPARE(child<Command3D>(w, "Command3D27")->textColor(), QColor(255, 255, 0));
    QVERIFY(w->isVisible());
}

void TestForm32::esciClosesOnlyThisWindow()
{
    Form32 *w = start(yearOfRecords(2020, 3));
    QVERIFY(w);
    QTest::mouseClick(child<QPushButton>(w, "Command3D26"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(w, "Command3D3"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!startupWindow());
    const auto windows = QApplication::topLevelWidgets();
    QVERIFY(std::any_of(windows.begin(), windows.end(), [](QWidget *t) {
        return t->objectName() == u"Form29"_s && t->isVisible();
    }));
}

QTEST_MAIN(TestForm32)
#include "tst_form32.moc"
