#include "ScriptedPrompter.h"
#include "Widgets.h"
#include "app/MainWindow.h"
#include "app/PreviewPage.h"
#include "document/FileLock.h"
#include "generator/PreviewFile.h"
#include "widgets/BrowserEngine.h"
#include "widgets/EndSignals.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QWebEngineView>
#include <QtTest>
#include <csignal>
#include <cstdio>
#include <memory>

using namespace ulvanta;

namespace {

// Shows the Preview tab and waits until the header's link is in the document.
QWebEngineView* showPreview(MainWindow& w) {
    child<QTabWidget>(&w, "tabs")->setCurrentIndex(3);
    auto* wb = w.findChild<QWebEngineView*>("preview");
    if (!wb)
        return nullptr;
    // An answer may come after this function has returned, so it goes to storage
    // that outlives it.
    const auto ready = std::make_shared<bool>(false);
    QElapsedTimer t;
    t.start();
    while (!*ready && t.elapsed() < 20000) {
        wb->page()->runJavaScript("document.getElementById('l') !== null",
                                  [ready](const QVariant& v) { *ready = v.toBool(); });
        QTest::qWait(100);
    }
    return *ready ? wb : nullptr;
}

// The editor as the program runs it, on a changed document held open, ending
// on a signal once the preview is shown; the test drives it from outside.
int runEditorUntilSignalled(const QString& document) {
    MainWindow w;
    EndSignals endSignals;
    QObject::connect(&endSignals, &EndSignals::endRequested, &w, &MainWindow::endOnSignal);
    w.start(document);
    w.doc().setModified(true);
    w.doc().setSetting("Header HTML", "<a id=\"l\" href=\"x.htm\">go</a>");
    if (!showPreview(w) || !w.doc().fileLock().isHeld())
        return 3;
    std::puts("shown");
    std::fflush(stdout);
    return QApplication::exec();
}

} // namespace

// The preview in a real browser engine: the launcher's links stay inert, other
// links navigate, leaving the tab blanks the view.
class TestPreviewWeb : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void launcherLinksAreRefused_data();
    void launcherLinksAreRefused();
    void ordinaryLinkNavigatesAndLeavingBlanks();
    void signalEndsEditorWithoutAsking_data();
    void signalEndsEditorWithoutAsking();

private:
    void click(QWebEngineView* wb, const QString& id);

    QTemporaryDir dir;
    test::ScriptedPrompter prompter;
};

void TestPreviewWeb::initTestCase() {
    QVERIFY(dir.isValid());
    qputenv("TEMP", dir.path().toLocal8Bit());
    QFile other(dir.filePath("other.htm"));
    QVERIFY(other.open(QIODevice::WriteOnly));
    other.write("<html><body>other</body></html>");
}

void TestPreviewWeb::click(QWebEngineView* wb, const QString& id) {
    wb->page()->runJavaScript("document.getElementById('" + id + "').click();");
}

void TestPreviewWeb::launcherLinksAreRefused_data() {
    QTest::addColumn<QString>("href");
    QTest::newRow("icon link") << "pm:/bin/true,,,hidden";
    QTest::newRow("window command") << "pmc:exit";
}

void TestPreviewWeb::launcherLinksAreRefused() {
    QFETCH(QString, href);
    MainWindow w(&prompter);
    w.start({});
    w.doc().setSetting("Header HTML", "<a id=\"l\" href=\"" + href + "\">go</a>");
    QWebEngineView* wb = showPreview(w);
    QVERIFY(wb);
    QCOMPARE(wb->url(), QUrl::fromLocalFile(previewFilePath()));
    auto* page = qobject_cast<PreviewPage*>(wb->page());
    QVERIFY(page);
    QSignalSpy refused(page, &PreviewPage::launcherLinkRefused);
    click(wb, "l");
    QVERIFY(refused.wait(10000));
    QCOMPARE(refused.first().first().toUrl().toString(), href);
    QTest::qWait(300);
    QCOMPARE(wb->url(), QUrl::fromLocalFile(previewFilePath()));
    QCOMPARE(refused.size(), 1);
}

void TestPreviewWeb::ordinaryLinkNavigatesAndLeavingBlanks() {
    MainWindow w(&prompter);
    w.start({});
    const QUrl other = QUrl::fromLocalFile(dir.filePath("other.htm"));
    w.doc().setSetting("Header HTML", "<a id=\"l\" href=\"" + other.toString() + "\">go</a>");
    QWebEngineView* wb = showPreview(w);
    QVERIFY(wb);
    // The browser sits above the status label.
    QVERIFY(wb->geometry().bottom() <= child<QLabel>(&w, "previewStatus")->geometry().top());
    QVERIFY(wb->height() > child<QLabel>(&w, "previewStatus")->height());
    click(wb, "l");
    QTRY_COMPARE_WITH_TIMEOUT(wb->url(), other, 10000);
    child<QTabWidget>(&w, "tabs")->setCurrentIndex(2);
    QCOMPARE(wb->url(), QUrl("about:blank"));
    QVERIFY(child<QPlainTextEdit>(&w, "htmlView")->toPlainText().contains("other.htm"));
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
    editor.setProcessEnvironment(env);
    editor.start(QCoreApplication::applicationFilePath());
    QVERIFY(editor.waitForReadyRead(60000));
    QCOMPARE(editor.readAllStandardOutput(), QByteArray("shown\n"));
    QVERIFY(QFile::exists(previewFilePath()));
    QVERIFY(FileLock::isLockedElsewhere(document));
    ::kill(editor.processId(), signalNumber);
    QVERIFY(editor.waitForFinished(5000));
    QCOMPARE(editor.exitStatus(), QProcess::NormalExit);
    QCOMPARE(editor.exitCode(), 0);
    QVERIFY(!QFile::exists(previewFilePath()));
    QVERIFY(!FileLock::isLockedElsewhere(document));
}

int main(int argc, char* argv[]) {
    prepareBrowserEngine();
    PreviewPage::registerSchemes();
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet("EDITOR_UNTIL_SIGNALLED"))
        return runEditorUntilSignalled(qEnvironmentVariable("EDITOR_UNTIL_SIGNALLED"));
    TestPreviewWeb t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_preview_web.moc"
