#include "archive/newdraw.h"

#include <QRegularExpression>
#include <QSet>
#include <algorithm>

namespace enalotto {

std::optional<int> fieldNumber(const QByteArray &field, int low, int high)
{
    if (field.size() != 2 || field[0] < '0' || field[0] > '9' || field[1] < '0' || field[1] > '9')
        return std::nullopt;
    const int n = field.toInt();
    if (n < low || n > high)
        return std::nullopt;
    return n;
}

QVector<int> drawKey(const ArchiveDraw &d)
{
    QVector<int> key;
    for (const QByteArray &n : d.numbers)
        key.append(n.toInt());
    std::sort(key.begin(), key.end());
    key << d.jolly.toInt() << d.superStar.toInt();
    return key;
}

QVector<int> drawKey(const NewDraw &d)
{
    QVector<int> key(d.numbers.begin(), d.numbers.end());
    std::sort(key.begin(), key.end());
    key << d.jolly << d.superStar;
    return key;
}

ArchiveDraw toArchiveDraw(const NewDraw &d, DateLayout layout)
{
    const auto twoDigits = [](int n) {
        return QByteArray::number(n).rightJustified(2, '0');
    };
    ArchiveDraw a;
    a.date = formatDrawDate(d.date, layout);
    for (size_t k = 0; k < 6; ++k)
        a.numbers[k] = twoDigits(d.numbers[k]);
    a.jolly = twoDigits(d.jolly);
    a.superStar = twoDigits(d.superStar);
    return a;
}

DateField readDateField(const QString &text, DateOrder order)
{
    DateField field;
    QString core = text.trimmed();
    if (const qsizetype time = core.indexOf(QRegularExpression(QStringLiteral("[T ]"))); time > 0)
        core.truncate(time);
    static const QRegularExpression form(
        QStringLiteral("^(\\d{1,4})([/.-])(\\d{1,2})\\2(\\d{1,4})$"));
    const QRegularExpressionMatch m = form.match(core);
    if (!m.hasMatch())
        return field;
    const QString a = m.captured(1), c = m.captured(4);
    int year, month, day;
    if (a.size() == 4 && c.size() <= 2) {
        field.yearFirst = true;
        year = a.toInt();
        month = m.captured(3).toInt();
        day = c.toInt();
    } else if (a.size() <= 2 && c.size() == 4) {
        field.first = a.toInt();
        field.second = m.captured(3).toInt();
        year = c.toInt();
        day = order == DateOrder::DayFirst ? field.first : field.second;
        month = order == DateOrder::DayFirst ? field.second : field.first;
    } else {
        field.problem = a.size() <= 2 && c.size() == 2 ? DateField::Problem::TwoDigitYear
                                                       : DateField::Problem::NotADate;
        return field;
    }
    field.date = QDate(year, month, day);
    field.problem =
        field.date.isValid() ? DateField::Problem::None : DateField::Problem::DoesNotExist;
    return field;
}

QString dateProblemText(const DateField &field, const QString &text)
{
    switch (field.problem) {
    case DateField::Problem::None:
        return QString();
    case DateField::Problem::TwoDigitYear:
        return QStringLiteral("la data \"%1\" ha l'anno di due cifre: scrivere l'anno con "
                              "quattro cifre (gg/mm/aaaa)")
            .arg(text);
    case DateField::Problem::DoesNotExist:
        return QStringLiteral("la data \"%1\" non esiste").arg(text);
    case DateField::Problem::NotADate:
        break;
    }
    return text.isEmpty() ? QStringLiteral("manca la data")
                          : QStringLiteral("la data \"%1\" non è nel formato gg/mm/aaaa, "
                                           "gg-mm-aaaa, gg.mm.aaaa o aaaa-mm-gg")
                                .arg(text);
}

QString dayText(const QDate &date)
{
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

std::optional<int> parseUserNumber(const QString &text)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(n) : std::nullopt;
}

DrawProblem drawProblem(const NewDraw &draw, const QDate &today)
{
    using Field = DrawProblem::Field;
    if (!draw.date.isValid())
        return {Field::Date, 0, QStringLiteral("la data non è valida")};
    if (draw.date > today) {
        return {Field::Date, 0,
                QStringLiteral("il %1 è dopo oggi (%2): un'estrazione non può essere nel futuro")
                    .arg(dayText(draw.date), dayText(today))};
    }
    QSet<int> six;
    for (size_t k = 0; k < 6; ++k) {
        const int n = draw.numbers[k];
        if (n < 1 || n > 90)
            return {Field::Number, int(k), QStringLiteral("il numero %1 non è tra 1 e 90").arg(n)};
        if (six.contains(n))
            return {Field::Number, int(k), QStringLiteral("il numero %1 è ripetuto").arg(n)};
        six.insert(n);
    }
    if (draw.jolly == 0)
        return {Field::Jolly, 0, QStringLiteral("manca il Jolly")};
    if (draw.jolly < 1 || draw.jolly > 90)
        return {Field::Jolly, 0, QStringLiteral("il Jolly %1 non è tra 1 e 90").arg(draw.jolly)};
    if (six.contains(draw.jolly)) {
        return {Field::Jolly, 0,
                QStringLiteral("il Jolly %1 è anche tra i sei numeri").arg(draw.jolly)};
    }
    if (draw.date >= SuperStarStart && draw.superStar == 0) {
        return {Field::SuperStar, 0,
                QStringLiteral("manca il SuperStar, estratto dal %1 in poi")
                    .arg(dayText(SuperStarStart))};
    }
    if (draw.date < SuperStarStart && draw.superStar != 0) {
        return {Field::SuperStar, 0,
                QStringLiteral("il SuperStar %1 prima del %2, quando non si estraeva ancora")
                    .arg(draw.superStar)
                    .arg(dayText(SuperStarStart))};
    }
    if (draw.superStar < 0 || draw.superStar > 90) {
        return {Field::SuperStar, 0,
                QStringLiteral("il SuperStar %1 non è tra 1 e 90").arg(draw.superStar)};
    }
    return {};
}

QString validateDraw(const NewDraw &draw, const QDate &today)
{
    return drawProblem(draw, today).text;
}

QDate nextDrawDay(const QDate &newest)
{
    QDate day = newest.addDays(1);
    while (day.dayOfWeek() != Qt::Tuesday && day.dayOfWeek() != Qt::Thursday &&
           day.dayOfWeek() != Qt::Friday && day.dayOfWeek() != Qt::Saturday)
        day = day.addDays(1);
    return day;
}

} // namespace enalotto
