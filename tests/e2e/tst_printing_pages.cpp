// The printed page on other papers and printers: the notice scaled onto one page, and every
// printout inside the printable area of a queue with margins. Needs the queues of
// scripts/test-printer.sh.

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

class TestPrintedPages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpWindowTests(); }
    void cleanup() { closeAllWindows(); }
    void noticeFitsOnePage_data();
    void noticeFitsOnePage();
    void printableAreaOfTheQueue_data();
    void printableAreaOfTheQueue();
};

namespace {

// The program's printer, writing a PDF file of a chosen paper size instead of printing.
class PdfFilePrinter : public SystemPrinter
{
public:
    PdfFilePrinter(QString file, QPageSize::PageSizeId size) : m_file(std::move(file)), m_size(size)
    {}

protected:
    std::unique_ptr<QPrinter> createPrinter() override
    {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(m_file);
        printer->setPageSize(QPageSize(m_size));
        return printer;
    }

private:
    QString m_file;
    QPageSize::PageSizeId m_size;
};

} // namespace

void TestPrintedPages::noticeFitsOnePage_data()
{
    QTest::addColumn<int>("pageSize");
    QTest::addColumn<int>("extraLines"); // beyond the full notice: the page is scaled to fit
    QTest::addColumn<int>("pages");
    QTest::newRow("A4") << int(QPageSize::A4) << 0 << 1;
    QTest::newRow("Letter") << int(QPageSize::Letter) << 0 << 1;
    QTest::newRow("overflow-is-scaled-onto-the-page") << int(QPageSize::A4) << 15 << 1;
}

void TestPrintedPages::noticeFitsOnePage()
{
    QFETCH(int, pageSize);
    QFETCH(int, extraLines);
    QFETCH(int, pages);
    WorkDir dir;
    NoticeInput in;
    in.header = {QString(30, u'H'), QString(30, u'I'), QString(30, u'J')};
    in.contest = u"152"_s;
    in.date = u"23MAG2026"_s;
    in.draw.numbers = {u"01"_s, u"02"_s, u"03"_s, u"04"_s, u"05"_s, u"06"_s};
    in.draw.jolly = u"07"_s;
    in.draw.superStar = u"08"_s;
    in.prizePool = u"99.999.999,99"_s;
    for (CategoryValues &c : in.categories)
        c = {u"99"_s, u"9.999.999,99"_s};
    in.jackpot = u"999.999.999,99"_s;
    const QString pdf = dir.filePath(u"notice.pdf"_s);
    {
        PdfFilePrinter printer(pdf, QPageSize::PageSizeId(pageSize));
        QVector<PrintOp> ops = noticePrintout(in).ops();
        PrintJob extra;
        for (int i = 1; i <= extraLines; ++i)
            extra.line(u"EXTRA "_s + QString::number(i));
        const PrintOp end = ops.takeLast(); // the extra lines go before the end of the document
        ops << extra.ops() << end;
        for (const PrintOp &op : ops)
            printer.apply(op);
    }
    QVERIFY(run(u"pdfinfo"_s, {pdf})
                .contains(QRegularExpression(u"Pages:\\s+"_s + QString::number(pages) + u"\\n"_s)));
    const QString text = run(u"pdftotext"_s, {pdf, u"-"_s});
    for (int i = 1; i <= extraLines; ++i)
        QVERIFY(text.contains(u"EXTRA "_s + QString::number(i) + u'\n'));
    const QStringList lines = pageLines(run(u"pdftotext"_s, {u"-layout"_s, pdf, u"-"_s}));
    QVERIFY(lines.first().contains(u"*****"_s));
    QVERIFY(lines.contains(u"HHHHHHHHHHHHHHHHHHHHHHHHHHHHHH"_s) ||
            std::any_of(lines.begin(), lines.end(),
                        [](const QString &l) { return l.trimmed() == QString(30, u'H'); }));
    if (extraLines == 0)
        QVERIFY(lines.last().contains(u"Elaborazione e stampa dati"_s));
    // Nothing stands beyond the page's right edge: the longest line has all 31 columns.
    const QString jackpot = *std::find_if(
        lines.begin(), lines.end(), [](const QString &l) { return l.contains(u"JACKPOT"_s); });
    QVERIFY(jackpot.contains(u"999.999.999,99"_s));
}

