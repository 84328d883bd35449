// The archive window as a person uses it: keys, clicks on buttons and tabs, the file dialog
// replaced at its boundary only. The rules behind it are tested at length in tests/archive.
#include "archive_window/archivewindow.h"
#include "archive_window/frequencypanel.h"
#include "archivio/archivetool.h"
#include "testutil.h"

#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextStream>
#include <QToolTip>

using namespace Qt::StringLiterals;

namespace {

const QString Sample = QStringLiteral(ENALOTTO_SAMPLE_ARCHIVE);
// Saturday 23/05/2026 is the newest draw; number 1 is in all three, 2 in the first only.
const QByteArray SmallArchive = record("19MAG2026", "010203040506", "07", "08") +
                                record("21MAG2026", "011213141516", "17", "18") +
                                record("23MAG2026", "012223242526", "27", "28");
const char *const DrawFields[] = {"date", "n1", "n2", "n3", "n4", "n5", "n6", "jolly", "superstar"};
const QByteArray ValidRecord = record("26MAG2026", "010203040506", "07", "08"); // as typed

QString chosenFile; // what the "dialog" gives

struct Chooser : FileChooser
{
    QString fileToImport(QWidget *) override { return chosenFile; }
    QString fileToExport(QWidget *) override { return chosenFile; }
};

void answerNextQuestion(QMessageBox::StandardButton answer) // a click, once the box shows
{
    QTimer::singleShot(0, [answer] {
        QTRY_VERIFY(qobject_cast<QMessageBox *>(QApplication::activeModalWidget()));
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QTest::mouseClick(box->button(answer), Qt::LeftButton);
    });
}

} // namespace

class TestArchiveWindow : public QObject
{
    Q_OBJECT

    void open()
    {
        m_window = std::make_unique<ArchiveWindow>(std::make_unique<Chooser>());
        m_window->show();
    }
    template <typename T> T *get(const char *name) const { return child<T>(m_window.get(), name); }
    QString text(const char *label) const { return caption(m_window.get(), label); }
    void shows(const char *label, const QString &part) const
    {
        QVERIFY2(text(label).contains(part), qPrintable(text(label)));
    }
    void click(const char *button) { ::click(m_window.get(), button); }
    void showTab(int index)
    {
        QTabBar *bar = get<QTabWidget>("tabs")->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
        QCOMPARE(bar->currentIndex(), index);
    }
    void typeInto(const char *name, const QString &typed)
    {
        ::typeInto(m_window.get(), name, typed);
    }
    void typeValidDraw() // Tuesday 26/05/2026: 1 2 3 4 5 6, Jolly 7, SuperStar 8
    {
        typeInto("date", u"26/05/2026"_s);
        for (int i = 1; i <= 8; ++i)
            typeInto(DrawFields[i], QString::number(i));
    }

    std::unique_ptr<WorkDir> m_dir;
    std::unique_ptr<ArchiveWindow> m_window;

private slots:
    void init()
    {
        m_window.reset(); // the previous test's window goes before its folder
        m_dir.reset();
        m_dir = std::make_unique<WorkDir>();
        writeFile(u"se"_s, SmallArchive);
    }

    void openShowsTheArchive_data()
    {
        QTest::addColumn<QByteArray>("archive");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("proposed"); // the next draw day after the newest
        QTest::newRow("sample-saturday-then-tuesday")
            << readFile(Sample)
            << u"4202 estrazioni, dal 03DIC1997 al 23MAG2026. L'archivio è in ordine."_s
            << u"26/05/2026"_s;
        QTest::newRow("thursday-then-friday") << record("28MAG2026", "010203040506", "07", "08")
                                              << u"al 28MAG2026."_s << u"29/05/2026"_s;
        QTest::newRow("fragment-at-the-end-no-day-proposed")
            << SmallArchive + "24MAG"
            << u"al 23MAG2026. Problemi (1): il file termina con un frammento di 5 byte"_s
            << QString();
    }
    void openShowsTheArchive()
    {
        QFETCH(QByteArray, archive);
        QFETCH(QString, state);
        QFETCH(QString, proposed);
        writeFile(u"se"_s, archive);
        open();
        shows("state", state);
        QCOMPARE(get<QLineEdit>("date")->text(), proposed);
        auto *newest = get<QTableWidget>("newest"); // the newest 20 draws, newest first
        QCOMPARE(newest->rowCount(), std::min(20, int(archive.size() / 25)));
        QVERIFY(state.contains(u"al "_s + newest->item(0, 0)->text() + u'.'));
    }

