#include "ScriptedPrompter.h"
#include "components/KeyFile.h"
#include "document/Document.h"
#include "document/SectionRow.h"
#include "generator/BuildCommand.h"
#include "generator/PreviewFile.h"

#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace ulvanta;
using test::ScriptedPrompter;

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
    void init();
    void iconFolderHoldsWhatExists();
    void rebuildDeletesTheOldIcons();
    void iconSizeChoosesSmallOrLarge_data();
    void iconSizeChoosesSmallOrLarge();
    void buildCommand_data();
    void buildCommand();
    void commandLineBuildsTheSameBytes();
    void commandLineFailures_data();
    void commandLineFailures();

private:
    QString path(const QString& name) const { return dir->filePath(name); }
    QString build(const QString& name);

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<Document> doc;
    KeyFile keys;
};

void TestPageBuild::init() {
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    if (dir->path().contains('.'))
        QSKIP("the temporary folder's name holds a \".\"");
    doc = std::make_unique<Document>();
    doc->Propulate();
}

QString TestPageBuild::build(const QString& name) {
    PageFile::build(*doc, keys, path(name));
    return QString::fromLatin1(readAll(path(name)));
}

void TestPageBuild::iconFolderHoldsWhatExists() {
    const QString tool = path("my tool \u00e9");
    makeFile(tool, "#!/bin/sh\n");
    makeFile(path("broken.dat"), QByteArray(64, '\xff'));
    makeFile(path("huge.bin"), "x", qint64(3) << 30);
    QDir().mkdir(path("a folder"));
    doc->items().appendItems({icon("A", tool), icon("B", tool.toUpper()), icon("C", path("gone")),
                              icon("D", path("pic.PNG")), icon("E", path("a folder")),
                              icon("F", path("broken.dat")), icon("G", path("huge.bin"))});
    const QString page = build("out page.htm");
    const QString base = path("out page");
    QCOMPARE(page.count("src=\"" + base + "/Icon1.ico\""), 2);
    QVERIFY(page.contains("src=\"" + base + "/Icon0.ico\""));
    QVERIFY(page.contains("src=\"" + path("pic.PNG") + "\""));
    for (int k = 2; k <= 4; ++k)
        QVERIFY(page.contains(QString("src=\"%1/Icon%2.ico\"").arg(base).arg(k)));
    QCOMPARE(QDir(base).entryList(QDir::Files, QDir::Name),
             QStringList({"Icon1.ico", "Icon2.ico", "Icon3.ico", "Icon4.ico", "Icons.txt"}));
    KeyFile list;
    list.LoadKeys(base + "/Icons.txt");
    QCOMPARE(list.GetKey("Icons"), QString("4"));
    QCOMPARE(list.GetKey("Icon1"), base + "/Icon1.ico");
    QCOMPARE(list.GetKey("EXE1"), tool);
    QCOMPARE(list.GetKey("EXE2"), path("a folder"));
    QVERIFY(page.toLatin1() == readAll(path("out page.htm"))); // plain ASCII
}

void TestPageBuild::rebuildDeletesTheOldIcons() {
    makeFile(path("a.sh"), "x");
    makeFile(path("b.sh"), "y");
    doc->items().appendItems({icon("A", path("a.sh")), icon("B", path("b.sh"))});
    build("menu.htm");
    QVERIFY(QFile::exists(path("menu/Icon2.ico")));
    doc->items().removeItem(0);
    makeFile(path("menu/Icon7.ico"), "not ours");
    const QString page = build("menu.htm");
    QVERIFY(page.contains(path("menu/Icon1.ico")));
    QCOMPARE(QDir(path("menu")).entryList(QDir::Files, QDir::Name),
             QStringList({"Icon1.ico", "Icon7.ico", "Icons.txt"}));
    KeyFile list;
    list.LoadKeys(path("menu/Icons.txt"));
    QCOMPARE(list.GetKey("EXE1"), path("b.sh"));
    QCOMPARE(list.GetKey("Icons"), QString("1"));
}

