// Times the list commands on large documents: a section block moving past another
// in a 100,000-row list, and Copy and paste, Delete and Move of one icon.
#include "YesPrompter.h"
#include "commands/ListController.h"
#include "commands/MenuState.h"
#include "edits/Document.h"
#include "timing.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QItemSelectionModel>
#include <algorithm>
#include <cstdio>
#include <functional>
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

// Runs op `runs` times on a fresh document with `current` as the current row; each
// run includes the menu refresh the window does after the command.
Result measure(int half, int current, const std::function<void(ListController&)>& op,
               int runs = 7) {
    std::vector<double> ms;
    const std::vector<ItemRow> rows = twoSections(half);
    for (int r = 0; r < runs; ++r) {
        Document doc;
        doc.items().appendItems(rows);
        QItemSelectionModel selection(&doc.items());
        selection.setCurrentIndex(doc.items().index(current, 0),
                                  QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        YesPrompter prompter;
        ListController cmds(doc, prompter, &selection);
        QObject::connect(&doc, &Document::actionUpdateRequested, &doc, [&] {
            const QModelIndex i = selection.currentIndex();
            (void)ulvanta::menuState(doc.items(), i.isValid() ? i.row() : -1, false);
        });
        QElapsedTimer t;
        t.start();
        op(cmds);
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
    return 0;
}
