// The launcher window with a real browser engine: pages written as the page
// generator writes them, real clicks on their links, and a small recording
// program as the icons' command.

#include "ScriptedPrompter.h"
#include "components/Toolkit.h"
#include "launcher/LauncherPage.h"
#include "launcher/LauncherWindow.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineView>
#include <memory>

using namespace ulvanta;
using namespace ulvanta::launcher;
using ulvanta::test::ScriptedPrompter;

namespace {

struct Icon {
    Icon(QString d, QString c, QString p = {}, QString s = {}, QString r = {})
        : description(d), command(c), parameters(p), startIn(s), runWord(r) {}
    QString description, command, parameters, startIn, runWord; // run word as the page has it
};

// A field of an icon as the generator puts it into a link.
QString linkField(QString text) {
    return Toolkit::EncodeText(text.replace(QLatin1Char(','), QLatin1String("&comma;")));
}

// A page in the generator's format: title, command bar, a table of icons and the
// settings comment at its end.
QString generatedPage(const QString& title, const QList<Icon>& icons, const PageSettings& s = {},
                      const QStringList& commands = {}, const QString& headerHtml = {}) {
    static const QMap<QString, QString> captions{{"open", "Open"},    {"exit", "Exit"},
                                                 {"min", "Minimise"}, {"max", "Maximise"},
                                                 {"edit", "Edit"},    {"refresh", "Refresh"}};
    const QString t = Toolkit::EncodeText(title);
    QStringList bar, lines{"<html>",   "",       "<head>", "<title>" + t + "</title>", "</head>",
                           "",         "<body>", "",       "<h1>" + t + "</h1>",       "",
                           headerHtml, ""};
    for (const QString& c : commands)
        bar << "[ <a href=\"pmc:" + c + "\">" + captions[c] + "</a> ]";
    lines << "<p>" + bar.join(' ') + "</p>"
          << "<table border=\"0\" width=\"100%\">"
          << "  <tr>";
    for (const Icon& i : icons) {
        QString href = "pm:" + linkField(i.command) + "," + linkField(i.parameters) + "," +
                       linkField(i.startIn) + "," + i.runWord;
        while (href.endsWith(QLatin1Char(',')))
            href.chop(1);
        const QString d = Toolkit::EncodeText(i.description);
        lines << "    <td align=\"center\"><a href=\"" + href + "\" title=\"" + d + "\">" + d +
                     "</a></td>";
    }
    lines << "  </tr>"
          << "</table>"
          << ""
          << "</body>"
          << ""
          << "</html>"
          << ""
          << "<!-- Ulvanta info:";
    const auto add = [&](bool on, const QString& line) {
        if (on)
            lines << line;
    };
    add(!s.closable, "Closable=False");
    add(!s.extraCommands, "Extra commands=False");
    add(true, "Height=" + QString::number(s.height));
    add(!s.icon.isEmpty(), "Icon=" + Toolkit::EncodeText(s.icon));
    add(s.minimiseOnUse, "Minimise on use=True");
    add(s.startMaximised, "Start maximised=True");
    add(commands.contains("edit"), "Source file=" + s.sourceFile);
    add(true, "Width=" + QString::number(s.width) + "\r\n-->");
    return lines.join("\r\n");
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.flush();
}

// Clicks, with the mouse, the link whose text is given, once the page shows it.
bool clickLink(LauncherWindow& w, const QString& text) {
    const QString script =
        QStringLiteral("(function(t){var a=Array.from(document.querySelectorAll('a'))"
                       ".find(function(e){return e.textContent===t;});"
                       "if(!a)return null;a.scrollIntoView();var r=a.getBoundingClientRect();"
                       "return [r.left+r.width/2,r.top+r.height/2];})(%1[0])")
            .arg(QString::fromUtf8(QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact)));
    QVariantList at;
    const bool found = QTest::qWaitFor(
        [&] {
            std::optional<QVariant> result;
            w.view()->page()->runJavaScript(script, [&result](const QVariant& v) { result = v; });
            (void)QTest::qWaitFor([&] { return result.has_value(); }, 10000);
            at = result.value_or(QVariant()).toList();
            return at.size() == 2;
        },
        15000);
    if (!found || !w.view()->focusProxy())
        return false;
    QTest::mouseClick(w.view()->focusProxy(), Qt::LeftButton, {},
                      QPoint(qRound(at[0].toDouble()), qRound(at[1].toDouble())));
    return true;
}

