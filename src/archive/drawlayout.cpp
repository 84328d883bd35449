#include "archive/drawlayout.h"

#include <QHash>
#include <QRegularExpression>
#include <algorithm>

namespace enalotto {
namespace {

// A header name as compared: lower case, accents and everything but letters and digits
// dropped ("Numero 1" and "numero_1" alike, "Data" and "DATA" alike).
QString normalName(const QString &name)
{
    QString out;
    for (const QChar c : name.normalized(QString::NormalizationForm_D).toLower()) {
        if ((c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9'))
            out += c;
    }
    return out;
}

bool isDateName(const QString &n)
{
    static const QStringList names = {QStringLiteral("data"), QStringLiteral("date"),
                                      QStringLiteral("dataestrazione"), QStringLiteral("drawdate"),
                                      QStringLiteral("giorno")};
    return names.contains(n);
}

// 1-6 for a number column's name ("n1", "numero1", "num 1", "ball1", "1"), else 0.
int numberIndex(const QString &n)
{
    static const QRegularExpression name(
        QStringLiteral("^(n|num|numero|number|estratto|ball|b|)([1-6])$"));
    const QRegularExpressionMatch m = name.match(n);
    return m.hasMatch() ? m.captured(2).toInt() : 0;
}

bool isJollyName(const QString &n)
{
    return n == u"jolly" || n == u"numerojolly" || n == u"j";
}

bool isSuperStarName(const QString &n)
{
    return n == u"superstar" || n == u"ss" || n == u"superstella" || n == u"numerosuperstar";
}

bool emptyOrZero(const QString &text)
{
    return text.isEmpty() || text == u"0" || text == u"00";
}

} // namespace

QString DrawLayout::describe() const
{
    QStringList columns;
    const int count = fieldsNeeded();
    for (int c = 0; c < count; ++c)
        columns << names.value(c, QStringLiteral("-"));
    QString text;
    switch (source) {
    case Source::Header:
        text = QStringLiteral("intestazione ");
        break;
    case Source::Rows:
        text = QStringLiteral("senza intestazione, colonne supposte ");
        break;
    case Source::Json:
        text = QStringLiteral("JSON, campi ");
        break;
    }
    text += columns.join(u' ');
    if (source != Source::Json)
        text += u"; separatore " + separatorName(separator);
    text += yearFirstDates                       ? QStringLiteral("; date aaaa-mm-gg")
            : dateOrder == DateOrder::MonthFirst ? QStringLiteral("; date mm/gg/aaaa")
                                                 : QStringLiteral("; date gg/mm/aaaa");
    if (superStarColumn < 0)
        text += QStringLiteral("; senza SuperStar");
    return text;
}

QString DrawLayout::rowName(int row) const
{
    return (source == Source::Json ? QStringLiteral("elemento %1") : QStringLiteral("riga %1"))
        .arg(row);
}

int DrawLayout::fieldsNeeded() const
{
    int last = std::max({dateColumn, jollyColumn, superStarColumn});
    for (const int c : numberColumns)
        last = std::max(last, c);
    return last + 1;
}

std::optional<DrawLayout> layoutFromHeader(const QStringList &fields, QString &error)
{
    DrawLayout layout;
    layout.source = DrawLayout::Source::Header;
    layout.dateColumn = -1;
    layout.numberColumns.fill(-1);
    for (int c = 0; c < fields.size(); ++c) {
        const QString n = normalName(fields[c]);
        layout.names << fields[c];
        if (isDateName(n) && layout.dateColumn < 0)
            layout.dateColumn = c;
        else if (const int k = numberIndex(n); k > 0 && layout.numberColumns[size_t(k - 1)] < 0)
            layout.numberColumns[size_t(k - 1)] = c;
        else if (isJollyName(n) && layout.jollyColumn < 0)
            layout.jollyColumn = c;
        else if (isSuperStarName(n) && layout.superStarColumn < 0)
            layout.superStarColumn = c;
    }
    if (layout.dateColumn < 0)
        return std::nullopt;
    QStringList missing;
    for (size_t k = 0; k < 6; ++k) {
        if (layout.numberColumns[k] < 0)
            missing << QStringLiteral("n%1").arg(k + 1);
    }
    if (layout.jollyColumn < 0)
        missing << QStringLiteral("jolly");
    if (!missing.isEmpty()) {
        error = QStringLiteral("l'intestazione \"%1\" non nomina le colonne %2")
                    .arg(fields.join(u' '), missing.join(QStringLiteral(", ")));
    }
    return layout;
}

std::optional<DrawLayout> layoutFromRows(const QVector<TextRow> &rows)
{
    // The date stands first, or second after a sequence or contest number.
    QHash<int, int> dateAt;
    int typicalFields = 0;
    QHash<int, int> fieldCounts;
    for (const TextRow &row : rows.mid(0, 50)) {
        for (int c = 0; c < std::min<int>(2, int(row.fields.size())); ++c) {
            if (readDateField(row.fields[c]).problem != DateField::Problem::NotADate) {
                ++dateAt[c];
                break;
            }
        }
        ++fieldCounts[int(row.fields.size())];
    }
    if (dateAt.isEmpty())
        return std::nullopt;
    for (auto it = fieldCounts.constBegin(); it != fieldCounts.constEnd(); ++it) {
        if (it.value() > fieldCounts.value(typicalFields))
            typicalFields = it.key();
    }
    DrawLayout layout;
    layout.dateColumn = dateAt.value(1) > dateAt.value(0) ? 1 : 0;
    const int d = layout.dateColumn;
    if (d == 1)
        layout.names << QStringLiteral("numero");
    layout.names << QStringLiteral("data");
    for (int k = 0; k < 6; ++k) {
        layout.numberColumns[size_t(k)] = d + 1 + k;
        layout.names << QStringLiteral("n%1").arg(k + 1);
    }
    layout.jollyColumn = d + 7;
    layout.names << QStringLiteral("jolly");
    if (typicalFields > d + 8)
        layout.superStarColumn = d + 8;
    settleDateOrder(layout, rows);
    // A ninth value that is not empty or "00" before the SuperStar existed is something else.
    if (layout.superStarColumn >= 0) {
        for (const TextRow &row : rows) {
            const DateField date = readDateField(row.fields.value(d), layout.dateOrder);
            if (date.problem == DateField::Problem::None && date.date < SuperStarStart &&
                !emptyOrZero(row.fields.value(layout.superStarColumn))) {
                layout.superStarColumn = -1;
                break;
            }
        }
    }
    if (layout.superStarColumn >= 0)
        layout.names << QStringLiteral("superstar");
    return layout;
}

void settleDateOrder(DrawLayout &layout, const QVector<TextRow> &rows)
{
    bool dayFirstSeen = false, monthFirstSeen = false, yearFirst = false;
    for (const TextRow &row : rows) {
        const DateField f = readDateField(row.fields.value(layout.dateColumn));
        if (f.problem == DateField::Problem::NotADate)
            continue;
        yearFirst = yearFirst || f.yearFirst;
        dayFirstSeen = dayFirstSeen || f.first > 12;
        monthFirstSeen = monthFirstSeen || f.second > 12;
    }
    layout.yearFirstDates = yearFirst && !dayFirstSeen && !monthFirstSeen;
    layout.dateOrder =
        monthFirstSeen && !dayFirstSeen ? DateOrder::MonthFirst : DateOrder::DayFirst;
}

QString layoutsUnderstood()
{
    return QStringLiteral(
        "si leggono file di testo con separatore punto e virgola, virgola o tabulazione, con "
        "intestazione (data, n1 ... n6, jolly, superstar, in italiano o in inglese) o senza "
        "(numero facoltativo, data, sei numeri, Jolly, SuperStar), con date gg/mm/aaaa, "
        "gg-mm-aaaa, gg.mm.aaaa o aaaa-mm-gg; e file JSON con un elenco di estrazioni");
}

} // namespace enalotto
