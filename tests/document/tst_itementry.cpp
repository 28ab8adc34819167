// What the section and icon dialogs decide, and the icon that links a launcher page.
#include "ScriptedPrompter.h"
#include "TestFiles.h"
#include "components/KeyValueFile.h"
#include "edits/Document.h"
#include "forms/IconEntry.h"
#include "forms/PageLink.h"
#include "forms/SectionEntry.h"
#include "model/SectionRow.h"

#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace ulvanta;
using IconEntry::Focus;

class ItemEntryTest : public QObject {
    Q_OBJECT
private slots:
    // "c:" the Columns field, "i:" the Icon size field; "text>what leaving it makes".
    void numericFieldRules_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("iconSize");
        QTest::addColumn<QString>("expected");
        for (const QString& row : QString("c:abc>5|c:0.9>1|c:250>100|c:100.9>100.9|c: 12 > 12 |"
                                          "c:1,000>100|c:inf>5|i:8>16|i:5000>1024|i:x>32")
                                      .split('|'))
            QTest::newRow(qPrintable(row))
                << row.mid(2).section('>', 0, 0) << row.startsWith('i') << row.section('>', 1);
    }
    void numericFieldRules() {
        QFETCH(QString, text);
        QFETCH(bool, iconSize);
        const auto& rule = iconSize ? SectionEntry::IconSizeRule : SectionEntry::ColumnsRule;
        const QString once = SectionEntry::applyRule(text, rule);
        QTEST(once, "expected");
        QCOMPARE(SectionEntry::applyRule(once, rule), once); // leaving the field again
    }

    // "SECTION:" and ";"-separated "Key:value" fields; the name's own colons,
    // semicolons and braces are escaped and come back whole.
    void rowFields_data() {
        QTest::addColumn<QString>("row");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("value");
        QTest::newRow("no such field") << "SECTION:x;Columns:5" << 3 << "";
        QTest::newRow("field without colon") << "SECTION:x;Columns" << 2 << "";
        QTest::newRow("second colon cuts") << "SECTION:x;Columns:5:9" << 2 << "5";
        for (const char* name : {"x:y;z{w}", "{{}}{l}{r}", "日本 <b>&</b>"}) {
            const QString row =
                SectionEntry::compose({QString::fromUtf8(name), "3", "48", false, true});
            QTest::addRow("composed %s", name) << row << 1 << QString::fromUtf8(name);
            QTest::addRow("composed %s, border", name) << row << 5 << "True";
        }
    }
    void rowFields() {
        QFETCH(QString, row);
        QFETCH(int, field);
        QTEST(SectionRow::field(row, field), "value");
    }

    // A new section goes above the current row, a new icon below it; both go to the
    // end without one, an icon also when asked to. An edit writes the current row:
    // a section only its text, an icon the whole row. An icon's first empty field is
    // refused; its description may not make a section row.
    void entryWritesItsRow_data() {
        QTest::addColumn<QString>("entry"); // "section", or an icon's description|command
        QTest::addColumn<bool>("edit");
        QTest::addColumn<int>("current");
        QTest::addColumn<bool>("atBottom");
        QTest::addColumn<int>("expected"); // the row written, -1 when refused
        QTest::addColumn<QString>("says"); // a refusal's focus (Description, Command) and text
        const auto add = [](const char* tag, const char* entry, bool edit, int current,
                            bool atBottom, int expected, const char* says = "") {
            QTest::newRow(tag) << entry << edit << current << atBottom << expected << says;
        };
        add("section, third row current", "section", false, 2, false, 2);
        add("section, no current row", "section", false, -1, false, 4);
        add("section edit", "section", true, 2, false, 2);
        add("icon, third row current", "New|new.exe", false, 2, false, 3);
        add("icon, asked for the bottom", "New|new.exe", false, 2, true, 4);
        add("icon, no current row", "New|new.exe", false, -1, false, 4);
        add("icon edit", "New|new.exe", true, 2, false, 2);
        add("empty description", "|prog", false, 2, false, -1, "D:a description");
        add("blank description is one", "   |prog", false, 2, false, 3);
        add("blank command", "Desc|   ", true, 2, false, -1, "C:a command");
        add("section word behind blanks", "  SECTION:x|prog", false, 2, false, -1, "C:SECTION:");
        add("lower-case section word", "section:x|prog", false, 2, false, 3);
        add("command before section word", "SECTION:x|", false, 2, false, -1, "C:a command");
    }
    void entryWritesItsRow() {
        QFETCH(QString, entry);
        QFETCH(bool, edit);
        QFETCH(int, current);
        QFETCH(bool, atBottom);
        QFETCH(int, expected);
        QFETCH(QString, says);
        Document doc;
        for (int i = 0; i < 4; ++i)
            doc.items().insertItem(i, ItemRow{QString::number(i), "cmd"});
        QSignalSpy menus(&doc, &Document::actionUpdateRequested);
        test::ScriptedPrompter p;
        // An edit's numbers out of bounds; a new section's options as the dialog opens.
        const SectionEntry::Fields s =
            edit ? SectionEntry::Fields{.name = "New", .columns = "250", .iconSize = "9000"}
                 : SectionEntry::Fields{.name = "New"};
        const IconEntry::Fields icon{
            entry.section('|', 0, 0), entry.section('|', 1), "", "", "", "", ""};
        const bool section = entry == "section";
        IconEntry::Outcome out;
        QCOMPARE(section ? SectionEntry::confirm(doc, s, edit, current)
                         : (out = IconEntry::confirm(doc, p, icon, edit, current, atBottom)).row,
                 expected);
        if (expected < 0) {
            QCOMPARE(out.focus, says.startsWith('D') ? Focus::Description : Focus::Command);
            QCOMPARE(p.messages.size(), 1);
            QVERIFY2(p.messages[0].text.contains(says.mid(2)), qPrintable(p.messages[0].text));
            QCOMPARE(p.messages[0].title, edit ? "Edit Error" : "Add Error");
            QVERIFY(!doc.isModified() && doc.items().count() == 4);
            return;
        }
        QCOMPARE(doc.items().count(), edit ? 4 : 5);
        const QString text =
            edit ? "SECTION:New;Columns:100;Icon size:1024;Icons above:True;Table border:False"
                 : "SECTION:New" + SectionRow::defaultTail();
        QCOMPARE(doc.items().row(expected), (section ? ItemRow{text, edit ? "cmd" : ""}
                                                     : ItemRow{icon.description, icon.command}));
        QVERIFY(doc.isModified());
        if (!edit)
            QCOMPARE(menus.count(), 1);
    }

    void iconFieldsBecomeARow() {
        const IconEntry::Fields f{"  Spaced ", "  /usr/bin/prog  ",         " -a \"x y\" ",
                                  " /tmp ",    " \"/opt/My Icons/a.ico\" ", "Hidden",
                                  " note "};
        QCOMPARE(IconEntry::toRow(f),
                 (ItemRow{f.description, "/usr/bin/prog", f.parameters, f.startIn,
                          "/opt/My Icons/a.ico", "Hidden", f.comments}));
    }

    void browsedPathsComposeIntoTheField() {
        const QString spaced = QStringLiteral("/opt/My Files/a.txt");
        const QString quoted = '"' + spaced + '"';
        QCOMPARE(IconEntry::composeBrowsed("", spaced, true), quoted);
        QCOMPARE(IconEntry::composeBrowsed(quoted, "/tmp/b.txt", true), quoted + " /tmp/b.txt");
        QCOMPARE(IconEntry::composeBrowsed("/usr/bin/old", spaced, false), spaced);
    }

    void previewFollowsTheIconPath_data() {
        QTest::addColumn<QString>("path"); // %1: a scratch folder
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("image"); // 0 keep, 1 picture, 2 cleared
        const auto add = [](const char* tag, const char* path, IconEntry::PreviewKind k,
                            int image) { QTest::newRow(tag) << path << int(k) << image; };
        add("quoted picture upper case", "\"%1/Pic Two.PNG\"", IconEntry::PreviewKind::Picture, 1);
        add("unreadable picture is kept", "%1/broken.ico", IconEntry::PreviewKind::Picture, 0);
        add("program shows its icon", "%1/tool.exe", IconEntry::PreviewKind::ShellIcon, 1);
        add("missing path clears", "%1/missing.png", IconEntry::PreviewKind::Clear, 2);
    }
    void previewFollowsTheIconPath() {
        QFETCH(QString, path);
        QTemporaryDir dir;
        QImage pic(8, 8, QImage::Format_ARGB32);
        pic.fill(Qt::red);
        QVERIFY(pic.save(dir.filePath("Pic Two.PNG"), "PNG"));
        for (const char* junk : {"broken.ico", "tool.exe"})
            QVERIFY(test::writeFile(dir.filePath(junk), "not a picture"));
        path = path.arg(dir.path());
        QTEST(int(IconEntry::previewKind(path)), "kind");
        const std::optional<QImage> img = IconEntry::previewImage(path);
        QTEST(!img ? 0 : (img->isNull() ? 2 : 1), "image");
    }

    // The description is the page's title (tags in any case, decoded), else its file
    // name; the icon comes from the page's settings comment, decoded, else the
    // launcher's; a new window opens the page in the launcher.
    void pageLink_data() {
        QTest::addColumn<QString>("content");
        QTest::addColumn<bool>("newWindow");
        QTest::addColumn<QString>("fields"); // description|command|parameters|icon|run
        QTest::addColumn<QString>("width");  // from the settings; earlier ones are gone
        const auto add = [](const char* tag, const QString& content, bool newWindow,
                            const char* fields, const char* width = "[NOT FOUND]") {
            QTest::newRow(tag) << content << newWindow << fields << width;
        };
        const QString settings = "<!-- Ulvanta info:\r\nHeight=412\r\nIcon=/icons/Caf&#233; "
                                 "&amp; Co.ico\r\nWidth=492\r\n-->";
        // %P: the page, %L: the launcher.
        add("new window, icon from the settings", "<title>Home</title>" + settings, true,
            "Home|%L|%P|/icons/Café & Co.ico|Normal Window", "492");
        add("same window: a hyperlink", "<html></html>\r\n" + settings, false,
            "My.Page|%P||/icons/Café & Co.ico|Hyperlink", "492");
        add("comment never closed", "<!-- Ulvanta info:\r\nIcon=/x.ico\r\nWidth=5", true,
            "My.Page|%L|%P|%L|Normal Window");
        add("marker in other case is no comment", "<!-- ulvanta INFO:\r\nIcon=/x.ico\r\n-->", false,
            "My.Page|%P||%L|Hyperlink");
        add("two-line title, tags in any case",
            "<HTML><head><TiTlE>\r\n  My\r\nPage \r\n</TITLE></head>", false,
            "My Page|%P||%L|Hyperlink");
        add("encoded title", "<title>Caf&#233; &amp; &lt;Bar&gt;</title>", false,
            "Café & <Bar>|%P||%L|Hyperlink");
        add("title never closed", "<title>Lost", false, "|%P||%L|Hyperlink");
        add("closing tag before opening", "</title><title>x", false, "|%P||%L|Hyperlink");
    }
    void pageLink() {
        QFETCH(QString, content);
        QFETCH(bool, newWindow);
        QFETCH(QString, fields);
        const QString page = QStringLiteral("/p/My.Page.htm"),
                      app = QStringLiteral("/opt/ulvanta/");
        KeyValueFile keys;
        keys.parse("Icon=/from/an/earlier/page.ico\r\nWidth=7");
        const IconEntry::Fields f = PageLink::link(page, content, newWindow, app, keys);
        QCOMPARE(QStringList({f.description, f.command, f.parameters, f.icon, f.run}).join('|'),
                 fields.replace("%P", page).replace("%L", app + "Ulvanta2.exe"));
        QVERIFY(f.startIn.isEmpty() && f.comments.isEmpty());
        QTEST(keys.value("Width"), "width");
    }

    void unreadablePageFallsBack() {
        QCOMPARE(PageLink::readPage(QStringLiteral("/nonexistent/gone.html")), QString());
    }
};

QTEST_MAIN(ItemEntryTest)
#include "tst_itementry.moc"
