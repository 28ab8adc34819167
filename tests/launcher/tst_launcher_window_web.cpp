// The launcher window with a real browser engine: pages written exactly as the
// page generator writes them, real clicks on their links, and a small recording
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
    Icon(QString d, QString c, QString p = QString(), QString s = QString(), QString r = QString())
        : description(std::move(d)), command(std::move(c)), parameters(std::move(p)),
          startIn(std::move(s)), runWord(std::move(r)) {}
    QString description;
    QString command;
    QString parameters;
    QString startIn;
    QString runWord; // as the page carries it: "", "hidden", "maxfocus", ...
    bool hyperlink = false;
};

// A field of an icon as the generator puts it into a link.
QString linkField(QString text) {
    text.replace(QLatin1Char(','), QLatin1String("&comma;"));
    return Toolkit::EncodeText(text);
}

const QString CRLF = QStringLiteral("\r\n");

// A page in the generator's format: head, heading, command bar, one table of
// icons (Columns 5) and the settings comment.
QString generatedPage(const QString& title, const QList<Icon>& icons, const PageSettings& s,
                      const QStringList& commands = {}, const QString& headerHtml = {}) {
    const QString t = Toolkit::EncodeText(title);
    QString page = "<html>" + CRLF + CRLF + "<head>" + CRLF +
                   "<meta name=\"generator\" content=\"Ulvanta Editor 3.3.13 by the Ulvanta "
                   "developers\">" +
                   CRLF + "<title>" + t + "</title>" + CRLF + "</head>" + CRLF + CRLF + "<body>" +
                   CRLF + CRLF + "<h1>" + t + "</h1>" + CRLF + CRLF;
    if (!headerHtml.isEmpty())
        page += headerHtml + CRLF + CRLF;
    const QList<std::pair<QString, QString>> bar = {
        {"open", "[ <a href=\"pmc:open\">Open</a> ] "},
        {"exit", "[ <a href=\"pmc:exit\">Exit</a> ] "},
        {"min", "[ <a href=\"pmc:min\">Minimise</a> ] "},
        {"max", "[ <a href=\"pmc:max\">Maximise</a> ] "},
        {"edit", "[ <a href=\"pmc:edit\">Edit</a> ]"},
        {"refresh", "[ <a href=\"pmc:refresh\">Refresh</a> ]"}};
    QString items;
    for (const auto& [name, item] : bar)
        if (commands.contains(name))
            items += item;
    if (!items.isEmpty()) {
        if (items.endsWith(QLatin1Char(' ')))
            items.chop(1);
        page += "<p>" + items + "</p>" + CRLF + CRLF;
    }
    if (!icons.isEmpty()) {
        const int columns = int(std::min<qsizetype>(5, icons.size()));
        const QString width = QString::number(100.0 / columns, 'g', 15);
        page += "<table border=\"0\" width=\"100%\">" + CRLF;
        int cells = 0;
        for (const Icon& icon : icons) {
            if (cells == 0)
                page += "  <tr>" + CRLF;
            QString href = (icon.hyperlink ? QString() : QStringLiteral("pm:")) +
                           linkField(icon.command) + "," + linkField(icon.parameters) + "," +
                           linkField(icon.startIn) + "," + icon.runWord;
            while (href.endsWith(QLatin1Char(',')))
                href.chop(1);
            const QString d = Toolkit::EncodeText(icon.description);
            page += "    <td width=\"" + width + "%\" align=\"center\"><a href=\"" + href +
                    "\" title=\"" + d + "\">" + d + "</a></td>" + CRLF;
            if (++cells == columns) {
                page += "  </tr>" + CRLF;
                cells = 0;
            }
        }
        if (cells > 0)
            page += "  </tr>" + CRLF;
        page += "</table>" + CRLF + CRLF;
    }
    page += "</body>" + CRLF + CRLF + "</html>" + CRLF + CRLF + "<!-- Ulvanta info:" + CRLF;
    if (!s.closable)
        page += "Closable=False" + CRLF;
    if (!s.extraCommands)
        page += "Extra commands=False" + CRLF;
    page += "Height=" + QString::number(s.height) + CRLF;
    if (!s.icon.isEmpty())
        page += "Icon=" + Toolkit::EncodeText(s.icon) + CRLF;
    if (s.minimiseOnUse)
        page += "Minimise on use=True" + CRLF;
    if (s.startMaximised)
        page += "Start maximised=True" + CRLF;
    if (commands.contains(QLatin1String("edit")))
        page += "Source file=" + s.sourceFile + CRLF;
    page += "Width=" + QString::number(s.width) + CRLF + "-->";
    return page;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.flush();
}

