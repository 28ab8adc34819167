#include "document/ColumnSwap.h"
#include "document/Document.h"
#include "document/SectionRow.h"

#include <QTest>

using namespace ulvanta;

namespace {
ItemRow row(std::initializer_list<QString> cells) {
    ItemRow r;
    size_t i = 0;
    for (const QString& c : cells)
        r[i++] = c;
    return r;
}
ItemRow section(const QString& name) {
    ItemRow r;
    r[ColDescription] =
        SectionRow::compose(name, QStringLiteral("5"), QStringLiteral("32"), true, false);
    return r;
}
} // namespace

Q_DECLARE_METATYPE(ItemRow)

class ColumnSwapTest : public QObject {
    Q_OBJECT
private slots:
    void changesEveryIconRow_data();
    void changesEveryIconRow();
    void refusesEqualOrUnknownColumns_data();
    void refusesEqualOrUnknownColumns();
    void marksChangedWithOnlySectionRows();
    void worksBeyondThirtyTwoThousandRows();
    void keepsTheSecondColumnOffTheFirst_data();
    void keepsTheSecondColumnOffTheFirst();
};

void ColumnSwapTest::changesEveryIconRow_data() {
    QTest::addColumn<int>("operation");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<ItemRow>("before");
    QTest::addColumn<ItemRow>("after");
    const QString n = QStringLiteral("Normal Window");
    QTest::newRow("swap description and command")
        << int(ColumnOperation::Swap) << 0 << 1 << row({"Editor", "C:\\ed.exe", "", "", "", n, ""})
        << row({"C:\\ed.exe", "Editor", "", "", "", n, ""});
    QTest::newRow("move parameters to comments")
        << int(ColumnOperation::Move) << 2 << 5 << row({"Ed", "ed", "-x", "", "", n, "old"})
        << row({"Ed", "ed", "", "", "", n, "-x"});
    QTest::newRow("move empty parameters empties comments")
        << int(ColumnOperation::Move) << 2 << 5 << row({"Ed", "ed", "", "", "", n, "old"})
        << row({"Ed", "ed", "", "", "", n, ""});
    QTest::newRow("copy icon to comments")
        << int(ColumnOperation::Copy) << 4 << 5 << row({"Ed", "ed", "", "", "ed.ico", n, "old"})
        << row({"Ed", "ed", "", "", "ed.ico", n, "ed.ico"});
    QTest::newRow("swap comments and start in, run untouched")
        << int(ColumnOperation::Swap) << 5 << 3 << row({"Ed", "ed", "", "C:\\w", "", n, "note"})
        << row({"Ed", "ed", "", "note", "", n, "C:\\w"});
    QTest::newRow("copy comments over description")
        << int(ColumnOperation::Copy) << 5 << 0 << row({"Ed", "ed", "", "", "", n, "Editor"})
        << row({"Editor", "ed", "", "", "", n, "Editor"});
}

void ColumnSwapTest::changesEveryIconRow() {
    QFETCH(int, operation);
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(ItemRow, before);
    QFETCH(ItemRow, after);
    Document doc;
    const ItemRow sect = section(QStringLiteral("Tools"));
    doc.items().appendItems({before, sect, before});
    QVERIFY(SwapColumns(doc, ColumnOperation(operation), first, second));
    QCOMPARE(doc.items().row(0), after);
    QCOMPARE(doc.items().row(1), sect);
    QCOMPARE(doc.items().row(2), after);
    QVERIFY(doc.Changed);
}

void ColumnSwapTest::refusesEqualOrUnknownColumns_data() {
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::newRow("same column") << 2 << 2;
    QTest::newRow("below range") << -1 << 2;
    QTest::newRow("above range") << 0 << 6;
}

void ColumnSwapTest::refusesEqualOrUnknownColumns() {
    QFETCH(int, first);
    QFETCH(int, second);
    Document doc;
    const ItemRow r = row({"Ed", "ed", "-x", "", "", "Hidden", "c"});
    doc.items().appendItems({r});
    QVERIFY(!SwapColumns(doc, ColumnOperation::Move, first, second));
    QCOMPARE(doc.items().row(0), r);
    QVERIFY(!doc.Changed);
}

void ColumnSwapTest::marksChangedWithOnlySectionRows() {
    Document doc;
    const ItemRow sect = section(QStringLiteral("Only"));
    doc.items().appendItems({sect});
    QVERIFY(SwapColumns(doc, ColumnOperation::Swap, 0, 1));
    QCOMPARE(doc.items().row(0), sect);
    QVERIFY(doc.Changed);

    Document empty;
    QVERIFY(SwapColumns(empty, ColumnOperation::Copy, 0, 1));
    QVERIFY(empty.Changed);
}

void ColumnSwapTest::worksBeyondThirtyTwoThousandRows() {
    Document doc;
    std::vector<ItemRow> rows;
    for (int i = 0; i < 40000; ++i)
        rows.push_back(row({QString::number(i), QStringLiteral("cmd%1").arg(i)}));
    doc.items().appendItems(std::move(rows));
    QVERIFY(SwapColumns(doc, ColumnOperation::Swap, 0, 1));
    QCOMPARE(doc.items().cell(39999, ColDescription), QStringLiteral("cmd39999"));
    QCOMPARE(doc.items().cell(39999, ColCommand), QStringLiteral("39999"));
    QCOMPARE(doc.items().cell(32000, ColCommand), QStringLiteral("32000"));
}

void ColumnSwapTest::keepsTheSecondColumnOffTheFirst_data() {
    // Steps: "F<n>" chooses the first column, "S<n>" the second.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::newRow("on opening") << QStringList{} << 0 << 1;
    QTest::newRow("first takes the second's column") << QStringList{"F1"} << 1 << 0;
    QTest::newRow("back to description moves second to command")
        << QStringList{"F1", "F0"} << 0 << 1;
    QTest::newRow("other first keeps the second") << QStringList{"F3"} << 3 << 1;
    QTest::newRow("second cannot be the first") << QStringList{"F4", "S4"} << 4 << 1;
    QTest::newRow("second chosen freely") << QStringList{"S5", "F2"} << 2 << 5;
    QTest::newRow("first onto a chosen second") << QStringList{"S5", "F5"} << 5 << 0;
    QTest::newRow("unknown column ignored") << QStringList{"F6", "S9"} << 0 << 1;
}

void ColumnSwapTest::keepsTheSecondColumnOffTheFirst() {
    QFETCH(QStringList, steps);
    QFETCH(int, first);
    QFETCH(int, second);
    SwapChoice c;
    for (const QString& s : steps) {
        const int n = s.mid(1).toInt();
        if (s.startsWith(u'F'))
            c.chooseFirst(n);
        else
            c.chooseSecond(n);
    }
    QCOMPARE(c.first(), first);
    QCOMPARE(c.second(), second);
    for (int i = 0; i < SwapColumnCount; ++i)
        QCOMPARE(c.secondEnabled(i), i != first);
}

QTEST_GUILESS_MAIN(ColumnSwapTest)
#include "tst_column_swap.moc"
