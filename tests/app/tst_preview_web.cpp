#include "ScriptedPrompter.h"
#include "app/PreviewPage.h"
#include "app/frmPME.h"
#include "generator/PreviewFile.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QWebEngineView>
#include <QtTest>
#include <memory>

using namespace ulvanta;

// The preview in a real browser engine: the launcher's links stay inert, other
// links navigate, leaving the tab blanks the view.
class TestPreviewWeb : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void launcherLinksAreRefused_data();
    void launcherLinksAreRefused();
    void ordinaryLinkNavigatesAndLeavingBlanks();

private:
    void click(QWebEngineView* wb, const QString& id);
    QWebEngineView* showPreview(frmPME& w);

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

QWebEngineView* TestPreviewWeb::showPreview(frmPME& w) {
    w.tabMain->setCurrentIndex(3);
    auto* wb = w.findChild<QWebEngineView*>("WB");
    if (!wb)
        return nullptr;
    // Loaded once the header's link is in the document. An answer may come after
    // this function has returned, so it goes to storage that outlives it.
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

void TestPreviewWeb::launcherLinksAreRefused_data() {
    QTest::addColumn<QString>("href");
    QTest::newRow("icon link") << "pm:/bin/true,,,hidden";
    QTest::newRow("window command") << "pmc:exit";
}

void TestPreviewWeb::launcherLinksAreRefused() {
    QFETCH(QString, href);
    frmPME w(&prompter);
    w.start({});
    w.doc().WriteProp("Header HTML", "<a id=\"l\" href=\"" + href + "\">go</a>");
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
    frmPME w(&prompter);
    w.start({});
    const QUrl other = QUrl::fromLocalFile(dir.filePath("other.htm"));
    w.doc().WriteProp("Header HTML", "<a id=\"l\" href=\"" + other.toString() + "\">go</a>");
    QWebEngineView* wb = showPreview(w);
    QVERIFY(wb);
    // The browser sits above the status label.
    QVERIFY(wb->geometry().bottom() <= w.lblWBStat->geometry().top());
    QVERIFY(wb->height() > w.lblWBStat->height());
    click(wb, "l");
    QTRY_COMPARE_WITH_TIMEOUT(wb->url(), other, 10000);
    w.tabMain->setCurrentIndex(2);
    QCOMPARE(wb->url(), QUrl("about:blank"));
    QVERIFY(w.rtfHTML->toPlainText().contains("other.htm"));
}

int main(int argc, char* argv[]) {
    PreviewPage::registerSchemes();
    QApplication app(argc, argv);
    TestPreviewWeb t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_preview_web.moc"
