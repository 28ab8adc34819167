#include "ScriptedPrompter.h"
#include "TestFiles.h"
#include "commands/FileController.h"
#include "components/EntryContainer.h"
#include "components/FileLock.h"
#include "components/RecentFiles.h"
#include "edits/Document.h"
#include "edits/StoredRows.h"
#include "generator/PageWriter.h"
#include "model/PropertyTable.h"
#include "model/SectionRow.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

using namespace ulvanta;
using test::errorOf;
using test::ScriptedPrompter;
using test::writeFile;

Q_DECLARE_METATYPE(ulvanta::PromptAnswer)

// The File menu's commands and what lies under them: the document file itself and
// the recovery copies of unsaved work.
class TestFileCommands : public QObject {
    Q_OBJECT
private slots:
    void init() {
        cmds.reset();
        // Relative names are read from the test's folder.
        QVERIFY(QDir(dir.path()).removeRecursively() && QDir().mkpath(dir.path()) &&
                QDir::setCurrent(dir.path()));
        doc = std::make_unique<Document>();
        doc->resetProperties();
        prompter = std::make_unique<ScriptedPrompter>();
        cmds = std::make_unique<FileController>(*doc, *prompter);
        Document().save(saved);
    }

    void everythingRoundTrips() {
        ItemRow tricky{QString::fromUtf8("é 日本 \xF0\x9F\x98\x80"), "C:\\a,b\\\"quoted\".exe",
                       "x\r\ny\tz"};
        tricky[ColComments] = "comma, semicolon;";
        doc->items().appendItems({tricky,
                                  {SectionRow::compose("Tools: {x}", "3", "48", false, true)},
                                  {"z0", "z1", "z2", "z3", "z4", "z5", "z6"}});
        doc->setSetting(Setting::HeaderHtml, QString(1 << 20, QChar('h')));
        doc->setSetting(Setting::FooterHtml, "two\r\nlines");
        doc->setSetting(Setting::Title, "My page");
        doc->setSetting(Setting::LinkColour, "#FF0000");
        const QString path = dir.filePath("doc with spaces.pmf");
        doc->save(path);
        doc->fileLock().release();

        // Each row as seven entries, then every property in table order.
        EntryContainer p;
        p.load(path);
        QStringList names;
        for (quint32 i = 1; i <= p.entryCount(); ++i)
            names << p.entryName(i);
        QCOMPARE(names.size(), 3 * 7 + PropertyTable::Count);
        QCOMPARE(names.mid(14, 8), (QStringList{"DESC", "COMMAND", "PARAM", "STARTIN", "ICON",
                                                "RUN", "COMMENTS", "P_BACK_C"}));
        QCOMPARE(names.last(), QString("P_SHOW_R"));

        Document back;
        back.resetProperties();
        back.load(path);
        QCOMPARE(back.items().count(), 3);
        for (int r = 0; r < 3; ++r)
            QCOMPARE(back.items().row(r), doc->items().row(r));
        for (int i = 1; i <= PropertyTable::Count; ++i)
            QCOMPARE(back.setting(PropertyTable::settingOf(i)),
                     doc->setting(PropertyTable::settingOf(i)));
    }

