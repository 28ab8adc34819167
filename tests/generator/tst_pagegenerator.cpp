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
    void pieces_data();
    void pieces();
    void workedExampleTable();
    void tableShape_data();
    void tableShape();
    void cell_data();
    void cell();
    void badNumberEndsGeneration_data();
    void badNumberEndsGeneration();

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
    QCOMPARE(PageGenerator(*doc, keys).GenHTML(false, {}),
             "<html>\r\n\r\n<head>\r\n<meta name=\"generator\" content=\"Ulvanta Editor 3.3.13" +
                 PageGenerator::credit() +
                 "\">\r\n<title>New File 1</title>\r\n</head>\r\n\r\n<body>\r\n\r\n"
                 "<h1>New File 1</h1>\r\n\r\n</body>\r\n\r\n</html>\r\n\r\n"
                 "<!-- Ulvanta info:\r\nHeight=412\r\nWidth=492\r\n-->");
    QVERIFY(PageGenerator::credit().startsWith(' '));
    QCOMPARE(keys.GetKey("Icons"), QString("0"));
}

void TestPageGenerator::pieces_data() {
    QTest::addColumn<QString>("piece");
    QTest::addColumn<QStringList>("settings");
    QTest::addColumn<QString>("expected");
    const QString head = "<style>\r\n<!--\r\n", tail = "-->\r\n</style>\r\n</head>\r\n\r\n";
    const auto rules = [&](const QString& d) {
        return head + "body      { " + d + " } \r\n" + "table     { " + d + " } \r\n" + tail;
    };
    QTest::newRow("style: bold only")
        << "style" << QStringList{"Font bold=True"} << rules("font-weight: bold");
    QTest::newRow("style: final separator dropped")
        << "style" << QStringList{"Font=Arial", "Font size=10"}
        << rules("font-family: Arial; font-size: 10pt");
    QTest::newRow("style: strikethrough before underline")
        << "style" << QStringList{"Font underline=True", "Font strikethrough=True"}
        << rules("text-decoration: line-through; text-decoration: underline");
    QTest::newRow("style: colour, italic, bold")
        << "style" << QStringList{"Font bold=True", "Font italic=True", "Text colour=#FF0000"}
        << rules("color: #FF0000; font-style: italic; font-weight: bold");
    QTest::newRow("style: links padded to column eleven")
        << "style"
        << QStringList{"Link colour=#1", "Link visited colour=#2", "Link active colour=#3",
                       "Link hover colour=#4"}
        << head + "a:link    { color: #1; text-decoration: none }\r\n" +
               "a:visited { color: #2; text-decoration: none }\r\n" +
               "a:active  { color: #3; text-decoration: none }\r\n" +
               "a:hover   { color: #4; text-decoration: underline }\r\n" + tail;
    QTest::newRow("style: sheet alone, true is not True")
        << "style" << QStringList{"Style sheet=/s/a b.css", "Font bold=true"}
        << "<link rel=\"stylesheet\" type=\"text/css\" href=\"/s/a b.css\">\r\n</head>\r\n\r\n";

    const QString open = "[ <a href=\"pmc:open\">Open</a> ]";
    const QString edit = "[ <a href=\"pmc:edit\">Edit</a> ]";
    QTest::newRow("bar: open alone")
        << "bar" << QStringList{"Show open command=True"} << "<p>" + open + "</p>\r\n\r\n";
    QTest::newRow("bar: all six, edit and refresh touch")
        << "bar" << QStringList{"Show refresh command=True",  "Show edit command=True",
                                "Show maximise command=True", "Show minimise command=True",
                                "Show exit command=True",     "Show open command=True"}
        << "<p>" + open +
               " [ <a href=\"pmc:exit\">Exit</a> ] [ <a href=\"pmc:min\">Minimise</a> ] " +
               "[ <a href=\"pmc:max\">Maximise</a> ] " + edit +
               "[ <a href=\"pmc:refresh\">Refresh</a> ]</p>\r\n\r\n";
    QTest::newRow("bar: none") << "bar" << QStringList{"Show open command=true"} << "";

    const QString end = "Width=492\r\n-->";
    QTest::newRow("info: false Closable is not False")
        << "info" << QStringList{"Closable=false"} << "<!-- Ulvanta info:\r\nHeight=412\r\n" + end;
    QTest::newRow("info: every optional line")
        << "info" << QStringList{"Closable=False",
                                 "Extra commands=False",
                                 "Icon=/i/a.ico",
                                 "Minimise on use=True",
                                 "Start maximised=True",
                                 "Show edit command=True",
                                 "Height=",
                                 "CurFile=/d/doc.pmf"}
        << "<!-- Ulvanta info:\r\nClosable=False\r\nExtra commands=False\r\nHeight=\r\n"
           "Icon=/i/a.ico\r\nMinimise on use=True\r\nStart maximised=True\r\n"
           "Source file=/d/doc.pmf\r\n" +
               end;
    QTest::newRow("info: source file of an unsaved document")
        << "info" << QStringList{"Show edit command=True"}
        << "<!-- Ulvanta info:\r\nHeight=412\r\nSource file=\r\n" + end;

    QTest::newRow("body: colours, picture, encoded title, header")
        << "body"
        << QStringList{"Background colour=#FFFFFF", "Background picture=/p/b.gif", "Title=A & B",
                       "Header HTML=<b>hi</b>"}
        << "<body bgcolor=\"#FFFFFF\" background=\"/p/b.gif\">\r\n\r\n<h1>A &amp; B</h1>\r\n\r\n"
           "<b>hi</b>\r\n\r\n";
    QTest::newRow("close: footer") << "close" << QStringList{"Footer HTML=<i>bye</i>"}
                                   << "<i>bye</i>\r\n\r\n</body>\r\n\r\n</html>\r\n\r\n";
}

