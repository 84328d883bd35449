#include "printout/analysisprintout.h"

#include "common/formats.h"
#include "printout/combination.h"

#include <QStringList>

namespace enalotto {

PrintJob analysisPrintout(const AnalysisView &v)
{
    PrintJob job = drawPageStart(u"COMBINAZIONE VINCENTE SUPER ENALOTTO DEL " + v.date);
    job.line(PrintIndent + QString(8, u' ') + joinedNumbers(v.numbers) + u"  NUMERO JOLLY " +
             v.jolly);
    job.line();
    const std::pair<const char16_t *, const QString *> rows[] = {
        {u"             SOMMA GLOBALE : ", &v.somma}, {u"               NUMERI PARI : ", &v.npari},
        {u"            NUMERI DISPARI : ", &v.ndisp}, {u"              INTERRUZIONI : ", &v.inte},
        {u"               GRUPPI PARI : ", &v.gp},    {u"            GRUPPI DISPARI : ", &v.gd},
        {u"            CONSECUTIVITA' : ", &v.cons},  {u"         INTERVALLO MINIMO : ", &v.min},
        {u"        INTERVALLO MASSIMO : ", &v.mas},   {u"        INTERVALLO ESTERNO : ", &v.est},
    };
    for (const auto &[label, value] : rows)
        job.line(PrintIndent + QString::fromUtf16(label) + *value);
    job.endDocument();
    return job;
}

QString analysisCopyLine(const AnalysisView &v)
{
    const QString two(2, u' ');
    return v.colonna + QString(4, u' ') + applyFieldPattern(v.somma, u"!@@@") + two + v.npari +
           two + v.ndisp + two + v.inte + two + v.gp + two + v.gd + two + v.cons + two +
           applyFieldPattern(v.min, u"!@@") + two + applyFieldPattern(v.mas, u"!@@") + two +
           applyFieldPattern(v.est, u"!@@") + u"\r\n";
}

QString colonnaCaption(const std::array<QString, 6> &numbers, const QString &jolly)
{
    QString caption;
    for (const QString &n : numbers)
        caption += n + u"  ";
    return caption + u"J. " + jolly;
}

} // namespace enalotto
