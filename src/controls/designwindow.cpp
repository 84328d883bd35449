#include "controls/designwindow.h"

#include "controls/command3d.h"
#include "controls/designfont.h"
#include "controls/frame3d.h"
#include "controls/palettecolor.h"
#include "controls/panel3d.h"
#include "controls/twips.h"

#include <QLabel>

namespace enalotto {

Panel3D *setUpDesignWindow(QWidget *window, const char *objectName, const QString &caption,
                           int widthTwips, int heightTwips)
{
    window->setObjectName(QLatin1String(objectName));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(caption);
    window->setFont(sansSerifFont());
    QPalette pal = window->palette();
    pal.setColor(QPalette::Window, paletteColor(PaletteLightGrey));
    pal.setColor(QPalette::Button, paletteColor(PaletteLightGrey));
    pal.setColor(QPalette::WindowText, Qt::black);
    pal.setColor(QPalette::ButtonText, Qt::black);
    pal.setColor(QPalette::Text, Qt::black);
    window->setPalette(pal);
    window->setFixedSize(twipsToPixelsX(widthTwips), twipsToPixelsY(heightTwips));

    auto *background = new Panel3D(window);
    background->setObjectName(QStringLiteral("Panel3D1"));
    placeTwips(background, 0, 0, widthTwips, heightTwips);
    return background;
}

void showAndRaise(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

QLabel *makeLabel(QWidget *parent, const char *objectName, const QString &caption, int left,
                  int top, int width, int height, Qt::Alignment alignment)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(objectName));
    label->setAlignment(alignment);
    label->setWordWrap(true);
    placeTwips(label, left, top, width, height);
    return label;
}

Frame3D *makeFrame(QWidget *parent, const char *objectName, const QString &caption, int left,
                   int top, int width, int height)
{
    auto *frame = new Frame3D(parent);
    frame->setObjectName(QLatin1String(objectName));
    frame->setText(caption);
    placeTwips(frame, left, top, width, height);
    return frame;
}

FollowedDrawLabels makeFollowedDrawLabels(QWidget *parent, int top)
{
    makeLabel(parent, "Label2", QStringLiteral("ESTRAZIONE DEL :"), 240, top, 1815, 255);
    QLabel *date = makeLabel(parent, "Label3", QString(), 2040, top, 1095, 255);
    setPaletteColor(date, QPalette::WindowText, Qt::red);
    makeLabel(parent, "Label1", QStringLiteral("CONCORSO NUMERO :"), 240, top + 240, 2055, 255);
    QLabel *contest = makeLabel(parent, "Label4", QString(), 2400, top + 240, 375, 255);
    setPaletteColor(contest, QPalette::WindowText, Qt::blue);
    return {date, contest};
}

Command3D *makeButton(QWidget *parent, const char *objectName, const QString &caption, int left,
                      int top, int width, int height)
{
    auto *button = new Command3D(caption, parent);
    button->setObjectName(QLatin1String(objectName));
    placeTwips(button, left, top, width, height);
    return button;
}

} // namespace enalotto
