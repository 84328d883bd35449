#include "archivio/archivetool.h"

#include "archive/archivecheck.h"
#include "archive/archiveupdate.h"
#include "archive/drawcsv.h"
#include "archive/numberstats.h"
#include "archivio/commands.h"
#include "common/atomicfile.h"

#include <QFile>
#include <QTextStream>

namespace enalotto {
namespace {

const QString Usage = QStringLiteral(
    "Uso: superenalotto-archivio COMANDO [ARGOMENTI]\n"
    "\n"
    "Tiene aggiornato l'archivio delle estrazioni \"se\" della cartella corrente.\n"
    "\n"
    "Comandi:\n"
    "  verifica [FILE]       controlla ogni record dell'archivio (predefinito: se)\n"
    "  aggiungi DATA N1 N2 N3 N4 N5 N6 JOLLY SUPERSTAR [--crea]\n"
    "                        aggiunge un'estrazione dopo l'ultima; DATA come gg/mm/aaaa,\n"
    "                        gg-mm-aaaa, gg.mm.aaaa o aaaa-mm-gg\n"
    "  importa FILE [--crea] aggiunge le estrazioni nuove di un file scaricato: testo con\n"
    "                        separatore ; , o tabulazione, con o senza intestazione, o JSON\n"
    "  annulla               rimette l'archivio com'era prima dell'ultima modifica\n"
    "  esporta [FILE.csv]    scrive l'archivio come CSV (senza FILE sull'uscita standard);\n"
    "                        non scrive mai sopra un archivio\n"
    "  statistiche [--ultimi N]\n"
    "                        frequenze e ritardi dei numeri, del Jolly e del SuperStar\n"
    "  controlla N1 ... N6 [--superstar S] [--dal DATA] [--al DATA]\n"
    "                        le estrazioni in cui la colonna ha vinto, con la categoria;\n"
    "                        da 7 a 20 numeri: un sistema, ogni sua colonna da sei\n"
    "\n"
    "--crea crea l'archivio \"se\" quando nella cartella non c'è.\n"
    "Ogni scrittura conserva l'archivio di prima in \"se.bak\" e sostituisce \"se\" per\n"
    "intero: un errore lascia l'archivio com'era.\n"
    "Stato di uscita: 0 riuscito, 1 rifiutato, importato in parte o archivio con problemi,\n"
    "2 file illeggibile o impossibile da scrivere.\n");

int verify(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const QString name = args.value(0, archiveFileName());
    QByteArray bytes;
    if (readArchive(name, bytes) != ReadResult::Ok) {
        err << cannotRead(name);
        return FileFault;
    }
    const ArchiveCheck check = checkArchive(bytes);
    const qsizetype records = bytes.size() / DrawRecord::Size;
    if (check.problems.isEmpty()) {
        out << "L'archivio \"" << name << "\" è in ordine: " << records << " estrazioni.\n";
        return Done;
    }
    out << "L'archivio \"" << name << "\" (" << records << " estrazioni) ha "
        << (check.problems.size() == 1 ? QStringLiteral("un problema")
                                       : QStringLiteral("%1 problemi").arg(check.problems.size()))
        << ":\n";
    for (const QString &p : check.problems)
        out << "  " << p << '\n';
    return Refused;
}

int exportCsv(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (!args.isEmpty() && isArchiveFile(args[0], archiveFileName())) {
        err << "\"" << args[0]
            << "\" è un archivio delle estrazioni: esporta non lo "
               "sovrascrive. Scegliere un altro nome, per esempio estrazioni.csv.\n";
        return Refused;
    }
    QByteArray bytes;
    if (readArchive(archiveFileName(), bytes) != ReadResult::Ok) {
        err << cannotRead(archiveFileName());
        return FileFault;
    }
    const CsvExport csv = archiveToCsv(bytes);
    if (!csv.error.isEmpty()) {
        err << csv.error << "; nulla è stato esportato.\n";
        return Refused;
    }
    if (args.isEmpty()) {
        out << QString::fromLatin1(csv.csv);
        return Done;
    }
    if (!replaceFile(args[0], csv.csv)) {
        err << "Impossibile scrivere \"" << args[0] << "\".\n";
        return FileFault;
    }
    out << "Esportate " << csv.draws << " estrazioni in \"" << args[0] << "\".\n";
    return Done;
}

void printStats(QTextStream &out, const QString &title, const NumberTable &stats)
{
    out << '\n' << title << '\n' << "Numero  Uscite  Ritardo  Ritardo max\n";
    for (int v = 1; v <= 90; ++v) {
        const NumberStats &s = stats[size_t(v)];
        out << QStringLiteral("%1  %2  %3  %4\n")
                   .arg(v, 6, 10, QLatin1Char(' '))
                   .arg(s.count, 6)
                   .arg(s.currentDelay, 7)
                   .arg(s.longestDelay, 11);
    }
}

int statistics(int last, QTextStream &out, QTextStream &err)
{
    QByteArray bytes;
    if (readArchive(archiveFileName(), bytes) != ReadResult::Ok) {
        err << cannotRead(archiveFileName());
        return FileFault;
    }
    QVector<ArchiveDraw> draws = parseArchive(bytes);
    if (last > 0 && last < draws.size())
        draws = draws.mid(draws.size() - last);
    if (draws.isEmpty()) {
        out << "L'archivio non contiene estrazioni.\n";
        return Done;
    }
    const ArchiveStats stats = archiveStats(draws);
    out << "Estrazioni considerate: " << draws.size() << ", dal "
        << QString::fromLatin1(draws.first().date) << " al "
        << QString::fromLatin1(draws.last().date) << ".\n"
        << "Ritardo: estrazioni dall'ultima uscita; Ritardo max: la più lunga assenza.\n";
    printStats(out, QStringLiteral("NUMERI (tra i sei estratti)"), stats.six);
    printStats(out, QStringLiteral("JOLLY"), stats.jolly);
    if (stats.superStarDraws == 0) {
        out << "\nSUPERSTAR: nessuna estrazione con il SuperStar.\n";
    } else {
        printStats(out,
                   QStringLiteral("SUPERSTAR (su %1 estrazioni, dalla prima con il SuperStar)")
                       .arg(stats.superStarDraws),
                   stats.superStar);
    }
    return Done;
}

// The option with a value of `controlla` that a word gives, as "--dal" or "--dal=DATA".
QString valueOption(const QString &command, const QString &word)
{
    if (command != u"controlla")
        return QString();
    for (const QString &option :
         {QStringLiteral("--superstar"), QStringLiteral("--dal"), QStringLiteral("--al")}) {
        if (word == option || word.startsWith(option + u'='))
            return option;
    }
    return QString();
}

// The command's words as arguments: its options out of the way. An unknown option, a
// missing or bad value, or more words than the command takes is a refusal, said in `problem`.
std::optional<Arguments> parseArguments(const QString &command, const QStringList &words,
                                        QString &problem)
{
    const bool takesCreate = command == u"aggiungi" || command == u"importa";
    const bool takesLast = command == u"statistiche";
    // aggiungi and controlla count their numbers themselves, to say how many are missing.
    qsizetype maxPositional = 0;
    if (command == u"aggiungi" || command == u"controlla")
        maxPositional = 90;
    else if (command == u"importa" || command == u"verifica" || command == u"esporta")
        maxPositional = 1;
    Arguments args;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString &w = words[i];
        if (takesCreate && w == u"--crea") {
            args.create = true;
        } else if (const auto option = valueOption(command, w); !option.isEmpty()) {
            QString value = w.mid(option.size() + 1);
            if (w == option) {
                if (++i >= words.size()) {
                    problem = option + u" vuole un valore.";
                    return std::nullopt;
                }
                value = words[i];
            }
            (option == u"--superstar" ? args.superStar
             : option == u"--dal"     ? args.from
                                      : args.to) = value;
        } else if (takesLast && (w == u"--ultimi" || w.startsWith(u"--ultimi="))) {
            QString value = w.mid(9);
            if (w == u"--ultimi")
                value = ++i < words.size() ? words[i] : QString();
            bool ok = false;
            args.last = value.toInt(&ok);
            if (!ok || args.last < 1) {
                problem =
                    u"--ultimi vuole un numero di estrazioni da 1 in su, non \"" + value + u"\".";
                return std::nullopt;
            }
        } else if (w.startsWith(u"--") ||
                   (w.startsWith(u'-') && w.size() == 2 && !w[1].isDigit())) {
            problem = u"Opzione sconosciuta per " + command + u": " + w + u'.';
            return std::nullopt;
        } else {
            args.positional << w;
        }
    }
    if (args.positional.size() > maxPositional) {
        problem = QStringLiteral("Troppi argomenti per %1: \"%2\" in più.")
                      .arg(command, args.positional.mid(maxPositional).join(u' '));
        return std::nullopt;
    }
    return args;
}

} // namespace

