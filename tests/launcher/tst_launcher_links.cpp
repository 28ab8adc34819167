// Reading icon and window-command links, splitting parameters into arguments and
// deciding how an icon starts: everything the launcher decides about a click
// before anything runs.

#include "Files.h"
#include "components/Error.h"
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

namespace {

// A folder with a page folder, a start-in folder and the kinds of files an icon
// can name. "@" in the test tables stands for the folder's path.
struct Files {
    QTemporaryDir dir;
    Files() {
        QDir(dir.path()).mkpath(QStringLiteral("page/sub"));
        QDir(dir.path()).mkpath(QString::fromUtf8("start, in é"));
        QFile::copy(QStringLiteral("/bin/sh"), at("@/page/binary"));
        // Scripts, text marked executable and plain text.
        for (const char* name :
             {"page/tool.sh", "start, in é/run me.sh", "page/marked.txt", "page/notes.txt"}) {
            const QString path = dir.filePath(QString::fromUtf8(name));
            const bool script = QByteArray(name).endsWith(".sh");
            QVERIFY(writeFile(path, script ? "#!/bin/sh\nexit 0\n" : "text\n"));
            if (!QByteArray(name).endsWith("notes.txt"))
                QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
    }
    QString at(QString text) const { return text.replace(QLatin1Char('@'), dir.path()); }
};

} // namespace

class TestLauncherLinks : public QObject {
    Q_OBJECT

private slots:
    void iconLinkFields_data() {
        // The address as the browser hands it over (QUrl built from its text).
        QTest::addColumn<QString>("address");
        QTest::addColumn<QStringList>("fields"); // command, parameters, start-in, run word
        const auto row = [](const char* name, const char* address, const QStringList& fields) {
            QTest::newRow(name) << QString::fromUtf8(address) << fields;
        };
        row("empty fields before the run word", "pm:calc.exe,,,hidden",
            {"calc.exe", "", "", "hidden"});
        // The browser has decoded the page's entities; what is left is the user's text.
        row("entities typed by the user and commas",
            "pm:/caf%C3%A9,A&gt;B x&comma;y C&#65; \"q&amp;r\"",
            {QString::fromUtf8("/café"), "A&gt;B x,y C&#65; \"q&amp;r\"", "", ""});
        row("question mark and hash stay in the command", "pm:/a?b#c,p", {"/a?b#c", "p", "", ""});
        row("fields after the fourth belong to the run word", "pm:a,b,c,d,e",
            {"a", "b", "c", "d,e"});
    }
    void iconLinkFields() {
        QFETCH(QString, address);
        const IconLink link = parseIconLink(QUrl(address));
        QTEST((QStringList{link.command, link.parameters, link.startIn, link.runWord}), "fields");
    }
    void linkKinds_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<LinkKind>("kind");
        QTest::addColumn<WindowCommand>("command"); // what a window command link asks for
        const auto row = [](const char* address, LinkKind kind, WindowCommand command) {
            QTest::newRow(address) << address << kind << command;
        };
        row("PM:/bin/ls", LinkKind::Icon, WindowCommand::Unknown);
        row("pmx:thing", LinkKind::Ordinary, WindowCommand::Unknown);
        row("PMC:Exit", LinkKind::WindowCommand, WindowCommand::Exit);
        row("pmc:refresh/", LinkKind::WindowCommand, WindowCommand::Refresh);
        row("pmc:minimise", LinkKind::WindowCommand, WindowCommand::Unknown);
    }
    void linkKinds() {
        QFETCH(QString, address);
        QFETCH(LinkKind, kind);
        QCOMPARE(linkKind(QUrl(address)), kind);
        if (kind == LinkKind::WindowCommand)
            QTEST(parseWindowCommand(QUrl(address)), "command");
    }
    void linksActOnlyFromLocalMainFrame_data() {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("mainFrame");
        QTest::addColumn<bool>("mayAct");
        QTest::newRow("local page") << "file:///home/u/menu.htm" << true << true;
        QTest::newRow("frame inside a local page") << "file:///home/u/menu.htm" << false << false;
        QTest::newRow("local page on localhost")
            << "file://localhost/home/u/menu.htm" << true << true;
        QTest::newRow("page on another machine") << "file://server/share/menu.htm" << true << false;
        QTest::newRow("web page") << "http://127.0.0.1:8080/menu.htm" << true << false;
        QTest::newRow("nothing shown yet") << "" << true << false;
    }
    void linksActOnlyFromLocalMainFrame() {
        QFETCH(QString, shown);
        QFETCH(bool, mainFrame);
        QTEST(linksMayAct(QUrl(shown), mainFrame), "mayAct");
    }
    void argumentsSplitLikeAShell_data() {
        QTest::addColumn<QString>("parameters");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("runs of blanks and line breaks")
            << " a  b\tc\r\nd " << QStringList{"a", "b", "c", "d"};
        QTest::newRow("single quotes keep everything")
            << "'say \"hi\" \\n'" << QStringList{"say \"hi\" \\n"};
        QTest::newRow("backslashes inside double quotes")
            << "\"say \\\"hi\\\" C:\\dir\"" << QStringList{"say \"hi\" C:\\dir"};
        QTest::newRow("backslash outside quotes keeps the next character")
            << "back\\ slash \\'q end\\" << QStringList{"back slash", "'q", "end\\"};
        QTest::newRow("pieces that touch make one word")
            << "a\"b c\"'d e'f" << QStringList{"ab cd ef"};
        QTest::newRow("empty quotes are empty words") << "\"\" '' x" << QStringList{"", "", "x"};
        QTest::newRow("nothing is expanded")
            << "$HOME *.txt ~ `id` ;ls" << QStringList{"$HOME", "*.txt", "~", "`id`", ";ls"};
    }
    void argumentsSplitLikeAShell() {
        QFETCH(QString, parameters);
        QTEST(splitArguments(parameters), "arguments");
    }
    void iconStarts_data() {
        QTest::addColumn<QString>("command"); // "!" first: the program started directly
        QTest::addColumn<QString>("parameters");
        QTest::addColumn<QString>("startIn");
        // The program, its arguments and folder; the address alone of what is opened;
        // or the error number.
        QTest::addColumn<QVariant>("expected");
        const auto row = [](const char* name, const char* command, const char* parameters,
                            const char* startIn, const QVariant& expected) {
            QTest::newRow(name) << QString::fromUtf8(command) << parameters
                                << QString::fromUtf8(startIn) << expected;
        };
        using L = QStringList;
        const QString sh = QStandardPaths::findExecutable(QStringLiteral("sh"));
        row("script by full path", "@/page/tool.sh", "a \"b c\"", "",
            L{"@/page/tool.sh", "a", "b c", ""});
        row("binary by full path", "@/page/binary", "", "@/page", L{"@/page/binary", "@/page"});
        row("relative name found in the start-in folder", "run me.sh", "x", "@/start, in é",
            L{QString::fromUtf8("@/start, in é/run me.sh"), "x",
              QString::fromUtf8("@/start, in é")});
        row("relative name found beside the page", "tool.sh", "", "", L{"@/page/tool.sh", ""});
        row("relative start-in folder from the page's folder", "@/page/tool.sh", "", "sub",
            L{"@/page/tool.sh", "@/page/sub"});
        row("bare name from the PATH", "sh", "-c true", "", L{sh, "-c", "true", ""});
        row("file address", "file://@/page/tool.sh", "", "", L{"@/page/tool.sh", ""});
        row("document", "@/page/notes.txt", "", "", L{"file://@/page/notes.txt"});
        row("executable text is a document", "@/page/marked.txt", "", "",
            L{"file://@/page/marked.txt"});
        row("folder", "@/page/sub", "", "", L{"file://@/page/sub"});
        row("web address", "https://example.com/a?b=c", "x", "", L{"https://example.com/a?b=c"});
        row("no command", "  ", "", "", 52);
        row("missing file", "@/page/absent", "", "", 53);
        row("missing folder on the way", "@/nowhere/prog", "", "", 76);
        row("bare name found nowhere", "no-such-program-here", "", "", 53);
        row("missing start-in folder", "@/page/tool.sh", "", "@/gone", 76);
        row("open single quote", "@/page/tool.sh", "'open b", "", 5);
        row("escaped closing double quote", "@/page/tool.sh", "\"open\\\"", "", 5);
        row("script address", "javascript:alert(1)", "", "", 52);
        row("address back to the launcher", "pmc:exit", "", "", 52);
        // Checked again when starting: the file may have gone or changed since.
        row("starting a missing program", "!@/page/absent", "", "", 53);
        row("starting a file that may not run", "!@/page/notes.txt", "", "", 70);
    }
    void iconStarts() {
        QFETCH(QString, command);
        QFETCH(QString, parameters);
        QFETCH(QString, startIn);
        QFETCH(QVariant, expected);
        Files files;
        StartPlan p;
        try {
            if (command.startsWith(QLatin1Char('!'))) {
                p.program = files.at(command.mid(1));
                startProgram(p);
            } else {
                p = planIconStart(
                    IconLink{files.at(command), parameters, files.at(startIn), QString()},
                    files.at(QStringLiteral("@/page")));
            }
        } catch (const Error& e) {
            QCOMPARE(e.number(), expected.toInt());
            return;
        }
        QStringList plan = expected.toStringList();
        QVERIFY2(!plan.isEmpty(), "the icon was started");
        for (QString& part : plan)
            part = files.at(part);
        if (plan.size() == 1) {
            QCOMPARE(p.kind, StartPlan::Kind::Open);
            QCOMPARE(p.url, QUrl(plan[0]));
        } else {
            QCOMPARE(p.kind, StartPlan::Kind::Program);
            QCOMPARE(QStringList{p.program} + p.arguments + QStringList{p.workingDirectory}, plan);
        }
    }
};

QTEST_GUILESS_MAIN(TestLauncherLinks)
#include "tst_launcher_links.moc"
