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
    void load();             // the design values and the header kept in "13"
    void Timer1_Tick();      // every 500 ms: box colours, the followed draw, "STAMPA" state
    void Command3D1_Click(); // "STAMPA": stores the header in "13", prints the notice
    // Writes a number box again in its pattern once the focus has left it.
    void reformat(TextBox *textBox);
    [[nodiscard]] TextBox *box(int number) const; // TextN by its design number

    std::shared_ptr<const DrawView> m_mainWindow; // the start-up main window
    // Text1-Text3 the shop's header, Text4 the prize pool, then the winners and amounts of the
    // six categories and Text21 the jackpot; by design number (1 ... 19, 21 ... 28).
    QHash<int, TextBox *> m_boxes;
    QLabel *m_label3 = nullptr;        // the followed draw's date
    QLabel *m_label4 = nullptr;        // the followed draw's contest number
    Command3D *m_command3D1 = nullptr; // "STAMPA": enabled while the main window shows
    QTimer *m_timer1 = nullptr;        // the 500 ms poll of Timer1_Tick
};

} // namespace enalotto
