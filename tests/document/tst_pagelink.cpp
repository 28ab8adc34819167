#include "components/KeyFile.h"
#include "document/PageLink.h"

#include <QTemporaryDir>
#include <QTest>

using namespace ulvanta;

namespace {
const QString kApp = QStringLiteral("/opt/ulvanta/");
const QString kSettings = QStringLiteral("<!-- Ulvanta info:\r\nHeight=412\r\nIcon=/icons/"
                                         "Caf&#233; &amp; Co.ico\r\nWidth=492\r\n-->");
} // namespace

class PageLinkTest : public QObject {
    Q_OBJECT
private slots:
    void description_data();
    void description();
    void settings_data();
    void settings();
    void newWindowChoosesTheLauncher_data();
    void newWindowChoosesTheLauncher();
    void unreadablePageFallsBack();
};

void PageLinkTest::description_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("content");
    QTest::addColumn<QString>("expected");
    QTest::newRow("two-line title, tags in any case")
        << "/p/a.htm"
        << "<HTML><head><TiTlE>\r\n  My\r\nPage \r\n</TITLE></head>"
        << "My Page";
    QTest::newRow("encoded title") << "/p/a.htm"
                                   << "<title>Caf&#233; &amp; &lt;Bar&gt;</title>"
                                   << "Café & <Bar>";
    QTest::newRow("no title: file name without extension") << "/p/start.page.htm"
                                                           << "<html></html>"
                                                           << "start.page";
    QTest::newRow("no title, name without dot") << "/p/start"
                                                << ""
                                                << "start";
    QTest::newRow("title never closed") << "/p/a.htm"
                                        << "<title>Lost"
                                        << "";
    QTest::newRow("closing tag before opening") << "/p/a.htm"
                                                << "</title><title>x"
                                                << "";
}

void PageLinkTest::description() {
    QFETCH(QString, path);
    QFETCH(QString, content);
    QFETCH(QString, expected);
    QCOMPARE(PageLink::description(path, content), expected);
}

void PageLinkTest::settings_data() {
    QTest::addColumn<QString>("content");
    QTest::addColumn<QString>("icon");
    QTest::addColumn<QString>("width");
    QTest::newRow("icon from the settings, decoded")
        << "<html></html>\r\n" + kSettings << "/icons/Café & Co.ico"
        << "492";
    QTest::newRow("no icon setting")
        << "<html></html>\r\n<!-- Ulvanta info:\r\nHeight=1\r\nWidth=2\r\n-->"
        << kApp + "Ulvanta2.exe"
        << "2";
    QTest::newRow("no settings comment") << "<html></html>" << kApp + "Ulvanta2.exe"
                                         << "[NOT FOUND]";
    QTest::newRow("comment never closed")
        << "<!-- Ulvanta info:\r\nIcon=/x.ico\r\nWidth=5" << kApp + "Ulvanta2.exe"
        << "[NOT FOUND]";
    QTest::newRow("marker in other case is no comment")
        << "<!-- ulvanta INFO:\r\nIcon=/x.ico\r\n-->" << kApp + "Ulvanta2.exe"
        << "[NOT FOUND]";
}

void PageLinkTest::settings() {
    QFETCH(QString, content);
    QFETCH(QString, icon);
    QFETCH(QString, width);
    KeyFile keys;
    keys.SetKey(QStringLiteral("Icon"), QStringLiteral("/from/an/earlier/page.ico"));
    const IconEntry::Fields f =
        PageLink::link(QStringLiteral("/p/a.htm"), content, false, kApp, keys);
    QCOMPARE(f.icon, icon);
    QCOMPARE(keys.GetKey(QStringLiteral("Width")), width);
}

void PageLinkTest::newWindowChoosesTheLauncher_data() {
    QTest::addColumn<bool>("newWindow");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("parameters");
    QTest::addColumn<QString>("run");
    QTest::newRow("new window") << true << kApp + "Ulvanta2.exe"
                                << "/p/My Page.htm"
                                << "Normal Window";
    QTest::newRow("same window") << false << "/p/My Page.htm"
                                 << ""
                                 << "Hyperlink";
}

void PageLinkTest::newWindowChoosesTheLauncher() {
    QFETCH(bool, newWindow);
    QFETCH(QString, command);
    QFETCH(QString, parameters);
    QFETCH(QString, run);
    KeyFile keys;
    const IconEntry::Fields f = PageLink::link(
        QStringLiteral("/p/My Page.htm"), "<title>Home</title>" + kSettings, newWindow, kApp, keys);
    QCOMPARE(f.description, QStringLiteral("Home"));
    QCOMPARE(f.command, command);
    QCOMPARE(f.parameters, parameters);
    QCOMPARE(f.run, run);
    QVERIFY(f.startIn.isEmpty());
    QVERIFY(f.comments.isEmpty());
}

void PageLinkTest::unreadablePageFallsBack() {
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("gone.html"));
    QCOMPARE(PageLink::readPage(missing), QString());
    KeyFile keys;
    const IconEntry::Fields f =
        PageLink::link(missing, PageLink::readPage(missing), false, kApp, keys);
    QCOMPARE(f.description, QStringLiteral("gone"));
    QCOMPARE(f.icon, kApp + "Ulvanta2.exe");
}

QTEST_GUILESS_MAIN(PageLinkTest)
#include "tst_pagelink.moc"
