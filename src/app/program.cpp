#include "app/program.h"

#include "main_window/form32.h"

bool startProgram()
{
    auto *window = new Form32;
    if (!window->load()) {
        delete window;
        return false;
    }
    Form32::setStartupWindow(window);
    window->show();
    return true;
}
