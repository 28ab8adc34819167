#include "components/EntryContainer.h"
#include "components/Error.h"
#include "document/Document.h"
#include "document/PropertyTable.h"
#include "document/SectionRow.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace ulvanta;

namespace {
// Writes a container of "name=content" entries.
void writePack(const QString& path, const QStringList& entries) {
    EntryContainer p;
    quint32 i = 0;
    for (const QString& e : entries) {
        ++i;
        p.setEntryName(i, e.section('=', 0, 0));
        p.setEntryContent(i, e.section('=', 1));
    }
    p.setEntryCount(i);
    p.save(path);
}

// The error number a call throws, 0 when it succeeds.
template <typename F> int errorOf(F f) {
    try {
        f();
    } catch (const Error& e) {
        return e.number();
    }
    return 0;
}
} // namespace

class TestDocumentFile : public QObject {
    Q_OBJECT
private slots:
    void everythingRoundTrips() {
        Document d;
        d.resetProperties();
        ItemRow tricky;
        tricky[ColDescription] = QString::fromUtf8("é 日本 \xF0\x9F\x98\x80");
        tricky[ColCommand] = "C:\\a,b\\\"quoted\".exe";
        tricky[ColParameters] = "x\r\ny\tz";
        tricky[ColComments] = "comma, semicolon;";
        ItemRow sect;
        sect[ColDescription] = SectionRow::compose("Tools: {x}", "3", "48", false, true);
        d.items().appendItems({tricky, sect, ItemRow{"z0", "z1", "z2", "z3", "z4", "z5", "z6"}});
        d.setSetting("Header HTML", QString(1 << 20, QChar('h')));
        d.setSetting("Footer HTML", "two\r\nlines");
        d.setSetting("Title", "My page");
        d.setSetting("Link colour", "#FF0000");
        d.setModified(true);
        const QString path = dir.filePath("doc with spaces.pmf");
        d.save(path);
        QVERIFY(!d.isModified());
        d.fileLock().release();

        // Each row as seven entries, then every property in table order.
        EntryContainer p;
        p.load(path);
        QCOMPARE(p.entryCount(), 3u * 7 + 36);
        const QStringList names = {"DESC", "COMMAND", "PARAM",   "STARTIN",
                                   "ICON", "RUN",     "COMMENTS"};
        for (quint32 i = 0; i < 21; ++i)
            QCOMPARE(p.entryName(i + 1), names[int(i % 7)]);
        QCOMPARE(p.entryName(22), QString("P_BACK_C"));
        QCOMPARE(p.entryName(57), QString("P_SHOW_R"));

        Document back;
        back.resetProperties();
        back.load(path);
        QCOMPARE(back.items().count(), 3);
        for (int r = 0; r < 3; ++r)
            QCOMPARE(back.items().row(r), d.items().row(r));
        for (int i = 1; i <= 36; ++i)
            QCOMPARE(back.setting(PropertyTable::displayName(i)),
                     d.setting(PropertyTable::displayName(i)));
    }

    void rowsAreReadByPosition() {
        const QString path = dir.filePath("order.pmf");
        writePack(path, {"DESC=d", "RUN=c1", "ICON=c2", "XX=c3", "PARAM=c4", "COMMAND=c5",
                         "COMMENTS=c6", "P_TITLE=T"});
        Document d;
        d.resetProperties();
        d.load(path);
        QCOMPARE(d.items().count(), 1);
        QCOMPARE(d.items().row(0), (ItemRow{"d", "c1", "c2", "c3", "c4", "c5", "c6"}));
        QCOMPARE(d.htmlSetting("Title"), QString("T"));
    }

    void unknownPropertyStopsTheOpen_data() {
        QTest::addColumn<QString>("badKey");
        QTest::newRow("not in the table") << "P_NOPE";
        QTest::newRow("out of table order") << "P_BACK_C"; // after P_COLUMN
    }

    void unknownPropertyStopsTheOpen() {
        QFETCH(QString, badKey);
        const QString path = dir.filePath("bad.pmf");
        writePack(path, {"DESC=v", "COMMAND=v", "PARAM=v", "STARTIN=v", "ICON=v", "RUN=v",
                         "COMMENTS=v", "P_COLUMN=9", badKey + "=x"});
        Document d;
        d.resetProperties();
        d.setModified(true);
        QCOMPARE(errorOf([&] { d.load(path); }), 321);
        // What was read before the error stays; the document keeps its name.
        QCOMPARE(d.items().count(), 1);
        QCOMPARE(d.htmlSetting("Columns"), QString("9"));
        QVERIFY(d.filePath().isEmpty());
        QVERIFY(d.isModified());
    }

    void heldFileIsLockedAgainstOtherHolders() {
        const QString path = dir.filePath("held.pmf");
        Document first, second;
        first.resetProperties();
        first.save(path);
        const QString flock = QStandardPaths::findExecutable("flock");
        const auto otherProcessLocks = [&] {
            return flock.isEmpty() ? !first.fileLock().isHeld()
                                   : QProcess::execute(flock, {"-n", "-s", path, "true"}) == 0;
        };
        QVERIFY(!otherProcessLocks());
        QCOMPARE(errorOf([&] { second.load(path); }), 70);
        first.fileLock().release(); // as New or closing does
        QVERIFY(otherProcessLocks());
        second.load(path);
        QCOMPARE(second.filePath(), path);
    }

    void failedSaveKeepsFileAndState_data() {
        QTest::addColumn<QString>("target"); // relative to the temporary folder
        QTest::addColumn<int>("number");
        QTest::newRow("a folder") << "." << 75;
        QTest::newRow("missing folder") << "missing/x.pmf" << 76;
        // A save replaces the file whole: with no room for the new copy beside it,
        // the old one stays as it was.
        QTest::newRow("itself, in a read-only folder") << "ro/good.pmf" << 70;
    }

    void failedSaveKeepsFileAndState() {
        QFETCH(QString, target);
        QFETCH(int, number);
        QDir(dir.path()).mkdir("ro");
        const QString good = dir.filePath("ro/good.pmf");
        Document d;
        d.resetProperties();
        d.items().appendItems({ItemRow{"a"}});
        d.save(good);
        QFile::setPermissions(dir.filePath("ro"), QFile::ReadOwner | QFile::ExeOwner);
        const bool ignored = QFileInfo(dir.filePath("ro")).isWritable();
        d.items().appendItems({ItemRow{"b"}});
        d.setModified(true);
        const int error = errorOf([&] { d.save(dir.filePath(target)); });
        QFile::setPermissions(dir.filePath("ro"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (number == 70 && ignored)
            QSKIP("running with rights that ignore folder permissions");
        QCOMPARE(error, number);
        QCOMPARE(d.filePath(), good);
        QVERIFY(d.isModified());
        QVERIFY(d.fileLock().isHeld());
        d.fileLock().release();
        Document back;
        back.load(good);
        QCOMPARE(back.items().count(), 1);
    }

private:
    QTemporaryDir dir;
};

QTEST_GUILESS_MAIN(TestDocumentFile)
#include "tst_documentfile.moc"
