#include "ScriptedPrompter.h"
#include "TestFiles.h"
#include "components/RecentFiles.h"
#include "document/Document.h"
#include "document/FileCommands.h"
#include "document/FileLock.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace ulvanta;
using test::ScriptedPrompter;
using test::writeFile;

Q_DECLARE_METATYPE(ulvanta::PromptAnswer)

class TestFileCommands : public QObject {
    Q_OBJECT
private slots:
    void init() {
        doc = std::make_unique<Document>();
        doc->resetProperties();
        prompter = std::make_unique<ScriptedPrompter>();
        cmds = std::make_unique<FileCommands>(*doc, *prompter);
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
        const auto& m = prompter->messages.first();
        QCOMPARE(m.text, text);
        QCOMPARE(m.buttons, PromptButtons::YesNoCancel);
        QCOMPARE(prompter->fileRequests.size(), answer == PromptAnswer::Yes ? 1 : 0);
        QCOMPARE(QFile::exists(path), !saveAs.isEmpty());
        QCOMPARE(doc->nextNewNumber(), proceeds ? 2 : 1);
        QCOMPARE(doc->items().count(), proceeds ? 0 : 1);
        QCOMPARE(doc->undoStack().canUndo(), !proceeds); // a new document starts afresh
        QCOMPARE(doc->isModified(), !proceeds);
    }

    void failedSaveIsSaidBeforeSaveAs() {
        const QString path = dir.filePath("held.pmf");
        doc->save(path);
        doc->fileLock().release();
        FileLock other;
        QVERIFY(other.take(path));
        cmds->save(); // Save As cancelled
        QCOMPARE(prompter->fileRequests.size(), 1);
        QCOMPARE(prompter->messages.size(), 1);
        QCOMPARE(prompter->messages[0].text,
                 "An error occurred when attempting to save the file '" + path +
                     "' - Permission denied, 70");
    }

    void startUp_data() {
        QTest::addColumn<QString>("commandLine"); // %1: a document, %2: a broken one
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("error"); // the message's title
        const auto add = [](const char* tag, const char* line, const char* caption,
                            const char* error = "") {
            QTest::newRow(tag) << line << caption + QString(" - Ulvanta Editor") << error;
        };
        add("quoted path with spaces", "\"%1\"", "Start (%1)");
        add("bare path with spaces", "%1", "Start (%1)");
        add("missing file", "\"%1.missing\"", "New File 1");
        add("empty", "", "New File 1");
        add("broken: reported, then a new document", "%2", "New File 2", "Open Error");
    }

    void startUp() {
        QFETCH(QString, commandLine);
        QFETCH(QString, caption);
        QFETCH(QString, error);
        const QString path = dir.filePath("my docs/start up.pmf");
        const QString broken = dir.filePath("my docs/broken.pmf");
        QVERIFY(writeFile(broken, "VODK"));
        {
            Document other;
            other.resetProperties();
            other.setSetting("Title", "Start");
            other.save(path);
        }
        const auto fill = [&](QString s) { return s.replace("%1", path).replace("%2", broken); };
        cmds->openAtStartup(fill(commandLine));
        QCOMPARE(doc->caption(), fill(caption));
        QCOMPARE(prompter->messages.size(), error.isEmpty() ? 0 : 1);
        if (!error.isEmpty())
            QCOMPARE(prompter->messages.first().title, error);
    }

    void recentDocumentOpens_data() {
        QTest::addColumn<bool>("changed");
        QTest::addColumn<PromptAnswer>("answer"); // to the save-changes question
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("opened");
        QTest::newRow("unchanged") << false << PromptAnswer::Ok << "b.pmf" << true;
        QTest::newRow("changes kept") << true << PromptAnswer::Cancel << "b.pmf" << false;
        QTest::newRow("changes dropped") << true << PromptAnswer::No << "b.pmf" << true;
        QTest::newRow("missing: reported") << false << PromptAnswer::Ok << "gone.pmf" << false;
    }

    // Documents opened or saved are listed first; the list opens them again.
    void recentDocumentOpens() {
        QFETCH(bool, changed);
        QFETCH(PromptAnswer, answer);
        QFETCH(QString, name);
        QFETCH(bool, opened);
        const QString a = dir.filePath("a.pmf"), b = dir.filePath("b.pmf");
        Document().save(b);
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

private:
    std::unique_ptr<Document> doc;
    std::unique_ptr<ScriptedPrompter> prompter;
    std::unique_ptr<FileCommands> cmds;
    QTemporaryDir dir;
};

QTEST_GUILESS_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
