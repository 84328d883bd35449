#pragma once

#include <QString>

namespace enalotto {

// Clears the clipboard, then puts the text on it as plain text.
void putOnClipboard(const QString &text);

} // namespace enalotto
