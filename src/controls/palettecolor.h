#pragma once

#include "common/palette.h"

#include <QColor>

namespace enalotto {

// The palette's colour at an index, for widgets.
[[nodiscard]] inline QColor paletteColor(int index)
{
    const Rgb c = paletteRgb(index);
    return QColor(c.red, c.green, c.blue);
}

} // namespace enalotto
