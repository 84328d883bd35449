#include "platform/systemprinter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>

namespace enalotto {

namespace {

// The program's own margins; a printer that cannot print as near the edge gets its own.
// The widest line of any printout (31 columns at 30 points, 558 pt) fits A4's 595 pt, and
// the notice's 25 lines of 30 points plus a 14-point footer fit Letter's 792 pt, when the
// printer allows these margins; otherwise the page is scaled down to its printable area.
constexpr double LeftMarginPt = 18;
constexpr double TopMarginPt = 12;
constexpr double BottomMarginPt = 8;

} // namespace

SystemPrinter::SystemPrinter() = default;

SystemPrinter::~SystemPrinter()
{
    abandonDocument();
}

double SystemPrinter::points(double pt) const
{
    return pt * m_printer->resolution() / 72.0;
}

QFont SystemPrinter::currentFont() const
{
    QFont font(m_fontName);
    // "Courier New" is not installed everywhere: ask for any typewriter face, so that
    // Liberation Mono (its metric twin) or another fixed-pitch font keeps the columns.
    font.setStyleHint(QFont::TypeWriter, QFont::PreferMatch);
    font.setFixedPitch(true);
    font.setPointSizeF(m_fontSize);
    font.setBold(m_bold);
    font.setItalic(m_italic);
    font.setKerning(false);
    return font;
}

std::unique_ptr<QPrinter> SystemPrinter::createPrinter()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        throw PrinterError("no default printer");
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::NativeFormat);
    // The printer's own paper, which also gives its printable area; Qt would assume A4.
    const QPageSize paper = info.defaultPageSize();
    if (paper.isValid())
        printer->setPageSize(paper);
    return printer;
}

void SystemPrinter::beginDocument()
{
    std::unique_ptr<QPrinter> printer = createPrinter();
    // Where the printer cannot print, read before the page is made the full sheet.
    const QMarginsF printable = printer->pageLayout().marginsPoints();
    m_margins =
        QMarginsF(std::max(LeftMarginPt, printable.left()), std::max(TopMarginPt, printable.top()),
                  std::max(0.0, printable.right()), std::max(BottomMarginPt, printable.bottom()));
    printer->setFullPage(true);
    printer->setDocName(QStringLiteral("SUPER ENALOTTO"));
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(printer.get()))
        throw PrinterError("the default printer cannot be opened");
    m_printer = std::move(printer);
    m_painter = std::move(painter);
    m_pieces.clear();
    m_lineTop = 0;
    m_x = 0;
    m_width = 0;
    m_height = 0;
}

void SystemPrinter::abandonDocument()
{
    if (m_painter && m_painter->isActive()) {
        m_printer->abort();
        m_painter->end();
    }
    m_painter.reset();
    m_printer.reset();
    m_pieces.clear();
}

void SystemPrinter::paintPage()
{
    // The lines were laid out from the printable area's top left corner; a document taller
    // or wider than that area is scaled down evenly, so that it stays on one page with its
    // columns aligned.
    const double areaWidth = m_printer->width() - points(m_margins.left() + m_margins.right());
    const double areaHeight = m_printer->height() - points(m_margins.top() + m_margins.bottom());
    double scale = 1.0;
    if (m_height > areaHeight)
        scale = std::min(scale, areaHeight / m_height);
    if (m_width > areaWidth)
        scale = std::min(scale, areaWidth / m_width);
    m_painter->translate(points(m_margins.left()), points(m_margins.top()));
    m_painter->scale(scale, scale);
    m_painter->setPen(Qt::black);
    for (const Piece &piece : m_pieces) {
        m_painter->setFont(piece.font);
        m_painter->drawText(piece.baseline, piece.text);
    }
}

void SystemPrinter::apply(const PrintOp &op)
{
    try {
        switch (op.kind) {
        case PrintOp::Kind::FontName:
            m_fontName = op.text;
            return;
        case PrintOp::Kind::FontSize:
            m_fontSize = op.size;
            return;
        case PrintOp::Kind::Bold:
            m_bold = op.on;
            return;
        case PrintOp::Kind::Italic:
            m_italic = op.on;
            return;
        default:
            break;
        }
        if (!m_painter)
            beginDocument();
        switch (op.kind) {
        case PrintOp::Kind::Text: {
            const QFont font = currentFont();
            const QFontMetricsF metrics(font, m_printer.get());
            m_pieces.push_back({font, QPointF(m_x, m_lineTop + metrics.ascent()), op.text});
            m_x += metrics.horizontalAdvance(op.text);
            m_width = std::max(m_width, m_x);
            // A face's descent may reach below its line's em box.
            m_height = std::max(m_height, m_lineTop + metrics.ascent() + metrics.descent());
            break;
        }
        case PrintOp::Kind::Column: {
            const QFontMetricsF metrics(currentFont(), m_printer.get());
            m_x = std::max(m_x, (op.column - 1) * metrics.horizontalAdvance(QLatin1Char('0')));
            break;
        }
        case PrintOp::Kind::EndLine:
            m_lineTop += points(m_fontSize);
            m_height = std::max(m_height, m_lineTop);
            m_x = 0;
            break;
        case PrintOp::Kind::EndDocument: {
            paintPage();
            const bool ok = m_painter->end();
            const bool failed = m_printer->printerState() == QPrinter::Error;
            m_painter.reset();
            m_printer.reset();
            m_pieces.clear();
            if (!ok || failed)
                throw PrinterError("the printer did not accept the document");
            return;
        }
        default:
            break;
        }
        if (m_printer->printerState() == QPrinter::Error)
            throw PrinterError("printer error");
    } catch (const PrinterError &) {
        // The next printout starts a new document rather than continuing a broken one.
        abandonDocument();
        throw;
    }
}

} // namespace enalotto
