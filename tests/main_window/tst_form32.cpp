// The main window: start-up on good and bad archives, stepping with the scroll bar's keys
// and presses, the contest number, a record that vanished, printing, copying and the windows
// it opens. Its controls as designed are in tst_design.
#include "about/form14.h"
#include "archive/drawarchive.h"
#include "controls/command3d.h"
#include "support/recordingprinter.h"
#include "testutil.h"

#include <QClipboard>
#include <QElapsedTimer>

class TestForm32 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpWindowTests(); }
    void init() { m_dir = std::make_unique<WorkDir>(); }
    void cleanup();
    void startsOnNewestDraw_data();
    void startsOnNewestDraw();
    void grownArchiveIsReadAsItIsNow();
    void startupFailure_data();
    void startupFailure();
    void stepping_data();
    void stepping();
    void furtherWindowCaptions();
    void informationPanelHidesAfterFiveSeconds();
    void vanishedRecordWarnsAndKeepsDraw_data();
    void vanishedRecordWarnsAndKeepsDraw();
    void printAndCopy();
    void printFailureIsSilent();
    void buttonsOpenWindows();

private:
    std::unique_ptr<WorkDir> m_dir;
    static QScrollBar *bar(QWidget *w) { return child<QScrollBar>(w, "VScroll1"); }
};

void TestForm32::cleanup()
{
    closeAllWindows();
    setActivePrinter(nullptr);
    m_dir.reset();
}

void TestForm32::startsOnNewestDraw_data()
{
    QTest::addColumn<QByteArray>("archive");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("record");
    QTest::addColumn<QString>("contest");
    QTest::newRow("sample") << readFile(QStringLiteral(ENALOTTO_SAMPLE_ARCHIVE)) << u"23MAG2026"_s
                            << u" 4202"_s << u"83"_s;
    const char *highBytes = "02\x80\x81\xff"
                            "2020";
    QTest::newRow("high-bytes-in-the-date-shown-as-windows-1252")
        << record(highBytes, "010203040506", "07", "08") << u"02\u20ac\u0081\u00ff2020"_s << u" 1"_s
        << u"1"_s;
    QTest::newRow("largest") << yearOfRecords(2020, MaxArchiveRecords) << u"07GEN2020"_s
                             << u" 32767"_s << u"32767"_s;
}

void TestForm32::startsOnNewestDraw()
{
    QFETCH(QByteArray, archive);
    QFETCH(QString, date);
    QFETCH(QString, record);
    QFETCH(QString, contest);
    Form32 *w = startOn(archive);
    QVERIFY(w);
    QVERIFY(w->isVisible());
    QCOMPARE(bar(w)->maximum(), int(archive.size() / 25) - 1);
    QCOMPARE(caption(w, "Frame3D1"), date);
    QCOMPARE(caption(w, "Label31"), record);
    QCOMPARE(caption(w, "Label3"), contest);
}

void TestForm32::grownArchiveIsReadAsItIsNow()
{
    Form32 *w = startOn(yearOfRecords(2020, 5));
    QVERIFY(w);
    QFile::remove(u"se"_s);
    writeFile(u"se"_s, yearOfRecords(2021, 50));
    // The bar keeps the range of start-up; each step reads what the file now holds.
    QCOMPARE(bar(w)->maximum(), 4);
    clickScrollBarTo(bar(w), 2);
    QCOMPARE(caption(w, "Frame3D1"), u"03GEN2021"_s);
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
    QVERIFY(boxes.seen[0].text.contains(u"\"se\" nella cartella\n"_s + QDir::currentPath()));
    QVERIFY(!startupWindow());
    const auto windows = QApplication::topLevelWidgets();
    QVERIFY(
        std::none_of(windows.begin(), windows.end(), [](QWidget *t) { return t->isVisible(); }));
}

void TestForm32::stepping_data()
{
    // Ten draws of 2019, then 152 of 2020: the contest number counts the newest year's draws.
    QTest::addColumn<int>("key"); // a key, or a part of the bar pressed with the mouse
    QTest::addColumn<int>("times");
    QTest::addColumn<QString>("contest");
    QTest::addColumn<QString>("record");
    const int up = Qt::Key_Up;
    QTest::newRow("newest") << up << 0 << u"152"_s << u" 162"_s;
    QTest::newRow("first-of-newest-year") << up << 151 << u"1"_s << u" 11"_s;
    QTest::newRow("last-of-previous-year") << up << 152 << u"__"_s << u" 10"_s;
    QTest::newRow("page-up-steps-ten") << int(Qt::Key_PageUp) << 2 << u"132"_s << u" 142"_s;
    QTest::newRow("home-is-oldest") << int(Qt::Key_Home) << 1 << u"__"_s << u" 1"_s;
    QTest::newRow("end-after-up-is-newest") << int(Qt::Key_End) << 1 << u"152"_s << u" 162"_s;
    QTest::newRow("press-on-the-up-arrow")
        << -int(QStyle::SC_ScrollBarSubLine) << 3 << u"149"_s << u" 159"_s;
}

