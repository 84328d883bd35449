// superenalotto-archivio: keeps the draw archive "se" current. See `--help`.
#include "archive/archivetool.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runArchiveTool(QCoreApplication::arguments().mid(1), out, err);
}
