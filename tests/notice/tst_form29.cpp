// The notice window: colours following the pool and header, the main window it follows, the "13"
// file, printing, Enter and Tab, formatting on leaving a box. Its controls alone: tst_design.
#include "controls/textbox.h"
#include "support/recordingprinter.h"
#include "testutil.h"

#include <functional>

class TestForm29 : public QObject
{
    Q_OBJECT

    Form29 *m_form = nullptr;
    std::unique_ptr<WorkDir> m_dir;
    RecordingPrinter m_printer;
    static inline const QColor Grey{192, 192, 192}, White{Qt::white};

    static QByteArray name(int n) { return "Text" + QByteArray::number(n); }
    TextBox *box(int n) const { return child<TextBox>(m_form, name(n).constData()); }
    QPushButton *stampa() const { return child<QPushButton>(m_form, "Command3D1"); }
    QString draw() const { return caption(m_form, "Label3") + u' ' + caption(m_form, "Label4"); }
    void openForm()
    {
        QVERIFY(startOn(yearOfRecords(2019, 3) + yearOfRecords(2020, 5)));
        QVERIFY((m_form = openNotice()));
        QVERIFY(QTest::qWaitForWindowActive(m_form));
    }
    void tick() { QVERIFY(waitForTick(m_form)); }
    void fill(int n, const QString &text) { typeInto(m_form, name(n).constData(), text); }
    // Keys go to the control that has the focus, as a person's do.
    static QWidget *focused() { return QApplication::focusWidget(); }
    static void press(Qt::Key k, Qt::KeyboardModifiers m = {}) { QTest::keyClick(focused(), k, m); }

private slots:
    void init()
    {
        setUpWindowTests();
        m_dir = std::make_unique<WorkDir>();
        m_printer = RecordingPrinter();
        setActivePrinter(&m_printer);
    }
    void cleanup()
    {
        closeAllWindows();
        setActivePrinter(nullptr);
        m_dir.reset();
    }