QStringList arguments(const QJsonObject& record) {
    return record["arguments"].toVariant().toStringList();
}

// Catches what the launcher hands to the desktop to open.
class DesktopCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

// A web server on the loopback interface serving one page.
class LoopbackServer : public QTcpServer {
public:
    QByteArray page;
    LoopbackServer() {
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = nextPendingConnection()) {
                connect(s, &QTcpSocket::readyRead, s, [this, s] {
                    s->readAll();
                    s->write("HTTP/1.0 200 OK\r\nContent-Type: text/html\r\nContent-Length: " +
                             QByteArray::number(page.size()) + "\r\n\r\n" + page);
                    s->disconnectFromHost();
                });
                connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
            }
        });
    }
};

} // namespace

class TestLauncherWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init() {
        QFile::remove(m_record);
        m_prompter = std::make_unique<ScriptedPrompter>();
    }

    void missingPageIsReported();
    void iconStartsItsProgram_data();
    void iconStartsItsProgram();
    void documentsOpenWithTheDesktop_data();
    void documentsOpenWithTheDesktop();
    void failedIconIsReportedAndLauncherGoesOn();
    void windowFollowsPageSettings();
    void fixedWindowClosesOnlyByExit();
    void maximiseAndMinimiseCommands();
    void editCommand_data();
    void editCommand();
    void commandsShowingAnotherPage_data();
    void commandsShowingAnotherPage();
    void linkedLocalPageShowsInTheWindow_data();
    void linkedLocalPageShowsInTheWindow();
    void networkPageCannotStartPrograms();

private:
    QString at(QString text) const { return text.replace(QLatin1Char('@'), m_dir.path()); }
    QString writePage(const QString& name, const QString& title, const QList<Icon>& icons,
                      const PageSettings& s = {}, const QStringList& commands = {},
                      const QString& headerHtml = {}) {
        const QString path = at("@/" + name);
        return writeFile(path, generatedPage(title, icons, s, commands, headerHtml).toUtf8())
                   ? path
                   : QString();
    }
    // Opens the page in a new window and waits until it is shown and loaded.
    std::unique_ptr<LauncherWindow> show(const QString& page, const QString& programFolder = {}) {
        auto w = std::make_unique<LauncherWindow>(m_prompter.get(), programFolder);
        QSignalSpy loaded(w->view(), &QWebEngineView::loadFinished);
        if (!w->openPage(page) || !QTest::qWaitForWindowExposed(w.get()) ||
            !QTest::qWaitFor([&] { return !loaded.isEmpty() && loaded.last()[0].toBool(); }, 30000))
            return nullptr;
        return w;
    }
    bool recorded(int timeout = 15000) const {
        return QTest::qWaitFor([this] { return QFile::exists(m_record); }, timeout);
    }
    QJsonObject record() const {
        QFile f(m_record);
        return f.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(f.readAll()).object()
                                           : QJsonObject();
    }

    QTemporaryDir m_dir;
    QString m_program; // the recording program, in a folder with an awkward name
    QString m_startIn; // an awkward start-in folder
    QString m_record;  // where the recording program writes
    std::unique_ptr<ScriptedPrompter> m_prompter;
};

