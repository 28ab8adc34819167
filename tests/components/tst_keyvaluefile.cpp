#include "TestFiles.h"
#include "components/Error.h"
#include "components/KeyValueFile.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace ulvanta;

class TestKeyValueFile : public QObject {
    Q_OBJECT
private slots:
    void keysSurviveSaveAndLoad() {
        QTemporaryDir dir;
        KeyValueFile k;
        k.setValue("Icons", "2");
        k.setValue("Icon1", QString::fromUtf8("/tmp/a b/Icon1.ico"));
        k.setValue("EXE1", QString::fromUtf8("/opt/日本/app=1"));
        k.setValue("Empty", "");
        const QString path = dir.filePath("Icons.txt");
        k.save(path);

        const QByteArray bytes = test::readAll(path);
        QVERIFY(bytes.startsWith("Icons=2\r\nIcon1="));
        QVERIFY(bytes.endsWith("Empty=\r\n"));

        KeyValueFile back;
        back.load(path);
        QCOMPARE(back.value("EXE1"), QString::fromUtf8("/opt/日本/app=1"));
        QCOMPARE(back.value("Empty"), QString());
        QCOMPARE(back.value("Nope"), QString("[NOT FOUND]"));
        try {
            back.load(dir.filePath("missing/Icons.txt"));
            QFAIL("no error");
        } catch (const Error& e) {
            QCOMPARE(e.number(), 53);
        }
    }

    void parseKeys_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        const auto add = [](const char* tag, const char* text, const char* key, const char* value) {
            QTest::newRow(tag) << text << key << value;
        };
        add("crlf", "Height=412\r\nWidth=492\r\n", "Width", "492");
        add("lf", "Height=412\nIcon=/x.ico", "Icon", "/x.ico");
        add("value with equals", "Icon=a=b\r\n", "Icon", "a=b");
        add("line without equals ignored", "junk\r\nIcon=1\r\n", "junk", "[NOT FOUND]");
        add("replaces earlier keys", "Other=1", "Icon", "[NOT FOUND]");
    }

    void parseKeys() {
        QFETCH(QString, text);
        QFETCH(QString, key);
        QFETCH(QString, value);
        KeyValueFile k;
        k.setValue("Icon", "old");
        k.parse(text);
        QCOMPARE(k.value(key), value);
    }

    // Numbered entries under a count; a search sees values rewritten since, and only
    // entries up to the count.
    void listEntries() {
        KeyValueFile k;
        k.setValue("Icons", "0");
        QCOMPARE(k.findListEntry("Icons", "EXE", "x", true), 0);
        for (const char* s : {"/bin/App", "/bin/other", "/BIN/APP"}) {
            k.addListEntry("Icons");
            k.setListEntry("Icons", "EXE", s);
        }
        QCOMPARE(k.value("Icons"), QString("3"));
        QCOMPARE(k.value("EXE2"), QString("/bin/other"));
        QCOMPARE(k.findListEntry("Icons", "EXE", "/bin/app", true), 1);
        QCOMPARE(k.findListEntry("Icons", "EXE", "/BIN/APP", false), 3);
        QCOMPARE(k.findListEntry("Icons", "EXE", "/bin/app", false), 0);
        k.setValue("EXE1", "two");
        QCOMPARE(k.findListEntry("Icons", "EXE", "/bin/App", true), 3);
        QCOMPARE(k.findListEntry("Icons", "EXE", "TWO", true), 1);
        k.setValue("EXE4", "four"); // above the count until the list grows past it
        QCOMPARE(k.findListEntry("Icons", "EXE", "four", true), 0);
        k.addListEntry("Icons");
        k.addListEntry("Icons");
        k.setListEntry("Icons", "EXE", "five");
        QCOMPARE(k.findListEntry("Icons", "EXE", "four", true), 4);
        // A count from a damaged list costs only the keys the file has.
        k.parse("Icons=2111111111\r\nEXE07=x\r\nEXE2000000=y\r\n");
        QElapsedTimer t;
        t.start();
        QCOMPARE(k.findListEntry("Icons", "EXE", "y", true), 2000000);
        QCOMPARE(k.findListEntry("Icons", "EXE", "x", true), 0);
        QVERIFY(t.elapsed() < 1000);
    }
};

QTEST_GUILESS_MAIN(TestKeyValueFile)
#include "tst_keyvaluefile.moc"