void TestPrintedPages::printableAreaOfTheQueue_data()
{
    QTest::addColumn<QByteArray>("queue"); // set up by scripts/test-printer.sh
    QTest::addColumn<QString>("printout");
    QTest::addColumn<QSizeF>("paper");     // points
    QTest::addColumn<QRectF>("printable"); // points from the top left corner
    // The width of the printout's first word: printed at its own size where it fits (12
    // columns of 11-point Courier; 30 of 30 points), evenly scaled down to the printable
    // height where it does not (the full notice's 734 points into Letter's 720).
    QTest::addColumn<double>("firstWidth");
    const QSizeF a4(595, 842);
    const QSizeF letter(612, 792);
    const QRectF a4Area(QPointF(18, 36), QPointF(577, 806));
    const QRectF letterArea(QPointF(18, 36), QPointF(594, 756));
    const QByteArray margins("PDF-Margins");
    const QByteArray letterQueue("PDF-Letter");
    QTest::newRow("a4-margins-combination")
        << margins << u"combination"_s << a4 << a4Area << 12 * 6.6;
    QTest::newRow("letter-default-combination")
        << letterQueue << u"combination"_s << letter << letterArea << 12 * 6.6;
    QTest::newRow("a4-margins-notice") << margins << u"notice"_s << a4 << a4Area << 30 * 18.0;
    QTest::newRow("letter-default-notice")
        << letterQueue << u"notice"_s << letter << letterArea << 30 * 18.0 * 720 / 734;
}

void TestPrintedPages::printableAreaOfTheQueue()
{
    QFETCH(QByteArray, queue);
    QFETCH(QString, printout);
    QFETCH(QSizeF, paper);
    QFETCH(QRectF, printable);
    QFETCH(double, firstWidth);
    if (pdfDir().isEmpty())
        QSKIP("no cups-pdf test printer (set ENALOTTO_PDF_DIR)");
    qputenv("PRINTER", queue); // the default printer of this process
    const auto restore = qScopeGuard([] { qunsetenv("PRINTER"); });
    QCOMPARE(QPrinterInfo::defaultPrinter().printerName(), QString::fromLatin1(queue));
    WorkDir dir;
    Form32 *w = startOn(readFile(QStringLiteral(ENALOTTO_SAMPLE_ARCHIVE)));
    QVERIFY(w);
    const QStringList before = pdfs();
    QString first; // the printout's first line of text
    QString last;
    if (printout == u"combination") {
        click(w, "Command3D1");
        first = u"COMBINAZIONE"_s;
        last = u"SUPERSTAR"_s;
    } else {
        Form29 *form = openNotice();
        const std::pair<const char *, QString> typed[] = {{"Text1", u"RICEVITORIA"_s},
                                                          {"Text4", u"12.345.678,90"_s},
                                                          {"Text21", u"81.300.000,00"_s}};
        for (const auto &[name, text] : typed) {
            typeInto(form, name, text);
        }
        QTRY_COMPARE(child<QLineEdit>(form, "Text5")->palette().color(QPalette::Base),
                     QColor(Qt::white));
        click(form, "Command3D1");
        first = u"******************************"_s;
        last = u"PRO"_s;
    }
    const QString pdf = waitForNewPdf(before);
    QVERIFY2(!pdf.isEmpty(), "no PDF appeared");
    const QString info = run(u"pdfinfo"_s, {pdf});
    QVERIFY2(info.contains(QRegularExpression(u"Pages:\\s+1\\n"_s)), qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression(
                 u"Page size:\\s+%1 x %2 pts"_s.arg(paper.width()).arg(paper.height()))),
             qPrintable(info));
    const auto boxes = wordBoxes(pdf);
    const auto firstBox =
        std::find_if(boxes.begin(), boxes.end(), [&](const auto &b) { return b.second == first; });
    QVERIFY(firstBox != boxes.end());
    QVERIFY2(std::abs(firstBox->first.width() - firstWidth) < 1.5,
             qPrintable(QString::number(firstBox->first.width())));
    QVERIFY(
        std::any_of(boxes.begin(), boxes.end(), [&](const auto &b) { return b.second == last; }));
    for (const auto &[box, text] : boxes) {
        QVERIFY2(printable.contains(box), qPrintable(u"%1 at %2,%3-%4,%5"_s.arg(text)
                                                         .arg(box.left())
                                                         .arg(box.top())
                                                         .arg(box.right())
                                                         .arg(box.bottom())));
    }
}

QTEST_MAIN(TestPrintedPages)
#include "tst_printing_pages.moc"
