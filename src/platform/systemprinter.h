#pragma once

#include "platform/printer.h"

#include <QFont>
#include <QMarginsF>
#include <QPointF>
#include <memory>
#include <vector>

class QPainter;
class QPrinter;

namespace enalotto {

// The system's default printer through Qt Print Support (CUPS on Linux), on its own paper.
// A document begins with the first operation after the previous end of document and is
// painted at its end, on one page: lines advance by the font size (one em) from the top left
// corner of the printable area (the larger of the program's and the printer's margins), and
// a document larger than that area is scaled down evenly to fit it.
class SystemPrinter : public Printer
{
public:
    SystemPrinter();
    ~SystemPrinter() override;

    void apply(const PrintOp &op) override;

protected:
    // The printer of the next document: the system's default one. Throws PrinterError.
    virtual std::unique_ptr<QPrinter> createPrinter();

private:
    void beginDocument();
    void abandonDocument();
    void paintPage();
    [[nodiscard]] double points(double pt) const; // points to device units
    [[nodiscard]] QFont currentFont() const;

    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPainter> m_painter;
    QString m_fontName = QStringLiteral("Courier New");
    double m_fontSize = 12;
    bool m_bold = false;
    bool m_italic = false;
    // A text laid out, in device units from the printable area's top left corner.
    struct Piece
    {
        QFont font;
        QPointF baseline;
        QString text;
    };
    std::vector<Piece> m_pieces;
    QMarginsF m_margins;  // points
    double m_x = 0;       // where the next text starts on the current line
    double m_lineTop = 0; // top of the current line
    double m_width = 0;   // right end of the widest line
    double m_height = 0;  // bottom of the lowest line or glyph
};

} // namespace enalotto
