// The text box of the windows: its typing limit bounds what a person adds (typed, pasted by
// keys or the context menu, dropped, or given by an input method) and never cuts what the
// program puts in; opening its own context menu is not leaving it.
#include "controls/textbox.h"
#include "testutil.h"

#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QVBoxLayout>

const QString Clip = u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrs"_s; // 45 characters

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
    }
    // A right click on the box, as the window system delivers it, then Paste in its menu.
    void pasteFromContextMenu()
    {
        QTest::mouseClick(m_window->windowHandle(), Qt::RightButton, {},
                          m_box->mapTo(m_window.get(), m_box->rect().center()));
        QTRY_VERIFY(qobject_cast<QMenu *>(QApplication::activePopupWidget()));
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_P); // "&Paste"
        QTRY_VERIFY(!QApplication::activePopupWidget());
    }

private slots:
    void typingLimitBoundsTypingOnly()
    {
        show(5);
        QTest::keyClicks(m_box, u"1234567"_s);
        QCOMPARE(m_box->text(), u"12345"_s);
        // A longer text the program puts in stays whole: the 9s at its end are refused until
        // two Backspaces bring it under the limit.
        m_box->setText(u"12.345"_s);
        QTest::keyClick(m_box, Qt::Key_End);
        QTest::keyClicks(m_box, u"9\b9\b9"_s); // 9, Backspace, 9, Backspace, 9
        QCOMPARE(m_box->text(), u"12.39"_s);
    }

    // Whatever way the text comes, the box keeps its focus and is not left until Tab.
    void addedTextKeepsToLimit_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("typed"); // typed into the box first (limit 30)
        QTest::addColumn<QString>("shown");
        for (const char *way : {"ctrl-v", "shift-insert", "context-menu", "drop", "input-method"}) {
            const QString w = QString::fromLatin1(way);
            QTest::addRow("%s-into-empty", way) << w << QString() << Clip.left(30);
            QTest::addRow("%s-after-text", way) << w << u"VIA "_s << u"VIA "_s + Clip.left(26);
            QTest::addRow("%s-into-full-box", way) << w << QString(30, u'x') << QString(30, u'x');
        }
    }
    void addedTextKeepsToLimit()
    {
        QFETCH(QString, way);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QGuiApplication::clipboard()->setText(Clip);
        show(30);
        QSignalSpy left(m_box, &TextBox::left);
        QTest::keyClicks(m_box, typed);
        if (way == u"ctrl-v") {
            QTest::keyClick(m_box, Qt::Key_V, Qt::ControlModifier);
        } else if (way == u"shift-insert") {
            QTest::keyClick(m_box, Qt::Key_Insert, Qt::ShiftModifier);
        } else if (way == u"context-menu") {
            pasteFromContextMenu();
        } else if (way == u"drop") {
            // A drag from another program ends at the box's right end: enter, move, drop.
            QMimeData mime;
            mime.setText(Clip);
            const QPoint at(m_box->width() - 2, m_box->height() / 2);
            auto send = [this](QDropEvent &&event) {
                QApplication::sendEvent(m_box, &event);
            };
            send(QDragEnterEvent(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier));
            send(QDragMoveEvent(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier));
            send(QDropEvent(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier));
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(Clip);
            QApplication::sendEvent(m_box, &commit);
        }
        QCOMPARE(m_box->text(), shown);
        QTRY_VERIFY(m_box->hasFocus()); // a closed context menu gives it back
        QCOMPARE(left.count(), 0);
        QTest::keyClick(m_box, Qt::Key_Tab);
        QCOMPARE(left.count(), 1);
    }
};

QTEST_MAIN(TestTextBox)
#include "tst_textbox.moc"
