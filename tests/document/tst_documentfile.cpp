#include "components/PackFile.h"
#include "components/UlvError.h"
#include "document/Document.h"
#include "document/SectionRow.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace ulvanta;

namespace {
ItemRow row(const QString& prefix) {
    ItemRow r;
    for (int c = 0; c < ItemColumnCount; ++c)
        r[size_t(c)] = prefix + QString::number(c);
    return r;
}

// Writes a container of "name=content" entries.
void writePack(const QString& path, const QStringList& entries) {
    PackFile p;
    quint32 i = 0;
    for (const QString& e : entries) {
        ++i;
        p.SetEntry(e.section('=', 0, 0), 3, i);
        p.SetEntry(e.section('=', 1), 5, i);
    }
    p.SetEntry(i, 1, 0);
    p.WritePack(path);
}
} // namespace

class TestDocumentFile : public QObject {
    Q_OBJECT
private slots:
    void twoRowsSaveToFiftyEntries();
    void everythingRoundTrips();
    void rowsAreReadByPosition();
    void unknownPropertyStopsTheOpen_data();
    void unknownPropertyStopsTheOpen();
    void heldFileIsLockedAgainstOtherHolders();
    void failedSaveKeepsFileAndState_data();
    void failedSaveKeepsFileAndState();
};

void TestDocumentFile::twoRowsSaveToFiftyEntries() {
    QTemporaryDir dir;
    Document d;
    d.Propulate();
    d.items().appendItems({row("a"), row("b")});
    const QString path = dir.filePath("two.pmf");
    d.SaveFile(path);
    PackFile p;
    p.LoadPack(path);
    QCOMPARE(p.entryCount(), 50u);
    const QStringList names = {"DESC", "COMMAND", "PARAM", "STARTIN", "ICON", "RUN", "COMMENTS"};
    for (int i = 0; i < 14; ++i)
        QCOMPARE(p.entryName(quint32(i + 1)), names[i % 7]);
    QCOMPARE(p.entryName(15), QString("P_BACK_C"));
    QCOMPARE(p.entryName(50), QString("P_SHOW_R"));
}

void TestDocumentFile::everythingRoundTrips() {
    QTemporaryDir dir;
    Document d;
    d.Propulate();
    ItemRow tricky;
    tricky[ColDescription] = QString::fromUtf8("é 日本 \xF0\x9F\x98\x80");
    tricky[ColCommand] = "C:\\a,b\\\"quoted\".exe";
    tricky[ColParameters] = "x\r\ny\tz";
    tricky[ColComments] = "comma, semicolon;";
    ItemRow sect;
    sect[ColDescription] = SectionRow::compose("Tools: {x}", "3", "48", false, true);
    d.items().appendItems({tricky, sect, row("z")});
    const QString header(1 << 20, QChar('h'));
    d.WriteProp("Header HTML", header);
    d.WriteProp("Footer HTML", "two\r\nlines");
    d.WriteProp("Title", "My page");
    d.WriteProp("Link colour", "#FF0000");
    d.Changed = true;
    const QString path = dir.filePath("doc with spaces.pmf");
    d.SaveFile(path);
    QVERIFY(!d.Changed);
    QCOMPARE(d.caption(), "My page (" + path + ") - Ulvanta Editor");
    d.CO.release();

    Document back;
    back.Propulate();
    back.OpenFile(path, false);
    QCOMPARE(back.items().count(), 3);
    for (int r = 0; r < 3; ++r)
        QCOMPARE(back.items().row(r), d.items().row(r));
    for (int p = 1; p <= 36; ++p) {
        const QString name = d.GetProp(p, 1);
        QCOMPARE(back.ReadProp(name, true), d.ReadProp(name, true));
    }
    QCOMPARE(back.HeaderHTML.size(), header.size());
    QCOMPARE(back.CurFile, path);
    QCOMPARE(back.caption(), "My page (" + path + ") - Ulvanta Editor");
}

