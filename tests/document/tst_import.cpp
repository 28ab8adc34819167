#include "ScriptedPrompter.h"
#include "components/PackFile.h"
#include "document/Document.h"
#include "document/ImportCommand.h"
#include "document/SectionRow.h"

#include <QTemporaryDir>
#include <QTest>

using namespace ulvanta;
using test::ScriptedPrompter;

namespace {
ItemRow icon(int n) {
    ItemRow r;
    r[ColDescription] = QStringLiteral("Item %1").arg(n);
    r[ColParameters] = QStringLiteral("-a,\"b\"");
    r[ColRun] = QStringLiteral("Hidden");
    return r;
}

// A document of `rows` icon rows with properties of its own.
void writeDocument(const QString& path, int rows) {
    Document src;
    src.Propulate();
    src.WriteProp(QStringLiteral("Title"), QStringLiteral("Other"));
    src.WriteProp(QStringLiteral("Columns"), QStringLiteral("9"));
    std::vector<ItemRow> all;
    for (int i = 1; i <= rows; ++i)
        all.push_back(icon(i));
    src.items().appendItems(std::move(all));
    src.SaveFile(path);
}

// An untitled document holding one row, titled Mine.
void prepare(Document& doc) {
    doc.Propulate();
    doc.WriteProp(QStringLiteral("Title"), QStringLiteral("Mine"));
    doc.items().appendItems({ItemRow{QStringLiteral("Existing")}});
    doc.setTitledCaption(QStringLiteral("Mine"));
}
} // namespace

class ImportTest : public QObject {
    Q_OBJECT
private slots:
    void addsTheRowsOfTheFile_data();
    void addsTheRowsOfTheFile();
    void reportsAMissingFileAfterAddingTheSection();
    void reportsACorruptFileAndKeepsTheRowsRead();
    void importsTheCurrentDocumentItself();

private:
    QTemporaryDir m_dir;
};

void ImportTest::addsTheRowsOfTheFile_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("sectionName");
    QTest::addColumn<QString>("sectionRow"); // empty: no section row
    QTest::addColumn<QString>("message");
    const auto row = [](const char* tag, int rows, const QString& name, const QString& sect,
                        const char* message) {
        QTest::newRow(tag) << rows << name << sect << QString(message);
    };
    const QString tail = SectionRow::defaultTail();
    row("no section", 3, "  ", {}, "3 items were successfully added");
    row("padded name", 1, "  Games  ", "SECTION:Games" + tail, "1 item was successfully added");
    row("escaped name", 2, "A:B;{x}", "SECTION:A{c}B{s}{l}x{r}" + tail,
        "2 items were successfully added");
    row("no items", 0, {}, {}, "No items were found in the file");
    row("grouped count", 1234, {}, {}, "1,234 items were successfully added");
}

void ImportTest::addsTheRowsOfTheFile() {
    QFETCH(int, rows);
    QFETCH(QString, sectionName);
    QFETCH(QString, sectionRow);
    QFETCH(QString, message);
    const QString path = m_dir.filePath(QStringLiteral("src.pmf"));
    writeDocument(path, rows);
    Document doc;
    prepare(doc);
    const QString caption = doc.caption();
    ScriptedPrompter p;
    QCOMPARE(ImportCommand(doc, p).import(path, sectionName), ImportCommand::Outcome::Imported);

    const int withSection = sectionRow.isEmpty() ? 0 : 1;
    QCOMPARE(doc.items().count(), 1 + withSection + rows);
    if (withSection)
        QCOMPARE(doc.items().row(1), ItemRow{sectionRow});
    if (rows > 0)
        QCOMPARE(doc.items().row(doc.items().count() - 1), icon(rows));
    QCOMPARE(p.messages.size(), 1);
    QCOMPARE(p.messages[0].text, message);
    QCOMPARE(p.messages[0].title, QStringLiteral("Import Result"));
    QVERIFY(doc.Changed);
    QCOMPARE(p.busyDepth, 0);
    // The file's properties never reach the open document.
    QCOMPARE(doc.ReadProp(QStringLiteral("Title"), true), QStringLiteral("Mine"));
    QCOMPARE(doc.ReadProp(QStringLiteral("Columns"), true), QStringLiteral("5"));
    QVERIFY(doc.CurFile.isEmpty());
    QCOMPARE(doc.caption(), caption);
}

void ImportTest::reportsAMissingFileAfterAddingTheSection() {
    Document doc;
    prepare(doc);
    ScriptedPrompter p;
    const QString path = m_dir.filePath(QStringLiteral("nothing here.pmf"));
    QCOMPARE(ImportCommand(doc, p).import(path, QStringLiteral("Games")),
             ImportCommand::Outcome::MissingFile);
    QCOMPARE(p.messages.value(0).text,
             QStringLiteral("Could not find the file '") + path +
                 QStringLiteral("'. Please check the filename and try again."));
    QCOMPARE(p.messages.value(0).icon, PromptIcon::Exclamation);
    QCOMPARE(doc.items().count(), 2);
    QVERIFY(doc.items().isSection(1));
    QVERIFY(!doc.Changed);
}

void ImportTest::reportsACorruptFileAndKeepsTheRowsRead() {
    // One whole row, then a DESC with only one of the six entries that must follow it.
    const QString path = m_dir.filePath(QStringLiteral("bad.pmf"));
    PackFile pack;
    const char* names[] = {"DESC", "COMMAND",  "PARAM", "STARTIN", "ICON",
                           "RUN",  "COMMENTS", "DESC",  "COMMAND"};
    quint32 i = 0;
    for (const char* n : names) {
        pack.SetEntry(QString::fromLatin1(n), 3, ++i);
        pack.SetEntry(QStringLiteral("v%1").arg(i), 5, i);
    }
    pack.SetEntry(i, 1, 0);
    pack.WritePack(path);
    Document doc;
    prepare(doc);
    ScriptedPrompter p;
    QCOMPARE(ImportCommand(doc, p).import(path, {}), ImportCommand::Outcome::Failed);
    QCOMPARE(doc.items().count(), 2);
    QCOMPARE(p.messages.value(0).text,
             QStringLiteral("An error occurred when attempting to import the file '") + path +
                 QStringLiteral("' - Invalid file format (the last row is cut short), 321"));
    QCOMPARE(p.messages.value(0).title, QStringLiteral("Import Error"));
    QCOMPARE(p.messages.value(0).icon, PromptIcon::Critical);
    QVERIFY(!doc.Changed);
    QCOMPARE(p.busyDepth, 0);
}

void ImportTest::importsTheCurrentDocumentItself() {
    const QString path = m_dir.filePath(QStringLiteral("self.pmf"));
    writeDocument(path, 2);
    Document doc;
    doc.OpenFile(path, false); // held from now on
    ScriptedPrompter p;
    QCOMPARE(ImportCommand(doc, p).import(path, QString()), ImportCommand::Outcome::Imported);
    QCOMPARE(doc.items().count(), 4);
    QCOMPARE(doc.items().row(2), doc.items().row(0));
    QVERIFY(doc.CO.isHeld());
}

QTEST_GUILESS_MAIN(ImportTest)
#include "tst_import.moc"
