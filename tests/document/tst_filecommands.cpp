#include "ScriptedPrompter.h"
#include "TestFiles.h"
#include "components/EntryContainer.h"
#include "components/Error.h"
#include "components/RecentFiles.h"
#include "document/Document.h"
#include "document/FileCommands.h"
#include "document/FileLock.h"
#include "document/PropertyTable.h"
#include "document/SectionRow.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace ulvanta;
using test::ScriptedPrompter;
using test::writeFile;

Q_DECLARE_METATYPE(ulvanta::PromptAnswer)

namespace {
// The error number a call throws, 0 when it succeeds.
template <typename F> int errorOf(F f) {
    try {
        f();
    } catch (const Error& e) {
        return e.number();
    }
    return 0;
}
} // namespace

// The File menu's commands and what lies under them: the document file itself and
// the recovery copies of unsaved work.
class TestFileCommands : public QObject {
    Q_OBJECT
private slots:
    void init() {
        cmds.reset();
        QVERIFY(QDir(dir.path()).removeRecursively() && QDir().mkpath(dir.path()));
        folder = dir.filePath("recovery");
        doc = std::make_unique<Document>();
        doc->resetProperties();
        prompter = std::make_unique<ScriptedPrompter>();
        cmds = std::make_unique<FileCommands>(*doc, *prompter);
        saved = dir.filePath("saved.pmf");
        Document().save(saved);
    }

    void everythingRoundTrips() {
        Document& d = *doc;
        ItemRow tricky{QString::fromUtf8("é 日本 \xF0\x9F\x98\x80"), "C:\\a,b\\\"quoted\".exe",
                       "x\r\ny\tz"};
        tricky[ColComments] = "comma, semicolon;";
        d.items().appendItems({tricky,
                               {SectionRow::compose("Tools: {x}", "3", "48", false, true)},
                               {"z0", "z1", "z2", "z3", "z4", "z5", "z6"}});
        d.setSetting("Header HTML", QString(1 << 20, QChar('h')));
        d.setSetting("Footer HTML", "two\r\nlines");
        d.setSetting("Title", "My page");
        d.setSetting("Link colour", "#FF0000");
        d.setModified(true);
        const QString path = dir.filePath("doc with spaces.pmf");
        d.save(path);
        QVERIFY(!d.isModified());
        d.fileLock().release();

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
            QCOMPARE(back.items().row(r), d.items().row(r));
        for (int i = 1; i <= 36; ++i)
            QCOMPARE(back.setting(PropertyTable::displayName(i)),
                     d.setting(PropertyTable::displayName(i)));
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
        Document& d = *doc;
        d.setModified(true);
        QCOMPARE(errorOf([&] { d.load(path); }), 321);
        // What was read before the error stays; the document keeps its name.
        QCOMPARE(d.items().count(), 1);
        QCOMPARE(d.items().row(0), (ItemRow{"d", "c1", "c2", "c3", "c4", "c5", "c6"}));
        QCOMPARE(d.htmlSetting("Columns"), QString("9"));
        QVERIFY(d.filePath().isEmpty());
        QVERIFY(d.isModified());
    }

    void failedSaveKeepsFileAndState_data() {
        QTest::addColumn<QString>("target"); // relative to the temporary folder
        QTest::addColumn<int>("number");
        QTest::newRow("a folder") << "." << 75;
        QTest::newRow("missing folder") << "missing/x.pmf" << 76;
        // A save replaces the file whole: with no room for the new copy beside it,
        // the old one stays as it was.
        QTest::newRow("itself, in a read-only folder") << "ro/good.pmf" << 70;
    }

