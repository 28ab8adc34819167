#include "components/KeyFile.h"
#include "components/UlvError.h"
#include "document/Document.h"
#include "document/SectionRow.h"
#include "generator/modGenHTML.h"

#include <QtTest>

using namespace ulvanta;

Q_DECLARE_METATYPE(ItemRow)
Q_DECLARE_METATYPE(std::vector<ItemRow>)

namespace {

const QString CRLF = QStringLiteral("\r\n");

ItemRow icon(const QString& desc, const QString& cmd, const QString& run = "Normal Window",
             const QString& comments = {}, const QString& iconFile = {}, const QString& params = {},
             const QString& startIn = {}) {
    return {desc, cmd, params, startIn, iconFile, run, comments};
}

ItemRow section(const QString& name, const QString& columns = "5", bool above = true,
                bool border = false) {
    return {SectionRow::compose(name, columns, "32", above, border), {}, {}, {}, {}, {}, {}};
}

// "Name=value" settings applied to a fresh document.
void apply(Document& doc, const QStringList& settings) {
    for (const QString& s : settings)
        doc.WriteProp(s.section('=', 0, 0), s.section('=', 1));
}

QStringList lines(const QString& text) {
    return text.split(CRLF);
}

} // namespace

class TestPageGenerator : public QObject {
    Q_OBJECT
private slots:
    void init();
    void defaultPage();
    void style_data();
    void style();
    void commandBar_data();
    void commandBar();
    void settingsComment_data();
    void settingsComment();
    void bodyAndCloseCarryHeaderAndFooter();
    void workedExampleTable();
    void tableShape_data();
    void tableShape();
    void link_data();
    void link();
    void cellImage_data();
    void cellImage();
    void numbers_data();
    void numbers();
    void cellWidth_data();
    void cellWidth();
    void badNumberEndsGeneration_data();
    void badNumberEndsGeneration();
    void viewNeverTouchesTheIconFolder();

private:
    std::unique_ptr<Document> doc;
    KeyFile keys;
    QString table() { return PageGenerator(*doc, keys).GenTable(false, {}); }
};

void TestPageGenerator::init() {
    doc = std::make_unique<Document>();
    doc->NextNew = 1;
    doc->Propulate();
}

void TestPageGenerator::defaultPage() {
    const QString expected =
        "<html>\r\n\r\n<head>\r\n<meta name=\"generator\" content=\"Ulvanta Editor 3.3.13" +
        PageGenerator::credit() +
        "\">\r\n<title>New File 1</title>\r\n</head>\r\n\r\n<body>\r\n\r\n"
        "<h1>New File 1</h1>\r\n\r\n</body>\r\n\r\n</html>\r\n\r\n"
        "<!-- Ulvanta info:\r\nHeight=412\r\nWidth=492\r\n-->";
    QCOMPARE(PageGenerator(*doc, keys).GenHTML(false, {}), expected);
    QVERIFY(PageGenerator::credit().startsWith(' '));
    QCOMPARE(keys.GetKey("Icons"), QString("0"));
}

