// The program's own start-up (main() is only this), ended as soon as the window is shown.
#include "app/program.h"

#include <QApplication>
#include <QTimer>

using namespace enalotto;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (!startProgram())
        return 1;
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
