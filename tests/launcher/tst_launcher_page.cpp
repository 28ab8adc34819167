// What the launcher reads from a page before showing it: the settings comment at
// its end, its title, and the page path from the command line.

#include "TestFiles.h"
#include "components/Error.h"
#include "launcher/LoadedPage.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <optional>
#include <unistd.h>

using namespace ulvanta;
using namespace ulvanta::launcher;

Q_DECLARE_METATYPE(std::optional<ulvanta::launcher::PageSettings>)

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

class TestLauncherPage : public QObject {
    Q_OBJECT

private slots:
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
        row("marker in another case", "<!-- ulvanta info:\r\nHeight=1\r\n-->", std::nullopt);
    }
    void settingsComment() {
        QFETCH(QString, html);
        QTEST(readPageSettings(html), "expected");
    }
    void pagePathFromTheCommandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("path");
        QTest::newRow("unquoted path split at its spaces")
            << QStringList{"/tmp/my", "pages/menu", "1.htm"} << "/tmp/my pages/menu 1.htm";
        QTest::newRow("quotes around split words")
            << QStringList{"\"/tmp/my", "pages/menu.htm\""} << "/tmp/my pages/menu.htm";
        QTest::newRow("quote inside the name stays")
            << QStringList{"/tmp/say \"hi\".htm"} << "/tmp/say \"hi\".htm";
        QTest::newRow("a lone quote") << QStringList{"\""} << "\"";
        QTest::newRow("file address") << QStringList{"file:///tmp/my%20pages/caf%C3%A9.htm"}
                                      << QString::fromUtf8("/tmp/my pages/café.htm");
    }
    void pagePathFromTheCommandLine() {
        QFETCH(QStringList, arguments);
        QTEST(pagePathFromArguments(arguments), "path");
    }
    void unreadablePages_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("number");
        QTest::newRow("no name") << "" << 52;
        QTest::newRow("missing file") << "@/absent.htm" << 53;
        QTest::newRow("missing folder") << "@/gone/menu.htm" << 76;
        QTest::newRow("a folder") << "@" << 75;
        if (::geteuid() != 0) // root reads everything
            QTest::newRow("no read permission") << "@/locked.htm" << 70;
    }
    void unreadablePages() {
        QFETCH(QString, path);
        QTemporaryDir dir;
        QFile locked(dir.filePath(QStringLiteral("locked.htm")));
        QVERIFY(locked.open(QIODevice::WriteOnly) &&
                locked.setPermissions(QFileDevice::WriteOwner));
        try {
            loadPage(path.replace(QLatin1Char('@'), dir.path()));
            QFAIL("the page was read");
        } catch (const Error& e) {
            QTEST(e.number(), "number");
        }
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
        QTest::newRow("start tags") << fill("<title>") << "";
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
        QVERIFY(test::writeFile(
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

QTEST_GUILESS_MAIN(TestLauncherPage)
#include "tst_launcher_page.moc"
