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

    // The icon comes from the page's settings comment, decoded, else the launcher's;
    // a new window opens the page in the launcher.
    void link_data() {
        QTest::addColumn<QString>("content");
        QTest::addColumn<bool>("newWindow");
        QTest::addColumn<QString>("fields"); // description|command|parameters|icon|run
        QTest::addColumn<QString>("width");  // from the settings; earlier ones are gone
        const auto add = [](const char* tag, const QString& content, bool newWindow,
                            const QString& fields, const char* width) {
            QTest::newRow(tag) << content << newWindow << fields << width;
        };
        const QString page = "/p/My Page.htm", launcher = "|" + kLauncher + "|Normal Window";
        add("new window, icon from the settings", "<title>Home</title>" + kSettings, true,
            "Home|" + kLauncher + "|" + page + "|/icons/Café & Co.ico|Normal Window", "492");
        add("same window: a hyperlink", "<html></html>\r\n" + kSettings, false,
            "My Page|" + page + "||/icons/Café & Co.ico|Hyperlink", "492");
        add("no icon setting", "<!-- Ulvanta info:\r\nHeight=1\r\nWidth=2\r\n-->", true,
            "My Page|" + kLauncher + "|" + page + launcher, "2");
        add("comment never closed", "<!-- Ulvanta info:\r\nIcon=/x.ico\r\nWidth=5", true,
            "My Page|" + kLauncher + "|" + page + launcher, "[NOT FOUND]");
        add("marker in other case is no comment", "<!-- ulvanta INFO:\r\nIcon=/x.ico\r\n-->", false,
            "My Page|" + page + "||" + kLauncher + "|Hyperlink", "[NOT FOUND]");
    }
    void link() {
        QFETCH(QString, content);
        QFETCH(bool, newWindow);
        QFETCH(QString, fields);
        QFETCH(QString, width);
        KeyValueFile keys;
        keys.parse("Icon=/from/an/earlier/page.ico\r\nWidth=7");
        const IconEntry::Fields f =
            PageLink::link("/p/My Page.htm", content, newWindow, kApp, keys);
        QCOMPARE(QStringList({f.description, f.command, f.parameters, f.icon, f.run}).join('|'),
                 fields);
        QVERIFY(f.startIn.isEmpty() && f.comments.isEmpty());
        QCOMPARE(keys.value("Width"), width);
    }

    void unreadablePageFallsBack() {
        QTemporaryDir dir;
        QCOMPARE(PageLink::readPage(dir.filePath("gone.html")), QString());
    }
};

QTEST_GUILESS_MAIN(PageLinkTest)
#include "tst_pagelink.moc"
