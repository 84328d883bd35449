#pragma once

// Runs the archive tool in-process, as the command line would, and tables of such runs.

#include "archivio/archivetool.h"
#include "testutil.h"

#include <QTextStream>

using namespace Qt::StringLiterals;

struct ToolRun
{
    int status;
    QString said; // standard output, then standard error
};

// The tool given the words of `line`, split at blanks as a shell would.
inline ToolRun tool(const QString &line)
{
    QString out, err;
    QTextStream o(&out), e(&err);
    const int status = runArchiveTool(line.split(u' ', Qt::SkipEmptyParts), o, e);
    o.flush();
    e.flush();
    return {status, out + err};
}

// A table of runs. Each row runs `line` in the current folder with `archive` as "se"
// ("<none>": no archive) and checks the status, that what the tool said holds `says`, that
// "se" only grew by `added`, and that the backup holds the archive as it was exactly when it
// changed.
inline void runColumns()
{
    QTest::addColumn<QByteArray>("archive");
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("says");
    QTest::addColumn<QByteArray>("added");
}

inline void runRow(const char *name, const QByteArray &archive, const QString &line, int status,
                   const QString &says, const QByteArray &added = {})
{
    QTest::newRow(name) << archive << line << status << says << added;
}

inline void runCurrentRow()
{
    QFETCH(QByteArray, archive);
    QFETCH(QString, line);
    QFETCH(int, status);
    QFETCH(QString, says);
    QFETCH(QByteArray, added);
    placeFile(u"se"_s, archive);
    const ToolRun run = tool(line);
    QCOMPARE(run.status, status);
    QVERIFY2(run.said.contains(says), qPrintable(run.said));
    const bool none = archive == "<none>";
    QCOMPARE(QFile::exists(u"se"_s), !none || !added.isEmpty());
    const QByteArray before = none ? QByteArray() : archive;
    QCOMPARE(readFile(u"se"_s), before + added);
    QCOMPARE(QFile::exists(u"se.bak"_s), !added.isEmpty());
    QCOMPARE(readFile(u"se.bak"_s), added.isEmpty() ? QByteArray() : before);
}

// Two draws before the SuperStar and three after it, all valid: the newest is 05/01/2026.
inline QByteArray smallArchive()
{
    return record("30DIC2005", "010203040506", "07", "00") +
           record("31DIC2005", "111213141516", "17", "00") +
           record("02GEN2026", "212223242526", "27", "05") +
           record("03GEN2026", "313233343536", "37", "05") +
           record("05GEN2026", "414243444546", "47", "90");
}
