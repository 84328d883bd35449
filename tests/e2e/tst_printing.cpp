// Printing through the default printer: the cups-pdf queues of scripts/test-printer.sh write
// into ENALOTTO_PDF_DIR, read back with poppler; without them those cases are skipped.

#include "platform/systemprinter.h"
#include "printout/combination.h"
#include "printout/noticeprintout.h"
#include "testutil.h"

#include <QDeadlineTimer>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <cmath>

class TestPrinting : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpWindowTests(); }
    void init()
    {
        const QByteArrayList printing{"combinationPage", "noticePage", "printableAreaOfTheQueue"};
        if (qEnvironmentVariableIsEmpty("ENALOTTO_PDF_DIR") &&
            printing.contains(QTest::currentTestFunction()))
            QSKIP("no cups-pdf test printer (set ENALOTTO_PDF_DIR)");
    }
    void cleanup() { closeAllWindows(); }
    void combinationPage();
    void noticePage();
    void noPrinterPrintsNothing();
    void noticeFitsOnePage_data();
    void noticeFitsOnePage();
    void printableAreaOfTheQueue_data();
    void printableAreaOfTheQueue();
};

namespace {

// The standard output of a program run to its end.
QString run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// What poppler reads of a PDF: pdfinfo's report, the lines as pdftotext lays them out (blanks
// simplified, empty lines left out) and the box of each word, in points from the top left.
struct Pdf
{
    explicit Pdf(const QString &path) : file(path), info(run(u"pdfinfo"_s, {path}))
    {
        for (const QString &line : run(u"pdftotext"_s, {u"-layout"_s, path, u"-"_s}).split(u'\n'))
            if (!line.simplified().isEmpty())
                lines << line.simplified();
        static const QRegularExpression word(
            u"<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">"
            "([^<]*)</word>"_s);
        const QString html = run(u"pdftotext"_s, {u"-bbox"_s, path, u"-"_s});
        for (auto it = word.globalMatch(html); it.hasNext();) {
            const auto m = it.next();
            QList<double> at;
            for (int i = 1; i <= 4; ++i)
                at << m.captured(i).toDouble();
            words.insert(m.captured(5), QRectF(QPointF(at[0], at[1]), QPointF(at[2], at[3])));
        }
    }

    [[nodiscard]] QString field(const QString &pattern) const
    {
        return QRegularExpression(pattern).match(info).captured(1);
    }
    // The page's lines rebuilt from the words' boxes on a grid of `pitch` points, the word
    // `anchor` in column `column`.
    [[nodiscard]] QStringList onGrid(double pitch, const QString &anchor, int column) const
    {
        const double left = words.value(anchor).left() - column * pitch;
        QMap<int, QString> rows; // by the words' tops
        for (const auto &[text, box] : words.asKeyValueRange()) {
            QString &row = rows[qRound(box.top())];
            const int at = qRound((box.left() - left) / pitch);
            row = row.leftJustified(at + text.size()).replace(at, text.size(), text);
        }
        return rows.values();
    }
    [[nodiscard]] int pages() const { return field(u"Pages:\\s+(\\d+)"_s).toInt(); }

    QString file, info;
    QStringList lines;
    QMultiMap<QString, QRectF> words;
};

// Clicks the window's print button and reads the first new PDF in the queues' folder once
// cups-pdf has stopped writing it; after a minute without one, a PDF of nothing.
Pdf printAndRead(QWidget *window)
{
    const QDir dir(qEnvironmentVariable("ENALOTTO_PDF_DIR"));
    const QStringList before = dir.entryList({u"*.pdf"_s}, QDir::Files);
    click(window, "Command3D1");
    for (QDeadlineTimer minute(60000); !minute.hasExpired();) {
        for (const QString &name : dir.entryList({u"*.pdf"_s}, QDir::Files)) {
            if (before.contains(name))
                continue;
            // cups-pdf writes the file in place: wait until it stops growing.
            const QString file = dir.filePath(name);
            for (qint64 size = -1; QFileInfo(file).size() != size; QTest::qWait(300))
                size = QFileInfo(file).size();
            return Pdf(file);
        }
        QTest::qWait(200);
    }
    return Pdf(QString());
}

// Opens the notice on the started program and types the shop's name, the prize pool and the
// jackpot, and with `whole` the header's other two lines and two prize rows; null unless the
// tick that sets the labels and the prize table's state came.
Form29 *typedNotice(bool whole)
{
    Form29 *form = openNotice();
    const QStringList typed =
        u"Text1=RICEVITORIA DEL CORSO|Text4=12.345.678,90|Text21=81.300.000,00|"
        u"Text2=TABACCHI|Text3=VIA ROMA 1|Text8=1|Text5=1.000.000,00|"
        u"Text15=2|Text23=50.000,00"_s.split(u'|');
    for (const QString &entry : typed.first(whole ? typed.size() : 3))
        typeInto(form, qPrintable(entry.section(u'=', 0, 0)), entry.section(u'=', 1));
    return waitForTick(form) ? form : nullptr;
}

// The program's printer, writing a PDF file of a chosen paper size instead of printing.
struct PdfFilePrinter : SystemPrinter
{
    PdfFilePrinter(QString file, int size) : file(std::move(file)), size(size) {}
    std::unique_ptr<QPrinter> createPrinter() override
    {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFileName(file); // a name ending in ".pdf": a PDF file
        printer->setPageSize(QPageSize(QPageSize::PageSizeId(size)));
        return printer;
    }
    QString file;
    int size; // a QPageSize::PageSizeId
};

} // namespace