// Runs a script in the page and waits for its result.
QVariant evaluate(QWebEnginePage* page, const QString& script) {
    auto result = std::make_shared<std::optional<QVariant>>();
    page->runJavaScript(script, [result](const QVariant& v) { *result = v; });
    if (!QTest::qWaitFor([&] { return result->has_value(); }, 10000))
        return QVariant();
    return result->value_or(QVariant());
}

// Clicks, with the mouse, the link whose text is given, once the page shows it.
bool clickLink(LauncherWindow& w, const QString& text) {
    const QString quoted =
        QString::fromUtf8(QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact))
            .mid(1)
            .chopped(1);
    const QString script =
        QStringLiteral("(function(t){var a=Array.from(document.querySelectorAll('a'))"
                       ".find(function(e){return e.textContent===t;});"
                       "if(!a)return null;a.scrollIntoView();"
                       "var r=a.getBoundingClientRect();"
                       "return [r.left+r.width/2,r.top+r.height/2];})(%1)")
            .arg(quoted);
    QVariantList at;
    const bool found = QTest::qWaitFor(
        [&] {
            at = evaluate(w.view()->page(), script).toList();
            return at.size() == 2;
        },
        15000);
    if (!found || !w.view()->focusProxy())
        return false;
    QTest::mouseClick(w.view()->focusProxy(), Qt::LeftButton, {},
                      QPoint(qRound(at[0].toDouble()), qRound(at[1].toDouble())));
    return true;
}

QJsonObject readRecord(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(f.readAll()).object();
}

QStringList toStrings(const QJsonValue& v) {
    QStringList out;
    for (const QJsonValue& e : v.toArray())
        out << e.toString();
    return out;
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
    void init();
    void cleanup();

    void missingPageIsReported();
    void iconStartsItsProgram_data();
    void iconStartsItsProgram();
    void hiddenIconGetsNoDisplayNorTerminal();
    void documentsOpenWithTheDesktop_data();
    void documentsOpenWithTheDesktop();
    void failedIconIsReportedAndLauncherGoesOn();
    void minimiseOnUse();
    void windowFollowsPageSettings();
    void fixedWindowClosesOnlyByExit();
    void startMaximised();
    void minimiseAndMaximiseCommands();
    void editStartsTheEditorOnTheSource();
    void editWithoutSourceExplains();
    void refreshRereadsThePage();
    void openShowsAnotherPage();
    void hyperlinkItemShowsPageInWindow();
    void newWindowLinkOpensInTheWindow();
    void networkPageCannotStartPrograms();

private:
    QString at(QString text) const { return text.replace(QLatin1Char('@'), m_dir.path()); }
    QString writePage(const QString& name, const QString& title, const QList<Icon>& icons,
                      const PageSettings& s = PageSettings(), const QStringList& commands = {},
                      const QString& headerHtml = {});
    // Opens the page in a new window and waits until it is shown and loaded.
    std::unique_ptr<LauncherWindow> show(const QString& page, const QString& programFolder = {});
    bool recorded(int timeout = 15000) const;

    QTemporaryDir m_dir;
    QString m_program; // the recording program, in a folder with an awkward name
    QString m_startIn; // an awkward start-in folder
    QString m_record;  // where the recording program writes
    ScriptedPrompter* m_prompter = nullptr;
};

