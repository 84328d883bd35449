#include "controls/textbox.h"

#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

namespace enalotto {

TextBox::TextBox(int typingLimit, QWidget *parent) : QLineEdit(parent), m_typingLimit(typingLimit)
{
    setFrame(false);
    setBackgroundColor(Qt::white);
}

QString TextBox::fitting(const QString &text, qsizetype replaced) const
{
    qsizetype room = m_typingLimit - (this->text().size() - replaced);
    if (room <= 0)
        return {};
    if (room >= text.size())
        return text;
    // Never split a character that takes two UTF-16 units.
    if (text.at(room - 1).isHighSurrogate())
        --room;
    return text.left(room);
}

void TextBox::pasteFitting(QClipboard::Mode mode)
{
    if (isReadOnly())
        return;
    const QString clip = QGuiApplication::clipboard()->text(mode);
    const QString part = fitting(clip, selectedText().size());
    if (!part.isEmpty())
        insert(part);
}

void TextBox::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste)) {
        pasteFitting(QClipboard::Clipboard);
        event->accept();
        return;
    }
    // A typed character replaces the selection; refused when the text would grow past the
    // limit. Text the program put in may already be longer: editing it stays possible.
    const QString typed = event->text();
    const bool plain =
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (plain && !typed.isEmpty() && typed.at(0).isPrint() && !isReadOnly()) {
        const qsizetype now = text().size();
        const qsizetype after = now - selectedText().size() + typed.size();
        if (after > m_typingLimit && after > now) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void TextBox::inputMethodEvent(QInputMethodEvent *event)
{
    const QString commit = event->commitString();
    const QString part = fitting(commit, selectedText().size() + event->replacementLength());
    if (part.size() == commit.size()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent cut(event->preeditString(), event->attributes());
    cut.setCommitString(part, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&cut);
    event->accept();
}

void TextBox::dropEvent(QDropEvent *event)
{
    const QMimeData *mime = event->mimeData();
    if (!mime || !mime->hasText() || isReadOnly()) {
        QLineEdit::dropEvent(event);
        return;
    }
    // Moving text inside the box first takes it out of its old place.
    const bool moveInside = event->source() == this && event->dropAction() == Qt::MoveAction;
    const QString part = fitting(mime->text(), moveInside ? selectedText().size() : 0);
    if (part.isEmpty()) {
        event->ignore();
        return;
    }
    QMimeData fitted;
    fitted.setText(part);
    QDropEvent cut(event->position(), event->possibleActions(), &fitted, event->buttons(),
                   event->modifiers());
    cut.setDropAction(event->dropAction());
    QLineEdit::dropEvent(&cut);
    event->setDropAction(cut.dropAction());
    event->setAccepted(cut.isAccepted());
}

void TextBox::mouseReleaseEvent(QMouseEvent *event)
{
    // The middle button pastes the selection where the desktop has one.
    if (event->button() == Qt::MiddleButton && !isReadOnly() &&
        QGuiApplication::clipboard()->supportsSelection()) {
        deselect();
        const QString part = fitting(QGuiApplication::clipboard()->text(QClipboard::Selection), 0);
        if (!part.isEmpty())
            insert(part);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void TextBox::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu();
    if (!menu)
        return;
    // The menu's Paste is the action wired to QLineEdit::paste(); it pastes what fits instead.
    for (QAction *action : menu->actions()) {
        const bool paste = disconnect(action, SIGNAL(triggered()), this, SLOT(paste())) ||
                           disconnect(action, &QAction::triggered, this, &QLineEdit::paste);
        if (paste) {
            connect(action, &QAction::triggered, this,
                    [this] { pasteFitting(QClipboard::Clipboard); });
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void TextBox::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason)
        emit left();
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

} // namespace enalotto
