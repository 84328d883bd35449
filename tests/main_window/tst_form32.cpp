// The main window: start-up on good and bad archives, stepping with the bar's keys and presses, the
// contest number, an archive changed under the window, each button. Its design is in tst_design.
#include "about/form14.h"
#include "archive/drawarchive.h"
#include "controls/command3d.h"
#include "support/recordingprinter.h"
#include "testutil.h"

#include <QClipboard>
#include <QDeadlineTimer>
#include <optional>

class TestForm32 : public QObject
{
    Q_OBJECT

    std::optional<WorkDir> m_dir;
    RecordingPrinter m_printer; // lives as long as the tests, so it can stay the active one
    static QScrollBar *bar(QWidget *w) { return child<QScrollBar>(w, "VScroll1"); }

private slots:
    void initTestCase() { setUpWindowTests(); }
    void init() { m_dir.emplace(); }
    void cleanup() { closeAllWindows(); }

    void startupFailure_data()
    {
        QTest::addColumn<QByteArray>("archive"); // see placeFile()
        QTest::addColumn<QString>("says");
        QTest::newRow("missing") << QByteArray("<none>") << u"Impossibile leggere"_s;
        QTest::newRow("a-folder") << QByteArray("<dir>") << u"Impossibile leggere"_s;
        QTest::newRow("a-named-pipe") << QByteArray("<fifo>") << u"Impossibile leggere"_s;
        QTest::newRow("empty") << QByteArray() << u"non contiene nessuna estrazione"_s;
        QTest::newRow("part-of-a-record") << QByteArray("03DIC1997010203") << u"non contiene"_s;
        QTest::newRow("too-many") << yearOfRecords(2020, MaxArchiveRecords + 1) << u"troppe"_s;
    }
    void startupFailure()
    {
        QFETCH(QByteArray, archive);
        QFETCH(QString, says);
        placeFile(u"se"_s, archive);
        MessageBoxWatcher boxes;
        QVERIFY(!startProgram());
        QCOMPARE(boxes.seen.size(), size_t(1));
        QCOMPARE(boxes.seen[0].title, u"Informazioni generali"_s);
        QCOMPARE(boxes.seen[0].icon, QMessageBox::Information);
        QVERIFY(boxes.seen[0].text.contains(says));
        QVERIFY(boxes.seen[0].text.contains(u"\"se\" nella cartella\n"_s + QDir::currentPath()));
    }

