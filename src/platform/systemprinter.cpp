#include "platform/systemprinter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

// The widest line of any printout (31 columns at 30 points, 558 pt) stays inside A4's
// 595 pt with these margins, and 25 lines of 30 points plus a 14-point footer fit
// Letter's 792 pt.
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
    return printer;
}

void SystemPrinter::beginDocument()
{
    std::unique_ptr<QPrinter> printer = createPrinter();
    printer->setFullPage(true);
    printer->setDocName(QStringLiteral("SUPER ENALOTTO"));
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(printer.get()))
        throw PrinterError("the default printer cannot be opened");
    m_printer = std::move(printer);
    m_painter = std::move(painter);
    m_lineTop = points(TopMarginPt);
    m_lineStarted = false;
}

void SystemPrinter::abandonDocument()
{
    if (m_painter && m_painter->isActive()) {
        m_printer->abort();
        m_painter->end();
    }
    m_painter.reset();
    m_printer.reset();
}

void SystemPrinter::startLineIfNeeded()
{
    if (m_lineStarted)
        return;
    const double pageBottom = m_printer->height() - points(BottomMarginPt);
    if (m_lineTop + points(m_fontSize) > pageBottom && m_lineTop > points(TopMarginPt)) {
        if (!m_printer->newPage())
            throw PrinterError("the printer refused a new page");
        m_lineTop = points(TopMarginPt);
    }
    m_x = points(LeftMarginPt);
    m_lineStarted = true;
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
        startLineIfNeeded();
        switch (op.kind) {
        case PrintOp::Kind::Text: {
            const QFont font = currentFont();
            m_painter->setFont(font);
            m_painter->setPen(Qt::black);
            const QFontMetricsF metrics(font, m_printer.get());
            m_painter->drawText(QPointF(m_x, m_lineTop + metrics.ascent()), op.text);
            m_x += metrics.horizontalAdvance(op.text);
            break;
        }
        case PrintOp::Kind::Column: {
            const QFontMetricsF metrics(currentFont(), m_printer.get());
            const double x = points(LeftMarginPt) +
                             (op.column - 1) * metrics.horizontalAdvance(QLatin1Char('0'));
            m_x = qMax(m_x, x);
            break;
        }
        case PrintOp::Kind::EndLine:
            m_lineTop += points(m_fontSize);
            m_lineStarted = false;
            break;
        case PrintOp::Kind::EndDocument: {
            const bool ok = m_painter->end();
            const bool failed = m_printer->printerState() == QPrinter::Error;
            m_painter.reset();
            m_printer.reset();
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
