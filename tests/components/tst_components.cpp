#include "TestFiles.h"
#include "components/CellText.h"
#include "components/CommandLine.h"
#include "components/EntryContainer.h"
#include "components/FileChecks.h"
#include "components/HtmlText.h"
#include "components/KeyValueFile.h"
#include "components/PaletteContrast.h"
#include "components/ProgramFiles.h"
#include "components/RecentFiles.h"
#include "components/WindowPlace.h"

#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>
#include <sched.h>
#include <sys/mount.h>

using namespace ulvanta;
using test::errorOf;
using test::readAll;
using test::writeFile;

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
} // namespace

// Text and file formats, and the files the program finds relative to itself.
class TestComponents : public QObject {
    Q_OBJECT
private slots:
    // Seven columns of least width 60 unless given; Description and Command are main.
    void columnsShareTheWidth_data() {
        QTest::addColumn<int>("available");
        QTest::addColumn<QList<int>>("least");
        QTest::addColumn<QList<int>>("wanted");
        QTest::addColumn<QList<int>>("widths");
        const QList<int> l7(7, 60);
        QTest::newRow("all fit") << 900 << l7 << QList<int>{150, 200, 80}
                                 << QList<int>{150, 200, 80, 60, 60, 60, 60};
        QTest::newRow("main columns cut to one width")
            << 500 << l7 << QList<int>{150, 300, 200} << QList<int>{100, 100, 60, 60, 60, 60, 60};
        QTest::newRow("narrow main column whole")
            << 600 << l7 << QList<int>{100, 300, 200} << QList<int>{100, 200, 60, 60, 60, 60, 60};
        QTest::newRow("others share what the main ones leave")
            << 900 << l7 << QList<int>{150, 200, 300, 0, 100}
            << QList<int>{150, 200, 270, 60, 100, 60, 60};
        QTest::newRow("least widths cut when they do not fit")
            << 140 << QList<int>{60, 60, 60} << QList<int>{200, 200, 200} << QList<int>{47, 47, 46};
        QTest::newRow("wider least width kept")
            << 300 << QList<int>{100, 60, 60} << QList<int>{50, 400} << QList<int>{100, 140, 60};
    }
    void columnsShareTheWidth() {
        QFETCH(int, available);
        QFETCH(QList<int>, least);
        QFETCH(QList<int>, wanted);
        QTEST(WindowPlace::columnWidths(available, least, wanted, {0, 1}), "widths");
    }