void TestForm32::stepping()
{
    QFETCH(int, key);
    QFETCH(int, times);
    QFETCH(QString, contest);
    QFETCH(QString, record);
    Form32 *w = startOn(yearOfRecords(2019, 10) + yearOfRecords(2020, 152));
    QVERIFY(w);
    QApplication::setActiveWindow(w);
    QVERIFY(QTest::qWaitForWindowActive(w));
    clickScrollBar(bar(w), QStyle::SC_ScrollBarSlider); // takes the focus, moves nothing
    QVERIFY(bar(w)->hasFocus());
    if (key == Qt::Key_End)
        QTest::keyClick(bar(w), Qt::Key_Up);
    for (int i = 0; i < times; ++i) {
        if (key < 0)
            clickScrollBar(bar(w), QStyle::SubControl(-key));
        else
            QTest::keyClick(bar(w), Qt::Key(key));
    }
    QCOMPARE(caption(w, "Label3"), contest);
    QCOMPARE(caption(w, "Label31"), record);
    QCOMPARE(caption(w, "Frame3D1").right(4), contest == u"__"_s ? u"2019"_s : u"2020"_s);
}

void TestForm32::furtherWindowCaptions()
{
    Form32 *w = startOn(yearOfRecords(2020, 3));
    QVERIFY(w);
    const QString title = w->windowTitle();
    auto further = [w] {
        const auto before = QApplication::topLevelWidgets();
        click(w, "Command3D8");
        for (QWidget *t : QApplication::topLevelWidgets()) {
            if (!before.contains(t) && t->objectName() == u"Form32"_s)
                return static_cast<Form32 *>(t);
        }
        return static_cast<Form32 *>(nullptr);
    };
    auto closeIt = [](QWidget *t) {
        t->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    Form32 *second = further();
    QVERIFY(second && second->isVisible());
    QCOMPARE(second->windowTitle(), title + u" 1.1"_s);
    QCOMPARE(caption(second, "Frame3D1"), caption(w, "Frame3D1"));
    QCOMPARE(startupWindow(), w);
    QVERIFY(!further()); // visible already: a second click opens nothing
    closeIt(second);
    Form32 *again = further(); // closed: the next click loads it afresh
    QVERIFY(again);
    QCOMPARE(again->windowTitle(), title + u" 1.1"_s);
    w->setWindowTitle(u"X 2"_s);
    closeIt(again);
    Form32 *third = further();
    QVERIFY(third);
    QCOMPARE(third->windowTitle(), title + u" 3"_s);
    // ESCI closes the window it is on; the others stay.
    click(w, "Command3D3");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!startupWindow());
    QVERIFY(third->isVisible());
}

void TestForm32::informationPanelHidesAfterFiveSeconds()
{
    Form32 *w = startOn(yearOfRecords(2020, 3));
    QVERIFY(w);
    QWidget *panel = child<QWidget>(w, "Picture1");
    auto *timer = child<QTimer>(w, "Timer1");
    click(w, "Command3D6");
    QVERIFY(panel->isVisible());
    QTRY_VERIFY(timer->remainingTime() < 4500);
    // A second press gives the panel its five seconds again (a coarse timer may fire 5 % early).
    click(w, "Command3D6");
    QVERIFY(timer->remainingTime() >= 4700);
    QElapsedTimer shown;
    shown.start();
    QTRY_VERIFY_WITH_TIMEOUT(!panel->isVisible(), 6000);
    QVERIFY2(shown.elapsed() >= 4700, qPrintable(QString::number(shown.elapsed())));
}

void TestForm32::vanishedRecordWarnsAndKeepsDraw_data()
{
    QTest::addColumn<QByteArray>("change"); // what "se" becomes; see placeFile()
    QTest::addColumn<int>("shown");         // the record shown when it happens
    QTest::newRow("removed") << QByteArray("<none>") << 9;
    QTest::newRow("shortened") << yearOfRecords(2020, 2) << 9;
    QTest::newRow("replaced-by-folder") << QByteArray("<dir>") << 9;
    QTest::newRow("replaced-by-named-pipe") << QByteArray("<fifo>") << 9;
    QTest::newRow("removed-while-on-the-oldest") << QByteArray("<none>") << 0;
}

