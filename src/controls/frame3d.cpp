#include "controls/frame3d.h"

#include <QPainter>

namespace enalotto {

Frame3D::Frame3D(QWidget *parent) : QWidget(parent) {}

void Frame3D::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    update();
}

void Frame3D::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int top = metrics.height() / 2;
    const QRect box = rect().adjusted(0, top, -1, -1);
    // Etched: a shadow line with a light line one pixel inside it.
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(box.adjusted(1, 1, 0, 0));
    if (m_text.isEmpty())
        return;
    const int textWidth = metrics.horizontalAdvance(m_text) + 6;
    const QRect caption(6, 0, qMin(textWidth, width() - 12), metrics.height());
    painter.fillRect(caption, palette().color(backgroundRole()));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter, m_text);
}

} // namespace enalotto
