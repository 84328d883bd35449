#include "app/program.h"

#include "main_window/form32.h"

#include <QApplication>
#include <QIcon>

bool startProgram()
{
    // The icon lives in a static library: its resource must be pulled in by name.
    Q_INIT_RESOURCE(app);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/superenalotto.png")));
    auto *window = new Form32;
    if (!window->load()) {
        delete window;
        return false;
    }
    Form32::setStartupWindow(window);
    window->show();
    return true;
}