    // What encode makes decodes back to the text and is plain ASCII; decode leaves
    // alone what encode never makes.
    void encodeAndDecode_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("html");
        QTest::addColumn<bool>("encoded"); // html is what encode makes of text
        const auto add = [](const char* tag, const QString& text, const QString& html,
                            bool encoded = true) { QTest::newRow(tag) << text << html << encoded; };
        add("plain, line breaks kept", "Notepad 1.0 ~\r\nb\tc", "Notepad 1.0 ~\r\nb\tc");
        add("specials", "a&b<c>\"d'", "a&amp;b&lt;c&gt;&quot;d'");
        add("latin, cjk, delete char", QString::fromUtf8("é日\x7f"), "&#233;&#26085;&#127;");
        add("emoji is one reference", QString::fromUtf8("\xF0\x9F\x98\x80"), "&#128512;");
        add("entity-looking text escaped", "a&comma;&#65;", "a&amp;comma;&amp;#65;");
        add("named entity not ours, unterminated, lone", "&comma;&nbsp;&amp a & b",
            "&comma;&nbsp;&amp a & b", false);
        add("no digits, out of range", "&#;&#1114112;", "&#;&#1114112;", false);
        add("mixed", QString::fromUtf8("<b> été"), "&lt;b&gt; &#233;t&#233;", false);
        add("decoded once only", "&lt;", "&amp;lt;", false);
    }

    void encodeAndDecode() {
        QFETCH(QString, text);
        QFETCH(QString, html);
        QFETCH(bool, encoded);
        if (encoded) {
            QCOMPARE(HtmlText::encode(text), html);
            for (QChar c : html)
                QVERIFY2(c.unicode() < 128, "the page must be plain ASCII");
        }
        QCOMPARE(HtmlText::decode(html), text);
    }

    // A document file's cell goes onto the page straight from its bytes, exactly as
    // the text the editor reads from them would.
    void fileBytesEncodeAsTheirText_data() {
        QTest::addColumn<QByteArray>("bytes");
        const auto add = [](const char* tag, const QByteArray& b) { QTest::newRow(tag) << b; };
        add("empty", "");
        add("plain runs around each special", "abcdefgh&ijklmnop<qrstuvw>xyz\"0123456,789~\x7f");
        add("specials at each place of a run", "&bcdefgh a&cdefgh ab<defgh abc>efgh abcd\"fgh "
                                               "abcde,gh abcdef\x7fh abcdefg&");
        add("controls and line breaks", QByteArray("a\0b\tc\r\nd\x1f", 10));
        add("two, three and four bytes",
            "caf\xc3\xa9 \xe6\x97\xa5 \xf0\x9f\x98\x80 \xf4\x8f\xbf\xbf");
        add("byte order mark first", "\xef\xbb\xbfSECTION:x");
        add("byte order mark alone", "\xef\xbb\xbf");
        add("byte order mark inside", "a\xef\xbb\xbf");
        add("noncharacters", "\xef\xbf\xbe \xef\xbf\xbf \xef\xb7\x90");
        add("overlong forms", "\xc0\x80 \xc1\xbf \xe0\x80\xaf \xf0\x80\x80\x80");
        add("encoded surrogates", "\xed\xa0\x80\xed\xb0\x80");
        add("past the last code point", "\xf4\x90\x80\x80 \xf5\x80\x80\x80 \xff\xfe");
        add("continuation bytes alone", "\x80 abcdefgh \xbf");
        add("cut short at the end", "abcdefghij\xe6\x97");
        add("cut short before a character", "\xe6\x97"
                                            "abcdefghij");
        add("lead byte then ASCII", "\xc3"
                                    "A\xf0\x9f\x98"
                                    "A");
    }
    void fileBytesEncodeAsTheirText() {
        QFETCH(QByteArray, bytes);
        const QString text = QString::fromUtf8(bytes);
        const CellText cell = CellText::fromUtf8(bytes);
        QCOMPARE(cell.toString(), text);
        QCOMPARE(cell.isEmpty(), text.isEmpty());
        QCOMPARE(cell.startsWith(QLatin1StringView("SECTION:")), text.startsWith("SECTION:"));
        for (const bool commas : {false, true}) {
            QByteArray fromBytes = "kept ", fromText = "kept ";
            HtmlText::appendEncoded(fromBytes, cell, commas);
            HtmlText::appendEncoded(fromText, CellText(text), commas);
            QCOMPARE(fromBytes, fromText);
            QCOMPARE(HtmlText::decode(QString::fromLatin1(fromText.mid(5))),
                     commas ? QString(text).replace(",", "&comma;") : text);
        }
    }

    void pathKinds() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QString::fromUtf8("a file é.txt"));
        QVERIFY(writeFile(file, {}));
        const QList<std::pair<QString, int>> paths{
            {file, FileChecks::PathFile},
            {dir.path(), FileChecks::PathFolder},
            {dir.filePath("missing"), FileChecks::PathNothing},
            {"/dev/null", FileChecks::PathOther},
            {QString(), FileChecks::PathNothing}};
        for (const auto& [path, kind] : paths) {
            QCOMPARE(FileChecks::pathKind(path), kind);
            QCOMPARE(FileChecks::fileExists(path),
                     kind == FileChecks::PathFile || kind == FileChecks::PathOther);
            QCOMPARE(FileChecks::folderExists(path), kind == FileChecks::PathFolder);
        }
    }

    void keysSurviveSaveAndLoad() {
        QTemporaryDir dir;
        KeyValueFile k;
        k.setValue("EXE1", QString::fromUtf8("/opt/日本/app=1"));
        k.setValue("Empty", "");
        const QString path = dir.filePath("Icons.txt");
        k.save(path);
        QCOMPARE(readAll(path), QByteArray("EXE1=/opt/日本/app=1\r\nEmpty=\r\n"));
        KeyValueFile back;
        back.load(path);
        QCOMPARE(back.toText(), k.toText());
        QCOMPARE(back.value("EXE1"), k.value("EXE1")); // split at the first "="
        QCOMPARE(errorOf([&] { back.load(dir.filePath("missing/Icons.txt")); }), 53);
    }

    void parseKeys_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        const auto add = [](const char* tag, const char* text, const char* key, const char* value) {
            QTest::newRow(tag) << text << key << value;
        };
        add("lf", "Height=412\nIcon=/x.ico", "Icon", "/x.ico");
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

    void writesTheDocumentedLayout() {
        QTemporaryDir dir;
        const QString path = dir.filePath("d.pmf");
        container({{"A", "xy"}, {"LONGNAME", ""}}).save(path);
        QCOMPARE(readAll(path), validContainer());
    }

    void badContainers_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = validContainer();
        QTest::newRow("header only") << QByteArray("VODK");
        QTest::newRow("other header") << QByteArray("ABCD") + good.mid(4);
        QTest::newRow("count near 2^32") << QByteArray("VODK") + u32(0xFFFFFFFFu) + good.mid(8);
        QTest::newRow("count one too many") << QByteArray("VODK") + u32(3) + good.mid(8, 32);
        // The last entry's position and length, which no later entry's order check sees.
        QByteArray outside = good;
        outside.replace(32, 4, u32(4000));
        QTest::newRow("position outside") << outside;
        QByteArray longer = good;
        longer.replace(36, 4, u32(0xFFFFFFF0u));
        QTest::newRow("length outside") << longer;
        // Entry 2 over entry 1's content (bytes 40, 41), then over the directory.
        QTest::newRow("content repeated") << good.left(32) + u32(40) + u32(2) + good.mid(40);
        QTest::newRow("content out of order") << good.left(32) + u32(8) + u32(2) + good.mid(40);
    }

    void badContainers() {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath("bad.pmf");
        QVERIFY(writeFile(path, bytes));
        EntryContainer p;
        QCOMPARE(errorOf([&] { p.load(path); }), 321);
    }

    // A save that runs out of room leaves the old file whole (a folder as the target
    // is a document test).
    void failedWriteKeepsOldFile_data() {
        QTest::addColumn<int>("used"); // bytes of the 64 KiB disk taken beforehand
        QTest::addColumn<int>("size"); // of the content written
        QTest::newRow("larger than the disk") << 0 << 100000;
        QTest::newRow("small, onto a full disk") << 60000 << 1000;
    }

    void failedWriteKeepsOldFile() {
        QFETCH(int, used);
        QFETCH(int, size);
        QTemporaryDir dir;
        const QString path = dir.filePath("d.pmf");
        if (!mountTinyDisk(dir.path()))
            QSKIP("this process may not mount a file system");
        QVERIFY(writeFile(path, validContainer()) &&
                writeFile(dir.filePath("other"), QByteArray(used, 'o')));
        QCOMPARE(errorOf([&] { container({{"A", QString(size, 'x')}}).save(path); }), 61);
        QCOMPARE(readAll(path), validContainer());
        umount2(QFile::encodeName(dir.path()).constData(), MNT_DETACH);
    }

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
        QDir().mkpath(dir.filePath("usr/bin")); // the installed folder is reached through it
        for (const QString& p : helpPages.split(' ', Qt::SkipEmptyParts))
            QVERIFY(writeFile(dir.filePath(p + "index.html"), {}));
        QCOMPARE(ProgramFiles::helpFolder(dir.filePath("usr/bin") + "/"), dir.filePath(folder));
    }

    void documentArgument_data() {
        QTest::addColumn<QString>("files"); // made in the folder beforehand, "|" between
        QTest::addColumn<QByteArrayList>("arguments");
        QTest::addColumn<QString>("document");
        QTest::newRow("the whole line first")
            << "a b.pmf|b.pmf" << QByteArrayList{"a", "b.pmf"} << "a b.pmf";
        QTest::newRow("several files: the first")
            << "b.pmf|c.pmf" << QByteArrayList{"a.pmf", "b.pmf", "c.pmf"} << "b.pmf";
        QTest::newRow("none exists: the line") << "" << QByteArrayList{"x", "y"} << "x y";
    }

    void documentArgument() {
        QFETCH(QString, files);
        QFETCH(QByteArrayList, arguments);
        QTemporaryDir dir;
        for (const QString& f : files.split('|', Qt::SkipEmptyParts))
            QVERIFY(writeFile(dir.filePath(f), {}));
        QDir::setCurrent(dir.path());
        QTEST(QString::fromUtf8(CommandLine::documentArgument(arguments)), "document");
    }

    void legibleOnPalette_data() {
        QTest::addColumn<QColor>("drawing");
        QTest::addColumn<QColor>("outline"); // a second pixel, if any
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QColor>("shown"); // the drawing as shown; text is Qt::lightGray
        const QColor dark(40, 40, 40), none(Qt::transparent), light(239, 239, 239),
            grey(53, 53, 53);
        QTest::newRow("dark on dark: redrawn") << dark << none << grey << QColor(Qt::lightGray);
        QTest::newRow("faint on light: as drawn")
            << QColor(Qt::white) << none << light << QColor(Qt::white);
        QTest::newRow("outlined dark on dark") << dark << QColor(Qt::white) << grey << dark;
        QTest::newRow("light on dark") << light << none << grey << light;
        QTest::newRow("dark on black: redrawn")
            << dark << none << QColor(Qt::black) << QColor(Qt::lightGray);
    }

    void legibleOnPalette() {
        QFETCH(QColor, drawing);
        QFETCH(QColor, outline);
        QFETCH(QColor, background);
        QImage icon(16, 16, QImage::Format_ARGB32);
        icon.fill(Qt::transparent);
        icon.setPixelColor(8, 8, drawing);
        icon.setPixelColor(9, 8, outline);
        const QColor text(Qt::lightGray);
        const QImage legible = PaletteContrast::legibleIcon(icon, background, text);
        QTEST(legible.pixelColor(8, 8), "shown");
        QCOMPARE(legible.pixelColor(0, 0).alpha(), 0);
        // A lighter tone of text: lighter where there is room, never below legible.
        const QColor softer = PaletteContrast::softerText(text, background);
        const double room = PaletteContrast::ratio(text, background);
        QVERIFY(room < 4.5 ? softer == text : PaletteContrast::ratio(softer, background) >= 4.5);
        QCOMPARE(PaletteContrast::ratio(softer, background) < room, room > 6);
        // The help pages: their own colours on light, the palette's kept legible on dark.
        QPalette palette(Qt::black, background, {}, {}, {}, text, {}, background, background);
        palette.setColor(QPalette::Link, drawing);
        const auto help = PaletteContrast::helpColours(palette);
        QCOMPARE(help.has_value(), background.lightness() < 128);
        QVERIFY(!help || std::min({PaletteContrast::ratio(help->heading, background),
                                   PaletteContrast::ratio(help->code, text),
                                   PaletteContrast::ratio(help->tableHead, text)}) >= 4.5);
    }

    void recentFiles_data() {
        QTest::addColumn<QString>("added"); // names in a folder; "gone" never exists
        QTest::addColumn<QString>("listed");
        const auto add = [](const char* tag, const char* added, const char* listed) {
            QTest::newRow(tag) << added << listed;
        };
        add("added again moves first", "a b a", "a b");
        add("one name per document", "a ./a sub/../a", "a");
        add("missing files dropped", "a gone b", "b a");
        add("only the last eight", "a b c d e f g h i j", "j i h g f e d c");
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
                QVERIFY(writeFile(dir.filePath(name), {}));
            RecentFiles(ini).add(name); // kept across runs
        }
        QDir::setCurrent(previous);
        QStringList expected;
        for (const QString& name : listed.split(' '))
            expected.append(dir.filePath(name));
        QCOMPARE(RecentFiles(ini).files(), expected);
    }
};

QTEST_GUILESS_MAIN(TestComponents)
#include "tst_components.moc"
