#include "document/Document.h"
#include "document/ReplaceAll.h"
#include "document/SectionRow.h"

#include <QSignalSpy>
#include <QTest>

using namespace ulvanta;

namespace {
ItemRow icon(const QString& desc, const QString& command = {}, const QString& startIn = {}) {
    ItemRow r;
    r[ColDescription] = desc;
    r[ColCommand] = command;
    r[ColStartIn] = startIn;
    r[ColRun] = QStringLiteral("Normal Window");
    return r;
}
ItemRow section(const QString& name) {
    ItemRow r;
    r[ColDescription] =
        SectionRow::compose(name, QStringLiteral("5"), QStringLiteral("32"), true, false);
    return r;
}
} // namespace

class ReplaceAllTest : public QObject {
    Q_OBJECT
private slots:
    void replacesInOneCell_data();
    void replacesInOneCell();
    void replacesOverTheChosenColumns_data();
    void replacesOverTheChosenColumns();
    void leavesSectionRowsAlone();
    void marksChangedOnlyWhenAnIconRowWasVisited_data();
    void marksChangedOnlyWhenAnIconRowWasVisited();
    void aDescriptionTurnedIntoASectionCountsAsSectionNextTime();
    void reportsTheWholeListChangedOnce();
};

void ReplaceAllTest::replacesInOneCell_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("find");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<QString>("expected");
    QTest::newRow("any case") << "C:\\Windows\\NOTEPAD.EXE"
                              << "notepad"
                              << "wordpad" << false << "C:\\Windows\\wordpad.EXE";
    QTest::newRow("match case misses") << "C:\\Windows\\NOTEPAD.EXE"
                                       << "notepad"
                                       << "wordpad" << true << "C:\\Windows\\NOTEPAD.EXE";
    QTest::newRow("match case hits") << "notepad NOTEPAD notepad"
                                     << "notepad"
                                     << "x" << true << "x NOTEPAD x";
    QTest::newRow("inserted text not rescanned") << "banana"
                                                 << "a"
                                                 << "aa" << false << "baanaanaa";
    QTest::newRow("occurrences do not overlap") << "aaaaa"
                                                << "aa"
                                                << "b" << true << "bba";
    QTest::newRow("replacement inserted as typed") << "Start Here"
                                                   << "here"
                                                   << "THERE" << false << "Start THERE";
    QTest::newRow("accented letters any case") << "ÉCOLE école"
                                               << "école"
                                               << "school" << false << "school school";
    QTest::newRow("replace by nothing") << "a-b-c"
                                        << "-"
                                        << "" << true << "abc";
    QTest::newRow("find longer than text") << "ab"
                                           << "abc"
                                           << "x" << false << "ab";
    QTest::newRow("empty find fills empty cell") << ""
                                                 << ""
                                                 << "C:\\Tools" << false << "C:\\Tools";
    QTest::newRow("empty find keeps filled cell") << "C:\\Work"
                                                  << ""
                                                  << "C:\\Tools" << false << "C:\\Work";
    QTest::newRow("empty cell without a match stays empty") << ""
                                                            << "x"
                                                            << "y" << false << "";
}

void ReplaceAllTest::replacesInOneCell() {
    QFETCH(QString, text);
    QFETCH(QString, find);
    QFETCH(QString, replacement);
    QFETCH(bool, matchCase);
    QFETCH(QString, expected);
    QCOMPARE(replaceInCell(text, find, replacement, matchCase), expected);
}

void ReplaceAllTest::replacesOverTheChosenColumns_data() {
    QTest::addColumn<QList<int>>("columns");
    QTest::addColumn<QString>("expectedDesc");
    QTest::addColumn<QString>("expectedParam");
    QTest::addColumn<QString>("expectedRun");
    QTest::addColumn<QString>("expectedComments");
    // Each row's cells all hold "one"; only the chosen columns change.
    QTest::newRow("description only") << QList<int>{ColDescription} << "two"
                                      << "one"
                                      << "one"
                                      << "one";
    QTest::newRow("parameters and comments") << QList<int>{ColParameters, ColComments} << "one"
                                             << "two"
                                             << "one"
                                             << "two";
    QTest::newRow("run column never searched") << QList<int>{ColRun, ColComments} << "one"
                                               << "one"
                                               << "one"
                                               << "two";
    QTest::newRow("a column named twice is replaced once")
        << QList<int>{ColParameters, ColParameters} << "one"
        << "two"
        << "one"
        << "one";
}

void ReplaceAllTest::replacesOverTheChosenColumns() {
    QFETCH(QList<int>, columns);
    QFETCH(QString, expectedDesc);
    QFETCH(QString, expectedParam);
    QFETCH(QString, expectedRun);
    QFETCH(QString, expectedComments);
    Document doc;
    ItemRow r;
    r.fill(QStringLiteral("one"));
    doc.items().appendItems({r});
    ReplaceAll(doc, {QStringLiteral("one"), QStringLiteral("two"), true,
                     std::vector<int>(columns.begin(), columns.end())});
    QCOMPARE(doc.items().cell(0, ColDescription), expectedDesc);
    QCOMPARE(doc.items().cell(0, ColParameters), expectedParam);
    QCOMPARE(doc.items().cell(0, ColRun), expectedRun);
    QCOMPARE(doc.items().cell(0, ColComments), expectedComments);
}

