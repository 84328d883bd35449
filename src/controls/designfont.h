#pragma once

#include <QFont>

class QWidget;

namespace enalotto {

// The design's fonts. MS Sans Serif and Arial are rarely installed on Linux; their metric
// stand-ins keep captions within the design's sizes.
[[nodiscard]] QFont sansSerifFont(double points = 8.25, bool bold = true);
[[nodiscard]] QFont arialFont(double points, bool bold);

// Sets the palette colour of a role, leaving the rest of the widget's palette alone.
void setPaletteColor(QWidget *widget, int role, const QColor &colour);

} // namespace enalotto
