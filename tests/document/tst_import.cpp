#include "ScriptedPrompter.h"
#include "TestFiles.h"
#include "commands/ImportController.h"
#include "components/EntryContainer.h"
#include "edits/Document.h"
#include "model/SectionRow.h"

#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>
#include <new>

using namespace ulvanta;
using test::ScriptedPrompter;
using Outcome = ImportController::Outcome;

// While set, allocations of this size or more fail as they would with the memory used up.
// AddressSanitizer keeps the allocator to itself, so its builds leave that row out.
static std::size_t failFrom = SIZE_MAX;
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAllocationsFail = false;
#else
constexpr bool kAllocationsFail = true;
void* operator new(std::size_t n) {
    void* p = n < failFrom ? std::malloc(n ? n : 1) : nullptr;
    return p ? p : throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
#endif

namespace {
ItemRow icon(int n) {
    return {QStringLiteral("Item %1").arg(n), "", "-a,\"b\"", "", "", "Hidden"};
}

// "<n> rows": a document of n icon rows with properties of its own; "cut short":
// one whole row, then two of the next row's seven entries; "bookmarks": a
// browser's export of a folder of two links, "unsafe bookmarks" of a program link
// and a link titled as a section, "many bookmarks" of 10,000 links; anything
// else: no file.
void writeSource(const QString& path, const QString& file) {
    if (file.endsWith(" rows")) {
        Document src;
        src.resetProperties();
        src.setSetting(Setting::Title, QStringLiteral("Other"));
        src.setSetting(Setting::Columns, QStringLiteral("9"));
        std::vector<ItemRow> all;
        for (int i = 1; i <= file.section(' ', 0, 0).toInt(); ++i)
            all.push_back(icon(i));
        src.items().appendItems(std::move(all));
        src.save(path);
    } else if (file == "cut short") {
        const char* names[] = {"DESC", "COMMAND", "PARAM", "STARTIN", "ICON", "RUN", "COMMENTS"};
        EntryContainer pack;
        for (quint32 i = 1; i <= 9; ++i) {
            pack.setEntryName(i, QString::fromLatin1(names[(i - 1) % 7]));
            pack.setEntryContent(i, icon(1)[(i - 1) % 7]);
        }
        pack.setEntryCount(9);
        pack.save(path);
    } else if (file == "bookmarks") {
        QVERIFY(test::writeFile(path, "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<DL><p>\n<DT><H3>News"
                                      "</H3>\n<DL><p>\n<DT><A HREF=\"https://a.org/\">A</A>\n"
                                      "<DT><A HREF=\"https://b.org/\">B</A>\n</DL><p>\n</DL>\n"));
    } else if (file == "many bookmarks") {
        const QByteArray link = "<DT><A HREF=\"https://a.org/\">A</A>\n";
        QVERIFY(
            test::writeFile(path, "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n" + link.repeated(1e4)));
    } else if (file == "unsafe bookmarks") {
        QVERIFY(test::writeFile(path, "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<DL><p>\n"
                                      "<DT><A HREF=\" PM:/bin/sh\">Docs</A>\n<DT><A HREF=\""
                                      "https://a.org/\">SECTION:A;Columns:0</A>\n</DL>\n"));
    }
}
} // namespace

class ImportTest : public QObject {
    Q_OBJECT
private slots:
    void importAddsTheRowsReadAndReports_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("sectionName");
        QTest::addColumn<QString>("sectionRow"); // empty: no section row
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<int>("added");       // the rows read
        QTest::addColumn<QString>("message"); // %1: the file
        const auto row = [](const char* tag, const char* file, const QString& name,
                            const QString& sect, Outcome outcome, int added, const char* message) {
            QTest::newRow(tag) << file << name << sect << outcome << added << QString(message);
        };
        const QString tail = SectionRow::defaultTail();
        row("blank name: no section, grouped count", "1234 rows", "  ", {}, Outcome::Imported, 1234,
            "1,234 items were successfully added");
        row("padded, escaped name", "1 rows", "  A:B;{x}  ", "SECTION:A{c}B{s}{l}x{r}" + tail,
            Outcome::Imported, 1, "1 item was successfully added");
        row("no items", "0 rows", {}, {}, Outcome::Imported, 0, "No items were found in the file");
        row("missing file, after adding the section", "none", "Games", "SECTION:Games" + tail,
            Outcome::MissingFile, 0,
            "Could not find the file '%1'. Please check the filename and try again.");
        row("last row cut short, the rows read stay", "cut short", {}, {}, Outcome::Failed, 1,
            "An error occurred when attempting to import the file '%1' - Invalid file format "
            "(the last row is cut short), 321");
        row("bookmarks: a section and its links", "bookmarks", {}, {}, Outcome::Imported, 3,
            "3 items were successfully added");
        row("bookmarks: a program link skipped, a title changed", "unsafe bookmarks", {}, {},
            Outcome::Imported, 1,
            "1 item was successfully added\n1 link skipped: it would start a program\n1 title "
            "changed so that it does not read as a section");
        row("memory used up: reported, nothing added", "many bookmarks", {}, {}, Outcome::Failed, 0,
            "An error occurred when attempting to import the file '%1' - Out of memory, 7");
    }

    void importAddsTheRowsReadAndReports() {
        QFETCH(QString, file);
        QFETCH(QString, sectionName);
        QFETCH(QString, sectionRow);
        QFETCH(Outcome, outcome);
        QFETCH(int, added);
        QFETCH(QString, message);
        const QString path = m_dir.filePath(QString("src %1.pmf").arg(QTest::currentDataTag()));
        writeSource(path, file);
        Document doc;
        doc.resetProperties();
        doc.setSetting(Setting::Title, QStringLiteral("Mine"));
        doc.items().appendItems({ItemRow{QStringLiteral("Existing")}});
        if (file == "many bookmarks" && !kAllocationsFail)
            QSKIP("allocations cannot be made to fail under AddressSanitizer");
        ScriptedPrompter p;
        failFrom = file == "many bookmarks" ? 1 << 20 : SIZE_MAX;
        const Outcome got = ImportController(doc, p).import(path, sectionName);
        failFrom = SIZE_MAX;
        QCOMPARE(got, outcome);

        const int withSection = sectionRow.isEmpty() ? 0 : 1;
        QCOMPARE(doc.items().count(), 1 + withSection + added);
        if (withSection)
            QCOMPARE(doc.items().row(1), ItemRow{sectionRow});
        if (added > 0 && !file.endsWith("bookmarks"))
            QCOMPARE(doc.items().row(doc.items().count() - 1), icon(added));
        QCOMPARE(p.messages.size(), 1);
        QCOMPARE(p.messages[0].text, message.arg(path));
        const bool imported = outcome == Outcome::Imported;
        QCOMPARE(p.messages[0].title, imported ? "Import Result" : "Import Error");
        QCOMPARE(doc.isModified(), imported || withSection + added > 0);
        QCOMPARE(p.busyDepth, 0);
        // The file's properties never reach the open document.
        QCOMPARE(doc.setting(Setting::Title), QStringLiteral("Mine"));
        QCOMPARE(doc.setting(Setting::Columns), QStringLiteral("5"));
        QVERIFY(doc.filePath().isEmpty()); // the window keeps its title
        // Every row the import appended goes with one undo.
        QCOMPARE(doc.undoStack().count(), withSection + added > 0 ? 1 : 0);
        doc.undoStack().undo();
        QCOMPARE(doc.items().count(), 1);
    }

    void importsTheCurrentDocumentItself() {
        const QString path = m_dir.filePath(QStringLiteral("self.pmf"));
        writeSource(path, "2 rows");
        Document doc;
        doc.load(path); // held from now on
        ScriptedPrompter p;
        QCOMPARE(ImportController(doc, p).import(path, QString()), Outcome::Imported);
        QCOMPARE(doc.items().count(), 4);
        QCOMPARE(doc.items().row(2), doc.items().row(0));
        QVERIFY(doc.fileLock().isHeld());
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(ImportTest)
#include "tst_import.moc"
