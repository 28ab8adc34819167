#include "document/ItemList.h"
#include "document/SectionRow.h"

#include <QFont>
#include <QItemSelectionModel>
#include <QtTest>

using namespace ulvanta;

namespace {
ItemRow icon(const QString& desc, const QString& command = "cmd") {
    ItemRow r;
    r[ColDescription] = desc;
    r[ColCommand] = command;
    return r;
}
ItemRow section(const QString& name) {
    ItemRow r;
    r[ColDescription] = SectionRow::compose(name, "5", "32", true, false);
    return r;
}
// "i" an icon row, "s" a section row.
void fill(ItemList& list, const QString& shape) {
    std::vector<ItemRow> rows;
    for (int i = 0; i < shape.size(); ++i)
        rows.push_back(shape[i] == 's' ? section(QString::number(i)) : icon(QString::number(i)));
    list.appendItems(std::move(rows));
}
} // namespace

class TestItemList : public QObject {
    Q_OBJECT
private slots:
    void itemsInSection_data();
    void itemsInSection();
    void inPlaceEditCannotMakeASection();
    void sectionRowsShowBoldWithFullTextTips();
};

void TestItemList::itemsInSection_data() {
    QTest::addColumn<QString>("shape");
    QTest::addColumn<QList<int>>("counts"); // per row
    QTest::newRow("leading icons then sections") << "iisis" << QList<int>{2, 2, 1, 1, 0};
    QTest::newRow("only a section") << "s" << QList<int>{0};
    QTest::newRow("only an icon") << "i" << QList<int>{1};
    QTest::newRow("no sections") << "iii" << QList<int>{3, 3, 3};
    QTest::newRow("adjacent sections") << "ssii" << QList<int>{0, 2, 2, 2};
}

void TestItemList::itemsInSection() {
    QFETCH(QString, shape);
    QFETCH(QList<int>, counts);
    ItemList list;
    fill(list, shape);
    for (int r = 0; r < list.count(); ++r)
        QCOMPARE(list.iconsInSection(r), counts[r]);
}

void TestItemList::inPlaceEditCannotMakeASection() {
    ItemList list;
    fill(list, "i");
    QVERIFY(!list.setData(list.index(0, 0), "SECTION:x", Qt::EditRole));
    QCOMPARE(list.cell(0, 0), QString("0"));
    QVERIFY(list.setData(list.index(0, 0), "section:x", Qt::EditRole));
    QCOMPARE(list.cell(0, 0), QString("section:x"));
    QVERIFY(!list.setData(list.index(0, 1), "other column", Qt::EditRole));
}

void TestItemList::sectionRowsShowBoldWithFullTextTips() {
    ItemList list;
    fill(list, "si");
    QVERIFY(list.data(list.index(0, 0), Qt::FontRole).value<QFont>().bold());
    QVERIFY(list.data(list.index(0, 3), Qt::FontRole).value<QFont>().bold());
    QVERIFY(!list.data(list.index(1, 0), Qt::FontRole).value<QFont>().bold());
    QCOMPARE(list.data(list.index(0, 0), Qt::ToolTipRole).toString(), list.cell(0, 0));
    QCOMPARE(list.data(list.index(1, 1), Qt::ToolTipRole).toString(), QString("cmd"));
    QVERIFY(!list.data(list.index(1, 2), Qt::ToolTipRole).isValid());
}

QTEST_GUILESS_MAIN(TestItemList)
#include "tst_itemlist.moc"
