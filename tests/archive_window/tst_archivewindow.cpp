// The archive window as a person uses it: keys into the fields, clicks on the buttons, the
// file dialog replaced at its boundary only.
#include "archive_window/archivewindow.h"
#include "testutil.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

using namespace Qt::StringLiterals;

class TestArchiveWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void statePanel_data();
    void statePanel();
    void proposedDate_data();
    void proposedDate();
    void addIsEnabledOnlyForAValidDraw_data();
    void addIsEnabledOnlyForAValidDraw();
    void addedDrawShowsInTable();
    void importAfterPreview();
    void archiveChangedSincePreview();
    void undoAfterConfirmation();
    void exportNeverOntoTheArchive();
    void failedWriteSaysSoAndKeepsArchive();

private:
    // The file the "dialog" gives.
    struct Chooser : FileChooser
    {
        QString *file;
        explicit Chooser(QString *f) : file(f) {}
        QString fileToImport(QWidget *) override { return *file; }
        QString fileToExport(QWidget *) override { return *file; }
    };
    ArchiveWindow *open()
    {
        m_window = std::make_unique<ArchiveWindow>(std::make_unique<Chooser>(&m_file));
        m_window->show();
        return m_window.get();
    }
    QString text(const char *name) const { return child<QLabel>(m_window.get(), name)->text(); }
    QLineEdit *field(const char *name) const { return child<QLineEdit>(m_window.get(), name); }
    QPushButton *button(const char *name) const { return child<QPushButton>(m_window.get(), name); }
    // Clicks into a field, selects what it holds and types over it.
    void typeInto(const char *name, const QString &typed)
    {
        QLineEdit *f = field(name);
        QTest::mouseClick(f, Qt::LeftButton);
        QTest::keyClick(f, Qt::Key_A, Qt::ControlModifier);
        if (typed.isEmpty())
            QTest::keyClick(f, Qt::Key_Delete);
        else
            QTest::keyClicks(f, typed);
    }
    void typeDraw(const QStringList &values) // date, six numbers, Jolly, SuperStar
    {
        const char *names[] = {"date", "n1", "n2", "n3", "n4", "n5", "n6", "jolly", "superstar"};
        for (int i = 0; i < 9; ++i)
            typeInto(names[i], values[i]);
    }

    std::unique_ptr<WorkDir> m_dir;
    std::unique_ptr<ArchiveWindow> m_window;
    QString m_file;
};

namespace {

// Saturday 23/05/2026 is the newest draw.
QByteArray smallArchive()
{
    return record("19MAG2026", "010203040506", "07", "08") +
           record("21MAG2026", "111213141516", "17", "18") +
           record("23MAG2026", "212223242526", "27", "28");
}

const QStringList ValidDraw{u"26/05/2026"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s,
                            u"5"_s,          u"6"_s, u"7"_s, u"8"_s};

// Answers the next question box with the button `answer`, as a click would.
void answerNextQuestion(QMessageBox::StandardButton answer)
{
    QTimer::singleShot(0, [answer] {
        QTRY_VERIFY(qobject_cast<QMessageBox *>(QApplication::activeModalWidget()));
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QTest::mouseClick(box->button(answer), Qt::LeftButton);
    });
}

} // namespace

void TestArchiveWindow::init()
{
    m_dir = std::make_unique<WorkDir>();
    writeFile(u"se"_s, smallArchive());
}

void TestArchiveWindow::cleanup()
{
    m_window.reset();
    m_dir.reset();
}

void TestArchiveWindow::statePanel_data()
{
    QTest::addColumn<QByteArray>("archive");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("newest");
    QFile sample(QStringLiteral(ENALOTTO_SAMPLE_ARCHIVE));
    QVERIFY(sample.open(QIODevice::ReadOnly));
    QTest::newRow("sample")
        << sample.readAll()
        << u"4202 estrazioni, dal 03DIC1997 al 23MAG2026. L'archivio è in ordine."_s
        << u"23MAG2026"_s;
    QTest::newRow("damaged") << smallArchive() + "24MAG"
                             << u"Problemi (1): il file termina con un frammento di 5 byte"_s
                             << u"23MAG2026"_s;
}

void TestArchiveWindow::statePanel()
{
    QFETCH(QByteArray, archive);
    QFETCH(QString, state);
    QFETCH(QString, newest);
    writeFile(u"se"_s, archive);
    open();
    QVERIFY2(text("state").contains(state), qPrintable(text("state")));
    auto *table = child<QTableWidget>(m_window.get(), "newest");
    QCOMPARE(table->rowCount(), std::min(20, int(archive.size() / 25)));
    QCOMPARE(table->item(0, 0)->text(), newest);
}