void TestLauncherWindow::initTestCase() {
    QVERIFY(m_dir.isValid());
    const QString recorder = QCoreApplication::applicationDirPath() + "/launcher_recorder";
    QVERIFY2(QFile::exists(recorder), qPrintable(recorder));
    const QString bin = at(QString::fromUtf8("@/bin, \"é\" 1"));
    m_startIn = at(QString::fromUtf8("@/start, \"in\" é"));
    QVERIFY(QDir().mkpath(bin));
    QVERIFY(QDir().mkpath(m_startIn));
    m_program = bin + QString::fromUtf8("/rec, \"q\" é");
    QVERIFY(QFile::copy(recorder, m_program));
    QVERIFY(QFile::setPermissions(m_program, QFile::ReadOwner | QFile::ExeOwner));
    m_record = at("@/record.json");
    qputenv("LAUNCHER_RECORD", QFile::encodeName(m_record));
}

void TestLauncherWindow::init() {
    QFile::remove(m_record);
    m_prompter = new ScriptedPrompter;
}

void TestLauncherWindow::cleanup() {
    delete m_prompter;
    m_prompter = nullptr;
}

QString TestLauncherWindow::writePage(const QString& name, const QString& title,
                                      const QList<Icon>& icons, const PageSettings& s,
                                      const QStringList& commands, const QString& headerHtml) {
    const QString path = at("@/" + name);
    if (!writeFile(path, generatedPage(title, icons, s, commands, headerHtml).toUtf8()))
        return QString();
    return path;
}

std::unique_ptr<LauncherWindow> TestLauncherWindow::show(const QString& page,
                                                         const QString& programFolder) {
    auto w = std::make_unique<LauncherWindow>(m_prompter, programFolder);
    QSignalSpy loaded(w->view(), &QWebEngineView::loadFinished);
    if (!w->openPage(page))
        return nullptr;
    if (!QTest::qWaitForWindowExposed(w.get()))
        return nullptr;
    if (!QTest::qWaitFor([&] { return !loaded.isEmpty() && loaded.last().value(0).toBool(); },
                         30000))
        return nullptr;
    return w;
}

bool TestLauncherWindow::recorded(int timeout) const {
    return QTest::qWaitFor([this] { return QFile::exists(m_record); }, timeout);
}

void TestLauncherWindow::missingPageIsReported() {
    const QString path = at(QString::fromUtf8("@/no such, é.htm"));
    LauncherWindow w(m_prompter);
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
    QTest::addColumn<QStringList>("arguments");

    const QString program = QStringLiteral("<program>");
    const QString startIn = QStringLiteral("<start-in>");
    QTest::newRow("commas, quotes, spaces and accents everywhere")
        << program
        << QString::fromUtf8(
               "plain \"two words\" 'single, quoted' \"a,b\" café \"say \\\"hi\\\"\" \"\"")
        << startIn << ""
        << QStringList{
               "plain",      "two words", "single, quoted", "a,b", QString::fromUtf8("café"),
               "say \"hi\"", ""};
    QTest::newRow("percent sign and ampersand")
        << program << QString::fromUtf8("100% a&b \"caf\u00e9 au lait\" %41") << startIn << ""
        << QStringList{"100%", "a&b", QString::fromUtf8("café au lait"), "A"};
    QTest::newRow("command named relative to its start-in folder")
        << QString::fromUtf8("rec, \"q\" é") << "x"
        << "<bin>"
        << "" << QStringList{"x"};
    QTest::newRow("no start-in folder") << program << "only"
                                        << ""
                                        << "" << QStringList{"only"};
    QTest::newRow("run word for a maximised window")
        << program << "m" << startIn << "maxfocus" << QStringList{"m"};
    QTest::newRow("run word for an unfocused window")
        << program << "n" << startIn << "minnofocus" << QStringList{"n"};
}

