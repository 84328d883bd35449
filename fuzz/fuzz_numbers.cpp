// Locale number reading and both re-formatting patterns, in the Italian and C locales.
#include "common/formats.h"

using namespace enalotto;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    static const QLocale locales[] = {QLocale(QLocale::Italian, QLocale::Italy), QLocale::c()};
    for (const QLocale &locale : locales) {
        for (NumberFormat format : {NumberFormat::Whole, NumberFormat::TwoDecimals}) {
            const QString once = reformatNumberText(text, format, locale);
            // Formatting is idempotent.
            if (reformatNumberText(once, format, locale) != once)
                __builtin_trap();
        }
    }
    // A field pattern pads to its width and never cuts.
    if (applyFieldPattern(text, u"!@@@").size() != qMax<qsizetype>(text.size(), 3) ||
        !applyFieldPattern(text, u"@@@@@@@@@@@@@").endsWith(text))
        __builtin_trap();
    return 0;
}
