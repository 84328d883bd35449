#include "common/formats.h"

#include <cmath>

namespace enalotto {

std::optional<double> readLocaleNumber(const QString &text, const QLocale &locale)
{
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    // QLocale also accepts "inf" and "nan"; neither is an amount a shop can mean.
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

namespace {

// Decimal digits of |value| rounded half away from zero to `decimals` places, as an integer
// part and a fraction part of exactly `decimals` digits.
struct RoundedDigits
{
    QString integer;
    QString fraction;
};

RoundedDigits roundDecimal(double magnitude, int decimals)
{
    // 17 significant digits would expose binary noise ("1.0049999..."); 15 give back what
    // was typed for any amount a box can hold.
    const QString e = QString::number(magnitude, 'e', 14); // d.dddddddddddddde±X
    const qsizetype ePos = e.indexOf(u'e');
    QString mantissa = e.left(ePos);
    mantissa.remove(u'.');
    const int exponent = e.mid(ePos + 1).toInt();

    // digits * 10^(exponent - 14); place the point after (exponent + 1) digits.
    QString digits = mantissa;
    int pointPos = exponent + 1;
    if (pointPos <= 0) {
        digits.prepend(QString(-pointPos + 1, u'0'));
        pointPos = 1;
    }
    const qsizetype needed = pointPos + decimals + 1;
    if (digits.size() < needed)
        digits.append(QString(needed - digits.size(), u'0'));

    const bool roundUp = digits[pointPos + decimals] >= u'5';
    digits.truncate(pointPos + decimals);
    if (roundUp) {
        qsizetype i = digits.size() - 1;
        while (i >= 0 && digits[i] == u'9') {
            digits[i] = u'0';
            --i;
        }
        if (i < 0) {
            digits.prepend(u'1');
            ++pointPos;
        } else {
            digits[i] = QChar(digits[i].unicode() + 1);
        }
    }
    RoundedDigits out{digits.left(pointPos), digits.mid(pointPos)};
    while (out.integer.size() > 1 && out.integer.startsWith(u'0'))
        out.integer.remove(0, 1);
    return out;
}

QString groupDigits(const QString &integer, const QLocale &locale)
{
    if (locale.numberOptions() & QLocale::OmitGroupSeparator)
        return integer;
    const QString separator = locale.groupSeparator();
    QString grouped;
    const qsizetype n = integer.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            grouped += separator;
        grouped += integer[i];
    }
    return grouped;
}

} // namespace

QString formatNumber(double value, NumberFormat format, const QLocale &locale)
{
    const int decimals = (format == NumberFormat::TwoDecimals) ? 2 : 0;
    const RoundedDigits digits = roundDecimal(std::fabs(value), decimals);
    bool allZero = digits.integer == u"0";
    for (const QChar c : digits.fraction)
        allZero = allZero && c == u'0';

    if (format == NumberFormat::Whole && allZero)
        return QString();
    QString text = groupDigits(digits.integer, locale);
    if (decimals > 0)
        text += locale.decimalPoint() + digits.fraction;
    if (value < 0 && !allZero)
        text.prepend(locale.negativeSign());
    return text;
}

QString reformatNumberText(const QString &text, NumberFormat format, const QLocale &locale)
{
    const std::optional<double> value = readLocaleNumber(text, locale);
    return value ? formatNumber(*value, format, locale) : text;
}

QString applyFieldPattern(const QString &text, QStringView pattern)
{
    const bool leftAligned = pattern.startsWith(u'!');
    const qsizetype width = pattern.count(u'@');
    if (text.size() >= width)
        return text;
    return leftAligned ? text.leftJustified(width) : text.rightJustified(width);
}

} // namespace enalotto
