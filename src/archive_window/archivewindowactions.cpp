// What the archive window's buttons and fields do.
#include "archive/drawcsv.h"
#include "archive/drawdate.h"
#include "archive_window/archivewindow.h"
#include "common/atomicfile.h"
#include "controls/designfont.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace enalotto {
namespace {

const QString BrowserNote =
    QStringLiteral("Il programma delle estrazioni mostra le nuove estrazioni al prossimo avvio.");

QString appendFailure(AppendResult result)
{
    switch (result) {
    case AppendResult::Ok:
        return QString();
    case AppendResult::TooMany:
        return QStringLiteral("L'archivio avrebbe più di %1 estrazioni, troppe per il "
                              "programma: nulla è stato aggiunto.")
            .arg(MaxArchiveRecords);
    case AppendResult::BackupFailed:
        return QStringLiteral("Impossibile scrivere la copia di sicurezza \"se.bak\" (disco "
                              "pieno o cartella protetta?): l'archivio è rimasto com'era.");
    case AppendResult::ArchiveFailed:
        break;
    }
    return QStringLiteral("Impossibile scrivere l'archivio \"se\" (disco pieno o cartella "
                          "protetta?): è rimasto com'era.");
}

QString previewText(const DrawFile &file, const ImportPlan &plan)
{
    QStringList lines{u"Schema letto: " + file.layout.describe() + u'.'};
    lines << QStringLiteral("Estrazioni nuove: %1; già presenti: %2.")
                 .arg(plan.draws.size())
                 .arg(plan.known);
    if (plan.older > 0)
        lines << QStringLiteral("Precedenti all'ultima e assenti, ignorate: %1.").arg(plan.older);
    for (const Disagreement &d : plan.disagreements.mid(0, 5)) {
        lines << QStringLiteral("%1: il %2 è diverso; archivio %3, file %4.")
                     .arg(file.layout.rowName(d.row), dayText(d.date), d.archive, d.file);
    }
    if (plan.firstUnusable) {
        lines << QStringLiteral("Prima riga inutilizzabile: %1: %2 (righe escluse: %3).")
                     .arg(file.layout.rowName(plan.firstUnusable->row), plan.firstUnusable->problem)
                     .arg(plan.leftOut);
    }
    if (plan.notSameHistory) {
        lines << QStringLiteral("Il file non racconta la stessa storia dell'archivio: troppe "
                                "estrazioni in comune hanno altri numeri. Nulla verrà importato.");
    }
    return lines.join(u'\n');
}

} // namespace

void ArchiveWindow::say(const QString &text, bool fault)
{
    m_message->setText(text);
    setPaletteColor(m_message, QPalette::WindowText, fault ? Qt::red : Qt::black);
}

std::optional<NewDraw> ArchiveWindow::typedDraw(DrawProblem &problem) const
{
    using Field = DrawProblem::Field;
    NewDraw draw;
    const DateField date = readDateField(m_date->text());
    if (date.problem != DateField::Problem::None) {
        problem = {Field::Date, 0, dateProblemText(date, m_date->text().trimmed())};
        return std::nullopt;
    }
    draw.date = date.date;
    for (size_t k = 0; k < 6; ++k) {
        const std::optional<int> n = parseUserNumber(m_numbers[k]->text());
        if (!n) {
            problem = {Field::Number, int(k),
                       m_numbers[k]->text().trimmed().isEmpty()
                           ? QStringLiteral("manca il %1o numero").arg(k + 1)
                           : QStringLiteral("il %1o numero non è un numero").arg(k + 1)};
            return std::nullopt;
        }
        draw.numbers[k] = *n;
    }
    draw.jolly = parseUserNumber(m_jolly->text()).value_or(0);
    draw.superStar = parseUserNumber(m_superStar->text()).value_or(0);
    problem = drawProblem(draw);
    if (problem.text.isEmpty() && m_archive.newest.isValid() && draw.date <= m_archive.newest) {
        problem = {Field::Date, 0,
                   QStringLiteral("il %1 non è dopo l'ultima estrazione dell'archivio, del %2")
                       .arg(dayText(draw.date), dayText(m_archive.newest))};
    }
    return problem.text.isEmpty() ? std::optional<NewDraw>(draw) : std::nullopt;
}

void ArchiveWindow::checkNewDraw()
{
    DrawProblem problem;
    const bool valid = typedDraw(problem).has_value();
    QLineEdit *wrong = nullptr;
    switch (problem.field) {
    case DrawProblem::Field::Date:
        wrong = m_date;
        break;
    case DrawProblem::Field::Number:
        wrong = m_numbers[size_t(problem.index)];
        break;
    case DrawProblem::Field::Jolly:
        wrong = m_jolly;
        break;
    case DrawProblem::Field::SuperStar:
        wrong = m_superStar;
        break;
    case DrawProblem::Field::None:
        break;
    }
    for (QLineEdit *field : {m_date, m_jolly, m_superStar, m_numbers[0], m_numbers[1], m_numbers[2],
                             m_numbers[3], m_numbers[4], m_numbers[5]}) {
        setPaletteColor(field, QPalette::Base, field == wrong ? QColor(255, 200, 200) : Qt::white);
        field->setToolTip(field == wrong ? problem.text : QString());
    }
    m_addProblem->setText(valid ? QString() : problem.text);
    const bool extendable = m_archive.status == Extendable::Status::Ok;
    m_add->setEnabled(valid && extendable);
}