void TestPageGenerator::pieces() {
    QFETCH(QString, piece);
    QFETCH(QStringList, settings);
    QFETCH(QString, expected);
    for (const QString& s : settings) {
        if (s.startsWith("CurFile="))
            doc->CurFile = s.mid(8);
        else
            doc->WriteProp(s.section('=', 0, 0), s.section('=', 1));
    }
    const PageGenerator g(*doc, keys);
    const QString out = piece == "style"  ? g.GenStyle()
                        : piece == "bar"  ? g.GenCommandBar()
                        : piece == "info" ? g.GenInfo()
                        : piece == "body" ? g.GenBody()
                                          : g.GenClose();
    QCOMPARE(out, expected);
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
    QTest::newRow("7 icons, columns 3") << icons(7) << QStringList{"Columns= 3 "} << QStringList{t0}
                                        << QList<int>{3, 3, 1} << "33.3333333333333";
    QTest::newRow("7 icons, columns 7") << icons(7) << QStringList{"Columns=7"} << QStringList{t0}
                                        << QList<int>{7} << "14.2857142857143";
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

void TestPageGenerator::cell_data() {
    QTest::addColumn<std::vector<ItemRow>>("rows");
    QTest::addColumn<QString>("anchor");
    using Rows = std::vector<ItemRow>;
    QTest::newRow("maximised, nothing else") << Rows{icon("D", "c.exe", "Maximised Focus")}
                                             << "<a href=\"pm:c.exe,,,maxfocus\" title=\"D\">D</a>";
    QTest::newRow("start-in without parameters")
        << Rows{icon("D", "c.exe", "Normal Window", "", "", "", "/w")}
        << "<a href=\"pm:c.exe,,/w\" title=\"D\">D</a>";
    QTest::newRow("hyperlink has no scheme")
        << Rows{icon("D", "http://x.org/", "Hyperlink", "", "", "a")}
        << "<a href=\"http://x.org/,a\" title=\"D\">D</a>";
    QTest::newRow("unknown run style is its own word")
        << Rows{icon("D", "c", "Sideways")} << "<a href=\"pm:c,,,Sideways\" title=\"D\">D</a>";
    QTest::newRow("commas escaped except in the tip")
        << Rows{icon("D", "a,b", "Minimised No Focus", "x, y")}
        << "<a href=\"pm:a&amp;comma;b,,,minnofocus\" title=\"x, y\">D</a>";
    QTest::newRow("empty comments: the tip is the description")
        << Rows{icon("Say \"hi\"", "c", "Normal No Focus")}
        << "<a href=\"pm:c,,,normalnofocus\" title=\"Say &quot;hi&quot;\">Say &quot;hi&quot;</a>";
    const ItemRow pic = icon("P", "c", "Normal Window", "tip", "/i/Pic.PNG");
    QTest::newRow("upper-case PNG, icons above")
        << Rows{pic}
        << "<a href=\"pm:c\" title=\"tip\"><img border=\"0\" src=\"/i/Pic.PNG\" width=\"32\" "
           "height=\"32\" alt=\"tip\"><br>P</a>";
    QTest::newRow("program in a view: its own path, section size, beside")
        << Rows{{"SECTION:S;Columns:1;Icon size:20.5;Icons above:False", "", "", "", "", "", ""},
                icon("P", "c", "Normal Window", "", "/usr/bin/env")}
        << "<a href=\"pm:c\" title=\"P\"><img border=\"0\" src=\"/usr/bin/env\" width=\"20\" "
           "height=\"20\" alt=\"P\">P</a>";
    QTest::newRow("empty section options fall back on the page")
        << Rows{{"SECTION:S;Columns:1", "", "", "", "", "", ""}, pic}
        << "<a href=\"pm:c\" title=\"tip\"><img border=\"0\" src=\"/i/Pic.PNG\" width=\"32\" "
           "height=\"32\" alt=\"tip\"><br>P</a>";
}

void TestPageGenerator::cell() {
    QFETCH(std::vector<ItemRow>, rows);
    QFETCH(QString, anchor);
    doc->items().appendItems(rows);
    const QString t = table();
    QVERIFY2(t.contains("    <td width=\"100%\" align=\"center\">" + anchor + "</td>\r\n"),
             qPrintable(t));
}

void TestPageGenerator::badNumberEndsGeneration_data() {
    QTest::addColumn<std::vector<ItemRow>>("rows");
    QTest::addColumn<QString>("pageColumns");
    QTest::addColumn<int>("error");
    QTest::newRow("section columns") << std::vector<ItemRow>{section("S", "x")} << "5" << 13;
    QTest::newRow("page columns") << std::vector<ItemRow>{icon("a", "b")} << "many" << 13;
    QTest::newRow("icon size, with an icon")
        << std::vector<ItemRow>{{"SECTION:S;Columns:1;Icon size:big", "", "", "", "", "", ""},
                                icon("a", "b", "Hidden", "", "/x.png")}
        << "5" << 13;
    QTest::newRow("column count past 16 bits")
        << std::vector<ItemRow>{section("S", "32767.5")} << "5" << 6;
    QTest::newRow("icon size past 32 bits")
        << std::vector<ItemRow>{{"SECTION:S;Columns:1;Icon size:3e9", "", "", "", "", "", ""},
                                icon("a", "b", "Hidden", "", "/x.png")}
        << "5" << 6;
    QTest::newRow("zero columns with icons")
        << std::vector<ItemRow>{section("S", "0.4"), icon("a", "b")} << "5" << 11;
}

void TestPageGenerator::badNumberEndsGeneration() {
    QFETCH(std::vector<ItemRow>, rows);
    QFETCH(QString, pageColumns);
    QFETCH(int, error);
    doc->items().appendItems(rows);
    doc->WriteProp("Columns", pageColumns);
    QVERIFY_THROWS_EXCEPTION(UlvError, PageGenerator(*doc, keys).GenHTML(false, {}));
    try {
        PageGenerator(*doc, keys).GenHTML(false, {});
    } catch (const UlvError& e) {
        QCOMPARE(e.number(), error);
    }
}

QTEST_GUILESS_MAIN(TestPageGenerator)
#include "tst_pagegenerator.moc"