void TestPageGenerator::style_data() {
    QTest::addColumn<QStringList>("settings");
    QTest::addColumn<QString>("expected");
    const QString head = "<style>\r\n<!--\r\n";
    const QString tail = "-->\r\n</style>\r\n</head>\r\n\r\n";
    const auto rules = [&](const QString& d) {
        return head + "body      { " + d + " } \r\n" + "table     { " + d + " } \r\n" + tail;
    };
    QTest::newRow("nothing set") << QStringList{} << "</head>\r\n\r\n";
    QTest::newRow("bold only") << QStringList{"Font bold=True"} << rules("font-weight: bold");
    QTest::newRow("font and size lose the final separator")
        << QStringList{"Font=Arial", "Font size=10"}
        << rules("font-family: Arial; font-size: 10pt");
    QTest::newRow("strikethrough before underline")
        << QStringList{"Font underline=True", "Font strikethrough=True"}
        << rules("text-decoration: line-through; text-decoration: underline");
    QTest::newRow("colour then italic then bold")
        << QStringList{"Font bold=True", "Font italic=True", "Text colour=#FF0000"}
        << rules("color: #FF0000; font-style: italic; font-weight: bold");
    QTest::newRow("one link colour, no body rule")
        << QStringList{"Link hover colour=#00FF00"}
        << head + "a:hover   { color: #00FF00; text-decoration: underline }\r\n" + tail;
    QTest::newRow("all link colours padded to column eleven")
        << QStringList{"Link colour=#1", "Link visited colour=#2", "Link active colour=#3",
                       "Link hover colour=#4"}
        << head + "a:link    { color: #1; text-decoration: none }\r\n" +
               "a:visited { color: #2; text-decoration: none }\r\n" +
               "a:active  { color: #3; text-decoration: none }\r\n" +
               "a:hover   { color: #4; text-decoration: underline }\r\n" + tail;
    QTest::newRow("style sheet alone")
        << QStringList{"Style sheet=/s/a b.css"}
        << "<link rel=\"stylesheet\" type=\"text/css\" href=\"/s/a b.css\">\r\n</head>\r\n\r\n";
    QTest::newRow("booleans are case-sensitive")
        << QStringList{"Font bold=true"} << "</head>\r\n\r\n";
}

void TestPageGenerator::style() {
    QFETCH(QStringList, settings);
    QFETCH(QString, expected);
    apply(*doc, settings);
    QCOMPARE(PageGenerator(*doc, keys).GenStyle(), expected);
}

void TestPageGenerator::commandBar_data() {
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("expected");
    const QString open = "[ <a href=\"pmc:open\">Open</a> ]";
    const QString edit = "[ <a href=\"pmc:edit\">Edit</a> ]";
    const QString refresh = "[ <a href=\"pmc:refresh\">Refresh</a> ]";
    QTest::newRow("none") << QStringList{} << "";
    QTest::newRow("open alone loses its space")
        << QStringList{"open"} << "<p>" + open + "</p>\r\n\r\n";
    QTest::newRow("all six, edit and refresh touch")
        << QStringList{"refresh", "edit", "maximise", "minimise", "exit", "open"}
        << "<p>" + open + " [ <a href=\"pmc:exit\">Exit</a> ] " +
               "[ <a href=\"pmc:min\">Minimise</a> ] [ <a href=\"pmc:max\">Maximise</a> ] " + edit +
               refresh + "</p>\r\n\r\n";
    QTest::newRow("open and edit")
        << QStringList{"edit", "open"} << "<p>" + open + " " + edit + "</p>\r\n\r\n";
}

void TestPageGenerator::commandBar() {
    QFETCH(QStringList, shown);
    QFETCH(QString, expected);
    for (const QString& c : shown)
        doc->WriteProp("Show " + c + " command", "True");
    QCOMPARE(PageGenerator(*doc, keys).GenCommandBar(), expected);
}

void TestPageGenerator::settingsComment_data() {
    QTest::addColumn<QStringList>("settings");
    QTest::addColumn<QString>("curFile");
    QTest::addColumn<QString>("middle");
    QTest::newRow("false Closable is not False") << QStringList{"Closable=false"} << ""
                                                 << "Height=412\r\n";
    QTest::newRow("every optional line")
        << QStringList{"Closable=False",
                       "Extra commands=False",
                       "Icon=/i/a.ico",
                       "Minimise on use=True",
                       "Start maximised=True",
                       "Show edit command=True",
                       "Height=",
                       "Width=7"}
        << "/d/doc.pmf"
        << "Closable=False\r\nExtra commands=False\r\nHeight=\r\nIcon=/i/a.ico\r\n"
           "Minimise on use=True\r\nStart maximised=True\r\nSource file=/d/doc.pmf\r\n";
    QTest::newRow("source file of an unsaved document")
        << QStringList{"Show edit command=True"} << ""
        << "Height=412\r\nSource file=\r\n";
}

void TestPageGenerator::settingsComment() {
    QFETCH(QStringList, settings);
    QFETCH(QString, curFile);
    QFETCH(QString, middle);
    apply(*doc, settings);
    doc->CurFile = curFile;
    const QString width = "Width=" + doc->ReadProp("Width") + "\r\n-->";
    QCOMPARE(PageGenerator(*doc, keys).GenInfo(), "<!-- Ulvanta info:\r\n" + middle + width);
}

