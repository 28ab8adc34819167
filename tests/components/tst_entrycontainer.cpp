#include "components/EntryContainer.h"
#include "components/Error.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

using namespace ulvanta;

namespace {
QByteArray u32(quint32 v) {
    char b[4];
    qToLittleEndian(v, b);
    return QByteArray(b, 4);
}

// A container with entries ("A", "xy") and ("LONGNAME", "").
QByteArray validContainer() {
    QByteArray d = "VODK" + u32(2);
    d += QByteArray("A", 1).leftJustified(8, '\0') + u32(40) + u32(2);
    d += QByteArray("LONGNAME") + u32(42) + u32(0);
    d += "xy";
    return d;
}

void write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
} // namespace

class TestEntryContainer : public QObject {
    Q_OBJECT
private slots:
    void writesTheDocumentedLayout();
    void badContainers_data();
    void badContainers();
    void randomBytesNeverCrash();
    void failedWriteKeepsOldFile();
};

void TestEntryContainer::writesTheDocumentedLayout() {
    QTemporaryDir dir;
    EntryContainer p;
    p.setEntryName(1, "A");
    p.setEntryContent(1, "xy");
    p.setEntryName(2, "LONGNAME");
    p.setEntryContent(2, "");
    p.setEntryCount(2);
    const QString path = dir.filePath("d.pmf");
    p.save(path);
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), validContainer());
}

void TestEntryContainer::badContainers_data() {
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray good = validContainer();
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("header only") << QByteArray("VODK");
    QTest::newRow("other header") << QByteArray("ABCD") + good.mid(4);
    QTest::newRow("count near 2^32") << QByteArray("VODK") + u32(0xFFFFFFFFu) + good.mid(8);
    QTest::newRow("count one too many") << QByteArray("VODK") + u32(3) + good.mid(8, 32);
    QByteArray outside = good;
    outside.replace(16, 4, u32(4000));
    QTest::newRow("position outside") << outside;
    QByteArray longer = good;
    longer.replace(20, 4, u32(0xFFFFFFF0u));
    QTest::newRow("length outside") << longer;
    for (int cut : {9, 41})
        QTest::addRow("truncated at %d", cut) << good.left(cut);
}

void TestEntryContainer::badContainers() {
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString path = dir.filePath("bad.pmf");
    write(path, bytes);
    EntryContainer p;
    try {
        p.load(path);
        QFAIL("a bad container was accepted");
    } catch (const Error& e) {
        QCOMPARE(e.number(), 321);
        QVERIFY(e.description().startsWith("Invalid file format"));
    }
}

void TestEntryContainer::randomBytesNeverCrash() {
    QTemporaryDir dir;
    const QString path = dir.filePath("rnd.pmf");
    QRandomGenerator rng(42);
    for (int i = 0; i < 200; ++i) {
        QByteArray bytes(int(rng.bounded(200)), '\0');
        for (char& c : bytes)
            c = char(rng.bounded(256));
        if (i % 2 == 0 && bytes.size() >= 8)
            bytes.replace(0, 4, "VODK");
        write(path, bytes);
        EntryContainer p;
        try {
            p.load(path);
            for (quint32 e = 1; e <= p.entryCount(); ++e)
                p.readEntry(path, p.entryPosition(e), p.entryLength(e));
        } catch (const Error& e) {
            QVERIFY(e.number() > 0);
        }
    }
}

void TestEntryContainer::failedWriteKeepsOldFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath("d.pmf");
    write(path, validContainer());
    EntryContainer p;
    p.setEntryName(1, "A");
    p.setEntryCount(1);
    try {
        p.save(dir.path()); // a folder
        QFAIL("writing onto a folder succeeded");
    } catch (const Error& e) {
        QCOMPARE(e.number(), 75);
    }
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), validContainer());
}

QTEST_GUILESS_MAIN(TestEntryContainer)
#include "tst_entrycontainer.moc"
