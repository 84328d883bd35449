// The text box of the windows: its typing limit bounds what a person adds (typed, pasted by
// keys or the context menu, dropped, or given by an input method) and never cuts what the
// program puts in; opening its own context menu is not leaving it.
#include "controls/textbox.h"
#include "testutil.h"

#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QVBoxLayout>

class TestTextBox : public QObject
{
    Q_OBJECT

    std::unique_ptr<QWidget> m_window;
    TextBox *m_box = nullptr;
    TextBox *m_other = nullptr;

    // A window with the box under test (typing limit `limit`) and one more to leave to.
    void show(int limit)
    {
        m_window = std::make_unique<QWidget>();
        auto *layout = new QVBoxLayout(m_window.get());
        layout->addWidget(m_box = new TextBox(limit));
        layout->addWidget(m_other = new TextBox(30));
        m_window->show();
        QApplication::setActiveWindow(m_window.get());
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QTest::mouseClick(m_box, Qt::LeftButton);
        QVERIFY(m_box->hasFocus());
    }
    // A right click on the box, as the window system delivers it, then "Paste" in its menu.
    void pasteFromContextMenu()
    {
        QTest::mouseClick(m_window->windowHandle(), Qt::RightButton, {},
                          m_box->mapTo(m_window.get(), m_box->rect().center()));
        QTRY_VERIFY(qobject_cast<QMenu *>(QApplication::activePopupWidget()));
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        const QList<QAction *> actions = menu->actions();
        const auto paste = std::find_if(actions.begin(), actions.end(), [](QAction *a) {
            return a->text().startsWith(u"&Paste"_s);
        });
        QVERIFY(paste != actions.end());
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(*paste).center());
        QTRY_VERIFY(!QApplication::activePopupWidget());
    }

private slots:
    void typingLimitBoundsTypingOnly()
    {
        show(5);
        QTest::keyClicks(m_box, u"1234567"_s);
        QCOMPARE(m_box->text(), u"12345"_s);
        // A longer text the program puts in stays whole; typing cannot lengthen it further,
        // but can shorten it.
        m_box->setText(u"12.345"_s);
        QTest::keyClick(m_box, Qt::Key_End);
        QTest::keyClick(m_box, Qt::Key_9);
        QCOMPARE(m_box->text(), u"12.345"_s);
        QTest::keyClick(m_box, Qt::Key_Backspace);
        QCOMPARE(m_box->text(), u"12.34"_s);
        QTest::keyClick(m_box, Qt::Key_9); // at the limit: refused
        QTest::keyClick(m_box, Qt::Key_Backspace);
        QTest::keyClick(m_box, Qt::Key_9);
        QCOMPARE(m_box->text(), u"12.39"_s);
    }

    void addedTextKeepsToLimit_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("typed"); // typed into the box first (limit 30)
        QTest::addColumn<QString>("shown");
        const QString clip = u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrs"_s; // 45 characters
        for (const char *way : {"ctrl-v", "shift-insert", "context-menu", "drop", "input-method"}) {
            const QString w = QString::fromLatin1(way);
            QTest::addRow("%s-into-empty", way) << w << QString() << clip.left(30);
            QTest::addRow("%s-after-text", way) << w << u"VIA "_s << u"VIA "_s + clip.left(26);
            QTest::addRow("%s-into-full-box", way) << w << QString(30, u'x') << QString(30, u'x');
        }
    }

    void addedTextKeepsToLimit()
    {
        QFETCH(QString, way);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        const QString clip = u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrs"_s;
        QGuiApplication::clipboard()->setText(clip);
        show(30);
        QTest::keyClicks(m_box, typed);
        QCOMPARE(m_box->text(), typed);
        if (way == u"ctrl-v") {
            QTest::keyClick(m_box, Qt::Key_V, Qt::ControlModifier);
        } else if (way == u"shift-insert") {
            QTest::keyClick(m_box, Qt::Key_Insert, Qt::ShiftModifier);
        } else if (way == u"context-menu") {
            pasteFromContextMenu();
        } else if (way == u"drop") {
            // A drag from another program ends at the box's right end: enter, move, drop.
            QMimeData mime;
            mime.setText(clip);
            const QPoint at(m_box->width() - 2, m_box->height() / 2);
            QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(m_box, &enter);
            QDragMoveEvent move(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(m_box, &move);
            QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(m_box, &drop);
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(clip);
            QApplication::sendEvent(m_box, &commit);
        }
        QCOMPARE(m_box->text(), shown);
    }

    void contextMenuIsNotLeaving()
    {
        QGuiApplication::clipboard()->setText(u"5678"_s);
        show(5);
        QSignalSpy left(m_box, &TextBox::left);
        QTest::keyClicks(m_box, u"1234"_s);
        pasteFromContextMenu();
        QTRY_VERIFY(m_box->hasFocus());
        QCOMPARE(m_box->text(), u"12345"_s);
        QCOMPARE(left.count(), 0); // the menu took the focus, the box was not left
        QTest::keyClick(m_box, Qt::Key_Tab);
        QCOMPARE(left.count(), 1);
        QVERIFY(m_other->hasFocus());
    }
};

QTEST_MAIN(TestTextBox)
#include "tst_textbox.moc"
