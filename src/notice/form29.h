#pragma once

#include "notice/noticeprintout.h"

#include <QHash>
#include <QWidget>

class Command3D;
class QLabel;
class QTimer;
class TextBox;

// "STAMPA ENALOTTO (RICEVITORIA)": the shop's header, prize pool, category quotas and
// jackpot, following the draw of the start-up main window, and the notice printout.
class Form29 : public QWidget
{
    Q_OBJECT

public:
    // Shows the window; when it is already open it is only brought to the front.
    static Form29 *open();

    [[nodiscard]] NoticeInput noticeInput() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Form29();
    void load();
    void Timer1_Tick();
    void Command3D1_Click();
    // Writes a number box again in its pattern once the focus has left it.
    void reformat(TextBox *textBox);
    [[nodiscard]] TextBox *box(int number) const;

    QHash<int, TextBox *> m_boxes; // by design number: 1 ... 19, 21 ... 28
    QLabel *m_label3 = nullptr;
    QLabel *m_label4 = nullptr;
    Command3D *m_command3D1 = nullptr;
    QTimer *m_timer1 = nullptr;
};
