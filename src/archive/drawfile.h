#pragma once

#include "archive/drawlayout.h"
#include "archive/newdraw.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QVector>
#include <optional>

namespace enalotto {

// A downloaded file of draws, read whatever its layout: delimited text with or without a
// header, or JSON. Its rows come oldest first (a file written newest first is read from its
// end); a row that cannot be used keeps its place among them, so that whoever applies the
// rows can stop there and leave no gap.

struct FileRow
{
    int row = 0;                 // the line, or the JSON element
    std::optional<NewDraw> draw; // nothing when the row cannot be used
    QString problem;             // then why, naming the column: "Jolly vuoto"
};

struct DrawFile
{
    DrawLayout layout;
    QVector<FileRow> rows;
    QString error; // set when the file is not a file of draws at all
};

[[nodiscard]] DrawFile readDrawFile(const QByteArray &bytes,
                                    const QDate &today = QDate::currentDate());

} // namespace enalotto
