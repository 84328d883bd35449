#pragma once

#include <QString>
#include <QStringView>

namespace enalotto {

// The number/text conversions of the BASIC dialect the stored files and captions were
// designed around. Captions such as "v.4.0.1 1.1" are built with them, so they must keep
// their quirks (leading blank for non-negative numbers, no zero before the point).

// Reads a number the way BASIC's Val does: leading blanks are skipped and reading stops at
// the first character that cannot continue a number. " 2" gives 2, ".1" gives 0.1,
// "2O26" gives 2, "abc" gives 0.
[[nodiscard]] double basicVal(QStringView text);

// Writes a number the way BASIC's Str$ does: non-negative numbers get one leading blank,
// a fraction below one has no leading zero (" .5"), whole numbers have no point.
[[nodiscard]] QString basicStr(double value);

} // namespace enalotto
