// Reading icon and window-command links, splitting parameters into arguments and
// deciding how an icon starts: everything the launcher decides about a click
// before anything runs.

#include "components/UlvError.h"
#include "launcher/IconLink.h"
#include "launcher/IconStart.h"
#include "launcher/ShellWords.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace ulvanta;
using namespace ulvanta::launcher;

class TestLauncherLinks : public QObject {
    Q_OBJECT

private slots:
    void iconLinkFields_data();
    void iconLinkFields();
    void linkKinds_data();
    void linkKinds();
    void linksActOnlyFromLocalMainFrame_data();
    void linksActOnlyFromLocalMainFrame();
    void argumentsSplitLikeAShell_data();
    void argumentsSplitLikeAShell();
    void iconStartPlans_data();
    void iconStartPlans();
    void iconStartFailures_data();
    void iconStartFailures();
};

void TestLauncherLinks::iconLinkFields_data() {
    // The address as the browser hands it over (QUrl built from its text).
    QTest::addColumn<QString>("address");
    QTest::addColumn<QStringList>("fields"); // command, parameters, start-in, run word
    const auto row = [](const char* name, const char* address, const QStringList& fields) {
        QTest::newRow(name) << QString::fromUtf8(address) << fields;
    };
    row("empty fields before the run word", "pm:calc.exe,,,hidden", {"calc.exe", "", "", "hidden"});
    row("commas inside every field", "pm:/a/b&comma;c,x&comma;y,/s&comma;t,maxfocus",
        {"/a/b,c", "x,y", "/s,t", "maxfocus"});
    row("e acute escaped by the browser", "pm:/caf%C3%A9/x,caf%C3%A9",
        {QString::fromUtf8("/café/x"), QString::fromUtf8("café"), "", ""});
    row("e acute as a character reference", "pm:/caf&#233;/x,&#233;t&#233;",
        {QString::fromUtf8("/café/x"), QString::fromUtf8("été"), "", ""});
    row("entities for quote, ampersand and brackets",
        "pm:/p,&quot;two words&quot; a&amp;b &lt;in&gt;", {"/p", "\"two words\" a&b <in>", "", ""});
    // A lone "%" makes QUrl escape every percent sign once more.
    row("lone percent sign beside an escaped letter", "pm:/caf%C3%A9,100% caf%C3%A9,/tmp/50%",
        {QString::fromUtf8("/café"), QString::fromUtf8("100% café"), "/tmp/50%", ""});
    row("everything a browser sends for an awkward icon",
        "pm:/tmp/my dir/rec&comma;x,first \"two words\" 'sq' caf%C3%A9 a&amp;b 100%,/tmp/st "
        "art,maxfocus",
        {"/tmp/my dir/rec,x", QString::fromUtf8("first \"two words\" 'sq' café a&b 100%"),
         "/tmp/st art", "maxfocus"});
    row("upper-case scheme", "PM:/usr/bin/X", {"/usr/bin/X", "", "", ""});
    row("question mark and hash stay in the command", "pm:/a?b#c,p", {"/a?b#c", "p", "", ""});
    row("fields after the fourth belong to the run word", "pm:a,b,c,d,e", {"a", "b", "c", "d,e"});
}

void TestLauncherLinks::iconLinkFields() {
    QFETCH(QString, address);
    const IconLink link = parseIconLink(QUrl(address));
    QTEST((QStringList{link.command, link.parameters, link.startIn, link.runWord}), "fields");
}

void TestLauncherLinks::linkKinds_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("command"); // what a window command link asks for
    const int none = int(WindowCommand::Unknown), ordinary = int(LinkKind::Ordinary);
    const int icon = int(LinkKind::Icon), window = int(LinkKind::WindowCommand);
    QTest::newRow("icon") << "PM:/bin/ls" << icon << none;
    QTest::newRow("web address") << "http://example.com/" << ordinary << none;
    QTest::newRow("scheme merely starting with pm") << "pmx:thing" << ordinary << none;
    QTest::newRow("open") << "pmc:open" << window << int(WindowCommand::Open);
    QTest::newRow("exit in any case") << "PMC:Exit" << window << int(WindowCommand::Exit);
    QTest::newRow("min") << "pmc:min" << window << int(WindowCommand::Minimise);
    QTest::newRow("max") << "pmc:max" << window << int(WindowCommand::Maximise);
    QTest::newRow("edit") << "Pmc:edit" << window << int(WindowCommand::Edit);
    QTest::newRow("refresh, trailing slash")
        << "pmc:refresh/" << window << int(WindowCommand::Refresh);
    QTest::newRow("unknown word") << "pmc:close" << window << none;
    QTest::newRow("longer word") << "pmc:minimise" << window << none;
}

