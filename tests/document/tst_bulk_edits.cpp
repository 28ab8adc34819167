// Replace All and Swap Columns: edits of every icon row at once.
#include "commands/ColumnSwap.h"
#include "commands/ReplaceAll.h"
#include "edits/Document.h"
#include "model/SectionRow.h"

#include <QSignalSpy>
#include <QTest>

using namespace ulvanta;

class BulkEditsTest : public QObject {
    Q_OBJECT
private slots:
    void replacesInOneCell_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("find");
        QTest::addColumn<QString>("with");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<QString>("expected");
        const auto add = [](const char* tag, const char* text, const char* find, const char* with,
                            bool matchCase, const char* expected) {
            QTest::newRow(tag) << text << find << with << matchCase << expected;
        };
        const char* path = "C:\\Windows\\NOTEPAD.EXE";
        add("any case", path, "notepad", "wordpad", false, "C:\\Windows\\wordpad.EXE");
        add("match case misses", path, "notepad", "wordpad", true, path);
        add("no rescanning", "banana", "a", "aa", false, "baanaanaa");
        add("no overlapping", "aaaaa", "aa", "b", true, "bba");
        add("accented letters", "ÉCOLE école", "école", "x", false, "x x");
        add("empty find fills", "", "", "C:\\Tools", false, "C:\\Tools");
        add("empty find keeps", "C:\\Work", "", "C:\\Tools", false, "C:\\Work");
    }
    void replacesInOneCell() {
        QFETCH(QString, text);
        QFETCH(QString, find);
        QFETCH(QString, with);
        QFETCH(bool, matchCase);
        QTEST(replaceInCell(text, find, with, matchCase), "expected");
    }

    // "replace <find> <list columns>" puts "x" for the find text, any case;
    // "swap|move|copy <first> <second>" take the Swap Columns dialog's columns.
    void changesEveryIconRow_data() {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("after"); // each icon row's cells; empty: as they were
        QTest::addColumn<bool>("done");
        const auto add = [](const char* tag, const char* edit, const char* after, bool done) {
            QTest::newRow(tag) << edit << after << done;
        };
        add("replace in chosen columns", "replace note 1,6", "Note|x.exe|-a||I|note|a x", true);
        add("run never searched", "replace note 5", "", false);
        add("no match still changes", "replace zzz 0", "", true);
        add("swap", "swap 0 1", "note.exe|Note|-a||I|note|a note", true);
        add("move parameters to comments", "move 2 5", "Note|note.exe|||I|note|-a", true);
        add("copy icon to comments", "copy 4 5", "Note|note.exe|-a||I|note|I", true);
        add("same column refused", "move 2 2", "", false);
        add("unknown column refused", "copy 0 6", "", false);
    }
    void changesEveryIconRow() {
        QFETCH(QString, edit);
        QFETCH(QString, after);
        QFETCH(bool, done);
        const ItemRow icon{"Note", "note.exe", "-a", "", "I", "note", "a note"};
        const ItemRow section{
            SectionRow::compose("note", "5", "32", true, false), "", "", "", "", "", "note"};
        // Rows past 16-bit numbers are edited too.
        std::vector<ItemRow> rows(40000, icon);
        rows[1] = section;
        Document doc;
        doc.items().appendItems(std::move(rows));
        QSignalSpy spy(&doc.items(), &QAbstractItemModel::dataChanged);
        const auto cells = [&doc](int r) {
            const ItemRow row = doc.items().row(r);
            return QStringList(row.begin(), row.end()).join('|');
        };
        const bool changes = !after.isEmpty();
        if (!changes)
            after = cells(0);
        const QStringList e = edit.split(' ');
        std::vector<int> columns;
        for (const QString& c : e.value(2).split(',', Qt::SkipEmptyParts))
            columns.push_back(c.toInt());
        const int op = QStringList{"swap", "move", "copy"}.indexOf(e[0]);
        QCOMPARE(op < 0 ? replaceAll(doc, {e[1], "x", false, columns})
                        : swapColumns(doc, ColumnOperation(op), e[1].toInt(), e[2].toInt()),
                 done);
        QCOMPARE(doc.isModified(), done);
        QCOMPARE(cells(0), after);
        QCOMPARE(doc.items().row(1), section);
        QCOMPARE(cells(39999), after);
        // Changed cells are reported at once; an edit that changed none reports nothing.
        QCOMPARE(spy.count(), changes ? 1 : 0);
    }

    void swapKeepsTheSecondColumnOffTheFirst_data() {
        // "F<n>" chooses the first column, "S<n>" the second.
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::newRow("other first keeps the second") << QStringList{"F3"} << 3 << 1;
        QTest::newRow("second cannot be the first") << QStringList{"F4", "S4"} << 4 << 1;
        QTest::newRow("first onto a chosen second") << QStringList{"S5", "F5"} << 5 << 0;
    }
    void swapKeepsTheSecondColumnOffTheFirst() {
        QFETCH(QStringList, steps);
        SwapChoice c;
        for (const QString& s : steps)
            s.startsWith(u'F') ? c.chooseFirst(s.mid(1).toInt()) : c.chooseSecond(s.mid(1).toInt());
        QTEST(c.first(), "first");
        QTEST(c.second(), "second");
    }
};

QTEST_GUILESS_MAIN(BulkEditsTest)
#include "tst_bulk_edits.moc"
