#include "components/EntryContainer.h"
#include "components/Error.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>
#include <sched.h>
#include <sys/mount.h>

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

// Puts a 64 KiB file system on the folder, seen by this process alone (as root).
bool mountTinyDisk(const QString& dir) {
    return unshare(CLONE_NEWNS) == 0 &&
           mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
           mount("tmpfs", QFile::encodeName(dir).constData(), "tmpfs", 0, "size=64k") == 0;
}

EntryContainer container(const QList<std::pair<QString, QString>>& entries) {
    EntryContainer p;
    for (const auto& [name, content] : entries) {
        p.setEntryCount(p.entryCount() + 1);
        p.setEntryName(p.entryCount(), name);
        p.setEntryContent(p.entryCount(), content);
    }
    return p;
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
    void failedWriteKeepsOldFile_data();
    void failedWriteKeepsOldFile();
};

void TestEntryContainer::writesTheDocumentedLayout() {
    QTemporaryDir dir;
    const QString path = dir.filePath("d.pmf");
    container({{"A", "xy"}, {"LONGNAME", ""}}).save(path);
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
    // Entry 2 over entry 1's content (bytes 40, 41), then over the directory.
    QTest::newRow("content repeated") << good.left(32) + u32(40) + u32(2) + good.mid(40);
    QTest::newRow("content out of order") << good.left(32) + u32(8) + u32(2) + good.mid(40);
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

// A save that runs out of room leaves the old file whole (a folder as the target
// is a document test).
void TestEntryContainer::failedWriteKeepsOldFile_data() {
    QTest::addColumn<int>("used"); // bytes of the 64 KiB disk taken beforehand
    QTest::addColumn<int>("size"); // of the content written
    QTest::newRow("larger than the disk") << 0 << 100000;
    QTest::newRow("small, onto a full disk") << 60000 << 1000;
}

void TestEntryContainer::failedWriteKeepsOldFile() {
    QFETCH(int, used);
    QFETCH(int, size);
    QTemporaryDir dir;
    const QString path = dir.filePath("d.pmf");
    if (!mountTinyDisk(dir.path()))
        QSKIP("this process may not mount a file system");
    write(path, validContainer());
    write(dir.filePath("other"), QByteArray(used, 'o'));
    try {
        container({{"A", QString(size, 'x')}}).save(path);
        QFAIL("the write succeeded");
    } catch (const Error& e) {
        QCOMPARE(e.number(), 61);
    }
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), validContainer());
    umount2(QFile::encodeName(dir.path()).constData(), MNT_DETACH);
}

QTEST_GUILESS_MAIN(TestEntryContainer)
#include "tst_entrycontainer.moc"
