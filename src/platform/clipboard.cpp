#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace enalotto {

void putOnClipboard(const QString &text)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

} // namespace enalotto
