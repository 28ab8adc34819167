#include "ScriptedPrompter.h"
#include "components/PackFile.h"
#include "document/Document.h"
#include "document/ImportCommand.h"
#include "document/SectionRow.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace ulvanta;
using test::ScriptedPrompter;

namespace {
ItemRow icon(int n) {
    ItemRow r;
    r[ColDescription] = QStringLiteral("Item %1").arg(n);
    r[ColCommand] = QStringLiteral("C:\\apps\\app%1.exe").arg(n);
    r[ColParameters] = QStringLiteral("-a,\"b\"");
    r[ColRun] = QStringLiteral("Hidden");
    r[ColComments] = QStringLiteral("no. %1").arg(n);
    return r;
}

// Writes a document holding `rows` icon rows and a title of its own.
QString writeDocument(const QString& path, int rows) {
    Document src;
    src.Propulate();
    src.WriteProp(QStringLiteral("Title"), QStringLiteral("Imported Page"));
    src.WriteProp(QStringLiteral("Columns"), QStringLiteral("9"));
    std::vector<ItemRow> all;
    for (int i = 1; i <= rows; ++i)
        all.push_back(icon(i));
    src.items().appendItems(std::move(all));
    src.SaveFile(path);
    src.CO.release();
    return path;
}

// A document with one existing row, a title and a file of its own.
void prepare(Document& doc) {
    doc.Propulate();
    doc.WriteProp(QStringLiteral("Title"), QStringLiteral("Mine"));
    ItemRow r;
    r[ColDescription] = QStringLiteral("Existing");
    doc.items().appendItems({r});
    doc.setTitledCaption(QStringLiteral("Mine"));
}
} // namespace

class ImportTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(m_dir.isValid()); }
    void addsTheRowsOfTheFile_data();
    void addsTheRowsOfTheFile();
    void reportsAMissingFileAfterAddingTheSection();
    void reportsACorruptFileAndKeepsTheRowsRead_data();
    void reportsACorruptFileAndKeepsTheRowsRead();
    void importsTheCurrentDocumentItself();
    void countsWithTheUsersDigitGrouping_data();
    void countsWithTheUsersDigitGrouping();
    void asksForTheFileToImport();

private:
    QTemporaryDir m_dir;
};

void ImportTest::addsTheRowsOfTheFile_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("sectionName");
    QTest::addColumn<QString>("sectionRow"); // empty: no section row expected
    QTest::addColumn<QString>("message");
    const QString tail = SectionRow::defaultTail();
    QTest::newRow("no section name") << 3 << ""
                                     << ""
                                     << "3 items were successfully added";
    QTest::newRow("blank section name") << 2 << "   "
                                        << ""
                                        << "2 items were successfully added";
    QTest::newRow("padded section name")
        << 1 << "  Games  "
        << "SECTION:Games" + tail << "1 item was successfully added";
    QTest::newRow("section name escaped")
        << 2 << "A:B;{x}"
        << "SECTION:A{c}B{s}{l}x{r}" + tail << "2 items were successfully added";
    QTest::newRow("file without items") << 0 << ""
                                        << ""
                                        << "No items were found in the file";
    QTest::newRow("section for a file without items")
        << 0 << "Empty"
        << "SECTION:Empty" + tail << "No items were found in the file";
    QTest::newRow("grouped count") << 1234 << ""
                                   << ""
                                   << "1,234 items were successfully added";
}

void ImportTest::addsTheRowsOfTheFile() {
    QFETCH(int, rows);
    QFETCH(QString, sectionName);
    QFETCH(QString, sectionRow);
    QFETCH(QString, message);
    const QString path = writeDocument(m_dir.filePath(QStringLiteral("src.pmf")), rows);

    Document doc;
    prepare(doc);
    const QString caption = doc.caption();
    ScriptedPrompter p;
    ImportCommand cmd(doc, p);
    QCOMPARE(cmd.import(path, sectionName), ImportCommand::Outcome::Imported);

    const int sectionRows = sectionRow.isEmpty() ? 0 : 1;
    QCOMPARE(doc.items().count(), 1 + sectionRows + rows);
    if (sectionRows) {
        QCOMPARE(doc.items().cell(1, ColDescription), sectionRow);
        for (int c = 1; c < ItemColumnCount; ++c)
            QVERIFY(doc.items().cell(1, c).isEmpty());
    }
    if (rows > 0) {
        QCOMPARE(doc.items().row(1 + sectionRows), icon(1));
        QCOMPARE(doc.items().row(doc.items().count() - 1), icon(rows));
    }
    QCOMPARE(p.messages.size(), 1);
    QCOMPARE(p.messages[0].text, message);
    QCOMPARE(p.messages[0].title, QStringLiteral("Import Result"));
    QCOMPARE(p.messages[0].icon, PromptIcon::Information);
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
    ImportCommand cmd(doc, p);
    const QString path = m_dir.filePath(QStringLiteral("nothing here.pmf"));
    QCOMPARE(cmd.import(path, QStringLiteral("Games")), ImportCommand::Outcome::MissingFile);
    QCOMPARE(p.messages.size(), 1);
    QCOMPARE(p.messages[0].text, QStringLiteral("Could not find the file '") + path +
                                     QStringLiteral("'. Please check the filename and try again."));
    QCOMPARE(p.messages[0].title, QStringLiteral("Import Error"));
    QCOMPARE(p.messages[0].icon, PromptIcon::Exclamation);
    QCOMPARE(doc.items().count(), 2);
    QVERIFY(doc.items().isSection(1));
    QVERIFY(!doc.Changed);

    // A folder is not a file to import either.
    QCOMPARE(cmd.import(m_dir.path(), QString()), ImportCommand::Outcome::MissingFile);
}

