// Undo and redo on a 100,000-row document: each step is timed done, undone and
// redone, next to the edit done directly on the list as the commands do it today.
#include "document/ColumnSwap.h"
#include "document/Document.h"
#include "document/ReplaceAll.h"
#include "timing.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <functional>

using namespace ulvanta;

namespace {

constexpr int kRows = 100000;
constexpr int kRuns = 9;

// One section heading every 20 rows, icons with notepad commands in between.
std::vector<ItemRow> document() {
    std::vector<ItemRow> rows(kRows);
    for (int i = 0; i < kRows; ++i) {
        ItemRow& r = rows[size_t(i)];
        if (i % 20 == 0) {
            r[ColDescription] = QStringLiteral("SECTION:Part %1;Columns:4;Icon size:48;"
                                               "Icons above:False;Table border:True")
                                    .arg(i);
            continue;
        }
        r[ColDescription] = QStringLiteral("Tool number %1").arg(i);
        r[ColCommand] = QStringLiteral("D:\\Apps\\Notepad\\notepad-%1.exe").arg(i % 89);
        r[ColParameters] = i % 4 ? QStringLiteral("/p NOTEPAD.ini") : QString();
        r[ColStartIn] = QStringLiteral("D:\\Data\\%1").arg(i % 7);
        r[ColIcon] = QStringLiteral("D:\\Pics\\tool%1.png").arg(i % 11);
        r[ColRun] = QStringLiteral("Maximised");
        r[ColComments] = QStringLiteral("Opens the notepad for batch %1").arg(i % 1000);
    }
    return rows;
}

// Replace All as a step: the changed cells of the icon rows, found in one pass.
EditStepPtr replaceStep(const Document& doc) {
    const CellReplacer replacer(QStringLiteral("notepad"), QStringLiteral("wordpad"), false);
    std::vector<CellChange> cells;
    for (int r = 0; r < doc.items().count(); ++r) {
        if (doc.items().isSection(r))
            continue;
        for (int c :
             {ColDescription, ColCommand, ColParameters, ColStartIn, ColIcon, ColComments}) {
            QString after = replacer.apply(doc.items().cell(r, c));
            if (after != doc.items().cell(r, c))
                cells.push_back({r, c, doc.items().cell(r, c), std::move(after)});
        }
    }
    return changeCellsStep(QStringLiteral("Replace All"), std::move(cells));
}

struct Case {
    const char* name;
    std::function<void(Document&)> direct;      // the edit as the commands make it now
    std::function<EditStepPtr(Document&)> step; // the same edit as a step
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const std::vector<ItemRow> rows = document();
    const std::vector<Case> cases = {
        {"Delete of one icon (row 10)", [](Document& d) { d.items().removeItem(10); },
         [](Document& d) { return removeRowsStep(d.items(), QStringLiteral("Delete"), 10, 1); }},
        {"Copy and paste of one icon (row 10)",
         [](Document& d) { d.items().insertItem(11, d.items().row(10)); },
         [](Document& d) {
             return insertRowsStep(d.items(), QStringLiteral("Copy"), 11, {d.items().row(10)});
         }},
        {"Section moved down (rows 0-19 past 20-39)",
         [](Document& d) { d.items().rotate(0, 20, 39); },
         [](Document&) { return rotateStep(QStringLiteral("Move Down"), 0, 20, 39, false); }},
        {"Icon moved up out of its section (row 21)",
         [](Document& d) { d.items().rotate(20, 21, 21); },
         [](Document&) { return rotateStep(QStringLiteral("Move Up"), 20, 21, 21, true); }},
        {"Replace All notepad -> wordpad, 6 columns",
         [](Document& d) {
             replaceAll(d, {QStringLiteral("notepad"),
                            QStringLiteral("wordpad"),
                            false,
                            {ColDescription, ColCommand, ColParameters, ColStartIn, ColIcon,
                             ColComments}});
         },
         replaceStep},
        {"Swap Description and Command",
         [](Document& d) { swapColumns(d, ColumnOperation::Swap, 0, 1); },
         [](Document& d) {
             return swapColumnsStep(d.items(), QStringLiteral("Swap Columns"), 0, 1);
         }},
        {"Import of 50,000 rows in the middle (row 50,000)",
         [&rows](Document& d) {
             std::vector<ItemRow> half(rows.begin(), rows.begin() + kRows / 2);
             d.items().appendItems(std::move(half));
             d.items().rotate(kRows / 2, kRows, kRows + kRows / 2 - 1);
         },
         [&rows](Document& d) {
             return insertRowsStep(d.items(), QStringLiteral("Import"), kRows / 2,
                                   std::vector<ItemRow>(rows.begin(), rows.begin() + kRows / 2));
         }},
    };

    std::printf("%d rows (one section row in 20), median of %d runs, ms\n", kRows, kRuns);
    std::printf("%-50s %9s %9s %9s %9s  %s\n", "step", "direct", "do", "undo", "redo", "stored");
    for (const Case& c : cases) {
        std::vector<double> direct, done, undone, redone;
        qint64 stored = 0;
        for (int run = 0; run < kRuns; ++run) {
            Document plain;
            plain.items().appendItems(rows);
            direct.push_back(timeMs([&] { c.direct(plain); }));

            Document doc;
            doc.items().appendItems(rows);
            done.push_back(timeMs([&] { doc.edits().push(c.step(doc)); }));
            undone.push_back(timeMs([&] { doc.undoStack().undo(); }));
            redone.push_back(timeMs([&] { doc.undoStack().redo(); }));
            stored = doc.edits().storedBytes();
        }
        const double worst = std::max(median(undone), median(redone));
        std::printf("%-50s %9.3f %9.3f %9.3f %9.3f  %lld bytes %s\n", c.name, median(direct),
                    median(done), median(undone), median(redone), static_cast<long long>(stored),
                    worst <= std::max(median(done), median(direct)) * 1.5 ? "ok" : "SLOW");
    }
    return 0;
}
