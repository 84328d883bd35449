#pragma once

#include <QString>

class QWidget;

namespace enalotto {

enum class MessageIcon
{
    Information,
    Warning
};

// A modal message box with a title, a text, an icon and one OK button; returns when the user
// closes it.
void showMessage(QWidget *parent, const QString &title, const QString &text, MessageIcon icon);

} // namespace enalotto
