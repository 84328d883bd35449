#include "printout/noticeprintout.h"

#include "common/formats.h"

#include <cmath>

namespace enalotto {

namespace {

const QString Separator = u' ' + QString(30, u'*');
constexpr int GridWidth = 31;

struct CategoryRow
{
    const char16_t *caption;
    const char16_t *winnersPattern;
    const char16_t *amountPattern;
};

// Printing order and field widths; each row adds up to 31 columns.
constexpr CategoryRow Rows[CategoryCount] = {
    {u") 6 Euro ", u"@@", u"@@@@@@@@@@@@@@@"}, {u") 5+ Euro ", u"@@", u"@@@@@@@@@@@@@@"},
    {u") 5 Euro ", u"@@@", u"@@@@@@@@@@@@@@"}, {u") 4 Euro ", u"@@@@@@", u"@@@@@@@@@@@"},
    {u") 3 Euro ", u"@@@@@@@@", u"@@@@@@@@@"}, {u") 5S Euro ", u"@@", u"@@@@@@@@@@@@@@"},
    {u") 4S Euro ", u"@@", u"@@@@@@@@@@@@@@"}, {u") 3S Euro ", u"@@", u"@@@@@@@@@@@@@@"},
    {u") 2S Euro ", u"@@@@@", u"@@@@@@@@@@@"}, {u") 1S Euro ", u"@@@@@@@", u"@@@@@@@@@"},
    {u") 0S Euro ", u"@@@@@@@", u"@@@@@@@@@"},
};
constexpr int RegularRows = 5;

void centred(PrintJob &job, const QString &text)
{
    job.column(centringColumn(text.size())).line(text);
}

void headerBlock(PrintJob &job, const std::array<QString, 3> &h)
{
    if (h[0].isEmpty()) {
        job.line().line().line().line(Separator).line(Separator);
    } else if (h[1].isEmpty()) {
        job.line(Separator);
        centred(job, h[0]);
        job.line(Separator).line().line();
    } else if (h[2].isEmpty()) {
        job.line(Separator);
        centred(job, h[0]);
        centred(job, h[1]);
        job.line(Separator).line();
    } else {
        job.line(Separator);
        for (const QString &line : h)
            centred(job, line);
        job.line(Separator);
    }
}

// A label in regular weight followed by its value in bold, ending the line.
void labelledValue(PrintJob &job, const QString &label, const QString &value)
{
    job.text(label).bold(true).line(value).bold(false);
}

} // namespace

int centringColumn(qsizetype length)
{
    return int(std::floor((GridWidth - double(length)) / 2.0)) + 1;
}

PrintJob noticePrintout(const NoticeInput &in)
{
    PrintJob job;
    job.fontName(QStringLiteral("Courier New")).fontSize(30);
    headerBlock(job, in.header);
    labelledValue(job, QStringLiteral(" Concorso SUPER ENALOTTO n\u00b0 "), in.contest);
    labelledValue(job, QStringLiteral("   COLONNA VINC.DEL "), in.date);
    job.line();

    QString numbers;
    for (const QString &n : in.draw.numbers)
        numbers += u' ' + n;
    job.bold(true).text(numbers).bold(false);
    labelledValue(job, QStringLiteral("  N\u00b0JOLLY "), in.draw.jolly);
    labelledValue(job, QStringLiteral("               N\u00b0 SUPERSTAR "), in.draw.superStar);

    if (in.section == PrizeSection::Table) {
        job.line();
        labelledValue(job, QStringLiteral(" MONTEPREMI: Euro "),
                      applyFieldPattern(in.prizePool, u"@@@@@@@@@@@@@"));
        for (int r = 0; r < CategoryCount; ++r) {
            if (r == RegularRows)
                job.italic(true);
            const CategoryRow &row = Rows[r];
            const CategoryValues &values = in.categories[size_t(r)];
            labelledValue(job,
                          u" AI (" + applyFieldPattern(values.winners, row.winnersPattern) +
                              QString::fromUtf16(row.caption),
                          applyFieldPattern(values.amount, row.amountPattern));
        }
        job.bold(false).italic(false);
        if (!in.jackpot.isEmpty()) {
            labelledValue(job, QStringLiteral(" JACKPOT: Euro "),
                          applyFieldPattern(in.jackpot, u"@@@@@@@@@@@@@@@@"));
        }
    } else if (in.section == PrizeSection::Filler) {
        for (int i = 0; i < 15; ++i)
            job.line();
    }

    job.fontSize(14);
    job.line(QStringLiteral("   Elaborazione e stampa dati su PC programma VUR! PRO"));
    job.endDocument();
    return job;
}

} // namespace enalotto
