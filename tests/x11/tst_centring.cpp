#include "about/form14.h"
#include "testutil.h"

#include <QScreen>

// On a desktop, each window's outer frame (title bar included) is centred on the screen.
class TestCentring : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void framesAreCentred_data();
    void framesAreCentred();
};

void TestCentring::initTestCase()
{
    qApp->setQuitOnLastWindowClosed(false);
    QVERIFY2(QGuiApplication::platformName() == u"xcb"_s, "runs on X11 with a window manager");
}

void TestCentring::framesAreCentred_data()
{
    QTest::addColumn<QString>("window");
    for (const char *name : {"Form32", "Form29", "Form43", "Form14"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestCentring::framesAreCentred()
{
    QFETCH(QString, window);
    WorkDir dir;
    QWidget *w = startOn(yearOfRecords(2020, 5));
    if (window == u"Form29")
        w = openNotice();
    else if (window == u"Form43")
        w = openAnalysis();
    else if (window == u"Form14")
        w = Form14::open();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    // The window manager adds the frame after the window is shown.
    QTRY_VERIFY(w->frameGeometry().height() > w->height());
    const QPoint screenCentre = w->screen()->geometry().center();
    QTRY_VERIFY2((w->frameGeometry().center() - screenCentre).manhattanLength() <= 2,
                 qPrintable(u"frame %1,%2 %3x%4"_s.arg(w->frameGeometry().x())
                                .arg(w->frameGeometry().y())
                                .arg(w->frameGeometry().width())
                                .arg(w->frameGeometry().height())));
    closeAllWindows();
}

QTEST_MAIN(TestCentring)
#include "tst_centring.moc"
