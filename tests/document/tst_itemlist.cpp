#include "edits/Document.h"
#include "model/ItemList.h"
#include "model/SectionRow.h"

#include <QAbstractItemModelTester>
#include <QFont>
#include <QMimeData>
#include <QtTest>

using namespace ulvanta;

namespace {
// "i" an icon row, "s" a section row, each named by its position.
void fill(ItemList& list, const QString& shape) {
    std::vector<ItemRow> rows;
    for (int i = 0; i < shape.size(); ++i) {
        const QString name = QString::number(i);
        rows.push_back({shape[i] == 's' ? SectionRow::compose(name, "5", "32", true, false) : name,
                        shape[i] == 's' ? "" : "cmd"});
    }
    list.appendItems(std::move(rows));
}
} // namespace

class TestItemList : public QObject {
    Q_OBJECT
private slots:
    void itemsInSection_data() {
        QTest::addColumn<QString>("shape");
        QTest::addColumn<QList<int>>("counts"); // per row
        QTest::newRow("leading icons then sections") << "iisis" << QList<int>{2, 2, 1, 1, 0};
        QTest::newRow("only a section") << "s" << QList<int>{0};
        QTest::newRow("only an icon") << "i" << QList<int>{1};
        QTest::newRow("no sections") << "iii" << QList<int>{3, 3, 3};
        QTest::newRow("adjacent sections") << "ssii" << QList<int>{0, 2, 2, 2};
    }
    void itemsInSection() {
        QFETCH(QString, shape);
        QFETCH(QList<int>, counts);
        ItemList list;
        fill(list, shape);
        for (int r = 0; r < list.count(); ++r)
            QCOMPARE(list.iconsInSection(r), counts[r]);
    }

    // Section rows stand out, cut-off texts show whole as tips, and only a
    // Description is edited in place.
    void cellsShowAndEditAsTheListNeeds() {
        ItemList list;
        fill(list, "si");
        const auto bold = [&](int row, int column) {
            return list.data(list.index(row, column), Qt::FontRole).value<QFont>().bold();
        };
        QVERIFY(bold(0, 0) && bold(0, 3) && !bold(1, 0));
        QCOMPARE(list.data(list.index(1, 1), Qt::ToolTipRole).toString(), QString("cmd"));
        QVERIFY(!list.data(list.index(1, 2), Qt::ToolTipRole).isValid());
        QVERIFY(!(list.flags(list.index(1, 1)) & Qt::ItemIsEditable));
        QVERIFY(!list.setData(list.index(1, 1), "other", Qt::EditRole));
        QCOMPARE(list.cell(1, 0), QString("1"));
    }