    void addNeedsAValidDraw_data()
    {
        QTest::addColumn<int>("field"); // typed over a valid draw
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("problem");
        QTest::newRow("valid") << 0 << u"26/05/2026"_s << QString();
        QTest::newRow("no-such-day") << 0 << u"31/06/2026"_s << u"non esiste"_s;
        QTest::newRow("not-after-newest") << 0 << u"23/05/2026"_s << u"non è dopo l'ultima"_s;
        QTest::newRow("number-missing") << 3 << QString() << u"manca il 3o numero"_s;
        QTest::newRow("jolly-missing") << 7 << QString() << u"manca il Jolly"_s;
        QTest::newRow("superstar-missing") << 8 << QString() << u"manca il SuperStar"_s;
    }
    void addNeedsAValidDraw()
    {
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(QString, problem);
        open();
        typeValidDraw();
        typeInto(DrawFields[field], typed);
        QCOMPARE(get<QPushButton>("add")->isEnabled(), problem.isEmpty());
        shows("addProblem", problem);
        QCOMPARE(get<QLineEdit>(DrawFields[field])->toolTip(), text("addProblem")); // beside it
    }

    void addedDrawShowsEverywhereAndUndoNeedsAYes()
    {
        open();
        click("undo");
        QCOMPARE(text("message"), u"Non c'è nessuna modifica da annullare."_s);
        typeValidDraw();
        {
            const FileSizeLimit limit(80); // the backup of 75 bytes fits, the archive does not
            click("add");
        }
        shows("message", u"è rimasto com'era"_s);
        QCOMPARE(readFile(u"se"_s), SmallArchive);
        click("add"); // again, with room on the disk
        shows("message", u"Aggiunta l'estrazione del 26/05/2026. Il programma delle estrazioni "
                         "mostra le nuove estrazioni al prossimo avvio."_s);
        QCOMPARE(readFile(u"se"_s), SmallArchive + ValidRecord);
        QCOMPARE(get<QTableWidget>("newest")->item(0, 8)->text(), u"08"_s);
        QCOMPARE(get<QLineEdit>("date")->text(), u"28/05/2026"_s);
        showTab(2); // the chart, still over the whole archive
        shows("extremes", u"Su 4 estrazioni, dal 19MAG2026 al 26MAG2026."_s);
        answerNextQuestion(QMessageBox::No);
        click("undo");
        QCOMPARE(readFile(u"se"_s), SmallArchive + ValidRecord);
        answerNextQuestion(QMessageBox::Yes);
        click("undo");
        QCOMPARE(readFile(u"se"_s), SmallArchive);
        shows("message", u"Tolte 1 estrazioni. Se il programma delle estrazioni è aperto, va "
                         "riavviato"_s);
        QCOMPARE(get<QTableWidget>("newest")->item(0, 0)->text(), u"23MAG2026"_s);
    }

    void importAfterPreviewThenExport()
    {
        writeFile(u"file.csv"_s, "data;n1;n2;n3;n4;n5;n6;jolly;superstar\n"
                                 "21/05/2026;1;12;13;14;15;16;17;19\n" // disagrees
                                 "26/05/2026;1;2;3;4;5;6;7;8\n"
                                 "28/05/2026;1;2;3;4;5;;7;8\n"); // unusable
        chosenFile = u"file.csv"_s;
        open();
        QVERIFY(!get<QPushButton>("import")->isEnabled());
        click("chooseImport");
        shows("preview", u"Estrazioni nuove: 1; già presenti: 0.\nriga 2: il 21/05/2026 è diverso; "
                         "archivio 01 12 13 14 15 16, Jolly 17, SuperStar 18, file 01 12 13 14 15 "
                         "16, Jolly 17, SuperStar 19.\nPrima riga inutilizzabile: riga 4: numero 6 "
                         "vuoto"_s);
        QCOMPARE(readFile(u"se"_s), SmallArchive);      // nothing written by the preview
        writeFile(u"se"_s, SmallArchive + ValidRecord); // the command-line tool, meanwhile
        click("import");
        shows("preview", u"L'archivio è cambiato dopo l'anteprima"_s);
        shows("preview", u"Estrazioni nuove: 0; già presenti: 1."_s);
        QCOMPARE(readFile(u"se"_s), SmallArchive + ValidRecord);
        QVERIFY(!get<QPushButton>("import")->isEnabled());
        writeFile(u"se"_s, SmallArchive); // the tool's change taken back: a new preview, the import
        click("chooseImport");
        click("import");
        shows("message", u"Importate 1 estrazioni."_s);
        QCOMPARE(readFile(u"se"_s), SmallArchive + ValidRecord);
        QVERIFY(!get<QPushButton>("import")->isEnabled());
        chosenFile = u"se"_s; // the export refuses any archive
        click("export");
        shows("message", u"è un archivio delle estrazioni"_s);
        chosenFile = u"estrazioni.csv"_s;
        click("export");
        QCOMPARE(text("message"), u"Esportate 4 estrazioni in \"estrazioni.csv\"."_s);
        QVERIFY(readFile(chosenFile).endsWith("2026-05-26;01;02;03;04;05;06;07;08\n"));
    }

