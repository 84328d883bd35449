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
    void Timer1_Tick();      // every 1 ms: follows the main window's draw, blanks when hidden
    void Command3D2_Click(); // "&STAMPA": prints the ten statistics
    void Command3D3_Click(); // "&COPIA": copies them to the clipboard

    std::shared_ptr<const DrawView> m_mainWindow; // the start-up main window
    QLabel *m_label3 = nullptr;                   // the followed draw's date
    QLabel *m_label4 = nullptr;                   // the followed draw's contest number
    Panel3D *m_colonna = nullptr;                 // COLONNA: the six numbers and the Jolly
    Panel3D *m_npari = nullptr;                   // NPARI: even numbers
    Panel3D *m_ndisp = nullptr;                   // NDISP: odd numbers
    Panel3D *m_inte = nullptr;                    // INTE: parity changes between neighbours
    Panel3D *m_cons = nullptr;                    // CONS: consecutive neighbours
    Panel3D *m_somma = nullptr;                   // SOMMA: the sum of the six
    Panel3D *m_min = nullptr;                     // MIN: the smallest interval
    Panel3D *m_mas = nullptr;                     // MAS: the largest interval
    Panel3D *m_est = nullptr;                     // EST: numbers outside the span
    Panel3D *m_gp = nullptr;                      // GP: parity runs of even length
    Panel3D *m_gd = nullptr;                      // GD: parity runs of odd length
    QTimer *m_timer1 = nullptr;                   // the 1 ms poll of Timer1_Tick
};

} // namespace enalotto
