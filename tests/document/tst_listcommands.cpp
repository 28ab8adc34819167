#include "ScriptedPrompter.h"
#include "commands/ListController.h"
#include "edits/Document.h"
#include "model/PropertyTable.h"

#include <QAbstractItemModelTester>
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
    QAbstractItemModelTester itemsTester{&doc.items(),
                                         QAbstractItemModelTester::FailureReportingMode::QtTest};
    test::ScriptedPrompter prompter;
    QItemSelectionModel selection{&doc.items()};
    ListController cmds{doc, prompter, &selection};
};

const QStringList kExample = {"A", "SECTION:one", "B", "C", "SECTION:two", "D", "E"};

// Two sections; the icon "b" has a command that would read as a section heading.
QString shownCaption; // the window title as the window would show it

void fill(Document& doc) {
    doc.resetProperties();
    doc.items().appendItems(
        {{"SECTION:A"}, {"a", "x"}, {"b", "SECTION:y"}, {"SECTION:B"}, {"c", "z"}});
    doc.setSetting(Setting::Title, QStringLiteral("Doc"));
    // The window shows the caption anew whenever the document's name changes.
    shownCaption = doc.caption();
    QObject::connect(&doc, &Document::nameChanged, [&doc] { shownCaption = doc.caption(); });
}

// Everything an edit may change: every cell, every property whole, the caption.
QStringList snapshot(const Document& doc) {
    QStringList s{QString::number(doc.items().count()), shownCaption};
    for (int i = 0; i < doc.items().count(); ++i) {
        const ItemRow row = doc.items().row(i);
        s.append(QStringList(row.begin(), row.end()));
    }
    for (int n = 1; n <= PropertyTable::Count; ++n)
        s << doc.setting(PropertyTable::settingOf(n));
    return s;
}

// A step from words: its kind (also its text), then numbers and texts; a new row
// "n" has the Command "N".
EditStepPtr make(Document& d, const QString& recipe) {
    const QStringList w = recipe.split(u' ');
    const auto n = [&](int i) { return w[i].toInt(); };
    std::vector<ItemRow> rows;
    for (const QString& t : w.mid(2))
        rows.push_back({t, t.toUpper()});
    if (w[0] == "insert")
        return insertRowsStep(d, w[0], n(1), rows);
    if (w[0] == "remove")
        return removeRowsStep(d, w[0], n(1), n(2));
    if (w[0] == "replace")
        return replaceRowStep(d, w[0], n(1), rows.front());
    if (w[0] == "rotate")
        return rotateStep(d, w[0], n(1), n(2), n(3), w.size() > 4);
    if (w[0] == "swap")
        return swapColumnsStep(d, w[0], n(1), n(2));
    if (w[0] == "title")
        return changeSettingsStep(
            d, w[0], {{Setting::Title, w[1], {}}, {Setting::HeaderHtml, w[2], {}}}, true);
    if (w[0] == "reset")
        return resetSettingsStep(d, w[0]);
    std::vector<CellChange> cells; // ROW:COLUMN:TEXT
    for (const QString& t : w.mid(1)) {
        const int r = t.section(u':', 0, 0).toInt(), c = t.section(u':', 1, 1).toInt();
        cells.push_back({r, c, d.items().cell(r, c), t.section(u':', 2)});
    }
    return changeCellsStep(d, w[0], cells);
}

} // namespace