void TestLauncherWindow::iconStartsItsProgram() {
    QFETCH(QString, command);
    QFETCH(QString, parameters);
    QFETCH(QString, startIn);
    QFETCH(QString, runWord);
    QFETCH(QStringList, arguments);
    const QString bin = QFileInfo(m_program).absolutePath();
    command.replace(QLatin1String("<program>"), m_program);
    startIn.replace(QLatin1String("<start-in>"), m_startIn).replace(QLatin1String("<bin>"), bin);

    const QString page = writePage(
        "icons.htm", "Icons",
        {Icon{"Other", "/bin/true"}, Icon{"Record", command, parameters, startIn, runWord}});
    auto w = show(page);
    QVERIFY(w);
    QVERIFY(clickLink(*w, "Record"));
    QVERIFY(recorded());
    const QJsonObject r = readRecord(m_record);
    QCOMPARE(toStrings(r["arguments"]), arguments);
    QCOMPARE(r["folder"].toString(), startIn.isEmpty() ? QDir::currentPath() : startIn);
    QCOMPARE(r["display"].toBool(), true);
    QVERIFY(r["stdout"].toString() != QLatin1String("/dev/null"));
    QVERIFY(m_prompter->messages.isEmpty());
    QVERIFY(w->isVisible());
}

void TestLauncherWindow::hiddenIconGetsNoDisplayNorTerminal() {
    const QString page =
        writePage("hidden.htm", "Hidden", {Icon{"Quiet", m_program, "a b", m_startIn, "hidden"}});
    auto w = show(page);
    QVERIFY(w);
    QVERIFY(clickLink(*w, "Quiet"));
    QVERIFY(recorded());
    const QJsonObject r = readRecord(m_record);
    QCOMPARE(toStrings(r["arguments"]), (QStringList{"a", "b"}));
    QCOMPARE(r["folder"].toString(), m_startIn);
    QCOMPARE(r["display"].toBool(), false);
    QCOMPARE(r["stdin"].toString(), QStringLiteral("/dev/null"));
    QCOMPARE(r["stdout"].toString(), QStringLiteral("/dev/null"));
}

void TestLauncherWindow::documentsOpenWithTheDesktop_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("runWord");
    QTest::addColumn<QUrl>("opened");
    const QString doc = at(QString::fromUtf8("@/notes, é & \"more\".txt"));
    writeFile(doc, "notes\n");
    QTest::newRow("document") << doc << "" << QUrl::fromLocalFile(doc);
    QTest::newRow("document, hidden") << doc << "hidden" << QUrl::fromLocalFile(doc);
    QTest::newRow("folder") << m_startIn << "" << QUrl::fromLocalFile(m_startIn);
    QTest::newRow("web address") << "https://example.invalid/a,b?c=%C3%A9"
                                 << "" << QUrl("https://example.invalid/a,b?c=%C3%A9");
}

void TestLauncherWindow::documentsOpenWithTheDesktop() {
    QFETCH(QString, command);
    QFETCH(QString, runWord);
    QFETCH(QUrl, opened);
    DesktopCatcher catcher;
    QDesktopServices::setUrlHandler("file", &catcher, "open");
    QDesktopServices::setUrlHandler("https", &catcher, "open");
    const QString page =
        writePage("docs.htm", "Documents", {Icon{"Document", command, "", "", runWord}});
    auto w = show(page);
    QVERIFY(w);
    QVERIFY(clickLink(*w, "Document"));
    const bool caught = QTest::qWaitFor([&] { return !catcher.opened.isEmpty(); }, 10000);
    QDesktopServices::unsetUrlHandler("file");
    QDesktopServices::unsetUrlHandler("https");
    QVERIFY(caught);
    QCOMPARE(catcher.opened, QList<QUrl>{opened});
    QVERIFY(m_prompter->messages.isEmpty());
}

