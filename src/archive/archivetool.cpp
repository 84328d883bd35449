#include "archive/archivetool.h"

#include "archive/drawarchive.h"
#include "archive/drawdate.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QSet>
#include <QTextStream>
#include <algorithm>

namespace {

const QString ArchiveName = QStringLiteral("se");

QByteArray twoDigits(int n)
{
    return QByteArray::number(n).rightJustified(2, '0');
}

// A 2-character field that holds a number in [low, high] written with two digits.
std::optional<int> fieldNumber(const QByteArray &field, int low, int high)
{
    if (field.size() != 2 || field[0] < '0' || field[0] > '9' || field[1] < '0' || field[1] > '9')
        return std::nullopt;
    const int n = field.toInt();
    if (n < low || n > high)
        return std::nullopt;
    return n;
}

QString recordName(qsizetype index)
{
    return QStringLiteral("record %1").arg(index + 1);
}

QString dateText(const QByteArray &date)
{
    return QString::fromLatin1(date);
}

// The sorted six numbers, Jolly and SuperStar of a draw as values, for comparing draws
// whatever order their numbers were written in.
QVector<int> drawKey(const ArchiveDraw &d)
{
    QVector<int> key;
    for (const QByteArray &n : d.numbers)
        key.append(n.toInt());
    std::sort(key.begin(), key.end());
    key << d.jolly.toInt() << d.superStar.toInt();
    return key;
}

QVector<int> drawKey(const NewDraw &d)
{
    QVector<int> key(d.numbers.begin(), d.numbers.end());
    std::sort(key.begin(), key.end());
    key << d.jolly << d.superStar;
    return key;
}

ArchiveDraw toArchiveDraw(const NewDraw &d, DateLayout layout)
{
    ArchiveDraw a;
    a.date = formatDrawDate(d.date, layout);
    for (size_t k = 0; k < 6; ++k)
        a.numbers[k] = twoDigits(d.numbers[k]);
    a.jolly = twoDigits(d.jolly);
    a.superStar = twoDigits(d.superStar);
    return a;
}

enum class ReadResult
{
    Ok,
    Missing,
    Unreadable
};

ReadResult readArchive(const QString &name, QByteArray &bytes)
{
    const QFileInfo info(name);
    if (!info.exists())
        return ReadResult::Missing;
    QFile file(name);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return ReadResult::Unreadable;
    bytes = file.readAll();
    return file.error() == QFileDevice::NoError ? ReadResult::Ok : ReadResult::Unreadable;
}

// Writes a file whole or not at all: a temporary file in the same folder, renamed over the
// old one only once everything has been written.
bool replaceFile(const QString &name, const QByteArray &bytes)
{
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

std::optional<QDate> parseUserDate(const QString &text)
{
    for (const QString &format :
         {QStringLiteral("dd/MM/yyyy"), QStringLiteral("d/M/yyyy"), QStringLiteral("yyyy-MM-dd")}) {
        const QDate date = QDate::fromString(text.trimmed(), format);
        if (date.isValid())
            return date;
    }
    return std::nullopt;
}

std::optional<int> parseUserNumber(const QString &text)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(n) : std::nullopt;
}

} // namespace

QByteArray ArchiveDraw::toRecord() const
{
    QByteArray r = date.leftJustified(9, ' ', true);
    for (const QByteArray &n : numbers)
        r += n.leftJustified(2, ' ', true);
    return r + jolly.leftJustified(2, ' ', true) + superStar.leftJustified(2, ' ', true);
}

QVector<ArchiveDraw> parseArchive(const QByteArray &bytes)
{
    QVector<ArchiveDraw> draws;
    const qsizetype records = bytes.size() / DrawRecord::Size;
    draws.reserve(records);
    for (qsizetype r = 0; r < records; ++r) {
        const char *p = bytes.constData() + r * DrawRecord::Size;
        ArchiveDraw d;
        d.date = QByteArray(p, DrawRecord::DateWidth);
        for (int k = 0; k < 6; ++k)
            d.numbers[size_t(k)] = QByteArray(p + DrawRecord::NumbersOffset + 2 * k, 2);
        d.jolly = QByteArray(p + DrawRecord::JollyOffset, 2);
        d.superStar = QByteArray(p + DrawRecord::SuperStarOffset, 2);
        draws.append(d);
    }
    return draws;
}

