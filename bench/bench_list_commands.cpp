// Times the list commands on large documents: a section block moving past another
// in a 100,000-row list, Copy and paste, Delete and Move of one icon, and the same
// commands and a drag over many selected rows, and the steps behind them.
#include "YesPrompter.h"
#include "commands/ListController.h"
#include "commands/MenuState.h"
#include "edits/Document.h"
#include "timing.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QItemSelectionModel>
#include <QMimeData>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

using namespace ulvanta;

namespace {

// Two sections of `half` rows each (heading + icons), with realistic cell texts.
std::vector<ItemRow> twoSections(int half) {
    std::vector<ItemRow> rows;
    rows.reserve(size_t(half) * 2);
    for (int s = 0; s < 2; ++s) {
        ItemRow heading;
        heading[0] = QStringLiteral("SECTION:Block %1;Columns:5;Icon size:32;Icons above:True;"
                                    "Table border:False")
                         .arg(s);
        rows.push_back(heading);
        for (int i = 1; i < half; ++i) {
            ItemRow r;
            r[0] = QStringLiteral("Icon %1.%2").arg(s).arg(i);
            r[1] = QStringLiteral("/usr/bin/program-%1").arg(i);
            r[2] = QStringLiteral("--option %1").arg(i);
            r[3] = QStringLiteral("/home/user");
            r[4] = QStringLiteral("/usr/share/icons/app-%1.png").arg(i);
            r[5] = QStringLiteral("Normal Window");
            r[6] = QStringLiteral("comment %1").arg(i);
            rows.push_back(r);
        }
    }
    return rows;
}

struct Result {
    double median;
    double worst;
};

// Every other row of [first, last], as a selection made with Ctrl.
QItemSelection everyOther(const ItemList& items, int first, int last) {
    QItemSelection s;
    for (int r = first; r <= last; r += 2)
        s.select(items.index(r, 0), items.index(r, ItemColumnCount - 1));
    return s;
}

// The rows selected with the current row: none, a run, or every other row.
struct Selection {
    int first = -1;
    int last = -1;
    bool apart = false;
};

// Runs op `runs` times on a fresh document with `current` as the current row; each
// run includes the menu refresh the window does after the command.
Result measure(int half, int current, const std::function<void(ListController&)>& op,
               Selection selected = {}, int runs = 7) {
    std::vector<double> ms;
    const std::vector<ItemRow> rows = twoSections(half);
    for (int r = 0; r < runs; ++r) {
        Document doc;
        doc.items().appendItems(rows);
        QItemSelectionModel selection(&doc.items());
        selection.setCurrentIndex(doc.items().index(current, 0),
                                  QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        if (selected.first >= 0)
            selection.select(selected.apart ? everyOther(doc.items(), selected.first, selected.last)
                                            : QItemSelection(doc.items().index(selected.first, 0),
                                                             doc.items().index(selected.last, 0)),
                             QItemSelectionModel::Select | QItemSelectionModel::Rows);
        YesPrompter prompter;
        ListController cmds(doc, prompter, &selection);
        QObject::connect(&doc, &Document::actionUpdateRequested, &doc, [&] {
            const QModelIndex i = selection.currentIndex();
            (void)ulvanta::menuState(doc.items(), i.isValid() ? i.row() : -1, false,
                                     selectedSpans(&selection, doc.items().count()));
        });
        QElapsedTimer t;
        t.start();
        op(cmds);
        if (selected.apart && current < 0) { // a drag of the selected rows to the end
            std::unique_ptr<QMimeData> data(doc.items().mimeData(selection.selectedRows()));
            doc.items().dropMimeData(data.get(), Qt::MoveAction, doc.items().count(), 0, {});
        }
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.back()};
}

// Pushes the step made by `make` on a fresh document and undoes it, `runs` times.
Result measureStep(int half, const std::function<EditStepPtr(Document&)>& make, int runs = 7) {
    std::vector<double> ms;
    const std::vector<ItemRow> rows = twoSections(half);
    for (int r = 0; r < runs; ++r) {
        Document doc;
        doc.items().appendItems(rows);
        QElapsedTimer t;
        t.start();
        doc.edits().push(make(doc));
        doc.undoStack().undo();
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.back()};
}

void report(const char* what, const Result& r, double limit) {
    std::printf("%-58s median %8.3f ms  worst %8.3f ms  (limit %g ms) %s\n", what, r.median,
                r.worst, limit, r.median < limit ? "ok" : "SLOW");
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int half = 50000; // two blocks of 50,000 rows: 100,000 rows
    std::printf("list of %d rows, two sections of %d rows\n", 2 * half, half);
    // The floor of a section move: rotating a list of as many one-text rows.
    std::vector<QString> texts;
    for (int i = 0; i < 2 * half; ++i)
        texts.push_back(QString::number(i));
    std::vector<double> floorMs;
    for (int r = 0; r < 7; ++r)
        floorMs.push_back(
            timeMs([&] { std::rotate(texts.begin(), texts.begin() + half, texts.end()); }));
    std::sort(floorMs.begin(), floorMs.end());
    std::printf("%-58s median %8.3f ms  (%s first)\n", "floor: rotating 100,000 strings",
                floorMs[3], qPrintable(texts.front()));
    report("Move down: 50,000-row section past another",
           measure(half, 0, [](ListController& c) { c.moveDown(); }), 50);
    report("Move up: 50,000-row section past the one above",
           measure(half, half, [](ListController& c) { c.moveUp(); }), 50);
    report("Copy and paste of one icon",
           measure(half, 10, [](ListController& c) { c.duplicateSelected(); }), 5);
    report("Delete of one icon (near the top)",
           measure(half, 10, [](ListController& c) { c.removeSelected(); }), 5);
    report("Move down of one icon", measure(half, 10, [](ListController& c) { c.moveDown(); }), 5);
    report("Move up of one icon (leaving its section)",
           measure(half, half + 1, [](ListController& c) { c.moveUp(); }), 5);
    // A selection of many rows apart costs Qt's selection model time that grows with
    // the square of its ranges, so the commands get 1,000; the steps behind them are
    // timed on 25,000 rows apart as well.
    const auto none = [](ListController&) {};
    report("Delete of 1,000 icons apart",
           measure(half, 1, [](ListController& c) { c.removeSelected(); }, {1, 1999, true}), 50);
    report("Copy and paste of a 50,000-row section",
           measure(half, 0, [](ListController& c) { c.duplicateSelected(); }, {0, half - 1}), 100);
    report("Move down of 1,000 icons",
           measure(half, 10, [](ListController& c) { c.moveDown(); }, {10, 1009}), 20);
    report("Drag of 1,000 icons apart to the end", measure(half, -1, none, {1, 1999, true}), 200);
    RowSpans apart;
    for (int r = 1; r < half; r += 2)
        apart.push_back({r, r});
    report("Delete step of 25,000 icons apart, done and undone",
           measureStep(half, [&](Document& d) { return removeSpansStep(d, "Delete", apart); }),
           100);
    report("Drag step of 25,000 icons apart to the end, done and undone",
           measureStep(half, [&](Document& d) { return gatherStep(d, "Move", apart, 2 * half); }),
           100);
    return 0;
}