void ArchiveWindow::addDraw()
{
    DrawProblem problem;
    const std::optional<NewDraw> draw = typedDraw(problem);
    if (!draw)
        return;
    const AppendResult result =
        appendToArchive(archiveFileName(), archiveToExtend(archiveFileName()), {*draw});
    if (result != AppendResult::Ok) {
        say(appendFailure(result), true);
        return;
    }
    for (QLineEdit *field : m_numbers)
        field->clear();
    m_jolly->clear();
    m_superStar->clear();
    refresh();
    say(QStringLiteral("Aggiunta l'estrazione del %1. ").arg(dayText(draw->date)) + BrowserNote);
}

void ArchiveWindow::chooseImport()
{
    const QString file = m_chooser->fileToImport(this);
    if (!file.isEmpty())
        preview(file);
}

void ArchiveWindow::preview(const QString &file, const QString &note)
{
    m_importFile = file;
    m_import->setEnabled(false);
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly)) {
        m_preview->setText(QStringLiteral("Impossibile leggere \"%1\".").arg(file));
        return;
    }
    const DrawFile read = readDrawFile(input.readAll());
    if (!read.error.isEmpty()) {
        m_preview->setText(note + read.error + u'.');
        return;
    }
    const Extendable archive = archiveToExtend(archiveFileName());
    m_previewedArchive = archive.bytes;
    m_plan = planImport(archive, read);
    m_preview->setText(note + previewText(read, m_plan));
    m_import->setEnabled(archive.status == Extendable::Status::Ok && !m_plan.draws.isEmpty());
}

void ArchiveWindow::importPreviewed()
{
    const Extendable archive = archiveToExtend(archiveFileName());
    if (archive.bytes != m_previewedArchive || archive.status != Extendable::Status::Ok) {
        // Something else wrote the archive since the preview: nothing is written.
        preview(m_importFile, QStringLiteral("L'archivio è cambiato dopo l'anteprima: nulla è "
                                             "stato scritto, ecco l'anteprima rifatta.\n"));
        refresh();
        return;
    }
    const AppendResult result = appendToArchive(archiveFileName(), archive, m_plan.draws);
    if (result != AppendResult::Ok) {
        say(appendFailure(result), true);
        return;
    }
    m_import->setEnabled(false);
    refresh();
    say(QStringLiteral("Importate %1 estrazioni. ").arg(m_plan.draws.size()) + BrowserNote);
}

void ArchiveWindow::undo()
{
    QByteArray backup, now;
    if (readArchive(backupName(archiveFileName()), backup) != ReadResult::Ok) {
        say(QStringLiteral("Non c'è nessuna modifica da annullare."));
        return;
    }
    (void)readArchive(archiveFileName(), now);
    const qsizetype removed = (now.size() - backup.size()) / DrawRecord::Size;
    const QString what =
        removed >= 0 ? QStringLiteral("Togliere le ultime %1 estrazioni aggiunte?").arg(removed)
                     : QStringLiteral("Rimettere le %1 estrazioni tolte?").arg(-removed);
    if (QMessageBox::question(this, QStringLiteral("Annulla ultima modifica"), what) !=
        QMessageBox::Yes)
        return;
    const UndoResult result = undoLastChange(archiveFileName());
    refresh();
    if (result.status != UndoResult::Status::Done) {
        say(QStringLiteral("Impossibile rimettere l'archivio com'era: \"se\" e la sua copia sono "
                           "rimasti come erano."),
            true);
        return;
    }
    say(result.draws < result.before
            ? QStringLiteral("Tolte %1 estrazioni. Se il programma delle estrazioni è aperto, va "
                             "riavviato prima di scorrere fino alle ultime.")
                  .arg(result.before - result.draws)
            : QStringLiteral("Rimesse %1 estrazioni. ").arg(result.draws - result.before) +
                  BrowserNote);
}

void ArchiveWindow::exportCsv()
{
    const QString file = m_chooser->fileToExport(this);
    if (file.isEmpty())
        return;
    if (isArchiveFile(file, archiveFileName())) {
        say(QStringLiteral("\"%1\" è un archivio delle estrazioni: l'esportazione non lo "
                           "sovrascrive. Scegliere un altro nome.")
                .arg(file),
            true);
        return;
    }
    const CsvExport csv = archiveToCsv(m_archive.bytes);
    if (!csv.error.isEmpty() || !replaceFile(file, csv.csv)) {
        say(csv.error.isEmpty() ? QStringLiteral("Impossibile scrivere \"%1\".").arg(file)
                                : csv.error + QStringLiteral(": nulla è stato esportato."),
            true);
        return;
    }
    say(QStringLiteral("Esportate %1 estrazioni in \"%2\".").arg(csv.draws).arg(file));
}

} // namespace enalotto
