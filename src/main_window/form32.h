#pragma once

#include "archive/displayeddraw.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>

class QLabel;
class QTimer;

namespace enalotto {

class Command3D;
class Frame3D;
class ScrollBar;

class StartupView;

// The main window: the draw browser and the hub that opens every other window. One record
// of the archive "se" per scroll position, newest at the bottom.
class Form32 : public QWidget
{
    Q_OBJECT

public:
    // The start-up main window: the notice and analysis windows it opens follow it.
    explicit Form32(QWidget *parent = nullptr);
    ~Form32() override;

    // The window's start-up: centre, caption, archive scan, newest draw. Returns false
    // after telling the user why the archive cannot be browsed.
    bool load();

    [[nodiscard]] DisplayedDraw displayedDraw() const;
    [[nodiscard]] int lastYearCount() const { return m_lastYearCount; }

private:
    // A further main window (opened by Command3D8): the windows it opens follow `startup`.
    explicit Form32(std::shared_ptr<StartupView> startup);
    friend class StartupView;

    void buildControls();
    void VScroll1_Change(int value); // a step of the scroll bar: shows that record
    void Timer1_Tick();              // 5 s after "?": hides the information panel
    void Command3D1_Click();         // "&STAMPA": prints the combination
    void Command3D5_Click();         // "&COPIA": copies the combination to the clipboard
    void Command3D6_Click();         // "?": shows the information panel for 5 s
    void Command3D8_Click();         // '"': opens a further main window
    void Command3D27_Click();        // "&ANALISI SIST.": opens the analysis window
    void analysisClosed();           // the analysis window closed: button back to black

    std::shared_ptr<StartupView> m_startup; // the start-up main window, as others read it
    int m_lastYearCount = 0;                // draws of the newest year, from the scan
    int m_shownPosition = -1;               // the record shown, -1 before the first
    QPointer<Form32> m_newWindow;           // the further main window, once opened

    Frame3D *m_frame3D1 = nullptr;      // the draw's date, as stored
    std::array<QLabel *, 6> m_cv{};     // CV0 ... CV5: the six numbers, ascending
    QLabel *m_cj = nullptr;             // CJ: the Jolly
    QLabel *m_ss = nullptr;             // ss: the SuperStar
    QWidget *m_picture1 = nullptr;      // the yellow information panel of "?"
    QLabel *m_label31 = nullptr;        // on the panel: the record number, 1-based
    QLabel *m_label3 = nullptr;         // on the panel: the contest number of the year, or "__"
    ScrollBar *m_vScroll1 = nullptr;    // steps through the records, newest at the bottom
    QTimer *m_timer1 = nullptr;         // hides the information panel
    Command3D *m_command3D3 = nullptr;  // "&MENU' PRINCIPALE", "ESCI" once loaded: closes
    Command3D *m_command3D9 = nullptr;  // "^": hidden, no action
    Command3D *m_command3D12 = nullptr; // "&AUTORE": opens the About window
    Command3D *m_command3D26 = nullptr; // "C&OLONNA VINCENTE": opens the notice window
    Command3D *m_command3D27 = nullptr; // "&ANALISI SIST.": hidden; yellow while it is open
};

} // namespace enalotto
