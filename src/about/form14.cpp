#include "about/form14.h"

#include "controls/command3d.h"
#include "controls/designfont.h"
#include "controls/designwindow.h"
#include "controls/frame3d.h"
#include "controls/palettecolor.h"
#include "controls/panel3d.h"
#include "controls/twips.h"

#include <QLabel>
#include <QPointer>

namespace enalotto {

namespace {

QPointer<Form14> theWindow;

} // namespace

Form14 *Form14::open()
{
    if (!theWindow) {
        theWindow = new Form14;
        centreOnScreen(theWindow);
    }
    showAndRaise(theWindow);
    return theWindow;
}

Form14::Form14()
{
    Panel3D *background = setUpDesignWindow(this, "Form14", QStringLiteral("AUTORE"), 6600, 4320);

    auto *title = new Panel3D(background);
    title->setObjectName(QStringLiteral("Panel3D2"));
    title->setFont(sansSerifFont(13.5, true));
    setPaletteColor(title, QPalette::WindowText, Qt::blue);
    title->setText(QStringLiteral("SUPER ENALOTTO PER VELTRAMO"));
    placeTwips(title, 120, 120, 6360, 615);

    auto *version = new Panel3D(background);
    version->setObjectName(QStringLiteral("Panel3D3"));
    setPaletteColor(version, QPalette::WindowText, Qt::red);
    version->setText(QStringLiteral("versione %1.%2.%3")
                         .arg(ENALOTTO_VERSION_MAJOR)
                         .arg(ENALOTTO_VERSION_MINOR)
                         .arg(ENALOTTO_VERSION_PATCH));
    placeTwips(version, 120, 780, 6360, 375);

    Frame3D *promo =
        makeFrame(background, "Frame3D1", QStringLiteral("IL PROGRAMMA"), 120, 1200, 6360, 1335);
    makeLabel(promo, "Label1",
              QStringLiteral("Sfoglia tutte le estrazioni del SUPER ENALOTTO dell'archivio, "
                             "stampa e copia la combinazione vincente, prepara per la ricevitoria "
                             "l'avviso con il montepremi e le quote di ogni categoria, e analizza "
                             "la colonna vincente con dieci statistiche."),
              120, 300, 6120, 975, Qt::AlignLeft | Qt::AlignTop);

    Frame3D *contact =
        makeFrame(background, "Frame3D2", QStringLiteral("CONTATTI"), 120, 2580, 6360, 855);
    makeLabel(contact, "Label2",
              QStringLiteral("Per assistenza e aggiornamenti rivolgersi al proprio rivenditore "
                             "del programma."),
              120, 300, 6120, 495, Qt::AlignLeft | Qt::AlignTop);

    auto *back = makeButton(background, "Command3D1", QStringLiteral("&MENU' PRINCIPALE"), 3720,
                            3540, 2760, 615);
    connect(back, &QPushButton::clicked, this, &QWidget::close);
}

} // namespace enalotto
