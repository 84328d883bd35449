// The notice window: its start, colours, the main window it follows, the "13" file and
// printing.
#include "noticefixture.h"

class TestForm29 : public QObject, private NoticeFixture
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpWindowTests(); }
    void init() { startTest(); }
    void cleanup() { endTest(); }
    void opensWithDesignValues();
    void startsGreyInEveryLocale_data();
    void startsGreyInEveryLocale();
    void prizePoolColours();
    void headerColours_data();
    void headerColours();
    void followsMainWindow();
    void headerFile_data();
    void headerFile();
    void reopenResetsButKeepsStoredHeader();
    void printStoresHeaderAndPrints();
    void printFailure_data();
    void printFailure();
};

void TestForm29::opensWithDesignValues()
{
    openForm();
    QCOMPARE(m_form->windowTitle(), u"STAMPA ENALOTTO (RICEVITORIA)"_s);
    QCOMPARE(box(4)->text(), u"0,00"_s);
    QCOMPARE(box(1)->text(), QString());
    QCOMPARE(box(5)->backgroundColor(), QColor(Qt::white));
    QCOMPARE(child<QWidget>(m_form, "Text21")->parentWidget()->objectName(), u"Panel3D14"_s);
    QCOMPARE(box(10)->mapTo(m_form, QPoint()), QPoint(8 + 24, 112 + 128)); // twips / 15
    tick();
    // The default "0,00" greys the 24 prize boxes at the first tick; the header stays grey.
    for (int n : {4, 5, 19, 21, 28})
        QCOMPARE(box(n)->backgroundColor(), QColor(192, 192, 192));
    QCOMPARE(box(1)->backgroundColor(), QColor(192, 192, 192));
    QCOMPARE(label("Label4"), u"5"_s);
}

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
        QTRY_COMPARE(box(n)->backgroundColor(), QColor(192, 192, 192));
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
    tick();
    QCOMPARE(box(5)->backgroundColor(), QColor(192, 192, 192));
    enterBox(box(4));
    type(u"100"_s);
    tick(); // still in the box: the tick sees the typed text
    QVERIFY(box(4)->hasFocus());
    for (int n : {4, 5, 8, 13, 22, 21, 28})
        QCOMPARE(box(n)->backgroundColor(), QColor(Qt::white));
    box(4)->clear();
    tick();
    QCOMPARE(box(5)->backgroundColor(), QColor(Qt::white));
    QTest::keyClicks(box(4), u"-"_s); // not a number yet: colours stay
    tick();
    QCOMPARE(box(5)->backgroundColor(), QColor(Qt::white));
    box(4)->setText(u"0,00"_s);
    tick();
    QCOMPARE(box(5)->backgroundColor(), QColor(192, 192, 192));
}

void TestForm29::headerColours_data()
{
    QTest::addColumn<QStringList>("header");
    QTest::addColumn<QList<bool>>("white");
    QTest::newRow("all-empty") << QStringList{{}, {}, {}} << QList<bool>{false, false, false};
    QTest::newRow("first-only") << QStringList{u"A"_s, {}, {}} << QList<bool>{true, false, false};
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
        box(i + 1)->setText(header[i]);
    tick();
    for (int i = 0; i < 3; ++i)
        QCOMPARE(box(i + 1)->backgroundColor(),
                 white[i] ? QColor(255, 255, 255) : QColor(192, 192, 192));
}

void TestForm29::followsMainWindow()
{
    openForm();
    Form32 *main = startupWindow();
    tick();
    QCOMPARE(label("Label3"), u"05GEN2020"_s);
    QCOMPARE(label("Label4"), u"5"_s);
    clickScrollBarTo(child<QScrollBar>(main, "VScroll1"), 0);
    QTRY_COMPARE_WITH_TIMEOUT(label("Label3"), u"01GEN2019"_s, 600);
    QCOMPARE(label("Label4"), u"__"_s);
    QVERIFY(child<QPushButton>(m_form, "Command3D1")->isEnabled());

    // A further main window is never followed.
    QTest::mouseClick(child<QPushButton>(main, "Command3D8"), Qt::LeftButton);
    tick();
    QCOMPARE(label("Label3"), u"01GEN2019"_s);

    main->hide();
    QTRY_COMPARE_WITH_TIMEOUT(label("Label3"), u"_________"_s, 600);
    QCOMPARE(label("Label4"), u"__"_s);
    QVERIFY(!child<QPushButton>(m_form, "Command3D1")->isEnabled());
    main->show();
    QTRY_COMPARE_WITH_TIMEOUT(label("Label3"), u"01GEN2019"_s, 600);
    main->close();
    QTRY_COMPARE_WITH_TIMEOUT(label("Label3"), u"_________"_s, 600);
    QVERIFY(!child<QPushButton>(m_form, "Command3D1")->isEnabled());
}

