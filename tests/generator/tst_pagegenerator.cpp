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
ItemRow icon(const QString& desc, const QString& cmd, const QString& run = "Normal Window",
             const QString& comments = {}, const QString& iconFile = {}, const QString& params = {},
             const QString& startIn = {}) {
    return {desc, cmd, params, startIn, iconFile, run, comments};
}

ItemRow section(const QString& name, const QString& columns = "5", bool border = false) {
    return {SectionRow::compose(name, columns, "32", true, border), {}, {}, {}, {}, {}, {}};
}

ItemRow rawSection(const QString& text) {
    return {text, {}, {}, {}, {}, {}, {}};
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
    // "Name=value" settings; "CurFile=" names the document's file.
    void apply(const QStringList& settings) {
        for (const QString& s : settings) {
            if (s.startsWith("CurFile="))
                doc->CurFile = s.mid(8);
            else
                doc->WriteProp(s.section('=', 0, 0), s.section('=', 1));
        }
    }
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
    const auto row = [](const char* tag, const QString& piece, const QStringList& settings,
                        const QString& expected) {
        QTest::newRow(tag) << piece << settings << expected;
    };
    const QString head = "<style>\r\n<!--\r\n", tail = "-->\r\n</style>\r\n</head>\r\n\r\n";
    const auto rules = [&](const QString& d) {
        return head + "body      { " + d + " } \r\n" + "table     { " + d + " } \r\n" + tail;
    };
    row("style: final separator dropped", "style", {"Font=Arial", "Font size=10"},
        rules("font-family: Arial; font-size: 10pt"));
    row("style: strikethrough before underline", "style",
        {"Font underline=True", "Font strikethrough=True"},
        rules("text-decoration: line-through; text-decoration: underline"));
    row("style: colour, italic, bold", "style",
        {"Font bold=True", "Font italic=True", "Text colour=#FF0000"},
        rules("color: #FF0000; font-style: italic; font-weight: bold"));
    row("style: links padded to column eleven", "style",
        {"Link colour=#1", "Link visited colour=#2", "Link active colour=#3",
         "Link hover colour=#4"},
        head + "a:link    { color: #1; text-decoration: none }\r\n" +
            "a:visited { color: #2; text-decoration: none }\r\n" +
            "a:active  { color: #3; text-decoration: none }\r\n" +
            "a:hover   { color: #4; text-decoration: underline }\r\n" + tail);
    row("style: sheet alone, true is not True", "style",
        {"Style sheet=/s/a b.css", "Font bold=true"},
        "<link rel=\"stylesheet\" type=\"text/css\" href=\"/s/a b.css\">\r\n</head>\r\n\r\n");

    row("bar: all six, edit and refresh touch", "bar",
        {"Show refresh command=True", "Show edit command=True", "Show maximise command=True",
         "Show minimise command=True", "Show exit command=True", "Show open command=True"},
        "<p>[ <a href=\"pmc:open\">Open</a> ] [ <a href=\"pmc:exit\">Exit</a> ] "
        "[ <a href=\"pmc:min\">Minimise</a> ] [ <a href=\"pmc:max\">Maximise</a> ] "
        "[ <a href=\"pmc:edit\">Edit</a> ][ <a href=\"pmc:refresh\">Refresh</a> ]</p>\r\n\r\n");
    row("bar: none", "bar", {"Show open command=true"}, "");

    const QString info = "<!-- Ulvanta info:\r\n", end = "Width=492\r\n-->";
    row("info: false Closable is not False", "info", {"Closable=false"},
        info + "Height=412\r\n" + end);
    row("info: every optional line", "info",
        {"Closable=False", "Extra commands=False", "Icon=/i/a.ico", "Minimise on use=True",
         "Start maximised=True", "Show edit command=True", "Height=", "CurFile=/d/doc.pmf"},
        info +
            "Closable=False\r\nExtra commands=False\r\nHeight=\r\nIcon=/i/a.ico\r\n"
            "Minimise on use=True\r\nStart maximised=True\r\nSource file=/d/doc.pmf\r\n" +
            end);

    row("body: colours, picture, encoded title, header", "body",
        {"Background colour=#FFFFFF", "Background picture=/p/b.gif", "Title=A & B",
         "Header HTML=<b>hi</b>"},
        "<body bgcolor=\"#FFFFFF\" background=\"/p/b.gif\">\r\n\r\n<h1>A &amp; B</h1>\r\n\r\n"
        "<b>hi</b>\r\n\r\n");
    row("close: footer", "close", {"Footer HTML=<i>bye</i>"},
        "<i>bye</i>\r\n\r\n</body>\r\n\r\n</html>\r\n\r\n");
}

