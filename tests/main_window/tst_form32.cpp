// The main window: start-up on good and bad archives, stepping with the scroll bar's keys and
// presses, the contest number, an archive changed under the window, and what each button does.
// Its controls as designed are in tst_design.
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
    void cleanup()
    {
        closeAllWindows();
        setActivePrinter(nullptr);
        m_dir.reset();
    }
    void startupFailure_data();
    void startupFailure();
    void stepping_data();
    void stepping();
    void archiveChangedUnderTheWindow_data();
    void archiveChangedUnderTheWindow();
    void buttons();

private:
    std::unique_ptr<WorkDir> m_dir;
    static QScrollBar *bar(QWidget *w) { return child<QScrollBar>(w, "VScroll1"); }
};

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
    QVERIFY(!startupWindow());
    QCOMPARE(boxes.seen.size(), size_t(1));
    QCOMPARE(boxes.seen[0].title, u"Informazioni generali"_s);
    QCOMPARE(boxes.seen[0].icon, QMessageBox::Information);
    QVERIFY(boxes.seen[0].text.contains(says));
    QVERIFY(boxes.seen[0].text.contains(u"\"se\" nella cartella\n"_s + QDir::currentPath()));
}

void TestForm32::stepping_data()
{
    QTest::addColumn<QByteArray>("archive");
    QTest::addColumn<int>("key"); // a key, or minus a part of the bar pressed with the mouse
    QTest::addColumn<int>("times");
    QTest::addColumn<QString>("shows"); // the date | the record number | the contest number
    const int up = Qt::Key_Up;
    // Unmoved, the window shows the newest draw.
    QTest::newRow("sample") << readFile(QStringLiteral(ENALOTTO_SAMPLE_ARCHIVE)) << up << 0
                            << u"23MAG2026| 4202|83"_s;
    QTest::newRow("high-bytes-in-the-date-shown-as-windows-1252")
        << record("02\200\201\3772020", "010203040506", "07", "08") << up << 0
        << u"02\u20ac\u0081\u00ff2020| 1|1"_s;
    QTest::newRow("largest") << yearOfRecords(2020, MaxArchiveRecords) << up << 0
                             << u"07GEN2020| 32767|32767"_s;
    // Ten draws of 2019, then 152 of 2020: the contest number counts the newest year's draws.
    const QByteArray years = yearOfRecords(2019, 10) + yearOfRecords(2020, 152);
    QTest::newRow("first-of-newest-year") << years << up << 151 << u"01GEN2020| 11|1"_s;
    QTest::newRow("last-of-previous-year") << years << up << 152 << u"10GEN2019| 10|__"_s;
    QTest::newRow("page-up-steps-ten")
        << years << int(Qt::Key_PageUp) << 2 << u"20GEN2020| 142|132"_s;
    QTest::newRow("home-is-oldest") << years << int(Qt::Key_Home) << 1 << u"01GEN2019| 1|__"_s;
    QTest::newRow("press-on-the-up-arrow")
        << years << -int(QStyle::SC_ScrollBarSubLine) << 3 << u"09GEN2020| 159|149"_s;
}

void TestForm32::stepping()
{
    QFETCH(QByteArray, archive);
    QFETCH(int, key);
    QFETCH(int, times);
    Form32 *w = startOn(archive);
    QVERIFY(w);
    QCOMPARE(bar(w)->maximum(), int(archive.size() / 25) - 1);
    QApplication::setActiveWindow(w);
    QVERIFY(QTest::qWaitForWindowActive(w));
    clickScrollBar(bar(w), QStyle::SC_ScrollBarSlider); // takes the focus, moves nothing
    QVERIFY(bar(w)->hasFocus());
    for (int i = 0; i < times; ++i) {
        if (key < 0)
            clickScrollBar(bar(w), QStyle::SubControl(-key));
        else
            QTest::keyClick(bar(w), Qt::Key(key));
    }
    QTEST(QString(caption(w, "Frame3D1") + u'|' + caption(w, "Label31") + u'|' +
                  caption(w, "Label3")),
          "shows");
}

void TestForm32::archiveChangedUnderTheWindow_data()
{
    QTest::addColumn<QByteArray>("change"); // what "se" becomes; see placeFile()
    QTest::addColumn<int>("shown");         // the record shown when it happens
    QTest::newRow("removed") << QByteArray("<none>") << 9;
    QTest::newRow("shortened") << yearOfRecords(2020, 2) << 9;
    QTest::newRow("replaced-by-folder") << QByteArray("<dir>") << 9;
    QTest::newRow("replaced-by-named-pipe") << QByteArray("<fifo>") << 9;
    QTest::newRow("removed-while-on-the-oldest") << QByteArray("<none>") << 0;
    // The bar keeps the range of start-up; each step reads what the file now holds.
    QTest::newRow("grown") << yearOfRecords(2021, 50) << 9;
}

