// End-to-end printing through the system's default printer. Needs a CUPS scheduler with a
// cups-pdf queue as the default (scripts/test-printer.sh); ENALOTTO_PDF_DIR names the folder
// where the queue leaves its PDF files. Without it the printing cases are skipped.

#include "app/program.h"
#include "notice/form29.h"
#include "platform/systemprinter.h"
#include "printout/noticeprintout.h"
#include "testutil.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QScrollBar>
#include <cmath>

using namespace enalotto;

using namespace Qt::StringLiterals;

class TestPrinting : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void combinationPage();
    void noticePage();
    void noPrinterPrintsNothing();
    void noticeFitsOnePage_data();
    void noticeFitsOnePage();
    void printableAreaOfTheQueue_data();
    void printableAreaOfTheQueue();

private:
    QString pdfDir() const { return qEnvironmentVariable("ENALOTTO_PDF_DIR"); }
    QStringList pdfs() const;
    QString waitForNewPdf(const QStringList &before) const;
    static QString run(const QString &program, const QStringList &args);
    Form32 *startOnSample(WorkDir &dir);
};

void TestPrinting::initTestCase()
{
    qApp->setQuitOnLastWindowClosed(false);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
}

void TestPrinting::cleanup()
{
    closeAllWindows();
}

QStringList TestPrinting::pdfs() const
{
    QStringList files;
    QDirIterator it(pdfDir(), {u"*.pdf"_s}, QDir::Files);
    while (it.hasNext())
        files << it.next();
    return files;
}

QString TestPrinting::waitForNewPdf(const QStringList &before) const
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 60000) {
        for (const QString &file : pdfs()) {
            // cups-pdf writes the file in place; wait until it stops growing.
            if (!before.contains(file)) {
                qint64 size = -1;
                while (QFileInfo(file).size() != size) {
                    size = QFileInfo(file).size();
                    QTest::qWait(300);
                }
                return file;
            }
        }
        QTest::qWait(200);
    }
    return QString();
}

QString TestPrinting::run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

Form32 *TestPrinting::startOnSample(WorkDir &)
{
    if (!QFile::copy(QStringLiteral(ENALOTTO_SAMPLE_ARCHIVE), u"se"_s))
        return nullptr;
    return startProgram() ? startupWindow() : nullptr;
}

// The column of each word of the page, counted from a word whose column is known.
static QMultiMap<QString, int> wordColumns(const QString &pdf, double pitch, const QString &anchor,
                                           int anchorColumn)
{
    QProcess p;
    p.start(u"pdftotext"_s, {u"-bbox"_s, pdf, u"-"_s});
    p.waitForFinished(30000);
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression word(u"<word xMin=\"([0-9.]+)\"[^>]*>([^<]*)</word>"_s);
    QList<std::pair<double, QString>> words;
    double anchorX = -1;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        words.append({m.captured(1).toDouble(), m.captured(2)});
        if (anchorX < 0 && m.captured(2) == anchor)
            anchorX = m.captured(1).toDouble();
    }
    QMultiMap<QString, int> columns;
    for (const auto &[x, text] : words)
        columns.insert(text, anchorColumn + int(std::lround((x - anchorX) / pitch)));
    return columns;
}

// The page's text lines, trailing blanks and the blank lines at the page's end removed.
static QStringList pageLines(const QString &text)
{
    QStringList lines = text.split(u'\n');
    for (QString &line : lines) {
        while (line.endsWith(u' '))
            line.chop(1);
        line.remove(u'\f');
    }
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    while (!lines.isEmpty() && lines.first().isEmpty())
        lines.removeFirst();
    return lines;
}

