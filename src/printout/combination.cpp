#include "printout/combination.h"

#include <QStringList>

namespace enalotto {

QString joinedNumbers(const std::array<QString, 6> &numbers)
{
    return QStringList(numbers.begin(), numbers.end()).join(u' ');
}

PrintJob drawPageStart(const QString &title)
{
    PrintJob job;
    // The printer property set to 6 at this point of the printout has no counterpart in
    // Qt's printer, so only the font is set.
    job.fontName(QStringLiteral("courier new")).fontSize(11);
    job.line();
    job.line(PrintIndent + title);
    job.line();
    return job;
}

PrintJob combinationPrintout(const DisplayedDraw &draw)
{
    PrintJob job = drawPageStart(u"  COMBINAZIONE VINCENTE SUPER ENALOTTO DEL " + draw.date);
    job.line(PrintIndent + joinedNumbers(draw.numbers) + u"  NUMERO JOLLY " + draw.jolly +
             u"  NUMERO SUPERSTAR " + draw.superStar);
    job.endDocument();
    return job;
}

QString combinationCopyLine(const DisplayedDraw &draw)
{
    return joinedNumbers(draw.numbers) + u' ' + draw.jolly + u' ' + draw.superStar;
}

} // namespace enalotto
