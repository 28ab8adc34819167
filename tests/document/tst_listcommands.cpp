#include "ScriptedPrompter.h"
#include "document/Document.h"
#include "document/ListCommands.h"

#include <QItemSelectionModel>
#include <QSignalSpy>
#include <QTest>

using namespace ulvanta;

namespace {
// A row whose other columns are derived from its description, so a test sees
// whole rows travel together.
ItemRow makeRow(const QString& text) {
    ItemRow r{text};
    if (!text.startsWith(QLatin1String("SECTION:")))
        for (int c = 1; c < ItemColumnCount; ++c)
            r[size_t(c)] = text + QLatin1Char('.') + QString::number(c);
    return r;
}

struct Fixture {
    explicit Fixture(const QStringList& rows, int current) {
        std::vector<ItemRow> v;
        for (const QString& t : rows)
            v.push_back(makeRow(t));
        doc.items().appendItems(std::move(v));
        selection.setCurrentIndex(doc.items().index(current, 0),
                                  QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    void alsoSelect(int row) {
        selection.select(doc.items().index(row, 0),
                         QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    // The descriptions, after checking that every row still holds its own columns.
    QStringList texts() const {
        QStringList out;
        for (int i = 0; i < doc.items().count(); ++i) {
            out << doc.items().cell(i, 0);
            if (doc.items().row(i) != makeRow(out.last()))
                out.last() += " (torn)";
        }
        return out;
    }
    QList<int> selectedRows() const {
        QList<int> out;
        for (const QModelIndex& i : selection.selectedRows())
            out << i.row();
        std::sort(out.begin(), out.end());
        return out;
    }

    Document doc;
    test::ScriptedPrompter prompter;
    QItemSelectionModel selection{&doc.items()};
    ListCommands cmds{doc, prompter, &selection};
};

const QStringList kExample = {"A", "SECTION:one", "B", "C", "SECTION:two", "D", "E"};
} // namespace

class ListCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void moves_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("current");
        QTest::addColumn<bool>("down");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("expectedCurrent");
        const auto row = [](const char* tag, const QStringList& rows, int current, bool down,
                            const QStringList& expected, int expectedCurrent) {
            QTest::newRow(tag) << rows << current << down << expected << expectedCurrent;
        };
        // Block a and the heading-only b trade places either way; c stays.
        const QStringList three = {"SECTION:a", "x", "SECTION:b", "SECTION:c", "w"};
        const QStringList swapped = {"SECTION:b", "SECTION:a", "x", "SECTION:c", "w"};
        row("section down past the next block", three, 0, true, swapped, 1);
        row("section up past the block above", three, 2, false, swapped, 0);
        row("icon leaves its section upwards", kExample, 2, false,
            {"A", "B", "SECTION:one", "C", "SECTION:two", "D", "E"}, 1);
        row("icon joins the section below", kExample, 0, true,
            {"SECTION:one", "A", "B", "C", "SECTION:two", "D", "E"}, 1);
        // Refused moves: the list, the current row and the changed flag stay.
        row("first row up", kExample, 0, false, kExample, 0);
        row("last row down", kExample, 6, true, kExample, 6);
        row("first section up over icons", kExample, 1, false, kExample, 1);
        row("last section down", kExample, 4, true, kExample, 4);
    }
    void moves() {
        QFETCH(QStringList, rows);
        QFETCH(int, current);
        QFETCH(bool, down);
        QFETCH(QStringList, expected);
        QFETCH(int, expectedCurrent);
        Fixture f(rows, current);
        QSignalSpy moved(&f.doc.items(), &QAbstractItemModel::rowsMoved);
        QSignalSpy removed(&f.doc.items(), &QAbstractItemModel::rowsRemoved);
        // The menus are recomputed once the new current row is in place.
        QList<int> currentAtRefresh;
        connect(&f.doc, &Document::actionUpdateRequested, this,
                [&] { currentAtRefresh << f.cmds.currentRow(); });
        down ? f.cmds.moveDown() : f.cmds.moveUp();
        QCOMPARE(f.texts(), expected);
        QCOMPARE(f.cmds.currentRow(), expectedCurrent);
        QCOMPARE(f.selectedRows(), QList<int>{expectedCurrent});
        const bool changes = expected != rows;
        QCOMPARE(f.doc.isModified(), changes);
        QCOMPARE(currentAtRefresh, changes ? QList<int>{expectedCurrent} : QList<int>{});
        // A move is one reordering of the model, never row-by-row removal.
        QCOMPARE(moved.count(), changes ? 1 : 0);
        QCOMPARE(removed.count(), 0);
    }

    void deleteRemovesOnlyTheCurrentRow_data() {
        QTest::addColumn<QStringList>("rows"); // row 2, or the only row, is current;
        QTest::addColumn<bool>("yes");         // its neighbours are selected as well
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("expectedCurrent");
        const QStringList four = {"A", "B", "C", "D"};
        QTest::newRow("yes") << four << true << QStringList{"A", "B", "D"} << 0;
        QTest::newRow("no") << four << false << four << 2;
        QTest::newRow("section row goes alone")
            << QStringList{"A", "B", "SECTION:one", "C"} << true << QStringList{"A", "B", "C"} << 0;
        QTest::newRow("the only row") << QStringList{"A"} << true << QStringList{} << -1;
    }
    void deleteRemovesOnlyTheCurrentRow() {
        QFETCH(QStringList, rows);
        QFETCH(bool, yes);
        QFETCH(QStringList, expected);
        QFETCH(int, expectedCurrent);
        const int current = rows.size() > 1 ? 2 : 0;
        Fixture f(rows, current);
        for (int neighbour : {current - 1, current + 1})
            if (neighbour >= 0 && neighbour < rows.size())
                f.alsoSelect(neighbour);
        f.prompter.answers.push_back(yes ? PromptAnswer::Yes : PromptAnswer::No);
        f.cmds.removeCurrent();
        QCOMPARE(f.prompter.messages.size(), 1);
        QCOMPARE(f.texts(), expected);
        QCOMPARE(f.doc.isModified(), yes);
        QCOMPARE(f.cmds.currentRow(), expectedCurrent);
        if (yes)
            QCOMPARE(f.selectedRows(), expected.isEmpty() ? QList<int>{} : QList<int>{0});
    }

    void copyAndPasteAppendsTheCurrentRow() {
        Fixture f({"A", "SECTION:one", "B"}, 1);
        f.alsoSelect(2);
        f.cmds.duplicateCurrent();
        QCOMPARE(f.texts(), (QStringList{"A", "SECTION:one", "B", "SECTION:one"}));
        QCOMPARE(f.cmds.currentRow(), 1);
        QCOMPARE(f.selectedRows(), QList<int>{1}); // the copy is not selected
        QVERIFY(f.doc.isModified());
    }

    void editorDependsOnTheExactSectionMarker() {
        Fixture f({"SECTION:Tools;Columns:5", "section:Tools", " SECTION:Tools"}, 0);
        QCOMPARE(f.cmds.editorFor(0), ListCommands::Editor::Section);
        QCOMPARE(f.cmds.editorFor(1), ListCommands::Editor::Icon);
        QCOMPARE(f.cmds.editorFor(2), ListCommands::Editor::Icon);
        QCOMPARE(f.cmds.editorFor(3), ListCommands::Editor::None);
    }
};

QTEST_GUILESS_MAIN(ListCommandsTest)
#include "tst_listcommands.moc"
