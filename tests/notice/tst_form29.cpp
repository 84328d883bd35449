// The notice window: the colours that follow the prize pool and the header, the main window
// it follows, the "13" file it reads and stores, printing, and filling it in as a person does:
// Enter and Tab, re-formatting on leaving a box. Its controls as designed are in tst_design;
// its text boxes' typing limit in tst_textbox.
#include "controls/textbox.h"
#include "support/recordingprinter.h"
#include "testutil.h"

#include <QScopeGuard>

class TestForm29 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpWindowTests(); }
    void init()
    {
        m_dir = std::make_unique<WorkDir>();
        writeFile(u"se"_s, yearOfRecords(2019, 3) + yearOfRecords(2020, 5));
        m_printer = RecordingPrinter();
        setActivePrinter(&m_printer);
    }
    void cleanup()
    {
        closeAllWindows();
        setActivePrinter(nullptr);
        m_dir.reset();
        m_form = nullptr;
    }
    void startsGreyInEveryLocale_data();
    void startsGreyInEveryLocale();
    void prizePoolColours();
    void headerColours();
    void followsMainWindow();
    void printStoresHeaderAndPrints();
    void printFailure_data();
    void printFailure();
    void enterMovesFocus_data();
    void enterMovesFocus();
    void reformatOnLeaving_data();
    void reformatOnLeaving();
    void enterOnStampaPrintsOncePerPress();

private:
    Form29 *m_form = nullptr;
    std::unique_ptr<WorkDir> m_dir;
    RecordingPrinter m_printer;

    TextBox *box(int n) const
    {
        return child<TextBox>(m_form, QByteArray("Text" + QByteArray::number(n)).constData());
    }
    void openForm()
    {
        QVERIFY(startProgram());
        m_form = openNotice();
        QVERIFY(m_form);
        QApplication::setActiveWindow(m_form);
        QVERIFY(QTest::qWaitForWindowActive(m_form));
    }
    void tick() { QVERIFY(waitForTick(m_form)); }
    // Keys go to the control that has the focus, and clicks give the focus, as a person's do.
    static QWidget *focused() { return QApplication::focusWidget(); }
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(focused(), key, modifiers);
    }
    static void type(const QString &text) { QTest::keyClicks(focused(), text); }
    static void clickOn(QWidget *widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    // Clicks into a box and selects what it holds, so that typing replaces it.
    static void enterBox(TextBox *b)
    {
        clickOn(b);
        QVERIFY(b->hasFocus());
        press(Qt::Key_A, Qt::ControlModifier);
    }
    // Types over what a box holds, as a person fills in the form.
    void fill(int n, const QString &text)
    {
        typeInto(m_form, QByteArray("Text" + QByteArray::number(n)).constData(), text);
    }
    int documentsPrinted() const
    {
        return int(std::count_if(m_printer.ops.begin(), m_printer.ops.end(), [](const PrintOp &op) {
            return op.kind == PrintOp::Kind::EndDocument;
        }));
    }
};

namespace {

const QColor Grey(192, 192, 192);
const QColor White(Qt::white);

} // namespace

void TestForm29::startsGreyInEveryLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("pool");
    QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates) << u"0.00"_s;
    QTest::newRow("it_IT") << QLocale(QLocale::Italian, QLocale::Italy) << u"0,00"_s;
}

void TestForm29::startsGreyInEveryLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, pool);
    QLocale::setDefault(locale);
    const auto restore =
        qScopeGuard([] { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); });
    openForm();
    QCOMPARE(box(4)->text(), pool);
    for (int n : {4, 5, 8, 19, 21, 28})
        QTRY_COMPARE(box(n)->backgroundColor(), Grey);
    auto *stampa = child<QPushButton>(m_form, "Command3D1");
    QTRY_VERIFY(stampa->isEnabled());
    clickOn(stampa);
    // Filler lines in place of the prize table: none of its lines is printed.
    const QStringList lines = printedLines(m_printer.ops);
    QVERIFY(!lines.join(u'\n').contains(u"MONTEPREMI"_s));
    QCOMPARE(lines.size(), 10 + 15 + 1);
}

