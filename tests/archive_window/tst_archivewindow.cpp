// The archive window driven by keys and clicks, the file dialog replaced; its rules: tests/archive.
#include "archive_window/archivewindow.h"
#include "archive_window/frequencypanel.h"
#include "testutil.h"

#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolTip>

namespace {

// Saturday 23/05/2026 is the newest draw; number 1 is in all three, 2 in the first only.
const QByteArray SmallArchive = record("19MAG2026", "010203040506", "07", "08") +
                                record("21MAG2026", "011213141516", "17", "18") +
                                record("23MAG2026", "012223242526", "27", "28");
const char *const DrawFields[] = {"date", "n1", "n2", "n3", "n4", "n5", "n6", "jolly", "superstar"};
const QByteArray ValidRecord = record("26MAG2026", "010203040506", "07", "08"); // as typed

QString chosenFile, asked; // what the "dialog" gives, what the last question asked

struct Chooser : FileChooser
{
    QString fileToImport(QWidget *) override { return chosenFile; }
    QString fileToExport(QWidget *) override { return chosenFile; }
};

void answerNextQuestion(QMessageBox::StandardButton answer) // a click, once the box shows
{
    QTimer::singleShot(0, [answer] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        asked = box->text();
        QTest::mouseClick(box->button(answer), Qt::LeftButton);
    });
}

} // namespace

class TestArchiveWindow : public QObject
{
    Q_OBJECT

    void open(const QByteArray &archive = SmallArchive) // in a new folder, with its "se"
    {
        m_window.reset(); // the previous window goes before its folder
        m_dir.emplace();
        writeFile(u"se"_s, archive);
        m_window = std::make_unique<ArchiveWindow>(std::make_unique<Chooser>());
        m_window->show();
    }
    template <typename T> T *get(const char *name) const { return child<T>(m_window.get(), name); }
    QString text(const char *name) const { return caption(m_window.get(), name); }
    void shows(const char *n, QString s) { QVERIFY2(text(n).contains(s), qPrintable(text(n))); }
    void click(const char *button) { ::click(m_window.get(), button); }
    void typeInto(const char *name, const QString &s) { ::typeInto(m_window.get(), name, s); }
    void showTab(int index)
    {
        QTabBar *bar = get<QTabWidget>("tabs")->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }
    // Tuesday 26/05/2026: 1 2 3 4 5 6, Jolly 7, SuperStar 8; but `typed` in DrawFields[field]
    void typeDraw(int field = -1, const QString &typed = {})
    {
        for (int i = 0; i <= 8; ++i)
            typeInto(DrawFields[i], i == field ? typed : i ? QString::number(i) : u"26/05/2026"_s);
    }

    std::optional<WorkDir> m_dir;
    std::unique_ptr<ArchiveWindow> m_window;

private slots:
    void openShowsTheArchive()
    {
        open(readFile(QStringLiteral(ENALOTTO_SAMPLE_ARCHIVE)));
        shows("state", u"4202 estrazioni, dal 03DIC1997 al 23MAG2026. L'archivio è in ordine."_s);
        QCOMPARE(text("date"), u"26/05/2026"_s);               // the next draw day
        QCOMPARE(get<QTableWidget>("newest")->rowCount(), 20); // the newest 20 draws
        open(SmallArchive + "24MAG");
        shows("state", u"al 23MAG2026. Problemi (1): il file termina con un frammento di 5 byte"_s);
    }

    void addNeedsAValidDraw_data()
    {
        QTest::addColumn<int>("field"); // typed over a valid draw
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("problem");
        QTest::newRow("not-after-newest") << 0 << u"23/05/2026"_s << u"non è dopo l'ultima"_s;
        QTest::newRow("number-missing") << 3 << QString() << u"manca il 3o numero"_s;
        QTest::newRow("not-a-number") << 3 << u"x"_s << u"il 3o numero non è un numero"_s;
        QTest::newRow("jolly-missing") << 7 << QString() << u"manca il Jolly"_s;
        QTest::newRow("superstar-missing") << 8 << QString() << u"manca il SuperStar"_s;
    }
    void addNeedsAValidDraw()
    {
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(QString, problem);
        open();
        typeDraw(field, typed);
        QVERIFY(!get<QPushButton>("add")->isEnabled());
        shows("addProblem", problem);
        auto *wrong = get<QWidget>(DrawFields[field]); // pink, the problem in its tooltip
        QCOMPARE(wrong->toolTip(), text("addProblem"));
        QCOMPARE(wrong->palette().color(QPalette::Base), QColor(255, 200, 200));
    }