void TestForm32::vanishedRecordWarnsAndKeepsDraw()
{
    QFETCH(QByteArray, change);
    QFETCH(int, shown);
    const QByteArray archive = yearOfRecords(2020, 10);
    Form32 *w = startOn(archive);
    QVERIFY(w);
    clickScrollBarTo(bar(w), shown);
    const QString date = caption(w, "Frame3D1");
    QFile::remove(u"se"_s);
    placeFile(u"se"_s, change);

    // The press is held: the arrow's repeat must not step again under the warning.
    MessageBoxWatcher boxes;
    const auto arrow = shown > 0 ? QStyle::SC_ScrollBarSubLine : QStyle::SC_ScrollBarAddLine;
    const QPoint at = scrollBarPart(bar(w), arrow);
    QTest::mousePress(bar(w), Qt::LeftButton, {}, at);
    QTRY_COMPARE(boxes.seen.size(), size_t(1));
    QTest::qWait(600); // longer than the repeat's first delay: no second step comes
    QTest::mouseRelease(bar(w), Qt::LeftButton, {}, at);
    QCOMPARE(boxes.seen.size(), size_t(1));
    QCOMPARE(boxes.seen[0].title, u"Informazioni generali"_s);
    QCOMPARE(boxes.seen[0].icon, QMessageBox::Warning);
    QCOMPARE(caption(w, "Frame3D1"), date);
    QCOMPARE(caption(w, "Label31"), u" "_s + QString::number(shown + 1));
    QCOMPARE(bar(w)->value(), shown);

    // Once "se" is back, the next click steps as usual.
    QFile::remove(u"se"_s);
    QDir().rmdir(u"se"_s);
    writeFile(u"se"_s, archive);
    clickScrollBar(bar(w), arrow);
    QCOMPARE(caption(w, "Label31"), u" "_s + QString::number(shown > 0 ? shown : 2));
    QCOMPARE(boxes.seen.size(), size_t(1));
}

void TestForm32::printAndCopy()
{
    Form32 *w = startOn(record("23MAG2026", "450790013312", "20", "55"));
    QVERIFY(w);
    RecordingPrinter printer;
    setActivePrinter(&printer);
    click(w, "Command3D1");
    const QStringList page{
        QString(), u"                 COMBINAZIONE VINCENTE SUPER ENALOTTO DEL 23MAG2026"_s,
        QString(), u"               01 07 12 33 45 90  NUMERO JOLLY 20  NUMERO SUPERSTAR 55"_s};
    QCOMPARE(printedLines(printer.ops), page);
    click(w, "Command3D1");
    QCOMPARE(printedLines(printer.ops), page + page);
    click(w, "Command3D5");
    QCOMPARE(QGuiApplication::clipboard()->text(), u"01 07 12 33 45 90 20 55"_s);
}

void TestForm32::printFailureIsSilent()
{
    Form32 *w = startOn(yearOfRecords(2020, 3));
    QVERIFY(w);
    RecordingPrinter printer;
    printer.failAt = 2;
    setActivePrinter(&printer);
    MessageBoxWatcher boxes;
    click(w, "Command3D1");
    QCOMPARE(printer.ops.size(), 2);
    // The job was abandoned whole: the next print starts a fresh page.
    printer.failAt = -1;
    click(w, "Command3D1");
    QCOMPARE(printedLines(printer.ops.mid(2)).size(), 4);
    QVERIFY(boxes.seen.empty());
    QVERIFY(w->isVisible());
}

void TestForm32::buttonsOpenWindows()
{
    Form32 *w = startOn(yearOfRecords(2020, 3));
    QVERIFY(w);
    QVERIFY(openNotice());
    click(w, "Command3D12");
    QVERIFY(topLevel<Form14>());
    QVERIFY(openAnalysis());
    auto *button = child<Command3D>(w, "Command3D27");
    QCOMPARE(button->textColor(), QColor(255, 255, 0));
    topLevel<Form43>()->close();
    QCOMPARE(button->textColor(), QColor(0, 0, 0));
    QVERIFY(w->isVisible());
}

QTEST_MAIN(TestForm32)
#include "tst_form32.moc"
