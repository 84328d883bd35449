#include "controls/panel3d.h"

#include <QPainter>

namespace enalotto {

void drawBevel(QPainter &painter, const QRect &rect, bool raised, int width,
               const QPalette &palette)
{
    const QColor light = palette.color(QPalette::Light);
    const QColor dark = palette.color(QPalette::Dark);
    const QColor topLeft = raised ? light : dark;
    const QColor bottomRight = raised ? dark : light;
    for (int i = 0; i < width; ++i) {
        const QRect r = rect.adjusted(i, i, -i - 1, -i - 1);
        painter.setPen(topLeft);
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
    }
}

Panel3D::Panel3D(QWidget *parent) : QWidget(parent)
{
    // Painted by hand rather than through the Button background role, which would turn the
    // foreground role of every label inside into ButtonText.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Panel3D::setText(const QString &text)
{
    // The analysis window re-sets captions every millisecond; an unchanged one costs nothing.
    if (text == m_text)
        return;
    m_text = text;
    update();
}

void Panel3D::setBevel(Bevel bevel)
{
    m_bevel = bevel;
    update();
}

void Panel3D::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

void Panel3D::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    drawBevel(painter, rect(), m_bevel == Bevel::Raised, 1, palette());
    if (m_text.isEmpty())
        return;
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect().adjusted(3, 1, -3, -1), int(m_alignment), m_text);
}

} // namespace enalotto
