#pragma once

class QWidget;

namespace enalotto {

// The design gives positions and sizes in twips (1/1440 inch); these convert them with the
// screen's logical DPI (15 twips a pixel at 96 dpi).
[[nodiscard]] int twipsToPixelsX(int twips);
[[nodiscard]] int twipsToPixelsY(int twips);

// Places a control at left, top with width and height, all in twips of its container.
void placeTwips(QWidget *widget, int left, int top, int width, int height);

// Centres a top-level window's outer frame on its screen, as each window does when it loads;
// when the frame is not known yet, again as soon as it is.
void centreOnScreen(QWidget *window);

} // namespace enalotto
