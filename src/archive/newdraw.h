#pragma once

#include "archive/drawarchive.h"
#include "archive/drawdate.h"

#include <QDate>
#include <QString>
#include <QVector>
#include <array>
#include <optional>

namespace enalotto {

// A draw given by hand or read from a downloaded file, before it joins the archive.
struct NewDraw
{
    QDate date;
    std::array<int, 6> numbers{};
    int jolly = 0;
    int superStar = 0;
};

// Numbers 1-90 and distinct, the Jolly not among them, the SuperStar 0-90: an error text
// when the draw is not a valid one, empty when it is.
[[nodiscard]] QString validateDraw(const NewDraw &draw);

// The record of a new draw, its date written in the archive's `layout`.
[[nodiscard]] ArchiveDraw toArchiveDraw(const NewDraw &draw, DateLayout layout);

// The sorted six numbers, Jolly and SuperStar of a draw as values, for comparing draws
// whatever order their numbers were written in.
[[nodiscard]] QVector<int> drawKey(const ArchiveDraw &draw);
[[nodiscard]] QVector<int> drawKey(const NewDraw &draw);

// A date as people type it: dd/mm/yyyy, d/m/yyyy or yyyy-mm-dd.
[[nodiscard]] std::optional<QDate> parseUserDate(const QString &text);

// A whole number, blanks around it allowed.
[[nodiscard]] std::optional<int> parseUserNumber(const QString &text);

// A 2-character field that holds a number in [low, high] written with two digits.
[[nodiscard]] std::optional<int> fieldNumber(const QByteArray &field, int low, int high);

} // namespace enalotto