void TestForm29::prizePoolColours()
{
    openForm();
    QTRY_COMPARE(box(5)->backgroundColor(), Grey);
    fill(4, u"100"_s);
    tick(); // still in the box: the tick sees the typed text
    QVERIFY(box(4)->hasFocus());
    for (int n : {4, 5, 8, 13, 22, 21, 28})
        QCOMPARE(box(n)->backgroundColor(), White);
    // An empty pool, or one that is not a number yet, leaves the colours as they are.
    for (const QString &typed : {QString(), u"-"_s}) {
        fill(4, typed);
        tick();
        QCOMPARE(box(5)->backgroundColor(), White);
    }
    fill(4, u"0,00"_s);
    tick();
    QCOMPARE(box(5)->backgroundColor(), Grey);
}

void TestForm29::headerColours()
{
    // A header box is white once it and every box above it hold something, blanks included.
    const std::pair<QStringList, QList<bool>> states[] = {
        {{u"A"_s, {}, {}}, {true, false, false}},
        {{u"A"_s, u"B"_s, {}}, {true, true, false}},
        {{u"A"_s, {}, u"C"_s}, {true, false, false}},
        {{{}, u"B"_s, u"C"_s}, {false, false, false}},
        {{u" "_s, u"  "_s, u" "_s}, {true, true, true}},
        {{{}, {}, {}}, {false, false, false}},
    };
    openForm();
    for (const auto &[header, white] : states) {
        for (int i = 0; i < 3; ++i)
            fill(i + 1, header[i]);
        tick();
        for (int i = 0; i < 3; ++i)
            QCOMPARE(box(i + 1)->backgroundColor(), white[i] ? White : Grey);
    }
}

void TestForm29::followsMainWindow()
{
    openForm();
    Form32 *main = startupWindow();
    QTRY_COMPARE(caption(m_form, "Label3"), u"05GEN2020"_s);
    QCOMPARE(caption(m_form, "Label4"), u"5"_s);
    // Hidden: no draw, no contest, no printing; shown again, followed again.
    main->hide();
    QTRY_COMPARE(caption(m_form, "Label3"), u"_________"_s);
    QCOMPARE(caption(m_form, "Label4"), u"__"_s);
    QVERIFY(!child<QPushButton>(m_form, "Command3D1")->isEnabled());
    main->show();
    QTRY_COMPARE(caption(m_form, "Label4"), u"5"_s);
    QVERIFY(child<QPushButton>(m_form, "Command3D1")->isEnabled());
    clickScrollBarTo(child<QScrollBar>(main, "VScroll1"), 0);
    QTRY_COMPARE(caption(m_form, "Label3"), u"01GEN2019"_s);
    QCOMPARE(caption(m_form, "Label4"), u"__"_s);
    // A further main window is never followed.
    click(main, "Command3D8");
    tick();
    QCOMPARE(caption(m_form, "Label3"), u"01GEN2019"_s);
    main->close();
    QTRY_COMPARE(caption(m_form, "Label3"), u"_________"_s);
    QVERIFY(!child<QPushButton>(m_form, "Command3D1")->isEnabled());
}