void TestLauncherWindow::failedIconIsReportedAndLauncherGoesOn() {
    const QString missing = at("@/absent, prog");
    const QString page =
        writePage("fail.htm", "Failing",
                  {Icon{"Broken", missing, "a \"b c\""}, Icon{"Works", m_program, "ok"}});
    auto w = show(page);
    QVERIFY(w);
    QVERIFY(clickLink(*w, "Broken"));
    QVERIFY(QTest::qWaitFor([&] { return !m_prompter->messages.isEmpty(); }, 10000));
    QCOMPARE(m_prompter->messages.size(), 1);
    QCOMPARE(m_prompter->messages[0].text, "An error occurred when running the command - '" +
                                               missing + " a \"b c\"' - File not found, 53");
    QCOMPARE(m_prompter->messages[0].title, QStringLiteral("Run Error"));
    QCOMPARE(m_prompter->messages[0].icon, PromptIcon::Critical);
    QVERIFY(w->isVisible());

    QVERIFY(clickLink(*w, "Works"));
    QVERIFY(recorded());
    QCOMPARE(toStrings(readRecord(m_record)["arguments"]), QStringList{"ok"});
}

void TestLauncherWindow::minimiseOnUse() {
    PageSettings s;
    s.minimiseOnUse = true;
    const QString page = writePage("minuse.htm", "Min", {Icon{"Go", m_program, "go"}}, s);
    auto w = show(page);
    QVERIFY(w);
    QVERIFY(!w->isMinimized());
    QVERIFY(clickLink(*w, "Go"));
    QVERIFY(recorded());
    QTRY_VERIFY(w->isMinimized());
}

void TestLauncherWindow::windowFollowsPageSettings() {
    const QString iconPath = at(QString::fromUtf8("@/icône, 1.png"));
    QImage red(32, 32, QImage::Format_ARGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(iconPath, "PNG"));
    PageSettings s;
    s.width = 530;
    s.height = 370;
    s.icon = iconPath;
    const QString page = writePage("settings.htm", QString::fromUtf8("Café & \"Co\" <1>"),
                                   {Icon{"One", "/bin/true"}}, s);
    auto w = show(page);
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QString::fromUtf8("Café & \"Co\" <1>"));
    QCOMPARE(w->size(), QSize(530, 370));
    QCOMPARE(w->windowIcon().pixmap(32, 32).toImage().pixelColor(16, 16), QColor(Qt::red));
    QVERIFY(w->windowFlags().testFlag(Qt::WindowCloseButtonHint) ||
            !w->windowFlags().testFlag(Qt::CustomizeWindowHint));
    QCOMPARE(w->isMaximized(), false);

    // Extra commands (on unless the page says False): the window's context menu.
    QCOMPARE(w->view()->contextMenuPolicy(), Qt::CustomContextMenu);
    QStringList offered;
    bool editEnabled = true;
    for (QAction* a : w->commandMenu()->actions()) {
        if (a->isSeparator())
            continue;
        offered << a->text();
        if (a->text() == QLatin1String("&Edit"))
            editEnabled = a->isEnabled();
    }
    QCOMPARE(offered,
             (QStringList{"&Open...", "&Edit", "&Refresh", "Mi&nimise", "Ma&ximise", "E&xit"}));
    QVERIFY2(!editEnabled, "Edit is offered for a page that names no source document");

    QVERIFY(w->close());
    QVERIFY(!w->isVisible());
}

