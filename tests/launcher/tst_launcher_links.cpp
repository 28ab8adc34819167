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
    void windowCommands_data();
    void windowCommands();
    void linksActOnlyFromLocalMainFrame_data();
    void linksActOnlyFromLocalMainFrame();
    void argumentsSplitLikeAShell_data();
    void argumentsSplitLikeAShell();
    void openQuoteIsRefused_data();
    void openQuoteIsRefused();
    void runWords_data();
    void runWords();
    void iconStartPlans_data();
    void iconStartPlans();
    void iconStartFailures_data();
    void iconStartFailures();
    void startingAMissingOrPlainFileFails();
};

void TestLauncherLinks::iconLinkFields_data() {
    // The address as the browser hands it over (QUrl built from its text).
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("parameters");
    QTest::addColumn<QString>("startIn");
    QTest::addColumn<QString>("runWord");

    QTest::newRow("command alone") << "pm:notepad.exe"
                                   << "notepad.exe"
                                   << ""
                                   << ""
                                   << "";
    QTest::newRow("empty fields before the run word") << "pm:calc.exe,,,hidden"
                                                      << "calc.exe"
                                                      << ""
                                                      << ""
                                                      << "hidden";
    QTest::newRow("start-in without parameters") << "pm:/bin/prog,,/tmp/work"
                                                 << "/bin/prog"
                                                 << ""
                                                 << "/tmp/work"
                                                 << "";
    QTest::newRow("commas inside every field") << "pm:/a/b&comma;c,x&comma;y,/s&comma;t,maxfocus"
                                               << "/a/b,c"
                                               << "x,y"
                                               << "/s,t"
                                               << "maxfocus";
    QTest::newRow("escaped spaces") << "pm:/my%20dir/prog,a%20b,/st%20art"
                                    << "/my dir/prog"
                                    << "a b"
                                    << "/st art"
                                    << "";
    QTest::newRow("spaces and quotes as the browser leaves them")
        << "pm:/tmp/my dir/x,first \"two words\" 'sq',/st art"
        << "/tmp/my dir/x"
        << "first \"two words\" 'sq'"
        << "/st art"
        << "";
    QTest::newRow("e acute escaped by the browser")
        << "pm:/caf%C3%A9/x,caf%C3%A9" << QString::fromUtf8("/café/x") << QString::fromUtf8("café")
        << ""
        << "";
    QTest::newRow("e acute as a character reference")
        << "pm:/caf&#233;/x,&#233;t&#233;" << QString::fromUtf8("/café/x")
        << QString::fromUtf8("été") << ""
        << "";
    QTest::newRow("entities for quote, ampersand and brackets")
        << "pm:/p,&quot;two words&quot; a&amp;b &lt;in&gt;"
        << "/p"
        << "\"two words\" a&b <in>"
        << ""
        << "";
    // A lone "%" makes QUrl escape every percent sign once more.
    QTest::newRow("lone percent sign beside an escaped letter")
        << "pm:/caf%C3%A9,100% caf%C3%A9,/tmp/50%" << QString::fromUtf8("/café")
        << QString::fromUtf8("100% café") << "/tmp/50%"
        << "";
    QTest::newRow("everything a browser sends for an awkward icon")
        << "pm:/tmp/my dir/rec&comma;x,first \"two words\" 'sq' caf%C3%A9 a&amp;b "
           "100%,/tmp/st art,maxfocus"
        << "/tmp/my dir/rec,x" << QString::fromUtf8("first \"two words\" 'sq' café a&b 100%")
        << "/tmp/st art"
        << "maxfocus";
    QTest::newRow("upper-case scheme") << "PM:/usr/bin/X"
                                       << "/usr/bin/X"
                                       << ""
                                       << ""
                                       << "";
    QTest::newRow("question mark and hash stay in the command") << "pm:/a?b#c,p"
                                                                << "/a?b#c"
                                                                << "p"
                                                                << ""
                                                                << "";
    QTest::newRow("fields after the fourth belong to the run word") << "pm:a,b,c,d,e"
                                                                    << "a"
                                                                    << "b"
                                                                    << "c"
                                                                    << "d,e";
    QTest::newRow("empty link") << "pm:"
                                << ""
                                << ""
                                << ""
                                << "";
}

void TestLauncherLinks::iconLinkFields() {
    QFETCH(QString, address);
    const IconLink link = parseIconLink(QUrl(address));
    QTEST(link.command, "command");
    QTEST(link.parameters, "parameters");
    QTEST(link.startIn, "startIn");
    QTEST(link.runWord, "runWord");
}

void TestLauncherLinks::linkKinds_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("kind");
    QTest::newRow("icon") << "pm:/bin/ls" << int(LinkKind::Icon);
    QTest::newRow("icon, upper case") << "PM:/bin/ls" << int(LinkKind::Icon);
    QTest::newRow("window command") << "pmc:exit" << int(LinkKind::WindowCommand);
    QTest::newRow("window command, mixed case") << "Pmc:exit" << int(LinkKind::WindowCommand);
    QTest::newRow("web address") << "http://example.com/" << int(LinkKind::Ordinary);
    QTest::newRow("local page") << "file:///tmp/page.htm" << int(LinkKind::Ordinary);
    QTest::newRow("scheme merely starting with pm") << "pmx:thing" << int(LinkKind::Ordinary);
}

