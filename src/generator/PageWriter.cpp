#include "generator/PageWriter.h"

#include "generator/IconFolder.h"
#include "generator/PageBytes.h"

#include "components/Error.h"
#include "components/HtmlText.h"
#include "components/LocaleNumber.h"
#include "components/ProgramInfo.h"
#include "edits/Document.h"
#include "model/SectionRow.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>
#include <utility>

namespace ulvanta {

namespace {

const QLatin1String CRLF("\r\n");
const QLatin1String Q("\"");

const QString kTrue = QStringLiteral("True");
const QString kFalse = QStringLiteral("False");

// The word a run style (as the page writes it) puts at the end of an icon's link.
QByteArrayView runWord(QByteArrayView runStyle) {
    static const std::pair<QByteArrayView, QByteArrayView> words[] = {
        {"Normal Window", ""},
        {"Maximised Focus", "maxfocus"},
        {"Minimised Focus", "minfocus"},
        {"Normal No Focus", "normalnofocus"},
        {"Minimised No Focus", "minnofocus"},
        {"Hidden", "hidden"},
        {"Hyperlink", ""},
    };
    for (const auto& [style, word] : words) {
        if (runStyle == style)
            return word;
    }
    return runStyle;
}

const char* const kImageExtensions[] = {"bmp", "gif", "jpeg", "jpg", "jpe", "jfif", "ico", "png"};

} // namespace

const PageWriter::TableNumbers& PageWriter::tableAt(const std::vector<TableNumbers>& tables,
                                                    int table) {
    // A file changed in place between the two readings of its rows no longer
    // matches the tables counted in the first.
    if (table < 0 || size_t(table) >= tables.size())
        throw Error(Error::PathFileAccess);
    return tables[size_t(table)];
}

bool PageWriter::isImageExtension(const QString& iconCell) {
    const qsizetype dot = iconCell.lastIndexOf(QLatin1Char('.'));
    const QString ext = (dot < 0 ? iconCell : iconCell.mid(dot + 1)).toLower();
    return std::any_of(std::begin(kImageExtensions), std::end(kImageExtensions),
                       [&](const char* e) { return ext == QLatin1StringView(e); });
}

bool PageWriter::isImageExtension(QLatin1StringView iconCell) {
    const qsizetype dot = iconCell.lastIndexOf(QLatin1Char('.'));
    const QLatin1StringView ext = dot < 0 ? iconCell : iconCell.mid(dot + 1);
    return std::any_of(
        std::begin(kImageExtensions), std::end(kImageExtensions),
        [&](const char* e) { return ext.compare(QLatin1StringView(e), Qt::CaseInsensitive) == 0; });
}

// --- numbers ------------------------------------------------------------------

namespace PageNumbers {

double parse(const QString& text) {
    const std::optional<double> v = readLocaleNumber(text);
    if (!v)
        throw Error(Error::TypeMismatch);
    return *v;
}

double roundHalfEven(double value) {
    if (!std::isfinite(value))
        return value;
    const double below = std::floor(value);
    const double diff = value - below;
    if (diff < 0.5)
        return below;
    if (diff > 0.5)
        return below + 1;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

namespace {
int whole(const QString& text, double lowest, double highest) {
    const double v = roundHalfEven(parse(text));
    if (!(v >= lowest && v <= highest))
        throw Error(Error::Overflow);
    return int(v);
}
} // namespace

int wholeColumns(const QString& text) {
    return whole(text, std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max());
}

int wholeIconSize(const QString& text) {
    return whole(text, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max());
}

QString cellWidth(int columns) {
    if (columns == 0)
        throw Error(QStringLiteral("Division by zero"), 11);
    QString w = QString::number(100.0 / columns, 'g', 15);
    const QString point = QLocale::system().decimalPoint();
    if (point != QLatin1String("."))
        w.replace(QLatin1Char('.'), point);
    return w;
}

} // namespace PageNumbers

// --- the page -----------------------------------------------------------------

PageWriter::PageWriter(const Document& doc, IconFolder* icons)
    : m_doc(doc), m_listRows(std::in_place, doc.items()), m_rows(*m_listRows), m_icons(icons) {}

PageWriter::PageWriter(const Document& doc, const PageRows& rows, IconFolder* icons)
    : m_doc(doc), m_rows(rows), m_icons(icons) {}

QString PageWriter::credit() {
    return QStringLiteral(" by the Ulvanta developers");
}

QString PageWriter::page() {
    PageBytes page;
    write(page);
    return QString::fromUtf8(page.bytes());
}

void PageWriter::write(QIODevice& device) {
    PageBytes page(&device);
    write(page);
    page.flush();
}

void PageWriter::write(PageBytes& page) {
    page << head() << styleSheet() << bodyStart() << commandBar();
    appendSectionTables(page);
    page << closing() << settingsComment();
}

QString PageWriter::head() const {
    QString s = QStringLiteral("<html>") + CRLF + CRLF;
    s += QStringLiteral("<head>") + CRLF;
    s += QStringLiteral("<meta name=\"generator\" content=\"Ulvanta Editor ") +
         ProgramInfo::version() + credit() + Q + QLatin1Char('>') + CRLF;
    s += QStringLiteral("<title>") + m_doc.htmlSetting(Setting::Title) +
         QStringLiteral("</title>") + CRLF;
    return s;
}

QString PageWriter::styleSheet() const {
    const auto prop = [this](Setting key) { return m_doc.htmlSetting(key); };
    const auto isTrue = [&](Setting key) { return prop(key) == kTrue; };

    QString d;
    if (const QString v = prop(Setting::Font); !v.isEmpty())
        d += QStringLiteral("font-family: ") + v + QStringLiteral("; ");
    if (const QString v = prop(Setting::FontSize); !v.isEmpty())
        d += QStringLiteral("font-size: ") + v + QStringLiteral("pt; ");
    if (isTrue(Setting::FontStrikethrough))
        d += QStringLiteral("text-decoration: line-through; ");
    if (isTrue(Setting::FontUnderline))
        d += QStringLiteral("text-decoration: underline; ");
    if (const QString v = prop(Setting::TextColour); !v.isEmpty())
        d += QStringLiteral("color: ") + v + QStringLiteral("; ");
    if (isTrue(Setting::FontItalic))
        d += QStringLiteral("font-style: italic; ");
    if (isTrue(Setting::FontBold))
        d += QStringLiteral("font-weight: bold");

    QString r;
    if (!d.isEmpty()) {
        if (d.endsWith(QLatin1String("; ")))
            d.chop(2);
        // Selectors padded so that every "{" stands in the eleventh column.
        r = QStringLiteral("body      { ") + d + QStringLiteral(" } ") + CRLF +
            QStringLiteral("table     { ") + d + QStringLiteral(" } ") + CRLF;
    }
    struct LinkRule {
        Setting setting;
        const char* selector;
        const char* decoration;
    };
    static const LinkRule links[] = {
        {Setting::LinkColour, "a:link    ", "none"},
        {Setting::LinkVisitedColour, "a:visited ", "none"},
        {Setting::LinkActiveColour, "a:active  ", "none"},
        {Setting::LinkHoverColour, "a:hover   ", "underline"},
    };
    for (const LinkRule& l : links) {
        const QString v = prop(l.setting);
        if (v.isEmpty())
            continue;
        r += QLatin1String(l.selector) + QStringLiteral("{ color: ") + v +
             QStringLiteral("; text-decoration: ") + QLatin1String(l.decoration) +
             QStringLiteral(" }") + CRLF;
    }

    QString s;
    if (!r.isEmpty()) {
        s = QStringLiteral("<style>") + CRLF + QStringLiteral("<!--") + CRLF + r +
            QStringLiteral("-->") + CRLF + QStringLiteral("</style>") + CRLF;
    }
    if (const QString v = prop(Setting::StyleSheet); !v.isEmpty()) {
        s += QStringLiteral("<link rel=\"stylesheet\" type=\"text/css\" href=\"") + v + Q +
             QLatin1Char('>') + CRLF;
    }
    s += QStringLiteral("</head>") + CRLF + CRLF;
    return s;
}

QString PageWriter::bodyStart() const {
    QString s = QStringLiteral("<body");
    if (const QString v = m_doc.htmlSetting(Setting::BackgroundColour); !v.isEmpty())
        s += QStringLiteral(" bgcolor=\"") + v + Q;
    if (const QString v = m_doc.htmlSetting(Setting::BackgroundPicture); !v.isEmpty())
        s += QStringLiteral(" background=\"") + v + Q;
    s += QLatin1Char('>') + CRLF + CRLF;
    s += QStringLiteral("<h1>") + m_doc.htmlSetting(Setting::Title) + QStringLiteral("</h1>") +
         CRLF + CRLF;
    if (!m_doc.headerHtml().isEmpty())
        s += m_doc.headerHtml() + CRLF + CRLF;
    return s;
}

QString PageWriter::commandBar() const {
    struct Command {
        Setting setting;
        const char* item;
    };
    // Edit and Refresh end without a space, so their brackets touch: "]["
    static const Command commands[] = {
        {Setting::ShowOpenCommand, "[ <a href=\"pmc:open\">Open</a> ] "},
        {Setting::ShowExitCommand, "[ <a href=\"pmc:exit\">Exit</a> ] "},
        {Setting::ShowMinimiseCommand, "[ <a href=\"pmc:min\">Minimise</a> ] "},
        {Setting::ShowMaximiseCommand, "[ <a href=\"pmc:max\">Maximise</a> ] "},
        {Setting::ShowEditCommand, "[ <a href=\"pmc:edit\">Edit</a> ]"},
        {Setting::ShowRefreshCommand, "[ <a href=\"pmc:refresh\">Refresh</a> ]"},
    };
    QString bar;
    for (const Command& c : commands) {
        if (m_doc.htmlSetting(c.setting) == kTrue)
            bar += QLatin1String(c.item);
    }
    if (bar.isEmpty())
        return {};
    if (bar.endsWith(QLatin1Char(' ')))
        bar.chop(1);
    return QStringLiteral("<p>") + bar + QStringLiteral("</p>") + CRLF + CRLF;
}

QString PageWriter::closing() const {
    QString s;
    if (!m_doc.footerHtml().isEmpty())
        s = m_doc.footerHtml() + CRLF + CRLF;
    s += QStringLiteral("</body>") + CRLF + CRLF + QStringLiteral("</html>") + CRLF + CRLF;
    return s;
}

QString PageWriter::settingsComment() const {
    const auto prop = [this](Setting key) { return m_doc.htmlSetting(key); };
    QString s = QStringLiteral("<!-- Ulvanta info:") + CRLF;
    if (prop(Setting::Closable) == kFalse)
        s += QStringLiteral("Closable=False") + CRLF;
    if (prop(Setting::ExtraCommands) == kFalse)
        s += QStringLiteral("Extra commands=False") + CRLF;
    s += QStringLiteral("Height=") + prop(Setting::Height) + CRLF;
    if (const QString v = prop(Setting::Icon); !v.isEmpty())
        s += QStringLiteral("Icon=") + v + CRLF;
    if (prop(Setting::MinimiseOnUse) == kTrue)
        s += QStringLiteral("Minimise on use=True") + CRLF;
    if (prop(Setting::StartMaximised) == kTrue)
        s += QStringLiteral("Start maximised=True") + CRLF;
    // The launcher reads the settings' values back through HtmlText::decode, so the
    // document path is written in the same safe form as every other value.
    if (prop(Setting::ShowEditCommand) == kTrue)
        s += QStringLiteral("Source file=") + HtmlText::encode(m_doc.filePath()) + CRLF;
    s += QStringLiteral("Width=") + prop(Setting::Width) + CRLF + QStringLiteral("-->");
    return s;
}

// --- the icon tables ------------------------------------------------------------

const QByteArray& PageWriter::pageText(int row, int column, QByteArray& into) const {
    into.resize(0); // keeps the room for the next row
    HtmlText::appendEncoded(into, m_rows.cell(row, column), column != ColComments);
    return into;
}

void PageWriter::appendLink(PageBytes& out, int row) {
    if (m_text.run != "Hyperlink")
        out << QLatin1String("pm:");
    const QByteArrayView fields[4] = {
        pageText(row, ColCommand, m_text.link[0]), pageText(row, ColParameters, m_text.link[1]),
        pageText(row, ColStartIn, m_text.link[2]), runWord(m_text.run)};
    // Empty trailing fields leave no separators behind (no field holds a comma).
    int last = 3;
    while (last >= 0 && fields[last].isEmpty())
        --last;
    for (int f = 0; f <= last; ++f) {
        if (f > 0)
            out << QLatin1String(",");
        out << fields[f];
    }
}

std::vector<PageWriter::TableNumbers> PageWriter::tableNumbers() const {
    // What the tables need, in one pass over the rows: the section row that heads
    // each (none for icons before any section), its icon rows, and whether one of
    // them shows an icon.
    struct Table {
        QString section;
        int icons = 0;
        bool showsIcon = false;
    };
    std::vector<Table> found;
    for (int r = 0, n = m_rows.count(); r < n; ++r) {
        const CellText description = m_rows.cell(r, ColDescription);
        if (SectionRow::isSection(description)) {
            found.push_back({description.toString()});
            continue;
        }
        if (r == 0)
            found.push_back({});
        Table& t = found.back();
        ++t.icons;
        t.showsIcon = t.showsIcon || !m_rows.cell(r, ColIcon).isEmpty();
    }

    // Worked out in page order, as the rows would have them: a bad number fails the
    // page before any of it is written. The cell width only matters to a table
    // with cells, the icon size only to one that shows icons.
    const QString pageColumns = m_doc.htmlSetting(Setting::Columns);
    const QString pageIconSize = m_doc.setting(Setting::IconSize);
    std::vector<TableNumbers> tables;
    tables.reserve(found.size());
    for (const Table& t : found) {
        const bool section = !t.section.isEmpty();
        const int columns =
            PageNumbers::wholeColumns(section ? SectionRow::columns(t.section) : pageColumns);
        tables.push_back({std::min(columns, t.icons), {}, 0, {}});
        TableNumbers& numbers = tables.back();
        if (t.icons > 0)
            numbers.width = PageNumbers::cellWidth(numbers.columns);
        if (t.showsIcon) {
            const QString own = section ? SectionRow::iconSize(t.section) : QString();
            numbers.iconSize = PageNumbers::wholeIconSize(own.isEmpty() ? pageIconSize : own);
            numbers.iconSizeText = QString::number(numbers.iconSize);
        }
    }
    return tables;
}

void PageWriter::appendSectionTables(PageBytes& out) {
    const int n = m_rows.count();
    if (n == 0)
        return;
    const std::vector<TableNumbers> tables = tableNumbers();

    // Page properties, read once for the whole list.
    const QString tableColour = m_doc.htmlSetting(Setting::TableColour);
    const QString pageBorder = m_doc.setting(Setting::TableBorder);
    const QString pageIconsAbove = m_doc.setting(Setting::IconsAbove);

    QString tableEnd = QStringLiteral(" width=\"100%\"");
    if (!tableColour.isEmpty())
        tableEnd += QStringLiteral(" bgcolor=\"") + tableColour + Q;
    tableEnd += QLatin1Char('>') + CRLF;
    const auto tableStart = [&](bool border) {
        out << QLatin1String("<table border=\"")
            << (border ? QLatin1String("1") : QLatin1String("0")) << Q << tableEnd;
    };

    bool tableOpen = false;
    int cells = 0;          // cells in the open table row
    int table = -1;         // the current table's place in tables
    int columns = 0;        // its column count
    QString sectIconsAbove; // option of the last section row passed

    for (int r = 0; r < n; ++r) {
        const CellText cell = m_rows.cell(r, ColDescription);
        if (SectionRow::isSection(cell)) {
            const QString description = cell.toString();
            if (tableOpen) {
                if (cells > 0)
                    out << QLatin1String("  </tr>\r\n");
                if (columns > 0)
                    out << QLatin1String("</table>\r\n\r\n");
            }
            tableOpen = true;
            cells = 0;
            sectIconsAbove = SectionRow::iconsAbove(description);
            columns = tableAt(tables, ++table).columns;
            out << QLatin1String("<h2>") << HtmlText::encode(SectionRow::name(description))
                << QLatin1String("</h2>\r\n\r\n");
            if (columns > 0)
                tableStart(SectionRow::tableBorder(description) == kTrue);
            continue;
        }

        if (r == 0) {
            // Icons before any section: a table without a heading, on the page's
            // own settings.
            columns = tableAt(tables, ++table).columns;
            tableOpen = true;
            tableStart(pageBorder == kTrue);
        }
        ++cells;
        if (cells == 1)
            out << QLatin1String("  <tr>\r\n");
        const QString& above = sectIconsAbove.isEmpty() ? pageIconsAbove : sectIconsAbove;
        appendCell(out, r, tableAt(tables, table), above == kTrue);
        if (cells == columns) {
            out << QLatin1String("  </tr>\r\n");
            cells = 0;
        }
    }

    if (cells > 0)
        out << QLatin1String("  </tr>\r\n");
    if (columns > 0 && tableOpen)
        out << QLatin1String("</table>\r\n\r\n");
}

void PageWriter::appendCell(PageBytes& out, int r, const TableNumbers& numbers, bool iconsAbove) {
    // The cell: one anchor whose link the launcher runs.
    pageText(r, ColRun, m_text.run);
    const QByteArray& desc = pageText(r, ColDescription, m_text.description);
    const QByteArray& comments = pageText(r, ColComments, m_text.comments);
    const QByteArray& tip = comments.isEmpty() ? desc : comments;
    out << QLatin1String("    <td width=\"") << numbers.width
        << QLatin1String("%\" align=\"center\"><a href=\"");
    appendLink(out, r);
    out << QLatin1String("\" title=\"") << tip << QLatin1String("\">");

    const QByteArray& icon = pageText(r, ColIcon, m_text.icon);
    if (!icon.isEmpty()) {
        out << QLatin1String("<img border=\"0\" src=\"");
        if (!m_icons || isImageExtension(QLatin1StringView(icon)))
            out << icon;
        else
            out << HtmlText::encode(
                m_icons->iconFor(m_rows.cell(r, ColIcon).toString(), numbers.iconSize));
        out << QLatin1String("\" width=\"") << numbers.iconSizeText << QLatin1String("\" height=\"")
            << numbers.iconSizeText << QLatin1String("\" alt=\"") << tip << QLatin1String("\">");
        if (iconsAbove)
            out << QLatin1String("<br>");
    }
    out << desc << QLatin1String("</a></td>\r\n");
}

} // namespace ulvanta
