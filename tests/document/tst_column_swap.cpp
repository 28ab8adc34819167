#include "document/ColumnSwap.h"
#include "document/Document.h"
#include "document/SectionRow.h"

#include <QTest>

using namespace ulvanta;

class ColumnSwapTest : public QObject {
    Q_OBJECT
private slots:
    void changesEveryIconRow_data() {
        // Each icon row holds Description D, Command C, Parameters P, Icon I, Run R, Comments M.
        QTest::addColumn<int>("operation");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<QString>("after"); // the seven cells, joined
        QTest::addColumn<bool>("done");
        const int swap = int(ColumnOperation::Swap), move = int(ColumnOperation::Move),
                  copy = int(ColumnOperation::Copy);
        QTest::newRow("swap description and command") << swap << 0 << 1 << "CDP-IRM" << true;
        QTest::newRow("move parameters to comments") << move << 2 << 5 << "DC--IRP" << true;
        QTest::newRow("copy icon to comments") << copy << 4 << 5 << "DCP-IRI" << true;
        QTest::newRow("same column refused") << move << 2 << 2 << "DCP-IRM" << false;
        QTest::newRow("unknown column refused") << copy << 0 << 6 << "DCP-IRM" << false;
    }

    void changesEveryIconRow() {
        QFETCH(int, operation);
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(QString, after);
        QFETCH(bool, done);
        const auto row = [](const QString& cells) {
            ItemRow r;
            for (int c = 0; c < ItemColumnCount; ++c)
                r[size_t(c)] = cells[c] == u'-' ? QString() : QString(cells[c]);
            return r;
        };
        Document doc;
        ItemRow section;
        section[ColDescription] = SectionRow::compose(QStringLiteral("S"), QStringLiteral("5"),
                                                      QStringLiteral("32"), true, false);
        doc.items().appendItems(
            {row(QStringLiteral("DCP-IRM")), section, row(QStringLiteral("DCP-IRM"))});
        QCOMPARE(swapColumns(doc, ColumnOperation(operation), first, second), done);
        QCOMPARE(doc.items().row(0), row(after));
        QCOMPARE(doc.items().row(1), section);
        QCOMPARE(doc.items().row(2), row(after));
        QCOMPARE(doc.isModified(), done);
    }

    void worksBeyondThirtyTwoThousandRows() {
        Document doc;
        std::vector<ItemRow> rows(40000);
        for (int i = 0; i < 40000; ++i)
            rows[size_t(i)][ColCommand] = QString::number(i);
        doc.items().appendItems(std::move(rows));
        QVERIFY(swapColumns(doc, ColumnOperation::Swap, 0, 1));
        QCOMPARE(doc.items().cell(39999, ColDescription), QStringLiteral("39999"));
        QVERIFY(doc.items().cell(39999, ColCommand).isEmpty());
    }

    void keepsTheSecondColumnOffTheFirst_data() {
        // "F<n>" chooses the first column, "S<n>" the second.
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::newRow("on opening") << QStringList{} << 0 << 1;
        QTest::newRow("first takes the second's column") << QStringList{"F1"} << 1 << 0;
        QTest::newRow("back to description") << QStringList{"F1", "F0"} << 0 << 1;
        QTest::newRow("other first keeps the second") << QStringList{"F3"} << 3 << 1;
        QTest::newRow("second cannot be the first") << QStringList{"F4", "S4"} << 4 << 1;
        QTest::newRow("first onto a chosen second") << QStringList{"S5", "F5"} << 5 << 0;
    }

    void keepsTheSecondColumnOffTheFirst() {
        QFETCH(QStringList, steps);
        QFETCH(int, first);
        QFETCH(int, second);
        SwapChoice c;
        for (const QString& s : steps)
            s.startsWith(u'F') ? c.chooseFirst(s.mid(1).toInt()) : c.chooseSecond(s.mid(1).toInt());
        QCOMPARE(c.first(), first);
        QCOMPARE(c.second(), second);
        for (int i = 0; i < SwapColumnCount; ++i)
            QCOMPARE(c.secondEnabled(i), i != first);
    }
};

QTEST_GUILESS_MAIN(ColumnSwapTest)
#include "tst_column_swap.moc"
