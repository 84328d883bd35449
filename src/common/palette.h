#pragma once

#include <QColor>

// The standard 16-colour palette, by index, as the stored design refers to its colours.
enum PaletteIndex : int
{
    PaletteBlack = 0,
    PaletteLightGrey = 7,
    PaletteYellow = 14,
    PaletteWhite = 15,
};

[[nodiscard]] QColor paletteColor(int index);
