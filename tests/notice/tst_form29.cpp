// The notice window: the colours that follow the prize pool and the header, the main window
// it follows, the "13" file it reads and stores, and printing. Its controls as designed are
// in tst_design; filling it in by keys and the mouse is in tst_form29_entry.
#include "noticefixture.h"

class TestForm29 : public QObject, private NoticeFixture
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpWindowTests(); }
    void init() { startTest(); }
    void cleanup() { endTest(); }
    void startsGreyInEveryLocale_data();
    void startsGreyInEveryLocale();
    void prizePoolColours();
    void headerColours_data();
    void headerColours();
    void followsMainWindow();
    void readsStoredHeader_data();
    void readsStoredHeader();
    void printStoresHeaderAndPrints();
    void printFailure_data();
    void printFailure();
};

namespace {

const QColor Grey(192, 192, 192);
const QColor White(Qt::white);

} // namespace

void TestForm29::startsGreyInEveryLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("pool");
    QTest::newRow("C") << QLocale::c() << u"0.00"_s;
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

void TestForm29::headerColours_data()
{
    QTest::addColumn<QStringList>("header");
    QTest::addColumn<QList<bool>>("white");
    QTest::newRow("all-empty") << QStringList{{}, {}, {}} << QList<bool>{false, false, false};
    QTest::newRow("first-only") << QStringList{u"A"_s, {}, {}} << QList<bool>{true, false, false};
    QTest::newRow("first-two") << QStringList{u"A"_s, u"B"_s, {}} << QList<bool>{true, true, false};
    QTest::newRow("gap-in-second")
        << QStringList{u"A"_s, {}, u"C"_s} << QList<bool>{true, false, false};
    QTest::newRow("first-empty-others-filled")
        << QStringList{{}, u"B"_s, u"C"_s} << QList<bool>{false, false, false};
    QTest::newRow("blanks-count-as-filled")
        << QStringList{u" "_s, u"  "_s, u" "_s} << QList<bool>{true, true, true};
}

void TestForm29::headerColours()
{
    QFETCH(QStringList, header);
    QFETCH(QList<bool>, white);
    openForm();
    for (int i = 0; i < 3; ++i)
        fill(i + 1, header[i]);
    tick();
    for (int i = 0; i < 3; ++i)
        QCOMPARE(box(i + 1)->backgroundColor(), white[i] ? White : Grey);
}

void TestForm29::followsMainWindow()
{
    openForm();
    Form32 *main = startupWindow();
    QTRY_COMPARE(caption(m_form, "Label3"), u"05GEN2020"_s);
    QCOMPARE(caption(m_form, "Label4"), u"5"_s);
    clickScrollBarTo(child<QScrollBar>(main, "VScroll1"), 0);
    QTRY_COMPARE(caption(m_form, "Label3"), u"01GEN2019"_s);
    QCOMPARE(caption(m_form, "Label4"), u"__"_s);
    QVERIFY(child<QPushButton>(m_form, "Command3D1")->isEnabled());

    // A further main window is never followed.
    click(main, "Command3D8");
    tick();
    QCOMPARE(caption(m_form, "Label3"), u"01GEN2019"_s);

    main->hide();
    QTRY_COMPARE(caption(m_form, "Label3"), u"_________"_s);
    QCOMPARE(caption(m_form, "Label4"), u"__"_s);
    QVERIFY(!child<QPushButton>(m_form, "Command3D1")->isEnabled());
    main->show();
    QTRY_COMPARE(caption(m_form, "Label3"), u"01GEN2019"_s);
    main->close();
    QTRY_COMPARE(caption(m_form, "Label3"), u"_________"_s);
    QVERIFY(!child<QPushButton>(m_form, "Command3D1")->isEnabled());
}

void TestForm29::readsStoredHeader_data()
{
    // How "13" itself is read is in tst_headerfile; here, that the window shows it.
    QTest::addColumn<QByteArray>("file"); // see placeFile()
    QTest::addColumn<QStringList>("header");
    QTest::newRow("three-lines") << QByteArray("\"BAR, TABACCHI\"\r\n\"\"\r\n\"x\"\r\n")
                                 << QStringList{u"BAR, TABACCHI"_s, QString(), u"x"_s};
    QTest::newRow("a-named-pipe-never-blocks") << QByteArray("<fifo>") << QStringList{{}, {}, {}};
}

void TestForm29::readsStoredHeader()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, header);
    placeFile(u"13"_s, file);
    MessageBoxWatcher boxes;
    openForm();
    for (int i = 0; i < 3; ++i)
        QCOMPARE(box(i + 1)->text(), header[i]);
    QVERIFY(boxes.seen.empty());
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

QTEST_MAIN(TestForm29)
#include "tst_form29.moc"
