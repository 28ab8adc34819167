#include "generator/PageGenerator.h"

#include "generator/PageBytes.h"

#include "components/DesktopIcons.h"
#include "components/EntryContainer.h"
#include "components/Error.h"
#include "components/FileChecks.h"
#include "components/HtmlText.h"
#include "components/KeyValueFile.h"
#include "components/LocaleNumber.h"
#include "components/ProgramInfo.h"
#include "edits/Document.h"
#include "model/SectionRow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QLocale>
#include <cmath>
#include <cstdint>
#include <limits>

namespace ulvanta {

namespace {

const QLatin1String CRLF("\r\n");
const QLatin1String Q("\"");

const QString kIcons = QStringLiteral("Icons");
const QString kIconPrefix = QStringLiteral("Icon");
const QString kExePrefix = QStringLiteral("EXE");
const QString kTrue = QStringLiteral("True");
const QString kFalse = QStringLiteral("False");

QString iconListPath(const QString& basePath) {
    return basePath + QStringLiteral("/Icons.txt");
}

QString iconFilePath(const QString& basePath, int number) {
    return basePath + QStringLiteral("/Icon") + QString::number(number) + QStringLiteral(".ico");
}

// The word a run style puts at the end of an icon's link.
QString runWord(const QString& runStyle) {
    static const QHash<QString, QString> words = {
        {QStringLiteral("Normal Window"), QString()},
        {QStringLiteral("Maximised Focus"), QStringLiteral("maxfocus")},
        {QStringLiteral("Minimised Focus"), QStringLiteral("minfocus")},
        {QStringLiteral("Normal No Focus"), QStringLiteral("normalnofocus")},
        {QStringLiteral("Minimised No Focus"), QStringLiteral("minnofocus")},
        {QStringLiteral("Hidden"), QStringLiteral("hidden")},
        {QStringLiteral("Hyperlink"), QString()},
    };
    const auto it = words.constFind(runStyle);
    return it == words.cend() ? runStyle : *it;
}

// Pictures the page can show as they are; anything else is a program or a
// document whose icon a build extracts.
bool isImageExtension(const QString& iconCell) {
    const qsizetype dot = iconCell.lastIndexOf(QLatin1Char('.'));
    const QString ext = (dot < 0 ? iconCell : iconCell.mid(dot + 1)).toLower();
    static const QStringList images = {QStringLiteral("bmp"),  QStringLiteral("gif"),
                                       QStringLiteral("jpeg"), QStringLiteral("jpg"),
                                       QStringLiteral("jpe"),  QStringLiteral("jfif"),
                                       QStringLiteral("ico"),  QStringLiteral("png")};
    return images.contains(ext);
}

// True when canonical paths name the same folder (or, for missing paths, the
// same absolute path).
bool sameFolder(const QString& a, const QString& b) {
    const QFileInfo fa(a), fb(b);
    const QString ca = fa.canonicalFilePath(), cb = fb.canonicalFilePath();
    if (!ca.isEmpty() && !cb.isEmpty())
        return ca == cb;
    return QDir::cleanPath(fa.absoluteFilePath()) == QDir::cleanPath(fb.absoluteFilePath());
}

} // namespace

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

QString PageGenerator::credit() {
    return QStringLiteral(" by the Ulvanta developers");
}

QString PageGenerator::generatePage(bool forBuild, const QString& basePath) {
    PageBytes page;
    generatePage(page, forBuild, basePath);
    return QString::fromUtf8(page.bytes());
}

void PageGenerator::generatePage(QIODevice& device, bool forBuild, const QString& basePath) {
    PageBytes page(&device);
    generatePage(page, forBuild, basePath);
    page.flush();
}

void PageGenerator::generatePage(PageBytes& page, bool forBuild, const QString& basePath) {
    m_keys.clear();
    if (forBuild && FileChecks::fileExists(iconListPath(basePath))) {
        deleteOldIcons(basePath);
        m_keys.clear();
    }
    m_keys.setValue(kIcons, QStringLiteral("0"));

    page << head() << styleSheet() << bodyStart() << commandBar();
    appendSectionTables(page, forBuild, basePath);
    page << closing() << settingsComment();
}

void PageGenerator::deleteOldIcons(const QString& basePath) {
    m_keys.load(iconListPath(basePath));
    bool ok = false;
    const qlonglong n = m_keys.value(kIcons).trimmed().toLongLong(&ok);
    if (!ok)
        throw Error(Error::TypeMismatch);
    // No list holds more entries than it has keys, so a damaged count cannot
    // make this loop run for long.
    const qlonglong last = std::min<qlonglong>(n, m_keys.size());
    for (qlonglong k = 1; k <= last; ++k) {
        const QString path = m_keys.value(kIconPrefix + QString::number(k));
        if (path == KeyValueFile::notFound() || !QFileInfo(path).isFile())
            continue; // already gone, or a number that never got a file (sizes below 16)
        // Only icons inside this page's icon folder are ours to delete: a list
        // edited by hand must not reach other files.
        if (!sameFolder(QFileInfo(path).absolutePath(), basePath))
            continue;
        if (!QFile::remove(path))
            throw Error(Error::PermissionDenied);
    }
}

QString PageGenerator::head() const {
    QString s = QStringLiteral("<html>") + CRLF + CRLF;
    s += QStringLiteral("<head>") + CRLF;
    s += QStringLiteral("<meta name=\"generator\" content=\"Ulvanta Editor ") +
         ProgramInfo::version() + credit() + Q + QLatin1Char('>') + CRLF;
    s += QStringLiteral("<title>") + m_doc.htmlSetting(QStringLiteral("Title")) +
         QStringLiteral("</title>") + CRLF;
    return s;
}

QString PageGenerator::styleSheet() const {
    const auto prop = [this](const char* name) { return m_doc.htmlSetting(QLatin1String(name)); };
    const auto isTrue = [&](const char* name) { return prop(name) == kTrue; };

    QString d;
    if (const QString v = prop("Font"); !v.isEmpty())
        d += QStringLiteral("font-family: ") + v + QStringLiteral("; ");
    if (const QString v = prop("Font size"); !v.isEmpty())
        d += QStringLiteral("font-size: ") + v + QStringLiteral("pt; ");
    if (isTrue("Font strikethrough"))
        d += QStringLiteral("text-decoration: line-through; ");
    if (isTrue("Font underline"))
        d += QStringLiteral("text-decoration: underline; ");
    if (const QString v = prop("Text colour"); !v.isEmpty())
        d += QStringLiteral("color: ") + v + QStringLiteral("; ");
    if (isTrue("Font italic"))
        d += QStringLiteral("font-style: italic; ");
    if (isTrue("Font bold"))
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
        const char* property;
        const char* selector;
        const char* decoration;
    };
    static const LinkRule links[] = {
        {"Link colour", "a:link    ", "none"},
        {"Link visited colour", "a:visited ", "none"},
        {"Link active colour", "a:active  ", "none"},
        {"Link hover colour", "a:hover   ", "underline"},
    };
    for (const LinkRule& l : links) {
        const QString v = prop(l.property);
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
    if (const QString v = prop("Style sheet"); !v.isEmpty()) {
        s += QStringLiteral("<link rel=\"stylesheet\" type=\"text/css\" href=\"") + v + Q +
             QLatin1Char('>') + CRLF;
    }
    s += QStringLiteral("</head>") + CRLF + CRLF;
    return s;
}

QString PageGenerator::bodyStart() const {
    QString s = QStringLiteral("<body");
    if (const QString v = m_doc.htmlSetting(QStringLiteral("Background colour")); !v.isEmpty())
        s += QStringLiteral(" bgcolor=\"") + v + Q;
    if (const QString v = m_doc.htmlSetting(QStringLiteral("Background picture")); !v.isEmpty())
        s += QStringLiteral(" background=\"") + v + Q;
    s += QLatin1Char('>') + CRLF + CRLF;
    s += QStringLiteral("<h1>") + m_doc.htmlSetting(QStringLiteral("Title")) +
         QStringLiteral("</h1>") + CRLF + CRLF;
    if (!m_doc.headerHtml().isEmpty())
        s += m_doc.headerHtml() + CRLF + CRLF;
    return s;
}

QString PageGenerator::commandBar() const {
    struct Command {
        const char* property;
        const char* item;
    };
    // Edit and Refresh end without a space, so their brackets touch: "]["
    static const Command commands[] = {
        {"Show open command", "[ <a href=\"pmc:open\">Open</a> ] "},
        {"Show exit command", "[ <a href=\"pmc:exit\">Exit</a> ] "},
        {"Show minimise command", "[ <a href=\"pmc:min\">Minimise</a> ] "},
        {"Show maximise command", "[ <a href=\"pmc:max\">Maximise</a> ] "},
        {"Show edit command", "[ <a href=\"pmc:edit\">Edit</a> ]"},
        {"Show refresh command", "[ <a href=\"pmc:refresh\">Refresh</a> ]"},
    };
    QString bar;
    for (const Command& c : commands) {
        if (m_doc.htmlSetting(QLatin1String(c.property)) == kTrue)
            bar += QLatin1String(c.item);
    }
    if (bar.isEmpty())
        return {};
    if (bar.endsWith(QLatin1Char(' ')))
        bar.chop(1);
    return QStringLiteral("<p>") + bar + QStringLiteral("</p>") + CRLF + CRLF;
}

QString PageGenerator::closing() const {
    QString s;
    if (!m_doc.footerHtml().isEmpty())
        s = m_doc.footerHtml() + CRLF + CRLF;
    s += QStringLiteral("</body>") + CRLF + CRLF + QStringLiteral("</html>") + CRLF + CRLF;
    return s;
}

QString PageGenerator::settingsComment() const {
    const auto prop = [this](const char* name) { return m_doc.htmlSetting(QLatin1String(name)); };
    QString s = QStringLiteral("<!-- Ulvanta info:") + CRLF;
    if (prop("Closable") == kFalse)
        s += QStringLiteral("Closable=False") + CRLF;
    if (prop("Extra commands") == kFalse)
        s += QStringLiteral("Extra commands=False") + CRLF;
    s += QStringLiteral("Height=") + prop("Height") + CRLF;
    if (const QString v = prop("Icon"); !v.isEmpty())
        s += QStringLiteral("Icon=") + v + CRLF;
    if (prop("Minimise on use") == kTrue)
        s += QStringLiteral("Minimise on use=True") + CRLF;
    if (prop("Start maximised") == kTrue)
        s += QStringLiteral("Start maximised=True") + CRLF;
    // The launcher reads the settings' values back through HtmlText::decode, so the
    // document path is written in the same safe form as every other value.
    if (prop("Show edit command") == kTrue)
        s += QStringLiteral("Source file=") + HtmlText::encode(m_doc.filePath()) + CRLF;
    s += QStringLiteral("Width=") + prop("Width") + CRLF + QStringLiteral("-->");
    return s;
}

// --- the icon tables ------------------------------------------------------------

QString PageGenerator::sectionTables(bool forBuild, const QString& basePath) {
    PageBytes out;
    appendSectionTables(out, forBuild, basePath);
    return QString::fromUtf8(out.bytes());
}

void PageGenerator::appendLink(PageBytes& out, const ItemList& items, int row,
                               const QString& run) const {
    if (run != QLatin1String("Hyperlink"))
        out << QLatin1String("pm:");
    const QString fields[] = {items.pageText(row, ColCommand), items.pageText(row, ColParameters),
                              items.pageText(row, ColStartIn), runWord(run)};
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

QString PageGenerator::extractIcon(const QString& raw, const QString& basePath, int iconSize,
                                   int& iconCounter) {
    // A program or document: its icon, extracted once per source. The source is
    // the path as typed (the file system knows no entities), so "é" and "É"
    // compare as the same letter.
    const int k = m_keys.findListEntry(kIcons, kExePrefix, raw.toUpper(), true);
    if (k > 0)
        return iconFilePath(basePath, k);
    if (!FileChecks::fileExists(raw) && !FileChecks::folderExists(raw) &&
        FileChecks::pathKind(raw) != FileChecks::PathOther)
        return iconFilePath(basePath, 0);
    if (!FileChecks::folderExists(basePath)) {
        if (!QDir().mkdir(basePath))
            throw Error(QFileInfo(QFileInfo(basePath).absolutePath()).isDir()
                            ? Error::PathFileAccess
                            : Error::PathNotFound);
    }
    ++iconCounter;
    const QString file = iconFilePath(basePath, iconCounter);
    if (iconSize >= 16) {
        const QImage picture =
            iconSize <= 24 ? DesktopIcons::smallIcon(raw) : DesktopIcons::largeIcon(raw);
        QImageWriter writer(file, "ico");
        if (!writer.write(picture))
            throw Error(writer.error() == QImageWriter::DeviceError ? Error::PathFileAccess
                                                                    : Error::InvalidFileFormat);
    }
    m_keys.addListEntry(kIcons);
    m_keys.setListEntry(kIcons, kIconPrefix, file);
    m_keys.setListEntry(kIcons, kExePrefix, raw);
    return file;
}

std::vector<PageGenerator::TableNumbers> PageGenerator::tableNumbers() const {
    const ItemList& items = m_doc.items();
    const QString pageColumns = m_doc.htmlSetting(QStringLiteral("Columns"));
    const QString pageIconSize = m_doc.setting(QStringLiteral("Icon size"));

    // Worked out in page order, as the tables are written: a bad number fails the
    // page before any of it is written. The cell width only matters to a table
    // with cells, the icon size only to one that shows icons.
    std::vector<TableNumbers> tables;
    QString sectIconSize;
    for (int r = 0, n = items.count(); r < n; ++r) {
        const QString description = items.cell(r, ColDescription);
        if (SectionRow::isSection(description)) {
            sectIconSize = SectionRow::iconSize(description);
            const int columns = PageNumbers::wholeColumns(SectionRow::columns(description));
            tables.push_back({std::min(columns, items.iconsInSection(r)), {}, 0, {}});
            continue;
        }
        if (r == 0) {
            const int columns = PageNumbers::wholeColumns(pageColumns);
            tables.push_back({std::min(columns, items.iconsInSection(0)), {}, 0, {}});
        }
        TableNumbers& t = tables.back();
        if (t.width.isEmpty())
            t.width = PageNumbers::cellWidth(t.columns);
        if (t.iconSizeText.isEmpty() && !items.cell(r, ColIcon).isEmpty()) {
            t.iconSize =
                PageNumbers::wholeIconSize(sectIconSize.isEmpty() ? pageIconSize : sectIconSize);
            t.iconSizeText = QString::number(t.iconSize);
        }
    }
    return tables;
}

void PageGenerator::appendSectionTables(PageBytes& out, bool forBuild, const QString& basePath) {
    const ItemList& items = m_doc.items();
    const int n = items.count();
    if (n == 0)
        return;
    const std::vector<TableNumbers> tables = tableNumbers();

    // Page properties, read once for the whole list.
    const QString tableColour = m_doc.htmlSetting(QStringLiteral("Table colour"));
    const QString pageBorder = m_doc.setting(QStringLiteral("Table border"));
    const QString pageIconsAbove = m_doc.setting(QStringLiteral("Icons above"));

    QString tableEnd = QStringLiteral(" width=\"100%\"");
    if (!tableColour.isEmpty())
        tableEnd += QStringLiteral(" bgcolor=\"") + tableColour + Q;
    tableEnd += QLatin1Char('>') + CRLF;
    const auto tableStart = [&](const QString& border) {
        out << QLatin1String("<table border=\"") << border << Q << tableEnd;
    };

    bool tableOpen = false;
    int cells = 0;          // cells in the open table row
    int table = -1;         // the current table's place in tables
    int columns = 0;        // its column count
    QString sectIconsAbove; // option of the last section row passed
    int iconCounter = 0;

    for (int r = 0; r < n; ++r) {
        const QString description = items.cell(r, ColDescription);
        if (SectionRow::isSection(description)) {
            if (tableOpen) {
                if (cells > 0)
                    out << QLatin1String("  </tr>\r\n");
                if (columns > 0)
                    out << QLatin1String("</table>\r\n\r\n");
            }
            tableOpen = true;
            cells = 0;
            sectIconsAbove = SectionRow::iconsAbove(description);
            columns = tables[size_t(++table)].columns;
            out << QLatin1String("<h2>") << HtmlText::encode(SectionRow::name(description))
                << QLatin1String("</h2>\r\n\r\n");
            if (columns > 0)
                tableStart(SectionRow::tableBorder(description) == kTrue ? QStringLiteral("1")
                                                                         : QStringLiteral("0"));
            continue;
        }

        if (r == 0) {
            // Icons before any section: a table without a heading, on the page's
            // own settings.
            columns = tables[size_t(++table)].columns;
            tableOpen = true;
            tableStart(pageBorder == kTrue ? QStringLiteral("1") : QStringLiteral("0"));
        }
        const TableNumbers& numbers = tables[size_t(table)];

        ++cells;
        if (cells == 1)
            out << QLatin1String("  <tr>\r\n");

        // The cell: one anchor whose link the launcher runs.
        const QString run = items.pageText(r, ColRun);
        const QString tipComments = items.pageText(r, ColComments);
        const QString desc = items.pageText(r, ColDescription);
        const QString& tip = tipComments.isEmpty() ? desc : tipComments;

        out << QLatin1String("    <td width=\"") << numbers.width
            << QLatin1String("%\" align=\"center\"><a href=\"");
        appendLink(out, items, r, run);
        out << QLatin1String("\" title=\"") << tip << QLatin1String("\">");

        const QString icon = items.pageText(r, ColIcon);
        if (!icon.isEmpty()) {
            QString source;
            if (!forBuild || isImageExtension(icon)) {
                source = icon;
            } else {
                source = HtmlText::encode(
                    extractIcon(items.cell(r, ColIcon), basePath, numbers.iconSize, iconCounter));
            }
            out << QLatin1String("<img border=\"0\" src=\"") << source
                << QLatin1String("\" width=\"") << numbers.iconSizeText
                << QLatin1String("\" height=\"") << numbers.iconSizeText
                << QLatin1String("\" alt=\"") << tip << QLatin1String("\">");
            const QString& above = sectIconsAbove.isEmpty() ? pageIconsAbove : sectIconsAbove;
            if (above == kTrue)
                out << QLatin1String("<br>");
        }
        out << desc << QLatin1String("</a></td>\r\n");

        if (cells == columns) {
            out << QLatin1String("  </tr>\r\n");
            cells = 0;
        }
    }

    if (cells > 0)
        out << QLatin1String("  </tr>\r\n");
    if (columns > 0 && tableOpen)
        out << QLatin1String("</table>\r\n\r\n");

    if (forBuild && FileChecks::folderExists(basePath))
        m_keys.save(iconListPath(basePath));
}

} // namespace ulvanta
