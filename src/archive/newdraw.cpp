#include "archive/newdraw.h"

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

std::optional<QDate> parseUserDate(const QString &text)
{
    for (const QString &format :
         {QStringLiteral("dd/MM/yyyy"), QStringLiteral("d/M/yyyy"), QStringLiteral("yyyy-MM-dd")}) {
        const QDate date = QDate::fromString(text.trimmed(), format);
        if (date.isValid())
            return date;
    }
    return std::nullopt;
}

std::optional<int> parseUserNumber(const QString &text)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(n) : std::nullopt;
}

QString validateDraw(const NewDraw &draw)
{
    if (!draw.date.isValid())
        return QStringLiteral("la data non è valida");
    QSet<int> six;
    for (const int n : draw.numbers) {
        if (n < 1 || n > 90)
            return QStringLiteral("il numero %1 non è tra 1 e 90").arg(n);
        if (six.contains(n))
            return QStringLiteral("il numero %1 è ripetuto").arg(n);
        six.insert(n);
    }
    if (draw.jolly < 1 || draw.jolly > 90)
        return QStringLiteral("il Jolly %1 non è tra 1 e 90").arg(draw.jolly);
    if (six.contains(draw.jolly))
        return QStringLiteral("il Jolly %1 è anche tra i sei numeri").arg(draw.jolly);
    if (draw.superStar < 0 || draw.superStar > 90)
        return QStringLiteral("il SuperStar %1 non è tra 0 e 90").arg(draw.superStar);
    return QString();
}

} // namespace enalotto
