#pragma once

#include <QWidget>

namespace enalotto {

// The About window: the program's title and version, what it does, and how to reach its
// makers, with a button back to the main menu.
class Form14 : public QWidget
{
    Q_OBJECT

public:
    // Shows the window; when it is already open it is only brought to the front.
    static Form14 *open();

private:
    Form14(); // builds the captions; "&MENU' PRINCIPALE" (Command3D1) closes the window
};

} // namespace enalotto
