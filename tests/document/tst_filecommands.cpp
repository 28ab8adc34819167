#include "ScriptedPrompter.h"
#include "document/Document.h"
#include "document/FileCommands.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace ulvanta;
using test::ScriptedPrompter;

class TestFileCommands : public QObject {
    Q_OBJECT
private slots:
    void init();
    void changeGuardQuestion_data();
    void changeGuardQuestion();
    void savePromptWithCancelledSaveAsKeepsTheDocument();
    void newStartsTheNextUntitledDocument();
    void openCancelledChangesNothing();
    void openReportsABadFile();
    void saveOfUntitledAsksForAName();
    void saveAsFailureIsReported();
    void startUp_data();
    void startUp();
    void badStartUpDocumentContinuesWithNew();
    void closeRemovesThePreviewEvenWhenCancelled();

private:
    std::unique_ptr<Document> doc;
    std::unique_ptr<ScriptedPrompter> prompter;
    std::unique_ptr<FileCommands> cmds;
    QTemporaryDir dir;
};

void TestFileCommands::init() {
    doc = std::make_unique<Document>();
    doc->Propulate();
    doc->setUntitledCaption();
    prompter = std::make_unique<ScriptedPrompter>();
    cmds = std::make_unique<FileCommands>(*doc, *prompter);
}

void TestFileCommands::changeGuardQuestion_data() {
    QTest::addColumn<QString>("curFile");
    QTest::addColumn<QString>("text");
    QTest::newRow("untitled has two spaces before has")
        << ""
        << "The file 'New File 1'  has changed.  Do you want to save the changes?";
    QTest::newRow("titled names the file")
        << "/d/a.pmf"
        << "The file 'New File 1' ('/d/a.pmf') has changed.  Do you want to save the changes?";
}

void TestFileCommands::changeGuardQuestion() {
    QFETCH(QString, curFile);
    QFETCH(QString, text);
    doc->CurFile = curFile;
    QVERIFY(cmds->ChangeFile()); // unchanged: no question
    QVERIFY(prompter->messages.isEmpty());
    doc->Changed = true;
    prompter->answers = {PromptAnswer::No};
    QVERIFY(cmds->ChangeFile());
    QCOMPARE(prompter->messages.size(), 1);
    const auto& m = prompter->messages.first();
    QCOMPARE(m.text, text);
    QCOMPARE(m.title, QString("Ulvanta Editor"));
    QCOMPARE(m.icon, PromptIcon::Question);
    QCOMPARE(m.buttons, PromptButtons::YesNoCancel);
    prompter->answers = {PromptAnswer::Cancel};
    QVERIFY(!cmds->ChangeFile());
}

void TestFileCommands::savePromptWithCancelledSaveAsKeepsTheDocument() {
    doc->Changed = true;
    doc->items().appendItems({ItemRow{"a"}});
    prompter->answers = {PromptAnswer::Yes};
    prompter->files = {std::nullopt}; // Save As cancelled
    cmds->New();
    QCOMPARE(doc->items().count(), 1);
    QVERIFY(doc->Changed);
    QCOMPARE(doc->NextNew, 1);
    QCOMPARE(prompter->fileRequests.first().title, QString("Save the Ulvanta File"));
}

void TestFileCommands::newStartsTheNextUntitledDocument() {
    doc->items().appendItems({ItemRow{"a"}});
    doc->WriteProp("Header HTML", "x");
    doc->CurFile = "/x.pmf";
    QSignalSpy tabs(doc.get(), &Document::tabRequested);
    cmds->New();
    QCOMPARE(doc->NextNew, 2);
    QCOMPARE(doc->caption(), QString("New File 2 - Ulvanta Editor"));
    QCOMPARE(doc->ReadProp("Title"), QString("New File 2"));
    QCOMPARE(doc->items().count(), 0);
    QVERIFY(doc->HeaderHTML.isEmpty());
    QVERIFY(doc->CurFile.isEmpty());
    QVERIFY(!doc->Changed);
    QCOMPARE(tabs.count(), 1);
}