void TestPageGenerator::bodyAndCloseCarryHeaderAndFooter() {
    apply(*doc, {"Background colour=#FFFFFF", "Background picture=/p/b.gif", "Title=A & B",
                 "Header HTML=<b>hi</b>", "Footer HTML=<i>bye</i>"});
    PageGenerator g(*doc, keys);
    QCOMPARE(g.GenBody(), "<body bgcolor=\"#FFFFFF\" background=\"/p/b.gif\">\r\n\r\n"
                          "<h1>A &amp; B</h1>\r\n\r\n<b>hi</b>\r\n\r\n");
    QCOMPARE(g.GenClose(), "<i>bye</i>\r\n\r\n</body>\r\n\r\n</html>\r\n\r\n");
}

void TestPageGenerator::workedExampleTable() {
    doc->items().appendItems({section("Apps"), icon("Notepad", "notepad.exe"),
                              icon("Calc", "calc.exe", "Hidden", "Calculator")});
    const QStringList expected = {
        "<h2>Apps</h2>",
        "",
        "<table border=\"0\" width=\"100%\">",
        "  <tr>",
        "    <td width=\"50%\" align=\"center\"><a href=\"pm:notepad.exe\" "
        "title=\"Notepad\">Notepad</a></td>",
        "    <td width=\"50%\" align=\"center\"><a href=\"pm:calc.exe,,,hidden\" "
        "title=\"Calculator\">Calc</a></td>",
        "  </tr>",
        "</table>",
        "",
        ""};
    QCOMPARE(lines(table()), expected);
}

void TestPageGenerator::tableShape_data() {
    QTest::addColumn<std::vector<ItemRow>>("rows");
    QTest::addColumn<QStringList>("settings");
    QTest::addColumn<QStringList>("openings"); // headings and table starts, in order
    QTest::addColumn<QList<int>>("rowSizes");  // cells of each table row, in order
    QTest::addColumn<QString>("width");

    const auto icons = [](int n) {
        std::vector<ItemRow> v;
        for (int i = 0; i < n; ++i)
            v.push_back(icon(QString("I%1").arg(i), "c"));
        return v;
    };
    const QString t0 = "<table border=\"0\" width=\"100%\">";
    QTest::newRow("3 icons, columns 5")
        << icons(3) << QStringList{} << QStringList{t0} << QList<int>{3} << "33.3333333333333";
    QTest::newRow("7 icons, columns 3") << icons(7) << QStringList{"Columns=3"} << QStringList{t0}
                                        << QList<int>{3, 3, 1} << "33.3333333333333";
    QTest::newRow("leading table takes page border and colour")
        << icons(1) << QStringList{"Table border=True", "Table colour=#123456"}
        << QStringList{"<table border=\"1\" width=\"100%\" bgcolor=\"#123456\">"} << QList<int>{1}
        << "100";
    std::vector<ItemRow> mixed = icons(4);
    mixed.push_back(section("Empty"));
    mixed.push_back(section("B", "4", true, true));
    for (const ItemRow& r : icons(4))
        mixed.push_back(r);
    QTest::newRow("section without icons has only its heading")
        << mixed << QStringList{"Columns=4.5"}
        << QStringList{t0, "<h2>Empty</h2>", "<h2>B</h2>", "<table border=\"1\" width=\"100%\">"}
        << QList<int>{4, 4} << "25";
}

void TestPageGenerator::tableShape() {
    QFETCH(std::vector<ItemRow>, rows);
    QFETCH(QStringList, settings);
    QFETCH(QStringList, openings);
    QFETCH(QList<int>, rowSizes);
    QFETCH(QString, width);
    doc->items().appendItems(rows);
    apply(*doc, settings);
    const QStringList out = lines(table());
    QStringList seen;
    QList<int> sizes;
    int tables = 0;
    for (const QString& l : out) {
        if (l.startsWith("<h2>") || l.startsWith("<table"))
            seen << l;
        tables += l.startsWith("<table") ? 1 : 0;
        tables -= l == "</table>" ? 1 : 0;
        if (l == "  <tr>")
            sizes << 0;
        if (l.startsWith("    <td")) {
            QVERIFY(l.startsWith("    <td width=\"" + width + "%\""));
            ++sizes.last();
        }
    }
    QCOMPARE(seen, openings);
    QCOMPARE(sizes, rowSizes);
    QCOMPARE(tables, 0);
    QCOMPARE(out.count("  </tr>"), rowSizes.size());
}

