#include "components/PackFile.h"
#include "components/UlvError.h"

#include <QFile>
#include <QRandomGenerator>
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

// A 64 KiB file system on a folder, seen by this process alone (root only; the
// mount ends with the process at the latest).
struct TinyDisk {
    explicit TinyDisk(const QString& dir) : path(QFile::encodeName(dir)) {
        mounted = unshare(CLONE_NEWNS) == 0 &&
                  mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
                  mount("tmpfs", path.constData(), "tmpfs", 0, "size=64k") == 0;
    }
    ~TinyDisk() {
        if (mounted)
            umount(path.constData());
    }
    QByteArray path;
    bool mounted = false;
};

void write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
} // namespace

class TestPackFile : public QObject {
    Q_OBJECT
private slots:
    void writesTheDocumentedLayout();
    void badContainers_data();
    void badContainers();
    void randomBytesNeverCrash();
    void failedWriteKeepsOldFile_data();
    void failedWriteKeepsOldFile();
};

void TestPackFile::writesTheDocumentedLayout() {
    QTemporaryDir dir;
    PackFile p;
    p.SetEntry("A", 3, 1);
    p.SetEntry("xy", 5, 1);
    p.SetEntry("LONGNAME", 3, 2);
    p.SetEntry("", 5, 2);
    p.SetEntry(2, 1, 0);
    const QString path = dir.filePath("d.pmf");
    p.WritePack(path);
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), validContainer());
}

void TestPackFile::badContainers_data() {
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
    // Entry 2's (position, length); entry 1 holds bytes 40 and 41.
    const QList<std::tuple<const char*, quint32, quint32>> ranges = {
        {"contents overlap", 41, 1},
        {"content repeated", 40, 2},
        {"contents out of order", 40, 0},
        {"content inside the directory", 8, 2},
    };
    for (const auto& [row, position, length] : ranges)
        QTest::newRow(row) << good.left(32) + u32(position) + u32(length) + good.mid(40);
    for (int cut : {9, 41})
        QTest::addRow("truncated at %d", cut) << good.left(cut);
}

void TestPackFile::badContainers() {
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString path = dir.filePath("bad.pmf");
    write(path, bytes);
    PackFile p;
    try {
        p.LoadPack(path);
        QFAIL("a bad container was accepted");
    } catch (const UlvError& e) {
        QCOMPARE(e.number(), 321);
        QVERIFY(e.description().startsWith("Invalid file format"));
    }
}

void TestPackFile::randomBytesNeverCrash() {
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
        PackFile p;
        try {
            p.LoadPack(path);
            for (quint32 e = 1; e <= p.entryCount(); ++e)
                p.ReadEntry(path, p.GetEntry(1, e).toUInt(), p.GetEntry(2, e).toUInt());
        } catch (const UlvError& e) {
            QVERIFY(e.number() > 0);
        }
    }
}

void TestPackFile::failedWriteKeepsOldFile_data() {
    QTest::addColumn<bool>("fullDisk"); // else the target is a folder
    QTest::addColumn<int>("used");      // bytes of the 64 KiB disk taken beforehand
    QTest::addColumn<int>("size");      // of the content written
    QTest::addColumn<int>("number");
    QTest::newRow("onto a folder") << false << 0 << 10 << 75;
    QTest::newRow("larger than the disk") << true << 0 << 100000 << 61;
    QTest::newRow("small, onto a full disk") << true << 60000 << 1000 << 61;
}

void TestPackFile::failedWriteKeepsOldFile() {
    QFETCH(bool, fullDisk);
    QFETCH(int, used);
    QFETCH(int, size);
    QFETCH(int, number);
    QTemporaryDir dir;
    const QString path = dir.filePath("d.pmf");
    TinyDisk disk(dir.path());
    if (fullDisk && !disk.mounted)
        QSKIP("this process may not mount a file system");
    write(path, validContainer());
    write(dir.filePath("other"), QByteArray(used, 'o'));
    PackFile p;
    p.SetEntry("A", 3, 1);
    p.SetEntry(QString(size, 'x'), 5, 1);
    p.SetEntry(1, 1, 0);
    try {
        p.WritePack(fullDisk ? path : dir.path());
        QFAIL("the write succeeded");
    } catch (const UlvError& e) {
        QCOMPARE(e.number(), number);
    }
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), validContainer());
}

QTEST_GUILESS_MAIN(TestPackFile)
#include "tst_packfile.moc"
