// The command controlla: whether a played column or system won, and how often.
#include "archive/archiveupdate.h"
#include "archive/newdraw.h"
#include "archive/ticketcheck.h"
#include "archivio/commands.h"

#include <QTextStream>

namespace enalotto {
namespace {

// A date option's value, or nothing after saying why it is not a date.
std::optional<QDate> optionDate(const QString &option, const QString &text, QTextStream &err)
{
    if (text.isEmpty())
        return QDate();
    const DateField field = readDateField(text);
    if (field.problem == DateField::Problem::None)
        return field.date;
    err << "Controllo rifiutato: " << option << ": " << dateProblemText(field, text) << ".\n";
    return std::nullopt;
}

} // namespace

int checkTicketCommand(const Arguments &args, QTextStream &out, QTextStream &err)
{
    Ticket ticket;
    for (qsizetype k = 0; k < args.positional.size(); ++k) {
        const std::optional<int> n = parseUserNumber(args.positional[k]);
        if (!n) {
            err << "Controllo rifiutato: il " << k + 1 << "o numero \"" << args.positional[k]
                << "\" non è un numero.\n";
            return Refused;
        }
        ticket.numbers.append(*n);
    }
    if (!args.superStar.isEmpty()) {
        const std::optional<int> s = parseUserNumber(args.superStar);
        if (!s || *s == 0) {
            err << "Controllo rifiutato: il SuperStar \"" << args.superStar
                << "\" non è un numero tra 1 e 90.\n";
            return Refused;
        }
        ticket.superStar = *s;
    }
    const std::optional<QDate> from = optionDate(QStringLiteral("--dal"), args.from, err);
    const std::optional<QDate> to = optionDate(QStringLiteral("--al"), args.to, err);
    if (!from || !to)
        return Refused;
    ticket.from = *from;
    ticket.to = *to;
    if (const QString problem = validateTicket(ticket); !problem.isEmpty()) {
        err << "Controllo rifiutato: " << problem << ".\n";
        return Refused;
    }
    QByteArray bytes;
    if (readArchive(archiveFileName(), bytes) != ReadResult::Ok) {
        err << cannotRead(archiveFileName());
        return FileFault;
    }
    const TicketResult result = checkTicket(bytes, ticket);
    const bool system = ticket.numbers.size() > 6;
    QStringList numbers;
    for (const int v : ticket.numbers)
        numbers << QString::number(v).rightJustified(2, u'0');
    if (system) {
        out << "Sistema di " << ticket.numbers.size() << " numeri ("
            << columnByColumnCount(int(ticket.numbers.size())) << " colonne): ";
    } else {
        out << "Colonna: ";
    }
    out << numbers.join(u' ');
    if (ticket.superStar != 0)
        out << ", SuperStar " << ticket.superStar;
    out << "; estrazioni controllate: " << result.drawsChecked << ".\n";
    if (result.superStarIgnored) {
        out << "Il SuperStar si estrae dal " << dayText(SuperStarStart)
            << ": per le estrazioni precedenti conta solo la colonna.\n";
    }
    const bool stars = ticket.superStar != 0;
    for (const DrawWin &win : result.wins) {
        out << dayText(win.date) << "  " << winText(win, system, stars) << '\n';
    }
    if (result.wins.isEmpty())
        out << "Nessuna vincita.\n";
    out << "Vincite per categoria: " << countsText(result.totals, stars, false) << ".\n";
    return Done;
}

} // namespace enalotto
