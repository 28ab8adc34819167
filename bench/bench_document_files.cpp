// Saves and opens generated documents of 10,000 and 100,000 rows (one section
// row per hundred) and reports the times and how they grow with the rows.
#include "edits/Document.h"
#include "model/SectionRow.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

using namespace ulvanta;

namespace {
struct Times {
    double save = 0;
    double open = 0;
};

Times measure(int rows, const QString& folder) {
    Document doc;
    doc.resetProperties();
    std::vector<ItemRow> items;
    items.reserve(size_t(rows));
    for (int i = 0; i < rows; ++i) {
        if (i % 100 == 0) {
            items.push_back({SectionRow::compose("Section " + QString::number(i / 100), "5", "32",
                                                 true, false)});
            continue;
        }
        items.push_back({"Program " + QString::number(i), "/usr/bin/program" + QString::number(i),
                         "--option value, with comma", "/home/user/work", "/usr/share/icons/x.png",
                         "Normal Window", "A comment for icon " + QString::number(i)});
    }
    doc.items().appendItems(std::move(items));
    const QString path = folder + "/bench" + QString::number(rows) + ".pmf";

    Times best{1e9, 1e9};
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer t;
        t.start();
        doc.save(path);
        best.save = std::min(best.save, t.nsecsElapsed() / 1e9);
        doc.fileLock().release();

        Document back;
        back.resetProperties();
        t.restart();
        back.load(path);
        best.open = std::min(best.open, t.nsecsElapsed() / 1e9);
        if (back.items().count() != rows) {
            std::fprintf(stderr, "read %d rows of %d\n", back.items().count(), rows);
            std::exit(1);
        }
    }
    return best;
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const Times small = measure(10000, dir.path());
    const Times large = measure(100000, dir.path());
    std::printf("rows     save (s)  open (s)\n");
    std::printf("10000    %.3f     %.3f\n", small.save, small.open);
    std::printf("100000   %.3f     %.3f\n", large.save, large.open);
    std::printf("growth for 10x rows: save %.1fx, open %.1fx\n", large.save / small.save,
                large.open / small.open);
    return 0;
}