    void stepping_data()
    {
        QTest::addColumn<QByteArray>("archive");
        QTest::addColumn<int>("key"); // a key, or minus a part of the bar pressed with the mouse
        QTest::addColumn<int>("times");
        QTest::addColumn<QString>("shows"); // the date | the record number | the contest number
        // Unmoved, the window shows the newest draw.
        QTest::newRow("sample") << readFile(QStringLiteral(ENALOTTO_SAMPLE_ARCHIVE)) << 0 << 0
                                << u"23MAG2026| 4202|83"_s;
        QTest::newRow("date-in-windows-1252") << record("02\200\201\3772020", "010203040506") << 0
                                              << 0 << u"02\u20ac\u0081\u00ff2020| 1|1"_s;
        QTest::newRow("largest") << yearOfRecords(2020, MaxArchiveRecords) << 0 << 0
                                 << u"07GEN2020| 32767|32767"_s;
        // Ten draws of 2019, then 152 of 2020: the contest number counts the newest year's draws.
        const QByteArray y = yearOfRecords(2019, 10) + yearOfRecords(2020, 152);
        const int up = Qt::Key_Up, arrow = -int(QStyle::SC_ScrollBarSubLine);
        QTest::newRow("first-of-newest-year") << y << up << 151 << u"01GEN2020| 11|1"_s;
        QTest::newRow("last-of-previous-year") << y << up << 152 << u"10GEN2019| 10|__"_s;
        QTest::newRow("page-up-steps-ten")
            << y << int(Qt::Key_PageUp) << 2 << u"20GEN2020| 142|132"_s;
        QTest::newRow("home-is-oldest") << y << int(Qt::Key_Home) << 1 << u"01GEN2019| 1|__"_s;
        QTest::newRow("press-on-the-up-arrow") << y << arrow << 3 << u"09GEN2020| 159|149"_s;
    }
    void stepping()
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
        for (int i = 0; i < times; ++i)
            key < 0 ? clickScrollBar(bar(w), QStyle::SubControl(-key))
                    : QTest::keyClick(bar(w), Qt::Key(key));
        QTEST(QString(caption(w, "Frame3D1") + u'|' + caption(w, "Label31") + u'|' +
                      caption(w, "Label3")),
              "shows");
    }

    void archiveChangedUnderTheWindow_data()
    {
        QTest::addColumn<QByteArray>("change"); // what "se" becomes; see placeFile()
        QTest::addColumn<int>("shown");         // the record shown when it happens
        QTest::addColumn<QString>("next");      // the date a further step shows
        QTest::newRow("removed") << QByteArray("<none>") << 9 << u"09GEN2020"_s;
        QTest::newRow("shortened") << yearOfRecords(2020, 2) << 9 << u"09GEN2020"_s;
        QTest::newRow("replaced-by-folder") << QByteArray("<dir>") << 9 << u"09GEN2020"_s;
        QTest::newRow("replaced-by-named-pipe") << QByteArray("<fifo>") << 9 << u"09GEN2020"_s;
        QTest::newRow("removed-while-on-the-oldest") << QByteArray("<none>") << 0 << u"02GEN2020"_s;
        // The bar keeps the range of start-up; each step reads what the file now holds.
        QTest::newRow("grown") << yearOfRecords(2021, 50) << 9 << u"09GEN2021"_s;
    }
    void archiveChangedUnderTheWindow()
    {
        QFETCH(QByteArray, change);
        QFETCH(int, shown);
        const QByteArray archive = yearOfRecords(2020, 10);
        Form32 *w = startOn(archive);
        QVERIFY(w);
        clickScrollBarTo(bar(w), shown);
        QFile::remove(u"se"_s);
        placeFile(u"se"_s, change);
        MessageBoxWatcher boxes;
        const auto arrow = shown > 0 ? QStyle::SC_ScrollBarSubLine : QStyle::SC_ScrollBarAddLine;
        if (change.size() <= archive.size()) {
            // A vanished record: the press is held, its repeat must not step again under the
            // warning, and the draw shown stays; once "se" is back, the next click steps as usual.
            const QPoint at = scrollBarPart(bar(w), arrow);
            QTest::mousePress(bar(w), Qt::LeftButton, {}, at);
            QTRY_COMPARE(boxes.seen.size(), size_t(1));
            QTest::qWait(600); // longer than the repeat's first delay: no second step comes
            QTest::mouseRelease(bar(w), Qt::LeftButton, {}, at);
            QCOMPARE(boxes.seen.size(), size_t(1));
            QCOMPARE(boxes.seen[0].icon, QMessageBox::Warning);
            QCOMPARE(caption(w, "Label31"), u" "_s + QString::number(shown + 1));
            QCOMPARE(bar(w)->value(), shown);
            QFile::remove(u"se"_s) || QDir().rmdir(u"se"_s);
            writeFile(u"se"_s, archive);
        }
        clickScrollBar(bar(w), arrow);
        QTEST(caption(w, "Frame3D1"), "next");
    }

    void buttons()
    {
        Form32 *w = startOn(record("23MAG2026", "450790013312", "20", "55"));
        QVERIFY(w);
        setActivePrinter(&m_printer);
        m_printer.failAt = 2;
        MessageBoxWatcher boxes;
        click(w, "Command3D1"); // the printer fails: the job is abandoned whole, silently
        QCOMPARE(m_printer.ops.size(), 2);
        m_printer.failAt = -1;
        m_printer.ops.clear();
        click(w, "Command3D1");
        QCOMPARE(printedLines(m_printer.ops).join(u'|'),
                 u"|                 COMBINAZIONE VINCENTE SUPER ENALOTTO DEL 23MAG2026||"
                 u"               01 07 12 33 45 90  NUMERO JOLLY 20  NUMERO SUPERSTAR 55"_s);
        QVERIFY(boxes.seen.empty());
        click(w, "Command3D5");
        QCOMPARE(QGuiApplication::clipboard()->text(), u"01 07 12 33 45 90 20 55"_s);

        // "?" shows the information panel over the balls for five seconds; a second press gives
        // it five seconds again (a coarse timer may fire 5 % early).
        QWidget *panel = child<QWidget>(w, "Picture1");
        click(w, "Command3D6");
        QCOMPARE(panel->isVisible() ? panel->geometry() : QRect(), QRect(56, 40, 313, 35));
        QTRY_VERIFY(child<QTimer>(w, "Timer1")->remainingTime() < 4500);
        click(w, "Command3D6");
        const QDeadlineTimer notBefore(4700);
        QTRY_VERIFY_WITH_TIMEOUT(!panel->isVisible(), 6000);
        QVERIFY2(notBefore.hasExpired(), qPrintable(QString::number(notBefore.remainingTime())));

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
        QCOMPARE(caption(second, "Frame3D1"), u"23MAG2026"_s);
        QCOMPARE(second->windowTitle(), title + u" 1.1"_s);
        QCOMPARE(further(), second); // showing already: a second click changes nothing
        QCOMPARE(second->windowTitle(), title + u" 1.1"_s);
        second->close();
        w->setWindowTitle(u"X 2"_s);
        QWidget *third = further(); // closed: the next click loads one afresh
        QCOMPARE(third ? third->windowTitle() : QString(), title + u" 3"_s);
        // ESCI closes the window it is on; the others stay.
        click(w, "Command3D3");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!startupWindow());
        QVERIFY(third->isVisible());
    }
};

QTEST_MAIN(TestForm32)
#include "tst_form32.moc"
