// superenalotto-aggiorna: the archive window on the archive "se" of the current folder.
#include "archive_window/archivewindow.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("superenalotto")));
    enalotto::ArchiveWindow window;
    window.show();
    return app.exec();
}
