#include "NamedSetting.h"
#include "ScriptedPrompter.h"
#include "TestFiles.h"
#include "components/Error.h"
#include "components/KeyValueFile.h"
#include "components/ProgramInfo.h"
#include "edits/Document.h"
#include "edits/StoredRows.h"
#include "generator/BuildController.h"
#include "generator/PageWriter.h"
#include "generator/PreviewFile.h"
#include "model/SectionRow.h"

#include <QBuffer>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>

using namespace ulvanta;
using test::errorOf;
using test::readAll;
using test::writeFile;

Q_DECLARE_METATYPE(std::vector<ItemRow>)
Q_DECLARE_METATYPE(ulvanta::PromptAnswer)

namespace {
ItemRow icon(const QString& desc, const QString& cmd, const QString& run = "Normal Window",
             const QString& comments = {}, const QString& iconFile = {}, const QString& params = {},
             const QString& startIn = {}) {
    return {desc, cmd, params, startIn, iconFile, run, comments};
}

ItemRow section(const QString& text) {
    return {text, {}, {}, {}, {}, {}, {}};
}

ItemRow program(const QString& desc, const QString& iconFile) {
    return icon(desc, "run", "Normal Window", {}, iconFile);
}

ItemRow sized(const QString& iconSize) {
    return section(SectionRow::compose("S", "5", iconSize, true, false));
}
} // namespace

