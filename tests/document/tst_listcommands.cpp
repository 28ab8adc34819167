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
    ItemRow r;
    r[0] = text;
    if (!text.startsWith(QLatin1String("SECTION:")))
        for (int c = 1; c < ItemColumnCount; ++c)
            r[size_t(c)] = text + QLatin1Char('.') + QString::number(c);
    return r;
}

struct Fixture {
    explicit Fixture(const QStringList& rows, int current = -1) {
        std::vector<ItemRow> v;
        for (const QString& t : rows)
            v.push_back(makeRow(t));
        doc.items().appendItems(std::move(v));
        if (current >= 0)
            selection.setCurrentIndex(doc.items().index(current, 0),
                                      QItemSelectionModel::ClearAndSelect |
                                          QItemSelectionModel::Rows);
    }
    QStringList texts() const {
        QStringList out;
        for (int i = 0; i < doc.items().count(); ++i)
            out << doc.items().cell(i, 0);
        return out;
    }
    bool rowsIntact() const {
        for (int i = 0; i < doc.items().count(); ++i)
            if (doc.items().row(i) != makeRow(doc.items().cell(i, 0)))
                return false;
        return true;
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
    void moves_data();
    void moves();
    void deleteRemovesOnlyTheCurrentRow_data();
    void deleteRemovesOnlyTheCurrentRow();
    void copyAndPasteAppendsTheCurrentRow();
    void editorDependsOnTheExactSectionMarker_data();
    void editorDependsOnTheExactSectionMarker();
    void commandsShowTheIconsTabAndRefreshMenus();
};

void ListCommandsTest::moves_data() {
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("current");
    QTest::addColumn<bool>("down");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("expectedCurrent");

    const QStringList swapped = {"A", "SECTION:two", "D", "E", "SECTION:one", "B", "C"};
    QTest::newRow("section down past the next block") << kExample << 1 << true << swapped << 4;
    QTest::newRow("section up past the block above") << kExample << 4 << false << swapped << 1;
    QTest::newRow("heading-only block down")
        << QStringList{"A", "SECTION:one", "SECTION:two", "D"} << 1 << true
        << QStringList{"A", "SECTION:two", "D", "SECTION:one"} << 3;
    QTest::newRow("up past a heading-only block")
        << QStringList{"A", "SECTION:one", "SECTION:two", "D"} << 2 << false
        << QStringList{"A", "SECTION:two", "D", "SECTION:one"} << 1;
    QTest::newRow("middle section up, later block untouched")
        << QStringList{"SECTION:a", "x", "SECTION:b", "y", "z", "SECTION:c", "w"} << 2 << false
        << QStringList{"SECTION:b", "y", "z", "SECTION:a", "x", "SECTION:c", "w"} << 0;
    QTest::newRow("icon leaves its section upwards")
        << kExample << 2 << false
        << QStringList{"A", "B", "SECTION:one", "C", "SECTION:two", "D", "E"} << 1;
    QTest::newRow("icon leaves its section downwards")
        << kExample << 3 << true
        << QStringList{"A", "SECTION:one", "B", "SECTION:two", "C", "D", "E"} << 4;
    QTest::newRow("icon joins the section below")
        << kExample << 0 << true
        << QStringList{"SECTION:one", "A", "B", "C", "SECTION:two", "D", "E"} << 1;
    QTest::newRow("icon within its section")
        << kExample << 5 << true
        << QStringList{"A", "SECTION:one", "B", "C", "SECTION:two", "E", "D"} << 6;
    // Refused moves: the list, the current row and the changed flag stay.
    QTest::newRow("first row up") << kExample << 0 << false << kExample << 0;
    QTest::newRow("last row down") << kExample << 6 << true << kExample << 6;
    QTest::newRow("first section up over plain icons") << kExample << 1 << false << kExample << 1;
    QTest::newRow("last section down") << kExample << 4 << true << kExample << 4;
}

void ListCommandsTest::moves() {
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
    QVERIFY(f.rowsIntact());
    QCOMPARE(f.cmds.currentRow(), expectedCurrent);
    QCOMPARE(f.selectedRows(), QList<int>{expectedCurrent});
    const bool changes = expected != rows;
    QCOMPARE(f.doc.Changed, changes);
    // A move is one reordering of the model, never row-by-row removal.
    QCOMPARE(moved.count(), changes ? 1 : 0);
    QCOMPARE(removed.count(), 0);
}

void ListCommandsTest::deleteRemovesOnlyTheCurrentRow_data() {
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("current");
    QTest::addColumn<QList<int>>("alsoSelected");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("expectedCurrent");

    QTest::newRow("three selected, current removed, row 1 current")
        << QStringList{"A", "B", "C", "D"} << 2 << QList<int>{1, 3} << true
        << QStringList{"A", "B", "D"} << 0;
    QTest::newRow("answer No keeps everything") << QStringList{"A", "B", "C"} << 1 << QList<int>{}
                                                << false << QStringList{"A", "B", "C"} << 1;
    QTest::newRow("section row goes alone") << QStringList{"A", "SECTION:one", "B"} << 1
                                            << QList<int>{} << true << QStringList{"A", "B"} << 0;
    QTest::newRow("only row leaves an empty list")
        << QStringList{"A"} << 0 << QList<int>{} << true << QStringList{} << -1;
}

void ListCommandsTest::deleteRemovesOnlyTheCurrentRow() {
    QFETCH(QStringList, rows);
    QFETCH(int, current);
    QFETCH(QList<int>, alsoSelected);
    QFETCH(bool, yes);
    QFETCH(QStringList, expected);
    QFETCH(int, expectedCurrent);

    Fixture f(rows, current);
    for (int r : alsoSelected)
        f.selection.select(f.doc.items().index(r, 0),
                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
    f.prompter.answers.push_back(yes ? PromptAnswer::Yes : PromptAnswer::No);
    f.cmds.Delete();

    QCOMPARE(f.prompter.messages.size(), 1);
    const auto& m = f.prompter.messages.first();
    QCOMPARE(m.text, QStringLiteral("Are you sure you want to delete the selected item?"));
    QCOMPARE(m.title, QStringLiteral("Delete Icon(s)"));
    QCOMPARE(m.icon, PromptIcon::Question);
    QCOMPARE(m.buttons, PromptButtons::YesNo);
    QCOMPARE(m.defaultButton, PromptAnswer::Yes);

    QCOMPARE(f.texts(), expected);
    QVERIFY(f.rowsIntact());
    QCOMPARE(f.doc.Changed, yes);
    QCOMPARE(f.cmds.currentRow(), expectedCurrent);
    if (yes)
        QCOMPARE(f.selectedRows(),
                 expectedCurrent < 0 ? QList<int>{} : QList<int>{expectedCurrent});
}

void ListCommandsTest::copyAndPasteAppendsTheCurrentRow() {
    Fixture f({"A", "SECTION:one", "B"}, 1);
    f.selection.select(f.doc.items().index(2, 0),
                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
    f.cmds.CopyAndPaste();
    QCOMPARE(f.texts(), (QStringList{"A", "SECTION:one", "B", "SECTION:one"}));
    QCOMPARE(f.doc.items().row(3), f.doc.items().row(1));
    QCOMPARE(f.cmds.currentRow(), 1);
    QCOMPARE(f.selectedRows(), QList<int>{1}); // the copy is not selected
    QVERIFY(f.doc.Changed);
}

void ListCommandsTest::editorDependsOnTheExactSectionMarker_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("editor");
    QTest::newRow("section marker")
        << "SECTION:Tools;Columns:5" << int(ListCommands::Editor::Section);
    QTest::newRow("lower case") << "section:Tools" << int(ListCommands::Editor::Icon);
    QTest::newRow("leading blank") << " SECTION:Tools" << int(ListCommands::Editor::Icon);
    QTest::newRow("icon") << "Editor" << int(ListCommands::Editor::Icon);
}

void ListCommandsTest::editorDependsOnTheExactSectionMarker() {
    QFETCH(QString, text);
    QFETCH(int, editor);
    Fixture f({text}, 0);
    QCOMPARE(int(f.cmds.editorFor(0)), editor);
    QCOMPARE(f.cmds.editorFor(1), ListCommands::Editor::None);
}

void ListCommandsTest::commandsShowTheIconsTabAndRefreshMenus() {
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

QTEST_GUILESS_MAIN(ListCommandsTest)
#include "tst_listcommands.moc"
