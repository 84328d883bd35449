#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace enalotto {

// The file "13": the receipt shop's three header lines, each a field between double quotes
// ended by CR LF, in Windows-1252. Earlier versions wrote it the same way, so shops keep
// their headers across upgrades.
inline constexpr const char *HeaderFileName = "13";
inline constexpr int HeaderLineLimit = 30;

// Reads the first three comma- or line-delimited fields. A quoted field runs to a double
// quote followed by a comma, a line end or the end of the file, so an inner double quote
// stays in the field; an unquoted field skips leading blanks. Fields longer than 30
// characters keep their first 30. Nothing when fewer than three fields can be read.
[[nodiscard]] std::optional<QStringList> parseHeaderFile(const QByteArray &bytes);

// The file's bytes for three header lines.
[[nodiscard]] QByteArray headerFileBytes(const QStringList &lines);

// Reads "13" from the current directory; nothing when it is missing, unreadable or short.
[[nodiscard]] std::optional<QStringList> readHeaderFile();

// Replaces "13" in the current directory atomically: a failed or interrupted write leaves
// the previous file whole. Returns false when it could not be written.
[[nodiscard]] bool writeHeaderFile(const QStringList &lines);

} // namespace enalotto
