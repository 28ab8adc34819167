#include "ScriptedPrompter.h"
#include "components/EntryContainer.h"
#include "document/Document.h"
#include "document/ImportCommand.h"
#include "document/SectionRow.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace ulvanta;
using test::ScriptedPrompter;
using Outcome = ImportCommand::Outcome;

Q_DECLARE_METATYPE(ImportCommand::Outcome)

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
    src.resetProperties();
    src.setSetting(QStringLiteral("Title"), QStringLiteral("Other"));
    src.setSetting(QStringLiteral("Columns"), QStringLiteral("9"));
    std::vector<ItemRow> all;
    for (int i = 1; i <= rows; ++i)
        all.push_back(icon(i));
    src.items().appendItems(std::move(all));
    src.save(path);
}

// One whole row, then a row with only two of its seven entries.
void writeCutShortFile(const QString& path) {
    const char* names[] = {"DESC", "COMMAND", "PARAM", "STARTIN", "ICON", "RUN", "COMMENTS"};
    EntryContainer pack;
    for (quint32 i = 1; i <= 9; ++i) {
        pack.setEntryName(i, QString::fromLatin1(names[(i - 1) % 7]));
        pack.setEntryContent(i, icon(1)[(i - 1) % 7]);
    }
    pack.setEntryCount(9);
    pack.save(path);
}

// A browser's export: a folder of two links.
void writeBookmarks(const QString& path) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<DL><p>\n<DT><H3>News</H3>\n<DL><p>\n"
            "<DT><A HREF=\"https://a.org/\">A</A>\n<DT><A HREF=\"https://b.org/\">B</A>\n"
            "</DL><p>\n</DL>\n");
}

const int kNoFile = -1, kCutShort = -2, kBookmarks = -3;
} // namespace

class ImportTest : public QObject {
    Q_OBJECT
private slots:
    void importAddsTheRowsReadAndReports_data() {
        QTest::addColumn<int>("file"); // a document's rows, kNoFile or kCutShort
        QTest::addColumn<QString>("sectionName");
        QTest::addColumn<QString>("sectionRow"); // empty: no section row
        QTest::addColumn<QString>("message");    // %1: the file
        const auto row = [](const char* tag, int file, const QString& name, const QString& sect,
                            const char* message) {
            QTest::newRow(tag) << file << name << sect << QString(message);
        };
        const QString tail = SectionRow::defaultTail();
        const char* wrong = "An error occurred when attempting to import the file '%1' - Invalid "
                            "file format (the last row is cut short), 321";
        row("no section", 3, "  ", {}, "3 items were successfully added");
        row("padded, escaped name", 1, "  A:B;{x}  ", "SECTION:A{c}B{s}{l}x{r}" + tail,
            "1 item was successfully added");
        row("no items", 0, {}, {}, "No items were found in the file");
        row("grouped count", 1234, {}, {}, "1,234 items were successfully added");
        row("missing file, after adding the section", kNoFile, "Games", "SECTION:Games" + tail,
            "Could not find the file '%1'. Please check the filename and try again.");
        row("last row cut short, the rows read stay", kCutShort, {}, {}, wrong);
        row("bookmarks: a section and its links", kBookmarks, {}, {},
            "3 items were successfully added");
    }

    void importAddsTheRowsReadAndReports() {
        QFETCH(int, file);
        QFETCH(QString, sectionName);
        QFETCH(QString, sectionRow);
        QFETCH(QString, message);
        const QString path = m_dir.filePath(QString("src %1.pmf").arg(QTest::currentDataTag()));
        if (file == kCutShort)
            writeCutShortFile(path);
        else if (file == kBookmarks)
            writeBookmarks(path);
        else if (file != kNoFile)
            writeDocument(path, file);
        const Outcome outcome = file == kNoFile     ? Outcome::MissingFile
                                : file == kCutShort ? Outcome::Failed
                                                    : Outcome::Imported;
        const int added = file == kCutShort    ? 1
                          : file == kBookmarks ? 3
                                               : std::max(file, 0); // the rows read
        Document doc;
        doc.resetProperties();
        doc.setSetting(QStringLiteral("Title"), QStringLiteral("Mine"));
        doc.items().appendItems({ItemRow{QStringLiteral("Existing")}});
        QSignalSpy named(&doc, &Document::nameChanged);
        ScriptedPrompter p;
        QCOMPARE(ImportCommand(doc, p).import(path, sectionName), outcome);

        const int withSection = sectionRow.isEmpty() ? 0 : 1;
        QCOMPARE(doc.items().count(), 1 + withSection + added);
        if (withSection)
            QCOMPARE(doc.items().row(1), ItemRow{sectionRow});
        if (added > 0 && file != kBookmarks)
            QCOMPARE(doc.items().row(doc.items().count() - 1), icon(added));
        QCOMPARE(p.messages.size(), 1);
        QCOMPARE(p.messages[0].text, message.arg(path));
        const bool imported = outcome == Outcome::Imported;
        QCOMPARE(p.messages[0].title, imported ? "Import Result" : "Import Error");
        QCOMPARE(doc.isModified(), imported || withSection + added > 0);
        QCOMPARE(p.busyDepth, 0);
        // The file's properties never reach the open document.
        QCOMPARE(doc.setting(QStringLiteral("Title")), QStringLiteral("Mine"));
        QCOMPARE(doc.setting(QStringLiteral("Columns")), QStringLiteral("5"));
        QVERIFY(doc.filePath().isEmpty());
        QCOMPARE(named.count(), 0); // the window keeps its title
        // Every row the import appended goes with one undo.
        QCOMPARE(doc.undoStack().count(), withSection + added > 0 ? 1 : 0);
        doc.undoStack().undo();
        QCOMPARE(doc.items().count(), 1);
    }

    void importsTheCurrentDocumentItself() {
        const QString path = m_dir.filePath(QStringLiteral("self.pmf"));
        writeDocument(path, 2);
        Document doc;
        doc.load(path); // held from now on
        ScriptedPrompter p;
        QCOMPARE(ImportCommand(doc, p).import(path, QString()), Outcome::Imported);
        QCOMPARE(doc.items().count(), 4);
        QCOMPARE(doc.items().row(2), doc.items().row(0));
        QVERIFY(doc.fileLock().isHeld());
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(ImportTest)
#include "tst_import.moc"