void TestLauncherLinks::linkKinds() {
    QFETCH(QString, address);
    QTEST(int(linkKind(QUrl(address))), "kind");
    if (linkKind(QUrl(address)) == LinkKind::WindowCommand)
        QTEST(int(parseWindowCommand(QUrl(address))), "command");
}

void TestLauncherLinks::linksActOnlyFromLocalMainFrame_data() {
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("mainFrame");
    QTest::addColumn<bool>("mayAct");
    QTest::newRow("local page") << "file:///home/u/menu.htm" << true << true;
    QTest::newRow("frame inside a local page") << "file:///home/u/menu.htm" << false << false;
    QTest::newRow("local page on localhost") << "file://localhost/home/u/menu.htm" << true << true;
    QTest::newRow("page on another machine") << "file://server/share/menu.htm" << true << false;
    QTest::newRow("web page") << "http://127.0.0.1:8080/menu.htm" << true << false;
    QTest::newRow("nothing shown yet") << "" << true << false;
}

void TestLauncherLinks::linksActOnlyFromLocalMainFrame() {
    QFETCH(QString, shown);
    QFETCH(bool, mainFrame);
    QTEST(linksMayAct(QUrl(shown), mainFrame), "mayAct");
}

void TestLauncherLinks::argumentsSplitLikeAShell_data() {
    QTest::addColumn<QString>("parameters");
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("only blanks") << "  \t " << QStringList{};
    QTest::newRow("words and runs of blanks") << " a  b\tc " << QStringList{"a", "b", "c"};
    QTest::newRow("single quotes keep everything")
        << "'say \"hi\" \\n'" << QStringList{"say \"hi\" \\n"};
    QTest::newRow("escaped quote inside double quotes")
        << "\"say \\\"hi\\\"\"" << QStringList{"say \"hi\""};
    QTest::newRow("other backslashes inside double quotes stay")
        << "\"C:\\dir\\file\"" << QStringList{"C:\\dir\\file"};
    QTest::newRow("backslash outside quotes keeps the next character")
        << "back\\ slash \\'q" << QStringList{"back slash", "'q"};
    QTest::newRow("pieces that touch make one word") << "a\"b c\"'d e'f" << QStringList{"ab cd ef"};
    QTest::newRow("empty quotes are empty words") << "\"\" '' x" << QStringList{"", "", "x"};
    QTest::newRow("nothing is expanded")
        << "$HOME *.txt ~ `id` ;ls" << QStringList{"$HOME", "*.txt", "~", "`id`", ";ls"};
    QTest::newRow("line breaks separate") << "one\r\ntwo" << QStringList{"one", "two"};
    QTest::newRow("trailing backslash stays") << "end\\" << QStringList{"end\\"};
}

void TestLauncherLinks::argumentsSplitLikeAShell() {
    QFETCH(QString, parameters);
    QTEST(splitArguments(parameters), "arguments");
}

namespace {

// A folder with a page folder, a start-in folder and the kinds of files an icon
// can name. "@" in the test tables stands for the folder's path.
struct Files {
    QTemporaryDir dir;
    Files() {
        QDir(dir.path()).mkpath(QStringLiteral("page/sub"));
        QDir(dir.path()).mkpath(QString::fromUtf8("start, in é"));
        write("page/tool.sh", "#!/bin/sh\nexit 0\n", true);
        write(QString::fromUtf8("start, in é/run me.sh"), "#!/bin/sh\nexit 0\n", true);
        write("page/notes.txt", "notes\n", false);
        write("page/marked.txt", "executable bit, but text\n", true);
        QFile::copy(QStringLiteral("/bin/sh"), at("@/page/binary"));
        QFile::setPermissions(at("@/page/binary"), QFile::ReadOwner | QFile::ExeOwner);
    }
    void write(const QString& name, const QByteArray& bytes, bool executable) {
        QFile f(dir.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
        if (executable)
            f.setPermissions(f.permissions() | QFile::ExeOwner | QFile::ExeUser);
    }
    QString at(QString text) const { return text.replace(QLatin1Char('@'), dir.path()); }
};

} // namespace

void TestLauncherLinks::iconStartPlans_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("parameters");
    QTest::addColumn<QString>("startIn");
    QTest::addColumn<bool>("program");
    QTest::addColumn<QString>("target"); // program path or address opened
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("folder");
    const auto program = [](const char* name, const char* command, const char* parameters,
                            const char* startIn, const QString& target,
                            const QStringList& arguments, const char* folder) {
        QTest::newRow(name) << QString::fromUtf8(command) << parameters
                            << QString::fromUtf8(startIn) << true << target << arguments
                            << QString::fromUtf8(folder);
    };
    const auto opened = [](const char* name, const char* command, const char* address) {
        QTest::newRow(name) << command << "ignored"
                            << "" << false << address << QStringList{} << "";
    };
    program("script by full path", "@/page/tool.sh", "a \"b c\"", "", "@/page/tool.sh",
            {"a", "b c"}, "");
    program("binary by full path", "@/page/binary", "", "@/page", "@/page/binary", {}, "@/page");
    program("relative name found in the start-in folder", "run me.sh", "x", "@/start, in é",
            QString::fromUtf8("@/start, in é/run me.sh"), {"x"}, "@/start, in é");
    program("relative name found beside the page", "tool.sh", "", "", "@/page/tool.sh", {}, "");
    program("relative start-in folder from the page's folder", "@/page/tool.sh", "", "sub",
            "@/page/tool.sh", {}, "@/page/sub");
    program("bare name from the PATH", "sh", "-c true", "",
            QStandardPaths::findExecutable(QStringLiteral("sh")), {"-c", "true"}, "");
    program("file address", "file://@/page/tool.sh", "", "", "@/page/tool.sh", {}, "");
    opened("document", "@/page/notes.txt", "file://@/page/notes.txt");
    opened("executable text is a document", "@/page/marked.txt", "file://@/page/marked.txt");
    opened("folder", "@/page/sub", "file://@/page/sub");
    opened("web address", "https://example.com/a?b=c", "https://example.com/a?b=c");
}

