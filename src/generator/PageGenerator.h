#pragma once

#include <QString>
#include <vector>

class QIODevice;

namespace ulvanta {

class Document;
class ItemList;
class KeyValueFile;
class PageBytes;

// Turns a document into the launcher page. The one implementation of
// the page for the HTML tab, the preview, Build and the command-line builder.
//
// The page is made of seven pieces, joined by generatePage; every line ends in CRLF.
// A build also extracts the icons of programs into the icon folder (the base
// path) and records them in its icon list "Icons.txt"; the keys of that list are
// kept in the KeyValueFile given here.
class PageGenerator {
public:
    PageGenerator(const Document& doc, KeyValueFile& keys) : m_doc(doc), m_keys(keys) {}

    // The whole page. In a build (forBuild true) the icons named by the previous
    // build's list are deleted first. Throws Error (a Columns or Icon size that
    // is not a number, an icon that cannot be saved, ...).
    QString generatePage(bool forBuild, const QString& basePath);
    // The same page written to a device as it is produced (UTF-8, in practice
    // ASCII). A bad Columns or Icon size throws before any byte is written;
    // Error 61 when the device takes fewer bytes than given.
    void generatePage(QIODevice& device, bool forBuild, const QString& basePath);

    QString head() const;
    QString styleSheet() const;
    QString bodyStart() const;
    QString commandBar() const;
    // The sections' headings and icon tables; in a build the icon folder is filled
    // and its list saved. Throws Error.
    QString sectionTables(bool forBuild, const QString& basePath);
    QString closing() const;
    // The settings comment the launcher reads; it ends with "-->" and no line break.
    QString settingsComment() const;

    // The author credit that follows the version in the generator meta tag.
    static QString credit();

private:
    // The numbers of one icon table: its column count, and the cell width and icon
    // size once a cell or an icon needs them.
    struct TableNumbers {
        int columns;
        QString width;
        int iconSize;
        QString iconSizeText;
    };
    // Every table's numbers in page order. Throws Error 13, 6 or 11.
    std::vector<TableNumbers> tableNumbers() const;
    void generatePage(PageBytes& page, bool forBuild, const QString& basePath);
    // sectionTables's work, appended straight to the page.
    void appendSectionTables(PageBytes& out, bool forBuild, const QString& basePath);
    // The link of an icon row: "pm:" (except for a hyperlink), then command,
    // parameters, start folder and run word, without empty trailing fields.
    void appendLink(PageBytes& out, const ItemList& items, int row, const QString& run) const;
    // The icon file of a program or document for the icon folder at basePath:
    // the one listed for it, a new one extracted (iconCounter counts them) and
    // listed, or number 0 for a path where nothing exists. Throws Error.
    QString extractIcon(const QString& raw, const QString& basePath, int iconSize,
                        int& iconCounter);
    // Deletes the icons the previous build listed in basePath/Icons.txt.
    void deleteOldIcons(const QString& basePath);

    const Document& m_doc;
    KeyValueFile& m_keys;
};

// How the page reads the numbers typed into Columns and Icon size.
namespace PageNumbers {

// The platform's number test: the whole text (blanks around it allowed) read as a
// number in the user's regional form. Throws Error 13 (Type mismatch).
double parse(const QString& text);
// Rounds to the nearest whole number, a value exactly between two going to the
// even one (2.5 gives 2, 3.5 gives 4).
double roundHalfEven(double value);
// A column count: a 16-bit whole number. Throws 13 or 6 (Overflow).
int wholeColumns(const QString& text);
// An icon size: a 32-bit whole number. Throws 13 or 6.
int wholeIconSize(const QString& text);
// 100 divided by the column count in the platform's number form: at most 15
// significant digits, no trailing zeros, the regional decimal separator, no
// grouping (3 gives "33.3333333333333"). Throws Error 11 for 0.
QString cellWidth(int columns);

} // namespace PageNumbers
} // namespace ulvanta
