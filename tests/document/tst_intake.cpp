#include "TestFiles.h"
#include "intake/BookmarkFile.h"
#include "intake/DesktopEntry.h"
#include "intake/DroppedItems.h"
#include "intake/IconLookup.h"
#include "intake/InstalledApplications.h"
#include "intake/RowPictures.h"
#include "intake/ThemeIconIndex.h"
#include "model/SectionRow.h"

#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>

using namespace ulvanta;
using namespace ulvanta::intake;
using test::writeFile;

namespace {

// A row as one line: its columns but the icon joined by "|", a section as "[name]".
QString describe(const ItemRow& r) {
    if (SectionRow::isSection(r[ColDescription]))
        return QLatin1Char('[') + SectionRow::name(r[ColDescription]) + QLatin1Char(']');
    QStringList cols(r.begin(), r.end());
    cols.removeAt(ColIcon);
    return cols.join(QLatin1Char('|'));
}

QStringList describe(const std::vector<ItemRow>& rows) {
    QStringList out;
    for (const ItemRow& r : rows)
        out << describe(r);
    return out;
}

const QString N = QStringLiteral("Normal Window");
const QString H = QStringLiteral("Hyperlink");

} // namespace

class IntakeTest : public QObject {
    Q_OBJECT
private slots:
    void desktopEntryBecomesRowOrIsRefused_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("expected"); // the row, or "!" and the refusal
        const auto add = [](const char* tag, const QString& text, const QString& expected,
                            const char* locale = "C") {
            QTest::newRow(tag) << text << locale << expected;
        };
        const QString head = "[Desktop Entry]\nType=Application\n", n = "||" + N + "|";
        add("field codes go, path and comment kept",
            head + "Name=Editor\nExec=/usr/bin/editor --new %U\nPath=/srv\nComment=Edits\\sall\n",
            "Editor|/usr/bin/editor|--new|/srv|" + N + "|Edits all");
        add("quoted program and arguments",
            head + "Name=Q\nExec=\"/opt/My App/run\" --title \"two words\" \"\" %f -x%%y %i %c\n",
            "Q|/opt/My App/run|--title \"two words\" \"\" -x%y" + n);
        add("escapes inside quotes",
            head + "Name=S\nExec=sh -c \"echo \\\\\"hi\\\\\" \\\\\\\\ \\\\$HOME\"\n",
            "S|sh|-c \"echo \\\"hi\\\" \\\\ $HOME\"" + n);
        const QString names = head +
                              "Name=Files\nName[de]=Dateien\nName[de_AT]=Dateien AT\nExec=files\n"
                              "Comment=Browse\nComment[de]=Durchsuchen\n";
        add("country, then language", names, "Dateien AT|files|" + n + "Durchsuchen", "de_AT");
        add("untranslated language", names, "Files|files|" + n + "Browse", "fr_FR");
        add("link", "[Desktop Entry]\nType=Link\nName=Site\nURL=https://ex.org/\n",
            "Site|https://ex.org/|||" + H + "|");
        add("other groups ignored",
            "# c\n[Desktop Action new]\nName=Wrong\nExec=wrong\n" + head +
                "Name=Right\nExec=right\n[Desktop Action x]\nExec=x\n",
            "Right|right|" + n);
        add("no group", "Name=X\nExec=x\n", "!is not a desktop entry");
        add("no name", head + "Exec=x\n", "!has no Name");
        add("no exec", head + "Name=X\n", "!has no Exec");
        add("open quote", head + "Name=X\nExec=\"x\n", "!has an Exec line that names no program");
        add("directory", "[Desktop Entry]\nType=Directory\nName=X\n",
            "!is neither an application nor a link");
        add("link without url", "[Desktop Entry]\nType=Link\nName=X\n", "!is a link without a URL");
        add("link that starts a program", "[Desktop Entry]\nType=Link\nName=X\nURL= Pmc:/bin/sh\n",
            "!is a link that would start a program");
        add("name read as a section stays an icon", head + "Name=SECTION:T;Columns:0\nExec=x\n",
            "SECTION :T;Columns:0|x|" + n);
        const QString refused = "!is refused - Invalid file format (%1), 321";
        add("line over 64 KiB", head + "Name=X\nExec=x" + QString(64 * 1024, 'a') + '\n',
            refused.arg("a line is longer than 64 KiB"));
        add("file over 1 MiB", head + "Name=X\nExec=x\n" + QString(1024, '#').repeated(1024),
            refused.arg("larger than 1 MiB"));
    }
    void desktopEntryBecomesRowOrIsRefused() {
        QFETCH(QString, text);
        QFETCH(QString, locale);
        const DesktopEntryReading r = parseDesktopEntry(text.toUtf8(), QLocale(locale));
        IconLookup icons({{}, {}, {}});
        QTEST(r.ok() ? describe(desktopEntryRow(r.entry, icons)) : '!' + r.refusal, "expected");
    }

    void iconNameBecomesPictureFile_data() {
        QTest::addColumn<QString>("icon");
        QTest::addColumn<QString>("expected"); // relative to the temporary folder
        const auto add = [](const char* tag, const char* icon, const char* expected) {
            QTest::newRow(tag) << icon << expected;
        };
        add("largest raster size", "a", "icons/hicolor/256x256/apps/a.png");
        add("scalable when no raster", "b", "icons/hicolor/scalable/apps/b.svg");
        add("user's theme before hicolor", "c", "icons/Mine/16x16/apps/c.png");
        add("inherited theme", "d", "icons/Base/48x48/apps/d.png");
        add("earlier data folder wins at one size", "e", "home/icons/hicolor/512x512/apps/e.png");
        add("pixmap folder last", "f", "pixmaps/f.xpm");
        add("name given with suffix", "a.png", "icons/hicolor/256x256/apps/a.png");
        add("absolute path kept", "%T/pixmaps/f.xpm", "pixmaps/f.xpm");
        add("missing absolute path looked up", "/nowhere/a.png",
            "icons/hicolor/256x256/apps/a.png");
        add("unknown", "zz", "");
    }
    void iconNameBecomesPictureFile() {
        QFETCH(QString, icon);
        QFETCH(QString, expected);
        QTemporaryDir tmp;
        const QString t = tmp.path() + QLatin1Char('/');
        for (const char* f :
             {"icons/hicolor/16x16/apps/a.png", "icons/hicolor/256x256/apps/a.png",
              "icons/hicolor/scalable/apps/a.svg", "icons/hicolor/scalable/apps/b.svg",
              "icons/hicolor/256x256/apps/c.png", "icons/Mine/16x16/apps/c.png",
              "icons/Base/48x48/apps/d.png", "icons/hicolor/512x512/apps/e.png",
              "home/icons/hicolor/512x512/apps/e.png", "pixmaps/f.xpm", "pixmaps/a.png"})
            writeFile(t + QLatin1String(f), "x");
        writeFile(t + "icons/Mine/index.theme", "[Icon Theme]\nInherits=Base,hicolor\n");
        IconLookup lookup({{t + "home/icons", t + "icons"}, {t + "pixmaps"}, "Mine"});
        icon.replace(QLatin1String("%T"), tmp.path());
        QCOMPARE(lookup.find(icon), expected.isEmpty() ? QString() : t + expected);
    }

    void themeIconChosenBySize_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("size");     // as the page's setting reads
        QTest::addColumn<QString>("expected"); // relative to the temporary folder
        const auto add = [](const char* tag, const char* name, const char* size, const char* file) {
            QTest::newRow(tag) << name << size << file;
        };
        add("nearest raster size", "a", "20", "a/icons/Mine/16x16/apps/a.png");
        add("equally near: the larger", "a", "32", "a/icons/Mine/48x48/apps/a.png");
        add("no number: 32 pixels", "a", "big", "a/icons/Mine/48x48/apps/a.png");
        add("PNG before SVG at any size", "a", "256", "a/icons/Mine/48x48/apps/a.png");
        add("SVG when there is no PNG", "s", "48", "a/icons/Mine/scalable/apps/s.svg");
        add("drawn symbolic picture", "s-symbolic", "16",
            "a/icons/Mine/16x16/apps/s-symbolic.symbolic.png");
        add("first theme wins", "c", "32", "a/icons/Mine/16x16/apps/c.png");
        add("inherited theme", "b", "48", "b/icons/Base/32x32/apps/b.png");
        add("scaled folder counts its pixels", "d", "47.5", "b/icons/Base/24x24@2/apps/d.png");
        add("hicolor without index, user's part", "h", "22", "home/icons/hicolor/22x22/apps/h.png");
        add("hicolor in every data folder", "h", "200", "b/icons/hicolor/256x256/apps/h.png");
        add("pixmap folder last", "p", "32", "a/pixmaps/p.png");
        add("theme outside the chain", "x", "32", "");
        add("picture of another kind", "xp", "32", "");
    }
    void themeIconChosenBySize() {
        QFETCH(QString, name);
        QFETCH(QString, size);
        QTemporaryDir tmp;
        const QString t = tmp.path() + QLatin1Char('/');
        writeFile(t + "a/icons/Mine/index.theme",
                  "[Icon Theme]\nInherits=Base\nDirectories=16x16/apps,48x48/apps,scalable/apps\n"
                  "[16x16/apps]\nSize=16\n[48x48/apps]\nSize=48\n"
                  "[scalable/apps]\nSize=64\nType=Scalable\n");
        writeFile(t + "b/icons/Base/index.theme",
                  "[Icon Theme]\nDirectories=32x32/apps\nScaledDirectories=24x24@2/apps\n"
                  "[32x32/apps]\nSize=32\n[24x24@2/apps]\nSize=24\nScale=2\n");
        for (const char* f :
             {"a/icons/Mine/16x16/apps/a.png", "a/icons/Mine/48x48/apps/a.png",
              "a/icons/Mine/scalable/apps/a.svg", "a/icons/Mine/scalable/apps/s.svg",
              "a/icons/Mine/scalable/apps/s-symbolic.svg",
              "a/icons/Mine/16x16/apps/s-symbolic.symbolic.png", "a/icons/Mine/16x16/apps/c.png",
              "b/icons/Base/32x32/apps/c.png", "b/icons/Base/32x32/apps/b.png",
              "b/icons/Base/32x32/apps/d.png", "b/icons/Base/24x24@2/apps/d.png",
              "home/icons/hicolor/22x22/apps/h.png", "b/icons/hicolor/256x256/apps/h.png",
              "b/icons/hicolor/16x16/apps/h.png", "a/pixmaps/p.png", "b/pixmaps/p.png",
              "b/pixmaps/c.png", "b/pixmaps/xp.xpm", "b/icons/Other/32x32/apps/x.png"})
            writeFile(t + QLatin1String(f), "x");
        qputenv("XDG_DATA_HOME", QFile::encodeName(t + "home"));
        qputenv("XDG_DATA_DIRS", QFile::encodeName(t + "a:" + t + "b"));
        IconLookup::Places places = ThemeIconIndex::systemPlaces();
        places.theme = QStringLiteral("Mine");
        const ThemeIconIndex index = ThemeIconIndex::build(places);
        const ThemeIcon* icon = index.find(name);
        const QString chosen =
            icon ? ThemeIconIndex::closestFile(*icon, ThemeIconIndex::sizeFromSetting(size, 32))
                 : QString();
        QTEST(chosen.mid(t.size()), "expected");
    }

    // %T is a folder holding pic.png, prog (a program), doc.txt, dir/, bin/tool on
    // the search path, app.desktop (Icon=a, found) and named.desktop (Icon=nowhere).
    void rowPictureChosenInOrder_data() {
        QTest::addColumn<QString>("icon");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("run");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("source");
        const auto add = [](const char* tag, const char* icon, const char* command, QString run,
                            PictureChoice::Kind kind, const char* source) {
            QTest::newRow(tag) << icon << command << run << int(kind) << source;
        };
        add("image in the Icon field", "%T/pic.png", "%T/prog", N, PictureChoice::Image,
            "%T/pic.png");
        add("missing image: the command's", " %T/gone.png", "%T/doc.txt", N, PictureChoice::Shell,
            "%T/doc.txt");
        add("program in the Icon field", "%T/prog", "%T/doc.txt", H, PictureChoice::Shell,
            "%T/prog");
        add("desktop entry's icon file", "", "%T/app.desktop", N, PictureChoice::Image,
            "%T/icons/hicolor/48x48/apps/a.png");
        add("desktop entry's icon name", "", "%T/named.desktop", N, PictureChoice::Themed,
            "nowhere");
        add("hyperlink", "%T/gone", "%T/doc.txt", H, PictureChoice::Web, "");
        add("web address", "", "https://example.org/a", N, PictureChoice::Web, "");
        add("folder", "", "%T/dir", N, PictureChoice::Shell, "%T/dir");
        add("program on the search path", "", "tool", N, PictureChoice::Shell, "%T/bin/tool");
        add("nothing known", "", "/nowhere/tool", N, PictureChoice::Program, "");
        add("nothing at all", "", "", N, PictureChoice::Program, "");
    }
    void rowPictureChosenInOrder() {
        QFETCH(QString, icon);
        QFETCH(QString, command);
        QFETCH(QString, run);
        QFETCH(int, kind);
        QFETCH(QString, source);
        QTemporaryDir tmp;
        const QString t = tmp.path() + QLatin1Char('/');
        for (const char* f :
             {"pic.png", "prog", "doc.txt", "bin/tool", "dir/x", "icons/hicolor/48x48/apps/a.png"})
            writeFile(t + QLatin1String(f), "x");
        for (const char* f : {"prog", "bin/tool"})
            QFile::setPermissions(t + QLatin1String(f), QFile::ReadOwner | QFile::ExeOwner);
        writeFile(t + "app.desktop", "[Desktop Entry]\nType=Application\nExec=x\nIcon=a\n");
        writeFile(t + "named.desktop", "[Desktop Entry]\nType=Application\nIcon=nowhere\n");
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", (t + "bin").toLocal8Bit());
        RowPictures pictures({{t + "icons"}, {}, {}});
        const auto fill = [&](QString s) { return s.replace(QLatin1String("%T"), tmp.path()); };
        const PictureChoice chosen = pictures.choose(fill(icon), fill(command), run);
        qputenv("PATH", path);
        QCOMPARE(int(chosen.kind), kind);
        QCOMPARE(chosen.source, fill(source));
    }

    void dropBecomesRows_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QStringList>("items"); // %T: the temporary folder
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("reason");
        const QString uris = "text/uri-list", n = "|||" + N + "|", h = "|||" + H + "|";
        const auto row = [](const char* tag, const QString& format, const QStringList& items,
                            const QStringList& rows, const QString& reason = {}) {
            QTest::newRow(tag) << format << items << rows << reason;
        };
        row("files, folder, program, entry and address", uris,
            {"file://%T/notes.txt", "file://%T/dir", "file://%T/tool.sh", "file://%T/app.desktop",
             "https://www.example.org/a?b=1"},
            {"notes.txt|%T/notes.txt" + n, "dir|%T/dir" + n, "tool|%T/tool.sh||%T|" + N + "|",
             "App|app|-v||" + N + "|", "www.example.org|https://www.example.org/a?b=1" + h});
        row("bad scheme, missing file and broken entry skipped", uris,
            {"file://%T/broken.desktop", "mailto:a@b.c", "file://%T/notes.txt",
             "file://%T/gone.txt"},
            {"notes.txt|%T/notes.txt" + n},
            "3 items not added; the first: broken.desktop has no Exec");
        row("browser titles", "text/x-moz-url", {"https://a.org/x", "Page A", "ftp://b.org/", "B"},
            {"Page A|https://a.org/x" + h, "B|ftp://b.org/" + h});
        row("old browser title", "_NETSCAPE_URL", {"http://c.org/", "Seite Ü"},
            {"Seite Ü|http://c.org/" + h});
        row("address, path and words as text", "text/plain",
            {"https://d.org/p", "%T/notes.txt", "hello there"},
            {"d.org|https://d.org/p" + h, "notes.txt|%T/notes.txt" + n},
            "Not added: hello there is neither a file nor a web address");
        row("program links skipped", uris,
            {"pm:/bin/sh", "DATA:text/html,x", "file://%T/run.desktop", "file://%T/notes.txt"},
            {"notes.txt|%T/notes.txt" + n}, "3 links skipped: they would start programs");
        row("script skipped, title read as a section changed", "text/x-moz-url",
            {"javascript:alert(1)", "J", "https://e.org/", "SECTION:E"},
            {"SECTION :E|https://e.org/" + h},
            "1 link skipped: it would start a program; 1 title changed so that it does not read "
            "as a section");
        row("empty", uris, {}, {}, "Nothing to add: the drop holds no file or web address");
    }
    void dropBecomesRows() {
        QFETCH(QString, format);
        QFETCH(QStringList, items);
        QFETCH(QStringList, rows);
        QTemporaryDir tmp;
        const QString t = tmp.path();
        writeFile(t + "/notes.txt", "n");
        writeFile(t + "/tool.sh", "#!/bin/sh\n");
        writeFile(t + "/app.desktop",
                  "[Desktop Entry]\nType=Application\nName=App\nExec=app -v %u\n");
        for (const char* exe : {"/tool.sh", "/app.desktop"})
            QFile::setPermissions(t + exe, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        writeFile(t + "/broken.desktop", "[Desktop Entry]\nType=Application\nName=B\n");
        writeFile(t + "/run.desktop", "[Desktop Entry]\nType=Link\nName=R\nURL=pm:/bin/sh\n");
        QDir(t).mkdir("dir");
        rows.replaceInStrings("%T", t);
        // Browsers send text/x-moz-url as UTF-16.
        const QString text =
            items.replaceInStrings("%T", t).join(format == "text/uri-list" ? "\r\n" : "\n");
        QMimeData data;
        data.setData(format,
                     format == QLatin1String("text/x-moz-url")
                         ? QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2)
                         : text.toUtf8());
        const DropResult result = rowsFromDrop(data, QLocale::c());
        QCOMPARE(describe(result.rows), rows);
        QTEST(result.reason, "reason");
    }

    void bookmarksBecomeSections_data() {
        QTest::addColumn<QString>("body");
        QTest::addColumn<QStringList>("rows");
        const QString h = "|||" + H + "|";
        QTest::newRow("nested folders, loose links first")
            << "<DT><H3 ADD_DATE=\"1\">Work</H3>\n<DL><p>\n"
               "<DT><A HREF=\"https://w.org/\" ADD_DATE=\"2\" "
               "ICON=\"data:image/png;base64,AA>\">W</A>\n"
               "<DT><H3>Tools &amp; Docs</H3>\n<DL><p>\n"
               "<DT><A HREF=\"https://t.org/?a=1&amp;b=2\">Tom&#39;s &quot;T&quot; &#x263A;</A>\n"
               "</DL><p>\n<DT><A HREF=\"https://w2.org/\">W2</A>\n</DL><p>\n"
               "<DT><A HREF=\"https://top.org/\">Top</A>\n"
            << QStringList{
                   "Top|https://top.org/" + h, "[Work]",
                   "W|https://w.org/" + h,     "W2|https://w2.org/" + h,
                   "[Work / Tools & Docs]",    "Tom's \"T\" \u263A|https://t.org/?a=1&b=2" + h};
        QTest::newRow("empty folder, internal links, untitled link, description")
            << "<DT><H3>Empty</H3>\n<DL><p>\n</DL><p>\n"
               "<DT><H3>Smart</H3>\n<DL><p>\n<DT><A HREF=\"place:sort=8\">Recent</A>\n</DL><p>\n"
               "<DT><H3>Odd: {x};y</H3>\n<DL><p>\n<DT><A HREF=\"http://u.org/p\"></A>\n"
               "<DD>Said &lt;here&gt;\n<DT><a href='http://v.org'>V\n  line</a>\n</DL>\n"
            << QStringList{"[Odd: {x};y]", "u.org|http://u.org/p|||" + H + "|Said <here>",
                           "V line|http://v.org" + h};
        // Folders 1 to 70 nested, a link in the 1st, 64th and 70th.
        QString nested;
        for (int d = 1; d <= 70; ++d)
            nested += "<DT><H3>F</H3>\n<DL><p>\n" +
                      (d % 63 == 1 || d == 70 ? QString("<A HREF=\"https://%1.org/\">%1</A>").arg(d)
                                              : "");
        QTest::newRow("folders past the depth limit flatten")
            << nested + QString("</DL><p>\n").repeated(70)
            << QStringList{"[F]", "1|https://1.org/" + h,
                           '[' + QStringList(64, "F").join(" / ") + ']', "64|https://64.org/" + h,
                           "70|https://70.org/" + h};
    }
    void bookmarksBecomeSections() {
        QFETCH(QString, body);
        const QString page = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<!-- This is an automatically "
                             "generated file. <DL> -->\n<META HTTP-EQUIV=\"Content-Type\" "
                             "CONTENT=\"text/html; charset=UTF-8\">\n<TITLE>Bookmarks</TITLE>\n"
                             "<H1>Bookmarks Menu</H1>\n\n<DL><p>\n" +
                             body + "</DL>\n";
        QTemporaryDir tmp;
        writeFile(tmp.filePath("b.html"), page.toUtf8());
        QVERIFY(isBookmarkFilePath(tmp.filePath("b.html")));
        QVERIFY(isBookmarkFile(
            "\xEF\xBB\xBF\r\n<!doctype netscape-bookmark-file-1>")); // bom, blanks, case
        QVERIFY(!isBookmarkFile("<!DOCTYPE html>\n<html>"));
        QTEST(describe(readBookmarkFile(tmp.filePath("b.html")).rows), "rows");
    }

    void installedApplicationsListed() {
        QTemporaryDir tmp;
        const QString t = tmp.path();
        const auto entry = [](const char* name, const char* extra = "") {
            return QByteArray("[Desktop Entry]\nType=Application\nName=") + name +
                   "\nExec=" + QByteArray(name).toLower() + "\n" + extra;
        };
        writeFile(t + "/home/applications/mine.desktop", entry("Mine", "Categories=Office;\n"));
        writeFile(t + "/home/applications/dup.desktop", entry("Dup Own"));
        writeFile(t + "/home/applications/hideme.desktop", entry("HideMe", "Hidden=true\n"));
        writeFile(t + "/a/applications/dup.desktop", entry("Dup System"));
        writeFile(t + "/a/applications/hideme.desktop", entry("HideMe System"));
        writeFile(t + "/a/applications/kde/sub.desktop",
                  entry("alpha", "Categories=Qt;Utility;\nKeywords=zip;pack;\n"));
        writeFile(t + "/b/applications/nodisp.desktop", entry("NoDisp", "NoDisplay=true\n"));
        writeFile(t + "/b/applications/broken.desktop", "[Desktop Entry]\nName=Broken\n");
        writeFile(t + "/b/applications/zed.desktop", entry("Zed", "Categories=Game;Network;\n"));
        qputenv("XDG_DATA_HOME", QFile::encodeName(t + "/home"));
        qputenv("XDG_DATA_DIRS", QFile::encodeName(t + "/a:" + t + "/b"));
        const std::vector<Application> apps = installedApplications(QLocale::c());

        QStringList listed;
        for (const Application& a : apps)
            listed << a.entry.name + '/' + a.id + '/' + a.category;
        QCOMPARE(listed, (QStringList{"alpha/kde-sub.desktop/Utility", "Dup Own/dup.desktop/",
                                      "Mine/mine.desktop/Office", "Zed/zed.desktop/Game"}));

        QStringList matched; // by name or keyword, in any case
        for (const QString filter : {"", "ZE", "PACK", "d own"})
            for (const Application& a : apps)
                if (matchesFilter(a, filter))
                    matched << filter + ':' + a.entry.name;
        QCOMPARE(matched.join(' '), ":alpha :Dup Own :Mine :Zed ZE:Zed PACK:alpha d own:Dup Own");
        QCOMPARE(
            describe(rowsByCategory(apps)),
            (QStringList{"[Accessories]", describe(apps[0].row), "[Games]", describe(apps[3].row),
                         "[Office]", describe(apps[2].row), "[Other]", describe(apps[1].row)}));
    }
};

QTEST_GUILESS_MAIN(IntakeTest)
#include "tst_intake.moc"
