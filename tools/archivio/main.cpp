// superenalotto-archivio: keeps the draw archive "se" current. See `--help`.
#include "archivio/archivetool.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return enalotto::runArchiveTool(QCoreApplication::arguments().mid(1), out, err);
}
