// End-to-end printing through the system's default printer. Needs a CUPS scheduler with a
// cups-pdf queue as the default (scripts/test-printer.sh); without it the printing cases are
// skipped.

#include "notice/form29.h"
#include "pdfsupport.h"
#include "platform/systemprinter.h"
#include "printout/noticeprintout.h"

#include <QLineEdit>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScopeGuard>
#include <QScrollBar>

using namespace enalotto;

class TestPrinting : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpWindowTests(); }
    void cleanup() { closeAllWindows(); }
    void combinationPage();
    void noticePage();
    void noPrinterPrintsNothing();
};

void TestPrinting::combinationPage()
{
    if (pdfDir().isEmpty())
        QSKIP("no cups-pdf test printer (set ENALOTTO_PDF_DIR)");
    WorkDir dir;
    Form32 *w = startOn(readFile(QStringLiteral(ENALOTTO_SAMPLE_ARCHIVE)));
    QVERIFY(w);
    const QStringList before = pdfs();
    click(w, "Command3D1");
    const QString pdf = waitForNewPdf(before);
    QVERIFY2(!pdf.isEmpty(), "no PDF appeared");

    const DisplayedDraw d = w->displayedDraw();
    const QString numbers = QStringList(d.numbers.begin(), d.numbers.end()).join(u' ');
    QStringList lines;
    for (const QString &line : pageLines(run(u"pdftotext"_s, {u"-layout"_s, pdf, u"-"_s})))
        lines << line.simplified();
    QCOMPARE(lines, (QStringList{u"COMBINAZIONE VINCENTE SUPER ENALOTTO DEL "_s + d.date, QString(),
                                 numbers + u" NUMERO JOLLY "_s + d.jolly + u" NUMERO SUPERSTAR "_s +
                                     d.superStar}));

    // Columns from the words' positions: 11-point Courier is 6.6 points a column, and the
    // first number stands in column 16.
    const QMultiMap<QString, int> columns = wordColumns(pdf, 6.6, d.numbers[0], 16);
    QCOMPARE(columns.value(u"COMBINAZIONE"_s), 18);
    QCOMPARE(columns.value(d.date), 59);
    for (int k = 1; k < 6; ++k)
        QVERIFY(columns.values(d.numbers[size_t(k)]).contains(16 + 3 * k));
    QVERIFY(columns.values(d.jolly).contains(48));
    QVERIFY(columns.values(d.superStar).contains(69));
    QCOMPARE(run(u"pdfinfo"_s, {pdf}).contains(QRegularExpression(u"Pages:\\s+1\\n"_s)), true);
}

void TestPrinting::noticePage()
{
    if (pdfDir().isEmpty())
        QSKIP("no cups-pdf test printer (set ENALOTTO_PDF_DIR)");
    WorkDir dir;
    Form32 *w = startOn(readFile(QStringLiteral(ENALOTTO_SAMPLE_ARCHIVE)));
    QVERIFY(w);
    Form29 *form = openNotice();
    const std::pair<const char *, const char *> values[] = {
        {"Text1", "RICEVITORIA DEL CORSO"},
        {"Text2", "TABACCHI"},
        {"Text3", "VIA ROMA 1"},
        {"Text4", "12.345.678,90"},
        {"Text8", "1"},
        {"Text5", "1.000.000,00"},
        {"Text15", "2"},
        {"Text23", "50.000,00"},
        {"Text21", "81.300.000,00"},
    };
    for (const auto &[name, text] : values)
        typeInto(form, name, QString::fromUtf8(text));
    QVERIFY(waitForTick(form)); // the labels and the prize table's state
    const QStringList before = pdfs();
    click(form, "Command3D1");
    const QString pdf = waitForNewPdf(before);
    QVERIFY2(!pdf.isEmpty(), "no PDF appeared");

    QVERIFY(run(u"pdfinfo"_s, {pdf}).contains(QRegularExpression(u"Pages:\\s+1\\n"_s)));
    const QStringList lines = pageLines(run(u"pdftotext"_s, {u"-layout"_s, pdf, u"-"_s}));
    // The page as pdftotext reads it, blanks simplified and empty lines left out.
    QStringList trimmed;
    for (const QString &line : lines) {
        if (!line.trimmed().isEmpty())
            trimmed << line.simplified();
    }
    QStringList expected =
        QString::fromUtf8(readFile(QStringLiteral(ENALOTTO_TEST_DATA "/notice-page.txt")))
            .split(u'\n');
    expected.removeAll(QString());
    QCOMPARE(trimmed, expected);

    // Styles: values bold, SuperStar rows italic (their values bold italic), labels regular.
    const QString fonts = run(u"pdffonts"_s, {pdf});
    for (const char *face : {"Mono\n", "Mono-Bold", "Mono-Italic", "Mono-BoldItalic"})
        QVERIFY2(fonts.contains(QString::fromLatin1(face).remove(u'\n')), qPrintable(fonts));
    const QString xml = run(u"pdftohtml"_s, {u"-xml"_s, u"-i"_s, u"-stdout"_s, pdf});
    QVERIFY2(xml.contains(u"<b>83"_s), qPrintable(xml));
    QVERIFY(xml.contains(u"<b>81.300.000,00"_s) || xml.contains(u"<b> 81.300.000,00"_s) ||
            xml.contains(u"<b>   81.300.000,00"_s));
    QVERIFY(xml.contains(u"<i>"_s));
}

void TestPrinting::noPrinterPrintsNothing()
{
    if (qEnvironmentVariable("CUPS_SERVER").isEmpty())
        QSKIP("runs with CUPS_SERVER pointing at a socket that does not exist");
    WorkDir dir;
    Form32 *w = startOn(readFile(QStringLiteral(ENALOTTO_SAMPLE_ARCHIVE)));
    QVERIFY(w);
    const QString date = w->displayedDraw().date;
    MessageBoxWatcher boxes;
    click(w, "Command3D1");
    QVERIFY(boxes.seen.empty());
    QVERIFY(w->isVisible());
    QCOMPARE(w->displayedDraw().date, date);

    // The notice, on the other hand, tells the user, and still stores the header.
    Form29 *form = openNotice();
    typeInto(form, "Text1", u"RICEVITORIA"_s);
    QVERIFY(waitForTick(form));
    click(form, "Command3D1");
    QCOMPARE(boxes.seen.size(), size_t(1));
    QCOMPARE(boxes.seen[0].title, u"INFORMAZIONE GENERALE"_s);
    QCOMPARE(readFile(u"13"_s), QByteArray("\"RICEVITORIA\"\r\n\"\"\r\n\"\"\r\n"));
}

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