    void failedSaveKeepsFileAndState() {
        QFETCH(QString, target);
        QFETCH(int, number);
        QDir(dir.path()).mkdir("ro");
        const QString good = dir.filePath("ro/good.pmf");
        Document& d = *doc;
        d.items().appendItems({ItemRow{"a"}});
        d.save(good);
        QFile::setPermissions(dir.filePath("ro"), QFile::ReadOwner | QFile::ExeOwner);
        const bool ignored = QFileInfo(dir.filePath("ro")).isWritable();
        d.items().appendItems({ItemRow{"b"}});
        d.setModified(true);
        const int error = errorOf([&] { d.save(dir.filePath(target)); });
        QFile::setPermissions(dir.filePath("ro"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (number == 70 && ignored)
            QSKIP("running with rights that ignore folder permissions");
        QCOMPARE(error, number);
        QCOMPARE(d.filePath(), good);
        QVERIFY(d.isModified());
        QVERIFY(d.fileLock().isHeld());
        d.fileLock().release();
        Document back;
        back.load(good);
        QCOMPARE(back.items().count(), 1);
    }

    void newAsksToSaveChanges_data() {
        QTest::addColumn<QString>("curFile");
        QTest::addColumn<PromptAnswer>("answer");
        QTest::addColumn<QString>("saveAs"); // the name chosen in Save As, "" cancels it
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
        QTest::newRow("Yes, saved") << "" << PromptAnswer::Yes << "new.pmf" << true << untitled;
    }

    void newAsksToSaveChanges() {
        QFETCH(QString, curFile);
        QFETCH(PromptAnswer, answer);
        QFETCH(QString, saveAs);
        QFETCH(bool, proceeds);
        QFETCH(QString, text);
        doc->setFilePath(curFile);
        doc->edits().push(insertRowsStep(doc->items(), "Add Icon", 0, {ItemRow{"a"}}));
        doc->setModified(false);
        QVERIFY(cmds->mayDiscard()); // unchanged: no question
        QVERIFY(prompter->messages.isEmpty());
        doc->setModified(true);
        prompter->answers = {answer};
        const QString path = saveAs.isEmpty() ? QString() : dir.filePath(saveAs);
        prompter->files = {saveAs.isEmpty() ? std::nullopt : std::optional<QString>(path)};
        cmds->newDocument();
        QCOMPARE(prompter->messages.size(), 1);
        QCOMPARE(prompter->messages.first().text, text);
        QCOMPARE(prompter->fileRequests.size(), answer == PromptAnswer::Yes ? 1 : 0);
        QCOMPARE(QFile::exists(path), !saveAs.isEmpty());
        QCOMPARE(doc->nextNewNumber(), proceeds ? 2 : 1);
        QCOMPARE(doc->items().count(), proceeds ? 0 : 1);
        QCOMPARE(doc->undoStack().canUndo(), !proceeds); // a new document starts afresh
        QCOMPARE(doc->isModified(), !proceeds);
    }

    void heldFileIsNeitherOpenedNorSaved() {
        const QString path = dir.filePath("held.pmf");
        doc->save(path);
        // Other processes see the hold too.
        const QString flock = QStandardPaths::findExecutable("flock");
        const auto lockedElsewhere = [&] {
            return !flock.isEmpty() && QProcess::execute(flock, {"-n", "-s", path, "true"}) != 0;
        };
        QCOMPARE(lockedElsewhere(), !flock.isEmpty());
        Document second;
        QCOMPARE(errorOf([&] { second.load(path); }), 70);
        doc->fileLock().release(); // as New or closing does
        QVERIFY(!lockedElsewhere());
        FileLock other;
        QVERIFY(other.take(path));
        cmds->save(); // said first; then Save As, cancelled
        QCOMPARE(prompter->fileRequests.size(), 1);
        QCOMPARE(prompter->messages.size(), 1);
        QCOMPARE(prompter->messages[0].text,
                 "An error occurred when attempting to save the file '" + path +
                     "' - Permission denied, 70");
    }

    void startUp_data() {
        QTest::addColumn<QString>("commandLine"); // %1: a saved document, %2: a broken one
        QTest::addColumn<QString>("opened");
        QTest::addColumn<int>("newNumber"); // of the next untitled document
        QTest::addColumn<QString>("error"); // the message's title
        QTest::newRow("bare path with spaces") << "%1"
                                               << "%1" << 1 << "";
        QTest::newRow("missing file") << "\"%1.missing\""
                                      << "" << 1 << "";
        QTest::newRow("broken: reported, then a new document") << "%2"
                                                               << "" << 2 << "Open Error";
    }

    void startUp() {
        QFETCH(QString, commandLine);
        QFETCH(QString, opened);
        QFETCH(int, newNumber);
        QFETCH(QString, error);
        const QString path = dir.filePath("my docs/start up.pmf");
        const QString broken = dir.filePath("my docs/broken.pmf");
        QVERIFY(writeFile(broken, "VODK") && QFile::copy(saved, path));
        const auto fill = [&](QString s) { return s.replace("%1", path).replace("%2", broken); };
        cmds->openAtStartup(fill(commandLine));
        QCOMPARE(doc->filePath(), fill(opened));
        QCOMPARE(doc->nextNewNumber(), newNumber);
        QCOMPARE(prompter->messages.size(), error.isEmpty() ? 0 : 1);
        if (!error.isEmpty())
            QCOMPARE(prompter->messages.first().title, error);
    }

    void recentDocumentOpens_data() {
        QTest::addColumn<bool>("changed");
        QTest::addColumn<PromptAnswer>("answer"); // to the save-changes question
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("opened");
        QTest::newRow("unchanged") << false << PromptAnswer::Ok << "saved.pmf" << true;
        QTest::newRow("changes kept") << true << PromptAnswer::Cancel << "saved.pmf" << false;
        QTest::newRow("changes dropped") << true << PromptAnswer::No << "saved.pmf" << true;
        QTest::newRow("missing: reported") << false << PromptAnswer::Ok << "gone.pmf" << false;
    }

    // Documents opened or saved are listed first; the list opens them again.
    void recentDocumentOpens() {
        QFETCH(bool, changed);
        QFETCH(PromptAnswer, answer);
        QFETCH(QString, name);
        QFETCH(bool, opened);
        const QString a = dir.filePath("a.pmf"), b = saved;
        QFile::remove(dir.filePath("recent.ini"));
        RecentFiles recent(dir.filePath("recent.ini"));
        cmds->setRecentFiles(&recent);
        prompter->files = {a};
        cmds->saveAs();
        doc->setModified(changed);
        prompter->answers = {answer};
        QCOMPARE(cmds->openPath(dir.filePath(name)), opened);
        QCOMPARE(doc->filePath(), opened ? b : a);
        QCOMPARE(recent.files(), opened ? (QStringList{b, a}) : (QStringList{a}));
        QCOMPARE(prompter->messages.size(), int(changed) + int(name == "gone.pmf"));
    }

    void closeRemovesThePreviewEvenWhenCancelled() {
        const QString preview = dir.filePath("PME.htm");
        for (const bool cancel : {true, false}) {
            QVERIFY(writeFile(preview, {}));
            doc->setModified(true);
            prompter->answers = {cancel ? PromptAnswer::Cancel : PromptAnswer::No};
            QCOMPARE(cmds->close(preview), !cancel);
            QVERIFY(!QFile::exists(preview));
        }
    }

    void onlyEndedEditorsCopiesAreOffered_data() {
        QTest::addColumn<QString>("owner");  // the editor that wrote the copy
        QTest::addColumn<QString>("damage"); // file suffix; its new content follows
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("offered");
        QTest::newRow("ended") << "ended" << QString() << QByteArray() << true;
        QTest::newRow("still running") << "running" << QString() << QByteArray() << false;
        QTest::newRow("claimed by another starting")
            << "claimed" << QString() << QByteArray() << false;
        const auto damaged = [](const char* row, const char* file, const QByteArray& bytes) {
            QTest::newRow(row) << "ended" << QString(file) << bytes << false;
        };
        damaged("info without a path", ".info", "Title=T\r\nChanged=2026-01-01T00:00:00Z\r\nPid=1");
        damaged("info with a bad time", ".info", "Path=\r\nTitle=T\r\nChanged=x\r\nPid=1");
        damaged("document damaged", ".pmf", "VODK\1");
    }
    void onlyEndedEditorsCopiesAreOffered() {
        QFETCH(QString, owner);
        QFETCH(QString, damage);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, offered);
        const QDateTime when = QDateTime::currentDateTime().addSecs(-60);
        auto writer = leaveCopy(saved, when);
        const QString path = folder + '/' + writer->id() + damage;
        if (owner != "running")
            writer.reset();
        if (!damage.isEmpty())
            QVERIFY(writeFile(path, bytes));
        RecoveryStore other(folder);
        if (owner == "claimed")
            QCOMPARE(other.claimOrphans().size(), size_t(1));
        const auto found = RecoveryStore(folder).claimOrphans();
        QCOMPARE(found.size(), size_t(offered));
        QVERIFY(!offered || (found[0].originalPath == saved && found[0].lastChange == when));
        QCOMPARE(QFile::exists(path + ".bad"), !damage.isEmpty());
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
    }

    void offerAtStartUp_data() {
        QTest::addColumn<QString>("original"); // the copy's file
        QTest::addColumn<PromptAnswer>("answer");
        QTest::addColumn<QStringList>("titles"); // of the messages shown
        QTest::addColumn<QString>("then");       // a command on the recovered document
        const QStringList offer = {"Recover Unsaved Changes"};
        QTest::newRow("Yes, Save") << "saved" << PromptAnswer::Yes << offer << "Save";
        QTest::newRow("Yes, New answered No") << "saved" << PromptAnswer::Yes << offer << "New";
        QTest::newRow("Yes untitled, Exit answered No")
            << "untitled" << PromptAnswer::Yes << offer << "Exit";
        QTest::newRow("Yes, Exit cancelled") << "saved" << PromptAnswer::Yes << offer << "Cancel";
        QTest::newRow("No deletes it") << "saved" << PromptAnswer::No << offer << "";
        QTest::newRow("file held by another editor: kept")
            << "held" << PromptAnswer::Yes << QStringList{offer[0], "Open Error", "Open Error"}
            << "";
    }
    void offerAtStartUp() {
        QFETCH(QString, original);
        QFETCH(PromptAnswer, answer);
        QFETCH(QStringList, titles);
        QFETCH(QString, then);
        const bool untitled = original == "untitled", held = original == "held";
        const bool recovered = !then.isEmpty();
        original = untitled ? QString() : saved;
        leaveCopy(original, QDateTime::currentDateTime());
        FileLock other;
        QVERIFY(!held || other.take(saved));
        QVERIFY(cmds->recovery().enable(folder));
        prompter->answers = {answer};
        cmds->openAtStartup('"' + saved + '"'); // recovery goes before the command line
        QStringList shown;
        for (const auto& m : prompter->messages)
            shown << m.title;
        QCOMPARE(shown, titles);
        const auto& m = prompter->messages.first();
        QVERIFY(m.text.contains("'T'") && m.text.contains(original));
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
        if (then != "Save")
            return;
        QVERIFY(prompter->fileRequests.isEmpty());
        doc->fileLock().release();
        Document reread;
        reread.load(saved);
        QCOMPARE(reread.items().row(0)[0], QString("edited"));
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
        d.setSetting("Title", "T");
        d.setModified(true);
    }

    QTemporaryDir dir;
    QString folder;
    QString saved;
    std::unique_ptr<Document> doc;
    std::unique_ptr<ScriptedPrompter> prompter;
    std::unique_ptr<FileCommands> cmds;
};

QTEST_GUILESS_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