    // A section reads as the page's heading: name, then its settings in words.
    void sectionRowShowsItsHeading_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("heading");
        QTest::newRow("escaped name, default settings")
            << "SECTION:Dev{c} Tools{s} misc;Columns:5;Icon size:32;Icons above:True;Table "
               "border:False"
            << "Dev: Tools; misc \u2014 5 columns \u00b7 32 px icons \u00b7 icons above \u00b7 no "
               "border";
        QTest::newRow("one column, beside, border")
            << "SECTION:A&amp{s}B;Columns:1;Icon size:16;Icons above:False;Table border:True"
            << "A&B \u2014 1 column \u00b7 16 px icons \u00b7 icons beside \u00b7 border";
        QTest::newRow("settings of the page")
            << "SECTION:C;Columns:;Icon size:;Icons above:;Table border:"
            << "C \u2014 no border";
        QTest::newRow("name alone") << "SECTION:{l}x{r}"
                                    << "{x} \u2014 no border";
    }
    void sectionRowShowsItsHeading() {
        QFETCH(QString, text);
        QFETCH(QString, heading);
        ItemList list;
        list.appendItems({{text}, {"icon", "cmd"}});
        int asked = 0;
        list.setPictureSource([&](const ItemList&, int row) { return QVariant(++asked + row); });
        const auto at = [&](int row, int column, int role) {
            return list.data(list.index(row, column), role);
        };
        for (int role : {int(Qt::DisplayRole), int(Qt::ToolTipRole), int(Qt::AccessibleTextRole)})
            QCOMPARE(at(0, 0, role).toString(), heading);
        QCOMPARE(at(0, 0, ItemList::SectionNameRole).toString() + " \u2014 " +
                     at(0, 0, ItemList::SectionSettingsRole).toString(),
                 heading);
        QCOMPARE(at(0, 0, Qt::EditRole).toString(), text);
        QVERIFY(at(0, 1, Qt::DisplayRole).toString().isEmpty());
        QVERIFY(!at(0, 0, Qt::DecorationRole).isValid());
        // An icon row shows its texts, and its picture before the Description only.
        QCOMPARE(at(1, 0, Qt::DisplayRole).toString(), QString("icon"));
        QVERIFY(!at(1, 0, ItemList::SectionNameRole).isValid());
        QVERIFY(!at(1, 1, Qt::DecorationRole).isValid());
        QCOMPARE(at(1, 0, Qt::DecorationRole).toInt(), 2);
        QCOMPARE(asked, 1);
    }

    void dragWithinTheListMovesRows_data() {
        QTest::addColumn<QList<int>>("dragged");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("after"); // empty: nothing moves
        // Rows 0..8: icons, section 2 with 3..5, section 6 with 7 and 8.
        const auto row = [](const char* tag, const QList<int>& dragged, int to, const char* after) {
            QTest::newRow(tag) << dragged << to << QString(after);
        };
        row("icon into the next section", {0}, 4, "1,2,3,0,4,5,6,7,8");
        row("icon onto itself", {3}, 4, "");
        row("rows apart gathered in order", {4, 3, 7}, 0, "3,4,7,0,1,2,5,6,8");
        row("rows apart dropped between them", {1, 7}, 3, "0,2,1,7,3,4,5,6,8");
        row("rows apart with a section to a boundary", {6, 0}, 8, "1,2,3,4,5,0,6,7,8");
        row("section with its icons to the end", {2}, 9, "0,1,6,7,8,2,3,4,5");
        row("section to the nearer boundary above", {6}, 4, "0,1,6,7,8,2,3,4,5");
        row("section to the nearer boundary, its own", {6}, 5, "");
        row("section never above the first icons", {6}, 0, "0,1,6,7,8,2,3,4,5");
        row("icon and section take the section's icons", {1, 2}, 9, "0,6,7,8,1,2,3,4,5");
    }
    void dragWithinTheListMovesRows() {
        QFETCH(QList<int>, dragged);
        QFETCH(int, to);
        QFETCH(QString, after);
        Document doc;
        ItemList& list = doc.items();
        QAbstractItemModelTester tester(&list,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        fill(list, "iisiiisii");
        const auto names = [&list] {
            QStringList out;
            for (int i = 0; i < list.count(); ++i)
                out << (list.isSection(i) ? SectionRow::name(list.cell(i, 0)) : list.cell(i, 0));
            return out.join(',');
        };
        const QString before = names();
        QModelIndexList indexes;
        for (int r : dragged)
            indexes << list.index(r, 0) << list.index(r, ColRun);
        std::unique_ptr<QMimeData> data(list.mimeData(indexes));
        QCOMPARE(list.dropMimeData(data.get(), Qt::MoveAction, to, 0, {}), !after.isEmpty());
        QCOMPARE(names(), after.isEmpty() ? before : after);
        doc.undoStack().undo();
        QCOMPARE(names(), before);
    }

    // The cells of a row share one text: an edit of one leaves the others whole.
    void cellsKeepTheirTextsThroughEdits_data() {
        QTest::addColumn<ItemRow>("start");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        const ItemRow full = {"Desc", "/bin/c", "-p", "/w", "/i.png", "Hidden", "note \u00e9"};
        ItemRow gaps;
        gaps[ColParameters] = "only";
        QTest::newRow("empty row, last cell") << ItemRow{} << int(ColComments) << "y";
        QTest::newRow("lone cell emptied") << gaps << int(ColParameters) << "";
        QTest::newRow("cell after a lone one") << gaps << int(ColStartIn) << "/s";
        QTest::newRow("full row, middle longer") << full << int(ColStartIn) << "/a/longer/path";
        QTest::newRow("full row, first emptied") << full << int(ColDescription) << "";
    }
    void cellsKeepTheirTextsThroughEdits() {
        QFETCH(ItemRow, start);
        QFETCH(int, column);
        QFETCH(QString, text);
        ItemList list;
        QAbstractItemModelTester tester(&list,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        const ItemRow other = {"o1", "", "o3", "", "", "o6", ""};
        list.appendItems({other, start, other});
        ItemRow expected = start;
        expected[size_t(column)] = text;
        list.setCell(1, column, text);
        QCOMPARE(list.row(1), expected);
        // A bulk edit that changes only this row's cell back, then the other rows' first.
        list.updateAll([&](ItemRow& r) {
            if (r[size_t(column)] == text && r != other)
                r[size_t(column)] = start[size_t(column)];
            else
                r[ColDescription] += "!";
        });
        QCOMPARE(list.row(1), start);
        QCOMPARE(list.cell(0, ColDescription), QString("o1!"));
        QCOMPARE(list.row(2)[ColRun], QString("o6"));
    }
};

QTEST_GUILESS_MAIN(TestItemList)
#include "tst_itemlist.moc"
