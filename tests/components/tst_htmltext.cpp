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
    void pathTests();
};

namespace {
void addRow(const char* tag, const QString& in, const QString& out) {
    QTest::newRow(tag) << in << out;
}
} // namespace

// Every encoded row also decodes back to its text, and the page stays plain ASCII.
void TestHtmlText::encodeText_data() {
    QTest::addColumn<QString>("in");
    QTest::addColumn<QString>("out");
    addRow("plain, line breaks kept", "Notepad 1.0 ~\r\nb\tc", "Notepad 1.0 ~\r\nb\tc");
    addRow("empty", "", "");
    addRow("specials", "a&b<c>\"d'", "a&amp;b&lt;c&gt;&quot;d'");
    addRow("latin, delete char", QString::fromUtf8("é\x7f"), "&#233;&#127;");
    addRow("cjk", QString::fromUtf8("日本"), "&#26085;&#26412;");
    addRow("emoji is one reference", QString::fromUtf8("\xF0\x9F\x98\x80"), "&#128512;");
    addRow("entity-looking text escaped", "a&comma;&#65;", "a&amp;comma;&amp;#65;");
}

void TestHtmlText::encodeText() {
    QFETCH(QString, in);
    QFETCH(QString, out);
    QCOMPARE(HtmlText::encode(in), out);
    for (QChar c : out)
        QVERIFY2(c.unicode() < 128, "the page must be plain ASCII");
    QCOMPARE(HtmlText::decode(out), in);
}

void TestHtmlText::decodeLeavesOtherTextAlone_data() {
    QTest::addColumn<QString>("in");
    QTest::addColumn<QString>("out");
    addRow("named entity not ours, unterminated", "&comma;&nbsp;&amp", "&comma;&nbsp;&amp");
    addRow("no digits, out of range", "&#;&#1114112;", "&#;&#1114112;");
    addRow("lone ampersand", "a & b", "a & b");
    addRow("mixed", "&lt;b&gt; &#233;t&#233;", QString::fromUtf8("<b> été"));
    addRow("decoded once only", "&amp;lt;", "&lt;");
}

void TestHtmlText::decodeLeavesOtherTextAlone() {
    QFETCH(QString, in);
    QFETCH(QString, out);
    QCOMPARE(HtmlText::decode(in), out);
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

QTEST_GUILESS_MAIN(TestHtmlText)
#include "tst_htmltext.moc"