// The launcher page, and building it into a file and its icon folder by the Build
// command and by the command-line builder.
class TestPageGenerator : public QObject {
    Q_OBJECT
private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        if (dir->path().contains('.'))
            QSKIP("the temporary folder's name holds a \".\"");
        doc = std::make_unique<Document>();
        doc->setNextNewNumber(1);
        doc->resetProperties();
    }

    // Whole pages, byte for byte, against the pages in pages/ ("@VERSION@" there
    // stands for the program's version).
    void page_data() {
        QTest::addColumn<QString>("settings"); // "Name=value|..."; "Path=" names the file
        QTest::addColumn<std::vector<ItemRow>>("rows");
        QTest::addColumn<QString>("expected");
        // "true" and "false" are not "True" and "False": no setting whatever their case.
        QTest::newRow("a new document, a style sheet alone")
            << "Closable=false|Show open command=true|Font bold=true|Style sheet=/s/a b.css"
            << std::vector<ItemRow>{} << "new.htm";
        QTest::newRow("font alone, one command, one icon on a bordered, coloured table")
            << "Font=Arial|Font size=10|Show exit command=True|Table border=True|"
               "Table colour=#123456"
            << std::vector<ItemRow>{icon("I", "c")} << "font.htm";
        const QString every =
            "Font=Arial|Font size=10|Font bold=True|Font italic=True|Text colour=#F00|"
            "Font underline=True|Font strikethrough=True|Link colour=#1|Link visited colour=#2|"
            "Link active colour=#3|Link hover colour=#4|Style sheet=/s/a b.css|"
            "Show refresh command=True|Show edit command=True|Show maximise command=True|"
            "Show minimise command=True|Show exit command=True|Show open command=True|"
            "Closable=False|Extra commands=False|Icon=/i/a.ico|Minimise on use=True|"
            "Start maximised=True|Height=|Path=/d/doc & 1.pmf|Background colour=#FFFFFF|"
            "Background picture=/p/b.gif|Title=A & B|Header HTML=<b>hi</b>|"
            "Footer HTML=<i>bye</i>|Columns= 6.5 ";
        // Six columns of seven icons, then a section without icons and one whose
        // four columns are cut to its one icon.
        const std::vector<ItemRow> cells{
            icon("D", "c.exe", "Normal Window", "", "", "", "/w"),
            icon("D", "http://x.org/", "Hyperlink", "", "", "a"),
            icon("D", "a,b", "Minimised No Focus", "x, y"),
            icon("Say \"hi\"", "c", "Normal No Focus"),
            icon("P", "c", "Hidden", "tip", "/i/Pic.PNG"),
            icon("M", "m", "Maximised Focus", "", "", "-p"),
            icon("F", "f", "Minimised Focus"),
            section(SectionRow::compose("Empty", "5", "32", true, false)),
            section(SectionRow::compose("B & C", "4", "20.5", false, true)),
            icon("P", "c", "Normal Window", "", "/usr/bin/env")};
        QTest::newRow("every setting, every kind of cell") << every << cells << "every.htm";
    }

    void page() {
        QFETCH(QString, settings);
        QFETCH(std::vector<ItemRow>, rows);
        QFETCH(QString, expected);
        doc->items().appendItems(rows);
        for (const QString& s : settings.split('|')) {
            if (s.startsWith("Path="))
                doc->setFilePath(s.mid(5));
            else
                test::setNamedSetting(*doc, s);
        }
        const QByteArray page = readAll(QFINDTESTDATA("pages/" + expected))
                                    .replace("@VERSION@", ProgramInfo::version().toUtf8());
        // Line by line, so that a difference names its line.
        const QString made = PageWriter(*doc).page();
        QCOMPARE(made.split("\r\n"), QString::fromUtf8(page).split("\r\n"));

        // Written as it is made: the same bytes, and a device that takes nothing is a full disk.
        QBuffer written, refusing;
        written.open(QIODevice::WriteOnly);
        refusing.open(QIODevice::ReadOnly);
        PageWriter(*doc).write(written);
        QCOMPARE(written.data(), page);
        QVERIFY_THROWS_EXCEPTION(Error, PageWriter(*doc).write(refusing));
        // From the document's file, its rows written as the file holds them.
        QBuffer fromFile;
        fromFile.open(QIODevice::WriteOnly);
        writeFromFile(fromFile);
        QCOMPARE(fromFile.data(), page);
    }

    // A bad Columns or Icon size fails the page before its first byte.
    void numberError_data() {
        QTest::addColumn<QString>("fields"); // the section's fields after its name, above one icon
        QTest::addColumn<QString>("iconFile");
        QTest::addColumn<int>("error"); // 0: none
        const auto add = [](const char* tag, const char* section, const char* iconFile, int error) {
            QTest::newRow(tag) << section << iconFile << error;
        };
        add("bad icon size unused without an icon", "Columns:1;Icon size:big", "", 0);
        add("icon size not a number", "Columns:1;Icon size:big", "/x.png", 13);
        add("section columns not a number", "Columns:x", "", 13);
        add("column count past 16 bits", "Columns:32767.5", "", 6);
        add("icon size past 32 bits", "Columns:1;Icon size:3e9", "/x.png", 6);
        add("zero columns with icons", "Columns:0.4", "", 11);
    }

    void numberError() {
        QFETCH(QString, fields);
        QFETCH(QString, iconFile);
        QFETCH(int, error);
        doc->items().appendItems(
            {section("SECTION:S;" + fields), icon("a", "b", "Hidden", "", iconFile)});
        QBuffer written, fromFile;
        written.open(QIODevice::WriteOnly);
        fromFile.open(QIODevice::WriteOnly);
        QCOMPARE(errorOf([&] { PageWriter(*doc).write(written); }), error);
        QCOMPARE(written.data().isEmpty(), error != 0);
        QCOMPARE(errorOf([&] { writeFromFile(fromFile); }), error);
        QCOMPARE(fromFile.data(), written.data());
    }

    // A document file changed in place after it was read stops its page with an
    // error, whatever now stands where its rows were.
    void documentChangedAfterReading_data() {
        QTest::addColumn<QByteArray>("overwrite"); // written over the directory's records
        QTest::addColumn<int>("keep");             // bytes of the file kept
        QTest::addColumn<int>("error");
        QTest::newRow("cut short") << QByteArray() << 200 << 321;
        QTest::newRow("records point past the end") << QByteArray(32, '\xff') << -1 << 75;
        // Empty cells at the start of the file: read, but nothing outside the file.
        QTest::newRow("records point backwards") << QByteArray(48, '\0') << -1 << 0;
    }
    void documentChangedAfterReading() {
        QFETCH(QByteArray, overwrite);
        QFETCH(int, keep);
        doc->items().appendItems({program("A", "/a.png"), sized("16"), program("B", "b")});
        doc->writeFile(path("doc.pmf"));
        Document settings;
        settings.resetProperties();
        StoredRows rows;
        settings.loadPage(path("doc.pmf"), rows);
        QFile file(path("doc.pmf"));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(keep < 0 || file.resize(keep));
        QVERIFY(file.seek(8 + 16 * 7) && file.write(overwrite) == overwrite.size());
        file.close();
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        QTEST(errorOf([&] { PageWriter(settings, rows).write(out); }), "error");
    }

    void iconFolderHoldsWhatExistsAndIsCleanedOnRebuild() {
        const QString tool = path("my tool \u00e9");
        QVERIFY(writeFile(tool, "#!/bin/sh\n"));
        QVERIFY(writeFile(path("broken.dat"), QByteArray(64, '\xff')));
        QVERIFY(writeFile(path("huge.bin"), "x", qint64(3) << 30));
        QDir().mkdir(path("a folder"));
        doc->items().appendItems({program("A", tool), program("B", tool.toUpper()),
                                  program("C", path("gone")), program("D", path("pic.PNG")),
                                  program("E", path("a folder")), program("F", path("broken.dat")),
                                  program("G", path("huge.bin")), sized("20.5"),
                                  program("H", path("a folder/../huge.bin")), sized("10"),
                                  program("I", path("a folder/."))});
        const QString page = build("out page.htm");
        const QString base = path("out page");
        QCOMPARE(page.count("src=\"" + base + "/Icon1.ico\""), 2); // the same program, in capitals
        QVERIFY(page.contains("src=\"" + path("pic.PNG") + "\""));
        for (int k : {0, 2, 3, 4, 5, 6}) // 0: a missing program
            QVERIFY(page.contains(QString("src=\"%1/Icon%2.ico\"").arg(base).arg(k)));
        // Sizes 16 to 24 take the small icon, 25 and more the large one, below 16 none.
        QCOMPARE(QDir(base).entryList(QDir::Files, QDir::Name),
                 QStringList({"Icon1.ico", "Icon2.ico", "Icon3.ico", "Icon4.ico", "Icon5.ico",
                              "Icons.txt"}));
        QCOMPARE(QImageReader(base + "/Icon1.ico").size(), QSize(32, 32));
        QCOMPARE(QImageReader(base + "/Icon5.ico").size(), QSize(16, 16));
        KeyValueFile list;
        list.load(base + "/Icons.txt");
        QCOMPARE(list.value("Icons"), QString("6"));
        QCOMPARE(list.value("EXE1"), tool);
        QCOMPARE(list.value("EXE2"), path("a folder"));

        // A view touches no file; a rebuild deletes the icons the list names, and only those.
        PageWriter(*doc).page();
        QVERIFY(QFile::exists(base + "/Icon5.ico"));
        QVERIFY(writeFile(base + "/Icon7.ico", "not ours"));
        doc->items().clear();
        doc->items().appendItems({program("E", path("a folder"))});
        build("out page.htm");
        QCOMPARE(QDir(base).entryList(QDir::Files, QDir::Name),
                 QStringList({"Icon1.ico", "Icon7.ico", "Icons.txt"}));
        list.load(base + "/Icons.txt");
        QCOMPARE(list.value("Icons"), QString("1"));
        QCOMPARE(list.value("EXE1"), path("a folder"));
    }

    void buildCommand_data() {
        QTest::addColumn<bool>("items");
        QTest::addColumn<PromptAnswer>("buildEmpty"); // to "No Items in List", asked of no items
        QTest::addColumn<QString>("chosen");          // typed>written; "" cancels
        QTest::addColumn<QString>("error");           // the message's end, "" none
        QTest::addColumn<QString>("status");          // what the status bar says after
        const auto row = [](const char* tag, bool items, PromptAnswer buildEmpty, QString chosen,
                            QString error, QString status = {}) {
            QTest::newRow(tag) << items << buildEmpty << chosen << error << status;
        };
        row("no items, No", false, PromptAnswer::No, "x.htm", "");
        row("no items, Yes: a page without a table", false, PromptAnswer::Yes, "x.htm", "",
            "Built x.htm: 0 icons, 0 extracted");
        row("cancelled", true, PromptAnswer::No, "", "");
        row("a folder", true, PromptAnswer::No, "sub.d", "Path/File access error, 75");
        row("no extension: .htm added", true, PromptAnswer::No, "plain>plain.htm", "",
            "Built plain.htm: 2 icons, 1 extracted");
    }

    void buildCommand() {
        QFETCH(bool, items);
        QFETCH(PromptAnswer, buildEmpty);
        QFETCH(QString, chosen);
        QFETCH(QString, error);
        const QString typed = chosen.section('>', 0, 0);
        chosen = chosen.section('>', -1);
        QDir().mkdir(path("sub.d"));
        if (items)
            doc->items().appendItems({program("A", {}), program("B", path("sub.d")), sized("16")});
        doc->setSetting(Setting::HtmlFile, path("old.htm"));
        test::ScriptedPrompter p;
        p.answers.push_back(buildEmpty);
        p.files.push_back(typed.isEmpty() ? std::nullopt : std::optional<QString>(path(typed)));

        BuildController command(*doc, p);
        const bool built = command.run();

        const bool asked = items || buildEmpty == PromptAnswer::Yes;
        const bool success = asked && !chosen.isEmpty() && error.isEmpty();
        QCOMPARE(p.fileRequests.size(), asked ? 1 : 0);
        if (asked)
            QCOMPARE(p.fileRequests[0].fileName, path("old.htm"));
        QCOMPARE(built, success);
        QTEST(command.builtText(), "status");
        QCOMPARE(doc->isModified(), success);
        QCOMPARE(doc->setting(Setting::HtmlFile), path(success ? chosen : "old.htm"));
        QCOMPARE(p.busyDepth, 0);
        if (!items)
            QCOMPARE(p.messages.takeFirst().defaultButton, PromptAnswer::No);
        QCOMPARE(p.messages.size(), error.isEmpty() ? 0 : 1);
        if (success)
            QCOMPARE(QString(readAll(path(chosen))).contains("<table"), items);
        for (const auto& m : p.messages)
            QCOMPARE(m.title + ": " + m.text,
                     "Build Error: An error occurred when attempting to build the HTML file '" +
                         path(chosen) + "' - " + error);
    }

    // A build that cannot finish (a full disk: the file size limit) changes no file.
    void failedBuildChangesNothing_data() {
        QTest::addColumn<int>("limit"); // bytes a file may hold during the second build
        QTest::newRow("page larger than the disk takes") << 100000;
        QTest::newRow("icon larger than the disk takes") << 1000;
    }

    void failedBuildChangesNothing() {
        QFETCH(int, limit);
        for (const char* name : {"a", "b", "c", "d", "e", "f"})
            QVERIFY(writeFile(path(name), "x"));
        doc->items().appendItems(
            {program("A", path("a")), program("B", path("b")), program("C", path("c"))});
        build("page.htm");
        const auto before = files();
        QVERIFY(before.contains("page/Icon3.ico"));
        doc->items().clear();
        for (const char* name : {"f", "e", "d", "c", "b", "a"})
            doc->items().appendItems({program(QString(200, 'X'), path(name))});
        for (int i = 0; i < 1000; ++i)
            doc->items().appendItems({icon(QString(200, 'Y'), "c")});

        std::signal(SIGXFSZ, SIG_IGN);
        rlimit old{}, small{};
        getrlimit(RLIMIT_FSIZE, &old);
        small = {rlim_t(limit), old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &small);
        const int seen = errorOf([&] { build("page.htm"); });
        setrlimit(RLIMIT_FSIZE, &old);
        QCOMPARE(seen, int(Error::DiskFull));
        QCOMPARE(files(), before);
    }

    // The icon folder is a new folder beside the page, named from the file name alone.
    void iconFolderName_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("folder"); // "": refused as a bad file name
        const auto row = [](const char* tag, const char* page, const char* folder) {
            QTest::newRow(tag) << QString(page) << QString(folder);
        };
        row("dots in the file name", "a.b.html", "a.b");
        row("dots in the folder", "my.pages/menu.htm", "my.pages/menu");
        row("no extension, dots in the folder", "my.pages/menu", "");
        row("extension alone", "my.pages/.htm", "");
        row("dots alone before the extension", "my.pages/...htm", "");
    }

    void iconFolderName() {
        QFETCH(QString, page);
        QFETCH(QString, folder);
        QVERIFY(writeFile(path("my.pages/tool"), "x"));
        QVERIFY(writeFile(path("my/Icon1.ico"), "not ours"));
        doc->items().appendItems({program("A", path("my.pages/tool"))});
        auto expected = files();
        QCOMPARE(errorOf([&] { build(page); }), folder.isEmpty() ? int(Error::BadFileName) : 0);
        if (!folder.isEmpty())
            for (const QString& f : {page, folder + "/Icon1.ico", folder + "/Icons.txt"})
                expected.insert(f, readAll(path(f)));
        QCOMPARE(files(), expected);
    }

    // The command-line builder makes the editor's bytes and leaves the document as it was.
    void commandLine_data() {
        QTest::addColumn<QString>("args"); // shell words; %1 for the folder
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("err"); // the one line on standard error starts so
        const auto row = [](const char* tag, const QString& args, int exitCode, QString err) {
            QTest::newRow(tag) << args << exitCode << err;
        };
        const QString bad = "\"$(printf 'x\\377.htm')\"";
        const QString open = "An error occurred when attempting to open the file '";
        row("page and icon list as Build makes them", "%1/doc.pmf %1/page.htm", 0, "");
        row("page as the HTML tab shows it, after a name like an option", "-- %1/doc.pmf", 0, "");
        row("unknown option", "-x doc.pmf", 2, "ulvanta-build: unknown option '-x'");
        row("empty name", "''", 1, open + "' - Bad file name or number, 52");
        row("document name not in the file name encoding", bad, 1,
            open + "x\uFFFD.htm' - Bad file name");
        row("page name not in the file name encoding", "doc.pmf " + bad, 1,
            "An error occurred when attempting to build the HTML file 'x\uFFFD.htm' - Bad file "
            "name");
        row("check names each problem's row and column", "--check %1/doc.pmf", 1, "");
        row("check of a file that is no document", "--check %1/tool", 2, open);
    }

    void commandLine() {
        QFETCH(QString, args);
        QFETCH(int, exitCode);
        QFETCH(QString, err);
        QVERIFY(writeFile(path("tool"), "x"));
        doc->items().appendItems({program("A", path("tool")), program("B, \u00fc", "/x.gif")});
        doc->setSetting(Setting::ShowEditCommand, "True");
        doc->save(path("doc.pmf"));
        doc->fileLock().release();
        const QByteArray docBytes = readAll(path("doc.pmf"));

        QProcess proc;
        proc.setWorkingDirectory(dir->path());
        const QString builder = qEnvironmentVariable("ULVANTA_BIN") + "/ulvanta-build";
        proc.start("/bin/sh",
                   {"-c", "exec \"$0\" " + QString(args).replace("%1", dir->path()), builder});
        QVERIFY(proc.waitForFinished(30000));
        QCOMPARE(proc.exitCode(), exitCode);
        const QStringList lines = QString::fromUtf8(proc.readAllStandardError()).split('\n');
        QVERIFY2(lines[0].startsWith(err), qPrintable(lines[0]));
        if (exitCode != 2) // nothing but the builder's own message
            QCOMPARE(lines.size(), err.isEmpty() ? 1 : 2);
        QCOMPARE(readAll(path("doc.pmf")), docBytes);
        if (args.endsWith(".htm")) {
            const QByteArray page = readAll(path("page.htm")),
                             list = readAll(path("page/Icons.txt"));
            QCOMPARE(build("page.htm").toLatin1(), page);
            QCOMPARE(readAll(path("page/Icons.txt")), list);
            return;
        }
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files), (QStringList{"doc.pmf", "tool"}));
        if (args.startsWith("--check")) {
            QStringList where;
            for (const QString& line : QString::fromUtf8(proc.readAllStandardOutput()).split('\n'))
                where << line.section(": ", 0, 1).remove(dir->path());
            const QStringList broken = {"/doc.pmf:1: Command", "/doc.pmf:2: Command",
                                        "/doc.pmf:2: Icon", ""};
            QCOMPARE(where, exitCode == 1 ? broken : QStringList{""});
        } else if (exitCode == 0)
            QCOMPARE(proc.readAllStandardOutput(), htmlViewText(*doc).toLatin1());
    }

private:
    QString path(const QString& name) const { return dir->filePath(name); }

    // Saves the document and writes its page from the file, as the command-line
    // builder does: the settings read into a document, the rows as stored.
    void writeFromFile(QIODevice& out) {
        doc->writeFile(path("doc.pmf"));
        Document settings;
        settings.resetProperties();
        StoredRows rows;
        settings.loadPage(path("doc.pmf"), rows);
        settings.setFilePath(doc->filePath());
        PageWriter(settings, rows).write(out);
    }

    // Every file under the folder, hidden ones too, by relative path.
    QMap<QString, QByteArray> files() const {
        QMap<QString, QByteArray> all;
        QDirIterator it(dir->path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            all.insert(QDir(dir->path()).relativeFilePath(file), readAll(file));
        }
        return all;
    }

    QString build(const QString& name) {
        BuiltPage::build(*doc, path(name));
        return QString::fromLatin1(readAll(path(name)));
    }

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<Document> doc;
};

QTEST_MAIN(TestPageGenerator)
#include "tst_pagegenerator.moc"
