#pragma once

// Runs the archive tool in-process, as the command line would, and tables of such runs.

#include "archive/drawdate.h"
#include "archive/newdraw.h"
#include "archivio/archivetool.h"
#include "testutil.h"

#include <QFileInfo>
#include <QRegularExpression>
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

// Two draws before the SuperStar and three after it, all valid: the newest is 05/01/2026.
inline QByteArray smallArchive()
{
    return record("30DIC2005", "010203040506", "07", "00") +
           record("31DIC2005", "111213141516", "17", "00") +
           record("02GEN2026", "212223242526", "27", "05") +
           record("03GEN2026", "313233343536", "37", "05") +
           record("05GEN2026", "414243444546", "47", "90");
}

inline QString fixture(const QString &name)
{
    return QStringLiteral(ENALOTTO_TEST_DATA "/archive/") + name;
}

// `text` with "{today}" and "{tomorrow}" written as `day` writes those days.
inline QString withDays(QString text, const std::function<QString(const QDate &)> &day)
{
    const QDate today = QDate::currentDate();
    return text.replace(u"{today}"_s, day(today)).replace(u"{tomorrow}"_s, day(today.addDays(1)));
}

// The bytes an archive cell of a table stands for (see tool-runs.txt).
inline QByteArray archiveOf(const QString &cell)
{
    static const QRegularExpression piece(u"<([^>]*)>|'([^']*)'|(\\d{4})x(\\d+)|\\S+"_s);
    const auto month = [](const QDate &d) {
        return QString::fromLatin1(formatDrawDate(d, DateLayout::Month));
    };
    QByteArray bytes;
    for (const QRegularExpressionMatch &m : piece.globalMatch(cell)) {
        if (m.hasCaptured(1)) {
            QByteArrayList f = withDays(m.captured(1), month).toLatin1().split(' ');
            for (QByteArray &field : f)
                field.replace('_', ' ');
            while (f.size() < 4)
                f << "00";
            bytes += record(f[0], f[1], f[2], f[3]);
        } else if (m.hasCaptured(2)) {
            bytes += m.captured(2).toLatin1();
        } else if (m.hasCaptured(3)) {
            bytes += yearOfRecords(m.captured(3).toInt(), m.captured(4).toInt());
        } else {
            const QString name = m.captured();
            if (name == u"none")
                return "<none>";
            bytes += name == u"small" ? smallArchive()
                                      : readFile(QStringLiteral(ENALOTTO_SAMPLE_ARCHIVE));
        }
    }
    return bytes;
}

// A table of runs read from `file`. Each row runs a command line in the current folder with
// an archive as "se" and checks the status, that what the tool said holds the words given,
// that "se" only grew by what the row adds, and that the backup holds the archive as it was
// exactly when it changed.
inline void runRows(const char *file)
{
    QTest::addColumn<QByteArray>("archive");
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("says");
    QTest::addColumn<QByteArray>("added");
    const QByteArray table = readFile(fixture(QString::fromLatin1(file)));
    QVERIFY(!table.isEmpty());
    for (const QString &line : QString::fromUtf8(table).split(u'\n')) {
        QStringList cell = line.split(u'|');
        if (line.startsWith(u'#') || cell.size() < 5)
            continue;
        for (QString &c : cell)
            c = c.trimmed();
        QTest::newRow(qPrintable(cell[0]))
            << archiveOf(cell[1]) << withDays(cell[2], dayText) << cell[3].toInt()
            << withDays(cell[4], dayText).replace(u"\\n"_s, u"\n"_s) << archiveOf(cell.value(5));
    }
}

// Runs the current row, with the fixture files its command names copied in beside "se".
inline void runCurrentRow()
{
    QFETCH(QByteArray, archive);
    QFETCH(QString, line);
    QFETCH(int, status);
    QFETCH(QString, says);
    QFETCH(QByteArray, added);
    for (const QString &word : line.split(u' ')) {
        if (QFileInfo(fixture(word)).isFile())
            QVERIFY(QFile::copy(fixture(word), word));
    }
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
