#include "components/Error.h"
#include "components/KeyValueFile.h"
#include "components/ProgramInfo.h"
#include "document/Document.h"
#include "document/SectionRow.h"
#include "generator/PageGenerator.h"

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
    void init() {
        doc = std::make_unique<Document>();
        doc->setNextNewNumber(1);
        doc->resetProperties();
    }

    void pieces_data() {
        QTest::addColumn<QString>("piece");
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* tag, const QString& piece, const QStringList& settings,
                            const QString& expected) {
            QTest::newRow(tag) << piece << settings << expected;
        };
        const QString info = "<!-- Ulvanta info:\r\n", end = "Width=492\r\n-->";
        // "true" and "false" are not "True" and "False": a new page whatever their case.
        row("page: a new document", "page", {"Closable=false", "Show open command=true"},
            "<html>\r\n\r\n<head>\r\n<meta name=\"generator\" content=\"Ulvanta Editor " +
                ProgramInfo::version() + PageGenerator::credit() +
                "\">\r\n<title>New File 1</title>\r\n</head>\r\n\r\n<body>\r\n\r\n"
                "<h1>New File 1</h1>\r\n\r\n</body>\r\n\r\n</html>\r\n\r\n" +
                info + "Height=412\r\n" + end);

        const QString head = "<style>\r\n<!--\r\n", tail = "-->\r\n</style>\r\n</head>\r\n\r\n";
        const auto rules = [&](const QString& d, const QString& links = {}) {
            return head + "body      { " + d + " } \r\n" + "table     { " + d + " } \r\n" + links +
                   tail;
        };
        row("style: final separator dropped, links padded to column eleven", "style",
            {"Font=Arial", "Font size=10", "Link colour=#1", "Link visited colour=#2",
             "Link active colour=#3", "Link hover colour=#4"},
            rules("font-family: Arial; font-size: 10pt",
                  "a:link    { color: #1; text-decoration: none }\r\n"
                  "a:visited { color: #2; text-decoration: none }\r\n"
                  "a:active  { color: #3; text-decoration: none }\r\n"
                  "a:hover   { color: #4; text-decoration: underline }\r\n"));
        row("style: declarations in order", "style",
            {"Font bold=True", "Font italic=True", "Text colour=#F00", "Font underline=True",
             "Font strikethrough=True"},
            rules("text-decoration: line-through; text-decoration: underline; color: #F00; "
                  "font-style: italic; font-weight: bold"));
        row("style: sheet alone", "style", {"Style sheet=/s/a b.css", "Font bold=true"},
            "<link rel=\"stylesheet\" type=\"text/css\" href=\"/s/a b.css\">\r\n</head>\r\n\r\n");
        row("bar: all six, edit and refresh touch", "bar",
            {"Show refresh command=True", "Show edit command=True", "Show maximise command=True",
             "Show minimise command=True", "Show exit command=True", "Show open command=True"},
            "<p>[ <a href=\"pmc:open\">Open</a> ] [ <a href=\"pmc:exit\">Exit</a> ] "
            "[ <a href=\"pmc:min\">Minimise</a> ] [ <a href=\"pmc:max\">Maximise</a> ] "
            "[ <a href=\"pmc:edit\">Edit</a> ][ <a href=\"pmc:refresh\">Refresh</a> ]</p>\r\n\r\n");
        row("info: every optional line", "info",
            {"Closable=False", "Extra commands=False", "Icon=/i/a.ico", "Minimise on use=True",
             "Start maximised=True", "Show edit command=True", "Height=", "Path=/d/doc.pmf"},
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

    void pieces() {
        QFETCH(QString, piece);
        QFETCH(QStringList, settings);
        QFETCH(QString, expected);
        apply(settings);
        PageGenerator g(*doc, keys);
        const QString out = piece == "page"    ? g.generatePage(false, {})
                            : piece == "style" ? g.styleSheet()
                            : piece == "bar"   ? g.commandBar()
                            : piece == "info"  ? g.settingsComment()
                            : piece == "body"  ? g.bodyStart()
                                               : g.closing();
        QCOMPARE(out, expected);
    }

    void tableLayoutOrNumberError_data() {
        QTest::addColumn<std::vector<ItemRow>>("rows");
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<QString>(
            "outline"); // see tableLayoutOrNumberError(); "error N" when generation fails
        QTest::addColumn<QString>("width"); // every cell's
        const auto icons = [](int n, std::vector<ItemRow> v = {}) {
            for (int i = 0; i < n; ++i)
                v.push_back(icon(QString("I%1").arg(i), "c"));
            return v;
        };
        const auto row = [](const char* tag, const std::vector<ItemRow>& rows,
                            const QStringList& settings, const QString& outline,
                            const QString& width = {}) {
            QTest::newRow(tag) << rows << settings << outline << width;
        };
        const QString t0 = "<table border=\"0\" width=\"100%\">";
        row("7 icons, columns 3", icons(7), {"Columns= 3 "}, t0 + "[...][...][.]/__",
            "33.3333333333333");
        row("columns cut to the icons; page border and colour", icons(1),
            {"Table border=True", "Table colour=#123456"},
            "<table border=\"1\" width=\"100%\" bgcolor=\"#123456\">[.]/__", "100");
        std::vector<ItemRow> mixed = icons(4);
        mixed.push_back(section("Empty"));
        mixed.push_back(section("B & C", "4", true));
        row("section without icons has only its heading", icons(4, mixed), {"Columns=4.5"},
            t0 + "[....]/_<h2>Empty</h2>_<h2>B &amp; C</h2>_<table border=\"1\" width=\"100%\">" +
                "[....]/__",
            "25");

        const auto sized = [](const char* size) {
            return rawSection(QString("SECTION:S;Columns:1;Icon size:") + size);
        };
        const ItemRow withIcon = icon("a", "b", "Hidden", "", "/x.png");
        row("bad icon size unused without an icon", {sized("big"), icon("a", "b")}, {},
            "<h2>S</h2>_" + t0 + "[.]/__", "100");
        row("icon size not a number", {sized("big"), withIcon}, {}, "error 13");
        row("section columns not a number", {section("S", "x")}, {}, "error 13");
        row("column count past 16 bits", {section("S", "32767.5")}, {}, "error 6");
        row("icon size past 32 bits", {sized("3e9"), withIcon}, {}, "error 6");
        row("zero columns with icons", {section("S", "0.4"), icon("a", "b")}, {}, "error 11");
    }

    void tableLayoutOrNumberError() {
        QFETCH(std::vector<ItemRow>, rows);
        QFETCH(QStringList, settings);
        QFETCH(QString, outline);
        QFETCH(QString, width);
        doc->items().appendItems(rows);
        apply(settings);
        // Headings and table starts as they are, "_" for a blank line, "[" and "]" for
        // a table row's ends, "." for a cell and "/" for a table's end.
        const QHash<QString, QString> marks = {
            {"", "_"}, {"  <tr>", "["}, {"  </tr>", "]"}, {"</table>", "/"}};
        QString seen;
        try {
            for (const QString& l : table().split("\r\n")) {
                if (l.startsWith("    <td"))
                    QVERIFY2(l.startsWith("    <td width=\"" + width + "%\" align=\"center\">"),
                             qPrintable(l));
                seen += l.startsWith("    <td") ? "." : marks.value(l, l);
            }
        } catch (const Error& e) {
            seen = QString("error %1").arg(e.number());
        }
        QCOMPARE(seen, outline);
    }

    void cell_data() {
        QTest::addColumn<QString>("sectionRow"); // "" for none
        QTest::addColumn<ItemRow>("item");
        QTest::addColumn<QString>("anchor");
        const auto row = [](const char* tag, const QString& sect, const ItemRow& item,
                            const QString& anchor) {
            QTest::newRow(tag) << sect << item << anchor;
        };
        row("start-in without parameters", "",
            icon("D", "c.exe", "Normal Window", "", "", "", "/w"),
            "<a href=\"pm:c.exe,,/w\" title=\"D\">D</a>");
        row("hyperlink has no scheme", "", icon("D", "http://x.org/", "Hyperlink", "", "", "a"),
            "<a href=\"http://x.org/,a\" title=\"D\">D</a>");
        row("commas escaped except in the tip", "", icon("D", "a,b", "Minimised No Focus", "x, y"),
            "<a href=\"pm:a&amp;comma;b,,,minnofocus\" title=\"x, y\">D</a>");
        row("empty comments: the tip is the description", "",
            icon("Say \"hi\"", "c", "Normal No Focus"),
            "<a href=\"pm:c,,,normalnofocus\" title=\"Say &quot;hi&quot;\">Say &quot;hi&quot;</a>");
        row("upper-case PNG, icons above", "", icon("P", "c", "Hidden", "tip", "/i/Pic.PNG"),
            "<a href=\"pm:c,,,hidden\" title=\"tip\"><img border=\"0\" src=\"/i/Pic.PNG\" "
            "width=\"32\" height=\"32\" alt=\"tip\"><br>P</a>");
        row("program in a view: its own path, section size, beside",
            "SECTION:S;Columns:1;Icon size:20.5;Icons above:False",
            icon("P", "c", "Normal Window", "", "/usr/bin/env"),
            "<a href=\"pm:c\" title=\"P\"><img border=\"0\" src=\"/usr/bin/env\" width=\"20\" "
            "height=\"20\" alt=\"P\">P</a>");
    }

    void cell() {
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

private:
    std::unique_ptr<Document> doc;
    KeyValueFile keys;
    QString table() { return PageGenerator(*doc, keys).sectionTables(false, {}); }
    // "Name=value" settings; "Path=" names the document's file.
    void apply(const QStringList& settings) {
        for (const QString& s : settings) {
            if (s.startsWith("Path="))
                doc->setFilePath(s.mid(5));
            else
                doc->setSetting(s.section('=', 0, 0), s.section('=', 1));
        }
    }
};

QTEST_GUILESS_MAIN(TestPageGenerator)
#include "tst_pagegenerator.moc"