ArchiveCheck checkArchive(const QByteArray &bytes)
{
    ArchiveCheck check;
    const QVector<ArchiveDraw> draws = parseArchive(bytes);
    if (const qsizetype fragment = bytes.size() % DrawRecord::Size) {
        check.problems << QStringLiteral("il file termina con un frammento di %1 byte%2")
                              .arg(fragment)
                              .arg(draws.isEmpty() ? QString()
                                                   : u" dopo il " + recordName(draws.size() - 1));
        check.structural = true;
    }
    if (draws.size() > MaxArchiveRecords) {
        check.problems << QStringLiteral("l'archivio ha %1 estrazioni, più delle %2 che il "
                                         "programma può sfogliare")
                              .arg(draws.size())
                              .arg(MaxArchiveRecords);
        check.structural = true;
    }
    QHash<QByteArray, qsizetype> seenDates;
    int previousYear = -1;
    for (qsizetype r = 0; r < draws.size(); ++r) {
        const ArchiveDraw &d = draws[r];
        const QString name = recordName(r);
        const QByteArray yearText = d.date.right(4);
        bool yearOk = std::all_of(yearText.begin(), yearText.end(),
                                  [](char c) { return c >= '0' && c <= '9'; });
        if (!yearOk) {
            check.problems << name + QStringLiteral(": la data \"%1\" non termina con un anno")
                                         .arg(dateText(d.date));
            check.structural = true;
        } else {
            const int year = yearText.toInt();
            if (year < previousYear) {
                check.problems << name + QStringLiteral(": l'anno %1 viene dopo il %2: gli anni "
                                                        "devono essere in ordine e ogni anno "
                                                        "tutto di seguito")
                                             .arg(year)
                                             .arg(previousYear);
                check.structural = true;
            }
            previousYear = std::max(previousYear, year);
        }
        if (const auto first = seenDates.constFind(d.date); first != seenDates.constEnd()) {
            check.problems << name + QStringLiteral(": la data \"%1\" è già nel %2")
                                         .arg(dateText(d.date), recordName(first.value()));
        } else {
            seenDates.insert(d.date, r);
        }
        QSet<int> six;
        for (size_t k = 0; k < 6; ++k) {
            const std::optional<int> n = fieldNumber(d.numbers[k], 1, 90);
            if (!n) {
                check.problems << name + QStringLiteral(": il %1o numero \"%2\" non è un "
                                                        "numero da 01 a 90")
                                             .arg(k + 1)
                                             .arg(QString::fromLatin1(d.numbers[k]));
            } else if (six.contains(*n)) {
                check.problems << name + QStringLiteral(": il numero %1 è ripetuto")
                                             .arg(QString::fromLatin1(d.numbers[k]));
            } else {
                six.insert(*n);
            }
        }
        const std::optional<int> jolly = fieldNumber(d.jolly, 1, 90);
        if (!jolly) {
            check.problems << name + QStringLiteral(": il Jolly \"%1\" non è un numero da 01 a 90")
                                         .arg(QString::fromLatin1(d.jolly));
        } else if (six.contains(*jolly)) {
            check.problems << name + QStringLiteral(": il Jolly %1 è anche tra i sei numeri")
                                         .arg(QString::fromLatin1(d.jolly));
        }
        if (!fieldNumber(d.superStar, 0, 90)) {
            check.problems << name + QStringLiteral(": il SuperStar \"%1\" non è un numero da 00 "
                                                    "a 90")
                                         .arg(QString::fromLatin1(d.superStar));
        }
    }
    return check;
}

