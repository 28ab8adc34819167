// The launcher window with a real browser engine: pages built by the page
// generator, real clicks on their links, and a small recording program as the
// icons' command. One window shows page after page, as the launcher does.

#include "Files.h"
#include "ScriptedPrompter.h"
#include "components/HtmlText.h"
#include "components/KeyValueFile.h"
#include "components/ProgramInfo.h"
#include "document/Document.h"
#include "generator/PageGenerator.h"
#include "launcher/LauncherPage.h"
#include "launcher/LauncherWindow.h"
#include "widgets/BrowserEngine.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineView>
#include <csignal>
#include <cstdio>
#include <memory>
#include <unistd.h>

using namespace ulvanta;
using namespace ulvanta::launcher;

Q_DECLARE_METATYPE(ulvanta::ItemRow)

namespace {

ItemRow icon(const QString& description, const QString& command, const QString& parameters = {},
             const QString& startIn = {}, const QString& run = QStringLiteral("Normal Window")) {
    return {description, command, parameters, startIn, {}, run, {}};
}

// The page the editor builds from "Name=value" settings ("Path=" names the
// document) and icon rows.
QByteArray buildPage(const QStringList& settings, const std::vector<ItemRow>& icons) {
    Document doc;
    doc.resetProperties();
    for (const QString& s : settings) {
        if (s.startsWith(QLatin1String("Path=")))
            doc.setFilePath(s.mid(5));
        else
            doc.setSetting(s.section(QLatin1Char('='), 0, 0), s.section(QLatin1Char('='), 1));
    }
    doc.items().appendItems(icons);
    KeyValueFile keys;
    return PageGenerator(doc, keys).generatePage(false, {}).toUtf8();
}

// Clicks, with the mouse, the link whose text is given, once the page shows it.
bool clickLink(LauncherWindow& w, const QString& text) {
    const QString script =
        QStringLiteral("(function(t){var a=Array.from(document.links).find(e=>e.textContent===t);"
                       "if(!a)return null;a.scrollIntoView();var r=a.getBoundingClientRect();"
                       "return [r.left+r.width/2,r.top+r.height/2];})(%1[0])")
            .arg(QString::fromUtf8(QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact)));
    QVariantList at;
    const auto find = [&] {
        // A late answer must not land in a finished call's stack.
        const auto result = std::make_shared<std::optional<QVariant>>();
        w.view()->page()->runJavaScript(script, [result](const QVariant& v) { *result = v; });
        return QTest::qWaitFor([&] { return result->has_value(); }, 10000) &&
               (at = (*result)->toList()).size() == 2;
    };
    if (!QTest::qWaitFor(find, 15000) || !w.view()->focusProxy())
        return false;
    QTest::mouseClick(w.view()->focusProxy(), Qt::LeftButton, {},
                      QPoint(qRound(at[0].toDouble()), qRound(at[1].toDouble())));
    return true;
}

} // namespace

