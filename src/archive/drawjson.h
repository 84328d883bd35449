#pragma once

#include "archive/delimitedtext.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace enalotto {

// A JSON export of draws as a table: an array of draw objects, or an object that holds one.
// The first row names the fields (the six numbers of an array become n1 ... n6); each later
// row is one object, numbered from 1 in the array. A null value is an empty field. Nothing,
// with `error` set, when the text is not JSON or holds no array of objects.
[[nodiscard]] std::optional<DelimitedTable> jsonTable(const QByteArray &bytes, QString &error);

} // namespace enalotto
