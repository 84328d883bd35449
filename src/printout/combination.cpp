#include "printout/combination.h"

#include <QStringList>

namespace enalotto {

namespace {

const QString Pad(15, u' ');

QString numbersJoined(const DisplayedDraw &draw)
{
    return QStringList(draw.numbers.begin(), draw.numbers.end()).join(u' ');
}

} // namespace

PrintJob combinationPrintout(const DisplayedDraw &draw)
{
    PrintJob job;
    // The printer property set to 6 at this point of the printout has no counterpart in
    // Qt's printer, so only the font is set.
    job.fontName(QStringLiteral("courier new")).fontSize(11);
    job.line();
    job.line(Pad + u"  COMBINAZIONE VINCENTE SUPER ENALOTTO DEL " + draw.date);
    job.line();
    job.line(Pad + numbersJoined(draw) + u"  NUMERO JOLLY " + draw.jolly + u"  NUMERO SUPERSTAR " +
             draw.superStar);
    job.endDocument();
    return job;
}

QString combinationCopyLine(const DisplayedDraw &draw)
{
    return numbersJoined(draw) + u' ' + draw.jolly + u' ' + draw.superStar;
}

} // namespace enalotto
