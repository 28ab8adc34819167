// Undo and redo on a 100,000-row document: each command is timed as the Edit menu
// runs it, then undone and redone from the document's history.
#include "YesPrompter.h"
#include "commands/ColumnSwap.h"
#include "commands/FileController.h"
#include "commands/ListController.h"
#include "commands/PropertyController.h"
#include "commands/ReplaceAll.h"
#include "edits/Document.h"
#include "timing.h"

#include <QCoreApplication>
#include <QItemSelectionModel>
#include <algorithm>
#include <cstdio>
#include <functional>

using namespace ulvanta;

namespace {

constexpr int kRows = 100000;
constexpr int kRuns = 9;

// One section heading every 20 rows, icons with notepad commands in between; the
// last section is 50,000 rows long.
std::vector<ItemRow> document() {
    std::vector<ItemRow> rows(kRows);
    for (int i = 0; i < kRows; ++i) {
        ItemRow& r = rows[size_t(i)];
        if ((i % 20 == 0 && i < kRows / 2) || i == kRows / 2) {
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

struct Case {
    const char* name;
    int current; // the current row the command acts on
    std::function<void(Document&, ListController&)> run;
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const std::vector<ItemRow> rows = document();
    const ReplaceRequest replace{
        QStringLiteral("notepad"),
        QStringLiteral("wordpad"),
        false,
        {ColDescription, ColCommand, ColParameters, ColStartIn, ColIcon, ColComments}};
    const std::vector<Case> cases = {
        {"Delete of one icon (row 10)", 10,
         [](Document&, ListController& c) { c.removeSelected(); }},
        {"Copy and paste of one icon (row 10)", 10,
         [](Document&, ListController& c) { c.duplicateSelected(); }},
        {"Move Up of a 50,000-row section", kRows / 2,
         [](Document&, ListController& c) { c.moveUp(); }},
        {"Move Down of one icon (row 10)", 10, [](Document&, ListController& c) { c.moveDown(); }},
        {"Replace All notepad -> wordpad, 6 columns", 0,
         [&replace](Document& d, ListController&) { replaceAll(d, replace); }},
        {"Swap Description and Command", 0,
         [](Document& d, ListController&) { swapColumns(d, ColumnOperation::Swap, 0, 1); }},
        {"Copy Column Description -> Comments", 0,
         [](Document& d, ListController&) { swapColumns(d, ColumnOperation::Copy, 0, 5); }},
        {"Columns set by the number box", 0,
         [](Document& d, ListController&) {
             YesPrompter p(QStringLiteral("7"));
             FileController files(d, p);
             const PropertyEditor number = editorFor(Setting::Columns);
             PropertyController(d, p, files)
                 .editNumber(d.props().rowOf(Setting::Columns), number.prompt, number.lower,
                             number.upper);
         }},
        {"Reset properties", 0,
         [](Document& d, ListController&) {
             YesPrompter p(QStringLiteral("7"));
             FileController files(d, p);
             PropertyController(d, p, files).reset();
         }},
        {"50,000 rows inserted in the middle (one step)", 0,
         [&rows](Document& d, ListController&) {
             d.edits().push(
                 insertRowsStep(d, QStringLiteral("Import"), kRows / 2,
                                std::vector<ItemRow>(rows.begin(), rows.begin() + kRows / 2)));
         }},
    };

    std::printf("%d rows, median of %d runs, ms\n", kRows, kRuns);
    std::printf("%-50s %9s %9s %9s  %s\n", "command", "do", "undo", "redo", "stored");
    for (const Case& c : cases) {
        std::vector<double> done, undone, redone;
        qint64 stored = 0;
        for (int run = 0; run < kRuns; ++run) {
            Document doc;
            doc.resetProperties();
            doc.items().appendItems(rows);
            QItemSelectionModel selection(&doc.items());
            selection.setCurrentIndex(doc.items().index(c.current, 0),
                                      QItemSelectionModel::ClearAndSelect |
                                          QItemSelectionModel::Rows);
            YesPrompter prompter;
            ListController commands(doc, prompter, &selection);
            done.push_back(timeMs([&] { c.run(doc, commands); }));
            if (doc.undoStack().count() != 1) {
                std::printf("%s: not one step\n", c.name);
                return 1;
            }
            undone.push_back(timeMs([&] { doc.undoStack().undo(); }));
            redone.push_back(timeMs([&] { doc.undoStack().redo(); }));
            stored = doc.edits().storedBytes();
        }
        const double worst = std::max(median(undone), median(redone));
        std::printf("%-50s %9.3f %9.3f %9.3f  %lld bytes %s\n", c.name, median(done),
                    median(undone), median(redone), static_cast<long long>(stored),
                    worst <= median(done) * 1.5 + 0.05 ? "ok" : "SLOW");
    }
    return 0;
}
