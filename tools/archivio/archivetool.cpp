#include "archivio/archivetool.h"

#include "archive/archivecheck.h"
#include "archive/archiveupdate.h"
#include "archive/drawcsv.h"
#include "archive/numberstats.h"
#include "common/atomicfile.h"

#include <QFile>
#include <QTextStream>

namespace enalotto {
namespace {

const QString ArchiveName = QString::fromLatin1(ArchiveFileName);

const QString Usage = QStringLiteral(
    "Uso: superenalotto-archivio COMANDO [ARGOMENTI]\n"
    "\n"
    "Tiene aggiornato l'archivio delle estrazioni \"se\" della cartella corrente.\n"
    "\n"
    "Comandi:\n"
    "  verifica [FILE]       controlla ogni record dell'archivio (predefinito: se)\n"
    "  aggiungi DATA N1 N2 N3 N4 N5 N6 JOLLY SUPERSTAR\n"
    "                        aggiunge un'estrazione dopo l'ultima; DATA come gg/mm/aaaa\n"
    "  importa FILE.csv      aggiunge le estrazioni di un CSV più recenti dell'ultima\n"
    "  esporta [FILE.csv]    scrive l'archivio come CSV (senza FILE sull'uscita standard)\n"
    "  statistiche [--ultimi N]\n"
    "                        frequenze e ritardi dei numeri, del Jolly e del SuperStar\n"
    "\n"
    "Ogni scrittura sostituisce \"se\" per intero: un errore lascia l'archivio com'era.\n"
    "Stato di uscita: 0 riuscito, 1 rifiutato o archivio con problemi, 2 file illeggibile.\n");

// Exit statuses.
constexpr int Done = 0;
constexpr int Refused = 1;
constexpr int FileFault = 2;

QString cannotRead(const QString &name)
{
    return u"Impossibile leggere l'archivio \"" + name + u"\".\n";
}

QString dayText(const QDate &date)
{
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

int verify(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const QString name = args.value(0, ArchiveName);
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

// The archive a command appends to, or nothing after saying why it cannot be extended.
std::optional<Extendable> extendableArchive(QTextStream &err, int &status)
{
    Extendable archive = archiveToExtend(ArchiveName);
    switch (archive.status) {
    case Extendable::Status::Ok:
        return archive;
    case Extendable::Status::Unreadable:
        err << cannotRead(ArchiveName);
        status = FileFault;
        break;
    case Extendable::Status::Structural:
        err << "L'archivio \"se\" ha problemi di struttura; nulla è stato aggiunto.\n"
            << "Esegui \"superenalotto-archivio verifica\" per i dettagli.\n";
        status = Refused;
        break;
    case Extendable::Status::UnreadableNewest:
        err << "La data dell'ultima estrazione (\"" << QString::fromLatin1(archive.newestDate)
            << "\") non è leggibile; nulla è stato aggiunto.\n";
        status = Refused;
        break;
    }
    return std::nullopt;
}

int appendDraws(const QByteArray &bytes, const QVector<NewDraw> &draws, QTextStream &err)
{
    const std::optional<QByteArray> result = appendedArchive(bytes, draws);
    if (!result) {
        err << "L'archivio avrebbe più di " << MaxArchiveRecords
            << " estrazioni, troppe per il programma; nulla è stato aggiunto.\n";
        return Refused;
    }
    if (!replaceFile(ArchiveName, *result)) {
        err << "Impossibile scrivere l'archivio \"se\"; è rimasto com'era.\n";
        return FileFault;
    }
    return Done;
}

int add(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.size() != 9) {
        err << "Uso: superenalotto-archivio aggiungi DATA N1 N2 N3 N4 N5 N6 JOLLY SUPERSTAR\n";
        return Refused;
    }
    NewDraw draw;
    const std::optional<QDate> date = parseUserDate(args[0]);
    if (!date || args[0].contains(u'-')) {
        err << "La data \"" << args[0] << "\" non è nel formato gg/mm/aaaa.\n";
        return Refused;
    }
    draw.date = *date;
    for (int k = 0; k < 8; ++k) {
        const std::optional<int> n = parseUserNumber(args[k + 1]);
        if (!n) {
            err << "\"" << args[k + 1] << "\" non è un numero.\n";
            return Refused;
        }
        if (k < 6)
            draw.numbers[size_t(k)] = *n;
        else if (k == 6)
            draw.jolly = *n;
        else
            draw.superStar = *n;
    }
    if (const QString problem = validateDraw(draw); !problem.isEmpty()) {
        err << "Estrazione rifiutata: " << problem << ".\n";
        return Refused;
    }
    int status = Done;
    const std::optional<Extendable> archive = extendableArchive(err, status);
    if (!archive)
        return status;
    if (archive->newest.isValid() && draw.date <= archive->newest) {
        err << "Estrazione rifiutata: il " << dayText(draw.date)
            << " non è dopo l'ultima estrazione dell'archivio, del " << dayText(archive->newest)
            << ".\n";
        return Refused;
    }
    status = appendDraws(archive->bytes, {draw}, err);
    if (status == Done)
        out << "Aggiunta l'estrazione del " << dayText(draw.date) << ".\n";
    return status;
}

int import(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.size() != 1) {
        err << "Uso: superenalotto-archivio importa FILE.csv\n";
        return Refused;
    }
    QFile csvFile(args[0]);
    if (!csvFile.open(QIODevice::ReadOnly)) {
        err << "Impossibile leggere \"" << args[0] << "\".\n";
        return FileFault;
    }
    const CsvRows csv = parseDrawCsv(csvFile.readAll());
    if (!csv.error.isEmpty()) {
        err << args[0] << ", " << csv.error << "; nulla è stato aggiunto.\n";
        return Refused;
    }
    int status = Done;
    const std::optional<Extendable> archive = extendableArchive(err, status);
    if (!archive)
        return status;

    const ImportPlan plan = planImport(*archive, csv);
    switch (plan.conflict) {
    case ImportPlan::Conflict::None:
        break;
    case ImportPlan::Conflict::DiffersFromArchive:
        err << args[0] << ", riga " << plan.line << ": l'estrazione del " << dayText(plan.date)
            << " è diversa da quella dell'archivio; nulla è stato aggiunto.\n";
        return Refused;
    case ImportPlan::Conflict::DiffersInFile:
        err << args[0] << ", riga " << plan.line << ": il " << dayText(plan.date)
            << " compare anche alla riga " << plan.otherLine
            << " con altri numeri; nulla è stato aggiunto.\n";
        return Refused;
    }
    if (!plan.draws.isEmpty()) {
        status = appendDraws(archive->bytes, plan.draws, err);
        if (status != Done)
            return status;
    }
    out << "Aggiunte " << plan.draws.size() << " estrazioni";
    if (plan.known > 0)
        out << " (" << plan.known << " già presenti";
    if (plan.older > 0) {
        out << (plan.known > 0 ? ", " : " (") << plan.older
            << " precedenti all'ultima e assenti, ignorate";
    }
    if (plan.known > 0 || plan.older > 0)
        out << ")";
    out << ".\n";
    return Done;
}

int exportCsv(const QStringList &args, QTextStream &out, QTextStream &err)
{
    QByteArray bytes;
    if (readArchive(ArchiveName, bytes) != ReadResult::Ok) {
        err << cannotRead(ArchiveName);
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

int statistics(const QStringList &args, QTextStream &out, QTextStream &err)
{
    int last = -1;
    if (!args.isEmpty()) {
        bool ok = false;
        last = args.value(1).toInt(&ok);
        if (args.size() != 2 || args[0] != u"--ultimi" || !ok || last < 1) {
            err << "Uso: superenalotto-archivio statistiche [--ultimi N]\n";
            return Refused;
        }
    }
    QByteArray bytes;
    if (readArchive(ArchiveName, bytes) != ReadResult::Ok) {
        err << cannotRead(ArchiveName);
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

} // namespace

int runArchiveTool(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    const QString command = arguments.value(0);
    const QStringList args = arguments.mid(1);
    if (command == u"verifica")
        return verify(args, out, err);
    if (command == u"aggiungi")
        return add(args, out, err);
    if (command == u"importa")
        return import(args, out, err);
    if (command == u"esporta")
        return exportCsv(args, out, err);
    if (command == u"statistiche")
        return statistics(args, out, err);
    if (command == u"--help" || command == u"-h" || command == u"aiuto") {
        out << Usage;
        return Done;
    }
    err << (command.isEmpty() ? QString() : u"Comando sconosciuto: " + command + u"\n\n") << Usage;
    return Refused;
}

} // namespace enalotto
