#include "ScriptedPrompter.h"
#include "TestFiles.h"
#include "components/KeyValueFile.h"
#include "edits/Document.h"
#include "generator/PageGenerator.h"
#include "generator/PreviewFile.h"
#include "generator/RunController.h"
#include "generator/ShortcutPlaces.h"
#include "generator/ShortcutWriter.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace ulvanta;
using test::readAll;
using test::ScriptedPrompter;
using test::writeFile;

// Where the page goes: the preview file, the launcher and the desktop shortcut.
class TestOutputCommands : public QObject {
    Q_OBJECT
private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        doc = std::make_unique<Document>();
        doc->resetProperties();
        prompter = ScriptedPrompter();
    }

    void previewFile_data() {
        QTest::addColumn<QString>("temp"); // %1: a writable folder
        QTest::addColumn<QString>("columns");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* tag, const char* temp, const char* columns,
                            QString message) {
            QTest::newRow(tag) << QString(temp) << QString(columns) << message;
        };
        row("written", "%1", "5", {});
        row("one trailing separator dropped", "%1/", "5", {});
        row("unwritable TEMP", "/proc/none", "5",
            "The preview file '/proc/none/PME.htm' could not be written - Path not found, 76");
        row("columns not a number", "%1", "many",
            "The page could not be generated - Type mismatch, 13");
    }

    void previewFile() {
        QFETCH(QString, temp);
        QFETCH(QString, columns);
        QFETCH(QString, message);
        qputenv("TEMP", QString(temp).replace("%1", dir->path()).toLocal8Bit());
        const QString old = dir->filePath("PME.htm");
        writeFile(old, "old");
        doc->items().appendItems({{"A", "c", {}, {}, {}, "Hidden", {}}});
        doc->setSetting("Columns", columns);

        const PreviewOutcome out = writePreviewFile(*doc, keys);
        qunsetenv("TEMP");
        QCOMPARE(out.message, message);
        QCOMPARE(out.ok, message.isEmpty());
        if (out.ok) {
            QCOMPARE(out.path, old);
            QCOMPARE(QString::fromLatin1(readAll(old)), htmlViewText(*doc, keys));
        }
        if (columns != "5") // the HTML tab shows the same
            QCOMPARE(htmlViewText(*doc, keys), message);
    }

    void runStartsTheLauncherOnThePage() {
        const QString page = dir->filePath("my page & \u00e9.htm");
        doc->setSetting("(HTML File)", page);
        const QString programFolder = dir->path() + "/";
        writeFile(programFolder + "ulvanta2.exe", "#!/bin/sh\nprintf '%s|' \"$@\" > \"$0.args\"\n");
        QFile::setPermissions(programFolder + "ulvanta2.exe",
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        QVERIFY(RunController(*doc, prompter, programFolder).run());
        QTRY_COMPARE(QString::fromUtf8(readAll(programFolder + "ulvanta2.exe.args")), page + "|");
        QVERIFY(prompter.messages.isEmpty());

        QVERIFY(!RunController(*doc, prompter, "/nowhere/").run());
        QCOMPARE(prompter.messages.size(), 1);
        QCOMPARE(prompter.messages[0].title, QString("Run Error"));
        QCOMPARE(prompter.messages[0].text, "An error occurred when running the command - "
                                            "'/nowhere/ulvanta2.exe " +
                                                page + "' - File not found, 53");
    }

    void shortcutIsWrittenToTheDesktopFolder() {
        const QString desk = dir->filePath("My Desk"), icon = dir->filePath("i.png");
        writeFile(icon, {});
        writeFile(dir->filePath("user-dirs.dirs"), "XDG_DESKTOP_DIR=\"" + desk.toUtf8() + "\"\n");
        qputenv("XDG_CONFIG_HOME", dir->path().toLocal8Bit());
        doc->setSetting("Title", " Menu: \"$1\" ");
        doc->setSetting("(HTML File)", "/p/a b$\\%.htm");
        doc->setSetting("Icon", icon);
        ShortcutWriter w(*doc, prompter, "/opt/ulv/");
        qunsetenv("XDG_CONFIG_HOME");
        QCOMPARE(w.desktopFolder(), desk);
        QVERIFY(w.run());
        const QString file = desk + "/Menu; ''$1''.desktop";
        QCOMPARE(
            QString::fromUtf8(readAll(file)),
            "[Desktop Entry]\nVersion=1.0\nType=Application\nName=Menu; ''$1''\n"
            "Comment=\\sMenu: \"$1\" \nExec=/opt/ulv/ulvanta2.exe \"/p/a b\\\\$\\\\\\\\%%.htm\"\n"
            "Icon=" +
                icon + "\nPath=\nTerminal=false\n");
        QVERIFY(QFileInfo(file).isExecutable());
        QCOMPARE(prompter.messages.size(), 1);

        // The message's second button adds the same entry to the user's application menu.
        prompter.messages.clear();
        prompter.answers = {PromptAnswer::Yes};
        qputenv("XDG_DATA_HOME", dir->path().toLocal8Bit());
        QVERIFY(w.run());
        QCOMPARE(readAll(dir->filePath("applications/ulvanta-Menu; ''$1''.desktop")),
                 readAll(file));
        qunsetenv("XDG_DATA_HOME");

        // Whatever a file name cannot hold is replaced; the name fits the file system.
        QCOMPARE(Shortcut::name("A?B\\b/c<d>e*f|h"), "A!B_b_c(d)exf\u00a6h");
        QCOMPARE(Shortcut::name(QString(200, QChar(0xe9))), QString(123, QChar(0xe9)));

        // Variables in the program's folder are expanded; without an icon file the
        // shortcut shows the launcher's.
        doc->setSetting("Icon", "/missing.ico");
        qputenv("ULV_TEST_DIR", "/opt/x y");
        const QString entry = Shortcut::desktopEntry("%ULV_TEST_DIR%/", *doc);
        QVERIFY(entry.contains("\nExec=\"/opt/x y/ulvanta2.exe\" \"/p/a b"));
        QVERIFY(entry.contains("\nIcon=/opt/x y/ulvanta2.exe\n"));

        QVERIFY(!ShortcutWriter(*doc, prompter, "/opt/", "/proc/desk").run());
        QCOMPARE(prompter.messages.last().title, QString("Create Shortcut to Desktop Error"));
        QCOMPARE(prompter.messages.last().text,
                 QString("An error occurred when creating a shortcut on the "
                         "Desktop - Path not found, 76"));
    }

    void shortcutMarkedTrusted_data() {
        QTest::addColumn<QByteArray>("gio"); // the script on the PATH
        QTest::newRow("gio fails") << QByteArray("exit 1");
        QTest::newRow("gio sets the mark") << QByteArray("echo \"$@\" > \"$0.args\"");
    }

    void shortcutMarkedTrusted() {
        QFETCH(QByteArray, gio);
        const QString script = dir->filePath("gio");
        writeFile(script, "#!/bin/sh\n" + gio + "\n");
        QFile::setPermissions(script, QFile::ReadOwner | QFile::ExeOwner);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", dir->path().toLocal8Bit());
        const bool marked = Shortcut::markTrusted("/d/My Page.desktop");
        qputenv("PATH", path);
        QCOMPARE(marked, gio.startsWith("echo"));
        QCOMPARE(readAll(script + ".args"),
                 marked ? "set /d/My Page.desktop metadata::trusted true\n" : "");
    }

private:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<Document> doc;
    ScriptedPrompter prompter;
    KeyValueFile keys;
};

QTEST_MAIN(TestOutputCommands)
#include "tst_outputcommands.moc"