void TestLauncherLinks::linkKinds() {
    QFETCH(QString, address);
    QTEST(int(linkKind(QUrl(address))), "kind");
}

void TestLauncherLinks::windowCommands_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("command");
    QTest::newRow("open") << "pmc:open" << int(WindowCommand::Open);
    QTest::newRow("exit") << "pmc:exit" << int(WindowCommand::Exit);
    QTest::newRow("min") << "pmc:min" << int(WindowCommand::Minimise);
    QTest::newRow("max") << "pmc:max" << int(WindowCommand::Maximise);
    QTest::newRow("edit") << "pmc:edit" << int(WindowCommand::Edit);
    QTest::newRow("refresh") << "pmc:refresh" << int(WindowCommand::Refresh);
    QTest::newRow("any case") << "PMC:Exit" << int(WindowCommand::Exit);
    QTest::newRow("trailing slash") << "pmc:refresh/" << int(WindowCommand::Refresh);
    QTest::newRow("unknown word") << "pmc:close" << int(WindowCommand::Unknown);
    QTest::newRow("nothing") << "pmc:" << int(WindowCommand::Unknown);
    QTest::newRow("longer word") << "pmc:minimise" << int(WindowCommand::Unknown);
}

void TestLauncherLinks::windowCommands() {
    QFETCH(QString, address);
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
    QTest::newRow("secure web page") << "https://example.com/menu.htm" << true << false;
    QTest::newRow("blank") << "about:blank" << true << false;
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
    QTest::newRow("nothing") << "" << QStringList{};
    QTest::newRow("only blanks") << "  \t " << QStringList{};
    QTest::newRow("words and runs of blanks") << " a  b\tc " << QStringList{"a", "b", "c"};
    QTest::newRow("double quotes keep blanks")
        << "\"two words\" x" << QStringList{"two words", "x"};
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
    QTest::newRow("commas and accents are plain characters")
        << QString::fromUtf8("a,b café") << QStringList{"a,b", QString::fromUtf8("café")};
    QTest::newRow("nothing is expanded")
        << "$HOME *.txt ~ `id` ;ls" << QStringList{"$HOME", "*.txt", "~", "`id`", ";ls"};
    QTest::newRow("line breaks separate") << "one\r\ntwo" << QStringList{"one", "two"};
    QTest::newRow("trailing backslash stays") << "end\\" << QStringList{"end\\"};
}

void TestLauncherLinks::argumentsSplitLikeAShell() {
    QFETCH(QString, parameters);
    QTEST(splitArguments(parameters), "arguments");
}

void TestLauncherLinks::openQuoteIsRefused_data() {
    QTest::addColumn<QString>("parameters");
    QTest::newRow("double") << "a \"open";
    QTest::newRow("single") << "'open b";
    QTest::newRow("escaped closing quote") << "\"open\\\"";
}

void TestLauncherLinks::openQuoteIsRefused() {
    QFETCH(QString, parameters);
    try {
        splitArguments(parameters);
        QFAIL("an open quote was accepted");
    } catch (const UlvError& e) {
        QCOMPARE(e.number(), 5);
        QVERIFY(e.description().contains(QLatin1String("quote")));
    }
}

void TestLauncherLinks::runWords_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("runWord");
    QTest::newRow("none") << "" << int(RunWord::Normal);
    QTest::newRow("maxfocus") << "maxfocus" << int(RunWord::MaxFocus);
    QTest::newRow("minfocus") << "minfocus" << int(RunWord::MinFocus);
    QTest::newRow("normalnofocus") << "normalnofocus" << int(RunWord::NormalNoFocus);
    QTest::newRow("minnofocus") << "minnofocus" << int(RunWord::MinNoFocus);
    QTest::newRow("hidden") << "hidden" << int(RunWord::Hidden);
    QTest::newRow("any case") << "Hidden" << int(RunWord::Hidden);
    QTest::newRow("an old run-style text") << "Normal Window" << int(RunWord::Normal);
}

void TestLauncherLinks::runWords() {
    QFETCH(QString, word);
    QTEST(int(runWordFromText(word)), "runWord");
}