void TestLauncherWindow::initTestCase() {
    QVERIFY(m_dir.isValid());
    const QString recorder = QCoreApplication::applicationDirPath() + "/launcher_recorder";
    const QString bin = at(QString::fromUtf8("@/bin, \"é\" 1"));
    m_startIn = at(QString::fromUtf8("@/start, \"in\" é"));
    QVERIFY(QDir().mkpath(bin) && QDir().mkpath(m_startIn));
    m_program = bin + QString::fromUtf8("/rec, \"q\" é");
    QVERIFY2(QFile::copy(recorder, m_program), qPrintable(recorder));
    QVERIFY(QFile::setPermissions(m_program, QFile::ReadOwner | QFile::ExeOwner));
    m_record = at("@/record.json");
    qputenv("LAUNCHER_RECORD", QFile::encodeName(m_record));
}

void TestLauncherWindow::missingPageIsReported() {
    const QString path = at(QString::fromUtf8("@/no such, é.htm"));
    LauncherWindow w(m_prompter.get());
    QVERIFY(!w.openPage(path));
    QCOMPARE(m_prompter->messages.size(), 1);
    QCOMPARE(m_prompter->messages[0].text, "An error occurred when attempting to open the file '" +
                                               path + "' - File not found, 53");
    QCOMPARE(m_prompter->messages[0].title, QStringLiteral("Open Error"));
    QVERIFY(!w.isVisible());
}

void TestLauncherWindow::iconStartsItsProgram_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("parameters");
    QTest::addColumn<QString>("startIn");
    QTest::addColumn<QString>("runWord");
    QTest::addColumn<bool>("minimiseOnUse");
    QTest::addColumn<QStringList>("arguments");

    const auto row = [](const char* name, const char* command, const char* parameters,
                        const char* startIn, const char* runWord, bool minimise,
                        const QStringList& arguments) {
        QTest::newRow(name) << QString::fromUtf8(command) << QString::fromUtf8(parameters)
                            << QString::fromUtf8(startIn) << runWord << minimise << arguments;
    };
    row("commas, quotes, spaces and accents everywhere", "<program>",
        "plain \"two words\" 'single, quoted' \"a,b\" café \"say \\\"hi\\\"\" \"\"", "<start-in>",
        "", false,
        {"plain", "two words", "single, quoted", "a,b", QString::fromUtf8("café"), "say \"hi\"",
         ""});
    row("percent sign and ampersand", "<program>", "100% a&b \"café au lait\" %41", "<start-in>",
        "", false, {"100%", "a&b", QString::fromUtf8("café au lait"), "A"});
    row("command named relative to its start-in folder", "rec, \"q\" é", "x", "<bin>", "", false,
        {"x"});
    row("no start-in folder", "<program>", "only", "", "", false, {"only"});
    row("run word for a maximised window", "<program>", "m", "<start-in>", "maxfocus", false,
        {"m"});
    row("hidden: no display nor terminal", "<program>", "a b", "<start-in>", "hidden", false,
        {"a", "b"});
    row("window minimised on use", "<program>", "go", "", "", true, {"go"});
}

void TestLauncherWindow::iconStartsItsProgram() {
    QFETCH(QString, command);
    QFETCH(QString, parameters);
    QFETCH(QString, startIn);
    QFETCH(QString, runWord);
    QFETCH(bool, minimiseOnUse);
    command.replace(QLatin1String("<program>"), m_program);
    startIn.replace(QLatin1String("<start-in>"), m_startIn)
        .replace(QLatin1String("<bin>"), QFileInfo(m_program).absolutePath());
    PageSettings s;
    s.minimiseOnUse = minimiseOnUse;

    auto w = show(
        writePage("icons.htm", "Icons",
                  {{"Other", "/bin/true"}, {"Record", command, parameters, startIn, runWord}}, s));
    QVERIFY(w);
    QVERIFY(!w->isMinimized());
    QVERIFY(clickLink(*w, "Record"));
    QVERIFY(recorded());
    const QJsonObject r = record();
    QTEST(arguments(r), "arguments");
    QCOMPARE(r["folder"].toString(), startIn.isEmpty() ? QDir::currentPath() : startIn);
    const bool hidden = runWord == QLatin1String("hidden");
    QCOMPARE(r["display"].toBool(), !hidden);
    if (hidden)
        QCOMPARE(r["stdin"].toString(), QStringLiteral("/dev/null"));
    QCOMPARE(r["stdout"].toString() == QLatin1String("/dev/null"), hidden);
    QVERIFY(m_prompter->messages.isEmpty());
    QVERIFY(w->isVisible());
    if (minimiseOnUse)
        QTRY_VERIFY(w->isMinimized());
}

