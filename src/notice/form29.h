#pragma once

#include "archive/displayeddraw.h"
#include "printout/noticeprintout.h"

#include <QHash>
#include <QWidget>
#include <memory>

class QLabel;
class QTimer;

namespace enalotto {

class Command3D;
class TextBox;

// "STAMPA ENALOTTO (RICEVITORIA)": the shop's header, prize pool, category quotas and
// jackpot, following the draw of the start-up main window, and the notice printout.
class Form29 : public QWidget
{
    Q_OBJECT

public:
    // Shows the window following `mainWindow`; when it is already open it is only brought to
    // the front and keeps the main window it follows.
    static Form29 *open(std::shared_ptr<const DrawView> mainWindow);

    [[nodiscard]] NoticeInput noticeInput() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit Form29(std::shared_ptr<const DrawView> mainWindow);
    void load();
    void Timer1_Tick();
    void Command3D1_Click();
    // Writes a number box again in its pattern once the focus has left it.
    void reformat(TextBox *textBox);
    [[nodiscard]] TextBox *box(int number) const;

    std::shared_ptr<const DrawView> m_mainWindow; // the start-up main window
    QHash<int, TextBox *> m_boxes;                // by design number: 1 ... 19, 21 ... 28
    QLabel *m_label3 = nullptr;
    QLabel *m_label4 = nullptr;
    Command3D *m_command3D1 = nullptr;
    QTimer *m_timer1 = nullptr;
};

} // namespace enalotto