void TestLauncherWindow::fixedWindowClosesOnlyByExit() {
    PageSettings s;
    s.closable = false;
    s.extraCommands = false;
    const QString page = writePage("fixed.htm", "Fixed", {Icon{"One", "/bin/true"}}, s, {"exit"});
    auto w = show(page);
    QVERIFY(w);
    QVERIFY(w->windowFlags().testFlag(Qt::CustomizeWindowHint));
    QVERIFY(!w->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QCOMPARE(w->view()->contextMenuPolicy(), Qt::NoContextMenu);

    QVERIFY(!w->close());
    QVERIFY(w->isVisible());

    QVERIFY(clickLink(*w, "Exit"));
    QTRY_VERIFY(!w->isVisible());
}

void TestLauncherWindow::startMaximised() {
    PageSettings s;
    s.startMaximised = true;
    const QString page = writePage("maxed.htm", "Maxed", {Icon{"One", "/bin/true"}}, s);
    auto w = show(page);
    QVERIFY(w);
    QVERIFY(w->isMaximized());
    w->showNormal();
    QTRY_COMPARE(w->size(), QSize(PageSettings::DefaultWidth, PageSettings::DefaultHeight));
}

void TestLauncherWindow::minimiseAndMaximiseCommands() {
    PageSettings s;
    s.width = 400;
    s.height = 300;
    const QString page =
        writePage("minmax.htm", "MinMax", {Icon{"One", "/bin/true"}}, s, {"min", "max"});
    auto w = show(page);
    QVERIFY(w);
    QVERIFY(clickLink(*w, "Maximise"));
    QTRY_VERIFY(w->isMaximized());
    QVERIFY(clickLink(*w, "Maximise"));
    QTRY_VERIFY(!w->isMaximized());
    QVERIFY(clickLink(*w, "Minimise"));
    QTRY_VERIFY(w->isMinimized());
}

void TestLauncherWindow::editStartsTheEditorOnTheSource() {
    // A program folder whose "editor" is the recording program.
    const QString programs = at("@/programs");
    QVERIFY(QDir().mkpath(programs));
    const QString editor = programs + "/ulvanta-editor";
    QFile::remove(editor);
    QVERIFY(QFile::copy(m_program, editor));
    QVERIFY(QFile::setPermissions(editor, QFile::ReadOwner | QFile::ExeOwner));
    const QString source = at(QString::fromUtf8("@/my menu, é&1.pmf"));
    QVERIFY(writeFile(source, "VODK"));

    PageSettings s;
    s.sourceFile = source;
    const QString page = writePage("edit.htm", "Edit", {Icon{"One", "/bin/true"}}, s, {"edit"});
    auto w = show(page, programs);
    QVERIFY(w);
    QVERIFY(clickLink(*w, "Edit"));
    QVERIFY(recorded());
    const QJsonObject r = readRecord(m_record);
    QCOMPARE(r["program"].toString(), editor);
    QCOMPARE(toStrings(r["arguments"]), QStringList{source});
    QVERIFY(m_prompter->messages.isEmpty());
}

void TestLauncherWindow::editWithoutSourceExplains() {
    const QString page = writePage("nosource.htm", "No source", {Icon{"One", "/bin/true"}},
                                   PageSettings(), {"edit"});
    auto w = show(page, at("@"));
    QVERIFY(w);
    QVERIFY(clickLink(*w, "Edit"));
    QVERIFY(QTest::qWaitFor([&] { return !m_prompter->messages.isEmpty(); }, 10000));
    QCOMPARE(m_prompter->messages[0].title, QStringLiteral("Edit"));
    QVERIFY(m_prompter->messages[0].text.contains(QLatin1String("does not name the document")));
    QVERIFY(!recorded(1000));
}

void TestLauncherWindow::refreshRereadsThePage() {
    PageSettings s;
    s.width = 420;
    s.height = 320;
    const QString page =
        writePage("refresh.htm", "Before", {Icon{"One", "/bin/true"}}, s, {"refresh"});
    auto w = show(page);
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QStringLiteral("Before"));

    s.width = 460;
    s.closable = false;
    QVERIFY(
        !writePage("refresh.htm", "After", {Icon{"Two", "/bin/true"}}, s, {"refresh"}).isEmpty());
    QVERIFY(clickLink(*w, "Refresh"));
    QTRY_COMPARE(w->windowTitle(), QStringLiteral("After"));
    QCOMPARE(w->size(), QSize(460, 320));
    QVERIFY(!w->settings().closable);
    QVERIFY(clickLink(*w, "Two")); // the page itself was loaded again
}

