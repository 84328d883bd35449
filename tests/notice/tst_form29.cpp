#include "app/program.h"
#include "controls/textbox.h"
#include "notice/form29.h"
#include "support/recordingprinter.h"
#include "testutil.h"

#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QScopeGuard>
#include <QScrollBar>

using namespace enalotto;

using namespace Qt::StringLiterals;

class TestForm29 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void opensWithDesignValues();
    void enterMovesFocus_data();
    void enterMovesFocus();
    void reformatOnLeaving_data();
    void reformatOnLeaving();
    void typingLimitBoundsTypingOnly();
    void addedTextKeepsToLimit_data();
    void addedTextKeepsToLimit();
    void contextMenuIsNotLeaving();
    void enterOnStampaPrintsOncePerPress();
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

private:
    Form29 *m_form = nullptr;
    std::unique_ptr<WorkDir> m_dir;
    RecordingPrinter m_printer;

    TextBox *box(int n) const
    {
        return child<TextBox>(m_form, QByteArray("Text" + QByteArray::number(n)).constData());
    }
    QString label(const char *name) const { return child<QLabel>(m_form, name)->text(); }
    void openForm();
    void tick() { QTest::qWait(600); }
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
    // Clicks "Paste" in the context menu that is open.
    static void clickPasteInMenu()
    {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        const QList<QAction *> actions = menu->actions();
        const auto paste = std::find_if(actions.begin(), actions.end(), [](QAction *a) {
            return a->text().startsWith(u"&Paste"_s);
        });
        QVERIFY(paste != actions.end());
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(*paste).center());
        QTRY_VERIFY(!QApplication::activePopupWidget());
    }
    int documentsPrinted() const
    {
        return int(std::count_if(m_printer.ops.begin(), m_printer.ops.end(), [](const PrintOp &op) {
            return op.kind == PrintOp::Kind::EndDocument;
        }));
    }
};

void TestForm29::initTestCase()
{
    qApp->setQuitOnLastWindowClosed(false);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
}

void TestForm29::init()
{
    m_dir = std::make_unique<WorkDir>();
    writeFile(u"se"_s, yearOfRecords(2019, 3) + yearOfRecords(2020, 5));
    m_printer = RecordingPrinter();
    setActivePrinter(&m_printer);
}

void TestForm29::cleanup()
{
    closeAllWindows();
    setActivePrinter(nullptr);
    m_dir.reset();
    m_form = nullptr;
}

void TestForm29::openForm()
{
    QVERIFY(startProgram());
    child<QPushButton>(startupWindow(), "Command3D26")->click();
    m_form = openNotice();
    QApplication::setActiveWindow(m_form);
    QVERIFY(QTest::qWaitForWindowActive(m_form));
}

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
    tick();
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
    QTest::newRow("amount-25000") << 5 << u"25000"_s << u"enter"_s << u"25.000,00"_s;
    QTest::newRow("amount-zero") << 7 << u"0"_s << u"click-box"_s << u"0,00"_s;
    QTest::newRow("amount-letters") << 23 << u"abc"_s << u"tab"_s << u"abc"_s;
    QTest::newRow("winners-1500") << 11 << u"1500"_s << u"backtab"_s << u"1.500"_s;
    QTest::newRow("winners-zero-empties") << 8 << u"0"_s << u"tab"_s << QString();
    QTest::newRow("winners-letters") << 9 << u"xy"_s << u"click-button"_s << u"xy"_s;
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

void TestForm29::typingLimitBoundsTypingOnly()
{
    openForm();
    TextBox *b = box(10); // typing limit 5
    enterBox(b);
    type(u"1234567"_s);
    QCOMPARE(b->text(), u"12345"_s);
    press(Qt::Key_Tab);
    QCOMPARE(b->text(), u"12.345"_s);
    // A longer text can still be shortened, but not lengthened by typing.
    press(Qt::Key_Tab, Qt::ShiftModifier);
    QVERIFY(b->hasFocus());
    press(Qt::Key_End);
    press(Qt::Key_9);
    QCOMPARE(b->text(), u"12.345"_s);
    press(Qt::Key_Backspace);
    QCOMPARE(b->text(), u"12.34"_s);
}

void TestForm29::addedTextKeepsToLimit_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("typed"); // typed into the header box first (limit 30)
    QTest::addColumn<QString>("shown");
    const QString clip = u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrs"_s; // 45 characters
    for (const char *way : {"ctrl-v", "shift-insert", "context-menu", "drop", "input-method"}) {
        const QString w = QString::fromLatin1(way);
        QTest::addRow("%s-into-empty", way) << w << QString() << clip.left(30);
        QTest::addRow("%s-after-text", way) << w << u"VIA "_s << u"VIA "_s + clip.left(26);
        QTest::addRow("%s-into-full-box", way) << w << QString(30, u'x') << QString(30, u'x');
    }
    QTest::newRow("short-paste-whole") << u"ctrl-v"_s << u"BAR"_s << u"BAR"_s + clip.left(27);
}

void TestForm29::addedTextKeepsToLimit()
{
    QFETCH(QString, way);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    const QString clip = u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrs"_s;
    QGuiApplication::clipboard()->setText(clip);
    openForm();
    TextBox *b = box(1);
    enterBox(b);
    type(typed);
    QCOMPARE(b->text(), typed);
    if (way == u"ctrl-v") {
        press(Qt::Key_V, Qt::ControlModifier);
    } else if (way == u"shift-insert") {
        press(Qt::Key_Insert, Qt::ShiftModifier);
    } else if (way == u"context-menu") {
        // A right click on the window, as the window system delivers it.
        const QPoint at = b->mapTo(m_form, b->rect().center());
        QTest::mouseClick(m_form->windowHandle(), Qt::RightButton, {}, at);
        QTRY_VERIFY(qobject_cast<QMenu *>(QApplication::activePopupWidget()));
        clickPasteInMenu();
    } else if (way == u"drop") {
        // A drag from another program ends at the box's right end: enter, move, drop.
        QMimeData mime;
        mime.setText(clip);
        const QPoint at(b->width() - 2, b->height() / 2);
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(b, &enter);
        QDragMoveEvent move(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(b, &move);
        QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(b, &drop);
    } else {
        QInputMethodEvent commit;
        commit.setCommitString(clip);
        QApplication::sendEvent(b, &commit);
    }
    QCOMPARE(b->text(), shown);
}

void TestForm29::contextMenuIsNotLeaving()
{
    QGuiApplication::clipboard()->setText(u"5678"_s);
    openForm();
    TextBox *b = box(10); // typing limit 5, formatted as a whole number
    enterBox(b);
    type(u"1234"_s);
    QTest::mouseClick(m_form->windowHandle(), Qt::RightButton, {},
                      b->mapTo(m_form, b->rect().center()));
    QTRY_VERIFY(qobject_cast<QMenu *>(QApplication::activePopupWidget()));
    QCOMPARE(b->text(), u"1234"_s); // the menu took the focus, the box was not left
    clickPasteInMenu();
    QTRY_VERIFY(b->hasFocus());
    QCOMPARE(b->text(), u"12345"_s);
    press(Qt::Key_Tab);
    QCOMPARE(b->text(), u"12.345"_s);
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