    static QByteArray littleEndian(quint32 n) {
        const quint32 le = qToLittleEndian(n);
        return QByteArray(reinterpret_cast<const char*>(&le), 4);
    }
    // A row's seven cells as raw bytes ('|' between cells, '#' a byte between entries
    // that belongs to none) read back as each cell decoded on its own.
    void rowCellsAreReadOneByOne_data() {
        QTest::addColumn<QByteArray>("cells");
        QTest::newRow("ASCII") << QByteArray("a|b|c|d|e|f|g");
        QTest::newRow("accents and a four-byte character")
            << QByteArray("\xc3\xa9t\xc3\xa9|\xf0\x9f\x98\x80|||||x");
        QTest::newRow("a character split between cells") << QByteArray("a\xc3|\xa9"
                                                                       "b|||||");
        QTest::newRow("invalid bytes") << QByteArray("\xff\xfe|\xc0\x80|\xed\xa0\x80||||");
        QTest::newRow("bytes between entries") << QByteArray("ab#|cd#|#e||||");
        QTest::newRow("byte order mark inside") << QByteArray("a|\xef\xbb\xbf"
                                                              "b||||||");
        QTest::newRow("a section behind a byte order mark")
            << QByteArray("\xef\xbb\xbfSECTION:S;Columns:2|||||\xef\xbb\xbf|");
        QTest::newRow("noncharacters, surrogates, commas")
            << QByteArray("\xef\xbf\xbe,|c,d|\xed\xa0\x80|s|\xef\xbf\xbf.png|Hidden|x,y");
    }
    void rowCellsAreReadOneByOne() {
        QFETCH(QByteArray, cells);
        QByteArray directory, contents;
        const qsizetype start = 8 + 16 * ItemColumnCount;
        const QList<QByteArray> parts = cells.split('|');
        ItemRow expected;
        for (int c = 0; c < ItemColumnCount; ++c) {
            const QByteArray cell = QByteArray(parts[c]).replace("#", "");
            expected[size_t(c)] = QString::fromUtf8(cell);
            QByteArray record = QByteArray(c == 0 ? "DESC" : "X").leftJustified(8, '\0');
            const quint32 position =
                quint32(start + contents.size() + (parts[c].startsWith('#') ? 1 : 0));
            record += littleEndian(position) + littleEndian(quint32(cell.size()));
            directory += record;
            contents += parts[c];
        }
        const quint32 count = ItemColumnCount;
        const QString path = dir.filePath("odd.pmf");
        QVERIFY(writeFile(path, "VODK" + littleEndian(count) + directory + contents));
        doc->load(path);
        QCOMPARE(doc->items().count(), 1);
        QCOMPARE(doc->items().row(0), expected);

        // Written straight from the file's bytes, the page is the one of the text read.
        doc->fileLock().release();
        Document page;
        page.resetProperties();
        StoredRows stored;
        page.loadPage(path, stored);
        QCOMPARE(stored.count(), 1);
        QCOMPARE(page.items().count(), 0);
        for (int c = 0; c < ItemColumnCount; ++c)
            QCOMPARE(stored.cell(0, c).toString(), expected[size_t(c)]);
        QCOMPARE(PageWriter(page, stored).page(), PageWriter(*doc).page());
    }

    void unknownPropertyStopsTheOpen_data() {
        QTest::addColumn<QString>("badKey");
        QTest::newRow("not in the table") << "P_NOPE";
        QTest::newRow("out of table order") << "P_BACK_C"; // after P_COLUMN
    }

    void unknownPropertyStopsTheOpen() {
        QFETCH(QString, badKey);
        const QString path = dir.filePath("bad.pmf");
        // Row entries are read by position, whatever their names.
        const QString read =
            "DESC=d RUN=c1 ICON=c2 XX=c3 PARAM=c4 COMMAND=c5 COMMENTS=c6 P_COLUMN=9";
        const QStringList entries = (read + ' ' + badKey + "=x").split(' ');
        EntryContainer p;
        for (quint32 i = 1; i <= quint32(entries.size()); ++i) {
            p.setEntryName(i, entries[i - 1].section('=', 0, 0));
            p.setEntryContent(i, entries[i - 1].section('=', 1));
        }
        p.setEntryCount(quint32(entries.size()));
        p.save(path);
        doc->edits().markModified();
        QCOMPARE(errorOf([&] { doc->load(path); }), 321);
        // What was read before the error stays; the document keeps its name.
        QCOMPARE(doc->items().count(), 1);
        QCOMPARE(doc->items().row(0), (ItemRow{"d", "c1", "c2", "c3", "c4", "c5", "c6"}));
        QCOMPARE(doc->htmlSetting(Setting::Columns), QString("9"));
        QVERIFY(doc->filePath().isEmpty());
        QVERIFY(doc->isModified());
    }