void TestPageBuild::iconSizeChoosesSmallOrLarge_data() {
    QTest::addColumn<QString>("size");
    QTest::addColumn<int>("pixels"); // 0: no file
    QTest::newRow("20 small") << "20" << 16;
    QTest::newRow("24.5 rounds to 24, small") << "24.5" << 16;
    QTest::newRow("32 large") << "32" << 32;
    QTest::newRow("10 numbered, not written") << "10" << 0;
}

void TestPageBuild::iconSizeChoosesSmallOrLarge() {
    QFETCH(QString, size);
    QFETCH(int, pixels);
    makeFile(path("tool"), "x");
    doc->items().appendItems({section(size), icon("A", path("tool"))});
    const QString page = build("p.htm");
    QVERIFY(page.contains("/p/Icon1.ico\""));
    QImageReader r(path("p/Icon1.ico"));
    QCOMPARE(r.size().width(), pixels ? pixels : -1);
}

void TestPageBuild::buildCommand_data() {
    QTest::addColumn<bool>("withIcon");
    QTest::addColumn<QString>("columns");
    QTest::addColumn<QString>("answer");  // to "No Items in List"
    QTest::addColumn<QString>("chosen");  // "" cancels; relative to the folder
    QTest::addColumn<QString>("message"); // expected end of the only message, "" none
    QTest::newRow("empty list, No") << false << "5"
                                    << "No"
                                    << "x.htm"
                                    << "";
    QTest::newRow("empty list, Yes") << false << "5"
                                     << "Yes"
                                     << "x.htm"
                                     << "";
    QTest::newRow("cancelled") << true << "5"
                               << ""
                               << ""
                               << "";
    QTest::newRow("built") << true << "5"
                           << ""
                           << "x.htm"
                           << "";
    QTest::newRow("columns not a number") << true << "five"
                                          << ""
                                          << "x.htm"
                                          << "x.htm' - Type mismatch, 13";
    QTest::newRow("a folder") << true << "5"
                              << ""
                              << "sub.d"
                              << "sub.d' - Path/File access error, 75";
    QTest::newRow("missing folder") << true << "5"
                                    << ""
                                    << "none/x.htm"
                                    << "none/x.htm' - Path not found, 76";
    QTest::newRow("no dot") << true << "5"
                            << ""
                            << "plain"
                            << "plain' - Bad file name or number, 52";
    QTest::newRow("unwritable folder") << true << "5"
                                       << ""
                                       << "/proc/x.htm"
                                       << "/proc/x.htm' - ";
}

void TestPageBuild::buildCommand() {
    QFETCH(bool, withIcon);
    QFETCH(QString, columns);
    QFETCH(QString, answer);
    QFETCH(QString, chosen);
    QFETCH(QString, message);
    QDir().mkdir(path("sub.d"));
    if (withIcon)
        doc->items().appendItems({icon("A", {})});
    doc->WriteProp("Columns", columns);
    doc->WriteProp("(HTML File)", path("old.htm"));
    ScriptedPrompter p;
    if (!answer.isEmpty())
        p.answers.push_back(answer == "Yes" ? PromptAnswer::Yes : PromptAnswer::No);
    const QString target = chosen.startsWith('/') ? chosen : path(chosen);
    p.files.push_back(chosen.isEmpty() ? std::nullopt : std::optional<QString>(target));

    const bool built = BuildCommand(*doc, p, keys).run();

    const bool asked = answer.isEmpty() || answer == "Yes";
    QCOMPARE(p.fileRequests.size(), asked ? 1 : 0);
    if (asked) {
        QCOMPARE(p.fileRequests[0].title, QString("Build the HTML File"));
        QCOMPARE(p.fileRequests[0].fileName, path("old.htm"));
        QVERIFY(p.fileRequests[0].save);
    }
    QStringList titles;
    for (const auto& m : p.messages)
        titles << m.title;
    const bool success = asked && !chosen.isEmpty() && message.isEmpty();
    QCOMPARE(built, success);
    QCOMPARE(doc->Changed, success);
    QCOMPARE(doc->ReadProp("(HTML File)", true), success ? target : path("old.htm"));
    QCOMPARE(p.busyDepth, 0);
    if (!answer.isEmpty()) {
        QCOMPARE(p.messages[0].title, QString("No Items in List"));
        QCOMPARE(p.messages[0].defaultButton, PromptAnswer::No);
        titles.removeFirst();
    }
    if (message.isEmpty())
        QVERIFY(titles.isEmpty());
    if (success) {
        QCOMPARE(QString(readAll(target)).contains("<table"), withIcon);
    } else if (!message.isEmpty()) {
        QCOMPARE(titles, QStringList{"Build Error"});
        const QString text = p.messages.last().text;
        QVERIFY2(text.startsWith("An error occurred when attempting to build the HTML file '") &&
                     text.contains(message),
                 qPrintable(text));
        QCOMPARE(p.messages.last().icon, PromptIcon::Critical);
    }
}

