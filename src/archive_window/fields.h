#pragma once

#include <QLineEdit>

namespace enalotto {

// A text field of the archive window's forms, named for tests, with a hint of what it takes.
inline QLineEdit *makeField(const char *objectName, const QString &placeholder = QString(),
                            int maxWidth = 0)
{
    auto *field = new QLineEdit;
    field->setObjectName(QLatin1String(objectName));
    field->setPlaceholderText(placeholder);
    if (maxWidth > 0)
        field->setMaximumWidth(maxWidth);
    return field;
}

} // namespace enalotto
