#include "ScriptedPrompter.h"
#include "document/Document.h"
#include "document/FileCommands.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

using namespace ulvanta;
using test::ScriptedPrompter;

Q_DECLARE_METATYPE(ulvanta::PromptAnswer)

class TestRecovery : public QObject {
    Q_OBJECT
private slots:
    void init() {
        cmds.reset();
        QVERIFY(QDir(dir.path()).removeRecursively() && QDir().mkpath(dir.path()));
        folder = dir.filePath("recovery");
        doc = std::make_unique<Document>();
        doc->Propulate();
        prompter = std::make_unique<ScriptedPrompter>();
        cmds = std::make_unique<FileCommands>(*doc, *prompter);
        saved = dir.filePath("saved.pmf");
        Document other;
        other.Propulate();
        other.SaveFile(saved);
    }

    void copyFollowsUnsavedChanges_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<PromptAnswer>("answer"); // to "save the changes?"
        QTest::addColumn<bool>("kept");
        QTest::newRow("Save removes it") << "save" << PromptAnswer::Yes << false;
        QTest::newRow("New answered No removes it") << "new" << PromptAnswer::No << false;
        QTest::newRow("Open answered No removes it") << "open" << PromptAnswer::No << false;
        QTest::newRow("Open cancelled keeps it") << "open" << PromptAnswer::Cancel << true;
        QTest::newRow("Exit answered No removes it") << "exit" << PromptAnswer::No << false;
        QTest::newRow("Exit cancelled keeps it") << "exit" << PromptAnswer::Cancel << true;
    }
    void copyFollowsUnsavedChanges() {
        QFETCH(QString, action);
        QFETCH(PromptAnswer, answer);
        QFETCH(bool, kept);
        QVERIFY(cmds->recovery().enable(folder, 10));
        const QString copy = folder + '/' + cmds->recovery().store()->id() + ".pmf";
        doc->items().appendItems({ItemRow{"unchanged"}});
        QTest::qWait(50);
        QVERIFY(!QFile::exists(copy));
        edit(*doc);
        QTRY_VERIFY(QFile::exists(copy));
        prompter->answers = {answer};
        prompter->files = {saved};
        const std::map<QString, std::function<void()>> run = {
            {"save", [&] { cmds->Save(); }},
            {"new", [&] { cmds->New(); }},
            {"open", [&] { cmds->Open(); }},
            {"exit", [&] { cmds->close(QString()); }}};
        run.at(action)();
        QCOMPARE(QFile::exists(copy), kept);
    }

    void onlyEndedEditorsCopiesAreOffered_data() {
        QTest::addColumn<bool>("running");     // the copy's editor
        QTest::addColumn<bool>("claimed");     // by another editor starting meanwhile
        QTest::addColumn<QString>("damage");   // file suffix; its new content follows
        QTest::addColumn<QByteArray>("bytes"); // null: the file is deleted
        QTest::addColumn<bool>("offered");
        const QByteArray noPath = "Title=T\r\nChanged=2026-01-01T00:00:00Z\r\nPid=1\r\n";
        QTest::newRow("ended") << false << false << "" << QByteArray() << true;
        QTest::newRow("still running") << true << false << "" << QByteArray() << false;
        QTest::newRow("claimed by another") << false << true << "" << QByteArray() << false;
        QTest::newRow("info without a path") << false << false << ".info" << noPath << false;
        QTest::newRow("info with a bad time")
            << false << false << ".info" << QByteArray("Path=\r\nTitle=T\r\nChanged=x\r\nPid=1")
            << false;
        QTest::newRow("info missing") << false << false << ".info" << QByteArray() << false;
        QTest::newRow("document damaged")
            << false << false << ".pmf" << QByteArray("VODK\1") << false;
        QTest::newRow("document missing") << false << false << ".pmf" << QByteArray() << false;
    }
    void onlyEndedEditorsCopiesAreOffered() {
        QFETCH(bool, running);
        QFETCH(bool, claimed);
        QFETCH(QString, damage);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, offered);
        auto owner = std::make_unique<RecoveryStore>(folder);
        edit(*doc);
        doc->CurFile = saved;
        const QDateTime when = QDateTime::currentDateTime().addSecs(-60);
        owner->write(*doc, when);
        const QString path = folder + '/' + owner->id() + damage;
        if (!running)
            owner.reset();
        if (!damage.isEmpty())
            QVERIFY(bytes.isNull() ? QFile::remove(path) : writeFile(path, bytes));
        RecoveryStore other(folder);
        if (claimed)
            QCOMPARE(other.claimOrphans().size(), size_t(1));
        RecoveryStore starting(folder);
        for (int pass = 0; pass < 2; ++pass) { // a copy set aside is not offered again
            const auto found = starting.claimOrphans();
            QCOMPARE(found.size(), size_t(offered && pass == 0));
            if (!found.empty()) {
                QCOMPARE(found[0].originalPath, saved);
                QCOMPARE(found[0].title, QString("T"));
                QCOMPARE(found[0].lastChange, when);
                QCOMPARE(found[0].pid, QCoreApplication::applicationPid());
                starting.discard(found[0].id);
            }
        }
        QCOMPARE(QFile::exists(path + ".bad"), !damage.isEmpty() && !bytes.isNull());
    }

    void copiesAreWrittenAtMostOncePerInterval() {
        QVERIFY(cmds->recovery().enable(folder, 300));
        const QString info = folder + '/' + cmds->recovery().store()->id() + ".info";
        QSet<QByteArray> versions;
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 1500) { // an edit every 30 ms: the timer is never idle
            edit(*doc);
            QTest::qWait(30);
            QFile f(info);
            if (f.open(QIODevice::ReadOnly))
                versions.insert(f.readAll());
        }
        QVERIFY2(versions.size() >= 2 && versions.size() <= 6,
                 qPrintable(QString::number(versions.size())));
    }

    void offerAtStartUp_data() {
        QTest::addColumn<bool>("untitled");
        QTest::addColumn<bool>("heldElsewhere");
        QTest::addColumn<PromptAnswer>("answer");
        QTest::addColumn<QStringList>("titles"); // of the messages shown
        QTest::addColumn<bool>("recovered");
        QTest::addColumn<bool>("copyLeft");
        const QStringList offer = {"Recover Unsaved Changes"};
        QTest::newRow("Yes") << false << false << PromptAnswer::Yes << offer << true << false;
        QTest::newRow("Yes, untitled")
            << true << false << PromptAnswer::Yes << offer << true << false;
        QTest::newRow("No deletes it")
            << false << false << PromptAnswer::No << offer << false << false;
        QTest::newRow("file held by another editor")
            << false << true << PromptAnswer::Yes
            << QStringList{offer[0], "Open Error", "Open Error"} << false << true;
    }
    void offerAtStartUp() {
        QFETCH(bool, untitled);
        QFETCH(bool, heldElsewhere);
        QFETCH(PromptAnswer, answer);
        QFETCH(QStringList, titles);
        QFETCH(bool, recovered);
        QFETCH(bool, copyLeft);
        const QString original = untitled ? QString() : saved;
        {
            Document ended;
            ended.Propulate();
            edit(ended);
            ended.CurFile = original;
            RecoveryStore(folder).write(ended, QDateTime::currentDateTime());
        }
        FileHold other;
        QVERIFY(!heldElsewhere || other.take(saved));
        QVERIFY(cmds->recovery().enable(folder));
        prompter->answers = {answer};
        cmds->openAtStartup('"' + saved + '"'); // recovery goes before the command line
        QStringList shown;
        for (const auto& m : prompter->messages)
            shown << m.title;
        QCOMPARE(shown, titles);
        const auto& m = prompter->messages.first();
        QVERIFY(m.text.contains("'T'") && m.text.contains(original));
        QCOMPARE(m.defaultButton, PromptAnswer::Yes);
        QCOMPARE(doc->Changed, recovered);
        QCOMPARE(doc->CurFile, recovered ? original : heldElsewhere ? QString() : saved);
        QCOMPARE(doc->items().count() == 1, recovered);
        QCOMPARE(doc->CO.isHeld(), !untitled && !heldElsewhere);
        QCOMPARE(QDir(folder).entryList({"*.pmf"}).size(), int(copyLeft) + int(recovered));
        other.release();
        if (!recovered || untitled)
            return;
        cmds->Save(); // over the original, under its hold, with the recovered work
        QVERIFY(prompter->fileRequests.isEmpty());
        doc->CO.release();
        Document reread;
        reread.OpenFile(saved, false);
        QCOMPARE(reread.items().row(0)[0], QString("edited"));
        QCOMPARE(QDir(folder).entryList({"*.pmf"}).size(), 0);
    }

private:
    static void edit(Document& d) {
        d.items().appendItems({ItemRow{"edited"}});
        d.WriteProp("Title", "T");
        d.Changed = true;
    }
    static bool writeFile(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    }

    QTemporaryDir dir;
    QString folder;
    QString saved;
    std::unique_ptr<Document> doc;
    std::unique_ptr<ScriptedPrompter> prompter;
    std::unique_ptr<FileCommands> cmds;
};

QTEST_GUILESS_MAIN(TestRecovery)
#include "tst_recovery.moc"