void TestPageGenerator::link_data() {
    QTest::addColumn<ItemRow>("row");
    QTest::addColumn<QString>("anchor");
    QTest::newRow("maximised, nothing else") << icon("D", "c.exe", "Maximised Focus")
                                             << "<a href=\"pm:c.exe,,,maxfocus\" title=\"D\">D</a>";
    QTest::newRow("start-in without parameters")
        << icon("D", "c.exe", "Normal Window", "", "", "", "/w")
        << "<a href=\"pm:c.exe,,/w\" title=\"D\">D</a>";
    QTest::newRow("hyperlink has no scheme") << icon("D", "http://x.org/", "Hyperlink", "", "", "a")
                                             << "<a href=\"http://x.org/,a\" title=\"D\">D</a>";
    QTest::newRow("unknown run style is its own word")
        << icon("D", "c", "Sideways") << "<a href=\"pm:c,,,Sideways\" title=\"D\">D</a>";
    QTest::newRow("commas escaped except in the tip")
        << icon("D", "a,b", "Minimised No Focus", "x, y")
        << "<a href=\"pm:a&amp;comma;b,,,minnofocus\" title=\"x, y\">D</a>";
    QTest::newRow("empty comments tip is the description")
        << icon("Say \"hi\"", "c", "Normal No Focus")
        << "<a href=\"pm:c,,,normalnofocus\" title=\"Say &quot;hi&quot;\">Say &quot;hi&quot;</a>";
}

void TestPageGenerator::link() {
    QFETCH(ItemRow, row);
    QFETCH(QString, anchor);
    doc->items().appendItems({row});
    const QString cell = lines(table()).at(2);
    QCOMPARE(cell, "    <td width=\"100%\" align=\"center\">" + anchor + "</td>");
}

void TestPageGenerator::cellImage_data() {
    QTest::addColumn<std::vector<ItemRow>>("rows");
    QTest::addColumn<QString>("img");
    const ItemRow pic = icon("P", "c", "Normal Window", "tip", "/i/Pic.PNG");
    QTest::newRow("upper-case PNG, icons above")
        << std::vector<ItemRow>{pic}
        << "<img border=\"0\" src=\"/i/Pic.PNG\" width=\"32\" "
           "height=\"32\" alt=\"tip\"><br>P</a>";
    QTest::newRow("program in a view is its own path, section size, beside")
        << std::vector<ItemRow>{{"SECTION:S;Columns:1;Icon size:20.5;Icons above:False", "", "", "",
                                 "", "", ""},
                                icon("P", "c", "Normal Window", "", "/usr/bin/env")}
        << "<img border=\"0\" src=\"/usr/bin/env\" width=\"20\" height=\"20\" alt=\"P\">P</a>";
    QTest::newRow("empty section options fall back on the page")
        << std::vector<ItemRow>{{"SECTION:S;Columns:1", "", "", "", "", "", ""}, pic}
        << "<img border=\"0\" src=\"/i/Pic.PNG\" width=\"32\" height=\"32\" alt=\"tip\"><br>P</a>";
}

void TestPageGenerator::cellImage() {
    QFETCH(std::vector<ItemRow>, rows);
    QFETCH(QString, img);
    doc->items().appendItems(rows);
    const QString t = table();
    QVERIFY2(t.contains(img + "</td>"), qPrintable(t));
}

