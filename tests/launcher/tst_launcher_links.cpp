// Reading icon and window-command links, splitting parameters into arguments and
// deciding how an icon starts: everything the launcher decides about a click
// before anything runs.

#include "TestFiles.h"
#include "components/Error.h"
#include "launcher/IconLink.h"
#include "launcher/IconStart.h"
#include "launcher/ShellWords.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace ulvanta;
using namespace ulvanta::launcher;
using test::writeFile;

class TestLauncherLinks : public QObject {
    Q_OBJECT

private slots:
    void iconLinkFields_data() {
        // The address as the browser hands it over (QUrl built from its text).
        QTest::addColumn<QString>("address");
        QTest::addColumn<QStringList>("fields"); // command, parameters, start-in, run word
        QTest::newRow("empty fields before the run word")
            << "pm:calc.exe,,,hidden" << QStringList{"calc.exe", "", "", "hidden"};
        QTest::newRow("question mark and hash stay in the command")
            << "pm:/a?b#c,p" << QStringList{"/a?b#c", "p", "", ""};
        QTest::newRow("fields after the fourth belong to the run word")
            << "pm:a,b,c,d,e" << QStringList{"a", "b", "c", "d,e"};
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
    }
    void argumentsSplitLikeAShell() {
        QFETCH(QString, parameters);
        QTEST(splitArguments(parameters), "arguments");
    }
    void iconStarts_data() {
        QTest::addColumn<QString>("command"); // "!" first: the program started directly
        QTest::addColumn<QString>("parameters");
        QTest::addColumn<QString>("startIn");
        // The program, its arguments and folder joined by "|"; the address of what is
        // opened; or the error number. "@" stands for the test's folder.
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, const char* command, const char* parameters,
                            const char* startIn, const QString& expected) {
            QTest::newRow(name) << QString::fromUtf8(command) << parameters
                                << QString::fromUtf8(startIn) << expected;
        };
        row("script by full path", "@/page/tool.sh", "a \"b c\"", "", "@/page/tool.sh|a|b c|");
        row("relative name found in the start-in folder", "run me.sh", "x", "@/start, in é",
            QString::fromUtf8("@/start, in é/run me.sh|x|@/start, in é"));
        row("relative name found beside the page", "tool.sh", "", "", "@/page/tool.sh|");
        row("relative start-in folder from the page's folder", "@/page/tool.sh", "", "sub",
            "@/page/tool.sh|@/page/sub");
        row("bare name from the PATH", "sh", "-c true", "",
            QStandardPaths::findExecutable("sh") + "|-c|true|");
        row("file address", "file://@/page/tool.sh", "", "", "@/page/tool.sh|");
        row("executable text is a document", "@/page/marked.txt", "", "",
            "file://@/page/marked.txt");
        row("folder", "@/page/sub", "", "", "file://@/page/sub");
        row("web address", "https://example.com/a?b=c", "x", "", "https://example.com/a?b=c");
        row("no command", "  ", "", "", "52");
        row("missing file", "@/page/absent", "", "", "53");
        row("missing start-in folder", "@/page/tool.sh", "", "@/gone", "76");
        row("open single quote", "@/page/tool.sh", "'open b", "", "5");
        row("script address", "javascript:alert(1)", "", "", "52");
        row("address back to the launcher", "pmc:exit", "", "", "52");
        // Checked again when starting: the file may have gone or changed since.
        row("starting a missing program", "!@/page/absent", "", "", "53");
        row("starting a file that may not run", "!@/page/sub/notes.txt", "", "", "70");
    }
    void iconStarts() {
        QFETCH(QString, command);
        QFETCH(QString, parameters);
        QFETCH(QString, startIn);
        QTemporaryDir dir;
        const auto at = [&](QString text) { return text.replace(QLatin1Char('@'), dir.path()); };
        // Scripts, text marked executable and plain text.
        for (const char* name :
             {"page/tool.sh", "start, in é/run me.sh", "page/marked.txt", "page/sub/notes.txt"}) {
            const QString path = at("@/" + QString::fromUtf8(name));
            QVERIFY(writeFile(path, path.endsWith(".sh") ? "#!/bin/sh\nexit 0\n" : "text\n"));
            if (!path.endsWith("notes.txt"))
                QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        QString outcome;
        try {
            StartPlan p;
            if (command.startsWith(QLatin1Char('!'))) {
                p.program = at(command.mid(1));
                startProgram(p);
            } else {
                p = planIconStart(IconLink{at(command), parameters, at(startIn), QString()},
                                  at("@/page"));
            }
            outcome = p.kind == StartPlan::Kind::Open
                          ? p.url.toString()
                          : (QStringList{p.program} + p.arguments + QStringList{p.workingDirectory})
                                .join(QLatin1Char('|'));
        } catch (const Error& e) {
            outcome = QString::number(e.number());
        }
        QFETCH(QString, expected);
        QCOMPARE(outcome, at(expected));
    }
};

QTEST_GUILESS_MAIN(TestLauncherLinks)
#include "tst_launcher_links.moc"
