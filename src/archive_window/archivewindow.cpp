#include "archive_window/archivewindow.h"

#include "archive_window/fields.h"
#include "archive_window/frequencypanel.h"
#include "archive_window/ticketpanel.h"

#include "archive/archivecheck.h"
#include "archive/drawcsv.h"
#include "archive/drawdate.h"
#include "common/atomicfile.h"
#include "controls/designfont.h"
#include "controls/palettecolor.h"

#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace enalotto {
namespace {

constexpr int NewestShown = 20;

class DialogChooser : public FileChooser
{
public:
    QString fileToImport(QWidget *parent) override
    {
        return QFileDialog::getOpenFileName(parent, QStringLiteral("Importa estrazioni"), QString(),
                                            QStringLiteral("Estrazioni (*.csv *.txt *.json);;"
                                                           "Tutti i file (*)"));
    }
    QString fileToExport(QWidget *parent) override
    {
        return QFileDialog::getSaveFileName(parent, QStringLiteral("Esporta l'archivio"),
                                            QStringLiteral("estrazioni.csv"),
                                            QStringLiteral("CSV (*.csv)"));
    }
};

} // namespace

ArchiveWindow::ArchiveWindow(std::unique_ptr<FileChooser> chooser, QWidget *parent)
    : QWidget(parent), m_chooser(chooser ? std::move(chooser) : std::make_unique<DialogChooser>())
{
    setObjectName(QStringLiteral("ArchiveWindow"));
    setWindowTitle(QStringLiteral("SUPER ENALOTTO - Archivio"));
    // The plain light grey of the program's other windows.
    setAutoFillBackground(true);
    setPaletteColor(this, QPalette::Window, paletteColor(PaletteLightGrey));
    setPaletteColor(this, QPalette::Button, paletteColor(PaletteLightGrey));
    buildControls();
    refresh();
}

ArchiveWindow::~ArchiveWindow() = default;