void TestPageBuild::commandLineBuildsTheSameBytes() {
    makeFile(path("tool"), "x");
    doc->items().appendItems({icon("A", path("tool")), icon("B, \u00fc", "/x.gif")});
    doc->WriteProp("Show edit command", "True");
    doc->SaveFile(path("doc.pmf"));
    doc->CO.release();
    const QByteArray docBytes = readAll(path("doc.pmf"));
    const QString cli = qEnvironmentVariable("ULVANTA_BIN") + "/ulvanta-build";

    ScriptedPrompter p;
    p.files.push_back(path("page.htm"));
    QVERIFY(BuildCommand(*doc, p, keys).run());
    const QByteArray editorPage = readAll(path("page.htm"));
    const QByteArray editorList = readAll(path("page/Icons.txt"));

    QProcess proc;
    proc.start(cli, {path("doc.pmf"), path("page.htm")});
    QVERIFY(proc.waitForFinished(30000));
    QCOMPARE(proc.exitCode(), 0);
    QCOMPARE(readAll(path("page.htm")), editorPage);
    QCOMPARE(readAll(path("page/Icons.txt")), editorList);
    QCOMPARE(readAll(path("doc.pmf")), docBytes);

    proc.start(cli, {path("doc.pmf")});
    QVERIFY(proc.waitForFinished(30000));
    QCOMPARE(proc.exitCode(), 0);
    QCOMPARE(proc.readAllStandardOutput(), htmlViewText(*doc, keys).toLatin1());
}

void TestPageBuild::commandLineFailures_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("error");
    QTest::newRow("missing document")
        << QStringList{"nothing.pmf"}
        << "An error occurred when attempting to open the file 'nothing.pmf' - ";
    QTest::newRow("columns not a number") << QStringList{"doc.pmf", "x.htm"}
                                          << "An error occurred when attempting to build the HTML "
                                             "file '%1/x.htm' - Type mismatch, 13";
    QTest::newRow("columns not a number, printed")
        << QStringList{"doc.pmf"} << "The page could not be generated - Type mismatch, 13";
    QTest::newRow("usage") << QStringList{} << "Usage: ulvanta-build DOC.pmf [OUT.htm]";
}

void TestPageBuild::commandLineFailures() {
    QFETCH(QStringList, args);
    QFETCH(QString, error);
    doc->items().appendItems({icon("A", {})});
    doc->WriteProp("Columns", "x");
    doc->SaveFile(path("doc.pmf"));
    doc->CO.release();
    QProcess proc;
    proc.setWorkingDirectory(dir->path());
    proc.start(qEnvironmentVariable("ULVANTA_BIN") + "/ulvanta-build", args);
    QVERIFY(proc.waitForFinished(30000));
    QVERIFY(proc.exitCode() != 0);
    QVERIFY(proc.readAllStandardOutput().isEmpty());
    const QString err = QString::fromLocal8Bit(proc.readAllStandardError());
    QVERIFY2(err.contains(QString(error).replace("%1", dir->path())), qPrintable(err));
    QVERIFY(!QFile::exists(path("x.htm")));
}

QTEST_MAIN(TestPageBuild)
#include "tst_pagebuild.moc"
