#pragma once

#include <QByteArray>
#include <QString>

namespace enalotto {

// Replaces a file whole or not at all: the bytes go to a temporary file in the same folder,
// which is renamed over the old one only once all of them are on disk. A failed or
// interrupted write leaves the old file as it was. Returns false when it could not be written.
[[nodiscard]] bool replaceFile(const QString &name, const QByteArray &bytes);

} // namespace enalotto
