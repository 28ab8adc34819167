#include "components/KeyFile.h"
#include "components/UlvError.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace ulvanta;

class TestKeyFile : public QObject {
    Q_OBJECT
private slots:
    void keysSurviveSaveAndLoad();
    void parseKeys_data();
    void parseKeys();
    void listEntries();
    void findAfterRewriteSeesNewValue();
    void loadMissingFileFails();
};

void TestKeyFile::keysSurviveSaveAndLoad() {
    QTemporaryDir dir;
    KeyFile k;
    k.SetKey("Icons", "2");
    k.SetKey("Icon1", QString::fromUtf8("/tmp/a b/Icon1.ico"));
    k.SetKey("EXE1", QString::fromUtf8("/opt/日本/app=1"));
    k.SetKey("Empty", "");
    const QString path = dir.filePath("Icons.txt");
    k.SaveKeys(path);

    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QVERIFY(bytes.startsWith("Icons=2\r\nIcon1="));
    QVERIFY(bytes.endsWith("Empty=\r\n"));

    KeyFile back;
    back.LoadKeys(path);
    QCOMPARE(back.GetKey("Icons"), QString("2"));
    QCOMPARE(back.GetKey("EXE1"), QString::fromUtf8("/opt/日本/app=1"));
    QCOMPARE(back.GetKey("Empty"), QString());
    QCOMPARE(back.GetKey("Nope"), QString("[NOT FOUND]"));
}

void TestKeyFile::parseKeys_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("crlf") << "Height=412\r\nWidth=492\r\n"
                          << "Width"
                          << "492";
    QTest::newRow("lf") << "Height=412\nIcon=/x.ico"
                        << "Icon"
                        << "/x.ico";
    QTest::newRow("value with equals") << "Icon=a=b\r\n"
                                       << "Icon"
                                       << "a=b";
    QTest::newRow("line without equals ignored") << "junk\r\nIcon=1\r\n"
                                                 << "junk"
                                                 << "[NOT FOUND]";
    QTest::newRow("replaces earlier keys") << "Other=1"
                                           << "Icon"
                                           << "[NOT FOUND]";
}

void TestKeyFile::parseKeys() {
    QFETCH(QString, text);
    QFETCH(QString, key);
    QFETCH(QString, value);
    KeyFile k;
    k.SetKey("Icon", "old");
    k.ParseKeys(text);
    QCOMPARE(k.GetKey(key), value);
}

void TestKeyFile::listEntries() {
    KeyFile k;
    k.SetKey("Icons", "0");
    QCOMPARE(k.FindListEntry("Icons", "EXE", "x", true), 0);
    const QStringList sources = {"/bin/App", "/bin/other", "/BIN/APP"};
    for (const QString& s : sources) {
        k.NextListEntry("Icons");
        k.SetListEntry("Icons", "EXE", s);
    }
    QCOMPARE(k.GetKey("Icons"), QString("3"));
    QCOMPARE(k.GetKey("EXE2"), QString("/bin/other"));
    QCOMPARE(k.FindListEntry("Icons", "EXE", "/bin/app", true), 1);
    QCOMPARE(k.FindListEntry("Icons", "EXE", "/BIN/APP", false), 3);
    QCOMPARE(k.FindListEntry("Icons", "EXE", "/bin/app", false), 0);
    QCOMPARE(k.FindListEntry("Icons", "EXE", "/bin/OTHER", true), 2);
}

void TestKeyFile::findAfterRewriteSeesNewValue() {
    KeyFile k;
    k.NextListEntry("L");
    k.SetListEntry("L", "P", "one");
    QCOMPARE(k.FindListEntry("L", "P", "one", true), 1);
    k.SetKey("P1", "two");
    QCOMPARE(k.FindListEntry("L", "P", "one", true), 0);
    QCOMPARE(k.FindListEntry("L", "P", "TWO", true), 1);
    k.SetKey("P2", "three"); // above the count until the list grows past it
    QCOMPARE(k.FindListEntry("L", "P", "three", true), 0);
    k.NextListEntry("L");
    k.NextListEntry("L");
    k.SetListEntry("L", "P", "four");
    QCOMPARE(k.FindListEntry("L", "P", "three", true), 2);
}

void TestKeyFile::loadMissingFileFails() {
    KeyFile k;
    try {
        k.LoadKeys("/nonexistent/dir/Icons.txt");
        QFAIL("no error");
    } catch (const UlvError& e) {
        QCOMPARE(e.number(), 53);
    }
}

QTEST_GUILESS_MAIN(TestKeyFile)
#include "tst_keyfile.moc"
