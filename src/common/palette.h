#pragma once

namespace enalotto {

// The standard 16-colour palette, by index, as the stored design refers to its colours.
enum PaletteIndex : int
{
    PaletteBlack = 0,
    PaletteLightGrey = 7,
    PaletteYellow = 14,
    PaletteWhite = 15,
};

// A colour as red, green and blue from 0 to 255.
struct Rgb
{
    int red = 0;
    int green = 0;
    int blue = 0;
};

// The palette's colour at an index; only its low four bits count.
[[nodiscard]] Rgb paletteRgb(int index);

} // namespace enalotto
