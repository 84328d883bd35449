#include "archive_window/ticketpanel.h"

#include "archive/newdraw.h"
#include "archive/ticketcheck.h"
#include "archive_window/fields.h"

#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QVBoxLayout>

namespace enalotto {
namespace {

// The ticket the fields hold, or why not.
std::optional<Ticket> readTicket(const QString &numbers, const QString &superStar,
                                 const QString &from, const QString &to, QString &problem)
{
    Ticket ticket;
    static const QRegularExpression separators(QStringLiteral("[\\s,;]+"));
    for (const QString &word : numbers.split(separators, Qt::SkipEmptyParts)) {
        const std::optional<int> n = parseUserNumber(word);
        if (!n) {
            problem = QStringLiteral("\"%1\" non è un numero").arg(word);
            return std::nullopt;
        }
        ticket.numbers.append(*n);
    }
    if (!superStar.trimmed().isEmpty()) {
        const std::optional<int> s = parseUserNumber(superStar);
        ticket.superStar = s.value_or(-1);
        if (ticket.superStar < 1 || ticket.superStar > 90) {
            problem = QStringLiteral("il SuperStar \"%1\" non è un numero tra 1 e 90")
                          .arg(superStar.trimmed());
            return std::nullopt;
        }
    }
    for (const auto &[text, date] : {std::pair{from, &ticket.from}, std::pair{to, &ticket.to}}) {
        if (text.trimmed().isEmpty())
            continue;
        const DateField field = readDateField(text);
        if (field.problem != DateField::Problem::None) {
            problem = dateProblemText(field, text.trimmed());
            return std::nullopt;
        }
        *date = field.date;
    }
    problem = validateTicket(ticket);
    return problem.isEmpty() ? std::optional<Ticket>(ticket) : std::nullopt;
}

} // namespace

TicketPanel::TicketPanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ticketPanel"));
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    m_numbers = makeField("ticketNumbers",
                          QStringLiteral("da 6 a 20 numeri, per esempio 3 18 27 44 61 88"));
    m_superStar = makeField("ticketSuperStar", QStringLiteral("facoltativo"));
    m_from = makeField("ticketFrom", QStringLiteral("gg/mm/aaaa, facoltativa"));
    m_to = makeField("ticketTo", QStringLiteral("gg/mm/aaaa, facoltativa"));
    form->addRow(QStringLiteral("Numeri giocati"), m_numbers);
    form->addRow(QStringLiteral("SuperStar"), m_superStar);
    form->addRow(QStringLiteral("Dal"), m_from);
    form->addRow(QStringLiteral("Al"), m_to);
    layout->addLayout(form);
    m_problem = new QLabel;
    m_problem->setObjectName(QStringLiteral("ticketProblem"));
    m_check = new QPushButton(QStringLiteral("&Controlla"));
    m_check->setObjectName(QStringLiteral("check"));
    m_summary = new QLabel;
    m_summary->setObjectName(QStringLiteral("ticketSummary"));
    m_summary->setWordWrap(true);
    m_wins = new QTableWidget(0, 2);
    m_wins->setObjectName(QStringLiteral("ticketWins"));
    m_wins->setHorizontalHeaderLabels({QStringLiteral("Data"), QStringLiteral("Vincite")});
    m_wins->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_wins->verticalHeader()->hide();
    m_wins->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(m_problem);
    layout->addWidget(m_check, 0, Qt::AlignLeft);
    layout->addWidget(m_summary);
    layout->addWidget(m_wins);
    for (QLineEdit *field : {m_numbers, m_superStar, m_from, m_to})
        connect(field, &QLineEdit::textChanged, this, &TicketPanel::checkInput);
    connect(m_check, &QPushButton::clicked, this, &TicketPanel::check);
    checkInput();
}

void TicketPanel::setArchive(const QByteArray &archive)
{
    m_archive = archive;
    if (!m_summary->text().isEmpty())
        check();
}

void TicketPanel::checkInput()
{
    QString problem;
    const bool valid =
        readTicket(m_numbers->text(), m_superStar->text(), m_from->text(), m_to->text(), problem)
            .has_value();
    m_problem->setText(valid ? QString() : problem);
    m_check->setEnabled(valid);
}

void TicketPanel::check()
{
    QString problem;
    const std::optional<Ticket> ticket =
        readTicket(m_numbers->text(), m_superStar->text(), m_from->text(), m_to->text(), problem);
    if (!ticket)
        return;
    const TicketResult result = checkTicket(m_archive, *ticket);
    const bool system = ticket->numbers.size() > 6;
    const bool stars = ticket->superStar != 0;
    m_wins->setRowCount(int(result.wins.size()));
    for (int row = 0; row < m_wins->rowCount(); ++row) {
        const DrawWin &win = result.wins[row];
        m_wins->setItem(row, 0, new QTableWidgetItem(dayText(win.date)));
        m_wins->setItem(row, 1, new QTableWidgetItem(winText(win, system, stars)));
    }
    QString summary = QStringLiteral("Estrazioni controllate: %1. Vincite per categoria: %2.")
                          .arg(result.drawsChecked)
                          .arg(countsText(result.totals, stars, false));
    if (result.superStarIgnored) {
        summary += QStringLiteral(" Il SuperStar si estrae dal %1: prima conta solo la colonna.")
                       .arg(dayText(SuperStarStart));
    }
    m_summary->setText(summary);
}

} // namespace enalotto