class TestLauncherWindow : public QObject {
    Q_OBJECT

public slots:
    // What the launcher hands to the desktop to open.
    void desktopOpens(const QUrl& url) { m_opened << url; }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        const QString recorder = QCoreApplication::applicationDirPath() + "/launcher_recorder";
        const QString bin = at(QString::fromUtf8("@/bin, \"é\" 1"));
        m_startIn = at(QString::fromUtf8("@/start, \"in\" é"));
        QVERIFY(QDir().mkpath(bin) && QDir().mkpath(m_startIn) && QDir().mkpath(at("@/programs")));
        m_program = bin + QString::fromUtf8("/rec, \"q\" é");
        // The recording program also stands in for the editor beside the launcher.
        for (const QString& copy : {m_program, at("@/programs/ulvanta-editor")}) {
            QVERIFY2(QFile::copy(recorder, copy), qPrintable(recorder));
            QVERIFY(QFile::setPermissions(copy, QFile::ReadOwner | QFile::ExeOwner));
        }
        m_record = at("@/record.json");
        // Programs not hidden inherit the launcher's input: make it other than the null device.
        QVERIFY(writeFile(at("@/input"), "") &&
                std::freopen(QFile::encodeName(at("@/input")).constData(), "r", stdin));
        qputenv("LAUNCHER_RECORD", QFile::encodeName(m_record));
        QDesktopServices::setUrlHandler("file", this, "desktopOpens");
        m_window = std::make_unique<LauncherWindow>(&m_prompter, at("@/programs"));
    }
    void init() {
        QFile::remove(m_record);
        m_opened.clear();
        m_prompter.messages.clear();
        m_prompter.fileRequests.clear();
        m_prompter.files.clear();
    }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler("file"); }

    void clickedIconRunsItsCommand_data() {
        QTest::addColumn<ItemRow>("item");
        // The program's arguments, the address opened or the message shown.
        QTest::addColumn<QVariant>("expected");
        const QString doc = at(QString::fromUtf8("@/notes, é & \"more\".txt"));
        const QString missing = at("@/absent, prog");
        QVERIFY(writeFile(doc, "notes\n"));
        // Every row's icon stands on one page that minimises the window on use.
        std::vector<ItemRow> icons;
        const auto row = [&](const char* name, const ItemRow& item, const QVariant& expected) {
            icons.push_back(item);
            icons.back()[ColDescription] = QStringLiteral("Icon %1").arg(icons.size());
            QTest::newRow(name) << icons.back() << expected;
        };
        row("quotes, commas, percent signs, entities and accents",
            icon({}, m_program,
                 QString::fromUtf8(
                     "plain \"two words\" 'single, quoted' \"a,b\" café \"say \\\"hi\\\"\" "
                     "\"\" 100% a&b %41 A&gt;B x&comma;y C&#65; \"q&amp;r\""),
                 m_startIn, "Maximised Focus"),
            QStringList{"plain", "two words", "single, quoted", "a,b", QString::fromUtf8("café"),
                        "say \"hi\"", "", "100%", "a&b", "A", "A&gt;B", "x,y", "C&#65;",
                        "q&amp;r"});
        row("hidden: no display nor terminal", icon({}, m_program, "a b", {}, "Hidden"),
            QStringList{"a", "b"});
        row("document", icon({}, doc), QUrl::fromLocalFile(doc));
        row("missing program", icon({}, missing, "a \"b c\""),
            QString("An error occurred when running the command - '" + missing +
                    " a \"b c\"' - File not found, 53"));
        row("command starting with two slashes", icon({}, QString::fromUtf8("//Café/X y")),
            QString::fromUtf8("An error occurred when running the command - '//Café/X y' - "
                              "Path not found, 76"));
        m_iconPage = writePage({"Minimise on use=True"}, icons);
    }
    void clickedIconRunsItsCommand() {
        QFETCH(ItemRow, item);
        QFETCH(QVariant, expected);
        if (m_window->pagePath() != m_iconPage)
            QVERIFY(show(m_iconPage));
        m_window->showNormal();
        QVERIFY(clickLink(*m_window, item[ColDescription]));
        if (expected.typeId() == QMetaType::QStringList) {
            const QJsonObject r = record();
            QCOMPARE(r["arguments"].toVariant().toStringList(), expected.toStringList());
            const QString startIn = item[ColStartIn];
            QCOMPARE(r["folder"].toString(), startIn.isEmpty() ? QDir::currentPath() : startIn);
            const bool hidden = item[ColRun] == QLatin1String("Hidden");
            QCOMPARE(r["display"].toBool(), !hidden);
            QCOMPARE(r["stdin"].toString() == QLatin1String("/dev/null"), hidden);
            QCOMPARE(r["stdout"].toString() == QLatin1String("/dev/null"), hidden);
        } else if (expected.typeId() == QMetaType::QUrl) {
            QTRY_COMPARE_WITH_TIMEOUT(m_opened, QList<QUrl>{expected.toUrl()}, 10000);
        } else {
            QTRY_VERIFY_WITH_TIMEOUT(!m_prompter.messages.isEmpty(), 10000);
            QCOMPARE(m_prompter.messages[0].text, expected.toString());
            QCOMPARE(m_prompter.messages[0].title, QStringLiteral("Run Error"));
            QVERIFY(!m_window->isMinimized()); // nothing was started
            return;
        }
        QVERIFY(m_prompter.messages.isEmpty());
        QVERIFY(m_window->isMinimized());
    }
    void windowFollowsPageSettings() {
        const QString picture = at(QString::fromUtf8("@/icône, 1.png"));
        QImage red(32, 32, QImage::Format_ARGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(picture, "PNG"));
        const QString title = QString::fromUtf8("Café & \"Co\" <1>");
        // A page built from a document never saved names no source to edit.
        QVERIFY(show(writePage({"Title=" + title, "Width=530", "Height=370", "Icon=" + picture,
                                "Show edit command=True"})));
        QCOMPARE(m_window->windowTitle(), title);
        QCOMPARE(m_window->size(), QSize(530, 370));
        QCOMPARE(m_window->windowIcon().pixmap(32, 32).toImage().pixelColor(16, 16),
                 QColor(Qt::red));
        QVERIFY(!m_window->windowFlags().testFlag(Qt::CustomizeWindowHint));
        QCOMPARE(m_window->view()->contextMenuPolicy(), Qt::CustomContextMenu);
        QVERIFY(clickLink(*m_window, "Edit"));
        QTRY_COMPARE(m_prompter.messages.size(), 1);
        QCOMPARE(m_prompter.messages[0].title, QStringLiteral("Edit"));
        QVERIFY(m_window->close());
        QVERIFY(!m_window->isVisible());
    }
    void anotherPageTakesOverTheWindow_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("name"); // of the page then shown
        const auto row = [](const char* name, const char* link, const char* page) {
            QTest::newRow(name) << QString::fromUtf8(link) << QString::fromUtf8(page);
        };
        row("refresh rereads the page", "Refresh", "page.htm");
        row("open shows the chosen page", "Open", "second é.htm");
        row("hyperlink item", "Go there", "linked, é.htm");
        row("link asking for a new window", "New window", "linked, é.htm");
    }
    void anotherPageTakesOverTheWindow() {
        QFETCH(QString, link);
        QFETCH(QString, name);
        const QString linked = QString::fromUtf8("linked, é.htm");
        QVERIFY(show(
            writePage({"Title=Before", "Show open command=True", "Show refresh command=True",
                       "Header HTML=<a href=\"" + linked + "\" target=\"_blank\">New window</a>"},
                      {icon("Go there", at("@/" + linked), {}, {}, "Hyperlink")}, "page.htm")));
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Before"));
        const QString second =
            writePage({"Title=After", "Width=460", "Height=320", "Closable=False"},
                      {icon("Two", m_program, "two")}, name);
        m_prompter.files.push_back(second);
        QVERIFY(clickLink(*m_window, link));
        QTRY_COMPARE(m_window->windowTitle(), QStringLiteral("After"));
        QTRY_COMPARE(m_window->view()->url(), QUrl::fromLocalFile(second));
        QCOMPARE(m_window->pagePath(), second);
        QCOMPARE(m_prompter.fileRequests.size(), link == QLatin1String("Open") ? 1 : 0);
        QCOMPARE(m_window->size(), QSize(460, 320));
        QVERIFY(!m_window->settings().closable);
        // The page now shown runs its icons.
        QVERIFY(clickLink(*m_window, "Two"));
        QCOMPARE(recordedArguments(), QStringList{"two"});
        QVERIFY(!m_window->isMinimized()); // the page does not ask for it
    }
    void networkPageCannotStartPrograms() {
        // A web server on the loopback interface serving one page.
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        const QByteArray page = buildPage({"Show exit command=True", "Show minimise command=True"},
                                          {icon("Run me", m_program, "remote")});
        connect(&server, &QTcpServer::newConnection, this, [&] {
            while (QTcpSocket* s = server.nextPendingConnection())
                connect(s, &QTcpSocket::readyRead, s, [s, page] {
                    s->write("HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n" + page);
                    s->disconnectFromHost();
                });
        });
        const QString address =
            QStringLiteral("http://127.0.0.1:%1/remote.htm").arg(server.serverPort());
        // An icon link asking for a new window runs nothing either.
        QVERIFY(show(
            writePage({"Header HTML=<a href=\"" + address + "\">Remote page</a> <a href=\"pm:" +
                       HtmlText::encode(QString(m_program).replace(",", "&comma;")) +
                       ",popup\" target=\"_blank\">Icon in new window</a>"})));
        QVERIFY(clickLink(*m_window, "Icon in new window"));
        QVERIFY(clickLink(*m_window, "Remote page"));
        QTRY_COMPARE(m_window->view()->url(), QUrl(address));
        for (const char* link : {"Run me", "Exit", "Minimise"})
            QVERIFY(clickLink(*m_window, link));
        QVERIFY(record(1500).isEmpty());
        QVERIFY(m_window->isVisible());
        QVERIFY(!m_window->isMinimized());
        QVERIFY(m_prompter.messages.isEmpty());
        QCOMPARE(m_window->view()->url(), QUrl(address));
    }
    void scriptsCannotStartPrograms_data() {
        QTest::addColumn<QString>("header"); // the page's Header HTML
        const auto row = [](const char* name, const char* html) {
            QTest::newRow(name) << QString::fromUtf8(html);
        };
        row("location set on load", "<script>addEventListener('load', () => location.href = "
                                    "document.links[0].href);</script>");
        row("icon clicked by a script",
            "<script>addEventListener('load', () => document.links[0].click());</script>");
        row("refresh to an icon link", "<meta http-equiv=\"refresh\" content=\"0;url=pmc:min\">");
        row("window command on load",
            "<script>addEventListener('load', () => location = 'pmc:exit');</script>");
    }
    void scriptsCannotStartPrograms() {
        QFETCH(QString, header);
        // The icon comes first among the page's links. A refused link may cut the
        // page's loading short.
        QVERIFY(m_window->openPage(
            writePage({"Header HTML=" + header}, {icon("Run", m_program, "clicked")})));
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QVERIFY(record(3000).isEmpty());
        QVERIFY(m_window->isVisible() && !m_window->isMinimized());
        // The user's own click still starts it.
        QVERIFY(clickLink(*m_window, "Run"));
        QCOMPARE(recordedArguments(), QStringList{"clicked"});
    }
    void programRunsAsAUserRunsIt_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("display");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output"); // part of what it writes
        const QString version = ProgramInfo::version();
        const QString missing = at("@/absent.htm");
        const QString notFound = "'" + missing + "' - File not found, 53";
        QTest::newRow("help") << QStringList{"--help"} << true << 0 << "--quiet";
        QTest::newRow("version") << QStringList{"--version"} << true << 0 << version;
        QTest::newRow("unknown option") << QStringList{"--colour"} << true << 2 << "'--colour'";
        QTest::newRow("quiet without a page") << QStringList{"--quiet"} << true << 2 << "--quiet";
        QTest::newRow("quiet") << QStringList{"--quiet", missing} << true << 1 << notFound;
        QTest::newRow("no display") << QStringList{missing} << false << 1 << notFound;
        QTest::newRow("no display, good page") << QStringList{"@"} << false << 1 << "no display";
        // Shows the page until a signal ends it: the engine starts for root too.
        QTest::newRow("signal") << QStringList{"@"} << true << 0
                                << (geteuid() == 0 ? "without its sandbox" : "");
    }
    void programRunsAsAUserRunsIt() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, display);
        QFETCH(int, exitCode);
        const QString page = writePage({}, {icon("Run", m_program)});
        arguments.replaceInStrings(QRegularExpression("^@$"), page);
        QProcess launcher;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("QTWEBENGINE_DISABLE_SANDBOX"); // this test's own engine set it
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            if (!display)
                env.remove(name);
        launcher.setProcessEnvironment(env);
        launcher.setProcessChannelMode(QProcess::MergedChannels);
        launcher.start(qEnvironmentVariable("ULVANTA_BIN") + "/ulvanta2.exe", arguments);
        QVERIFY(launcher.waitForStarted());
        if (QTest::currentDataTag() == QLatin1String("signal")) {
            QVERIFY(!launcher.waitForFinished(5000)); // the window is up
            ::kill(launcher.processId(), SIGTERM);
        }
        QVERIFY(launcher.waitForFinished(5000));
        QFETCH(QString, output);
        const QString written = QString::fromUtf8(launcher.readAll());
        QVERIFY2(written.contains(output), qPrintable(written));
        QVERIFY(written.count("without its sandbox") <= 1);
        QCOMPARE(launcher.exitStatus(), QProcess::NormalExit);
        QCOMPARE(launcher.exitCode(), exitCode);
    }
    // Last: after Exit the window is gone.
    void fixedWindowFollowsItsCommandBar() {
        const QString source = at(QString::fromUtf8("@/my menu, é&1.pmf"));
        QVERIFY(writeFile(source, "VODK"));
        QVERIFY(show(
            writePage({"Start maximised=True", "Closable=False", "Extra commands=False",
                       "Show exit command=True", "Show minimise command=True",
                       "Show maximise command=True", "Show edit command=True", "Path=" + source})));
        QVERIFY(m_window->windowFlags().testFlag(Qt::CustomizeWindowHint));
        QVERIFY(!m_window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QCOMPARE(m_window->view()->contextMenuPolicy(), Qt::NoContextMenu);
        QVERIFY(m_window->isMaximized());
        QVERIFY(clickLink(*m_window, "Maximise"));
        QTRY_VERIFY(!m_window->isMaximized());
        QTRY_COMPARE(m_window->size(),
                     QSize(PageSettings::DefaultWidth, PageSettings::DefaultHeight));
        QVERIFY(clickLink(*m_window, "Maximise"));
        QTRY_VERIFY(m_window->isMaximized());
        QVERIFY(clickLink(*m_window, "Minimise"));
        QTRY_VERIFY(m_window->isMinimized());
        m_window->showNormal();
        QVERIFY(clickLink(*m_window, "Edit"));
        QCOMPARE(recordedArguments(), QStringList{source});
        QVERIFY(!m_window->close());
        QVERIFY(clickLink(*m_window, "Exit"));
        QTRY_VERIFY(!m_window->isVisible());
        QVERIFY(m_prompter.messages.isEmpty());
    }

private:
    QString at(QString text) const { return text.replace(QLatin1Char('@'), m_dir.path()); }
    QString writePage(const QStringList& settings, const std::vector<ItemRow>& icons = {},
                      const QString& name = {}) {
        const QString path =
            at("@/" + (name.isEmpty() ? QStringLiteral("page %1.htm").arg(++m_pages) : name));
        return writeFile(path, buildPage(settings, icons)) ? path : QString();
    }
    // Shows the page in the window and waits until it is loaded.
    bool show(const QString& page) {
        QSignalSpy loaded(m_window->view(), &QWebEngineView::loadFinished);
        return m_window->openPage(page) && QTest::qWaitForWindowExposed(m_window.get()) &&
               QTest::qWaitFor([&] { return !loaded.isEmpty() && loaded.last()[0].toBool(); },
                               30000);
    }
    // What the recording program wrote, once it has; empty when it has not in time.
    QJsonObject record(int timeout = 15000) const {
        QFile f(m_record);
        (void)QTest::qWaitFor([&] { return f.exists(); }, timeout);
        return f.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(f.readAll()).object()
                                           : QJsonObject();
    }
    QStringList recordedArguments() const {
        return record()["arguments"].toVariant().toStringList();
    }

    QTemporaryDir m_dir;
    QString m_program; // the recording program, in a folder with an awkward name
    QString m_startIn; // an awkward start-in folder
    QString m_record;  // where the recording program writes
    QString m_iconPage;
    int m_pages = 0;
    QList<QUrl> m_opened;
    test::ScriptedPrompter m_prompter;
    std::unique_ptr<LauncherWindow> m_window;
};

int main(int argc, char* argv[]) {
    prepareBrowserEngine();
    registerLinkSchemes();
    QApplication app(argc, argv);
    TestLauncherWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_launcher_window_web.moc"
