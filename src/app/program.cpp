#include "app/program.h"

#include "main_window/form32.h"

#include <QApplication>
#include <QIcon>
#include <QPointer>

namespace enalotto {
namespace {

QPointer<Form32> theStartupWindow;

} // namespace

Form32 *startupWindow()
{
    return theStartupWindow.data();
}

} // namespace enalotto

bool startProgram()
{
    // The icon lives in a static library: its resource must be pulled in by name.
    Q_INIT_RESOURCE(app);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/superenalotto.png")));
    auto *window = new enalotto::Form32;
    if (!window->load()) {
        delete window;
        return false;
    }
    enalotto::theStartupWindow = window;
    window->show();
    return true;
}
