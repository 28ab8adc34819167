// Replace All and Swap Columns on a large generated document.
#include "commands/ColumnSwap.h"
#include "commands/ReplaceAll.h"
#include "edits/Document.h"
#include "model/SectionRow.h"
#include "timing.h"

#include <QCoreApplication>
#include <cstdio>

using namespace ulvanta;

namespace {
void fill(Document& doc, int rows) {
    std::vector<ItemRow> all;
    all.reserve(size_t(rows));
    for (int i = 0; i < rows; ++i) {
        ItemRow r;
        if (i % 20 == 0) {
            r[ColDescription] =
                SectionRow::compose(QStringLiteral("Group %1").arg(i / 20), QStringLiteral("5"),
                                    QStringLiteral("32"), true, false);
        } else {
            r[ColDescription] = QStringLiteral("Program %1").arg(i);
            r[ColCommand] = QStringLiteral("C:\\Program Files\\Tools\\NOTEPAD%1.EXE").arg(i % 97);
            r[ColParameters] = (i % 3) ? QStringLiteral("--open notepad.txt") : QString();
            r[ColStartIn] = (i % 2) ? QStringLiteral("C:\\Work") : QString();
            r[ColIcon] = QStringLiteral("C:\\Icons\\app%1.ico").arg(i % 13);
            r[ColRun] = QStringLiteral("Normal Window");
            r[ColComments] = QStringLiteral("Starts notepad number %1").arg(i);
        }
        all.push_back(std::move(r));
    }
    doc.items().appendItems(std::move(all));
}
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int rows = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100000;
    Document doc;
    fill(doc, rows);
    std::printf("%d rows (one section row in 20)\n", rows);
    // The floor of a bulk edit: one pass reading every cell of every row.
    qsizetype characters = 0;
    const double floor = timeMs([&] {
        for (int i = 0; i < doc.items().count(); ++i)
            for (const QString& cell : doc.items().row(i))
                characters += cell.size();
    });
    std::printf("floor: every cell read once:        %8.1f ms (%lld characters)\n", floor,
                qlonglong(characters));

    const double caseless = timeMs([&] {
        replaceAll(doc,
                   {QStringLiteral("notepad"),
                    QStringLiteral("wordpad"),
                    false,
                    {ColDescription, ColCommand, ColParameters, ColStartIn, ColIcon, ColComments}});
    });
    std::printf("Replace All, 6 columns, any case:   %8.1f ms\n", caseless);

    const double exact = timeMs([&] {
        replaceAll(doc, {QStringLiteral("wordpad"), QStringLiteral("notepad"), true, {ColCommand}});
    });
    std::printf("Replace All, Command, match case:   %8.1f ms\n", exact);

    const double fillEmpty = timeMs([&] {
        replaceAll(doc, {QString(), QStringLiteral("C:\\Tools"), false, {ColStartIn}});
    });
    std::printf("Replace All, empty find (Start In): %8.1f ms\n", fillEmpty);

    const double swap = timeMs([&] { swapColumns(doc, ColumnOperation::Swap, 0, 1); });
    std::printf("Swap Description and Command:       %8.1f ms\n", swap);

    const double move = timeMs([&] { swapColumns(doc, ColumnOperation::Move, 2, 5); });
    std::printf("Move Parameters to Comments:        %8.1f ms\n", move);

    const double copy = timeMs([&] { swapColumns(doc, ColumnOperation::Copy, 4, 5); });
    std::printf("Copy Icon to Comments:              %8.1f ms\n", copy);
    return 0;
}