    void addedDrawShowsEverywhereAndUndoNeedsAYes()
    {
        open();
        showTab(1); // a ticket checked before the add is checked again after it
        typeInto("ticketNumbers", u"1, 2 3;4 5 6 12"_s); // a system of 7 numbers
        typeInto("ticketSuperStar", u"0"_s);
        typeInto("ticketFrom", u"20/05/2026"_s);
        QCOMPARE(text("ticketProblem"), u"il SuperStar \"0\" non è un numero tra 1 e 90"_s);
        typeInto("ticketSuperStar", u"18"_s);
        click("check");
        shows("ticketSummary", u"Estrazioni controllate: 2. Vincite per categoria: 6: 0, 5+: 0,"_s);
        QCOMPARE(get<QTableWidget>("ticketWins")->item(0, 1)->text(),
                 u"2 STELLA: 5, 1 STELLA: 2"_s);
        showTab(0);
        typeDraw();
        {
            const FileSizeLimit limit(80); // the backup of 75 bytes fits, the archive does not
            click("add");
        }
        shows("message", u"è rimasto com'era"_s);
        click("add"); // again, with room on the disk
        shows("message", u"Aggiunta l'estrazione del 26/05/2026. Il programma delle estrazioni "
                         "mostra le nuove estrazioni al prossimo avvio."_s);
        shows("ticketSummary", u"Estrazioni controllate: 3. Vincite per categoria: 6: 1,"_s);
        showTab(2); // the chart, still over the whole archive
        shows("extremes", u"Su 4 estrazioni, dal 19MAG2026 al 26MAG2026.\n\nPiù frequente: 1 (4)\n"
                          "Meno frequente: 7, 8, 9, 10, 11, 17, "_s);
        typeInto("lastDraws", u"1"_s); // down to the newest draw only
        shows("extremes", u"Su 1 estrazioni, dal 26MAG2026 al 26MAG2026."_s);
        auto *chart = get<FrequencyChart>("chart"); // a tooltip on a bar gives its figures
        QTest::mouseMove(chart, chart->barArea(1).center());
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), u"Numero 1: uscito 1 volte, ritardo 0"_s);
        const int y = chart->height() - 20; // "1" printed under its bar from x 24, none left of it
        QVERIFY(chart->grab({24, y, 20, 20}).toImage() != chart->grab({0, y, 20, 20}).toImage());
        showTab(0);
        answerNextQuestion(QMessageBox::No);
        click("undo");
        QCOMPARE(readFile(u"se"_s), SmallArchive + ValidRecord);
        answerNextQuestion(QMessageBox::Yes);
        click("undo");
        QCOMPARE(asked, u"Togliere le ultime 1 estrazioni aggiunte?"_s);
        shows("message", u"Tolte 1 estrazioni. Se il programma delle estrazioni è aperto, va "
                         "riavviato"_s);
        QCOMPARE(get<QTableWidget>("newest")->item(0, 0)->text(), u"23MAG2026"_s);
    }

    void importAfterPreviewThenExport()
    {
        open();
        chosenFile = u"file.csv"_s;
        writeFile(u"file.csv"_s, "data;n1;n2;n3;n4;n5;n6;jolly;superstar\n"
                                 "21/05/2026;1;12;13;14;15;16;17;19\n" // disagrees
                                 "16/05/2026;1;2;3;4;5;6;7;8\n"        // older, absent
                                 "26/05/2026;1;2;3;4;5;6;7;8\n"
                                 "28/05/2026;1;2;3;4;5;;7;8\n"); // unusable
        click("chooseImport");
        shows("preview", u"ignorate: 1.\nriga 2: il 21/05/2026 è diverso; archivio 01 12 13 14 15 "
                         "16, Jolly 17, SuperStar 18, file 01 12 13 14 15 16, Jolly 17, SuperStar "
                         "19.\nPrima riga inutilizzabile: riga 5: numero 6 vuoto"_s);
        writeFile(u"se"_s, SmallArchive + ValidRecord); // the command-line tool, meanwhile
        click("import");
        shows("preview", u"L'archivio è cambiato dopo l'anteprima"_s);
        shows("preview", u"Estrazioni nuove: 0; già presenti: 1."_s);
        QVERIFY(!get<QPushButton>("import")->isEnabled());
        writeFile(u"se"_s, SmallArchive); // the tool's change taken back: a new preview, the import
        click("chooseImport");
        click("import");
        shows("message", u"Importate 1 estrazioni."_s);
        QCOMPARE(readFile(u"se"_s), SmallArchive + ValidRecord);
        chosenFile = u"se"_s; // the export refuses any archive
        click("export");
        shows("message", u"è un archivio delle estrazioni"_s);
        chosenFile = u"estrazioni.csv"_s;
        click("export");
        QCOMPARE(text("message"), u"Esportate 4 estrazioni in \"estrazioni.csv\"."_s);
        QVERIFY(readFile(chosenFile).endsWith("2026-05-26;01;02;03;04;05;06;07;08\n"));
    }
};

QTEST_MAIN(TestArchiveWindow)
#include "tst_archivewindow.moc"
