#include "common/basic.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace enalotto {

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

double basicVal(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t' || text[i] == u'\n' || text[i] == u'\r'))
        ++i;

    // Collect the longest prefix that forms a number, then let strtod do the arithmetic.
    std::string number;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        number += char(text[i++].unicode());
    bool anyDigit = false;
    while (i < n && isDigit(text[i])) {
        number += char(text[i++].unicode());
        anyDigit = true;
    }
    if (i < n && text[i] == u'.') {
        number += '.';
        ++i;
        while (i < n && isDigit(text[i])) {
            number += char(text[i++].unicode());
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return 0.0;
    // An exponent counts only when digits follow it ("2E" reads as 2).
    if (i < n && (text[i] == u'E' || text[i] == u'e' || text[i] == u'D' || text[i] == u'd')) {
        qsizetype j = i + 1;
        std::string exponent = "e";
        if (j < n && (text[j] == u'+' || text[j] == u'-'))
            exponent += char(text[j++].unicode());
        if (j < n && isDigit(text[j])) {
            while (j < n && isDigit(text[j]))
                exponent += char(text[j++].unicode());
            number += exponent;
        }
    }
    const double value = std::strtod(number.c_str(), nullptr);
    return std::isfinite(value) ? value : 0.0;
}

QString basicStr(double value)
{
    QString digits = QString::number(std::fabs(value), 'g', 15);
    if (digits.startsWith(u"0."))
        digits.remove(0, 1);
    if (digits.contains(u'e'))
        digits = digits.toUpper();
    const QChar sign = (value < 0) ? u'-' : u' ';
    return sign + digits;
}

} // namespace enalotto
