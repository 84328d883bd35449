#pragma once

#include "platform/printer.h"

#include <QFont>
#include <memory>

class QPainter;
class QPrinter;

// The system's default printer through Qt Print Support (CUPS on Linux). A document begins
// with the first operation after the previous end of document. Lines advance by the font
// size (one em), which lets the 25 lines of a notice at 30 points fit an A4 or Letter page;
// a line that would not fit starts a new page instead of being cut.
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
    void startLineIfNeeded();
    [[nodiscard]] double points(double pt) const; // points to device units
    [[nodiscard]] QFont currentFont() const;

    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPainter> m_painter;
    QString m_fontName = QStringLiteral("Courier New");
    double m_fontSize = 12;
    bool m_bold = false;
    bool m_italic = false;
    double m_x = 0;       // device units from the page's left edge
    double m_lineTop = 0; // top of the current line
    bool m_lineStarted = false;
};