    void ticketCheckedAsTheToolDoes_data()
    {
        QTest::addColumn<QString>("numbers"); // as typed, checked from 01/01/2026
        QTest::addColumn<QString>("superStar");
        QTest::addColumn<QString>("problem"); // shown instead of a check
        QTest::newRow("five-numbers") << u"1 2 3 4 5"_s << QString() << u"almeno 6 numeri"_s;
        QTest::newRow("superstar-zero") << u"1 2 3 4 5 6"_s << u"0"_s << u"SuperStar \"0\""_s;
        QTest::newRow("column-with-commas")
            << u"14, 29, 34, 57, 59, 20"_s << QString() << QString();
        QTest::newRow("column-superstar") << u"14 29 34 57 59 1"_s << u"16"_s << QString();
        QTest::newRow("system-7-superstar") << u"3 14 29 34 57 59 88"_s << u"16"_s << QString();
    }
    void ticketCheckedAsTheToolDoes()
    {
        QFETCH(QString, numbers);
        QFETCH(QString, superStar);
        QFETCH(QString, problem);
        writeFile(u"se"_s, readFile(Sample));
        open();
        showTab(1);
        typeInto("ticketNumbers", numbers);
        typeInto("ticketSuperStar", superStar);
        typeInto("ticketFrom", u"01/01/2026"_s);
        QCOMPARE(get<QPushButton>("check")->isEnabled(), problem.isEmpty());
        shows("ticketProblem", problem);
        if (!problem.isEmpty())
            return;
        click("check");
        const QString words = u"controlla --dal 01/01/2026 "_s + numbers.remove(u',') +
                              (superStar.isEmpty() ? QString() : u" --superstar "_s + superStar);
        QString out;
        QTextStream o(&out);
        QCOMPARE(runArchiveTool(words.split(u' '), o, o), 0);
        o.flush();
        shows("ticketSummary", out.mid(out.indexOf(u"Vincite per categoria:"_s)).trimmed());
        QString shown; // the window's winning draws, newest first, as the tool lists them
        auto *wins = get<QTableWidget>("ticketWins");
        for (int row = 0; row < wins->rowCount(); ++row)
            shown += wins->item(row, 0)->text() + u"  "_s + wins->item(row, 1)->text() + u'\n';
        QCOMPARE(shown, out.remove(QRegularExpression(u"(?m)^\\D.*\\n"_s))); // its wins alone
    }

    void chartFigures()
    {
        open();
        showTab(2);
        shows("extremes", u"Più frequente: 1 (3)\nMeno frequente: 7, 8, 9, 10, 11, 17, "_s);
        shows("extremes", u"90 (0)\nPiù in ritardo: 7, 8, 9, 10, 11, 17, "_s);
        auto *last = get<QSpinBox>("lastDraws"); // down to the newest draw only
        QTest::mouseClick(last, Qt::LeftButton);
        QTest::keyClick(last, Qt::Key_PageDown);
        shows("extremes", u"Su 1 estrazioni, dal 23MAG2026 al 23MAG2026."_s);
        auto *chart = get<FrequencyChart>("chart"); // a tooltip on a bar gives its figures
        QTest::mouseMove(chart, chart->barArea(1).center());
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), u"Numero 1: uscito 1 volte, ritardo 0"_s);
    }
};

QTEST_MAIN(TestArchiveWindow)
#include "tst_archivewindow.moc"
