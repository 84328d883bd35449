#pragma once

// What the end-to-end printing tests share: the folder where the cups-pdf queue leaves its
// files (ENALOTTO_PDF_DIR, set by scripts/test-printer.sh), waiting for a new one, and reading
// a PDF's words back with poppler.

#include "app/program.h"
#include "testutil.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <cmath>

using namespace Qt::StringLiterals;

inline QString pdfDir()
{
    return qEnvironmentVariable("ENALOTTO_PDF_DIR");
}

inline QStringList pdfs()
{
    QStringList files;
    QDirIterator it(pdfDir(), {u"*.pdf"_s}, QDir::Files);
    while (it.hasNext())
        files << it.next();
    return files;
}

// The first PDF that is not in `before`, once cups-pdf has finished writing it; empty after
// a minute without one.
inline QString waitForNewPdf(const QStringList &before)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 60000) {
        for (const QString &file : pdfs()) {
            // cups-pdf writes the file in place; wait until it stops growing.
            if (!before.contains(file)) {
                qint64 size = -1;
                while (QFileInfo(file).size() != size) {
                    size = QFileInfo(file).size();
                    QTest::qWait(300);
                }
                return file;
            }
        }
        QTest::qWait(200);
    }
    return QString();
}

// The standard output of a program run to its end.
inline QString run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Each word's box on the PDF's first page, in points from the top left corner.
inline QList<std::pair<QRectF, QString>> wordBoxes(const QString &pdf)
{
    const QString html = run(u"pdftotext"_s, {u"-bbox"_s, pdf, u"-"_s});
    static const QRegularExpression word(
        u"<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">"
        "([^<]*)</word>"_s);
    QList<std::pair<QRectF, QString>> boxes;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        boxes.append({QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                             QPointF(m.captured(3).toDouble(), m.captured(4).toDouble())),
                      m.captured(5)});
    }
    return boxes;
}

// The column of each word of the page, counted from a word whose column is known.
inline QMultiMap<QString, int> wordColumns(const QString &pdf, double pitch, const QString &anchor,
                                           int anchorColumn)
{
    const QList<std::pair<QRectF, QString>> words = wordBoxes(pdf);
    double anchorX = -1;
    for (const auto &[box, text] : words) {
        if (text == anchor) {
            anchorX = box.left();
            break;
        }
    }
    QMultiMap<QString, int> columns;
    for (const auto &[box, text] : words)
        columns.insert(text, anchorColumn + int(std::lround((box.left() - anchorX) / pitch)));
    return columns;
}

// The page's text lines, trailing blanks and the blank lines at the page's end removed.
inline QStringList pageLines(const QString &text)
{
    QStringList lines = text.split(u'\n');
    for (QString &line : lines) {
        while (line.endsWith(u' '))
            line.chop(1);
        line.remove(u'\f');
    }
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    while (!lines.isEmpty() && lines.first().isEmpty())
        lines.removeFirst();
    return lines;
}
