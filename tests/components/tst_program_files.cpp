#include "components/CommandLine.h"
#include "components/ProgramFiles.h"
#include "components/RecentFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace ulvanta;

namespace {
void touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
}
} // namespace

// The files the program finds relative to itself, and the list of recent documents.
class TestProgramFiles : public QObject {
    Q_OBJECT
private slots:
    void helpFolder_data() {
        QTest::addColumn<QString>("helpPages"); // folders holding an index.html
        QTest::addColumn<QString>("folder");
        const QString beside = "usr/bin/help/", installed = "usr/share/ulvanta-editor/help/";
        QTest::newRow("beside the program first") << beside + " " + installed << beside;
        QTest::newRow("installed data folder") << installed << installed;
        QTest::newRow("neither: the folder beside") << "" << beside;
    }

    void helpFolder() {
        QFETCH(QString, helpPages);
        QFETCH(QString, folder);
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath("usr/bin"));
        for (const QString& p : helpPages.split(' ', Qt::SkipEmptyParts))
            touch(dir.filePath(p + "index.html"));
        QCOMPARE(ProgramFiles::helpFolder(dir.filePath("usr/bin") + "/"), dir.filePath(folder));
    }

    void documentArgument_data() {
        QTest::addColumn<QString>("files"); // made in the folder beforehand
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("document");
        QTest::newRow("a name with a space") << "a b.pmf" << QStringList{"a", "b.pmf"} << "a b.pmf";
        QTest::newRow("several files: the first")
            << "b.pmf c.pmf" << QStringList{"a.pmf", "b.pmf", "c.pmf"} << "b.pmf";
        QTest::newRow("none exists: the line") << "" << QStringList{"x", "y"} << "x y";
    }

    void documentArgument() {
        QFETCH(QString, files);
        QFETCH(QStringList, arguments);
        QFETCH(QString, document);
        QTemporaryDir dir;
        for (const QString& f : files.split(' ', Qt::SkipEmptyParts))
            touch(dir.filePath(f == "a" ? "a b.pmf" : f));
        QDir::setCurrent(dir.path());
        QList<QByteArray> args;
        for (const QString& a : arguments)
            args.append(a.toUtf8());
        QCOMPARE(QString::fromUtf8(CommandLine::documentArgument(args)), document);
    }

    void recentFiles_data() {
        QTest::addColumn<QString>("added"); // names in a folder; "gone" never exists
        QTest::addColumn<QString>("listed");
        QTest::newRow("most recent first") << "a b c"
                                           << "c b a";
        QTest::newRow("added again moves first") << "a b a"
                                                 << "a b";
        QTest::newRow("one name per document") << "a ./a sub/../a"
                                               << "a";
        QTest::newRow("missing files dropped") << "a gone b"
                                               << "b a";
        QTest::newRow("only the last eight") << "a b c d e f g h i j"
                                             << "j i h g f e d c";
    }

    void recentFiles() {
        QFETCH(QString, added);
        QFETCH(QString, listed);
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath("sub"));
        const QString ini = dir.filePath("settings.ini"), previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        for (const QString& name : added.split(' ')) {
            if (name != "gone")
                touch(dir.filePath(name));
            RecentFiles(ini).add(name); // kept across runs
        }
        QDir::setCurrent(previous);
        QStringList expected;
        for (const QString& name : listed.split(' '))
            expected.append(dir.filePath(name));
        QCOMPARE(RecentFiles(ini).files(), expected);
    }
};

QTEST_GUILESS_MAIN(TestProgramFiles)
#include "tst_program_files.moc"
