#include "ScriptedPrompter.h"
#include "document/Document.h"
#include "document/FileCommands.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace ulvanta;
using test::ScriptedPrompter;

namespace {
void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
} // namespace

class TestFileCommands : public QObject {
    Q_OBJECT
private slots:
    void init();
    void changeGuardQuestion_data();
    void changeGuardQuestion();
    void savePromptWithCancelledSaveAsKeepsTheDocument();
    void saveOfUntitledAsksForAName();
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
        << QString() << "The file 'New File 1'  has changed.  Do you want to save the changes?";
    QTest::newRow("titled names the file")
        << QString("/d/a.pmf")
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
    writeFile(path, "VODK");
    cmds->openAtStartup(path);
    QCOMPARE(prompter->messages.size(), 1);
    QCOMPARE(prompter->messages.first().title, QString("Open Error"));
    QCOMPARE(doc->NextNew, 2);
    QCOMPARE(doc->caption(), QString("New File 2 - Ulvanta Editor"));
}

void TestFileCommands::closeRemovesThePreviewEvenWhenCancelled() {
    const QString preview = dir.filePath("PME.htm");
    for (const bool cancel : {true, false}) {
        writeFile(preview, {});
        doc->Changed = true;
        prompter->answers = {cancel ? PromptAnswer::Cancel : PromptAnswer::No};
        QCOMPARE(cmds->close(preview), !cancel);
        QVERIFY(!QFile::exists(preview));
    }
}

QTEST_GUILESS_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
