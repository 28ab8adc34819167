#include "ScriptedPrompter.h"
#include "TestFiles.h"
#include "components/KeyValueFile.h"
#include "edits/Document.h"
#include "generator/PageWriter.h"
#include "generator/PreviewFile.h"
#include "generator/RunController.h"
#include "generator/ShortcutPlaces.h"
#include "generator/ShortcutWriter.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

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
        QTest::addColumn<QString>("runtime"); // XDG_RUNTIME_DIR; %1: a writable folder
        QTest::addColumn<QString>("temp");
        QTest::addColumn<QString>("columns");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* tag, const char* runtime, const char* temp,
                            const char* columns, QString message) {
            QTest::newRow(tag) << QString(runtime) << QString(temp) << QString(columns) << message;
        };
        row("in the runtime folder", "%1", "/proc/none", "5", {});
        row("runtime folder gone: TEMP, one trailing separator dropped", "/proc/none", "%1/", "5",
            {});
        row("unwritable TEMP", "", "/proc/none", "5",
            "The preview file '/proc/none/PME.htm' could not be written - Path not found, 76");
        row("columns not a number", "%1", "%1", "many",
            "The page could not be generated - Type mismatch, 13");
    }

    void previewFile() {
        QFETCH(QString, runtime);
        QFETCH(QString, temp);
        QFETCH(QString, columns);
        QFETCH(QString, message);
        const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", runtime.replace("%1", dir->path()).toLocal8Bit());
        qputenv("TEMP", temp.replace("%1", dir->path()).toLocal8Bit());
        doc->items().appendItems({{"A", "c", {}, {}, {}, "Hidden", {}}});
        doc->setSetting(Setting::Columns, columns);

        auto folder = std::make_unique<PreviewFolder>();
        PreviewFolder otherEditor;
        const PreviewOutcome out = writePreviewFile(*doc, *folder);
        const PreviewOutcome other = writePreviewFile(*doc, otherEditor);
        QCOMPARE(out.message, message);
        QCOMPARE(out.ok, message.isEmpty());
        if (out.ok) {
            const QString own = QFileInfo(out.path).path();
            struct stat st {};
            QVERIFY(QFileInfo(own).path() == dir->path() && ::stat(qPrintable(own), &st) == 0);
            QCOMPARE(st.st_mode & 0777, 0700u); // its owner's alone
            QVERIFY(other.ok && QFileInfo(other.path).path() != own);
            QCOMPARE(QString::fromLatin1(readAll(out.path)), htmlViewText(*doc));
            folder.reset(); // the editor ends
            QVERIFY(!QFileInfo::exists(own) && QFile::exists(other.path));
        }
        qunsetenv("TEMP");
        qputenv("XDG_RUNTIME_DIR", oldRuntime);
        if (columns != "5") // the HTML tab shows the same
            QCOMPARE(htmlViewText(*doc), message);
    }

    void runStartsTheLauncherOnThePage() {
        const QString page = dir->filePath("my page & \u00e9.htm");
        doc->setSetting(Setting::HtmlFile, page);
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
        QStandardPaths::setTestModeEnabled(false); // the user's folders, as set here
        qputenv("XDG_CONFIG_HOME", dir->path().toLocal8Bit());
        doc->setSetting(Setting::Title, " Menu: \"$1\" ");
        doc->setSetting(Setting::HtmlFile, "/p/a b$\\%.htm");
        doc->setSetting(Setting::Icon, icon);
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
        QStandardPaths::setTestModeEnabled(true);

        // Whatever a file name cannot hold is replaced; the name fits the file system.
        QCOMPARE(Shortcut::name("A?B\\b/c<d>e*f|h"), "A!B_b_c(d)exf\u00a6h");
        QCOMPARE(Shortcut::name(QString(200, QChar(0xe9))), QString(123, QChar(0xe9)));

        // Variables in the program's folder are expanded; without an icon file the
        // shortcut shows the launcher's.
        doc->setSetting(Setting::Icon, "/missing.ico");
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
};

QTEST_MAIN(TestOutputCommands)
#include "tst_outputcommands.moc"