void TestLauncherWindow::openShowsAnotherPage() {
    PageSettings other;
    other.width = 450;
    other.height = 330;
    const QString second = writePage(QString::fromUtf8("second é.htm"), "Second",
                                     {Icon{"Again", m_program, "second"}}, other);
    const QString page =
        writePage("first.htm", "First", {Icon{"One", "/bin/true"}}, PageSettings(), {"open"});
    auto w = show(page);
    QVERIFY(w);
    m_prompter->files.push_back(second);
    QVERIFY(clickLink(*w, "Open"));
    QTRY_COMPARE(w->windowTitle(), QStringLiteral("Second"));
    QCOMPARE(m_prompter->fileRequests.size(), 1);
    QCOMPARE(m_prompter->fileRequests[0].save, false);
    QCOMPARE(w->pagePath(), second);
    QCOMPARE(w->size(), QSize(450, 330));
    QVERIFY(clickLink(*w, "Again"));
    QVERIFY(recorded());
    QCOMPARE(toStrings(readRecord(m_record)["arguments"]), QStringList{"second"});
}

void TestLauncherWindow::hyperlinkItemShowsPageInWindow() {
    PageSettings other;
    other.width = 380;
    other.height = 280;
    const QString second = writePage(QString::fromUtf8("linked, é.htm"), "Linked",
                                     {Icon{"There", m_program, "linked"}}, other);
    Icon link{"Go there", second};
    link.hyperlink = true;
    const QString page = writePage("links.htm", "Links", {link});
    auto w = show(page);
    QVERIFY(w);
    QVERIFY(clickLink(*w, "Go there"));
    QTRY_COMPARE(w->view()->url(), QUrl::fromLocalFile(second));
    QTRY_COMPARE(w->windowTitle(), QStringLiteral("Linked"));
    QCOMPARE(w->size(), QSize(380, 280));
    // The local page reached by the link runs its icons.
    QVERIFY(clickLink(*w, "There"));
    QVERIFY(recorded());
    QCOMPARE(toStrings(readRecord(m_record)["arguments"]), QStringList{"linked"});
}

void TestLauncherWindow::newWindowLinkOpensInTheWindow() {
    const QString second =
        writePage("target.htm", "Target", {Icon{"Target icon", m_program, "target"}});
    const QString page = writePage(
        "blank.htm", "Blank", {Icon{"One", "/bin/true"}}, PageSettings(), {},
        "<a href=\"target.htm\" target=\"_blank\">New window</a> "
        "<a href=\"pm:" +
            Toolkit::EncodeText(m_program) + ",popup\" target=\"_blank\">Icon in new window</a>");
    auto w = show(page);
    QVERIFY(w);
    QVERIFY(clickLink(*w, "Icon in new window"));
    QVERIFY(!recorded(2000));
    QVERIFY(clickLink(*w, "New window"));
    QTRY_COMPARE(w->view()->url(), QUrl::fromLocalFile(second));
    QTRY_COMPARE(w->windowTitle(), QStringLiteral("Target"));
    QVERIFY(clickLink(*w, "Target icon"));
    QVERIFY(recorded());
}

void TestLauncherWindow::networkPageCannotStartPrograms() {
    LoopbackServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    server.page = generatedPage("Remote", {Icon{"Run me", m_program, "remote"}}, PageSettings(),
                                {"exit", "min"})
                      .toUtf8();
    const QString address =
        QStringLiteral("http://127.0.0.1:%1/remote.htm").arg(server.serverPort());
    Icon link{"Remote page", address};
    link.hyperlink = true;
    const QString page = writePage("toremote.htm", "Local", {link});
    auto w = show(page);
    QVERIFY(w);
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
