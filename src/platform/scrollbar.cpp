#include "platform/scrollbar.h"

#include <QMouseEvent>

void ScrollBar::endPress()
{
    setRepeatAction(SliderNoAction);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(), mapToGlobal(QPointF()),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    mouseReleaseEvent(&release);
}