void TestPrinting::combinationPage()
{
    WorkDir dir;
    Form32 *w = startOn(readFile(QStringLiteral(ENALOTTO_SAMPLE_ARCHIVE)));
    QVERIFY(w);
    const Pdf pdf = printAndRead(w);
    QCOMPARE(pdf.pages(), 1);
    QVERIFY(pdf.field(u"Title:(.*)"_s).contains(u"SUPER ENALOTTO"_s)); // the job's name
    // Each word in the column the printout gives it, on the grid of 11-point Courier.
    QStringList expected = printedLines(combinationPrintout(w->displayedDraw()).ops());
    expected.removeAll(QString());
    const int title = int(expected[0].indexOf(u"COMBINAZIONE"_s));
    QCOMPARE(pdf.onGrid(6.6, u"COMBINAZIONE"_s, title), expected);
}

void TestPrinting::noticePage()
{
    WorkDir dir;
    QVERIFY(startOn(readFile(QStringLiteral(ENALOTTO_SAMPLE_ARCHIVE))));
    Form29 *form = typedNotice(true);
    QVERIFY(form);
    const Pdf pdf = printAndRead(form);
    QCOMPARE(pdf.pages(), 1);
    QCOMPARE(pdf.lines,
             QString::fromUtf8(readFile(QStringLiteral(ENALOTTO_TEST_DATA "/notice-page.txt")))
                 .split(u'\n', Qt::SkipEmptyParts));
    // The header lines centred on the grid of 18-point columns: the shop in column 6, four
    // columns right of the asterisks.
    const double shop = pdf.words.value(u"RICEVITORIA"_s).left();
    QVERIFY2(std::abs(shop - pdf.words.value(QString(30, u'*')).left() - 4 * 18) < 1, "centring");

    // Styles: values bold, SuperStar rows italic (their values bold italic), labels regular.
    const QString fonts = run(u"pdffonts"_s, {pdf.file});
    for (const char *face : {"Mono ", "Mono-Bold ", "Mono-Italic ", "Mono-BoldItalic "})
        QVERIFY2(fonts.contains(QLatin1String(face)), qPrintable(fonts));
    const QString xml = run(u"pdftohtml"_s, {u"-xml"_s, u"-i"_s, u"-stdout"_s, pdf.file});
    for (const char *styled : {"<b>83", "<b> *81\\.300\\.000,00", "<i>"})
        QVERIFY2(xml.contains(QRegularExpression(QLatin1String(styled))), styled);
}

void TestPrinting::noPrinterPrintsNothing()
{
    if (qEnvironmentVariable("CUPS_SERVER").isEmpty())
        QSKIP("runs with CUPS_SERVER pointing at a socket that does not exist");
    // The notice tells the user, and still stores the header (the other printouts are
    // abandoned silently, as with any printer failure).
    WorkDir dir;
    QVERIFY(startOn(readFile(QStringLiteral(ENALOTTO_SAMPLE_ARCHIVE))));
    MessageBoxWatcher boxes;
    Form29 *form = openNotice();
    typeInto(form, "Text1", u"RICEVITORIA"_s);
    QVERIFY(waitForTick(form));
    click(form, "Command3D1");
    QCOMPARE(boxes.seen.size(), size_t(1));
    QCOMPARE(boxes.seen[0].title, u"INFORMAZIONE GENERALE"_s);
    QCOMPARE(readFile(u"13"_s), QByteArray("\"RICEVITORIA\"\r\n\"\"\r\n\"\"\r\n"));
}

void TestPrinting::noticeFitsOnePage_data()
{
    QTest::addColumn<int>("pageSize");
    QTest::addColumn<int>("extraLines"); // beyond the full notice: the page is scaled to fit
    QTest::newRow("A4") << int(QPageSize::A4) << 0;
    QTest::newRow("Letter") << int(QPageSize::Letter) << 0;
    QTest::newRow("overflow-is-scaled-onto-the-page") << int(QPageSize::A4) << 15;
}

