#include "document/Document.h"
#include "document/SectionEntry.h"
#include "document/SectionRow.h"

#include <QSignalSpy>
#include <QTest>

using namespace ulvanta;

class SectionEntryTest : public QObject {
    Q_OBJECT
private slots:
    void numericFieldRules_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("iconSize");
        QTest::addColumn<QString>("expected");
        const auto add = [](const char* text, bool iconSize, const char* expected) {
            QTest::addRow("%s %s", iconSize ? "icon size" : "columns", text)
                << text << iconSize << expected;
        };
        for (const auto& [text, expected] :
             std::vector<std::pair<const char*, const char*>>{{"abc", "5"},
                                                              {"0.9", "1"},
                                                              {"-3", "1"},
                                                              {"250", "100"},
                                                              {"100.9", "100.9"},
                                                              {" 12 ", " 12 "},
                                                              {"1,000", "100"},
                                                              {"inf", "5"}})
            add(text, false, expected);
        add("8", true, "16");
        add("5000", true, "1024");
        add("x", true, "32");
    }
    void numericFieldRules() {
        QFETCH(QString, text);
        QFETCH(bool, iconSize);
        QFETCH(QString, expected);
        const auto& rule = iconSize ? SectionEntry::IconSizeRule : SectionEntry::ColumnsRule;
        const QString once = SectionEntry::applyRule(text, rule);
        QCOMPARE(once, expected);
        QCOMPARE(SectionEntry::applyRule(once, rule), once); // leaving the field again
    }

    // "SECTION:" and ";"-separated "Key:value" fields; the name's own colons,
    // semicolons and braces are escaped and come back whole.
    void rowFields_data() {
        QTest::addColumn<QString>("row");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("value");
        const QString example =
            "SECTION:Tools{c} A{s}B;Columns:5;Icon size:32;Icons above:True;Table border:False";
        QTest::newRow("name") << example << 1 << "Tools: A;B";
        QTest::newRow("icon size") << example << 3 << "32";
        QTest::newRow("border") << example << 5 << "False";
        QTest::newRow("no sixth field") << example << 6 << "";
        QTest::newRow("field without colon") << "SECTION:x;Columns" << 2 << "";
        QTest::newRow("second colon cuts") << "SECTION:x;Columns:5:9" << 2 << "5";
        QTest::newRow("empty name") << "SECTION:;Columns:5" << 1 << "";
        QTest::newRow("decoded name")
            << "SECTION:&#233{s}t&amp{s};Columns:1" << 1 << QString::fromUtf8("ét&");
        for (const char* name : {"a{c}b", "x:y;z{w}", "{{}}{l}{r}", "日本 <b>&</b>"}) {
            const QString row =
                SectionEntry::compose({QString::fromUtf8(name), "3", "48", false, true});
            QTest::addRow("composed %s", name) << row << 1 << QString::fromUtf8(name);
            QTest::addRow("composed %s, border", name) << row << 5 << "True";
        }
    }
    void rowFields() {
        QFETCH(QString, row);
        QFETCH(int, field);
        QFETCH(QString, value);
        QCOMPARE(SectionRow::field(row, field), value);
    }

    void composeAppliesTheRules() {
        QCOMPARE(
            SectionEntry::compose({}),
            QStringLiteral("SECTION:;Columns:5;Icon size:32;Icons above:True;Table border:False"));
        const SectionEntry::Fields f{"Tools", "0", "9000", false, true};
        QCOMPARE(SectionEntry::compose(f),
                 QStringLiteral(
                     "SECTION:Tools;Columns:1;Icon size:1024;Icons above:False;Table border:True"));
    }

    void addGoesAboveTheCurrentRow_data() {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("expected");
        QTest::newRow("third row current") << 4 << 2 << 2;
        QTest::newRow("empty list") << 0 << -1 << 0;
        QTest::newRow("no current row") << 4 << -1 << 4;
    }
    void addGoesAboveTheCurrentRow() {
        QFETCH(int, rows);
        QFETCH(int, current);
        QFETCH(int, expected);
        Document doc;
        for (int i = 0; i < rows; ++i)
            doc.items().insertItem(i, ItemRow{QString::number(i), "cmd"});
        QSignalSpy menus(&doc, &Document::actionUpdateRequested);
        SectionEntry::Fields f;
        f.name = QStringLiteral("New");
        QCOMPARE(SectionEntry::confirm(doc, f, false, current), expected);
        QCOMPARE(doc.items().count(), rows + 1);
        QCOMPARE(doc.items().row(expected), ItemRow{SectionEntry::compose(f)});
        QVERIFY(doc.isModified());
        QCOMPARE(menus.count(), 1);
    }

    void editChangesOnlyTheRowText() {
        Document doc;
        const ItemRow section{
            "SECTION:Old" + SectionRow::defaultTail(), "", "", "", "", "", "kept comment"};
        const ItemRow icon{"Icon"};
        doc.items().appendItems({section, icon});
        SectionEntry::Fields f = SectionEntry::fromRow(section[0]);
        f.name = QStringLiteral("New");
        f.columns = QStringLiteral("250");
        QCOMPARE(SectionEntry::confirm(doc, f, true, 0), 0);
        ItemRow edited = section;
        edited[0] = "SECTION:New;Columns:100;Icon size:32;Icons above:True;Table border:False";
        QCOMPARE(doc.items().row(0), edited);
        QCOMPARE(doc.items().row(1), icon);
        QCOMPARE(doc.items().count(), 2);
    }
};

QTEST_GUILESS_MAIN(SectionEntryTest)
#include "tst_sectionentry.moc"
