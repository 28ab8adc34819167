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
        const QStringList swapped = {"A", "SECTION:two", "D", "E", "SECTION:one", "B", "C"};
        const QStringList headingOnly = {"A", "SECTION:one", "SECTION:two", "D"};
        QTest::newRow("section down past the next block") << kExample << 1 << true << swapped << 4;
        QTest::newRow("section up past the block above") << kExample << 4 << false << swapped << 1;
        QTest::newRow("heading-only block down")
            << headingOnly << 1 << true << QStringList{"A", "SECTION:two", "D", "SECTION:one"} << 3;
        QTest::newRow("middle section up, later block untouched")
            << QStringList{"SECTION:a", "x", "SECTION:b", "y", "z", "SECTION:c", "w"} << 2 << false
            << QStringList{"SECTION:b", "y", "z", "SECTION:a", "x", "SECTION:c", "w"} << 0;
        QTest::newRow("icon leaves its section upwards")
            << kExample << 2 << false
            << QStringList{"A", "B", "SECTION:one", "C", "SECTION:two", "D", "E"} << 1;
        QTest::newRow("icon joins the section below")
            << kExample << 0 << true
            << QStringList{"SECTION:one", "A", "B", "C", "SECTION:two", "D", "E"} << 1;
        // Refused moves: the list, the current row and the changed flag stay.
        QTest::newRow("first row up") << kExample << 0 << false << kExample << 0;
        QTest::newRow("last row down") << kExample << 6 << true << kExample << 6;
        QTest::newRow("first section up over icons") << kExample << 1 << false << kExample << 1;
        QTest::newRow("last section down") << kExample << 4 << true << kExample << 4;
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
        down ? f.cmds.MoveDown() : f.cmds.MoveUp();
        QCOMPARE(f.texts(), expected);
        QCOMPARE(f.cmds.currentRow(), expectedCurrent);
        QCOMPARE(f.selectedRows(), QList<int>{expectedCurrent});
        const bool changes = expected != rows;
        QCOMPARE(f.doc.Changed, changes);
        // A move is one reordering of the model, never row-by-row removal.
        QCOMPARE(moved.count(), changes ? 1 : 0);
        QCOMPARE(removed.count(), 0);
    }

    void deleteRemovesOnlyTheCurrentRow_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("expectedCurrent");
        // Row 2 is current, rows 1 and 3 are selected as well.
        QTest::newRow("yes") << QStringList{"A", "B", "C", "D"} << true
                             << QStringList{"A", "B", "D"} << 0;
        QTest::newRow("no") << QStringList{"A", "B", "C", "D"} << false
                            << QStringList{"A", "B", "C", "D"} << 2;
        QTest::newRow("section row goes alone")
            << QStringList{"A", "B", "SECTION:one", "C"} << true << QStringList{"A", "B", "C"} << 0;
    }
    void deleteRemovesOnlyTheCurrentRow() {
        QFETCH(QStringList, rows);
        QFETCH(bool, yes);
        QFETCH(QStringList, expected);
        QFETCH(int, expectedCurrent);
        Fixture f(rows, 2);
        f.alsoSelect(1);
        f.alsoSelect(3);
        f.prompter.answers.push_back(yes ? PromptAnswer::Yes : PromptAnswer::No);
        f.cmds.Delete();
        QCOMPARE(f.prompter.messages.size(), 1);
        const auto& m = f.prompter.messages.first();
        QCOMPARE(m.text, QStringLiteral("Are you sure you want to delete the selected item?"));
        QCOMPARE(m.title, QStringLiteral("Delete Icon(s)"));
        QCOMPARE(m.buttons, PromptButtons::YesNo);
        QCOMPARE(m.defaultButton, PromptAnswer::Yes);
        QCOMPARE(f.texts(), expected);
        QCOMPARE(f.doc.Changed, yes);
        QCOMPARE(f.cmds.currentRow(), expectedCurrent);
        if (yes)
            QCOMPARE(f.selectedRows(), QList<int>{expectedCurrent});
    }

    void deletingTheOnlyRowLeavesNoCurrentRow() {
        Fixture f({"A"}, 0);
        f.prompter.answers.push_back(PromptAnswer::Yes);
        f.cmds.Delete();
        QCOMPARE(f.doc.items().count(), 0);
        QCOMPARE(f.cmds.currentRow(), -1);
        QVERIFY(f.selectedRows().isEmpty());
    }

    void copyAndPasteAppendsTheCurrentRow() {
        Fixture f({"A", "SECTION:one", "B"}, 1);
        f.alsoSelect(2);
        f.cmds.CopyAndPaste();
        QCOMPARE(f.texts(), (QStringList{"A", "SECTION:one", "B", "SECTION:one"}));
        QCOMPARE(f.cmds.currentRow(), 1);
        QCOMPARE(f.selectedRows(), QList<int>{1}); // the copy is not selected
        QVERIFY(f.doc.Changed);
    }

    void editorDependsOnTheExactSectionMarker() {
        Fixture f({"SECTION:Tools;Columns:5", "section:Tools", " SECTION:Tools"}, 0);
        QCOMPARE(f.cmds.editorFor(0), ListCommands::Editor::Section);
        QCOMPARE(f.cmds.editorFor(1), ListCommands::Editor::Icon);
        QCOMPARE(f.cmds.editorFor(2), ListCommands::Editor::Icon);
        QCOMPARE(f.cmds.editorFor(3), ListCommands::Editor::None);
    }

    void commandsShowTheIconsTabAndRefreshMenus() {
        Fixture f(kExample, 2);
        QSignalSpy tabs(&f.doc, &Document::tabRequested);
        QSignalSpy menus(&f.doc, &Document::checkmenusRequested);
        // The menus are recomputed once the new current row is in place.
        int currentWhenRefreshed = -2;
        connect(&f.doc, &Document::checkmenusRequested, this,
                [&] { currentWhenRefreshed = f.cmds.currentRow(); });
        f.cmds.MoveDown();
        QCOMPARE(tabs.count(), 1);
        QCOMPARE(tabs.first().first().toInt(), 0);
        QCOMPARE(menus.count(), 1);
        QCOMPARE(currentWhenRefreshed, 3);
    }
};

QTEST_GUILESS_MAIN(ListCommandsTest)
#include "tst_listcommands.moc"