QString cannotRead(const QString &name)
{
    return u"Impossibile leggere l'archivio \"" + name + u"\".\n";
}

int runArchiveTool(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    const QString command = arguments.value(0);
    const QStringList words = arguments.mid(1);
    const auto isHelp = [](const QString &w) {
        return w == u"--help" || w == u"-h" || w == u"aiuto";
    };
    if (isHelp(command) || std::any_of(words.begin(), words.end(), isHelp)) {
        out << Usage;
        return Done;
    }
    static const QStringList commands = {QStringLiteral("verifica"), QStringLiteral("aggiungi"),
                                         QStringLiteral("importa"),  QStringLiteral("annulla"),
                                         QStringLiteral("esporta"),  QStringLiteral("statistiche"),
                                         QStringLiteral("controlla")};
    if (!commands.contains(command)) {
        err << (command.isEmpty() ? QString() : u"Comando sconosciuto: " + command + u"\n\n")
            << Usage;
        return Refused;
    }
    QString problem;
    const std::optional<Arguments> args = parseArguments(command, words, problem);
    if (!args) {
        err << problem << "\n\n" << Usage;
        return Refused;
    }
    if (command == u"verifica")
        return verify(args->positional, out, err);
    if (command == u"aggiungi")
        return add(*args, out, err);
    if (command == u"importa")
        return import(*args, out, err);
    if (command == u"annulla")
        return undo(out, err);
    if (command == u"esporta")
        return exportCsv(args->positional, out, err);
    if (command == u"controlla")
        return checkTicketCommand(*args, out, err);
    return statistics(args->last, out, err);
}

} // namespace enalotto