void ArchiveWindow::buildControls()
{
    auto *outer = new QVBoxLayout(this);
    auto *tabs = new QTabWidget;
    tabs->setObjectName(QStringLiteral("tabs"));
    outer->addWidget(tabs);
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    tabs->addTab(page, QStringLiteral("Archivio"));
    m_ticket = new TicketPanel;
    tabs->addTab(m_ticket, QStringLiteral("Controlla una schedina"));
    m_frequencies = new FrequencyPanel;
    tabs->addTab(m_frequencies, QStringLiteral("Frequenze e ritardi"));

    auto *stateBox = new QGroupBox(QStringLiteral("Stato dell'archivio"));
    auto *stateLayout = new QVBoxLayout(stateBox);
    m_state = new QLabel;
    m_state->setObjectName(QStringLiteral("state"));
    m_state->setWordWrap(true);
    m_newest = new QTableWidget(0, 9);
    m_newest->setObjectName(QStringLiteral("newest"));
    m_newest->setHorizontalHeaderLabels(
        {QStringLiteral("Data"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
         QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("Jolly"),
         QStringLiteral("SuperStar")});
    m_newest->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_newest->verticalHeader()->hide();
    m_newest->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    stateLayout->addWidget(m_state);
    stateLayout->addWidget(m_newest);
    layout->addWidget(stateBox);

    auto *addBox = new QGroupBox(QStringLiteral("Aggiungi un'estrazione"));
    auto *addLayout = new QVBoxLayout(addBox);
    auto *fields = new QHBoxLayout;
    m_date = makeField("date", QStringLiteral("gg/mm/aaaa"), 110);
    fields->addWidget(new QLabel(QStringLiteral("Data")));
    fields->addWidget(m_date);
    fields->addWidget(new QLabel(QStringLiteral("Numeri")));
    for (size_t k = 0; k < 6; ++k) {
        m_numbers[k] =
            makeField(QByteArray("n" + QByteArray::number(int(k) + 1)).constData(), QString(), 40);
        fields->addWidget(m_numbers[k]);
    }
    m_jolly = makeField("jolly", QString(), 40);
    m_superStar = makeField("superstar", QString(), 40);
    fields->addWidget(new QLabel(QStringLiteral("Jolly")));
    fields->addWidget(m_jolly);
    fields->addWidget(new QLabel(QStringLiteral("SuperStar")));
    fields->addWidget(m_superStar);
    m_add = new QPushButton(QStringLiteral("&Aggiungi"));
    m_add->setObjectName(QStringLiteral("add"));
    fields->addWidget(m_add);
    addLayout->addLayout(fields);
    m_addProblem = new QLabel;
    m_addProblem->setObjectName(QStringLiteral("addProblem"));
    addLayout->addWidget(m_addProblem);
    layout->addWidget(addBox);

    auto *importBox = new QGroupBox(QStringLiteral("Importa un file scaricato"));
    auto *importLayout = new QVBoxLayout(importBox);
    auto *importButtons = new QHBoxLayout;
    auto *choose = new QPushButton(QStringLiteral("&Scegli il file..."));
    choose->setObjectName(QStringLiteral("chooseImport"));
    m_import = new QPushButton(QStringLiteral("&Importa"));
    m_import->setObjectName(QStringLiteral("import"));
    m_import->setEnabled(false);
    importButtons->addWidget(choose);
    importButtons->addWidget(m_import);
    importButtons->addStretch();
    m_preview = new QLabel;
    m_preview->setObjectName(QStringLiteral("preview"));
    m_preview->setWordWrap(true);
    importLayout->addLayout(importButtons);
    importLayout->addWidget(m_preview);
    layout->addWidget(importBox);

    auto *actions = new QHBoxLayout;
    m_undo = new QPushButton(QStringLiteral("A&nnulla ultima modifica"));
    m_undo->setObjectName(QStringLiteral("undo"));
    auto *exportButton = new QPushButton(QStringLiteral("&Esporta CSV..."));
    exportButton->setObjectName(QStringLiteral("export"));
    actions->addWidget(m_undo);
    actions->addWidget(exportButton);
    actions->addStretch();
    layout->addLayout(actions);
    m_message = new QLabel;
    m_message->setObjectName(QStringLiteral("message"));
    m_message->setWordWrap(true);
    layout->addWidget(m_message);

    for (QLineEdit *field : {m_date, m_jolly, m_superStar})
        connect(field, &QLineEdit::textChanged, this, &ArchiveWindow::checkNewDraw);
    for (QLineEdit *field : m_numbers)
        connect(field, &QLineEdit::textChanged, this, &ArchiveWindow::checkNewDraw);
    connect(m_add, &QPushButton::clicked, this, &ArchiveWindow::addDraw);
    connect(choose, &QPushButton::clicked, this, &ArchiveWindow::chooseImport);
    connect(m_import, &QPushButton::clicked, this, &ArchiveWindow::importPreviewed);
    connect(m_undo, &QPushButton::clicked, this, &ArchiveWindow::undo);
    connect(exportButton, &QPushButton::clicked, this, &ArchiveWindow::exportCsv);
}

void ArchiveWindow::refresh()
{
    m_archive = archiveToExtend(archiveFileName());
    const QVector<ArchiveDraw> draws = parseArchive(m_archive.bytes);
    QString state;
    switch (m_archive.status) {
    case Extendable::Status::Missing:
        state = QStringLiteral("In questa cartella non c'è l'archivio \"se\": copiarlo qui o "
                               "avviare il programma dalla cartella dell'archivio.");
        break;
    case Extendable::Status::Unreadable:
        state = QStringLiteral("L'archivio \"se\" non si può leggere (è una cartella o è "
                               "protetto?).");
        break;
    default: {
        const ArchiveCheck check = checkArchive(m_archive.bytes);
        state = draws.isEmpty() ? QStringLiteral("L'archivio non contiene estrazioni.")
                                : QStringLiteral("%1 estrazioni, dal %2 al %3.")
                                      .arg(draws.size())
                                      .arg(QString::fromLatin1(draws.first().date),
                                           QString::fromLatin1(draws.last().date));
        state += check.problems.isEmpty()
                     ? QStringLiteral(" L'archivio è in ordine.")
                     : QStringLiteral(" Problemi (%1): %2")
                           .arg(check.problems.size())
                           .arg(check.problems.mid(0, 3).join(QStringLiteral("; ")));
    }
    }
    m_state->setText(state);
    m_ticket->setArchive(m_archive.bytes);
    m_frequencies->setArchive(m_archive.bytes);
    m_newest->setRowCount(int(std::min<qsizetype>(NewestShown, draws.size())));
    for (int row = 0; row < m_newest->rowCount(); ++row) {
        const ArchiveDraw &d = draws[draws.size() - 1 - row];
        QStringList cells{QString::fromLatin1(d.date)};
        for (const QByteArray &n : d.numbers)
            cells << QString::fromLatin1(n);
        cells << QString::fromLatin1(d.jolly) << QString::fromLatin1(d.superStar);
        for (int c = 0; c < cells.size(); ++c)
            m_newest->setItem(row, c, new QTableWidgetItem(cells[c]));
    }
    if (m_archive.newest.isValid())
        m_date->setText(dayText(nextDrawDay(m_archive.newest)));
    checkNewDraw();
}

} // namespace enalotto