void TestForm29::printStoresHeaderAndPrints()
{
    openForm();
    fill(1, u"RICEVITORIA \"IL QUADRIFOGLIO\""_s);
    fill(3, u"VIA VERDI, 3"_s);
    fill(4, u"1000"_s);
    fill(8, u"1"_s);
    fill(5, u"500"_s);
    press(Qt::Key_Tab);
    QCOMPARE(openNotice(), m_form); // already open: the same window, nothing reloaded
    QCOMPARE(box(5)->text(), u"500,00"_s);
    tick();
    clickOn(child<QPushButton>(m_form, "Command3D1"));
    QCOMPARE(readFile(u"13"_s),
             QByteArray("\"RICEVITORIA \"IL QUADRIFOGLIO\"\"\r\n\"\"\r\n\"VIA VERDI, 3\"\r\n"));
    const QStringList lines = printedMarkup(m_printer.ops);
    QCOMPARE(lines.size(), 10 + 13 + 1);
    QCOMPARE(lines[1], u" RICEVITORIA \"IL QUADRIFOGLIO\""_s);
    QCOMPARE(lines[5], u" Concorso SUPER ENALOTTO n\u00b0 [b]5[/b]"_s);
    QCOMPARE(lines[6], u"   COLONNA VINC.DEL [b]05GEN2020[/b]"_s);
    QCOMPARE(lines[11], u" MONTEPREMI: Euro [b]     1.000,00[/b]"_s);
    QCOMPARE(lines[12], u" AI ( 1) 6 Euro [b]         500,00[/b]"_s);
    QCOMPARE(m_form->cursor().shape(), Qt::ArrowCursor);

    // Opened again, the header is read back whole, inner quotes included; the rest is reset.
    m_form->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_form = openNotice();
    QCOMPARE(box(1)->text(), u"RICEVITORIA \"IL QUADRIFOGLIO\""_s);
    QCOMPARE(box(3)->text(), u"VIA VERDI, 3"_s);
    QCOMPARE(box(5)->text(), QString());
    QCOMPARE(box(4)->text(), u"0,00"_s);
}

void TestForm29::printFailure_data()
{
    // With no printer at all: tst_printing_noprinter.
    QTest::addColumn<bool>("headerFolder");
    QTest::addColumn<int>("failAt");
    QTest::addColumn<int>("opsPrinted");
    QTest::newRow("13-cannot-be-written") << true << -1 << 0;
    QTest::newRow("printer-fails-midway") << false << 12 << 12;
}

void TestForm29::printFailure()
{
    QFETCH(bool, headerFolder);
    QFETCH(int, failAt);
    QFETCH(int, opsPrinted);
    if (headerFolder)
        QVERIFY(QDir().mkdir(u"13"_s));
    m_printer.failAt = failAt;
    openForm();
    fill(1, u"A"_s);
    MessageBoxWatcher boxes;
    clickOn(child<QPushButton>(m_form, "Command3D1"));
    QCOMPARE(boxes.seen.size(), size_t(1));
    QCOMPARE(boxes.seen[0].title, u"INFORMAZIONE GENERALE"_s);
    QCOMPARE(boxes.seen[0].icon, QMessageBox::Warning);
    QCOMPARE(boxes.seen[0].text,
             u"ATTENZIONE... stampa impossibile a causa di probabili problemi con il font "
             "COURIER NEW o con i files di stampa."_s);
    QCOMPARE(m_printer.ops.size(), opsPrinted);
    QCOMPARE(m_form->cursor().shape(), Qt::ArrowCursor);
    if (!headerFolder)
        QCOMPARE(readFile(u"13"_s), QByteArray("\"A\"\r\n\"\"\r\n\"\"\r\n"));
    QVERIFY(m_form->isVisible());
}

void TestForm29::enterMovesFocus_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<bool>("mainVisible");
    QTest::addColumn<QString>("to");
    QTest::newRow("header-to-header") << 1 << true << u"Text2"_s;
    QTest::newRow("pool-to-first-winners") << 4 << true << u"Text8"_s;
    QTest::newRow("winners-to-amount") << 8 << true << u"Text5"_s;
    QTest::newRow("left-block-to-right-block") << 12 << true << u"Text15"_s;
    QTest::newRow("last-amount-to-jackpot") << 28 << true << u"Text21"_s;
    QTest::newRow("jackpot-to-stampa") << 21 << true << u"Command3D1"_s;
    QTest::newRow("jackpot-to-caret-when-disabled") << 21 << false << u"Command3D9"_s;
}