QString validateDraw(const NewDraw &draw)
{
    if (!draw.date.isValid())
        return QStringLiteral("la data non è valida");
    QSet<int> six;
    for (const int n : draw.numbers) {
        if (n < 1 || n > 90)
            return QStringLiteral("il numero %1 non è tra 1 e 90").arg(n);
        if (six.contains(n))
            return QStringLiteral("il numero %1 è ripetuto").arg(n);
        six.insert(n);
    }
    if (draw.jolly < 1 || draw.jolly > 90)
        return QStringLiteral("il Jolly %1 non è tra 1 e 90").arg(draw.jolly);
    if (six.contains(draw.jolly))
        return QStringLiteral("il Jolly %1 è anche tra i sei numeri").arg(draw.jolly);
    if (draw.superStar < 0 || draw.superStar > 90)
        return QStringLiteral("il SuperStar %1 non è tra 0 e 90").arg(draw.superStar);
    return QString();
}

CsvRows parseDrawCsv(const QByteArray &csv)
{
    CsvRows result;
    const QList<QByteArray> lines = csv.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray line = lines[i];
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        const char separator = line.contains(';') ? ';' : ',';
        QStringList fields;
        for (const QByteArray &f : line.split(separator)) {
            QString field = QString::fromUtf8(f).trimmed();
            if (field.size() >= 2 && field.startsWith(u'"') && field.endsWith(u'"'))
                field = field.mid(1, field.size() - 2).trimmed();
            fields << field;
        }
        const int lineNumber = int(i) + 1;
        const std::optional<QDate> date = parseUserDate(fields.value(0));
        if (!date) {
            if (result.rows.isEmpty() && lineNumber == 1)
                continue; // a header
            result.error = QStringLiteral("riga %1: la data \"%2\" non è nel formato "
                                          "gg/mm/aaaa o aaaa-mm-gg")
                               .arg(lineNumber)
                               .arg(fields.value(0));
            return result;
        }
        if (fields.size() < 8) {
            result.error =
                QStringLiteral("riga %1: servono la data, sei numeri e il Jolly").arg(lineNumber);
            return result;
        }
        NewDraw draw;
        draw.date = *date;
        for (int k = 0; k < 7; ++k) { // six numbers and the Jolly
            const std::optional<int> n = parseUserNumber(fields[k + 1]);
            if (!n) {
                result.error = QStringLiteral("riga %1: \"%2\" non è un numero")
                                   .arg(lineNumber)
                                   .arg(fields[k + 1]);
                return result;
            }
            if (k < 6)
                draw.numbers[size_t(k)] = *n;
            else
                draw.jolly = *n;
        }
        const QString superStar = fields.value(8);
        if (!superStar.isEmpty()) {
            const std::optional<int> n = parseUserNumber(superStar);
            if (!n) {
                result.error = QStringLiteral("riga %1: il SuperStar \"%2\" non è un numero")
                                   .arg(lineNumber)
                                   .arg(superStar);
                return result;
            }
            draw.superStar = *n;
        }
        if (const QString problem = validateDraw(draw); !problem.isEmpty()) {
            result.error = QStringLiteral("riga %1: %2").arg(lineNumber).arg(problem);
            return result;
        }
        result.rows.append({lineNumber, draw});
    }
    return result;
}

std::array<NumberStats, 91> numberStats(const QVector<QVector<int>> &draws)
{
    std::array<NumberStats, 91> stats{};
    std::array<int, 91> last;
    last.fill(-1);
    const int n = int(draws.size());
    for (int i = 0; i < n; ++i) {
        for (const int value : draws[i]) {
            if (value < 0 || value > 90)
                continue;
            NumberStats &s = stats[size_t(value)];
            if (last[size_t(value)] == i)
                continue; // counted once a draw
            ++s.count;
            s.longestDelay = std::max(s.longestDelay, i - last[size_t(value)] - 1);
            last[size_t(value)] = i;
        }
    }
    for (size_t v = 0; v < stats.size(); ++v) {
        stats[v].currentDelay = n - 1 - last[v];
        stats[v].longestDelay = std::max(stats[v].longestDelay, stats[v].currentDelay);
    }
    return stats;
}

