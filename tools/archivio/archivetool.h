#pragma once

#include <QStringList>

class QTextStream;

namespace enalotto {

// The archive tool "superenalotto-archivio": checks the archive "se", adds last night's draw,
// imports a downloaded CSV, exports CSV and counts frequencies and delays. Every write
// replaces "se" atomically, so a browser running at the same time only ever sees whole files.
//
// Runs the tool with its arguments (without the program name) in the current folder and
// returns the exit status: 0 done, 1 refused or an archive with problems, 2 a file that
// cannot be read or written.
int runArchiveTool(const QStringList &arguments, QTextStream &out, QTextStream &err);

} // namespace enalotto