void ImportTest::reportsACorruptFileAndKeepsTheRowsRead_data() {
    QTest::addColumn<QByteArray>("kind");
    QTest::addColumn<int>("rowsKept");
    QTest::addColumn<int>("number");
    QTest::newRow("not a document") << QByteArray("text") << 0 << 321;
    QTest::newRow("entry outside the file") << QByteArray("truncated") << 0 << 321;
    QTest::newRow("last row cut short") << QByteArray("short row") << 1 << 321;
}

void ImportTest::reportsACorruptFileAndKeepsTheRowsRead() {
    QFETCH(QByteArray, kind);
    QFETCH(int, rowsKept);
    QFETCH(int, number);
    const QString path =
        m_dir.filePath(QStringLiteral("bad-%1.pmf").arg(QString::fromLatin1(kind)));
    if (kind == "text") {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("just some text, not a document");
    } else if (kind == "truncated") {
        writeDocument(path, 3);
        QFile f(path);
        QVERIFY(f.resize(f.size() - 10));
    } else {
        // One whole row, then a DESC with only two of the six entries after it.
        PackFile pack;
        const char* names[] = {"DESC", "COMMAND",  "PARAM", "STARTIN", "ICON",
                               "RUN",  "COMMENTS", "DESC",  "COMMAND"};
        quint32 i = 0;
        for (const char* n : names) {
            ++i;
            pack.SetEntry(QString::fromLatin1(n), 3, i);
            pack.SetEntry(QStringLiteral("v%1").arg(i), 5, i);
        }
        pack.SetEntry(i, 1, 0);
        pack.WritePack(path);
    }

    Document doc;
    prepare(doc);
    ScriptedPrompter p;
    ImportCommand cmd(doc, p);
    QCOMPARE(cmd.import(path, QString()), ImportCommand::Outcome::Failed);
    QCOMPARE(doc.items().count(), 1 + rowsKept);
    QCOMPARE(p.messages.size(), 1);
    const QString text = p.messages[0].text;
    QVERIFY2(
        text.startsWith(QStringLiteral("An error occurred when attempting to import the file '") +
                        path + QStringLiteral("' - ")),
        qPrintable(text));
    QVERIFY2(text.endsWith(QStringLiteral(", ") + QString::number(number)), qPrintable(text));
    QCOMPARE(p.messages[0].title, QStringLiteral("Import Error"));
    QCOMPARE(p.messages[0].icon, PromptIcon::Critical);
    QVERIFY(!doc.Changed);
    QCOMPARE(p.busyDepth, 0);
}

void ImportTest::importsTheCurrentDocumentItself() {
    const QString path = writeDocument(m_dir.filePath(QStringLiteral("self.pmf")), 2);
    Document doc;
    doc.OpenFile(path, false); // holds the file from now on
    QVERIFY(doc.CO.isHeld());
    ScriptedPrompter p;
    ImportCommand cmd(doc, p);
    QCOMPARE(cmd.import(path, QStringLiteral("Again")), ImportCommand::Outcome::Imported);
    QCOMPARE(doc.items().count(), 5);
    QCOMPARE(doc.items().row(3), doc.items().row(0));
    QCOMPARE(p.messages.value(0).text, QStringLiteral("2 items were successfully added"));
    QVERIFY(doc.CO.isHeld());
    QCOMPARE(doc.CurFile, path);
}

void ImportTest::countsWithTheUsersDigitGrouping_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<qint64>("added");
    QTest::addColumn<QString>("message");
    QTest::newRow("none") << "en_US" << qint64(0) << "No items were found in the file";
    QTest::newRow("one") << "en_US" << qint64(1) << "1 item was successfully added";
    QTest::newRow("two") << "en_US" << qint64(2) << "2 items were successfully added";
    QTest::newRow("below a thousand")
        << "en_US" << qint64(999) << "999 items were successfully added";
    QTest::newRow("commas") << "en_US" << qint64(1234567)
                            << "1,234,567 items were successfully added";
    QTest::newRow("dots") << "de_DE" << qint64(1234) << "1.234 items were successfully added";
}

void ImportTest::countsWithTheUsersDigitGrouping() {
    QFETCH(QString, locale);
    QFETCH(qint64, added);
    QFETCH(QString, message);
    QCOMPARE(ImportCommand::resultMessage(added, QLocale(locale)), message);
}

void ImportTest::asksForTheFileToImport() {
    Document doc;
    ScriptedPrompter p;
    ImportCommand cmd(doc, p);
    p.files.push_back(QStringLiteral("/some/where.pmf"));
    p.files.push_back(std::nullopt);
    QCOMPARE(cmd.browse(), std::optional<QString>(QStringLiteral("/some/where.pmf")));
    QCOMPARE(cmd.browse(), std::optional<QString>());
    QCOMPARE(p.fileRequests.size(), 2);
    QCOMPARE(p.fileRequests[0].title, QStringLiteral("Choose an Ulvanta File to Import"));
    QCOMPARE(p.fileRequests[0].filter,
             QStringLiteral("Ulvanta File (*.pmf)|*.pmf|All files (*.*)|*.*"));
    QVERIFY(p.fileRequests[0].fileName.isEmpty());
    QVERIFY(!p.fileRequests[0].save);
}

QTEST_GUILESS_MAIN(ImportTest)
#include "tst_import.moc"
