#include "components/KeyValueFile.h"
#include "document/PageLink.h"

#include <QTemporaryDir>
#include <QTest>

using namespace ulvanta;

namespace {
const QString kApp = QStringLiteral("/opt/ulvanta/");
const QString kLauncher = kApp + "Ulvanta2.exe";
const QString kSettings = QStringLiteral("<!-- Ulvanta info:\r\nHeight=412\r\nIcon=/icons/"
                                         "Caf&#233; &amp; Co.ico\r\nWidth=492\r\n-->");
} // namespace

class PageLinkTest : public QObject {
    Q_OBJECT
private slots:
    void description_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("content");
        QTest::addColumn<QString>("expected");
        const auto add = [](const char* row, const char* path, const char* content,
                            const char* expected) {
            QTest::newRow(row) << path << content << expected;
        };
        add("two-line title, tags in any case", "/p/a.htm",
            "<HTML><head><TiTlE>\r\n  My\r\nPage \r\n</TITLE></head>", "My Page");
        add("encoded title", "/p/a.htm", "<title>Caf&#233; &amp; &lt;Bar&gt;</title>",
            "Café & <Bar>");
        add("no title: file name without extension", "/p/start.page.htm", "<html></html>",
            "start.page");
        add("title never closed", "/p/a.htm", "<title>Lost", "");
        add("closing tag before opening", "/p/a.htm", "</title><title>x", "");
    }
    void description() {
        QFETCH(QString, path);
        QFETCH(QString, content);
        QFETCH(QString, expected);
        QCOMPARE(PageLink::description(path, content), expected);
    }

    void settings_data() {
        QTest::addColumn<QString>("content");
        QTest::addColumn<QString>("icon");
        QTest::addColumn<QString>("width");
        QTest::newRow("icon from the settings, decoded")
            << "<html></html>\r\n" + kSettings << "/icons/Café & Co.ico"
            << "492";
        QTest::newRow("no icon setting")
            << "<!-- Ulvanta info:\r\nHeight=1\r\nWidth=2\r\n-->" << kLauncher << "2";
        QTest::newRow("comment never closed")
            << "<!-- Ulvanta info:\r\nIcon=/x.ico\r\nWidth=5" << kLauncher << "[NOT FOUND]";
        QTest::newRow("marker in other case is no comment")
            << "<!-- ulvanta INFO:\r\nIcon=/x.ico\r\n-->" << kLauncher << "[NOT FOUND]";
    }
    void settings() {
        QFETCH(QString, content);
        QFETCH(QString, icon);
        QFETCH(QString, width);
        KeyValueFile keys;
        keys.setValue("Icon", "/from/an/earlier/page.ico");
        QCOMPARE(PageLink::link("/p/a.htm", content, false, kApp, keys).icon, icon);
        QCOMPARE(keys.value("Width"), width);
    }

    void newWindowChoosesTheLauncher_data() {
        QTest::addColumn<bool>("newWindow");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("parameters");
        QTest::addColumn<QString>("run");
        QTest::newRow("new window") << true << kLauncher << "/p/My Page.htm"
                                    << "Normal Window";
        QTest::newRow("same window") << false << "/p/My Page.htm"
                                     << ""
                                     << "Hyperlink";
    }
    void newWindowChoosesTheLauncher() {
        QFETCH(bool, newWindow);
        QFETCH(QString, command);
        QFETCH(QString, parameters);
        QFETCH(QString, run);
        KeyValueFile keys;
        const IconEntry::Fields f = PageLink::link(
            "/p/My Page.htm", "<title>Home</title>" + kSettings, newWindow, kApp, keys);
        QCOMPARE(f.description, QStringLiteral("Home"));
        QCOMPARE(f.command, command);
        QCOMPARE(f.parameters, parameters);
        QCOMPARE(f.run, run);
        QVERIFY(f.startIn.isEmpty() && f.comments.isEmpty());
    }

    void unreadablePageFallsBack() {
        QTemporaryDir dir;
        const QString missing = dir.filePath("gone.html");
        QCOMPARE(PageLink::readPage(missing), QString());
        KeyValueFile keys;
        const IconEntry::Fields f = PageLink::link(missing, QString(), false, kApp, keys);
        QCOMPARE(f.description, QStringLiteral("gone"));
        QCOMPARE(f.icon, kLauncher);
    }
};

QTEST_GUILESS_MAIN(PageLinkTest)
#include "tst_pagelink.moc"
