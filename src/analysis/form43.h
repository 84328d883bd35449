#pragma once

#include "archive/displayeddraw.h"
#include "printout/analysisprintout.h"

#include <QWidget>
#include <memory>

class QLabel;
class QTimer;

namespace enalotto {

class Panel3D;

// "ANALISI SISTEMISTICA COLONNA VINCENTE": the ten statistics of the draw the start-up main
// window shows, followed by polling it every millisecond.
class Form43 : public QWidget
{
    Q_OBJECT

public:
    // Shows the window following `mainWindow`, loading it first when it is not open; an open
    // window keeps the main window it follows.
    static Form43 *open(std::shared_ptr<const DrawView> mainWindow);

    [[nodiscard]] AnalysisView view() const;

signals:
    // The window has closed: its openers recolour their analysis button.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    explicit Form43(std::shared_ptr<const DrawView> mainWindow);
    void Timer1_Tick();
    void Command3D2_Click();
    void Command3D3_Click();

    std::shared_ptr<const DrawView> m_mainWindow; // the start-up main window
    QLabel *m_label3 = nullptr;
    QLabel *m_label4 = nullptr;
    Panel3D *m_colonna = nullptr;
    Panel3D *m_npari = nullptr, *m_ndisp = nullptr, *m_inte = nullptr, *m_cons = nullptr,
            *m_somma = nullptr, *m_min = nullptr, *m_mas = nullptr, *m_est = nullptr,
            *m_gp = nullptr, *m_gd = nullptr;
    QTimer *m_timer1 = nullptr;
};

} // namespace enalotto