void TestDocumentFile::rowsAreReadByPosition() {
    QTemporaryDir dir;
    const QString path = dir.filePath("order.pmf");
    writePack(path, {"DESC=d", "RUN=c1", "ICON=c2", "XX=c3", "PARAM=c4", "COMMAND=c5",
                     "COMMENTS=c6", "P_TITLE=T"});
    Document d;
    d.Propulate();
    d.OpenFile(path, false);
    QCOMPARE(d.items().count(), 1);
    QCOMPARE(d.items().row(0), (ItemRow{"d", "c1", "c2", "c3", "c4", "c5", "c6"}));
    QCOMPARE(d.ReadProp("Title"), QString("T"));
}

void TestDocumentFile::unknownPropertyStopsTheOpen_data() {
    QTest::addColumn<QString>("badKey");
    QTest::newRow("not in the table") << "P_NOPE";
    QTest::newRow("out of table order") << "P_BACK_C"; // after P_COLUMN
}

void TestDocumentFile::unknownPropertyStopsTheOpen() {
    QFETCH(QString, badKey);
    QTemporaryDir dir;
    const QString path = dir.filePath("bad.pmf");
    writePack(path, {"DESC=v", "COMMAND=v", "PARAM=v", "STARTIN=v", "ICON=v", "RUN=v", "COMMENTS=v",
                     "P_COLUMN=9", badKey + "=x"});

    Document d;
    d.Propulate();
    d.Changed = true;
    try {
        d.OpenFile(path, false);
        QFAIL("opened");
    } catch (const UlvError& e) {
        QCOMPARE(e.number(), 321);
    }
    // What was read before the error stays; the document keeps its name.
    QCOMPARE(d.items().count(), 1);
    QCOMPARE(d.ReadProp("Columns"), QString("9"));
    QVERIFY(d.CurFile.isEmpty());
    QVERIFY(d.Changed);
}

void TestDocumentFile::heldFileIsLockedAgainstOtherHolders() {
    QTemporaryDir dir;
    const QString path = dir.filePath("held.pmf");
    Document first;
    first.Propulate();
    first.SaveFile(path);
    QVERIFY(first.CO.isHeld());
    const QString flock = QStandardPaths::findExecutable("flock");
    const auto otherProcessLocks = [&] {
        return QProcess::execute(flock, {"-n", "-s", path, "true"}) == 0;
    };
    if (!flock.isEmpty())
        QVERIFY(!otherProcessLocks());

    Document second;
    second.Propulate();
    try {
        second.OpenFile(path, false);
        QFAIL("a held document was opened twice");
    } catch (const UlvError& e) {
        QCOMPARE(e.number(), 70);
        QCOMPARE(e.description(), QString("Permission denied"));
    }
    first.CO.release(); // as New or closing does
    if (!flock.isEmpty())
        QVERIFY(otherProcessLocks());
    second.OpenFile(path, false);
    QCOMPARE(second.CurFile, path);
}

void TestDocumentFile::failedSaveKeepsFileAndState_data() {
    QTest::addColumn<QString>("target"); // relative to the temporary folder
    QTest::addColumn<int>("number");
    QTest::newRow("a folder") << "folder" << 75;
    QTest::newRow("missing folder") << "missing/x.pmf" << 76;
    QTest::newRow("read-only folder") << "ro/x.pmf" << 70;
}

void TestDocumentFile::failedSaveKeepsFileAndState() {
    QFETCH(QString, target);
    QFETCH(int, number);
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("folder");
    QDir(dir.path()).mkdir("ro");
    QFile::setPermissions(dir.filePath("ro"), QFile::ReadOwner | QFile::ExeOwner);
    if (number == 70 && QFileInfo(dir.filePath("ro")).isWritable())
        QSKIP("running with rights that ignore folder permissions");

    Document d;
    d.Propulate();
    d.items().appendItems({row("a")});
    const QString good = dir.filePath("good.pmf");
    d.SaveFile(good);
    d.items().appendItems({row("b")});
    d.Changed = true;
    try {
        d.SaveFile(dir.filePath(target));
        QFAIL("saved");
    } catch (const UlvError& e) {
        QCOMPARE(e.number(), number);
    }
    QCOMPARE(d.CurFile, good);
    QVERIFY(d.Changed);
    QVERIFY(d.CO.isHeld());
    Document back;
    d.CO.release();
    back.OpenFile(good, false);
    QCOMPARE(back.items().count(), 1);
}

QTEST_GUILESS_MAIN(TestDocumentFile)
#include "tst_documentfile.moc"