namespace {

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

int verify(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const QString name = args.value(0, ArchiveName);
    QByteArray bytes;
    if (readArchive(name, bytes) != ReadResult::Ok) {
        err << "Impossibile leggere l'archivio \"" << name << "\".\n";
        return 2;
    }
    const ArchiveCheck check = checkArchive(bytes);
    const qsizetype records = bytes.size() / DrawRecord::Size;
    if (check.problems.isEmpty()) {
        out << "L'archivio \"" << name << "\" è in ordine: " << records << " estrazioni.\n";
        return 0;
    }
    out << "L'archivio \"" << name << "\" (" << records << " estrazioni) ha "
        << (check.problems.size() == 1 ? QStringLiteral("un problema")
                                       : QStringLiteral("%1 problemi").arg(check.problems.size()))
        << ":\n";
    for (const QString &p : check.problems)
        out << "  " << p << '\n';
    return 1;
}

int appendDraws(const QByteArray &bytes, const QVector<NewDraw> &draws, QTextStream &err)
{
    const QVector<ArchiveDraw> existing = parseArchive(bytes);
    if (existing.size() + draws.size() > MaxArchiveRecords) {
        err << "L'archivio avrebbe più di " << MaxArchiveRecords
            << " estrazioni, troppe per il programma; nulla è stato aggiunto.\n";
        return 1;
    }
    const DateLayout layout =
        existing.isEmpty() ? DateLayout::Month : dateLayoutOf(existing.last().date);
    QByteArray result = bytes;
    for (const NewDraw &d : draws)
        result += toArchiveDraw(d, layout).toRecord();
    if (!replaceFile(ArchiveName, result)) {
        err << "Impossibile scrivere l'archivio \"se\"; è rimasto com'era.\n";
        return 2;
    }
    return 0;
}

// "se" as a command that appends to it finds it: its bytes (none when there is no archive
// yet) and the date of its newest draw (invalid when empty). Nothing when the archive cannot
// be read, has structural faults or a newest date that cannot be read; `status` then says why.
struct Extendable
{
    QByteArray bytes;
    QDate newest;
};

std::optional<Extendable> archiveToExtend(QTextStream &err, int &status)
{
    Extendable archive;
    switch (readArchive(ArchiveName, archive.bytes)) {
    case ReadResult::Missing:
        return archive;
    case ReadResult::Unreadable:
        err << "Impossibile leggere l'archivio \"se\".\n";
        status = 2;
        return std::nullopt;
    case ReadResult::Ok:
        break;
    }
    if (checkArchive(archive.bytes).structural) {
        err << "L'archivio \"se\" ha problemi di struttura; nulla è stato aggiunto.\n"
            << "Esegui \"superenalotto-archivio verifica\" per i dettagli.\n";
        status = 1;
        return std::nullopt;
    }
    const QVector<ArchiveDraw> existing = parseArchive(archive.bytes);
    if (existing.isEmpty())
        return archive;
    archive.newest = parseDrawDate(existing.last().date);
    if (!archive.newest.isValid()) {
        err << "La data dell'ultima estrazione (\"" << dateText(existing.last().date)
            << "\") non è leggibile; nulla è stato aggiunto.\n";
        status = 1;
        return std::nullopt;
    }
    return archive;
}

int add(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.size() != 9) {
        err << "Uso: superenalotto-archivio aggiungi DATA N1 N2 N3 N4 N5 N6 JOLLY SUPERSTAR\n";
        return 1;
    }
    NewDraw draw;
    const std::optional<QDate> date = parseUserDate(args[0]);
    if (!date || args[0].contains(u'-')) {
        err << "La data \"" << args[0] << "\" non è nel formato gg/mm/aaaa.\n";
        return 1;
    }
    draw.date = *date;
    for (int k = 0; k < 8; ++k) {
        const std::optional<int> n = parseUserNumber(args[k + 1]);
        if (!n) {
            err << "\"" << args[k + 1] << "\" non è un numero.\n";
            return 1;
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
        return 1;
    }
    int status = 0;
    const std::optional<Extendable> archive = archiveToExtend(err, status);
    if (!archive)
        return status;
    if (archive->newest.isValid() && draw.date <= archive->newest) {
        err << "Estrazione rifiutata: il " << draw.date.toString(QStringLiteral("dd/MM/yyyy"))
            << " non è dopo l'ultima estrazione dell'archivio, del "
            << archive->newest.toString(QStringLiteral("dd/MM/yyyy")) << ".\n";
        return 1;
    }
    status = appendDraws(archive->bytes, {draw}, err);
    if (status == 0)
        out << "Aggiunta l'estrazione del " << draw.date.toString(QStringLiteral("dd/MM/yyyy"))
            << ".\n";
    return status;
}

int import(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.size() != 1) {
        err << "Uso: superenalotto-archivio importa FILE.csv\n";
        return 1;
    }
    QFile csvFile(args[0]);
    if (!csvFile.open(QIODevice::ReadOnly)) {
        err << "Impossibile leggere \"" << args[0] << "\".\n";
        return 2;
    }
    const CsvRows csv = parseDrawCsv(csvFile.readAll());
    if (!csv.error.isEmpty()) {
        err << args[0] << ", " << csv.error << "; nulla è stato aggiunto.\n";
        return 1;
    }
    int status = 0;
    const std::optional<Extendable> archive = archiveToExtend(err, status);
    if (!archive)
        return status;

