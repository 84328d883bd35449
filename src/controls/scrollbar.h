#pragma once

#include <QScrollBar>

namespace enalotto {

// A scroll bar whose press the program can end. A step that opens a modal message must end
// the press first: the arrow's auto-repeat runs on a timer that a modal message does not
// stop, so each OK would be followed by the next step's message.
class ScrollBar : public QScrollBar
{
    Q_OBJECT

public:
    using QScrollBar::QScrollBar;

    // As if the mouse button had been let go: no repeat, nothing shown pressed.
    void endPress();
};

} // namespace enalotto