void TestForm29::enterMovesFocus()
{
    QFETCH(int, from);
    QFETCH(bool, mainVisible);
    QFETCH(QString, to);
    openForm();
    if (!mainVisible)
        startupWindow()->hide();
    if (to.startsWith(u"Command3D"_s))
        tick(); // STAMPA is enabled, or not, by the tick
    clickOn(box(from));
    type(u"7"_s);
    press(Qt::Key_Return);
    QTRY_COMPARE(focused()->objectName(), to);
    QVERIFY(!box(from)->text().contains(u'\r'));
    QVERIFY(!box(from)->text().contains(u'\n'));
}

void TestForm29::reformatOnLeaving_data()
{
    QTest::addColumn<int>("boxNumber");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("leave"); // how the focus leaves the box
    QTest::addColumn<QString>("shown");
    // The formatted text may be longer than what the box lets a person type.
    for (const char *leave :
         {"tab", "backtab", "enter", "click-box", "click-button", "other-window"}) {
        QTest::addRow("winners-beyond-typing-limit-%s", leave)
            << 10 << u"12345"_s << QString::fromLatin1(leave) << u"12.345"_s;
    }
    QTest::newRow("first-prize-by-tab")
        << 5 << u"209160441,54"_s << u"tab"_s << u"209.160.441,54"_s;
    QTest::newRow("jackpot-by-click") << 21 << u"0"_s << u"click-box"_s << u"0,00"_s;
    QTest::newRow("winners-1500") << 11 << u"1500"_s << u"backtab"_s << u"1.500"_s;
    QTest::newRow("winners-zero-empties") << 8 << u"0"_s << u"enter"_s << QString();
    QTest::newRow("header-never-formatted") << 1 << u"1500"_s << u"tab"_s << u"1500"_s;
}

void TestForm29::reformatOnLeaving()
{
    QFETCH(int, boxNumber);
    QFETCH(QString, typed);
    QFETCH(QString, leave);
    QFETCH(QString, shown);
    openForm();
    TextBox *b = box(boxNumber);
    enterBox(b);
    type(typed);
    QCOMPARE(b->text(), typed);
    if (leave == u"tab") {
        press(Qt::Key_Tab);
    } else if (leave == u"backtab") {
        press(Qt::Key_Tab, Qt::ShiftModifier);
    } else if (leave == u"enter") {
        press(Qt::Key_Return);
    } else if (leave == u"click-box") {
        clickOn(box(boxNumber == 21 ? 1 : 21));
    } else if (leave == u"click-button") {
        clickOn(child<QPushButton>(m_form, "Command3D9")); // "^", which does nothing
    } else {
        QWidget *main = startupWindow();
        QApplication::setActiveWindow(main);
        QVERIFY(QTest::qWaitForWindowActive(main));
    }
    QTRY_VERIFY(!b->hasFocus());
    QCOMPARE(b->text(), shown);
    QTest::qWait(20); // nothing puts the typed text back afterwards
    QCOMPARE(b->text(), shown);
}

void TestForm29::enterOnStampaPrintsOncePerPress()
{
    openForm();
    auto *stampa = child<QPushButton>(m_form, "Command3D1");
    QTRY_VERIFY(stampa->isEnabled());
    clickOn(box(21));
    press(Qt::Key_Return);
    QTRY_COMPARE(focused(), stampa);
    QCOMPARE(documentsPrinted(), 0); // the Enter that moved the focus prints nothing
    press(Qt::Key_Return);
    QCOMPARE(documentsPrinted(), 1);
    press(Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(documentsPrinted(), 2);
    // A held key repeats its press; the repeats print nothing.
    for (int i = 0; i < 3; ++i) {
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(stampa, &repeat);
    }
    QCOMPARE(documentsPrinted(), 2);
    press(Qt::Key_Space);
    QCOMPARE(documentsPrinted(), 3);
}

QTEST_MAIN(TestForm29)
#include "tst_form29.moc"