void TestForm29::headerFile_data()
{
    QTest::addColumn<QByteArray>("file"); // see placeFile()
    QTest::addColumn<QStringList>("header");
    const QStringList empty{{}, {}, {}};
    QTest::newRow("missing") << QByteArray("<none>") << empty;
    QTest::newRow("a-folder") << QByteArray("<dir>") << empty;
    QTest::newRow("a-named-pipe") << QByteArray("<fifo>") << empty;
    QTest::newRow("two-lines") << QByteArray("\"a\"\r\n\"b\"\r\n") << empty;
    QTest::newRow("comma-inside-quotes") << QByteArray("\"BAR, TABACCHI\"\r\n\"\"\r\n\"x\"\r\n")
                                         << QStringList{u"BAR, TABACCHI"_s, QString(), u"x"_s};
    QTest::newRow("three-on-one-line")
        << QByteArray("\"a\",\"b\",\"c\"\r\n") << QStringList{u"a"_s, u"b"_s, u"c"_s};
    QTest::newRow("forty-characters")
        << QByteArray("\"" + QByteArray(40, 'Z') + "\"\r\n\"b\"\r\n\"c\"\r\n")
        << QStringList{QString(30, u'Z'), u"b"_s, u"c"_s};
    QTest::newRow("accented") << QByteArray("\"CAFF\xc8 \xc0 CITT\xc0\"\r\n\"\"\r\n\"\"\r\n")
                              << QStringList{u"CAFF\u00c8 \u00c0 CITT\u00c0"_s, QString(),
                                             QString()};
    QTest::newRow("one-megabyte") << QByteArray(1 << 20, 'x') << empty;
    QTest::newRow("empty") << QByteArray() << empty;
    QTest::newRow("binary") << QByteArray("\x00\xff\x01\"\x02", 5) << empty;
    QTest::newRow("cr-only") << QByteArray("\"a\"\r\"b\"\r\"c\"\r")
                             << QStringList{u"a"_s, u"b"_s, u"c"_s};
    QTest::newRow("no-line-ends") << QByteArray("\"a\",\"b\",\"c\"")
                                  << QStringList{u"a"_s, u"b"_s, u"c"_s};
}

void TestForm29::headerFile()
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

void TestForm29::reopenResetsButKeepsStoredHeader()
{
    openForm();
    box(1)->setText(u"RICEVITORIA"_s);
    box(5)->setText(u"1,00"_s);
    QCOMPARE(openNotice(), m_form); // already open: same window, nothing reloaded
    QCOMPARE(box(5)->text(), u"1,00"_s);
    QTest::mouseClick(child<QPushButton>(m_form, "Command3D1"),
                      Qt::LeftButton); // stores the header
    m_form->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_form = openNotice();
    QCOMPARE(box(1)->text(), u"RICEVITORIA"_s);
    QCOMPARE(box(5)->text(), QString());
    QCOMPARE(box(4)->text(), u"0,00"_s);
}

void TestForm29::printStoresHeaderAndPrints()
{
    openForm();
    box(1)->setText(u"RICEVITORIA \"IL QUADRIFOGLIO\""_s);
    box(2)->setText(QString());
    box(3)->setText(u"VIA VERDI, 3"_s);
    box(4)->setText(u"1.000,00"_s);
    box(8)->setText(u"1"_s);
    box(5)->setText(u"500,00"_s);
    tick();
    QTest::mouseClick(child<QPushButton>(m_form, "Command3D1"), Qt::LeftButton);
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

    // Read back whole at the next opening, inner quotes included.
    m_form->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_form = openNotice();
    QCOMPARE(box(1)->text(), u"RICEVITORIA \"IL QUADRIFOGLIO\""_s);
    QCOMPARE(box(3)->text(), u"VIA VERDI, 3"_s);
}

void TestForm29::printFailure_data()
{
    QTest::addColumn<bool>("headerFolder");
    QTest::addColumn<int>("failAt");
    QTest::addColumn<int>("opsPrinted");
    QTest::newRow("13-cannot-be-written") << true << -1 << 0;
    QTest::newRow("no-printer") << false << 0 << 0;
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
    box(1)->setText(u"A"_s);
    MessageBoxWatcher boxes;
    QTest::mouseClick(child<QPushButton>(m_form, "Command3D1"), Qt::LeftButton);
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