void TestLauncherWindow::documentsOpenWithTheDesktop_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("runWord");
    QTest::addColumn<QUrl>("opened");
    const QString doc = at(QString::fromUtf8("@/notes, é & \"more\".txt"));
    writeFile(doc, "notes\n");
    const QString web = QStringLiteral("https://example.invalid/a,b?c=%C3%A9");
    QTest::newRow("document") << doc << "" << QUrl::fromLocalFile(doc);
    QTest::newRow("document, hidden") << doc << "hidden" << QUrl::fromLocalFile(doc);
    QTest::newRow("folder") << m_startIn << "" << QUrl::fromLocalFile(m_startIn);
    QTest::newRow("web address") << web << "" << QUrl(web);
}

void TestLauncherWindow::documentsOpenWithTheDesktop() {
    QFETCH(QString, command);
    QFETCH(QString, runWord);
    DesktopCatcher catcher;
    QDesktopServices::setUrlHandler("file", &catcher, "open");
    QDesktopServices::setUrlHandler("https", &catcher, "open");
    auto w = show(writePage("docs.htm", "Documents", {{"Document", command, "", "", runWord}}));
    const bool caught = w && clickLink(*w, "Document") &&
                        QTest::qWaitFor([&] { return !catcher.opened.isEmpty(); }, 10000);
    QDesktopServices::unsetUrlHandler("file");
    QDesktopServices::unsetUrlHandler("https");
    QVERIFY(caught);
    QTEST(catcher.opened.value(0), "opened");
    QCOMPARE(catcher.opened.size(), 1);
    QVERIFY(m_prompter->messages.isEmpty());
}

void TestLauncherWindow::failedIconIsReportedAndLauncherGoesOn() {
    const QString missing = at("@/absent, prog");
    auto w = show(writePage("fail.htm", "Failing",
                            {{"Broken", missing, "a \"b c\""}, {"Works", m_program, "ok"}}));
    QVERIFY(w);
    QVERIFY(clickLink(*w, "Broken"));
    QTRY_VERIFY_WITH_TIMEOUT(!m_prompter->messages.isEmpty(), 10000);
    QCOMPARE(m_prompter->messages.size(), 1);
    QCOMPARE(m_prompter->messages[0].text, "An error occurred when running the command - '" +
                                               missing + " a \"b c\"' - File not found, 53");
    QCOMPARE(m_prompter->messages[0].title, QStringLiteral("Run Error"));
    QCOMPARE(m_prompter->messages[0].icon, PromptIcon::Critical);
    QVERIFY(clickLink(*w, "Works"));
    QVERIFY(recorded());
    QCOMPARE(arguments(record()), QStringList{"ok"});
}

void TestLauncherWindow::windowFollowsPageSettings() {
    PageSettings s;
    s.width = 530;
    s.height = 370;
    s.icon = at(QString::fromUtf8("@/icône, 1.png"));
    QImage red(32, 32, QImage::Format_ARGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(s.icon, "PNG"));
    const QString title = QString::fromUtf8("Café & \"Co\" <1>");
    auto w = show(writePage("settings.htm", title, {{"One", "/bin/true"}}, s));
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), title);
    QCOMPARE(w->size(), QSize(530, 370));
    QCOMPARE(w->windowIcon().pixmap(32, 32).toImage().pixelColor(16, 16), QColor(Qt::red));
    QVERIFY(w->windowFlags().testFlag(Qt::WindowCloseButtonHint) ||
            !w->windowFlags().testFlag(Qt::CustomizeWindowHint));
    QVERIFY(!w->isMaximized());

    // Extra commands (on unless the page says False): the window's context menu.
    QCOMPARE(w->view()->contextMenuPolicy(), Qt::CustomContextMenu);
    QVERIFY(w->close());
    QVERIFY(!w->isVisible());
}

