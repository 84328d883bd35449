#pragma once

// Shared helpers of the tests: working folders, archives, files, windows, clicks and typing.

#include "analysis/form43.h"
#include "app/program.h"
#include "main_window/form32.h"
#include "notice/form29.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <csignal>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace enalotto;
using namespace Qt::StringLiterals;

// Makes a fresh temporary directory the current one, and restores the old one at the end.
class WorkDir
{
public:
    WorkDir() : m_previous(QDir::currentPath()) { QDir::setCurrent(m_dir.path()); }
    ~WorkDir() { QDir::setCurrent(m_previous); }
    [[nodiscard]] QString path() const { return m_dir.path(); }
    [[nodiscard]] QString filePath(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

// One 25-byte record: date, six numbers in file order, Jolly, SuperStar.
inline QByteArray record(const char *date, const char *numbers12, const char *jolly = "00",
                         const char *superStar = "00")
{
    QByteArray r = QByteArray(date).leftJustified(9, ' ', true) + numbers12 + jolly + superStar;
    Q_ASSERT(r.size() == 25);
    return r;
}

// n records dated "ddMMMYYYY", `year` for all; numbers vary so each record is recognisable.
inline QByteArray yearOfRecords(int year, int n)
{
    QByteArray bytes;
    for (int i = 0; i < n; ++i) {
        const QByteArray day = QByteArray::number(i % 28 + 1).rightJustified(2, '0');
        const QByteArray first = QByteArray::number(i % 80 + 1).rightJustified(2, '0');
        const QByteArray date = day + "GEN" + QByteArray::number(year);
        const QByteArray numbers = first + "8182838485";
        bytes += record(date.constData(), numbers.constData(), "86", "87");
    }
    return bytes;
}

inline void writeFile(const QString &name, const QByteArray &bytes)
{
    QFile f(name);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

// A file as a test row gives it: "<none>" none, "<dir>" a folder, "<fifo>" a named pipe, or bytes.
inline void placeFile(const QString &name, const QByteArray &content)
{
    if (content == "<dir>")
        QVERIFY(QDir().mkdir(name));
    else if (content == "<fifo>")
        QCOMPARE(::mkfifo(QFile::encodeName(name).constData(), 0600), 0);
    else if (content != "<none>")
        writeFile(name, content);
}

inline QByteArray readFile(const QString &name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Closes every modal message box that appears while it lives, remembering each one.
class MessageBoxWatcher
{
public:
    struct Seen
    {
        QString title;
        QString text;
        QMessageBox::Icon icon;
    };

    MessageBoxWatcher()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            seen.push_back({box->windowTitle(), box->text(), box->icon()});
            box->accept();
        });
        m_timer.start(5);
    }

    std::vector<Seen> seen;

private:
    QTimer m_timer;
};

template <typename T> T *child(QWidget *window, const char *name)
{
    return window ? window->findChild<T *>(QLatin1String(name)) : nullptr;
}

// What a control shows: its caption, text or frame title, as the tests read every control.
inline QString caption(QWidget *window, const char *name)
{
    const QObject *o = child<QObject>(window, name);
    return o ? o->property("text").toString() : u"<no "_s + QLatin1String(name) + u'>';
}

// Writes "se" here and starts the program on it: its main window, or null when it refused.
inline Form32 *startOn(const QByteArray &archive)
{
    writeFile(u"se"_s, archive);
    return startProgram() ? startupWindow() : nullptr;
}

// Waits until the window's "Timer1" has ticked once more and the window's handler has run.
inline bool waitForTick(QWidget *window)
{
    QSignalSpy ticks(child<QTimer>(window, "Timer1"), &QTimer::timeout);
    return ticks.wait(2000);
}

// Clicks a control as a person does.
inline void click(QWidget *window, const char *name)
{
    QTest::mouseClick(child<QWidget>(window, name), Qt::LeftButton);
}

// Clicks into a text box, selects what it holds, deletes it and types the new text.
inline void typeInto(QWidget *window, const char *name, const QString &text)
{
    QWidget *box = child<QWidget>(window, name);
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

// The middle of a part of a scroll bar (an arrow, the handle, the groove), where a person presses.
inline QPoint scrollBarPart(QScrollBar *bar, QStyle::SubControl part)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.pageStep = bar->pageStep();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar).center();
}

// One click on a part of a scroll bar.
inline void clickScrollBar(QScrollBar *bar, QStyle::SubControl part)
{
    QTest::mouseClick(bar, Qt::LeftButton, {}, scrollBarPart(bar, part));
}

// Steps a scroll bar to `value` with clicks on its arrows, as a person does.
inline void clickScrollBarTo(QScrollBar *bar, int value)
{
    for (int guard = 0; bar->value() != value && guard < 100000; ++guard) {
        clickScrollBar(bar, bar->value() > value ? QStyle::SC_ScrollBarSubLine
                                                 : QStyle::SC_ScrollBarAddLine);
    }
    QCOMPARE(bar->value(), value);
}

// The open top-level window of type T, or null.
template <typename T> T *topLevel()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<T *>(w); window && window->isVisible())
            return window;
    }
    return nullptr;
}

// Opens the notice with "COLONNA VINCENTE" on the start-up main window.
inline Form29 *openNotice()
{
    click(startupWindow(), "Command3D26");
    return topLevel<Form29>();
}

// Opens the analysis window with the main window's "ANALISI SIST." button (a hidden one).
inline Form43 *openAnalysis()
{
    click(startupWindow(), "Command3D27");
    return topLevel<Form43>();
}

// Every window test: closed windows do not end it, and the shops' Italian locale.
inline void setUpWindowTests()
{
    qApp->setQuitOnLastWindowClosed(false);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
}

// Closes and deletes every top-level window, so each test starts with none.
inline void closeAllWindows()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isWindow() && !qobject_cast<QMessageBox *>(w))
            w->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->testAttribute(Qt::WA_DeleteOnClose))
            delete w;
    }
}

// Limits the size of the files this process writes while it lives: a write fails half-way, even
// for root.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN); // a failed write, not a killed process
        m_active = getrlimit(RLIMIT_FSIZE, &m_saved) == 0;
        rlimit small = m_saved;
        small.rlim_cur = bytes;
        m_active = m_active && setrlimit(RLIMIT_FSIZE, &small) == 0;
    }
    ~FileSizeLimit()
    {
        if (m_active)
            setrlimit(RLIMIT_FSIZE, &m_saved);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;
    [[nodiscard]] bool active() const { return m_active; }

private:
    rlimit m_saved{};
    bool m_active = false;
};