    QHash<QDate, ArchiveDraw> byDate;
    for (const ArchiveDraw &d : parseArchive(archive->bytes)) {
        const QDate date = parseDrawDate(d.date);
        if (date.isValid())
            byDate.insert(date, d);
    }
    QMap<QDate, std::pair<int, NewDraw>> fresh;
    int known = 0;
    int older = 0;
    for (const auto &[line, draw] : csv.rows) {
        const auto existing = byDate.constFind(draw.date);
        if (existing != byDate.constEnd()) {
            if (drawKey(*existing) != drawKey(draw)) {
                err << args[0] << ", riga " << line << ": l'estrazione del "
                    << draw.date.toString(QStringLiteral("dd/MM/yyyy"))
                    << " è diversa da quella dell'archivio; nulla è stato aggiunto.\n";
                return 1;
            }
            ++known;
            continue;
        }
        if (archive->newest.isValid() && draw.date <= archive->newest) {
            ++older; // a gap in the archive is not filled from here: the order would break
            continue;
        }
        if (const auto twin = fresh.constFind(draw.date); twin != fresh.constEnd()) {
            if (drawKey(twin->second) != drawKey(draw)) {
                err << args[0] << ", riga " << line << ": il "
                    << draw.date.toString(QStringLiteral("dd/MM/yyyy"))
                    << " compare anche alla riga " << twin->first
                    << " con altri numeri; nulla è stato aggiunto.\n";
                return 1;
            }
            continue;
        }
        fresh.insert(draw.date, {line, draw});
    }
    QVector<NewDraw> draws;
    for (const auto &[line, draw] : fresh)
        draws.append(draw);
    if (!draws.isEmpty()) {
        status = appendDraws(archive->bytes, draws, err);
        if (status != 0)
            return status;
    }
    out << "Aggiunte " << draws.size() << " estrazioni";
    if (known > 0)
        out << " (" << known << " già presenti";
    if (older > 0)
        out << (known > 0 ? ", " : " (") << older << " precedenti all'ultima e assenti, ignorate";
    if (known > 0 || older > 0)
        out << ")";
    out << ".\n";
    return 0;
}

