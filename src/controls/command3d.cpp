#include "controls/command3d.h"

#include "controls/panel3d.h"

#include <QKeyEvent>
#include <QPainter>

namespace enalotto {

Command3D::Command3D(const QString &caption, QWidget *parent) : QPushButton(caption, parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAutoDefault(false);
}

void Command3D::setTextColor(const QColor &colour)
{
    QPalette p = palette();
    p.setColor(QPalette::ButtonText, colour);
    setPalette(p);
}

QColor Command3D::textColor() const
{
    return palette().color(QPalette::ButtonText);
}

void Command3D::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPalette &pal = palette();
    painter.fillRect(rect(), pal.color(QPalette::Button));
    const bool down = isDown() || isChecked();
    painter.setPen(pal.color(QPalette::Shadow));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    drawBevel(painter, rect().adjusted(1, 1, -1, -1), !down, 2, pal);

    QRect textRect = rect().adjusted(4, 4, -4, -4);
    if (down)
        textRect.translate(1, 1);
    if (!icon().isNull()) {
        // Icon left of the caption when both fit side by side, above it otherwise.
        const QSize size = iconSize();
        const int captionWidth = fontMetrics().horizontalAdvance(text());
        const bool sideBySide = size.width() + 4 + captionWidth <= textRect.width();
        const QRect iconRect =
            sideBySide ? QRect(textRect.left(), textRect.center().y() - size.height() / 2,
                               size.width(), size.height())
                       : QRect(textRect.center().x() - size.width() / 2, textRect.top(),
                               size.width(), size.height());
        icon().paint(&painter, iconRect, Qt::AlignCenter,
                     isEnabled() ? QIcon::Normal : QIcon::Disabled);
        if (sideBySide)
            textRect.setLeft(iconRect.right() + 4);
        else
            textRect.setTop(iconRect.bottom() + 1);
    }
    const int flags = Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextWordWrap;
    if (isEnabled()) {
        painter.setPen(pal.color(QPalette::ButtonText));
        painter.drawText(textRect, flags, text());
    } else {
        painter.setPen(pal.color(QPalette::Light));
        painter.drawText(textRect.translated(1, 1), flags, text());
        painter.setPen(pal.color(QPalette::Dark));
        painter.drawText(textRect, flags, text());
    }
    if (hasFocus()) {
        QPen pen(pal.color(QPalette::ButtonText));
        pen.setStyle(Qt::DotLine);
        painter.setPen(pen);
        painter.drawRect(rect().adjusted(4, 4, -5, -5));
    }
}

void Command3D::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // A held key repeats its press: only the first one clicks.
        if (!event->isAutoRepeat())
            click();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

} // namespace enalotto
