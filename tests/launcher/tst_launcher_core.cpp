// What the launcher decides before anything shows or runs: reading links, splitting
// parameters, starting an icon, reading a page and the page path it is given.

#include "TestFiles.h"
#include "components/Error.h"
#include "launcher/IconKeys.h"
#include "launcher/IconLink.h"
#include "launcher/IconStart.h"
#include "launcher/LoadedPage.h"

#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <optional>
#include <unistd.h>

using namespace ulvanta;
using namespace ulvanta::launcher;
using test::writeFile;

Q_DECLARE_METATYPE(std::optional<ulvanta::launcher::PageSettings>)
Q_DECLARE_METATYPE(ulvanta::launcher::IconKeys::Act)
Q_DECLARE_METATYPE(ulvanta::launcher::IconStep)

namespace {

// The closing lines of a generated page, with its settings comment.
QString pageEnd(const QString& settingLines) {
    return QStringLiteral("</body>\r\n\r\n</html>\r\n\r\n<!-- Ulvanta info:\r\n") + settingLines +
           QStringLiteral("-->");
}

// The default settings with the changes made by f.
template <typename F> PageSettings changed(F f) {
    PageSettings s;
    f(s);
    return s;
}

} // namespace

class TestLauncherCore : public QObject {
    Q_OBJECT

private slots:
    void typedTextFindsIcons_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("description");
        QTest::addColumn<bool>("found");
        const auto row = [](const char* typed, const char* description, bool found) {
            QTest::addRow("%s in %s", typed, description)
                << QString::fromUtf8(typed) << QString::fromUtf8(description) << found;
        };
        row("calc", "Calculator", true);
        row("CuLaT", "calculator", true);
        row("cafe", "Café crème", true);
        row("café", "Cafe", true);
        row("creme", "Cafe\xcc\x81 cre\xcc\x80me", true); // accents written apart
        row("tc", "Tea, coffee", true);
        row("tea coffee", "Tea, coffee", true);
        row("tea, c", "Tea, coffee", true);
        row("ab", "Alpha Beta", true);
        row("AC", "Alpha Beta Charlie", true);
        row("ba", "Alpha Beta", false);
        row("lb", "Alpha Beta", false);
        row("xyz", "Calculator", false);
        row("", "Anything", true);
    }
    void typedTextFindsIcons() {
        QFETCH(QString, typed);
        QFETCH(QString, description);
        QTEST(findsIcon(typed, description), "found");
    }

    void keysFindAndMove_data() {
        // Keys: a character types itself; {Name} is a key; ^x is x with Ctrl.
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("closable");
        QTest::addColumn<IconKeys::Act>("act"); // what the last key asks for
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("focusing");
        using A = IconKeys::Act;
        const auto row = [](const char* keys, bool closable, A act, const char* typed,
                            bool focusing) {
            QTest::addRow("%s%s", keys, closable ? "" : " not closable")
                << keys << closable << act << typed << focusing;
        };
        row("calc{Enter}", true, A::StartFirst, "calc", false);
        row("{Esc}{Home}{Right}{Enter}", true, A::StartFocused, "", true);
        row("{Home}{Space}", true, A::StartFocused, "", true);
        row("{Home}x{Enter}", true, A::StartFirst, "x", false);
        row("{Home}{Tab}", true, A::Leave, "", false);
        row("tea co", true, A::Find, "tea co", false);
        row("ab{Back}", true, A::Find, "a", false);
        row("{Back}", true, A::Pass, "", false);
        row("{Space}", true, A::Pass, "", false);
        row("{Enter}", true, A::Pass, "", false);
        row("{Down}", true, A::Pass, "", false);
        row("a^v", true, A::Pass, "a", false);
        row("ab{Esc}{Esc}", true, A::Exit, "", false);
        row("{Esc}{Esc}", true, A::Exit, "", false);
        row("{Esc}{Esc}", false, A::Find, "", false);
        row("{Home}{Esc}", true, A::Find, "", false);
        row("{Esc}a{Back}{Esc}", true, A::Find, "", false);
    }
    void keysFindAndMove() {
        QFETCH(QString, keys);
        QFETCH(bool, closable);
        static const QHash<QString, int> named{
            {"Enter", Qt::Key_Return}, {"Esc", Qt::Key_Escape},    {"Home", Qt::Key_Home},
            {"Right", Qt::Key_Right},  {"Down", Qt::Key_Down},     {"Space", Qt::Key_Space},
            {"Tab", Qt::Key_Tab},      {"Back", Qt::Key_Backspace}};
        IconKeys k;
        IconKeys::Act act = IconKeys::Act::Pass;
        for (qsizetype i = 0; i < keys.size(); ++i) {
            const bool ctrl = keys[i] == QLatin1Char('^');
            if (keys[i] == QLatin1Char('{')) {
                const qsizetype end = keys.indexOf(QLatin1Char('}'), i);
                const int key = named.value(keys.mid(i + 1, end - i - 1));
                act = k.press(key, false, key == Qt::Key_Space ? " " : "", closable);
                i = end;
            } else {
                i += ctrl;
                act = k.press(keys[i].toUpper().unicode(), ctrl, QString(keys[i]), closable);
            }
        }
        QTEST(act, "act");
        QTEST(k.typed(), "typed");
        QTEST(k.focusing(), "focusing");
    }

    void stepsMoveInTheGrid_data() {
        QTest::addColumn<int>("icons"); // of a grid of three columns
        QTest::addColumn<int>("from");
        QTest::addColumn<IconStep>("step");
        QTest::addColumn<int>("to");
        QTest::newRow("next, on to the next row") << 7 << 2 << IconStep::Next << 3;
        QTest::newRow("next from the last") << 7 << 6 << IconStep::Next << 6;
        QTest::newRow("previous") << 7 << 4 << IconStep::Previous << 3;
        QTest::newRow("below") << 7 << 1 << IconStep::Below << 4;
        QTest::newRow("below, short last row") << 7 << 5 << IconStep::Below << 6;
        QTest::newRow("below the last row") << 7 << 6 << IconStep::Below << 6;
        QTest::newRow("above") << 7 << 6 << IconStep::Above << 3;
        QTest::newRow("above the first row") << 7 << 2 << IconStep::Above << 2;
        QTest::newRow("none focused yet") << 7 << -1 << IconStep::Below << 0;
        QTest::newRow("none shown") << 0 << -1 << IconStep::Next << -1;
    }
    void stepsMoveInTheGrid() {
        QFETCH(int, icons);
        std::vector<QRectF> shown;
        for (int i = 0; i < icons; ++i)
            shown.emplace_back(100 * (i % 3), 60 * (i / 3) + (i % 2) * 5, 90, 40 + (i % 2) * 10);
        QFETCH(int, from);
        QFETCH(IconStep, step);
        QTEST(iconAfterStep(shown, from, step), "to");
    }
    void linksAreRead_data() {
        QTest::addColumn<QString>("address"); // as the browser hands it over
        QTest::addColumn<LinkKind>("kind");
        QTest::addColumn<WindowAction>("command");
        QTest::addColumn<QString>("fields"); // an icon's command|parameters|start-in|run word
        const auto row = [](const char* address, LinkKind kind, WindowAction command,
                            const char* fields = "") {
            QTest::newRow(address) << address << kind << command << fields;
        };
        row("PM:calc.exe,,,hidden", LinkKind::Icon, WindowAction::Unknown, "calc.exe|||hidden");
        row("pm:/a?b#c,p", LinkKind::Icon, WindowAction::Unknown, "/a?b#c|p||");
        row("PMC:Exit", LinkKind::WindowAction, WindowAction::Exit);
        row("pmc:refresh/", LinkKind::WindowAction, WindowAction::Refresh);
        row("pmc:minimise", LinkKind::WindowAction, WindowAction::Unknown);
    }
    void linksAreRead() {
        QFETCH(QString, address);
        QFETCH(LinkKind, kind);
        const QUrl url(address);
        QCOMPARE(linkKind(url), kind);
        const IconLink icon = parseIconLink(url);
        if (kind == LinkKind::Icon)
            QTEST(
                (QStringList{icon.command, icon.parameters, icon.startIn, icon.runWord}.join('|')),
                "fields");
        if (kind == LinkKind::WindowAction)
            QTEST(parseWindowAction(url), "command");
    }
    void linksActOnlyFromLocalMainFrame_data() {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("mainFrame");
        QTest::addColumn<bool>("mayAct");
        QTest::newRow("frame inside a local page") << "file:///home/u/menu.htm" << false << false;
        QTest::newRow("local page on localhost")
            << "file://localhost/home/u/menu.htm" << true << true;
        QTest::newRow("web page") << "http://localhost/menu.htm" << true << false;
        QTest::newRow("page on another machine") << "file://server/share/menu.htm" << true << false;
    }
    void linksActOnlyFromLocalMainFrame() {
        QFETCH(QString, shown);
        QFETCH(bool, mainFrame);
        QTEST(linksMayAct(QUrl(shown), mainFrame), "mayAct");
    }
    void iconStarts_data() {
        QTest::addColumn<QString>("command"); // "!" first: the program started directly
        QTest::addColumn<QString>("parameters");
        QTest::addColumn<QString>("startIn");
        // The program, its arguments and folder joined by "|"; the address of what is
        // opened; or the error number and what is missing. "@" stands for the test's folder.
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, const char* command, const char* parameters,
                            const char* startIn, const QString& expected) {
            QTest::newRow(name) << QString::fromUtf8(command) << parameters
                                << QString::fromUtf8(startIn) << expected;
        };
        row("blanks and line breaks", "tool.sh", " a  b\tc\r\nd ", "", "@/tool.sh|a|b|c|d|");
        row("single quotes keep all", "tool.sh", "'say \"hi\" \\n'", "",
            "@/tool.sh|say \"hi\" \\n|");
        row("backslashes inside double quotes", "tool.sh", "\"say \\\"hi\\\" C:\\dir\"", "",
            "@/tool.sh|say \"hi\" C:\\dir|");
        row("backslash outside quotes keeps the next character", "tool.sh",
            "back\\ slash \\'q end\\", "", "@/tool.sh|back slash|'q|end\\|");
        row("touching pieces make one word", "tool.sh", "a\"b c\"'d e'f", "",
            "@/tool.sh|ab cd ef|");
        row("empty quotes are empty words", "tool.sh", "\"\" '' x", "", "@/tool.sh|||x|");
        row("relative name found in the start-in folder", "run me.sh", "x", "@/start, in é",
            QString::fromUtf8("@/start, in é/run me.sh|x|@/start, in é"));
        row("relative name found beside the page", "tool.sh", "", "", "@/tool.sh|");
        row("start-in folder from the page's", "@/tool.sh", "", "sub", "@/tool.sh|@/sub");
        row("bare name from the PATH", "sh", "", "", QStandardPaths::findExecutable("sh") + "|");
        row("file address", "file://@/tool.sh", "", "", "@/tool.sh|");
        row("executable text is a document", "@/marked.txt", "", "", "file://@/marked.txt");
        row("folder", "@/sub", "", "", "file://@/sub");
        row("web address", "https://example.com/a?b=c", "x", "", "https://example.com/a?b=c");
        row("no command", "  ", "", "", "52");
        row("missing file", "@/absent", "", "", "53 @/absent");
        row("missing start-in folder", "@/tool.sh", "", "@/gone", "76 @/gone");
        row("missing folder of the file", "@/gone/tool.sh", "", "", "76 @/gone/tool.sh");
        row("bare name on no PATH", "no-such-tool", "", "", "53 no-such-tool (not in PATH)");
        row("open single quote", "@/tool.sh", "'open b", "", "5");
        row("script address", "javascript:alert(1)", "", "", "52");
        row("address back to the launcher", "pmc:exit", "", "", "52");
        // Checked again when starting: the file may have gone or changed since.
        row("starting a missing program", "!@/absent", "", "", "53");
        row("starting a file that may not run", "!@/sub/notes.txt", "", "", "70");
    }
    void iconStarts() {
        QFETCH(QString, command);
        QFETCH(QString, parameters);
        QFETCH(QString, startIn);
        QTemporaryDir dir;
        const auto at = [&](QString text) { return text.replace(QLatin1Char('@'), dir.path()); };
        // Scripts, text marked executable and plain text.
        for (const char* name :
             {"tool.sh", "start, in é/run me.sh", "marked.txt", "sub/notes.txt"}) {
            const QString path = at("@/" + QString::fromUtf8(name));
            QVERIFY(writeFile(path, path.endsWith(".sh") ? "#!/bin/sh\nexit 0\n" : "text\n"));
            if (!path.endsWith("notes.txt"))
                QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        QString outcome;
        const IconLink link{at(command), parameters, at(startIn), QString()};
        try {
            StartPlan p;
            if (command.startsWith(QLatin1Char('!'))) {
                p.program = at(command.mid(1));
                startProgram(p);
            } else {
                p = planIconStart(link, at("@"));
            }
            outcome = p.kind == StartPlan::Kind::Open
                          ? p.url.toString()
                          : (QStringList{p.program} + p.arguments + QStringList{p.workingDirectory})
                                .join(QLatin1Char('|'));
        } catch (const Error& e) {
            outcome = QString::number(e.number());
            if (const QString missing = missingPathOf(link, at("@"));
                !missing.isEmpty() && !command.startsWith(QLatin1Char('!')))
                outcome += QLatin1Char(' ') + missing;
        }
        QFETCH(QString, expected);
        QCOMPARE(outcome, at(expected));
    }
    void settingsComment_data() {
        QTest::addColumn<QString>("html");
        QTest::addColumn<std::optional<PageSettings>>("expected");
        const auto row = [](const char* name, const QString& html, std::optional<PageSettings> s) {
            QTest::newRow(name) << html << s;
        };
        row("booleans only in the generator's spelling",
            pageEnd("Closable=false\r\nExtra commands=FALSE\r\nMinimise on use=true\r\n"
                    "Start maximised=Yes\r\n"),
            PageSettings{});
        row("sizes that are not positive numbers or too large, empty source file",
            pageEnd("Height=-5\r\nSource file=\r\nWidth=1e9\r\n"), PageSettings{});
        row("fractions round half to even", pageEnd("Height=300.5\r\nWidth=501.5\r\n"),
            changed([](PageSettings& s) { s.width = 502, s.height = 300; }));
        row("line feeds only", "<!-- Ulvanta info:\nClosable=False\nHeight=200\nWidth=300\n-->",
            changed([](PageSettings& s) { s.closable = false, s.width = 300, s.height = 200; }));
        row("the comment at the end wins over one in the header",
            "<p><!-- Ulvanta info:\r\nClosable=False\r\nWidth=10\r\n--></p>" +
                pageEnd("Height=250\r\nWidth=350\r\n"),
            changed([](PageSettings& s) { s.width = 350, s.height = 250; }));
        row("comment cut off at the end of the file", "</html>\r\n<!-- Ulvanta info:\r\nWidth=333",
            changed([](PageSettings& s) { s.width = 333; }));
        row("a value may hold an equals sign", pageEnd("Icon=/a=b.png\r\n"),
            changed([](PageSettings& s) { s.icon = "/a=b.png"; }));
        row("no comment", "<html><body>Height=1</body></html>", std::nullopt);
    }
    void settingsComment() {
        QFETCH(QString, html);
        QTEST(readPageSettings(html), "expected");
    }
    void pagePathFromTheCommandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("path");
        const auto row = [](const char* name, const QStringList& arguments, const char* path) {
            QTest::newRow(name) << arguments << QString::fromUtf8(path);
        };
        row("unquoted path split at its spaces", {"/tmp/my", "pages/menu", "1.htm"},
            "/tmp/my pages/menu 1.htm");
        row("quotes around split words", {"\"/tmp/my", "pages/menu.htm\""},
            "/tmp/my pages/menu.htm");
        row("quote inside the name stays", {"/tmp/say \"hi\".htm"}, "/tmp/say \"hi\".htm");
        row("a lone quote", {"\""}, "\"");
        row("file address", {"file:///tmp/my%20pages/caf%C3%A9.htm"}, "/tmp/my pages/café.htm");
    }
    void pagePathFromTheCommandLine() {
        QFETCH(QStringList, arguments);
        QTEST(pagePathFromArguments(arguments), "path");
    }
    void unreadablePages_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("number");
        QTest::newRow("no name") << "" << 52;
        QTest::newRow("missing folder") << "@/gone/menu.htm" << 76;
        QTest::newRow("a folder") << "@" << 75;
        if (::geteuid() != 0) // root reads everything
            QTest::newRow("no read permission") << "@/locked.htm" << 70;
    }
    void unreadablePages() {
        QFETCH(QString, path);
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("locked.htm"), "") &&
                QFile::setPermissions(dir.filePath("locked.htm"), QFileDevice::WriteOwner));
        QTEST(test::errorOf([&] { loadPage(path.replace(QLatin1Char('@'), dir.path())); }),
              "number");
    }
    void anyPageIsReadQuickly_data() {
        QTest::addColumn<QByteArray>("html"); // up to its settings comment
        QTest::addColumn<QString>("title");   // its start
        const auto fill = [](const char* piece, int mebibytes = 10) {
            return QByteArray(piece).repeated((mebibytes << 20) / qstrlen(piece));
        };
        // Only the first and last megabytes of a very large page are read; the first
        // title counts, as a browser shows it.
        QTest::newRow("large page") << "<html><head><TITLE lang=en>\r\n  Caf&#233;\r\n  &amp; Bar "
                                       "</TITLE ><title>Other</title></head><body>\r\n" +
                                           fill("x", 40)
                                    << QString::fromUtf8("Café & Bar");
        QTest::newRow("start tags never closed") << fill("<title ") << "";
        QTest::newRow("end tags never closed") << fill("<title></title ") << "";
        QTest::newRow("a huge title") << "<title>" + fill("a&amp;\n") + "</title>"
                                      << "a& a& a& a";
    }
    // The title at its start, the settings at its end; relative files from its folder.
    void anyPageIsReadQuickly() {
        QFETCH(QByteArray, html);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("pages/menu.htm"));
        QVERIFY(writeFile(
            path,
            html + pageEnd("Closable=False\r\nIcon=icons/menu.png\r\nSource file=/docs/menu.pmf\r\n"
                           "Width=400\r\n")
                       .toUtf8()));
        QElapsedTimer t;
        t.start();
        const LoadedPage page = loadPage(dir.filePath(QStringLiteral("pages/../pages/menu.htm")));
        // A tenth of a second on an idle machine; the margin is for busy ones.
        QVERIFY2(t.elapsed() < 1000, qPrintable(QString::number(t.elapsed())));
        QCOMPARE(page.path, path);
        QTEST(page.title.left(10), "title");
        QCOMPARE(page.settings, changed([&](PageSettings& s) {
                     s.closable = false, s.width = 400, s.sourceFile = "/docs/menu.pmf";
                     s.icon = dir.filePath("pages/icons/menu.png");
                 }));
    }
};

QTEST_GUILESS_MAIN(TestLauncherCore)
#include "tst_launcher_core.moc"
