#pragma once

#include <QByteArray>
#include <QString>

namespace enalotto {

// The stored files ("se", "13") hold one byte per character in Windows-1252, the code page
// of the machines the earlier versions ran on. Qt 6 has no codec for it without Core5Compat;
// it differs from Latin-1 only in 0x80-0x9F.
[[nodiscard]] QString fromWindows1252(const QByteArray &bytes);
// Characters without a Windows-1252 byte become '?'.
[[nodiscard]] QByteArray toWindows1252(const QString &text);

} // namespace enalotto