void TestPageGenerator::pieces() {
    QFETCH(QString, piece);
    QFETCH(QStringList, settings);
    QFETCH(QString, expected);
    apply(settings);
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
    QCOMPARE(table().split("\r\n"), expected);
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
    QTest::newRow("7 icons, columns 3") << icons(7) << QStringList{"Columns= 3 "} << QStringList{t0}
                                        << QList<int>{3, 3, 1} << "33.3333333333333";
    QTest::newRow("leading table takes page border and colour")
        << icons(1) << QStringList{"Table border=True", "Table colour=#123456"}
        << QStringList{"<table border=\"1\" width=\"100%\" bgcolor=\"#123456\">"} << QList<int>{1}
        << "100";
    std::vector<ItemRow> mixed = icons(4);
    mixed.push_back(section("Empty"));
    mixed.push_back(section("B", "4", true));
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
    apply(settings);
    const QStringList out = table().split("\r\n");
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
    QTest::addColumn<QString>("sectionRow"); // "" for none
    QTest::addColumn<ItemRow>("item");
    QTest::addColumn<QString>("anchor");
    const auto row = [](const char* tag, const QString& sect, const ItemRow& item,
                        const QString& anchor) { QTest::newRow(tag) << sect << item << anchor; };
    row("start-in without parameters", "", icon("D", "c.exe", "Normal Window", "", "", "", "/w"),
        "<a href=\"pm:c.exe,,/w\" title=\"D\">D</a>");
    row("hyperlink has no scheme", "", icon("D", "http://x.org/", "Hyperlink", "", "", "a"),
        "<a href=\"http://x.org/,a\" title=\"D\">D</a>");
    row("commas escaped except in the tip", "", icon("D", "a,b", "Minimised No Focus", "x, y"),
        "<a href=\"pm:a&amp;comma;b,,,minnofocus\" title=\"x, y\">D</a>");
    row("empty comments: the tip is the description", "",
        icon("Say \"hi\"", "c", "Normal No Focus"),
        "<a href=\"pm:c,,,normalnofocus\" title=\"Say &quot;hi&quot;\">Say &quot;hi&quot;</a>");
    const ItemRow pic = icon("P", "c", "Normal Window", "tip", "/i/Pic.PNG");
    const QString picAnchor = "<a href=\"pm:c\" title=\"tip\"><img border=\"0\" "
                              "src=\"/i/Pic.PNG\" width=\"32\" height=\"32\" alt=\"tip\"><br>P</a>";
    row("upper-case PNG, icons above", "", pic, picAnchor);
    row("program in a view: its own path, section size, beside",
        "SECTION:S;Columns:1;Icon size:20.5;Icons above:False",
        icon("P", "c", "Normal Window", "", "/usr/bin/env"),
        "<a href=\"pm:c\" title=\"P\"><img border=\"0\" src=\"/usr/bin/env\" width=\"20\" "
        "height=\"20\" alt=\"P\">P</a>");
}

void TestPageGenerator::cell() {
    QFETCH(QString, sectionRow);
    QFETCH(ItemRow, item);
    QFETCH(QString, anchor);
    if (!sectionRow.isEmpty())
        doc->items().appendItems({rawSection(sectionRow)});
    doc->items().appendItems({item});
    const QString t = table();
    QVERIFY2(t.contains("    <td width=\"100%\" align=\"center\">" + anchor + "</td>\r\n"),
             qPrintable(t));
}

void TestPageGenerator::badNumberEndsGeneration_data() {
    QTest::addColumn<std::vector<ItemRow>>("rows");
    QTest::addColumn<int>("error");
    const ItemRow withIcon = icon("a", "b", "Hidden", "", "/x.png");
    const auto sized = [](const char* size) {
        return rawSection(QString("SECTION:S;Columns:1;Icon size:") + size);
    };
    QTest::newRow("section columns") << std::vector<ItemRow>{section("S", "x")} << 13;
    QTest::newRow("icon size, with an icon") << std::vector<ItemRow>{sized("big"), withIcon} << 13;
    QTest::newRow("column count past 16 bits")
        << std::vector<ItemRow>{section("S", "32767.5")} << 6;
    QTest::newRow("icon size past 32 bits") << std::vector<ItemRow>{sized("3e9"), withIcon} << 6;
    QTest::newRow("zero columns with icons")
        << std::vector<ItemRow>{section("S", "0.4"), icon("a", "b")} << 11;
}

void TestPageGenerator::badNumberEndsGeneration() {
    QFETCH(std::vector<ItemRow>, rows);
    QFETCH(int, error);
    doc->items().appendItems(rows);
    try {
        PageGenerator(*doc, keys).GenHTML(false, {});
        QFAIL("generated");
    } catch (const UlvError& e) {
        QCOMPARE(e.number(), error);
    }
}

QTEST_GUILESS_MAIN(TestPageGenerator)
#include "tst_pagegenerator.moc"