// The Edit menu's commands on the item list, and the history of edits that undoes
// and redoes every kind of step.
class ListCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void commandsActOnTheSelectedRows_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QList<int>>("selected"); // the current row first
        QTest::addColumn<QString>("command");     // Delete asks first: ", No" answers No
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QList<int>>("selectedAfter"); // the current row first
        const auto row = [](const char* tag, const QStringList& rows, const QList<int>& selected,
                            const char* command, const QStringList& expected,
                            const QList<int>& after) {
            QTest::newRow(tag) << rows << selected << command << expected << after;
        };
        // Block a and the heading-only b trade places either way; c stays.
        const QStringList three = {"SECTION:a", "x", "SECTION:b", "SECTION:c", "w"};
        const QStringList swapped = {"SECTION:b", "SECTION:a", "x", "SECTION:c", "w"};
        row("section down past the next block", three, {0}, "Move Down", swapped, {1});
        row("section up past the block above", three, {2}, "Move Up", swapped, {0});
        row("icon leaves its section upwards", kExample, {2}, "Move Up",
            {"A", "B", "SECTION:one", "C", "SECTION:two", "D", "E"}, {1});
        row("icon joins the section below", kExample, {0}, "Move Down",
            {"SECTION:one", "A", "B", "C", "SECTION:two", "D", "E"}, {1});
        // Refused moves: the list, the selection and the changed flag stay.
        row("first row up", kExample, {0}, "Move Up", kExample, {0});
        row("last row down", kExample, {6}, "Move Down", kExample, {6});
        row("first section up over icons", kExample, {1}, "Move Up", kExample, {1});
        row("last section down", kExample, {4}, "Move Down", kExample, {4});
        // After a delete the first row is current.
        const QStringList four = {"A", "B", "C", "D"};
        row("delete", four, {2}, "Delete", {"A", "B", "D"}, {0});
        row("delete answered No", four, {2}, "Delete, No", four, {2});
        row("section row deleted alone", {"A", "B", "SECTION:one", "C"}, {2}, "Delete",
            {"A", "B", "C"}, {0});
        row("delete the only row", {"A"}, {0}, "Delete", {}, {});
        row("copy and paste appends", {"A", "SECTION:one", "B"}, {1}, "Copy",
            {"A", "SECTION:one", "B", "SECTION:one"}, {1});
        // Several rows selected: one step over all of them.
        row("delete rows apart", kExample, {5, 0, 3}, "Delete",
            {"SECTION:one", "B", "SECTION:two", "E"}, {0});
        row("delete a selected section with its icons", kExample, {1, 6}, "Delete",
            {"A", "SECTION:two", "D"}, {0});
        row("delete every row", four, {0, 1, 2, 3}, "Delete", {}, {});
        row("copy rows apart in list order", kExample, {5, 0, 2}, "Copy",
            {"A", "SECTION:one", "B", "C", "SECTION:two", "D", "E", "A", "B", "D"}, {5, 0, 2});
        row("icons up as a block, out of their section", kExample, {3, 2}, "Move Up",
            {"A", "B", "C", "SECTION:one", "SECTION:two", "D", "E"}, {2, 1});
        row("icons at the end stay", kExample, {5, 6}, "Move Down", kExample, {5, 6});
        row("icons down into the next section", kExample, {2, 3}, "Move Down",
            {"A", "SECTION:one", "SECTION:two", "B", "C", "D", "E"}, {3, 4});
        row("two sections up as one block", {"SECTION:a", "x", "SECTION:b", "y", "SECTION:c"},
            {4, 2, 3}, "Move Up", {"SECTION:b", "y", "SECTION:c", "SECTION:a", "x"}, {2, 0, 1});
        row("rows apart stay", kExample, {0, 2}, "Move Down", kExample, {0, 2});
        row("icon with the section below stays", kExample, {3, 4}, "Move Up", kExample, {3, 4});
    }
    void commandsActOnTheSelectedRows() {
        QFETCH(QStringList, rows);
        QFETCH(QList<int>, selected);
        QFETCH(QString, command);
        QFETCH(QStringList, expected);
        QFETCH(QList<int>, selectedAfter);
        Fixture f(rows, selected.front());
        for (int r : selected)
            f.selection.select(f.doc.items().index(r, 0),
                               QItemSelectionModel::Select | QItemSelectionModel::Rows);
        f.prompter.answers = {command.endsWith("No") ? PromptAnswer::No : PromptAnswer::Yes};
        QSignalSpy moved(&f.doc.items(), &QAbstractItemModel::rowsMoved);
        QSignalSpy removed(&f.doc.items(), &QAbstractItemModel::rowsRemoved);
        // The menus are recomputed once the new current row is in place.
        QList<int> currentAtRefresh;
        connect(&f.doc, &Document::actionUpdateRequested, this,
                [&] { currentAtRefresh << f.cmds.currentRow(); });
        const QMap<QString, void (ListController::*)()> run{
            {"Move Up", &ListController::moveUp},
            {"Move Down", &ListController::moveDown},
            {"Copy", &ListController::duplicateSelected}};
        (f.cmds.*run.value(command, &ListController::removeSelected))();
        QCOMPARE(f.texts(), expected);
        const int current = selectedAfter.value(0, -1);
        QCOMPARE(f.cmds.currentRow(), current);
        std::sort(selectedAfter.begin(), selectedAfter.end());
        QCOMPARE(f.selectedRows(), selectedAfter);
        QCOMPARE(f.prompter.messages.size(), int(command.startsWith("Delete")));
        const bool changes = expected != rows;
        QCOMPARE(f.doc.isModified(), changes);
        QCOMPARE(currentAtRefresh, changes ? QList<int>{current} : QList<int>{});
        // A move is one reordering of the model, never row-by-row removal.
        QCOMPARE(moved.count(), int(changes && command.startsWith("Move")));
        QCOMPARE(removed.count(), int(changes && command == "Delete"));
        // One undo step, which brings back every row.
        QCOMPARE(f.doc.undoStack().count(), int(changes));
        f.doc.undoStack().undo();
        QCOMPARE(f.texts(), rows);
    }

    void editorDependsOnTheExactSectionMarker() {
        Fixture f({"SECTION:Tools;Columns:5", "section:Tools", " SECTION:Tools"}, 0);
        QCOMPARE(f.cmds.editorFor(0), ListController::Editor::Section);
        QCOMPARE(f.cmds.editorFor(1), ListController::Editor::Icon);
        QCOMPARE(f.cmds.editorFor(2), ListController::Editor::Icon);
        QCOMPARE(f.cmds.editorFor(3), ListController::Editor::None);
    }

    void undoAndRedoRestoreEachState_data() {
        QTest::addColumn<QString>("steps"); // separated by ";"
        QTest::addColumn<int>("saved");     // after this many steps
        QTest::addColumn<int>("undone");    // the current row after undo
        QTest::addColumn<QString>("title"); // in the window caption after the steps
        QTest::newRow("insert rows inside") << "insert 1 n m" << 0 << 1 << "Doc";
        QTest::newRow("cells of two rows, then saved")
            << "cells 4:0:SECTION:c 1:1:X 4:1:z" << 1 << -1 << "Doc";
        // Resetting the properties leaves the caption as it was.
        QTest::newRow("a mixed sequence, saved midway")
            << "insert 5 n m;rotate 0 3 4;cells 1:1:X 6:0:SECTION:m;"
               "swap 0 1;remove 0 2;title T2 <hr>;replace 0 q;reset"
            << 3 << 4 << "T2";
    }

    // Undo and redo also walk the changed flag: the document is unchanged exactly
    // where it was saved.
    void undoAndRedoRestoreEachState() {
        QFETCH(QString, steps);
        QFETCH(int, saved);
        QFETCH(QString, title);
        Document doc;
        fill(doc);
        EditPlace place;
        connect(&doc, &Document::editReplayed, this, [&](const EditPlace& p) { place = p; });
        const QStringList before = snapshot(doc);
        const QStringList list = steps.split(u';');
        for (int i = 0; i < list.size(); ++i) {
            if (i == saved)
                doc.edits().markSaved();
            doc.edits().push(make(doc, list[i]));
        }
        if (saved == list.size())
            doc.edits().markSaved();
        QVERIFY(snapshot(doc) != before);
        QCOMPARE(shownCaption, title + " - Ulvanta Editor");
        const QStringList done = snapshot(doc);

        QSignalSpy flag(&doc, &Document::modifiedChanged);
        int flips = 0;
        const auto walk = [&](bool (QUndoStack::*can)() const, void (QUndoStack::*go)()) {
            while ((doc.undoStack().*can)()) {
                const bool was = doc.isModified();
                (doc.undoStack().*go)();
                QCOMPARE(doc.isModified(), doc.undoStack().index() != saved);
                flips += int(was != doc.isModified());
            }
        };
        walk(&QUndoStack::canUndo, &QUndoStack::undo);
        QCOMPARE(snapshot(doc), before);
        QCOMPARE(place.tab, EditTab::Icons);
        QTEST(place.current, "undone");
        walk(&QUndoStack::canRedo, &QUndoStack::redo);
        QCOMPARE(snapshot(doc), done);
        QCOMPARE(flag.count(), flips);
        QCOMPARE(flag.last().at(0).toBool(), doc.isModified());
    }

    void dropsTheOldestPastTheLimits_data() {
        QTest::addColumn<qint64>("maxBytes");
        QTest::addColumn<int>("pushes");
        QTest::addColumn<int>("textLength");
        QTest::addColumn<int>("saved"); // after this many pushes
        QTest::addColumn<int>("kept");
        QTest::addColumn<int>("cleanAt");  // the kept step the saved state is found at, or -1
        QTest::addColumn<int>("tooLarge"); // steps said to be too large to undo
        QTest::newRow("past the step limit")
            << EditHistory::DefaultMaxBytes << 103 << 10 << 0 << 100 << -1 << 0;
        QTest::newRow("past the byte limit") << qint64(100000) << 5 << 10000 << 4 << 2 << 1 << 0;
        QTest::newRow("saved state dropped by the byte limit")
            << qint64(100000) << 5 << 10000 << 2 << 2 << -1 << 0;
        QTest::newRow("one step over the byte limit")
            << qint64(30000) << 3 << 10000 << 0 << 0 << -1 << 2;
    }

    void dropsTheOldestPastTheLimits() {
        QFETCH(qint64, maxBytes);
        QFETCH(int, pushes);
        QFETCH(int, textLength);
        QFETCH(int, saved);
        QFETCH(int, kept);
        QFETCH(int, cleanAt);
        Document doc;
        fill(doc);
        doc.edits().setLimits(EditHistory::DefaultMaxSteps, maxBytes);
        QSignalSpy said(&doc, &Document::stepTooLarge);
        std::vector<QStringList> states{snapshot(doc)};
        for (int i = 0; i < pushes; ++i) {
            if (i == saved)
                doc.edits().markSaved();
            const QString text = QString(textLength, u'x') + QString::number(i);
            doc.edits().push(make(doc, "cells 1:6:" + text));
            states.push_back(snapshot(doc));
        }
        QCOMPARE(doc.undoStack().count(), kept);
        QVERIFY(doc.edits().storedBytes() <= maxBytes);
        QTEST(int(said.count()), "tooLarge");
        // An edit the history no longer holds still counts as a change.
        for (int i = kept; i >= 0; --i) {
            QCOMPARE(doc.isModified(), i != cleanAt);
            if (i > 0)
                doc.undoStack().undo();
        }
        QCOMPARE(snapshot(doc), states[size_t(pushes - kept)]);
        doc.clearHistory();
        QCOMPARE(doc.edits().storedBytes(), qint64(0));
    }

    // Typing into the same Description again is one step; an edit that changes
    // nothing leaves no step and keeps what can be redone, yet counts as a change.
    void typingMergesAndNoOpsLeaveNoStep_data() {
        QTest::addColumn<QString>("script"); // ROW:TEXT typed in place, save, undo, nothing
        QTest::addColumn<int>("steps");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<QString>("texts"); // the descriptions of rows 1 and 2
        QTest::newRow("one row typed twice, undone") << "1:x;1:y;undo" << 1 << false << "a b";
        QTest::newRow("typed back to the start") << "1:x;1:a" << 0 << false << "a b";
        QTest::newRow("two rows") << "1:x;2:y" << 2 << true << "x y";
        QTest::newRow("a save in between") << "1:x;save;1:y;undo" << 2 << false << "x b";
        QTest::newRow("nothing changed after an undo") << "1:x;undo;nothing" << 1 << true << "a b";
    }

    void typingMergesAndNoOpsLeaveNoStep() {
        QFETCH(QString, script);
        Document doc;
        fill(doc);
        for (const QString& word : script.split(u';')) {
            if (word == "save")
                doc.edits().markSaved();
            else if (word == "undo")
                doc.undoStack().undo();
            else if (word == "nothing")
                doc.edits().push(make(doc, "cells 2:0:b"));
            else
                doc.items().setData(doc.items().index(word.section(u':', 0, 0).toInt(), 0),
                                    word.section(u':', 1), Qt::EditRole);
        }
        QTEST(doc.undoStack().count(), "steps");
        QTEST(doc.isModified(), "modified");
        QTEST(doc.items().cell(1, 0) + ' ' + doc.items().cell(2, 0), "texts");
    }
};

QTEST_GUILESS_MAIN(ListCommandsTest)
#include "tst_listcommands.moc"
