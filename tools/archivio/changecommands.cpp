// The commands that change the archive: aggiungi, importa and annulla.
#include "archive/archiveupdate.h"
#include "archive/drawfile.h"
#include "archivio/commands.h"

#include <QFile>
#include <QTextStream>

namespace enalotto {
namespace {

// The archive a command appends to, or nothing after saying why it cannot be extended.
std::optional<Extendable> extendableArchive(bool create, QTextStream &out, QTextStream &err,
                                            int &status)
{
    Extendable archive = archiveToExtend(archiveFileName());
    switch (archive.status) {
    case Extendable::Status::Ok:
        return archive;
    case Extendable::Status::Missing:
        if (create) {
            out << "L'archivio \"se\" non c'era: ne viene creato uno nuovo.\n";
            return archive;
        }
        err << "In questa cartella non c'è l'archivio \"se\"; nulla è stato aggiunto.\n"
            << "Spostarsi nella cartella dell'archivio, oppure aggiungere --crea per "
               "crearne uno nuovo qui.\n";
        status = FileFault;
        break;
    case Extendable::Status::Unreadable:
        err << cannotRead(archiveFileName());
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

int appendDraws(const Extendable &archive, const QVector<NewDraw> &draws, QTextStream &err)
{
    switch (appendToArchive(archiveFileName(), archive, draws)) {
    case AppendResult::Ok:
        return Done;
    case AppendResult::TooMany:
        err << "L'archivio avrebbe più di " << MaxArchiveRecords
            << " estrazioni, troppe per il programma; nulla è stato aggiunto.\n";
        return Refused;
    case AppendResult::BackupFailed:
        err << "Impossibile scrivere la copia di sicurezza \"" << backupName(archiveFileName())
            << "\"; l'archivio \"se\" è rimasto com'era.\n";
        return FileFault;
    case AppendResult::ArchiveFailed:
        break;
    }
    err << "Impossibile scrivere l'archivio \"se\"; è rimasto com'era.\n";
    return FileFault;
}

} // namespace

int add(const Arguments &args, QTextStream &out, QTextStream &err)
{
    const QStringList &a = args.positional;
    if (a.isEmpty()) {
        err << "Uso: superenalotto-archivio aggiungi DATA N1 N2 N3 N4 N5 N6 JOLLY SUPERSTAR\n";
        return Refused;
    }
    const DateField date = readDateField(a[0]);
    if (date.problem != DateField::Problem::None) {
        err << "Estrazione rifiutata: " << dateProblemText(date, a[0]) << ".\n";
        return Refused;
    }
    // Six numbers and the Jolly, and the SuperStar from its first draw on (before it, a
    // SuperStar of 0 may be given or left out).
    const bool withSuperStar = date.date >= SuperStarStart;
    const qsizetype given = a.size() - 1;
    if (given != 8 && (withSuperStar || given != 7)) {
        const qsizetype extras = withSuperStar || given > 7 ? 2 : 1;
        err << "Estrazione rifiutata: servono 6 numeri, ne ho letti "
            << std::max<qsizetype>(0, given - extras)
            << " (dopo la data vengono i sei numeri, il Jolly"
            << (withSuperStar ? " e il SuperStar" : " e, se c'è, il SuperStar") << ").\n";
        return Refused;
    }
    NewDraw draw;
    draw.date = date.date;
    const QStringList names = {QStringLiteral("1o numero"), QStringLiteral("2o numero"),
                               QStringLiteral("3o numero"), QStringLiteral("4o numero"),
                               QStringLiteral("5o numero"), QStringLiteral("6o numero"),
                               QStringLiteral("Jolly"),     QStringLiteral("SuperStar")};
    for (int k = 1; k < a.size(); ++k) {
        const std::optional<int> n = parseUserNumber(a[k]);
        if (!n) {
            err << "Estrazione rifiutata: il " << names[k - 1] << " \"" << a[k]
                << "\" non è un numero.\n";
            return Refused;
        }
        if (k <= 6)
            draw.numbers[size_t(k - 1)] = *n;
        else if (k == 7)
            draw.jolly = *n;
        else
            draw.superStar = *n;
    }
    if (const QString problem = validateDraw(draw); !problem.isEmpty()) {
        err << "Estrazione rifiutata: " << problem << ".\n";
        return Refused;
    }
    int status = Done;
    const std::optional<Extendable> archive = extendableArchive(args.create, out, err, status);
    if (!archive)
        return status;
    if (archive->newest.isValid() && draw.date <= archive->newest) {
        for (const ArchiveDraw &d : parseArchive(archive->bytes)) {
            if (parseDrawDate(d.date) == draw.date) {
                const bool same = drawKey(d) == drawKey(draw);
                err << "L'estrazione del " << dayText(draw.date) << " è già presente"
                    << (same ? QString() : u" con altri numeri: " + drawText(d)) << ".\n";
                return same ? Done : Refused;
            }
        }
        err << "Estrazione rifiutata: il " << dayText(draw.date)
            << " non è dopo l'ultima estrazione dell'archivio, del " << dayText(archive->newest)
            << ".\n";
        return Refused;
    }
    status = appendDraws(*archive, {draw}, err);
    if (status == Done)
        out << "Aggiunta l'estrazione del " << dayText(draw.date) << ".\n";
    return status;
}

int import(const Arguments &args, QTextStream &out, QTextStream &err)
{
    if (args.positional.size() != 1) {
        err << "Uso: superenalotto-archivio importa FILE [--crea]\n";
        return Refused;
    }
    const QString name = args.positional[0];
    QFile input(name);
    if (!input.open(QIODevice::ReadOnly)) {
        err << "Impossibile leggere \"" << name << "\".\n";
        return FileFault;
    }
    const DrawFile file = readDrawFile(input.readAll());
    if (!file.error.isEmpty()) {
        err << name << ": " << file.error << "; nulla è stato aggiunto.\n";
        return Refused;
    }
    out << "Letto " << name << " (" << file.layout.describe() << ").\n";
    int status = Done;
    const std::optional<Extendable> archive = extendableArchive(args.create, out, err, status);
    if (!archive)
        return status;

    const ImportPlan plan = planImport(*archive, file);
    if (plan.notSameHistory) {
        err << name << ": " << plan.disagreements.size() << " delle "
            << plan.known + plan.disagreements.size()
            << " estrazioni in comune con l'archivio hanno altri numeri: il file non racconta "
               "la stessa storia (giorno e mese scambiati, colonne diverse da quelle supposte?).\n"
            << "Schema letto: " << file.layout.describe() << ".\n"
            << "Nulla è stato aggiunto.\n";
        for (const Disagreement &d : plan.disagreements.mid(0, 5)) {
            err << "  " << dayText(d.date) << ": archivio " << d.archive << "; file " << d.file
                << '\n';
        }
        return Refused;
    }
    if (!plan.draws.isEmpty()) {
        status = appendDraws(*archive, plan.draws, err);
        if (status != Done)
            return status;
    }
    out << "Aggiunte " << plan.draws.size() << " estrazioni";
    QStringList notes;
    if (plan.known > 0)
        notes << QStringLiteral("%1 già presenti").arg(plan.known);
    if (plan.older > 0)
        notes << QStringLiteral("%1 precedenti all'ultima e assenti, ignorate").arg(plan.older);
    if (!notes.isEmpty())
        out << " (" << notes.join(QStringLiteral(", ")) << ")";
    out << ".\n";
    for (const Disagreement &d : plan.disagreements) {
        err << file.layout.rowName(d.row) << ": l'estrazione del " << dayText(d.date)
            << " è diversa; archivio " << d.archive << ", file " << d.file
            << "; l'archivio non è stato cambiato.\n";
    }
    if (plan.firstUnusable) {
        err << file.layout.rowName(plan.firstUnusable->row) << ": " << plan.firstUnusable->problem
            << ". Righe escluse: " << plan.leftOut << ".\n";
    }
    return plan.complete() ? Done : Refused;
}

int undo(QTextStream &out, QTextStream &err)
{
    const UndoResult result = undoLastChange(archiveFileName());
    switch (result.status) {
    case UndoResult::Status::NothingToUndo:
        out << "Non c'è nessuna modifica da annullare.\n";
        return Done;
    case UndoResult::Status::Unreadable:
        err << "Impossibile leggere l'archivio o la sua copia \"" << backupName(archiveFileName())
            << "\"; nulla è cambiato.\n";
        return FileFault;
    case UndoResult::Status::WriteFailed:
        err << "Impossibile rimettere l'archivio com'era; \"se\" e la sua copia sono "
               "rimasti come erano.\n";
        return FileFault;
    case UndoResult::Status::Done:
        break;
    }
    out << "Annullata l'ultima modifica: ";
    if (result.draws < result.before)
        out << "tolte " << result.before - result.draws << " estrazioni";
    else if (result.draws > result.before)
        out << "rimesse " << result.draws - result.before << " estrazioni";
    else
        out << "rimesso l'archivio di prima";
    out << "; ora l'archivio ha " << result.draws << " estrazioni.\n";
    return Done;
}

} // namespace enalotto
