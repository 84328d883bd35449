#include "controls/twips.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace enalotto {

namespace {

double logicalDpi(bool horizontal)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 96.0;
    return horizontal ? screen->logicalDotsPerInchX() : screen->logicalDotsPerInchY();
}

} // namespace

int twipsToPixelsX(int twips)
{
    return int(std::lround(twips * logicalDpi(true) / 1440.0));
}

int twipsToPixelsY(int twips)
{
    return int(std::lround(twips * logicalDpi(false) / 1440.0));
}

void placeTwips(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(twipsToPixelsX(left), twipsToPixelsY(top), twipsToPixelsX(width),
                        twipsToPixelsY(height));
}

namespace {

// Moves the window's outer frame to the middle of its screen; returns the frame size used.
QSize centreFrame(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    const QSize frame = window->frameGeometry().size();
    if (!screen)
        return frame;
    const QRect area = screen->geometry();
    window->move(area.x() + int((area.width() - frame.width()) / 2.0),
                 area.y() + int((area.height() - frame.height()) / 2.0));
    return frame;
}

// A window has no frame until it is shown and the window manager has framed it, which
// happens after show() returns. Until then the frame is taken to be the window itself;
// once the real frame is known the window is centred again, once.
class FrameCentrer : public QObject
{
public:
    FrameCentrer(QWidget *window, QSize centredFor) : QObject(window), m_centredFor(centredFor)
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = static_cast<QWidget *>(watched);
        const QEvent::Type type = event->type();
        if ((type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize) &&
            window->isVisible()) {
            const QSize frame = window->frameGeometry().size();
            if (frame != window->size() && frame != m_centredFor) {
                centreFrame(window);
                deleteLater();
            }
        }
        return false;
    }

private:
    QSize m_centredFor;
};

} // namespace

void centreOnScreen(QWidget *window)
{
    const QSize used = centreFrame(window);
    if (used == window->size())
        new FrameCentrer(window, used);
}

} // namespace enalotto
