#pragma once

#include <QByteArray>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace enalotto {

// "Controlla una schedina": a played column or system of 6 to 20 numbers, an optional
// SuperStar and date range, checked against the archive by the rule of `controlla`.
class TicketPanel : public QWidget
{
    Q_OBJECT

public:
    explicit TicketPanel(QWidget *parent = nullptr);
    // The archive's bytes as they are now; a shown result is checked again.
    void setArchive(const QByteArray &archive);

private:
    void checkInput(); // each keystroke: what is wrong, next to the field
    void check();      // "Controlla"

    QByteArray m_archive;
    QLineEdit *m_numbers = nullptr; // the numbers played, separated by blanks or commas
    QLineEdit *m_superStar = nullptr;
    QLineEdit *m_from = nullptr;
    QLineEdit *m_to = nullptr;
    QLabel *m_problem = nullptr;
    QPushButton *m_check = nullptr;
    QLabel *m_summary = nullptr;    // the count per category
    QTableWidget *m_wins = nullptr; // the winning draws, newest first
};

} // namespace enalotto