void TestLauncherWindow::fixedWindowClosesOnlyByExit() {
    PageSettings s;
    s.closable = false;
    s.extraCommands = false;
    auto w = show(writePage("fixed.htm", "Fixed", {{"One", "/bin/true"}}, s, {"exit"}));
    QVERIFY(w);
    QVERIFY(w->windowFlags().testFlag(Qt::CustomizeWindowHint));
    QVERIFY(!w->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QCOMPARE(w->view()->contextMenuPolicy(), Qt::NoContextMenu);
    QVERIFY(!w->close());
    QVERIFY(w->isVisible());
    QVERIFY(clickLink(*w, "Exit"));
    QTRY_VERIFY(!w->isVisible());
}

void TestLauncherWindow::maximiseAndMinimiseCommands() {
    PageSettings s;
    s.startMaximised = true;
    auto w = show(writePage("maxed.htm", "Maxed", {{"One", "/bin/true"}}, s, {"min", "max"}));
    QVERIFY(w);
    QVERIFY(w->isMaximized());
    QVERIFY(clickLink(*w, "Maximise"));
    QTRY_VERIFY(!w->isMaximized());
    QTRY_COMPARE(w->size(), QSize(PageSettings::DefaultWidth, PageSettings::DefaultHeight));
    QVERIFY(clickLink(*w, "Maximise"));
    QTRY_VERIFY(w->isMaximized());
    QVERIFY(clickLink(*w, "Minimise"));
    QTRY_VERIFY(w->isMinimized());
}

void TestLauncherWindow::editCommand_data() {
    QTest::addColumn<bool>("sourceNamed");
    QTest::newRow("starts the editor on the source document") << true;
    QTest::newRow("explains when the page names no source") << false;
}

void TestLauncherWindow::editCommand() {
    QFETCH(bool, sourceNamed);
    // A program folder whose "editor" is the recording program.
    const QString programs = at("@/programs"), editor = programs + "/ulvanta-editor";
    QVERIFY(QDir().mkpath(programs));
    QFile::remove(editor);
    QVERIFY(QFile::copy(m_program, editor));
    QVERIFY(QFile::setPermissions(editor, QFile::ReadOwner | QFile::ExeOwner));
    PageSettings s;
    if (sourceNamed) {
        s.sourceFile = at(QString::fromUtf8("@/my menu, é&1.pmf"));
        QVERIFY(writeFile(s.sourceFile, "VODK"));
    }
    auto w = show(writePage("edit.htm", "Edit", {{"One", "/bin/true"}}, s, {"edit"}), programs);
    QVERIFY(w);
    QVERIFY(clickLink(*w, "Edit"));
    if (sourceNamed) {
        QVERIFY(recorded());
        QCOMPARE(record()["program"].toString(), editor);
        QCOMPARE(arguments(record()), QStringList{s.sourceFile});
        QVERIFY(m_prompter->messages.isEmpty());
    } else {
        QTRY_VERIFY_WITH_TIMEOUT(!m_prompter->messages.isEmpty(), 10000);
        QCOMPARE(m_prompter->messages[0].title, QStringLiteral("Edit"));
        QVERIFY(m_prompter->messages[0].text.contains(QLatin1String("does not name the document")));
        QVERIFY(!recorded(1000));
    }
}

void TestLauncherWindow::commandsShowingAnotherPage_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("newPage");
    QTest::newRow("refresh rereads the page") << "refresh"
                                              << "Refresh"
                                              << "page.htm";
    QTest::newRow("open shows the chosen page") << "open"
                                                << "Open"
                                                << "second é.htm";
}

