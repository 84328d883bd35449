#pragma once

#include <QString>
#include <Qt>

class QLabel;
class QWidget;

namespace enalotto {

class Command3D;
class Frame3D;
class Panel3D;

// What every window of the design shares: its object name, caption, the default font
// (MS Sans Serif 8.25 bold), the light grey palette, a fixed client area in twips, deletion
// on close, and the 3D panel "Panel3D1" that covers it and holds every control.
Panel3D *setUpDesignWindow(QWidget *window, const char *objectName, const QString &caption,
                           int widthTwips, int heightTwips);

// Shows a window and brings it to the front (a window already open is not loaded again).
void showAndRaise(QWidget *window);

// A label placed in twips; long captions wrap.
QLabel *makeLabel(QWidget *parent, const char *objectName, const QString &caption, int left,
                  int top, int width, int height,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);

// A 3D frame with its caption, placed in twips.
Frame3D *makeFrame(QWidget *parent, const char *objectName, const QString &caption, int left,
                   int top, int width, int height);

// The captions of the draw the notice and analysis windows follow: "ESTRAZIONE DEL :" with the
// date in Label3 (red) at `top`, and "CONCORSO NUMERO :" with the contest number in Label4
// (blue) a line below.
struct FollowedDrawLabels
{
    QLabel *date;
    QLabel *contest;
};
FollowedDrawLabels makeFollowedDrawLabels(QWidget *parent, int top);

// A 3D command button placed in twips.
Command3D *makeButton(QWidget *parent, const char *objectName, const QString &caption, int left,
                      int top, int width, int height);

} // namespace enalotto