    void colours_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("pool");
        QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates) << u"0.00"_s;
        QTest::newRow("it_IT") << QLocale(QLocale::Italian, QLocale::Italy) << u"0,00"_s;
    }
    void colours()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, pool);
        QLocale::setDefault(locale);
        openForm();
        // The starting zero pool reads as zero in every locale: prize boxes grey, filler printed.
        QCOMPARE(box(4)->text(), pool);
        for (int n : {4, 5, 8, 19, 21, 28})
            QTRY_COMPARE(box(n)->backgroundColor(), Grey);
        click(m_form, "Command3D1");
        QCOMPARE(printedLines(m_printer.ops).size(), 10 + 15 + 1);
        // A pool that is empty or not a number yet leaves the colours as they are.
        const std::pair<QString, QColor> pools[] = {
            {u"100"_s, White}, {QString(), White}, {u"-"_s, White}, {u"0"_s, Grey}};
        for (const auto &[typed, colour] : pools) {
            fill(4, typed);
            tick(); // still in the box: the tick sees the typed text
            for (int n : {4, 5, 8, 13, 22, 21, 28})
                QCOMPARE(box(n)->backgroundColor(), colour);
        }
        // Header lines, and how many boxes are white from the top: each once it and those above
        // hold something, blanks included.
        const std::pair<QStringList, int> states[] = {
            {{u" "_s, u"  "_s, u" "_s}, 3}, {{u"A"_s, {}, u"C"_s}, 1}, {{{}, u"B"_s, u"C"_s}, 0}};
        for (const auto &[header, whites] : states) {
            for (int i = 0; i < 3; ++i)
                fill(i + 1, header[i]);
            tick();
            for (int i = 0; i < 3; ++i)
                QCOMPARE(box(i + 1)->backgroundColor(), i < whites ? White : Grey);
        }
    }

    void followsMainWindow()
    {
        openForm();
        Form32 *main = startupWindow();
        QTRY_COMPARE(draw(), u"05GEN2020 5"_s);
        // Hidden: no draw, no contest, no printing, Enter from the jackpot skips STAMPA.
        main->hide();
        QTRY_COMPARE(draw(), u"_________ __"_s);
        QVERIFY(!stampa()->isEnabled());
        click(m_form, "Text21");
        press(Qt::Key_Return);
        QTRY_COMPARE(focused()->objectName(), u"Command3D9"_s);
        main->show();
        QTRY_COMPARE(draw(), u"05GEN2020 5"_s);
        QVERIFY(stampa()->isEnabled());
        clickScrollBarTo(child<QScrollBar>(main, "VScroll1"), 0);
        QTRY_COMPARE(draw(), u"01GEN2019 __"_s); // no contest before the newest year
        click(main, "Command3D8");               // a further main window is never followed
        tick();
        QCOMPARE(draw(), u"01GEN2019 __"_s);
        main->close();
        QTRY_COMPARE(draw(), u"_________ __"_s);
    }

    void printing()
    {
        // A "13" that cannot be written prints nothing; a printer failing midway leaves the header
        // stored. Each says so once, the window as it was. No printer: tst_printing_noprinter.
        openForm();
        fill(1, u"A"_s);
        MessageBoxWatcher boxes;
        QVERIFY(QDir().mkdir(u"13"_s));
        click(m_form, "Command3D1"); // prints nothing: the 12 below are the next attempt's
        QVERIFY(QDir().rmdir(u"13"_s));
        m_printer.failAt = 12;
        click(m_form, "Command3D1");
        QCOMPARE(m_printer.ops.size(), 12);
        QCOMPARE(readFile(u"13"_s), QByteArray("\"A\"\r\n\"\"\r\n\"\"\r\n"));
        QCOMPARE(m_form->cursor().shape(), Qt::ArrowCursor);
        // Printed whole: the header stored, the boxes and the followed draw on the page.
        m_printer = RecordingPrinter();
        QApplication::setActiveWindow(m_form); // back from the message boxes
        fill(1, u"RICEVITORIA \"IL QUADRIFOGLIO\""_s);
        fill(3, u"VIA VERDI, 3"_s);
        fill(4, u"1000"_s);
        fill(8, u"1"_s);
        fill(5, u"500"_s);
        QCOMPARE(openNotice(), m_form); // already open: the same window, nothing reloaded
        tick();
        click(m_form, "Command3D1");
        QCOMPARE(readFile(u"13"_s),
                 QByteArray("\"RICEVITORIA \"IL QUADRIFOGLIO\"\"\r\n\"\"\r\n\"VIA VERDI, 3\"\r\n"));
        const QStringList lines = printedMarkup(m_printer.ops);
        QCOMPARE(lines.size(), 10 + 13 + 1);
        QCOMPARE(lines[5], u" Concorso SUPER ENALOTTO n\u00b0 [b]5[/b]"_s);
        QCOMPARE(lines[6], u"   COLONNA VINC.DEL [b]05GEN2020[/b]"_s);
        QCOMPARE(lines[11], u" MONTEPREMI: Euro [b]     1.000,00[/b]"_s);
        QCOMPARE(lines[12], u" AI ( 1) 6 Euro [b]         500,00[/b]"_s);
        QCOMPARE(boxes.seen.size(), size_t(2)); // the two failures only
        for (const MessageBoxWatcher::Seen &seen : boxes.seen) {
            QCOMPARE(seen.icon, QMessageBox::Warning);
            QCOMPARE(seen.title + u'|' + seen.text,
                     u"INFORMAZIONE GENERALE|ATTENZIONE... stampa impossibile a causa di probabili "
                     "problemi con il font COURIER NEW o con i files di stampa."_s);
        }
        // Opened again, the header is read back whole, inner quotes included; the rest is reset.
        m_form->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_form = openNotice();
        QCOMPARE(box(1)->text(), u"RICEVITORIA \"IL QUADRIFOGLIO\""_s);
        QCOMPARE(box(3)->text(), u"VIA VERDI, 3"_s);
        QCOMPARE(box(5)->text(), QString());
    }

    void enterWalksTheBoxesThenPrints()
    {
        // Enter, of either key, goes on as Tab through every box to STAMPA; a typed key stays.
        const int order[] = {2,  3,  4,  8,  5,  13, 14, 9,  6,  10, 7,  11, 12,
                             15, 23, 16, 24, 17, 25, 18, 26, 19, 27, 22, 28, 21};
        openForm();
        click(m_form, "Text1");
        for (size_t i = 0; i < std::size(order); ++i) {
            QTest::keyClicks(focused(), u"7"_s);
            press(i % 2 ? Qt::Key_Enter : Qt::Key_Return,
                  i % 2 ? Qt::KeypadModifier : Qt::NoModifier);
            QTRY_COMPARE(focused(), box(order[i]));
        }
        press(Qt::Key_Return);
        QTRY_COMPARE(focused(), stampa());
        QVERIFY(m_printer.ops.empty()); // the Enter that moved the focus prints nothing
        press(Qt::Key_Return);
        const qsizetype document = m_printer.ops.size(); // one printout's operations
        QVERIFY(document > 0);
        press(Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(m_printer.ops.size(), 2 * document);
        // A held key repeats its press; the repeat prints nothing.
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(stampa(), &repeat);
        QCOMPARE(m_printer.ops.size(), 2 * document);
        press(Qt::Key_Space);
        QCOMPARE(m_printer.ops.size(), 3 * document);
    }

    void reformatOnLeaving()
    {
        // Leaving a number box in any way formats it, past its typing limit too; never the header.
        const std::tuple<int, QString, std::function<void()>, QString> rows[] = {
            {5, u"209160441,54"_s, [] { press(Qt::Key_Tab); }, u"209.160.441,54"_s},
            {11, u"1500"_s, [] { press(Qt::Key_Tab, Qt::ShiftModifier); }, u"1.500"_s},
            {8, u"0"_s, [] { press(Qt::Key_Return); }, QString()},
            {1, u"1500"_s, [] { press(Qt::Key_Tab); }, u"1500"_s},
            {21, u"0"_s, [this] { click(m_form, "Text1"); }, u"0,00"_s},
            {10, u"12345"_s, [this] { click(m_form, "Command3D9"); }, u"12.345"_s},
            {28, u"7,5"_s, [] { QApplication::setActiveWindow(startupWindow()); }, u"7,50"_s},
        };
        openForm();
        for (const auto &[n, typed, leave, shown] : rows) {
            fill(n, typed);
            leave();
            QTRY_VERIFY(!box(n)->hasFocus());
            QCOMPARE(box(n)->text(), shown);
        }
    }
};

QTEST_MAIN(TestForm29)
#include "tst_form29.moc"