    void failedSaveIsSaidAndKeepsTheFile_data() {
        QTest::addColumn<QString>("target"); // for Save As; Save for the file itself
        QTest::addColumn<QString>("error");
        QTest::newRow("a folder") << "." << QString("Path/File access error, 75");
        QTest::newRow("missing folder") << "missing/x.pmf" << QString("Path not found, 76");
        // A save replaces the file whole: with no room for the new copy beside it,
        // the old one stays as it was.
        const QString denied = "Permission denied, 70";
        QTest::newRow("itself, in a read-only folder") << "itself" << denied;
        QTest::newRow("itself, held by another editor") << "held" << denied;
    }

    void failedSaveIsSaidAndKeepsTheFile() {
        QFETCH(QString, target);
        QFETCH(QString, error);
        const bool held = target == "held", itself = held || target == "itself";
        QDir(dir.path()).mkdir("ro");
        const QString good = dir.filePath("ro/good.pmf");
        doc->items().appendItems({ItemRow{"a"}});
        doc->save(good);
        FileLock other;
        if (held)
            doc->fileLock().release();
        QVERIFY(!held || other.take(good));
        QFile::setPermissions(dir.filePath("ro"), QFile::ReadOwner | QFile::ExeOwner);
        const bool ignored = QFileInfo(dir.filePath("ro")).isWritable();
        doc->items().appendItems({ItemRow{"b"}});
        doc->edits().markModified();
        const QString path = itself ? good : dir.filePath(target);
        prompter->files = {itself ? std::nullopt : std::optional<QString>(path)};
        itself ? cmds->save() : cmds->saveAs(); // Save says so, then offers Save As: cancelled
        QFile::setPermissions(dir.filePath("ro"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (target == "itself" && ignored)
            QSKIP("running with rights that ignore folder permissions");
        QCOMPARE(prompter->fileRequests.size(), 1);
        QCOMPARE(prompter->messages.size(), 1);
        QCOMPARE(prompter->messages[0].text,
                 "An error occurred when attempting to save the file '" + QDir::cleanPath(path) +
                     "' - " + error);
        QCOMPARE(doc->filePath(), good);
        QVERIFY(doc->isModified());
        QCOMPARE(doc->fileLock().isHeld(), !held);
        doc->fileLock().release();
        other.release();
        Document back;
        back.load(good);
        QCOMPARE(back.items().count(), 1);
    }

    void newAsksToSaveChanges_data() {
        QTest::addColumn<QString>("curFile");
        QTest::addColumn<PromptAnswer>("answer");
        QTest::addColumn<QString>("saveAs"); // typed>saved in Save As, "" cancels it
        QTest::addColumn<bool>("proceeds");
        QTest::addColumn<QString>("text");
        const QString untitled =
            "The file 'New File 1'  has changed.  Do you want to save the changes?";
        QTest::newRow("untitled, two spaces before has; No")
            << "" << PromptAnswer::No << "" << true << untitled;
        QTest::newRow("titled names the file; Cancel")
            << "/d/a.pmf" << PromptAnswer::Cancel << "" << false
            << "The file 'New File 1' ('/d/a.pmf') has changed.  Do you want to save the changes?";
        QTest::newRow("Yes, Save As cancelled")
            << "" << PromptAnswer::Yes << "" << false << untitled;
        QTest::newRow("Yes, saved without an extension")
            << "" << PromptAnswer::Yes << "imported>imported.pmf" << true << untitled;
    }

    void newAsksToSaveChanges() {
        QFETCH(QString, curFile);
        QFETCH(PromptAnswer, answer);
        QFETCH(QString, saveAs);
        QFETCH(bool, proceeds);
        doc->setFilePath(curFile);
        doc->edits().push(insertRowsStep(*doc, "Add Icon", 0, {ItemRow{"a"}}));
        prompter->answers = {answer};
        const QString path = saveAs.isEmpty() ? QString() : dir.filePath(saveAs.section('>', -1));
        prompter->files = {saveAs.isEmpty()
                               ? std::nullopt
                               : std::optional(dir.filePath(saveAs.section('>', 0, 0)))};
        cmds->newDocument();
        QCOMPARE(prompter->messages.size(), 1);
        QTEST(prompter->messages.first().text, "text");
        QCOMPARE(QFile::exists(path), !saveAs.isEmpty());
        QCOMPARE(doc->nextNewNumber(), proceeds ? 2 : 1);
        QCOMPARE(doc->items().count(), proceeds ? 0 : 1);
        QCOMPARE(doc->undoStack().canUndo(), !proceeds); // a new document starts afresh
        QCOMPARE(doc->isModified(), !proceeds);
    }

    void documentOpens_data() {
        QTest::addColumn<bool>("atStartUp"); // from the command line, else from the recent list
        QTest::addColumn<QString>("path");   // %1: a document, %2: a broken one
        QTest::addColumn<PromptAnswer>("answer"); // to the save-changes question; Ok: no changes
        QTest::addColumn<QString>("shown");       // the open document's file | the messages' titles
        const auto add = [](const char* tag, bool atStartUp, const char* path, PromptAnswer answer,
                            const char* shown) {
            QTest::newRow(tag) << atStartUp << path << answer << shown;
        };
        const PromptAnswer unchanged = PromptAnswer::Ok; // %A: the document before
        add("start-up: bare path with spaces", true, "%1", unchanged, "%1");
        add("start-up: relative path, kept absolute", true, "./my docs/../my docs/saved one.pmf",
            unchanged, "%1");
        add("start-up: missing file", true, "\"%1.missing\"", unchanged, "%A");
        add("start-up: broken, reported, then New", true, "%2", unchanged, "|Open Error");
        add("recent", false, "%1", unchanged, "%1");
        add("recent, changes kept", false, "%1", PromptAnswer::Cancel, "%A|Ulvanta Editor");
        add("recent, missing: reported", false, "%1.missing", unchanged, "%A|Open Error");
    }
    void documentOpens() {
        QFETCH(bool, atStartUp);
        QFETCH(QString, path);
        QFETCH(PromptAnswer, answer);
        QFETCH(QString, shown);
        const QString a = dir.filePath("a.pmf"), one = dir.filePath("my docs/saved one.pmf");
        const QString broken = dir.filePath("my docs/broken.pmf");
        QVERIFY(writeFile(broken, "VODK") && QFile::copy(saved, one));
        const auto fill = [&](QString s) {
            return s.replace("%1", one).replace("%2", broken).replace("%A", a);
        };
        RecentFiles recent(dir.filePath("recent.ini"));
        cmds->setRecentFiles(&recent);
        prompter->files = {a};
        cmds->saveAs();
        if (answer != PromptAnswer::Ok)
            doc->edits().markModified();
        prompter->answers = {answer};
        if (atStartUp)
            cmds->openAtStartup(fill(path));
        else
            QCOMPARE(cmds->openPath(fill(path)), shown == "%1");
        QStringList now{doc->filePath()};
        for (const auto& m : prompter->messages)
            now << m.title;
        QCOMPARE(now.join('|'), fill(shown));
        // Documents opened or saved are listed first.
        QCOMPARE(recent.files(), now[0] == one ? (QStringList{one, a}) : (QStringList{a}));
    }

    void closeRemovesThePreviewEvenWhenCancelled() {
        const QString preview = dir.filePath("PME.htm");
        for (const bool cancel : {true, false}) {
            QVERIFY(writeFile(preview, {}));
            doc->edits().markModified();
            prompter->answers = {cancel ? PromptAnswer::Cancel : PromptAnswer::No};
            QCOMPARE(cmds->close(preview), !cancel);
            QVERIFY(!QFile::exists(preview));
        }
    }

    void copiesOfRunningEditorsOrDamagedDocumentsAreNotOffered_data() {
        QTest::addColumn<QString>("owner");  // the editor that wrote the copy
        QTest::addColumn<QString>("damage"); // file suffix; its new content follows (none: gone)
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("offered"); // with its title, as a copy never saved
        QTest::newRow("still running") << "running" << QString() << QByteArray() << false;
        QTest::newRow("claimed by another starting")
            << "claimed" << QString() << QByteArray() << false;
        const auto damaged = [](const char* row, const char* file, const QByteArray& bytes) {
            QTest::newRow(row) << "ended" << QString(file) << bytes << (file != QString(".pmf"));
        };
        damaged("info with a bad time, no path", ".info", "Title=T\r\nChanged=x\r\nPid=1");
        damaged("info missing", ".info", {});
        damaged("info broken", ".info", "\xff\0=\r\n=");
        damaged("document damaged", ".pmf", "VODK\1");
    }
    void copiesOfRunningEditorsOrDamagedDocumentsAreNotOffered() {
        QFETCH(QString, owner);
        QFETCH(QString, damage);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, offered);
        auto writer = leaveCopy({}, QDateTime::currentDateTime());
        const QString path = folder + '/' + writer->id() + damage;
        if (owner != "running")
            writer.reset();
        QVERIFY(damage.isEmpty() ||
                (bytes.isEmpty() ? QFile::remove(path) : writeFile(path, bytes)));
        RecoveryStore other(folder);
        if (owner == "claimed")
            QCOMPARE(other.claimOrphans().size(), size_t(1));
        const auto copies = RecoveryStore(folder).claimOrphans();
        QCOMPARE(copies.size(), size_t(offered));
        if (offered)
            QVERIFY(copies[0].title == "T" && copies[0].originalPath.isEmpty() &&
                    copies[0].lastChange.isValid());
        QCOMPARE(QFile::exists(path + ".bad"), damage == ".pmf"); // set aside
    }

    void copiesSetAsideGoAfterThirtyDays() {
        QVERIFY(QDir().mkpath(folder));
        for (const int age : {29, 31}) {
            QFile f(folder + QString("/%1.pmf.bad").arg(age));
            QVERIFY(f.open(QIODevice::WriteOnly) &&
                    f.setFileTime(QDateTime::currentDateTime().addDays(-age),
                                  QFileDevice::FileModificationTime));
        }
        RecoveryStore(folder).claimOrphans();
        QCOMPARE(QDir(folder).entryList({"*.bad"}), QStringList{"29.pmf.bad"});
    }

    void unusableFolderIsSaidOnce() {
        QSignalSpy said(&cmds->recovery(), &RecoveryKeeper::statusMessage);
        QVERIFY(!cmds->recovery().enable(saved + "/recovery")); // under a file
        edit(*doc);
        cmds->recovery().writeNow();
        QCOMPARE(said.size(), 1);
    }

    void copiesAreWrittenAtMostOncePerInterval() {
        QVERIFY(cmds->recovery().enable(folder, 200));
        const QString info = folder + '/' + cmds->recovery().store()->id() + ".info";
        doc->items().appendItems({ItemRow{"unchanged"}});
        QTest::qWait(300);
        QVERIFY(!QFile::exists(info));
        QSet<QByteArray> versions;
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 1000) { // an edit every 20 ms: the timer is never idle
            edit(*doc);
            QTest::qWait(20);
            if (QFile::exists(info))
                versions.insert(test::readAll(info));
        }
        QVERIFY(versions.size() >= 2 && versions.size() <= 6);
        // Undone back to the saved state, the document has nothing left to recover.
        doc->edits().markSaved();
        doc->edits().push(insertRowsStep(*doc, "Add Icon", 0, {ItemRow{"a"}}));
        cmds->recovery().writeNow();
        QVERIFY(QFile::exists(info));
        doc->undoStack().undo();
        QVERIFY(!QFile::exists(info));
    }

