#include "platform/textbox.h"

#include <QEvent>

TextBox::TextBox(int typingLimit, QWidget *parent) : QLineEdit(parent), m_typingLimit(typingLimit)
{
    setFrame(false);
    setBackgroundColor(Qt::white);
}

bool TextBox::event(QEvent *event)
{
    // Every way a user adds text (keys, input methods, paste from the keyboard, the context
    // menu or the mouse, drops) arrives as one of these events; an edit that grows the text
    // past the limit is taken back. Text set by the program never passes here.
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::InputMethod:
    case QEvent::MouseButtonRelease:
    case QEvent::ContextMenu:
    case QEvent::Drop:
        break;
    default:
        return QLineEdit::event(event);
    }
    const QString before = text();
    const int cursor = cursorPosition();
    const bool handled = QLineEdit::event(event);
    const QString after = text();
    if (after.size() > m_typingLimit && after.size() > before.size()) {
        setText(before);
        setCursorPosition(cursor);
    }
    return handled;
}

void TextBox::setBackgroundColor(const QColor &colour)
{
    if (palette().color(QPalette::Base) == colour)
        return;
    QPalette p = palette();
    p.setColor(QPalette::Base, colour);
    setPalette(p);
}

QColor TextBox::backgroundColor() const
{
    return palette().color(QPalette::Base);
}
