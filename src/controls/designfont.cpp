#include "controls/designfont.h"

#include <QWidget>

namespace enalotto {

QFont sansSerifFont(double points, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont arialFont(double points, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void setPaletteColor(QWidget *widget, int role, const QColor &colour)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::ColorRole(role), colour);
    widget->setPalette(p);
}

} // namespace enalotto
