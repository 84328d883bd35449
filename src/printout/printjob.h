#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

namespace enalotto {

// One operation of a printout. Printouts are built as a list of these by pure functions and
// then sent, one operation at a time, to a Printer.
struct PrintOp
{
    enum class Kind
    {
        FontName,
        FontSize,
        Bold,
        Italic,
        Text,    // print and stay on the line
        EndLine, // end the line (alone: an empty line)
        Column,  // the next text starts at this 1-based column of the fixed-pitch grid
        EndDocument,
    };

    Kind kind = Kind::Text;
    QString text;
    double size = 0;
    bool on = false;
    int column = 0;

    friend bool operator==(const PrintOp &a, const PrintOp &b)
    {
        return a.kind == b.kind && a.text == b.text && a.size == b.size && a.on == b.on &&
               a.column == b.column;
    }
};

// Builds a list of operations fluently: job.fontName(..).fontSize(11).line(..).endDocument().
class PrintJob
{
public:
    PrintJob &fontName(const QString &name);
    PrintJob &fontSize(double points);
    PrintJob &bold(bool on);
    PrintJob &italic(bool on);
    PrintJob &text(const QString &text);
    PrintJob &endLine();
    PrintJob &line(const QString &text = QString()); // text, then end of line
    PrintJob &column(int column);
    PrintJob &endDocument();

    [[nodiscard]] const QVector<PrintOp> &ops() const { return m_ops; }

private:
    QVector<PrintOp> m_ops;
};

// The lines a fixed-pitch printer puts on paper for these operations, styles ignored.
[[nodiscard]] QStringList printedLines(const QVector<PrintOp> &ops);

// The same lines with the style of each run marked: "[b]", "[i]" where bold or italic start
// and "[/b]", "[/i]" where they stop, closed at each line end. Used to check printouts.
[[nodiscard]] QStringList printedMarkup(const QVector<PrintOp> &ops);

} // namespace enalotto