void TestLauncherWindow::commandsShowingAnotherPage() {
    QFETCH(QString, command);
    QFETCH(QString, caption);
    QFETCH(QString, newPage);
    PageSettings s;
    s.width = 420;
    s.height = 320;
    auto w = show(writePage("page.htm", "Before", {{"One", "/bin/true"}}, s, {command}));
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QStringLiteral("Before"));

    s.width = 460;
    s.closable = false;
    const QString second = writePage(newPage, "After", {{"Two", m_program, "two"}}, s, {command});
    QVERIFY(!second.isEmpty());
    m_prompter->files.push_back(second);
    QVERIFY(clickLink(*w, caption));
    QTRY_COMPARE(w->windowTitle(), QStringLiteral("After"));
    QCOMPARE(m_prompter->fileRequests.size(), command == QLatin1String("open") ? 1 : 0);
    QVERIFY(m_prompter->fileRequests.isEmpty() || !m_prompter->fileRequests[0].save);
    QCOMPARE(w->pagePath(), second);
    QCOMPARE(w->size(), QSize(460, 320));
    QVERIFY(!w->settings().closable);
    QVERIFY(clickLink(*w, "Two")); // the new page itself is shown
    QVERIFY(recorded());
    QCOMPARE(arguments(record()), QStringList{"two"});
}

void TestLauncherWindow::linkedLocalPageShowsInTheWindow_data() {
    QTest::addColumn<QString>("link");
    const QString linked = at(QString::fromUtf8("@/linked, é.htm"));
    QTest::newRow("hyperlink item") << "<a href=\"" + linkField(linked) + "\">Go there</a>";
    QTest::newRow("link to a new window")
        << QString::fromUtf8("<a href=\"linked, é.htm\" target=\"_blank\">Go there</a>");
}

void TestLauncherWindow::linkedLocalPageShowsInTheWindow() {
    QFETCH(QString, link);
    PageSettings other;
    other.width = 380;
    other.height = 280;
    const QString second = writePage(QString::fromUtf8("linked, é.htm"), "Linked",
                                     {{"There", m_program, "linked"}}, other);
    auto w = show(writePage("links.htm", "Links", {}, {}, {}, link));
    QVERIFY(w);
    QVERIFY(clickLink(*w, "Go there"));
    QTRY_COMPARE(w->view()->url(), QUrl::fromLocalFile(second));
    QTRY_COMPARE(w->windowTitle(), QStringLiteral("Linked"));
    QCOMPARE(w->size(), QSize(380, 280));
    // The local page reached by the link runs its icons.
    QVERIFY(clickLink(*w, "There"));
    QVERIFY(recorded());
    QCOMPARE(arguments(record()), QStringList{"linked"});
}

void TestLauncherWindow::networkPageCannotStartPrograms() {
    LoopbackServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    server.page =
        generatedPage("Remote", {{"Run me", m_program, "remote"}}, {}, {"exit", "min"}).toUtf8();
    const QString address =
        QStringLiteral("http://127.0.0.1:%1/remote.htm").arg(server.serverPort());
    // An icon link asking for a new window runs nothing either.
    auto w = show(writePage("toremote.htm", "Local", {}, {}, {},
                            "<a href=\"" + address + "\">Remote page</a> <a href=\"pm:" +
                                Toolkit::EncodeText(m_program) +
                                ",popup\" target=\"_blank\">Icon in new window</a>"));
    QVERIFY(w);
    QVERIFY(clickLink(*w, "Icon in new window"));
    QVERIFY(clickLink(*w, "Remote page"));
    QTRY_COMPARE(w->view()->url(), QUrl(address));
    QVERIFY(clickLink(*w, "Run me"));
    QVERIFY(clickLink(*w, "Exit"));
    QVERIFY(clickLink(*w, "Minimise"));
    QVERIFY(!recorded(3000));
    QVERIFY(w->isVisible());
    QVERIFY(!w->isMinimized());
    QVERIFY(m_prompter->messages.isEmpty());
    QCOMPARE(w->view()->url(), QUrl(address));
}

int main(int argc, char* argv[]) {
    registerLinkSchemes();
    QApplication app(argc, argv);
    TestLauncherWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_launcher_window_web.moc"