void TestLauncherLinks::iconStartPlans() {
    QFETCH(QString, command);
    QFETCH(QString, parameters);
    QFETCH(QString, startIn);
    QFETCH(bool, program);
    QFETCH(QString, target);
    QFETCH(QString, folder);
    Files files;
    const StartPlan plan =
        planIconStart(IconLink{files.at(command), parameters, files.at(startIn), QString()},
                      files.at(QStringLiteral("@/page")));
    QCOMPARE(plan.kind == StartPlan::Kind::Program, program);
    if (program) {
        QCOMPARE(plan.program, files.at(target));
        QTEST(plan.arguments, "arguments");
        QCOMPARE(plan.workingDirectory, files.at(folder));
    } else {
        QCOMPARE(plan.url, QUrl(files.at(target)));
    }
}

void TestLauncherLinks::iconStartFailures_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("parameters");
    QTest::addColumn<QString>("startIn");
    QTest::addColumn<int>("number");
    QTest::newRow("no command") << "  "
                                << ""
                                << "" << 52;
    QTest::newRow("missing file") << "@/page/absent"
                                  << ""
                                  << "" << 53;
    QTest::newRow("missing folder on the way") << "@/nowhere/prog"
                                               << ""
                                               << "" << 76;
    QTest::newRow("bare name found nowhere") << "no-such-program-here"
                                             << ""
                                             << "" << 53;
    QTest::newRow("missing start-in folder") << "@/page/tool.sh"
                                             << ""
                                             << "@/gone" << 76;
    QTest::newRow("open double quote") << "@/page/tool.sh"
                                       << "a \"open"
                                       << "" << 5;
    QTest::newRow("open single quote") << "@/page/tool.sh"
                                       << "'open b"
                                       << "" << 5;
    QTest::newRow("escaped closing quote") << "@/page/tool.sh"
                                           << "\"open\\\""
                                           << "" << 5;
    QTest::newRow("script address") << "javascript:alert(1)"
                                    << ""
                                    << "" << 52;
    QTest::newRow("address back to the launcher") << "pmc:exit"
                                                  << ""
                                                  << "" << 52;
    // Checked again when starting: the file may have gone or changed since.
    QTest::newRow("starting a missing program") << "!@/page/absent"
                                                << ""
                                                << "" << 53;
    QTest::newRow("starting a file that may not run") << "!@/page/notes.txt"
                                                      << ""
                                                      << "" << 70;
}

void TestLauncherLinks::iconStartFailures() {
    QFETCH(QString, command);
    QFETCH(QString, parameters);
    QFETCH(QString, startIn);
    Files files;
    try {
        if (command.startsWith(QLatin1Char('!'))) {
            StartPlan plan;
            plan.program = files.at(command.mid(1));
            startProgram(plan);
        } else {
            planIconStart(IconLink{files.at(command), parameters, files.at(startIn), QString()},
                          files.at(QStringLiteral("@/page")));
        }
        QFAIL("the icon was started");
    } catch (const UlvError& e) {
        QTEST(e.number(), "number");
    }
}

QTEST_GUILESS_MAIN(TestLauncherLinks)
#include "tst_launcher_links.moc"