void TestPrinting::combinationPage()
{
    if (pdfDir().isEmpty())
        QSKIP("no cups-pdf test printer (set ENALOTTO_PDF_DIR)");
    WorkDir dir;
    Form32 *w = startOnSample(dir);
    QVERIFY(w);
    const QStringList before = pdfs();
    child<QPushButton>(w, "Command3D1")->click();
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
    Form32 *w = startOnSample(dir);
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
        child<QLineEdit>(form, name)->setText(QString::fromUtf8(text));
    QTest::qWait(700); // one tick: labels and the prize table state
    const QStringList before = pdfs();
    child<QPushButton>(form, "Command3D1")->click();
    const QString pdf = waitForNewPdf(before);
    QVERIFY2(!pdf.isEmpty(), "no PDF appeared");

    QVERIFY(run(u"pdfinfo"_s, {pdf}).contains(QRegularExpression(u"Pages:\\s+1\\n"_s)));
    const QStringList lines = pageLines(run(u"pdftotext"_s, {u"-layout"_s, pdf, u"-"_s}));
    const DisplayedDraw d = w->displayedDraw();
    QStringList trimmed;
    for (const QString &line : lines) {
        if (!line.trimmed().isEmpty())
            trimmed << line.simplified();
    }
    const QStringList expected{
        u"******************************"_s,
        u"RICEVITORIA DEL CORSO"_s,
        u"TABACCHI"_s,
        u"VIA ROMA 1"_s,
        u"******************************"_s,
        u"Concorso SUPER ENALOTTO n\u00b0 "_s + d.contest,
        u"COLONNA VINC.DEL "_s + d.date,
        QStringList(d.numbers.begin(), d.numbers.end()).join(u' ') + u" N\u00b0JOLLY "_s + d.jolly,
        u"N\u00b0 SUPERSTAR "_s + d.superStar,
        u"MONTEPREMI: Euro 12.345.678,90"_s,
        u"AI ( 1) 6 Euro 1.000.000,00"_s,
        u"AI ( ) 5+ Euro"_s,
        u"AI ( ) 5 Euro"_s,
        u"AI ( ) 4 Euro"_s,
        u"AI ( ) 3 Euro"_s,
        u"AI ( 2) 5S Euro 50.000,00"_s,
        u"AI ( ) 4S Euro"_s,
        u"AI ( ) 3S Euro"_s,
        u"AI ( ) 2S Euro"_s,
        u"AI ( ) 1S Euro"_s,
        u"AI ( ) 0S Euro"_s,
        u"JACKPOT: Euro 81.300.000,00"_s,
        u"Elaborazione e stampa dati su PC programma VUR! PRO"_s,
    };
    QCOMPARE(trimmed, expected);

    // Styles: values bold, SuperStar rows italic (their values bold italic), labels regular.
    const QString fonts = run(u"pdffonts"_s, {pdf});
    for (const char *face : {"Mono\n", "Mono-Bold", "Mono-Italic", "Mono-BoldItalic"})
        QVERIFY2(fonts.contains(QString::fromLatin1(face).remove(u'\n')), qPrintable(fonts));
    const QString xml = run(u"pdftohtml"_s, {u"-xml"_s, u"-i"_s, u"-stdout"_s, pdf});
    QVERIFY2(xml.contains(u"<b>"_s + d.contest), qPrintable(xml));
    QVERIFY(xml.contains(u"<b>81.300.000,00"_s) || xml.contains(u"<b> 81.300.000,00"_s) ||
            xml.contains(u"<b>   81.300.000,00"_s));
    QVERIFY(xml.contains(u"<i>"_s));
}

void TestPrinting::noPrinterPrintsNothing()
{
    if (qEnvironmentVariable("CUPS_SERVER").isEmpty())
        QSKIP("runs with CUPS_SERVER pointing at a socket that does not exist");
    WorkDir dir;
    Form32 *w = startOnSample(dir);
    QVERIFY(w);
    const QString date = w->displayedDraw().date;
    MessageBoxWatcher boxes;
    child<QPushButton>(w, "Command3D1")->click();
    QTest::qWait(100);
    QVERIFY(boxes.seen.empty());
    QVERIFY(w->isVisible());
    QCOMPARE(w->displayedDraw().date, date);

    // The notice, on the other hand, tells the user, and still stores the header.
    Form29 *form = openNotice();
    child<QLineEdit>(form, "Text1")->setText(u"RICEVITORIA"_s);
    QTest::qWait(600);
    child<QPushButton>(form, "Command3D1")->click();
    QCOMPARE(boxes.seen.size(), size_t(1));
    QCOMPARE(boxes.seen[0].title, u"INFORMAZIONE GENERALE"_s);
    QCOMPARE(readFile(u"13"_s), QByteArray("\"RICEVITORIA\"\r\n\"\"\r\n\"\"\r\n"));
}

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

void TestPrinting::noticeFitsOnePage_data()
{
    QTest::addColumn<int>("pageSize");
    QTest::addColumn<int>("extraLines"); // beyond the full notice: the page is scaled to fit
    QTest::addColumn<int>("pages");
    QTest::newRow("A4") << int(QPageSize::A4) << 0 << 1;
    QTest::newRow("Letter") << int(QPageSize::Letter) << 0 << 1;
    QTest::newRow("overflow-is-scaled-onto-the-page") << int(QPageSize::A4) << 15 << 1;
}

void TestPrinting::noticeFitsOnePage()
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

// Each word's box on the PDF's first page, in points from the top left corner.
static QList<std::pair<QRectF, QString>> wordBoxes(const QString &pdf)
{
    QProcess p;
    p.start(u"pdftotext"_s, {u"-bbox"_s, pdf, u"-"_s});
    p.waitForFinished(30000);
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression word(
        u"<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">"
        "([^<]*)</word>"_s);
    QList<std::pair<QRectF, QString>> boxes;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        boxes.append({QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                             QPointF(m.captured(3).toDouble(), m.captured(4).toDouble())),
                      m.captured(5)});
    }
    return boxes;
}

void TestPrinting::printableAreaOfTheQueue_data()
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

void TestPrinting::printableAreaOfTheQueue()
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
    Form32 *w = startOnSample(dir);
    QVERIFY(w);
    const QStringList before = pdfs();
    QString first; // the printout's first line of text
    QString last;
    if (printout == u"combination") {
        child<QPushButton>(w, "Command3D1")->click();
        first = u"COMBINAZIONE"_s;
        last = u"SUPERSTAR"_s;
    } else {
        Form29 *form = openNotice();
        child<QLineEdit>(form, "Text1")->setText(u"RICEVITORIA"_s);
        child<QLineEdit>(form, "Text4")->setText(u"12.345.678,90"_s);
        child<QLineEdit>(form, "Text21")->setText(u"81.300.000,00"_s);
        QTRY_COMPARE(child<QLineEdit>(form, "Text5")->palette().color(QPalette::Base),
                     QColor(Qt::white));
        child<QPushButton>(form, "Command3D1")->click();
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

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