    void offerAtStartUp_data() {
        QTest::addColumn<QString>("original"); // the copy's file
        QTest::addColumn<PromptAnswer>("answer");
        QTest::addColumn<QString>("then"); // a command on the recovered document
        QTest::newRow("Yes, named relatively, Save elsewhere")
            << "relative" << PromptAnswer::Yes << "Save";
        QTest::newRow("Yes, New answered No") << "saved" << PromptAnswer::Yes << "New";
        QTest::newRow("Yes untitled, Exit answered No")
            << "untitled" << PromptAnswer::Yes << "Exit";
        QTest::newRow("Yes, Exit cancelled") << "saved" << PromptAnswer::Yes << "Cancel";
        QTest::newRow("No deletes it") << "saved" << PromptAnswer::No << "";
        // Said for the copy, then for the command line's file.
        QTest::newRow("file held by another editor: kept") << "held" << PromptAnswer::Yes << "";
    }
    void offerAtStartUp() {
        QFETCH(QString, original);
        QFETCH(PromptAnswer, answer);
        QFETCH(QString, then);
        const bool untitled = original == "untitled", held = original == "held";
        const bool recovered = !then.isEmpty();
        const QDateTime when = QDateTime::currentDateTime().addDays(-1);
        leaveCopy(untitled ? QString() : original == "relative" ? "./saved.pmf" : saved, when);
        QDir::setCurrent(folder); // recovered from another folder
        original = untitled ? QString() : saved;
        QSignalSpy said(&cmds->recovery(), &RecoveryKeeper::statusMessage);
        FileLock other;
        QVERIFY(!held || other.take(saved));
        QVERIFY(cmds->recovery().enable(folder));
        prompter->answers = {answer};
        cmds->openAtStartup('"' + saved + '"'); // recovery goes before the command line
        // Recovering another document than the one named is said.
        QCOMPARE(said.size(), int(untitled));
        QVERIFY(!untitled || said[0][0].toString().startsWith("saved.pmf was not opened"));
        QStringList shown;
        for (const auto& m : prompter->messages)
            shown << m.title;
        QCOMPARE(shown.join(','), held ? "Recover Unsaved Changes,Open Error,Open Error"
                                       : "Recover Unsaved Changes");
        const auto& m = prompter->messages.first();
        QVERIFY(m.text.contains("'T'") && m.text.contains(original));
        QVERIFY(m.text.contains(QLocale().toString(when, QLocale::ShortFormat)));
        QCOMPARE(doc->isModified(), recovered);
        QCOMPARE(doc->filePath(), recovered ? original : held ? QString() : saved);
        QCOMPARE(doc->items().count() == 1, recovered);
        QCOMPARE(doc->fileLock().isHeld(), !untitled && !held);
        QCOMPARE(QDir(folder).entryList({"*.pmf"}).size(), int(held) + int(recovered));
        other.release();
        if (!recovered)
            return;
        prompter->answers = {then == "Cancel" ? PromptAnswer::Cancel : PromptAnswer::No};
        if (then == "Save")
            cmds->save(); // over the original, under its hold, with the recovered work
        else if (then == "New")
            cmds->newDocument();
        else
            cmds->close(QString());
        QCOMPARE(QDir(folder).entryList({"*.pmf"}).size(), int(then == "Cancel"));
        QVERIFY(then != "Save" || (prompter->fileRequests.isEmpty() && !doc->isModified()));
    }

private:
    // A copy as an editor writes it; left behind once the store is gone.
    std::unique_ptr<RecoveryStore> leaveCopy(const QString& original, const QDateTime& when) {
        Document d;
        d.resetProperties();
        edit(d);
        d.setFilePath(original);
        auto store = std::make_unique<RecoveryStore>(folder);
        store->write(d, when);
        return store;
    }
    static void edit(Document& d) {
        d.items().appendItems({ItemRow{"edited"}});
        d.setSetting(Setting::Title, "T");
        d.edits().markModified();
    }

    QTemporaryDir dir;
    const QString folder = dir.filePath("recovery");
    const QString saved = dir.filePath("saved.pmf");
    std::unique_ptr<Document> doc;
    std::unique_ptr<ScriptedPrompter> prompter;
    std::unique_ptr<FileController> cmds;
};

QTEST_GUILESS_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