void TestArchiveWindow::proposedDate_data()
{
    QTest::addColumn<QByteArray>("newest");
    QTest::addColumn<QString>("proposed");
    QTest::newRow("after-saturday") << QByteArray("23MAG2026") << u"26/05/2026"_s; // Tuesday
    QTest::newRow("after-tuesday") << QByteArray("26MAG2026") << u"28/05/2026"_s;  // Thursday
    QTest::newRow("after-thursday") << QByteArray("28MAG2026") << u"29/05/2026"_s; // Friday
}

void TestArchiveWindow::proposedDate()
{
    QFETCH(QByteArray, newest);
    QFETCH(QString, proposed);
    writeFile(u"se"_s, record(newest.constData(), "010203040506", "07", "08"));
    open();
    QCOMPARE(field("date")->text(), proposed);
}

void TestArchiveWindow::addIsEnabledOnlyForAValidDraw_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("problem");
    QTest::newRow("valid") << 0 << u"26/05/2026"_s << QString();
    QTest::newRow("no-such-day") << 0 << u"31/06/2026"_s << u"non esiste"_s;
    QTest::newRow("not-after-newest") << 0 << u"23/05/2026"_s << u"non è dopo l'ultima"_s;
    QTest::newRow("future") << 0 << u"26/05/2036"_s << u"dopo oggi"_s;
    QTest::newRow("number-missing") << 3 << QString() << u"manca il 3o numero"_s;
    QTest::newRow("number-out-of-range") << 2 << u"91"_s << u"il numero 91 non è tra 1 e 90"_s;
    QTest::newRow("number-repeated") << 6 << u"1"_s << u"il numero 1 è ripetuto"_s;
    QTest::newRow("jolly-missing") << 7 << QString() << u"manca il Jolly"_s;
    QTest::newRow("jolly-among-six") << 7 << u"6"_s << u"anche tra i sei numeri"_s;
    QTest::newRow("superstar-missing") << 8 << QString() << u"manca il SuperStar"_s;
}

void TestArchiveWindow::addIsEnabledOnlyForAValidDraw()
{
    QFETCH(int, index);
    QFETCH(QString, value);
    QFETCH(QString, problem);
    open();
    QStringList draw = ValidDraw;
    draw[index] = value;
    typeDraw(draw);
    QCOMPARE(button("add")->isEnabled(), problem.isEmpty());
    QVERIFY2(text("addProblem").contains(problem), qPrintable(text("addProblem")));
    if (!problem.isEmpty())
        QVERIFY(!text("addProblem").isEmpty());
}

void TestArchiveWindow::addedDrawShowsInTable()
{
    open();
    typeDraw(ValidDraw);
    QTest::mouseClick(button("add"), Qt::LeftButton);
    QVERIFY2(text("message").startsWith(u"Aggiunta l'estrazione del 26/05/2026."_s),
             qPrintable(text("message")));
    QVERIFY(text("message").contains(u"al prossimo avvio"_s));
    auto *table = child<QTableWidget>(m_window.get(), "newest");
    QCOMPARE(table->item(0, 0)->text(), u"26MAG2026"_s);
    QCOMPARE(table->item(0, 8)->text(), u"08"_s);
    QCOMPARE(readFile(u"se"_s), smallArchive() + record("26MAG2026", "010203040506", "07", "08"));
    QCOMPARE(field("date")->text(), u"28/05/2026"_s); // the next draw day is proposed
}