void TestFileCommands::openCancelledChangesNothing() {
    doc->Changed = true;
    prompter->answers = {PromptAnswer::No};
    cmds->Open();
    QCOMPARE(prompter->fileRequests.size(), 1);
    const FileRequest& r = prompter->fileRequests.first();
    QCOMPARE(r.title, QString("Open an Ulvanta File"));
    QCOMPARE(r.filter, QString("Ulvanta File (*.pmf)|*.pmf|All files (*.*)|*.*"));
    QVERIFY(!r.save);
    QVERIFY(doc->Changed);
    QCOMPARE(prompter->messages.size(), 1); // only the change guard
}

void TestFileCommands::openReportsABadFile() {
    const QString path = dir.filePath("bad.pmf");
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("not a document");
    f.close();
    prompter->files = {path};
    cmds->Open();
    QCOMPARE(prompter->messages.size(), 1);
    const auto& m = prompter->messages.first();
    QCOMPARE(m.title, QString("Open Error"));
    QCOMPARE(m.icon, PromptIcon::Critical);
    QVERIFY(m.text.startsWith("An error occurred when attempting to open the file '" + path +
                              "' - Invalid file format"));
    QVERIFY(m.text.endsWith(", 321"));
    QCOMPARE(prompter->busyDepth, 0);
}

void TestFileCommands::saveOfUntitledAsksForAName() {
    const QString path = dir.filePath("new.pmf");
    prompter->files = {path};
    doc->Changed = true;
    cmds->Save();
    QCOMPARE(prompter->fileRequests.first().title, QString("Save the Ulvanta File"));
    QVERIFY(prompter->fileRequests.first().save);
    QCOMPARE(doc->CurFile, path);
    QVERIFY(!doc->Changed);
    // Saved once, the document saves in place without asking.
    doc->Changed = true;
    cmds->Save();
    QCOMPARE(prompter->fileRequests.size(), 1);
    QVERIFY(!doc->Changed);
}

void TestFileCommands::saveAsFailureIsReported() {
    prompter->files = {dir.path()}; // a folder
    doc->Changed = true;
    cmds->SaveAs();
    QCOMPARE(prompter->messages.size(), 1);
    QCOMPARE(prompter->messages.first().title, QString("Save Error"));
    QCOMPARE(prompter->messages.first().text,
             "An error occurred when attempting to save the file '" + dir.path() +
                 "' - Path/File access error, 75");
    QVERIFY(doc->Changed);
    QVERIFY(doc->CurFile.isEmpty());
}

void TestFileCommands::startUp_data() {
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<bool>("opened");
    QTest::newRow("quoted path with spaces") << "\"%1\"" << true;
    QTest::newRow("bare path with spaces") << "%1" << true;
    QTest::newRow("missing file") << "\"%1.missing\"" << false;
    QTest::newRow("empty") << "" << false;
}

void TestFileCommands::startUp() {
    QFETCH(QString, commandLine);
    QFETCH(bool, opened);
    const QString path = dir.filePath("my docs/start up.pmf");
    QDir(dir.path()).mkpath("my docs");
    {
        Document other;
        other.Propulate();
        other.WriteProp("Title", "Start");
        other.SaveFile(path);
    }
    cmds->openAtStartup(commandLine.contains("%1") ? commandLine.arg(path) : commandLine);
    QVERIFY(prompter->messages.isEmpty());
    if (opened)
        QCOMPARE(doc->caption(), "Start (" + path + ") - Ulvanta Editor");
    else
        QCOMPARE(doc->caption(), QString("New File 1 - Ulvanta Editor"));
}

void TestFileCommands::badStartUpDocumentContinuesWithNew() {
    const QString path = dir.filePath("broken.pmf");
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("VODK");
    f.close();
    cmds->openAtStartup(path);
    QCOMPARE(prompter->messages.size(), 1);
    QCOMPARE(prompter->messages.first().title, QString("Open Error"));
    QCOMPARE(doc->NextNew, 2);
    QCOMPARE(doc->caption(), QString("New File 2 - Ulvanta Editor"));
}

void TestFileCommands::closeRemovesThePreviewEvenWhenCancelled() {
    const QString preview = dir.filePath("PME.htm");
    for (const bool cancel : {true, false}) {
        QFile f(preview);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        doc->Changed = true;
        prompter->answers = {cancel ? PromptAnswer::Cancel : PromptAnswer::No};
        QCOMPARE(cmds->close(preview), !cancel);
        QVERIFY(!QFile::exists(preview));
    }
}

QTEST_GUILESS_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
