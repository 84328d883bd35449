#pragma once

// What the notice window's tests share: a fresh folder with an archive, a recording printer,
// the window opened from the main window as a person opens it, and the person's keys and
// clicks on its controls.

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

using namespace Qt::StringLiterals;

class NoticeFixture
{
protected:
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
        enterBox(box(n));
        text.isEmpty() ? press(Qt::Key_Delete) : type(text);
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

    void startTest()
    {
        m_dir = std::make_unique<WorkDir>();
        writeFile(u"se"_s, yearOfRecords(2019, 3) + yearOfRecords(2020, 5));
        m_printer = RecordingPrinter();
        setActivePrinter(&m_printer);
    }
    void endTest()
    {
        closeAllWindows();
        setActivePrinter(nullptr);
        m_dir.reset();
        m_form = nullptr;
    }
};
