#pragma once

#include "archive/archiveupdate.h"

#include <QWidget>
#include <array>
#include <memory>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace enalotto {

class FrequencyPanel;
class TicketPanel;

// Where the window asks for a file: a dialog for people, something else for tests.
class FileChooser
{
public:
    virtual ~FileChooser() = default;
    [[nodiscard]] virtual QString fileToImport(QWidget *parent) = 0; // empty: cancelled
    [[nodiscard]] virtual QString fileToExport(QWidget *parent) = 0;
};

// "SUPER ENALOTTO - Archivio": the archive "se" of the current folder kept current without a
// terminal. It shows the archive's state and newest draws, adds a draw checked as it is typed,
// imports a downloaded file after a preview, undoes the last change and exports CSV; two more
// tabs check a played ticket and chart frequencies and delays. All by the archive rules the
// command-line tool uses, and the tabs follow every change the window makes.
class ArchiveWindow : public QWidget
{
    Q_OBJECT

public:
    explicit ArchiveWindow(std::unique_ptr<FileChooser> chooser = nullptr,
                           QWidget *parent = nullptr);
    ~ArchiveWindow() override;

private:
    void buildControls();
    void refresh();      // the state panel and the table, from "se" as it is now
    void checkNewDraw(); // each keystroke of the add form: what is wrong, next to it
    void addDraw();      // "Aggiungi"
    void chooseImport(); // "Scegli il file...": the preview
    void preview(const QString &file, const QString &note = QString());
    void importPreviewed(); // "Importa"
    void undo();            // "Annulla ultima modifica", after a confirmation
    void exportCsv();       // "Esporta CSV..."
    void say(const QString &text, bool fault = false);
    [[nodiscard]] std::optional<NewDraw> typedDraw(DrawProblem &problem) const;

    std::unique_ptr<FileChooser> m_chooser;
    Extendable m_archive;          // "se" as last read
    QString m_importFile;          // the file previewed
    QByteArray m_previewedArchive; // "se" as it was at the preview
    ImportPlan m_plan;

    QLabel *m_state = nullptr;        // draws, first and newest date, the check
    QTableWidget *m_newest = nullptr; // the newest 20 draws, newest first
    QLineEdit *m_date = nullptr;
    std::array<QLineEdit *, 6> m_numbers{};
    QLineEdit *m_jolly = nullptr;
    QLineEdit *m_superStar = nullptr;
    QLabel *m_addProblem = nullptr; // what is wrong with the typed draw
    QPushButton *m_add = nullptr;
    QLabel *m_preview = nullptr; // the preview of the chosen file
    QPushButton *m_import = nullptr;
    QPushButton *m_undo = nullptr;
    QLabel *m_message = nullptr;             // the outcome of the last action
    TicketPanel *m_ticket = nullptr;         // the "Controlla una schedina" tab
    FrequencyPanel *m_frequencies = nullptr; // the "Frequenze e ritardi" tab
};

} // namespace enalotto
