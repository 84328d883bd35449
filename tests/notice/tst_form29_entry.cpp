// The notice window as a person fills it in: Enter and Tab, re-formatting on leaving a box,
// typing and pasting within the limits.
#include "noticefixture.h"

class TestForm29Entry : public QObject, private NoticeFixture
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpWindowTests(); }
    void init() { startTest(); }
    void cleanup() { endTest(); }
    void enterMovesFocus_data();
    void enterMovesFocus();
    void reformatOnLeaving_data();
    void reformatOnLeaving();
    void typingLimitBoundsTypingOnly();
    void addedTextKeepsToLimit_data();
    void addedTextKeepsToLimit();
    void contextMenuIsNotLeaving();
    void enterOnStampaPrintsOncePerPress();
};

void TestForm29Entry::enterMovesFocus_data()
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

void TestForm29Entry::enterMovesFocus()
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

void TestForm29Entry::reformatOnLeaving_data()
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

void TestForm29Entry::reformatOnLeaving()
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

void TestForm29Entry::typingLimitBoundsTypingOnly()
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

void TestForm29Entry::addedTextKeepsToLimit_data()
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

void TestForm29Entry::addedTextKeepsToLimit()
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

void TestForm29Entry::contextMenuIsNotLeaving()
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

void TestForm29Entry::enterOnStampaPrintsOncePerPress()
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

QTEST_MAIN(TestForm29Entry)
#include "tst_form29_entry.moc"