int exportCsv(const QStringList &args, QTextStream &out, QTextStream &err)
{
    QByteArray bytes;
    if (readArchive(ArchiveName, bytes) != ReadResult::Ok) {
        err << "Impossibile leggere l'archivio \"se\".\n";
        return 2;
    }
    QByteArray csv = "data;n1;n2;n3;n4;n5;n6;jolly;superstar\n";
    const QVector<ArchiveDraw> draws = parseArchive(bytes);
    for (qsizetype r = 0; r < draws.size(); ++r) {
        const ArchiveDraw &d = draws[r];
        const QDate date = parseDrawDate(d.date);
        if (!date.isValid()) {
            err << recordName(r) << ": la data \"" << dateText(d.date)
                << "\" non è leggibile; nulla è stato esportato.\n";
            return 1;
        }
        csv += date.toString(Qt::ISODate).toLatin1();
        for (const QByteArray &n : d.numbers)
            csv += ';' + n;
        csv += ';' + d.jolly + ';' + d.superStar + '\n';
    }
    if (args.isEmpty()) {
        out << QString::fromLatin1(csv);
        return 0;
    }
    if (!replaceFile(args[0], csv)) {
        err << "Impossibile scrivere \"" << args[0] << "\".\n";
        return 2;
    }
    out << "Esportate " << draws.size() << " estrazioni in \"" << args[0] << "\".\n";
    return 0;
}

void printStats(QTextStream &out, const QString &title, const std::array<NumberStats, 91> &stats,
                int first)
{
    out << '\n' << title << '\n' << "Numero  Uscite  Ritardo  Ritardo max\n";
    for (int v = first; v <= 90; ++v) {
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
            return 1;
        }
    }
    QByteArray bytes;
    if (readArchive(ArchiveName, bytes) != ReadResult::Ok) {
        err << "Impossibile leggere l'archivio \"se\".\n";
        return 2;
    }
    QVector<ArchiveDraw> draws = parseArchive(bytes);
    if (last > 0 && last < draws.size())
        draws = draws.mid(draws.size() - last);
    if (draws.isEmpty()) {
        out << "L'archivio non contiene estrazioni.\n";
        return 0;
    }
    QVector<QVector<int>> six, jolly, superStar;
    for (const ArchiveDraw &d : draws) {
        QVector<int> numbers;
        for (const QByteArray &n : d.numbers) {
            if (const auto v = fieldNumber(n, 1, 90))
                numbers.append(*v);
        }
        six.append(numbers);
        const auto j = fieldNumber(d.jolly, 1, 90);
        jolly.append(j ? QVector<int>{*j} : QVector<int>{});
        const auto s = fieldNumber(d.superStar, 1, 90);
        // The SuperStar is counted from its first draw on; "00" marks the draws before it.
        if (s || !superStar.isEmpty())
            superStar.append(s ? QVector<int>{*s} : QVector<int>{});
    }
    out << "Estrazioni considerate: " << draws.size() << ", dal " << dateText(draws.first().date)
        << " al " << dateText(draws.last().date) << ".\n"
        << "Ritardo: estrazioni dall'ultima uscita; Ritardo max: la più lunga assenza.\n";
    printStats(out, QStringLiteral("NUMERI (tra i sei estratti)"), numberStats(six), 1);
    printStats(out, QStringLiteral("JOLLY"), numberStats(jolly), 1);
    if (superStar.isEmpty()) {
        out << "\nSUPERSTAR: nessuna estrazione con il SuperStar.\n";
    } else {
        printStats(out,
                   QStringLiteral("SUPERSTAR (su %1 estrazioni, dalla prima con il SuperStar)")
                       .arg(superStar.size()),
                   numberStats(superStar), 1);
    }
    return 0;
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
        return 0;
    }
    err << (command.isEmpty() ? QString() : u"Comando sconosciuto: " + command + u"\n\n") << Usage;
    return 1;
}
