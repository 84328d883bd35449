// BASIC's Val and Str$ on arbitrary text.
#include "common/basic.h"

#include <cmath>

using namespace enalotto;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const double value = basicVal(text);
    if (!std::isfinite(value))
        __builtin_trap();
    const QString written = basicStr(value);
    // What Str$ writes, Val reads back (to the 15 digits it writes).
    const double back = basicVal(written);
    if (std::fabs(back - value) > std::fabs(value) * 1e-13)
        __builtin_trap();
    return 0;
}
