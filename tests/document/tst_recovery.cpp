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
        doc->resetProperties();
        prompter = std::make_unique<ScriptedPrompter>();
        cmds = std::make_unique<FileCommands>(*doc, *prompter);
        saved = dir.filePath("saved.pmf");
        Document().save(saved);
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
            QFile f(info);
            if (f.open(QIODevice::ReadOnly))
                versions.insert(f.readAll());
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
        QCOMPARE(m.defaultButton, PromptAnswer::Yes);
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