void TestPrinting::noticeFitsOnePage()
{
    QFETCH(int, pageSize);
    QFETCH(int, extraLines);
    WorkDir dir;
    // The widest values every box takes.
    NoticeInput in{
        {QString(30, u'H'), QString(30, u'I'), QString(30, u'J')},
        u"152"_s,
        u"23MAG2026"_s,
        {{}, {}, {u"01"_s, u"02"_s, u"03"_s, u"04"_s, u"05"_s, u"06"_s}, u"07"_s, u"08"_s},
        u"99.999.999,99"_s,
        {},
        u"999.999.999,99"_s};
    in.categories.fill({u"99"_s, u"9.999.999,99"_s});
    PrintJob extra; // lines beyond the full notice, printed before the end of the document
    for (int i = 1; i <= extraLines; ++i)
        extra.line(u"EXTRA %1"_s.arg(i));
    const QVector<PrintOp> ops = noticePrintout(in).ops();
    PdfFilePrinter printer(dir.filePath(u"notice.pdf"_s), pageSize);
    for (const PrintOp &op : ops.first(ops.size() - 1) + extra.ops() + ops.last(1))
        printer.apply(op);

    const Pdf pdf(dir.filePath(u"notice.pdf"_s));
    QCOMPARE(pdf.pages(), 1);
    QCOMPARE(pdf.lines.value(0), QString(30, u'*'));
    // The longest lines whole (nothing stands beyond the page's right edge), and at the end the
    // footer, then the extra lines.
    for (const QString &line : {QString(30, u'H'), u"JACKPOT: Euro 999.999.999,99"_s})
        QVERIFY2(pdf.lines.contains(line), qPrintable(line));
    const qsizetype footer = pdf.lines.size() - extraLines - 1;
    QVERIFY(pdf.lines.value(footer).startsWith(u"Elaborazione e stampa dati"_s));
    QCOMPARE(pdf.lines.mid(footer + 1), printedLines(extra.ops()));
}

void TestPrinting::printableAreaOfTheQueue_data()
{
    QTest::addColumn<QByteArray>("queue"); // set up by scripts/test-printer.sh
    QTest::addColumn<bool>("notice");      // or the combination
    QTest::addColumn<QString>("paper");    // points
    QTest::addColumn<QRectF>("printable"); // points from the top left corner
    // The first word's width: its own size where the page fits (12 columns of 11-point Courier,
    // 30 of 30 points), scaled down where not (the full notice's 734 points into Letter's 720).
    QTest::addColumn<double>("firstWidth");
    const QRectF a4(QPointF(18, 36), QPointF(577, 806));
    const QRectF letter(QPointF(18, 36), QPointF(594, 756));
    QTest::newRow("a4-margins-combination")
        << "PDF-Margins"_ba << false << u"595 x 842"_s << a4 << 12 * 6.6;
    QTest::newRow("letter-default-combination")
        << "PDF-Letter"_ba << false << u"612 x 792"_s << letter << 12 * 6.6;
    QTest::newRow("a4-margins-notice")
        << "PDF-Margins"_ba << true << u"595 x 842"_s << a4 << 30 * 18.0;
    QTest::newRow("letter-default-notice")
        << "PDF-Letter"_ba << true << u"612 x 792"_s << letter << 30 * 18.0 * 720 / 734;
}

void TestPrinting::printableAreaOfTheQueue()
{
    QFETCH(QByteArray, queue);
    QFETCH(bool, notice);
    QFETCH(QString, paper);
    QFETCH(QRectF, printable);
    QFETCH(double, firstWidth);
    qputenv("PRINTER", queue); // the default printer of this process
    const auto restore = qScopeGuard([] { qunsetenv("PRINTER"); });
    QCOMPARE(QPrinterInfo::defaultPrinter().printerName(), QString::fromLatin1(queue));
    WorkDir dir;
    QVERIFY(startOn(readFile(QStringLiteral(ENALOTTO_SAMPLE_ARCHIVE))));
    QWidget *window = notice ? static_cast<QWidget *>(typedNotice(false)) : startupWindow();
    QVERIFY(window);
    const Pdf pdf = printAndRead(window);
    QCOMPARE(pdf.pages(), 1);
    QCOMPARE(pdf.field(u"Page size:\\s+(.*) pts"_s), paper);
    const double width = pdf.words.value(notice ? QString(30, u'*') : u"COMBINAZIONE"_s).width();
    QVERIFY2(std::abs(width - firstWidth) < 1.5, qPrintable(QString::number(width)));
    QVERIFY(pdf.words.contains(notice ? u"PRO"_s : u"SUPERSTAR"_s)); // the last word is there
    for (const auto &[text, box] : pdf.words.asKeyValueRange())
        QVERIFY2(printable.contains(box), qPrintable(text));
}

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
