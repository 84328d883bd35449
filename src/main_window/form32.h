#pragma once

#include "archive/displayeddraw.h"

#include <QPointer>
#include <QWidget>
#include <array>

class Command3D;
class Frame3D;
class QLabel;
class ScrollBar;
class QTimer;

// The main window: the draw browser and the hub that opens every other window. One record
// of the archive "se" per scroll position, newest at the bottom.
class Form32 : public QWidget
{
    Q_OBJECT

public:
    explicit Form32(QWidget *parent = nullptr);

    // The window's start-up: centre, caption, archive scan, newest draw. Returns false
    // after telling the user why the archive cannot be browsed.
    bool load();

    // The main window the program opened at start; the notice and analysis windows read the
    // draw from it and never from a further main window. Null once it has closed.
    [[nodiscard]] static Form32 *startupWindow();
    static void setStartupWindow(Form32 *window);
    [[nodiscard]] static bool startupWindowVisible();

    [[nodiscard]] DisplayedDraw displayedDraw() const;
    [[nodiscard]] QString drawDate() const;
    [[nodiscard]] QString firstNumber() const;
    [[nodiscard]] int lastYearCount() const { return m_lastYearCount; }
    void setAnalysisButtonColor(const QColor &colour);

private:
    void buildControls();
    void VScroll1_Change(int value);
    void Timer1_Tick();
    void Command3D1_Click();
    void Command3D5_Click();
    void Command3D6_Click();
    void Command3D8_Click();
    void Command3D27_Click();

    int m_lastYearCount = 0;
    int m_shownPosition = -1;
    QPointer<Form32> m_newWindow;

    Frame3D *m_frame3D1 = nullptr;
    std::array<QLabel *, 6> m_cv{};
    QLabel *m_cj = nullptr;
    QLabel *m_ss = nullptr;
    QWidget *m_picture1 = nullptr;
    QLabel *m_label31 = nullptr;
    QLabel *m_label3 = nullptr;
    ScrollBar *m_vScroll1 = nullptr;
    QTimer *m_timer1 = nullptr;
    Command3D *m_command3D3 = nullptr;
    Command3D *m_command3D9 = nullptr;
    Command3D *m_command3D12 = nullptr;
    Command3D *m_command3D26 = nullptr;
    Command3D *m_command3D27 = nullptr;
};