void ReplaceAllTest::leavesSectionRowsAlone() {
    Document doc;
    const ItemRow tools = section(QStringLiteral("Notepad tools"));
    doc.items().appendItems({icon(QStringLiteral("Notepad"), QStringLiteral("notepad.exe")), tools,
                             icon(QStringLiteral("Notes"), QStringLiteral("C:\\NOTEPAD.EXE"))});
    ReplaceAll(doc, {QStringLiteral("notepad"),
                     QStringLiteral("wordpad"),
                     false,
                     {ColDescription, ColCommand}});
    QCOMPARE(doc.items().row(1), tools);
    QCOMPARE(doc.items().cell(0, ColDescription), QStringLiteral("wordpad"));
    QCOMPARE(doc.items().cell(0, ColCommand), QStringLiteral("wordpad.exe"));
    QCOMPARE(doc.items().cell(2, ColCommand), QStringLiteral("C:\\wordpad.EXE"));

    // An empty find fills the empty Start In of icon rows only.
    ReplaceAll(doc, {QString(), QStringLiteral("C:\\Tools"), false, {ColStartIn}});
    QCOMPARE(doc.items().cell(0, ColStartIn), QStringLiteral("C:\\Tools"));
    QCOMPARE(doc.items().row(1), tools);
    QCOMPARE(doc.items().cell(2, ColStartIn), QStringLiteral("C:\\Tools"));
}

void ReplaceAllTest::marksChangedOnlyWhenAnIconRowWasVisited_data() {
    QTest::addColumn<bool>("withIcon");
    QTest::addColumn<QList<int>>("columns");
    QTest::addColumn<bool>("changed");
    QTest::newRow("icon row, no match") << true << QList<int>{ColCommand} << true;
    QTest::newRow("no column chosen") << true << QList<int>{} << false;
    QTest::newRow("only the run column") << true << QList<int>{ColRun} << false;
    QTest::newRow("only section rows") << false << QList<int>{ColDescription} << false;
}

void ReplaceAllTest::marksChangedOnlyWhenAnIconRowWasVisited() {
    QFETCH(bool, withIcon);
    QFETCH(QList<int>, columns);
    QFETCH(bool, changed);
    Document doc;
    doc.items().appendItems({section(QStringLiteral("A"))});
    if (withIcon)
        doc.items().appendItems({icon(QStringLiteral("Editor"), QStringLiteral("ed.exe"))});
    const ItemRow before = doc.items().row(doc.items().count() - 1);
    const bool ran = ReplaceAll(doc, {QStringLiteral("zzz"), QStringLiteral("y"), false,
                                      std::vector<int>(columns.begin(), columns.end())});
    QCOMPARE(ran, changed);
    QCOMPARE(doc.Changed, changed);
    QCOMPARE(doc.items().row(doc.items().count() - 1), before);
}

void ReplaceAllTest::aDescriptionTurnedIntoASectionCountsAsSectionNextTime() {
    Document doc;
    doc.items().appendItems({icon(QStringLiteral("S:x"), QStringLiteral("S:run"))});
    // The row is an icon row when the run starts, so all its chosen columns change.
    ReplaceAll(
        doc,
        {QStringLiteral("S:"), QStringLiteral("SECTION:"), true, {ColDescription, ColCommand}});
    QCOMPARE(doc.items().cell(0, ColDescription), QStringLiteral("SECTION:x"));
    QCOMPARE(doc.items().cell(0, ColCommand), QStringLiteral("SECTION:run"));
    QVERIFY(doc.items().isSection(0));
    doc.Changed = false;
    QVERIFY(!ReplaceAll(doc, {QStringLiteral("x"), QStringLiteral("y"), true, {ColDescription}}));
    QCOMPARE(doc.items().cell(0, ColDescription), QStringLiteral("SECTION:x"));
    QVERIFY(!doc.Changed);
}

void ReplaceAllTest::reportsTheWholeListChangedOnce() {
    Document doc;
    std::vector<ItemRow> rows(500, icon(QStringLiteral("a"), QStringLiteral("a")));
    doc.items().appendItems(rows);
    QSignalSpy spy(&doc.items(), &QAbstractItemModel::dataChanged);
    ReplaceAll(doc, {QStringLiteral("a"), QStringLiteral("b"), true, {ColCommand}});
    QCOMPARE(spy.count(), 1);
    QCOMPARE(doc.items().cell(499, ColCommand), QStringLiteral("b"));
}

QTEST_GUILESS_MAIN(ReplaceAllTest)
#include "tst_replace_all.moc"
