#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace enalotto {

// Opens a file for reading only when it is a regular file. A named pipe, a device or a folder
// is refused at once: the open never waits for a writer. Returns the descriptor, or -1.
[[nodiscard]] int openRegularFile(const QString &name);

// The first `maxBytes` bytes of a regular file (all of a shorter one), or nothing when it is
// missing, unreadable or not a regular file.
[[nodiscard]] std::optional<QByteArray> readRegularFile(const QString &name, qint64 maxBytes);

} // namespace enalotto
