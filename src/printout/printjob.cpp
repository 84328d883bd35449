#include "printout/printjob.h"

namespace enalotto {

namespace {

PrintOp op(PrintOp::Kind kind)
{
    PrintOp o;
    o.kind = kind;
    return o;
}

} // namespace

PrintJob &PrintJob::fontName(const QString &name)
{
    PrintOp o = op(PrintOp::Kind::FontName);
    o.text = name;
    m_ops.append(o);
    return *this;
}

PrintJob &PrintJob::fontSize(double points)
{
    PrintOp o = op(PrintOp::Kind::FontSize);
    o.size = points;
    m_ops.append(o);
    return *this;
}

PrintJob &PrintJob::bold(bool on)
{
    PrintOp o = op(PrintOp::Kind::Bold);
    o.on = on;
    m_ops.append(o);
    return *this;
}

PrintJob &PrintJob::italic(bool on)
{
    PrintOp o = op(PrintOp::Kind::Italic);
    o.on = on;
    m_ops.append(o);
    return *this;
}

PrintJob &PrintJob::text(const QString &text)
{
    PrintOp o = op(PrintOp::Kind::Text);
    o.text = text;
    m_ops.append(o);
    return *this;
}

PrintJob &PrintJob::endLine()
{
    m_ops.append(op(PrintOp::Kind::EndLine));
    return *this;
}

PrintJob &PrintJob::line(const QString &text)
{
    if (!text.isEmpty())
        this->text(text);
    return endLine();
}

PrintJob &PrintJob::column(int column)
{
    PrintOp o = op(PrintOp::Kind::Column);
    o.column = column;
    m_ops.append(o);
    return *this;
}

PrintJob &PrintJob::endDocument()
{
    m_ops.append(op(PrintOp::Kind::EndDocument));
    return *this;
}

namespace {

QStringList render(const QVector<PrintOp> &ops, bool markup)
{
    QStringList lines;
    QString line;
    qsizetype columns = 0; // characters printed on this line, tags excluded
    bool bold = false, italic = false;
    bool shownBold = false, shownItalic = false;
    auto closeTags = [&] {
        if (shownItalic)
            line += QStringLiteral("[/i]");
        if (shownBold)
            line += QStringLiteral("[/b]");
        shownBold = shownItalic = false;
    };
    for (const PrintOp &o : ops) {
        switch (o.kind) {
        case PrintOp::Kind::Bold:
            bold = o.on;
            break;
        case PrintOp::Kind::Italic:
            italic = o.on;
            break;
        case PrintOp::Kind::Column:
            if (o.column - 1 > columns) {
                line += QString(o.column - 1 - columns, u' ');
                columns = o.column - 1;
            }
            break;
        case PrintOp::Kind::Text:
            if (markup && o.text.size() > 0 && (bold != shownBold || italic != shownItalic)) {
                closeTags();
                if (bold)
                    line += QStringLiteral("[b]");
                if (italic)
                    line += QStringLiteral("[i]");
                shownBold = bold;
                shownItalic = italic;
            }
            line += o.text;
            columns += o.text.size();
            break;
        case PrintOp::Kind::EndLine:
            if (markup)
                closeTags();
            lines.append(line);
            line.clear();
            columns = 0;
            break;
        case PrintOp::Kind::FontName:
        case PrintOp::Kind::FontSize:
        case PrintOp::Kind::EndDocument:
            break;
        }
    }
    if (!line.isEmpty()) {
        if (markup)
            closeTags();
        lines.append(line);
    }
    return lines;
}

} // namespace

QStringList printedLines(const QVector<PrintOp> &ops)
{
    return render(ops, false);
}

QStringList printedMarkup(const QVector<PrintOp> &ops)
{
    return render(ops, true);
}

} // namespace enalotto
