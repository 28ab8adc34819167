#include "ScriptedPrompter.h"
#include "components/KeyValueFile.h"
#include "document/Document.h"
#include "document/SectionRow.h"
#include "generator/BuildCommand.h"
#include "generator/PageGenerator.h"
#include "generator/PreviewFile.h"

#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace ulvanta;
using test::ScriptedPrompter;

Q_DECLARE_METATYPE(ulvanta::PromptAnswer)

namespace {

ItemRow icon(const QString& desc, const QString& iconFile) {
    return {desc, "run", {}, {}, iconFile, "Normal Window", {}};
}

ItemRow section(const QString& size) {
    return {SectionRow::compose("S", "5", size, true, false), {}, {}, {}, {}, {}, {}};
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int runBuilder(QProcess& proc, const QStringList& args) {
    proc.start(qEnvironmentVariable("ULVANTA_BIN") + "/ulvanta-build", args);
    return proc.waitForFinished(30000) ? proc.exitCode() : -1;
}

void makeFile(const QString& path, const QByteArray& bytes, qint64 size = -1) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    if (size > 0)
        QVERIFY(f.resize(size)); // sparse: large without filling the disk
}

} // namespace

// Building the page into a file and its icon folder, by the Build command and by
// the command-line builder.
class TestPageBuild : public QObject {
    Q_OBJECT
private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        if (dir->path().contains('.'))
            QSKIP("the temporary folder's name holds a \".\"");
        doc = std::make_unique<Document>();
        doc->resetProperties();
    }

    void iconFolderHoldsWhatExistsAndIsCleanedOnRebuild() {
        const QString tool = path("my tool \u00e9");
        makeFile(tool, "#!/bin/sh\n");
        makeFile(path("broken.dat"), QByteArray(64, '\xff'));
        makeFile(path("huge.bin"), "x", qint64(3) << 30);
        QDir().mkdir(path("a folder"));
        doc->items().appendItems(
            {icon("A", tool), icon("B", tool.toUpper()), icon("C", path("gone")),
             icon("D", path("pic.PNG")), icon("E", path("a folder")), icon("F", path("broken.dat")),
             icon("G", path("huge.bin")), section("20.5"), icon("H", path("a folder/../huge.bin")),
             section("10"), icon("I", path("a folder/."))});
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
        QVERIFY(page.toLatin1() == readAll(path("out page.htm"))); // plain ASCII

        // A view touches no file; a rebuild deletes the icons the list names, and only those.
        PageGenerator(*doc, keys).generatePage(false, base);
        QVERIFY(QFile::exists(base + "/Icon5.ico"));
        makeFile(base + "/Icon7.ico", "not ours");
        doc->items().clear();
        doc->items().appendItems({icon("E", path("a folder"))});
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
        QTest::addColumn<QString>("chosen");          // "" cancels
        QTest::addColumn<QString>("error");           // the message's end, "" none
        const auto row = [](const char* tag, bool items, PromptAnswer buildEmpty, QString chosen,
                            QString error) {
            QTest::newRow(tag) << items << buildEmpty << chosen << error;
        };
        row("no items, No", false, PromptAnswer::No, "x.htm", "");
        row("no items, Yes: a page without a table", false, PromptAnswer::Yes, "x.htm", "");
        row("cancelled", true, PromptAnswer::No, "", "");
        row("built", true, PromptAnswer::No, "x.htm", "");
        row("a folder", true, PromptAnswer::No, "sub.d", "Path/File access error, 75");
        row("no dot", true, PromptAnswer::No, "plain", "Bad file name or number, 52");
    }

    void buildCommand() {
        QFETCH(bool, items);
        QFETCH(PromptAnswer, buildEmpty);
        QFETCH(QString, chosen);
        QFETCH(QString, error);
        QDir().mkdir(path("sub.d"));
        if (items)
            doc->items().appendItems({icon("A", {})});
        doc->setSetting("(HTML File)", path("old.htm"));
        ScriptedPrompter p;
        p.answers.push_back(buildEmpty);
        p.files.push_back(chosen.isEmpty() ? std::nullopt : std::optional<QString>(path(chosen)));

        const bool built = BuildCommand(*doc, p, keys).run();

        const bool asked = items || buildEmpty == PromptAnswer::Yes;
        const bool success = asked && !chosen.isEmpty() && error.isEmpty();
        QCOMPARE(p.fileRequests.size(), asked ? 1 : 0);
        if (asked)
            QCOMPARE(p.fileRequests[0].fileName, path("old.htm"));
        QCOMPARE(built, success);
        QCOMPARE(doc->isModified(), success);
        QCOMPARE(doc->setting("(HTML File)"), path(success ? chosen : "old.htm"));
        QCOMPARE(p.busyDepth, 0);
        if (!items)
            QCOMPARE(p.messages.takeFirst().defaultButton, PromptAnswer::No);
        QCOMPARE(p.messages.size(), error.isEmpty() ? 0 : 1);
        if (success)
            QCOMPARE(QString(readAll(path(chosen))).contains("<table"), items);
        if (!error.isEmpty()) {
            QCOMPARE(p.messages[0].title, QString("Build Error"));
            QCOMPARE(p.messages[0].text,
                     "An error occurred when attempting to build the HTML file '" + path(chosen) +
                         "' - " + error);
        }
    }

    void commandLineBuildsTheSameBytes() {
        makeFile(path("tool"), "x");
        doc->items().appendItems({icon("A", path("tool")), icon("B, \u00fc", "/x.gif")});
        doc->setSetting("Show edit command", "True");
        doc->save(path("doc.pmf"));
        doc->fileLock().release();
        const QByteArray docBytes = readAll(path("doc.pmf"));

        const QByteArray editorPage = build("page.htm").toLatin1();
        const QByteArray editorList = readAll(path("page/Icons.txt"));

        QProcess proc;
        QCOMPARE(runBuilder(proc, {path("doc.pmf"), path("page.htm")}), 0);
        QCOMPARE(readAll(path("page.htm")), editorPage);
        QCOMPARE(readAll(path("page/Icons.txt")), editorList);
        QCOMPARE(readAll(path("doc.pmf")), docBytes);

        QCOMPARE(runBuilder(proc, {path("doc.pmf")}), 0);
        QCOMPARE(proc.readAllStandardOutput(), htmlViewText(*doc, keys).toLatin1());
    }

    void commandLineConventions_data() {
        QTest::addColumn<QString>("args"); // shell words
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("err"); // the one line on standard error starts so
        const QString bad = "\"$(printf 'x\\377.htm')\"";
        const QString open = "An error occurred when attempting to open the file '";
        QTest::newRow("unknown option")
            << "-x doc.pmf" << 2 << "ulvanta-build: unknown option '-x'";
        QTest::newRow("a name like an option") << "-- doc.pmf" << 0 << "";
        QTest::newRow("empty name") << "''" << 1 << open + "' - Bad file name or number, 52";
        QTest::newRow("document name not in the file name encoding")
            << bad << 1 << open + "x\uFFFD.htm' - Bad file name";
        QTest::newRow("page name not in the file name encoding")
            << "doc.pmf " + bad << 1
            << "An error occurred when attempting to build the HTML file 'x\uFFFD.htm' - Bad file "
               "name";
    }

    void commandLineConventions() {
        QFETCH(QString, args);
        QFETCH(int, exitCode);
        QFETCH(QString, err);
        doc->save(path("doc.pmf"));
        doc->fileLock().release();
        QProcess proc;
        proc.setWorkingDirectory(dir->path());
        const QString builder = qEnvironmentVariable("ULVANTA_BIN") + "/ulvanta-build";
        proc.start("/bin/sh", {"-c", "exec \"$0\" " + args, builder});
        QVERIFY(proc.waitForFinished(30000));
        QCOMPARE(proc.exitCode(), exitCode);
        const QStringList lines = QString::fromUtf8(proc.readAllStandardError()).split('\n');
        QVERIFY2(lines[0].startsWith(err), qPrintable(lines[0]));
        if (exitCode != 2) // nothing but the builder's own message
            QCOMPARE(lines.size(), err.isEmpty() ? 1 : 2);
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{"doc.pmf"});
    }

private:
    QString path(const QString& name) const { return dir->filePath(name); }

    QString build(const QString& name) {
        BuiltPage::build(*doc, keys, path(name));
        return QString::fromLatin1(readAll(path(name)));
    }

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<Document> doc;
    KeyValueFile keys;
};

QTEST_MAIN(TestPageBuild)
#include "tst_pagebuild.moc"
