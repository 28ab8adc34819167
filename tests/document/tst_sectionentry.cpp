#include "document/Document.h"
#include "document/SectionEntry.h"
#include "document/SectionRow.h"

#include <QSignalSpy>
#include <QTest>

using namespace ulvanta;

class SectionEntryTest : public QObject {
    Q_OBJECT
private slots:
    void numericFieldRules_data();
    void numericFieldRules();
    void nameRoundTrip_data();
    void nameRoundTrip();
    void defaultsWithEmptyName();
    void addGoesAboveTheCurrentRow_data();
    void addGoesAboveTheCurrentRow();
    void editChangesOnlyTheRowText();
};

void SectionEntryTest::numericFieldRules_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("iconSize");
    QTest::addColumn<QString>("expected");
    QTest::newRow("columns abc") << "abc" << false << "5";
    QTest::newRow("columns empty") << "" << false << "5";
    QTest::newRow("columns 0") << "0" << false << "1";
    QTest::newRow("columns 0.9 rounds down") << "0.9" << false << "1";
    QTest::newRow("columns negative") << "-3" << false << "1";
    QTest::newRow("columns 250") << "250" << false << "100";
    QTest::newRow("columns 7.9 stays") << "7.9" << false << "7.9";
    QTest::newRow("columns 100.9 stays") << "100.9" << false << "100.9";
    QTest::newRow("columns with blanks stays") << " 12 " << false << " 12 ";
    QTest::newRow("columns grouped thousands") << "1,000" << false << "100";
    QTest::newRow("columns infinity") << "inf" << false << "5";
    QTest::newRow("icon size 8") << "8" << true << "16";
    QTest::newRow("icon size 5000") << "5000" << true << "1024";
    QTest::newRow("icon size x") << "x" << true << "32";
    QTest::newRow("icon size bounds stay") << "1024" << true << "1024";
}

void SectionEntryTest::numericFieldRules() {
    QFETCH(QString, text);
    QFETCH(bool, iconSize);
    QFETCH(QString, expected);
    const auto& rule = iconSize ? SectionEntry::IconSizeRule : SectionEntry::ColumnsRule;
    const QString once = SectionEntry::applyRule(text, rule);
    QCOMPARE(once, expected);
    QCOMPARE(SectionEntry::applyRule(once, rule), once); // leaving the field again changes nothing
}

void SectionEntryTest::nameRoundTrip_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("stored"); // the escaped name in the row
    QTest::newRow("colon and semicolon") << "Tools: A;B"
                                         << "Tools{c} A{s}B";
    QTest::newRow("braces") << "{x}"
                            << "{l}x{r}";
    QTest::newRow("literal escape token") << "{c}"
                                          << "{l}c{r}";
    QTest::newRow("all four") << "a:b;c{d}"
                              << "a{c}b{s}c{l}d{r}";
    QTest::newRow("html and accents") << "R&D <é>"
                                      << "R&amp{s}D &lt{s}&#233{s}&gt{s}";
}

void SectionEntryTest::nameRoundTrip() {
    QFETCH(QString, name);
    QFETCH(QString, stored);
    SectionEntry::Fields f;
    f.name = name;
    const QString row = SectionEntry::compose(f);
    QCOMPARE(row, "SECTION:" + stored + SectionRow::defaultTail());
    QCOMPARE(SectionEntry::fromRow(row), f);
}

void SectionEntryTest::defaultsWithEmptyName() {
    QCOMPARE(SectionEntry::compose({}),
             QStringLiteral("SECTION:;Columns:5;Icon size:32;Icons above:True;Table border:False"));
    SectionEntry::Fields f;
    f.name = QStringLiteral("Tools");
    f.columns = QStringLiteral("0");
    f.iconSize = QStringLiteral("9000");
    f.iconsAbove = false;
    f.tableBorder = true;
    QCOMPARE(SectionEntry::compose(f),
             QStringLiteral("SECTION:Tools;Columns:1;Icon size:1024;Icons above:False;"
                            "Table border:True"));
}

void SectionEntryTest::addGoesAboveTheCurrentRow_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("expected");
    QTest::newRow("third row current") << 4 << 2 << 2;
    QTest::newRow("empty list") << 0 << -1 << 0;
    QTest::newRow("first row current") << 4 << 0 << 0;
    QTest::newRow("no current row") << 4 << -1 << 4;
}

void SectionEntryTest::addGoesAboveTheCurrentRow() {
    QFETCH(int, rows);
    QFETCH(int, current);
    QFETCH(int, expected);
    Document doc;
    for (int i = 0; i < rows; ++i) {
        ItemRow r;
        r[0] = QString::number(i);
        r[1] = QStringLiteral("cmd");
        doc.items().insertItem(i, r);
    }
    QSignalSpy menus(&doc, &Document::checkmenusRequested);
    SectionEntry::Fields f;
    f.name = QStringLiteral("New");
    QCOMPARE(SectionEntry::Confirm(doc, f, false, current), expected);
    QCOMPARE(doc.items().count(), rows + 1);
    ItemRow added;
    added[0] = SectionEntry::compose(f);
    QCOMPARE(doc.items().row(expected), added);
    QVERIFY(doc.Changed);
    QCOMPARE(menus.count(), 1);
}

void SectionEntryTest::editChangesOnlyTheRowText() {
    Document doc;
    ItemRow section;
    section[0] = QStringLiteral("SECTION:Old") + SectionRow::defaultTail();
    section[6] = QStringLiteral("kept comment");
    ItemRow icon;
    icon[0] = QStringLiteral("Icon");
    doc.items().appendItems({section, icon});
    SectionEntry::Fields f = SectionEntry::fromRow(section[0]);
    f.name = QStringLiteral("New");
    f.columns = QStringLiteral("250");
    QCOMPARE(SectionEntry::Confirm(doc, f, true, 0), 0);
    QCOMPARE(doc.items().count(), 2);
    QCOMPARE(doc.items().cell(0, 0),
             QStringLiteral("SECTION:New;Columns:100;Icon size:32;Icons above:True;"
                            "Table border:False"));
    QCOMPARE(doc.items().cell(0, 6), QStringLiteral("kept comment"));
    QCOMPARE(doc.items().row(1), icon);
}

QTEST_GUILESS_MAIN(SectionEntryTest)
#include "tst_sectionentry.moc"
