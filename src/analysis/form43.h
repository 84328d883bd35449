#pragma once

#include "analysis/analysisprintout.h"

#include <QWidget>

class Panel3D;
class QLabel;
class QTimer;

// "ANALISI SISTEMISTICA COLONNA VINCENTE": the ten statistics of the draw the start-up main
// window shows, followed by polling it every millisecond.
class Form43 : public QWidget
{
    Q_OBJECT

public:
    // Shows the window, loading it first when it is not open.
    static Form43 *open();

    [[nodiscard]] AnalysisView view() const;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    Form43();
    void Timer1_Tick();
    void Command3D2_Click();
    void Command3D3_Click();

    QLabel *m_label3 = nullptr;
    QLabel *m_label4 = nullptr;
    Panel3D *m_colonna = nullptr;
    Panel3D *m_npari = nullptr, *m_ndisp = nullptr, *m_inte = nullptr, *m_cons = nullptr,
            *m_somma = nullptr, *m_min = nullptr, *m_mas = nullptr, *m_est = nullptr,
            *m_gp = nullptr, *m_gd = nullptr;
    QTimer *m_timer1 = nullptr;
};