void TestPageGenerator::numbers_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("iconSize");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("error");
    QTest::newRow("half to even down") << "2.5" << false << 2 << 0;
    QTest::newRow("half to even up") << "3.5" << false << 4 << 0;
    QTest::newRow("negative half") << "-2.5" << false << -2 << 0;
    QTest::newRow("blanks around") << "  7 " << false << 7 << 0;
    QTest::newRow("regional grouping") << "1,000" << true << 1000 << 0;
    QTest::newRow("empty") << "" << false << 0 << 13;
    QTest::newRow("words") << "five" << false << 0 << 13;
    QTest::newRow("column count past 16 bits") << "32767.5" << false << 0 << 6;
    QTest::newRow("icon size fits 32 bits") << "40000" << true << 40000 << 0;
    QTest::newRow("icon size past 32 bits") << "3e9" << true << 0 << 6;
}

void TestPageGenerator::numbers() {
    QFETCH(QString, text);
    QFETCH(bool, iconSize);
    QFETCH(int, value);
    QFETCH(int, error);
    try {
        const int v = iconSize ? PageNumbers::wholeIconSize(text) : PageNumbers::wholeColumns(text);
        QCOMPARE(error, 0);
        QCOMPARE(v, value);
    } catch (const UlvError& e) {
        QCOMPARE(e.number(), error);
    }
}

void TestPageGenerator::cellWidth_data() {
    QTest::addColumn<int>("columns");
    QTest::addColumn<QString>("width");
    QTest::newRow("1") << 1 << "100";
    QTest::newRow("3") << 3 << "33.3333333333333";
    QTest::newRow("4") << 4 << "25";
    QTest::newRow("6") << 6 << "16.6666666666667";
    QTest::newRow("7") << 7 << "14.2857142857143";
}

void TestPageGenerator::cellWidth() {
    QFETCH(int, columns);
    QFETCH(QString, width);
    QCOMPARE(PageNumbers::cellWidth(columns), width);
}

void TestPageGenerator::badNumberEndsGeneration_data() {
    QTest::addColumn<std::vector<ItemRow>>("rows");
    QTest::addColumn<QString>("pageColumns");
    QTest::addColumn<int>("error");
    QTest::newRow("section columns not a number")
        << std::vector<ItemRow>{section("S", "x")} << "5" << 13;
    QTest::newRow("page columns not a number")
        << std::vector<ItemRow>{icon("a", "b"), section("S")} << "many" << 13;
    QTest::newRow("icon size only matters with an icon")
        << std::vector<ItemRow>{{"SECTION:S;Columns:1;Icon size:big", "", "", "", "", "", ""},
                                icon("a", "b", "Hidden", "", "/x.png")}
        << "5" << 13;
    QTest::newRow("zero columns with icons")
        << std::vector<ItemRow>{section("S", "0.4"), icon("a", "b")} << "5" << 11;
}

void TestPageGenerator::badNumberEndsGeneration() {
    QFETCH(std::vector<ItemRow>, rows);
    QFETCH(QString, pageColumns);
    QFETCH(int, error);
    doc->items().appendItems(rows);
    doc->WriteProp("Columns", pageColumns);
    try {
        PageGenerator(*doc, keys).GenHTML(false, {});
        QFAIL("generation should have failed");
    } catch (const UlvError& e) {
        QCOMPARE(e.number(), error);
    }
}

void TestPageGenerator::viewNeverTouchesTheIconFolder() {
    QTemporaryDir dir;
    const QString base = dir.filePath("page");
    QDir().mkdir(base);
    QFile old(base + "/Icon1.ico");
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.close();
    KeyFile list;
    list.SetKey("Icons", "1");
    list.SetKey("Icon1", old.fileName());
    list.SaveKeys(base + "/Icons.txt");
    doc->items().appendItems({icon("a", "b", "Hidden", "", "/usr/bin/env")});
    const QString listText = list.toText();
    PageGenerator(*doc, keys).GenHTML(false, base);
    QVERIFY(QFile::exists(old.fileName()));
    QCOMPARE(QDir(base).entryList(QDir::Files).size(), 2);
    KeyFile after;
    after.LoadKeys(base + "/Icons.txt");
    QCOMPARE(after.toText(), listText);
}

QTEST_GUILESS_MAIN(TestPageGenerator)
#include "tst_pagegenerator.moc"