namespace {

// A folder with a page folder, a start-in folder and the kinds of files an icon
// can name. "@" in the test tables stands for the folder's path.
struct Files {
    QTemporaryDir dir;
    Files() {
        QDir(dir.path()).mkpath(QStringLiteral("page"));
        QDir(dir.path()).mkpath(QString::fromUtf8("start, in é"));
        QDir(dir.path()).mkpath(QStringLiteral("page/sub"));
        write("page/tool.sh", "#!/bin/sh\nexit 0\n", true);
        write(QString::fromUtf8("start, in é/run me.sh"), "#!/bin/sh\nexit 0\n", true);
        write("page/notes.txt", "notes\n", false);
        write("page/marked.txt", "executable bit, but text\n", true);
        const QString binary = dir.filePath(QStringLiteral("page/binary"));
        QFile::copy(QStringLiteral("/bin/sh"), binary);
        QFile::setPermissions(binary, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    void write(const QString& name, const QByteArray& bytes, bool executable) {
        QFile f(dir.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
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

    const QString sh = QStandardPaths::findExecutable(QStringLiteral("sh"));
    QTest::newRow("script by full path")
        << "@/page/tool.sh"
        << "a \"b c\""
        << "" << true << "@/page/tool.sh" << QStringList{"a", "b c"} << "";
    QTest::newRow("binary by full path")
        << "@/page/binary"
        << ""
        << "@/page" << true << "@/page/binary" << QStringList{} << "@/page";
    QTest::newRow("relative name found in the start-in folder")
        << "run me.sh"
        << "x" << QString::fromUtf8("@/start, in é") << true
        << QString::fromUtf8("@/start, in é/run me.sh") << QStringList{"x"}
        << QString::fromUtf8("@/start, in é");
    QTest::newRow("relative name found beside the page")
        << "tool.sh"
        << ""
        << "" << true << "@/page/tool.sh" << QStringList{} << "";
    QTest::newRow("relative path from the page's folder")
        << "sub/../tool.sh"
        << ""
        << "" << true << "@/page/tool.sh" << QStringList{} << "";
    QTest::newRow("relative start-in folder from the page's folder")
        << "@/page/tool.sh"
        << ""
        << "sub" << true << "@/page/tool.sh" << QStringList{} << "@/page/sub";
    QTest::newRow("bare name from the PATH") << "sh"
                                             << "-c true"
                                             << "" << true << sh << QStringList{"-c", "true"} << "";
    QTest::newRow("document") << "@/page/notes.txt"
                              << "ignored"
                              << "" << false << "file://@/page/notes.txt" << QStringList{} << "";
    QTest::newRow("executable text is a document")
        << "@/page/marked.txt"
        << ""
        << "" << false << "file://@/page/marked.txt" << QStringList{} << "";
    QTest::newRow("folder") << "@/page/sub"
                            << ""
                            << "" << false << "file://@/page/sub" << QStringList{} << "";
    QTest::newRow("file address") << "file://@/page/tool.sh"
                                  << ""
                                  << "" << true << "@/page/tool.sh" << QStringList{} << "";
    QTest::newRow("web address") << "https://example.com/a?b=c"
                                 << ""
                                 << "" << false << "https://example.com/a?b=c" << QStringList{}
                                 << "";
    QTest::newRow("mail address") << "mailto:someone@example.com"
                                  << ""
                                  << "" << false << "mailto:someone@example.com" << QStringList{}
                                  << "";
}

void TestLauncherLinks::iconStartPlans() {
    QFETCH(QString, command);
    QFETCH(QString, parameters);
    QFETCH(QString, startIn);
    QFETCH(bool, program);
    QFETCH(QString, target);
    QFETCH(QStringList, arguments);
    QFETCH(QString, folder);
    Files files;
    const StartPlan plan =
        planIconStart(IconLink{files.at(command), parameters, files.at(startIn), QString()},
                      files.at(QStringLiteral("@/page")));
    QCOMPARE(plan.kind == StartPlan::Kind::Program, program);
    if (program) {
        QCOMPARE(plan.program, files.at(target));
        QCOMPARE(plan.arguments, arguments);
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
    QTest::newRow("open quote in the parameters") << "@/page/tool.sh"
                                                  << "\"x"
                                                  << "" << 5;
    QTest::newRow("script address") << "javascript:alert(1)"
                                    << ""
                                    << "" << 52;
    QTest::newRow("address back to the launcher") << "pmc:exit"
                                                  << ""
                                                  << "" << 52;
}

void TestLauncherLinks::iconStartFailures() {
    QFETCH(QString, command);
    QFETCH(QString, parameters);
    QFETCH(QString, startIn);
    QFETCH(int, number);
    Files files;
    try {
        planIconStart(IconLink{files.at(command), parameters, files.at(startIn), QString()},
                      files.at(QStringLiteral("@/page")));
        QFAIL("the icon was planned to start");
    } catch (const UlvError& e) {
        QCOMPARE(e.number(), number);
    }
}

void TestLauncherLinks::startingAMissingOrPlainFileFails() {
    Files files;
    StartPlan plan;
    plan.program = files.at(QStringLiteral("@/page/absent"));
    try {
        startProgram(plan);
        QFAIL("a missing program started");
    } catch (const UlvError& e) {
        QCOMPARE(e.number(), 53);
    }
    plan.program = files.at(QStringLiteral("@/page/notes.txt"));
    try {
        startProgram(plan);
        QFAIL("a file that may not run started");
    } catch (const UlvError& e) {
        QCOMPARE(e.number(), 70);
    }
}

QTEST_GUILESS_MAIN(TestLauncherLinks)
#include "tst_launcher_links.moc"
