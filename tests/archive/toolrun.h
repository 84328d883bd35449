#pragma once

// Runs the archive tool in-process, as the command line would, and keeps what it said.

#include "archivio/archivetool.h"
#include "testutil.h"

#include <QTextStream>

using namespace Qt::StringLiterals;

struct ToolRun
{
    int status;
    QString out;
    QString err;
    [[nodiscard]] QString said() const { return out + err; }
};

inline ToolRun tool(const QStringList &args)
{
    QString out, err;
    QTextStream o(&out), e(&err);
    const int status = runArchiveTool(args, o, e);
    o.flush();
    e.flush();
    return {status, out, err};
}

// Three draws before the SuperStar and two after it, all valid: the newest is 05/01/2026.
inline QByteArray smallArchive()
{
    return record("30DIC2005", "010203040506", "07", "00") +
           record("31DIC2005", "111213141516", "17", "00") +
           record("02GEN2026", "212223242526", "27", "05") +
           record("03GEN2026", "313233343536", "37", "05") +
           record("05GEN2026", "414243444546", "47", "90");
}
