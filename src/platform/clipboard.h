#pragma once

#include <QString>

// Clears the clipboard, then puts the text on it as plain text.
void putOnClipboard(const QString &text);