void TestArchiveWindow::importAfterPreview()
{
    writeFile(u"file.csv"_s, "data;n1;n2;n3;n4;n5;n6;jolly;superstar\n"
                             "21/05/2026;11;12;13;14;15;16;17;19\n" // disagrees
                             "26/05/2026;1;2;3;4;5;6;7;8\n"
                             "28/05/2026;1;2;3;4;5;;7;8\n"); // unusable
    m_file = u"file.csv"_s;
    open();
    QVERIFY(!button("import")->isEnabled());
    QTest::mouseClick(button("chooseImport"), Qt::LeftButton);
    const QString preview = text("preview");
    QVERIFY2(preview.contains(u"Estrazioni nuove: 1; già presenti: 0."_s), qPrintable(preview));
    QVERIFY(
        preview.contains(u"riga 2: il 21/05/2026 è diverso; archivio 11 12 13 14 15 16, Jolly "
                         "17, SuperStar 18, file 11 12 13 14 15 16, Jolly 17, SuperStar 19."_s));
    QVERIFY(preview.contains(u"Prima riga inutilizzabile: riga 4: numero 6 vuoto"_s));
    QCOMPARE(readFile(u"se"_s), smallArchive()); // nothing written by the preview
    QTest::mouseClick(button("import"), Qt::LeftButton);
    QVERIFY2(text("message").startsWith(u"Importate 1 estrazioni."_s), qPrintable(text("message")));
    QCOMPARE(readFile(u"se"_s), smallArchive() + record("26MAG2026", "010203040506", "07", "08"));
    QVERIFY(!button("import")->isEnabled());
}

void TestArchiveWindow::archiveChangedSincePreview()
{
    writeFile(u"file.csv"_s, "26/05/2026;1;2;3;4;5;6;7;8\n");
    m_file = u"file.csv"_s;
    open();
    QTest::mouseClick(button("chooseImport"), Qt::LeftButton);
    QVERIFY(button("import")->isEnabled());
    // The command-line tool adds the same draw meanwhile.
    const QByteArray changed = smallArchive() + record("26MAG2026", "010203040506", "07", "08");
    writeFile(u"se"_s, changed);
    QTest::mouseClick(button("import"), Qt::LeftButton);
    QVERIFY2(text("preview").startsWith(u"L'archivio è cambiato dopo l'anteprima"_s),
             qPrintable(text("preview")));
    QVERIFY(text("preview").contains(u"Estrazioni nuove: 0; già presenti: 1."_s));
    QCOMPARE(readFile(u"se"_s), changed);
    QVERIFY(!button("import")->isEnabled());
}

void TestArchiveWindow::undoAfterConfirmation()
{
    open();
    QTest::mouseClick(button("undo"), Qt::LeftButton);
    QCOMPARE(text("message"), u"Non c'è nessuna modifica da annullare."_s);
    typeDraw(ValidDraw);
    QTest::mouseClick(button("add"), Qt::LeftButton);
    answerNextQuestion(QMessageBox::No);
    QTest::mouseClick(button("undo"), Qt::LeftButton);
    QCOMPARE(readFile(u"se"_s).size(), smallArchive().size() + 25); // declined: nothing changes
    answerNextQuestion(QMessageBox::Yes);
    QTest::mouseClick(button("undo"), Qt::LeftButton);
    QCOMPARE(readFile(u"se"_s), smallArchive());
    QVERIFY2(text("message").startsWith(u"Tolte 1 estrazioni. Se il programma delle estrazioni "
                                        "è aperto, va riavviato"_s),
             qPrintable(text("message")));
    QCOMPARE(child<QTableWidget>(m_window.get(), "newest")->item(0, 0)->text(), u"23MAG2026"_s);
}

void TestArchiveWindow::exportNeverOntoTheArchive()
{
    open();
    m_file = u"se"_s;
    QTest::mouseClick(button("export"), Qt::LeftButton);
    QVERIFY(text("message").contains(u"è un archivio delle estrazioni"_s));
    QCOMPARE(readFile(u"se"_s), smallArchive());
    m_file = u"estrazioni.csv"_s;
    QTest::mouseClick(button("export"), Qt::LeftButton);
    QCOMPARE(text("message"), u"Esportate 3 estrazioni in \"estrazioni.csv\"."_s);
    QVERIFY(readFile(u"estrazioni.csv"_s).endsWith("2026-05-23;21;22;23;24;25;26;27;28\n"));
}

void TestArchiveWindow::failedWriteSaysSoAndKeepsArchive()
{
    writeFile(u"se"_s, yearOfRecords(2025, 40)); // 1000 bytes, newest 2025
    open();
    typeDraw({u"06/01/2026"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"7"_s, u"8"_s});
    QVERIFY(button("add")->isEnabled());
    {
        const FileSizeLimit limit(1010); // the backup fits, the longer archive does not
        QVERIFY(limit.active());
        QTest::mouseClick(button("add"), Qt::LeftButton);
    }
    QVERIFY2(text("message").contains(u"è rimasto com'era"_s), qPrintable(text("message")));
    QCOMPARE(readFile(u"se"_s), yearOfRecords(2025, 40));
}

QTEST_MAIN(TestArchiveWindow)
#include "tst_archivewindow.moc"
