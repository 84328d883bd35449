#include "controls/scrollbar.h"

#include <QMouseEvent>

namespace enalotto {

void ScrollBar::endPress()
{
    setRepeatAction(SliderNoAction);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(), mapToGlobal(QPointF()),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    mouseReleaseEvent(&release);
}

} // namespace enalotto
