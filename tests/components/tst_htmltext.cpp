#include "components/DesktopIcons.h"
#include "components/FileChecks.h"
#include "components/HtmlText.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace ulvanta;

class TestHtmlText : public QObject {
    Q_OBJECT
private slots:
    void encodeText_data();
    void encodeText();
    void decodeLeavesOtherTextAlone_data();
    void decodeLeavesOtherTextAlone();
    void roundTrip_data();
    void roundTrip();
    void pathTests();
    void iconsAlwaysArePictures();
};

void TestHtmlText::encodeText_data() {
    QTest::addColumn<QString>("in");
    QTest::addColumn<QString>("out");
    QTest::newRow("plain") << "Notepad 1.0 ~"
                           << "Notepad 1.0 ~";
    QTest::newRow("specials") << "a&b<c>\"d'"
                              << "a&amp;b&lt;c&gt;&quot;d'";
    QTest::newRow("latin") << QString::fromUtf8("é") << "&#233;";
    QTest::newRow("delete char") << QString(QChar(0x7f)) << "&#127;";
    QTest::newRow("cjk") << QString::fromUtf8("日本") << "&#26085;&#26412;";
    QTest::newRow("emoji is one reference") << QString::fromUtf8("\xF0\x9F\x98\x80") << "&#128512;";
    QTest::newRow("line breaks kept") << "a\r\nb\tc"
                                      << "a\r\nb\tc";
    QTest::newRow("comma entity escaped") << "a&comma;b"
                                          << "a&amp;comma;b";
}

void TestHtmlText::encodeText() {
    QFETCH(QString, in);
    QFETCH(QString, out);
    QCOMPARE(HtmlText::encode(in), out);
}

void TestHtmlText::decodeLeavesOtherTextAlone_data() {
    QTest::addColumn<QString>("in");
    QTest::addColumn<QString>("out");
    QTest::newRow("named entity not ours") << "&comma;&nbsp;"
                                           << "&comma;&nbsp;";
    QTest::newRow("unterminated") << "&amp"
                                  << "&amp";
    QTest::newRow("no digits") << "&#;"
                               << "&#;";
    QTest::newRow("out of range") << "&#1114112;"
                                  << "&#1114112;";
    QTest::newRow("lone ampersand") << "a & b"
                                    << "a & b";
    QTest::newRow("mixed") << "&lt;b&gt; &#233;t&#233;" << QString::fromUtf8("<b> été");
    QTest::newRow("decoded once only") << "&amp;lt;"
                                       << "&lt;";
}

void TestHtmlText::decodeLeavesOtherTextAlone() {
    QFETCH(QString, in);
    QFETCH(QString, out);
    QCOMPARE(HtmlText::decode(in), out);
}

void TestHtmlText::roundTrip_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("html") << "<a href=\"x\">&amp;</a>";
    QTest::newRow("unicode") << QString::fromUtf8("Größe 日本 \xF0\x9F\x98\x80 &#65;");
    QTest::newRow("entity-looking text") << "&#233; &quot;";
}

void TestHtmlText::roundTrip() {
    QFETCH(QString, text);
    const QString encoded = HtmlText::encode(text);
    for (QChar c : encoded)
        QVERIFY2(c.unicode() < 128, "the page must be plain ASCII");
    QCOMPARE(HtmlText::decode(encoded), text);
}

void TestHtmlText::pathTests() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QString::fromUtf8("a file é.txt"));
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    QVERIFY(FileChecks::fileExists(file));
    QVERIFY(!FileChecks::fileExists(dir.path()));
    QVERIFY(!FileChecks::fileExists(QString()));
    QVERIFY(FileChecks::folderExists(dir.path()));
    QVERIFY(!FileChecks::folderExists(file));
    QCOMPARE(FileChecks::pathKind(file), int(FileChecks::PathFile));
    QCOMPARE(FileChecks::pathKind(dir.path()), int(FileChecks::PathFolder));
    QCOMPARE(FileChecks::pathKind(dir.filePath("missing")), int(FileChecks::PathNothing));
    QCOMPARE(FileChecks::pathKind("/dev/null"), int(FileChecks::PathOther));
}

void TestHtmlText::iconsAlwaysArePictures() {
    QTemporaryDir dir;
    for (const QString& p : {dir.path(), QStringLiteral("/bin/sh"), dir.filePath("none.xyz")}) {
        const QImage small = DesktopIcons::smallIcon(p);
        const QImage large = DesktopIcons::largeIcon(p);
        QVERIFY(!small.isNull());
        QVERIFY(!large.isNull());
        QCOMPARE(small.width(), 16);
        QCOMPARE(large.width(), 32);
    }
}

QTEST_GUILESS_MAIN(TestHtmlText)
#include "tst_htmltext.moc"
