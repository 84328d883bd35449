#include "analysis/form43.h"

#include "common/basic.h"
#include "controls/command3d.h"
#include "controls/designfont.h"
#include "controls/designwindow.h"
#include "controls/frame3d.h"
#include "controls/palettecolor.h"
#include "controls/panel3d.h"
#include "controls/twips.h"
#include "platform/clipboard.h"
#include "platform/printer.h"
#include "statistics/columnanalysis.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPointer>
#include <QStyle>
#include <QTimer>
#include <algorithm>

namespace enalotto {

namespace {

QPointer<Form43> theWindow;

const QString NoDate = noDrawDate();
const QString NoContest = noContestNumber();
const QString NoNumber = QStringLiteral("00");

// A frame with its value panel at 120, 240 inside it.
Panel3D *makeValue(QWidget *parent, const char *frameName, const QString &caption,
                   const char *panelName, int l, int t, int w, int panelWidth, const QColor &colour)
{
    Frame3D *frame = makeFrame(parent, frameName, caption, l, t, w, 735);
    auto *panel = new Panel3D(frame);
    panel->setObjectName(QLatin1String(panelName));
    panel->setBevel(Panel3D::Bevel::Inset);
    setPaletteColor(panel, QPalette::WindowText, colour);
    placeTwips(panel, 120, 240, panelWidth, 375);
    return panel;
}

// Each number text is read as BASIC's Val reads it; the clamp keeps a nonsense caption from
// overflowing the conversion to int.
int toNumber(const QString &text)
{
    return int(std::clamp(basicVal(text), -1.0e6, 1.0e6));
}

} // namespace

Form43 *Form43::open(std::shared_ptr<const DrawView> mainWindow)
{
    if (!theWindow) {
        theWindow = new Form43(std::move(mainWindow));
        centreOnScreen(theWindow);
    }
    showAndRaise(theWindow);
    return theWindow;
}

Form43::Form43(std::shared_ptr<const DrawView> mainWindow) : m_mainWindow(std::move(mainWindow))
{
    Panel3D *p = setUpDesignWindow(
        this, "Form43", QStringLiteral("ANALISI SISTEMISTICA COLONNA VINCENTE"), 5880, 4680);

    const FollowedDrawLabels followed = makeFollowedDrawLabels(p, 120);
    m_label3 = followed.date;
    m_label4 = followed.contest;
    auto *command3D9 = makeButton(p, "Command3D9", QStringLiteral("^"), 5520, 120, 255, 255);
    command3D9->setFont(arialFont(9, true));

    m_colonna = makeValue(p, "Frame3D1", QStringLiteral("COLONNA VINCENTE"), "COLONNA", 120, 600,
                          3735, 3255, Qt::blue);
    m_somma = makeValue(p, "Frame3D6", QStringLiteral("SOMMA GLOBALE"), "SOMMA", 3960, 600, 1815,
                        1575, Qt::red);
    m_npari = makeValue(p, "Frame3D2", QStringLiteral("NUM. PARI"), "NPARI", 120, 1440, 1815, 1455,
                        Qt::red);
    m_ndisp = makeValue(p, "Frame3D3", QStringLiteral("NUM. DISPARI"), "NDISP", 2040, 1440, 1815,
                        1455, Qt::red);
    m_inte = makeValue(p, "Frame3D4", QStringLiteral("INTERRUZIONI"), "INTE", 3960, 1440, 1815,
                       1455, Qt::red);
    m_gp = makeValue(p, "Frame3D10", QStringLiteral("GRUPPI PARI"), "GP", 120, 2280, 1815, 1575,
                     Qt::red);
    m_gd = makeValue(p, "Frame3D11", QStringLiteral("GRUPPI DISPARI"), "GD", 2040, 2280, 1815, 1575,
                     Qt::red);
    m_cons = makeValue(p, "Frame3D5", QStringLiteral("CONSECUTIVITA'"), "CONS", 3960, 2280, 1815,
                       1575, Qt::red);
    m_min =
        makeValue(p, "CGFG", QStringLiteral("INT. MINIMO"), "MIN", 120, 3120, 1815, 1575, Qt::red);
    m_mas = makeValue(p, "Frame3D8", QStringLiteral("INT. MASSIMO"), "MAS", 2040, 3120, 1815, 1575,
                      Qt::red);
    m_est = makeValue(p, "Frame3D9", QStringLiteral("INT. ESTERNO"), "EST", 3960, 3120, 1815, 1575,
                      Qt::red);

    auto *command3D3 = makeButton(p, "Command3D3", QStringLiteral("&COPIA"), 2400, 3960, 735, 615);
    command3D3->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
    command3D3->setIconSize(QSize(16, 16));
    auto *command3D2 =
        makeButton(p, "Command3D2", QStringLiteral("&STAMPA"), 3240, 3960, 2535, 615);
    command3D2->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    command3D2->setIconSize(QSize(16, 16));

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(1);
    connect(m_timer1, &QTimer::timeout, this, &Form43::Timer1_Tick);
    connect(command3D2, &QPushButton::clicked, this, &Form43::Command3D2_Click);
    connect(command3D3, &QPushButton::clicked, this, &Form43::Command3D3_Click);
    m_timer1->start();
}

void Form43::Timer1_Tick()
{
    if (!m_mainWindow->isShowing()) {
        // Blanking an already blank display changes nothing, so skip the eleven captions.
        if (m_label3->text() == NoDate && m_colonna->text().isEmpty())
            return;
        m_label3->setText(NoDate);
        m_label4->setText(NoContest);
        for (Panel3D *panel : {m_colonna, m_npari, m_ndisp, m_inte, m_cons, m_somma, m_est, m_min,
                               m_mas, m_gp, m_gd})
            panel->setText(QString());
        return;
    }
    // The one comparison of a quiet tick: has the main window moved to another date?
    if (m_label3->text() == m_mainWindow->drawDate())
        return;
    if (m_mainWindow->firstNumber() == NoNumber)
        return;

    const DisplayedDraw draw = m_mainWindow->displayedDraw();
    m_label4->setText(draw.contest);
    m_label3->setText(draw.date);
    m_colonna->setText(colonnaCaption(draw.numbers, draw.jolly));
    Column column{};
    for (size_t k = 0; k < 6; ++k)
        column[k] = toNumber(draw.numbers[k]);
    const ColumnAnalysis r = analyseColumn(column);
    m_npari->setText(QString::number(r.NPARI));
    m_ndisp->setText(QString::number(r.NDISP));
    m_inte->setText(QString::number(r.INTE));
    m_cons->setText(QString::number(r.CONS));
    m_somma->setText(QString::number(r.SOMMA));
    m_min->setText(QString::number(r.MIN));
    m_mas->setText(QString::number(r.MAS));
    m_est->setText(QString::number(r.EST));
    m_gp->setText(QString::number(r.GP));
    m_gd->setText(QString::number(r.GD));
}

AnalysisView Form43::view() const
{
    AnalysisView v;
    // The printout and copy take the draw from the main window at the click, as it shows it.
    const DisplayedDraw draw = m_mainWindow->displayedDraw();
    v.date = draw.date;
    v.numbers = draw.numbers;
    v.jolly = draw.jolly;
    v.colonna = m_colonna->text();
    v.somma = m_somma->text();
    v.npari = m_npari->text();
    v.ndisp = m_ndisp->text();
    v.inte = m_inte->text();
    v.gp = m_gp->text();
    v.gd = m_gd->text();
    v.cons = m_cons->text();
    v.min = m_min->text();
    v.mas = m_mas->text();
    v.est = m_est->text();
    return v;
}

void Form43::Command3D2_Click()
{
    printOrAbandon(analysisPrintout(view()));
}

void Form43::Command3D3_Click()
{
    putOnClipboard(analysisCopyLine(view()));
}

void Form43::closeEvent(QCloseEvent *event)
{
    m_timer1->stop();
    emit closed();
    event->accept();
}

} // namespace enalotto
