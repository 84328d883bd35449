// The archive tool's commands, as run in tests/data/archive/tool-runs.txt; undo and export.
#include "archive/numberstats.h"
#include "toolrun.h"

using namespace enalotto;

class TestArchiveTool : public QObject
{
    Q_OBJECT

private slots:
    void commands_data() { runRows("tool-runs.txt"); }
    void commands()
    {
        WorkDir dir;
        runCurrentRow();
    }
    void undoAndExportOntoACopy();
    void numberStatsByHand();
};

void TestArchiveTool::undoAndExportOntoACopy()
{
    WorkDir dir;
    writeFile(u"se"_s, smallArchive());
    QVERIFY(tool(u"annulla"_s).said.contains(u"nessuna modifica da annullare"_s));
    QCOMPARE(tool(u"aggiungi 06/01/2026 1 2 3 4 5 6 7 8"_s).status, 0);
    // A copy of the archive under another name is an archive all the same.
    QVERIFY(QFile::copy(u"se"_s, u"copia"_s));
    QCOMPARE(tool(u"esporta copia"_s).status, 1);
    QCOMPARE(readFile(u"copia"_s), readFile(u"se"_s));
    // Any other file is written over: an empty one, records whose first date is unreadable.
    for (const QByteArray &other : {QByteArray(), record(" 1GEN2026", "010203040506", "07")}) {
        writeFile(u"altro"_s, other);
        QCOMPARE(tool(u"esporta altro"_s).status, 0);
    }
    const ToolRun undo = tool(u"annulla"_s);
    QVERIFY2(undo.said.contains(u"tolte 1 estrazioni; ora l'archivio ha 5"_s),
             qPrintable(undo.said));
    QCOMPARE(readFile(u"se"_s), smallArchive());
    QVERIFY(!QFile::exists(u"se.bak"_s));
    QVERIFY(tool(u"annulla"_s).said.contains(u"nessuna modifica da annullare"_s)); // one level

    // Undoing the creation of an archive takes it away again.
    QVERIFY(QFile::remove(u"se"_s));
    QCOMPARE(tool(u"aggiungi 06/01/2026 1 2 3 4 5 6 7 8 --crea"_s).status, 0);
    QVERIFY(tool(u"annulla"_s).said.contains(u"tolte 1 estrazioni; ora l'archivio ha 0"_s));
    QVERIFY(!QFile::exists(u"se"_s));
}

void TestArchiveTool::numberStatsByHand()
{
    // Draws as value lists: a value twice in a draw counts once, one outside 0-90 not at all.
    const NumberTable s = numberStats({{1, 2}, {3, 3, 91, -1}, {1, 90}, {0}, {2}});
    const auto figures = [&](size_t v) {
        return QVector<int>{s[v].count, s[v].currentDelay, s[v].longestDelay};
    };
    QCOMPARE(figures(1), (QVector<int>{2, 2, 2})); // out in draws 1 and 3 of 5
    QCOMPARE(figures(2), (QVector<int>{2, 0, 3})); // absent in draws 2, 3 and 4
    QCOMPARE(figures(3), (QVector<int>{1, 3, 3}));
    QCOMPARE(figures(4), (QVector<int>{0, 5, 5}));
    QCOMPARE(figures(0), (QVector<int>{1, 1, 3}));
    QCOMPARE(figures(90), (QVector<int>{1, 2, 2}));
}

QTEST_GUILESS_MAIN(TestArchiveTool)
#include "tst_archivetool.moc"
