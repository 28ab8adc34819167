#include "document/Document.h"
#include "document/ReplaceAll.h"
#include "document/SectionRow.h"

#include <QSignalSpy>
#include <QTest>

using namespace ulvanta;

class ReplaceAllTest : public QObject {
    Q_OBJECT
private slots:
    void replacesInOneCell_data();
    void replacesInOneCell();
    void replacesInIconRowsOnly_data();
    void replacesInIconRowsOnly();
};

void ReplaceAllTest::replacesInOneCell_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("find");
    QTest::addColumn<QString>("with");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<QString>("expected");
    const auto add = [](const char* tag, const char* text, const char* find, const char* with,
                        bool matchCase, const char* expected) {
        QTest::newRow(tag) << text << find << with << matchCase << expected;
    };
    const char* path = "C:\\Windows\\NOTEPAD.EXE";
    add("any case", path, "notepad", "wordpad", false, "C:\\Windows\\wordpad.EXE");
    add("match case misses", path, "notepad", "wordpad", true, path);
    add("no rescanning", "banana", "a", "aa", false, "baanaanaa");
    add("no overlapping", "aaaaa", "aa", "b", true, "bba");
    add("accented letters", "ÉCOLE école", "école", "x", false, "x x");
    add("empty find fills", "", "", "C:\\Tools", false, "C:\\Tools");
    add("empty find keeps", "C:\\Work", "", "C:\\Tools", false, "C:\\Work");
}

void ReplaceAllTest::replacesInOneCell() {
    QFETCH(QString, text);
    QFETCH(QString, find);
    QFETCH(QString, with);
    QFETCH(bool, matchCase);
    QFETCH(QString, expected);
    QCOMPARE(replaceInCell(text, find, with, matchCase), expected);
}

void ReplaceAllTest::replacesInIconRowsOnly_data() {
    QTest::addColumn<QString>("find");
    QTest::addColumn<QList<int>>("columns");
    QTest::addColumn<QStringList>("iconAfter"); // Description, Command, Run, Comments
    QTest::addColumn<bool>("changed");
    QTest::newRow("chosen columns") << "note" << QList<int>{ColCommand, ColComments}
                                    << QStringList{"Note", "x.exe", "note", "x"} << true;
    QTest::newRow("run never searched")
        << "note" << QList<int>{ColRun} << QStringList{"Note", "note.exe", "note", "note"} << false;
    QTest::newRow("no column") << "note" << QList<int>{}
                               << QStringList{"Note", "note.exe", "note", "note"} << false;
    QTest::newRow("no match still changes")
        << "zzz" << QList<int>{ColDescription} << QStringList{"Note", "note.exe", "note", "note"}
        << true;
}

void ReplaceAllTest::replacesInIconRowsOnly() {
    QFETCH(QString, find);
    QFETCH(QList<int>, columns);
    QFETCH(QStringList, iconAfter);
    QFETCH(bool, changed);
    Document doc;
    ItemRow icon;
    icon[ColDescription] = QStringLiteral("Note");
    icon[ColCommand] = QStringLiteral("note.exe");
    icon[ColRun] = icon[ColComments] = QStringLiteral("note");
    ItemRow section;
    section[ColDescription] = SectionRow::compose(QStringLiteral("note"), QStringLiteral("5"),
                                                  QStringLiteral("32"), true, false);
    section[ColComments] = QStringLiteral("note");
    doc.items().appendItems({section, icon, icon});
    QSignalSpy spy(&doc.items(), &QAbstractItemModel::dataChanged);

    QCOMPARE(replaceAll(doc, {find, QStringLiteral("x"), false,
                              std::vector<int>(columns.begin(), columns.end())}),
             changed);
    QCOMPARE(doc.isModified(), changed);
    QCOMPARE(doc.items().row(0), section);
    for (int r : {1, 2}) {
        const ItemRow& row = doc.items().row(r);
        QCOMPARE((QStringList{row[ColDescription], row[ColCommand], row[ColRun], row[ColComments]}),
                 iconAfter);
    }
    // Changed cells are reported at once; a run that changed none reports nothing.
    QCOMPARE(spy.count(), (iconAfter != QStringList{"Note", "note.exe", "note", "note"} ? 1 : 0));
}

QTEST_GUILESS_MAIN(ReplaceAllTest)
#include "tst_replace_all.moc"