void TestForm32::archiveChangedUnderTheWindow()
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
    MessageBoxWatcher boxes;
    const auto arrow = shown > 0 ? QStyle::SC_ScrollBarSubLine : QStyle::SC_ScrollBarAddLine;
    if (change.size() > archive.size()) {
        clickScrollBar(bar(w), arrow);
        QCOMPARE(caption(w, "Frame3D1"), u"09GEN2021"_s);
        return;
    }
    // A vanished record: the press is held, the arrow's repeat must not step again under the
    // warning, and the draw shown stays.
    const QPoint at = scrollBarPart(bar(w), arrow);
    QTest::mousePress(bar(w), Qt::LeftButton, {}, at);
    QTRY_COMPARE(boxes.seen.size(), size_t(1));
    QTest::qWait(600); // longer than the repeat's first delay: no second step comes
    QTest::mouseRelease(bar(w), Qt::LeftButton, {}, at);
    QCOMPARE(boxes.seen.size(), size_t(1));
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
}

void TestForm32::buttons()
{
    Form32 *w = startOn(record("23MAG2026", "450790013312", "20", "55"));
    QVERIFY(w);
    RecordingPrinter printer;
    printer.failAt = 2;
    setActivePrinter(&printer);
    MessageBoxWatcher boxes;
    click(w, "Command3D1"); // the printer fails: the job is abandoned whole, silently
    QCOMPARE(printer.ops.size(), 2);
    printer.failAt = -1;
    printer.ops.clear();
    click(w, "Command3D1");
    QCOMPARE(printedLines(printer.ops).join(u'|'),
             u"|                 COMBINAZIONE VINCENTE SUPER ENALOTTO DEL 23MAG2026||"
             u"               01 07 12 33 45 90  NUMERO JOLLY 20  NUMERO SUPERSTAR 55"_s);
    QVERIFY(boxes.seen.empty());
    click(w, "Command3D5");
    QCOMPARE(QGuiApplication::clipboard()->text(), u"01 07 12 33 45 90 20 55"_s);

    // "?" shows the information panel over the balls for five seconds.
    QWidget *panel = child<QWidget>(w, "Picture1");
    click(w, "Command3D6");
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->geometry(), QRect(56, 40, 313, 35));
    QTRY_VERIFY(child<QTimer>(w, "Timer1")->remainingTime() < 4500);
    // A second press gives the panel its five seconds again (a coarse timer may fire 5 % early).
    click(w, "Command3D6");
    QVERIFY(child<QTimer>(w, "Timer1")->remainingTime() >= 4700);
    QElapsedTimer shown;
    shown.start();
    QTRY_VERIFY_WITH_TIMEOUT(!panel->isVisible(), 6000);
    QVERIFY2(shown.elapsed() >= 4700, qPrintable(QString::number(shown.elapsed())));

    QVERIFY(openNotice());
    click(w, "Command3D12");
    QVERIFY(topLevel<Form14>());
    QVERIFY(openAnalysis());
    auto *button = child<Command3D>(w, "Command3D27");
    QCOMPARE(button->textColor(), QColor(255, 255, 0));
    topLevel<Form43>()->close();
    QCOMPARE(button->textColor(), QColor(0, 0, 0));

    // '"' shows a further main window, once.
    const QString title = w->windowTitle();
    auto further = [w] { // clicks '"'; the other main window showing
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        click(w, "Command3D8");
        QWidget *other = nullptr;
        for (QWidget *t : QApplication::topLevelWidgets())
            other = t != w && t->objectName() == u"Form32"_s && t->isVisible() ? t : other;
        return other;
    };
    QWidget *second = further();
    QVERIFY(second);
    QCOMPARE(second->windowTitle(), title + u" 1.1"_s);
    QCOMPARE(caption(second, "Frame3D1"), u"23MAG2026"_s);
    QCOMPARE(further(), second); // showing already: a second click changes nothing
    QCOMPARE(second->windowTitle(), title + u" 1.1"_s);
    second->close();
    w->setWindowTitle(u"X 2"_s);
    QWidget *third = further(); // closed: the next click loads one afresh
    QVERIFY(third);
    QCOMPARE(third->windowTitle(), title + u" 3"_s);
    // ESCI closes the window it is on; the others stay.
    click(w, "Command3D3");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!startupWindow());
    QVERIFY(third->isVisible());
}

QTEST_MAIN(TestForm32)
#include "tst_form32.moc"
