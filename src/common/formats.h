#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>
#include <optional>

namespace enalotto {

// The two number formats of the prize boxes.
enum class NumberFormat
{
    Whole,       // "#,###": rounded to a whole number, grouped, zero is the empty text
    TwoDecimals, // "#,##0.00": grouped, exactly two decimals, zero is "0,00" in Italian
};

// A text that reads as a finite number in the locale (sign, group and decimal separators
// allowed), or nothing.
[[nodiscard]] std::optional<double> readLocaleNumber(const QString &text,
                                                     const QLocale &locale = QLocale());

// Halves are rounded away from zero on the decimal digits of the value as written, so
// 1.005 becomes "1,01" rather than the "1,00" of its binary neighbour.
[[nodiscard]] QString formatNumber(double value, NumberFormat format,
                                   const QLocale &locale = QLocale());

// A text that reads as a number is rewritten in the format; any other text, the empty text
// included, comes back unchanged. Applying it twice gives the same text.
[[nodiscard]] QString reformatNumberText(const QString &text, NumberFormat format,
                                         const QLocale &locale = QLocale());

// Field patterns: "@@@" right-aligns the text in a field of three, "!@@" left-aligns it in
// a field of two; a longer text is returned whole, never cut.
[[nodiscard]] QString applyFieldPattern(const QString &text, QStringView pattern);

} // namespace enalotto
