#pragma once

#include "model/PageRows.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

class QIODevice;

namespace ulvanta {

class Document;
class IconFolder;
class PageBytes;

// Turns a document into the launcher page. The one implementation of the page
// for the HTML tab, the preview, Build and the command-line builder.
//
// The page is made of seven pieces; every line ends in CRLF. The writer touches
// no file itself: in a build, the icons of programs come from an IconFolder.
class PageWriter {
public:
    // Without an icon folder the page shows icon files as the rows name them.
    explicit PageWriter(const Document& doc, IconFolder* icons = nullptr);
    // The page of the document's settings over other rows: a file's, read for its
    // page alone.
    PageWriter(const Document& doc, const PageRows& rows, IconFolder* icons = nullptr);
    PageWriter(const PageWriter&) = delete;
    PageWriter& operator=(const PageWriter&) = delete;

    // The whole page. Throws Error (a Columns or Icon size that is not a number,
    // an icon that cannot be saved, ...).
    QString page();
    // The same page written to a device as it is produced (UTF-8, in practice
    // ASCII). A bad Columns or Icon size throws before any byte is written;
    // Error 61 when the device takes fewer bytes than given.
    void write(QIODevice& device);

    QString head() const;
    QString styleSheet() const;
    QString bodyStart() const;
    QString commandBar() const;
    QString closing() const;
    // The settings comment the launcher reads; it ends with "-->" and no line break.
    QString settingsComment() const;

    // The author credit that follows the version in the generator meta tag.
    static QString credit();
    // Pictures the page shows as they are (by the name's extension); anything else
    // is a program or a document whose icon a build extracts.
    static bool isImageExtension(const QString& iconCell);
    static bool isImageExtension(QLatin1StringView iconCell);

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
    // Table number `table` of tables. Throws Error 75 past the end.
    static const TableNumbers& tableAt(const std::vector<TableNumbers>& tables, int table);
    void write(PageBytes& page);
    // The sections' headings and icon tables. Throws Error.
    void appendSectionTables(PageBytes& out);
    // One icon row's cell.
    void appendCell(PageBytes& out, int row, const TableNumbers& numbers, bool iconsAbove);
    // The link of an icon row: "pm:" (except for a hyperlink), then command,
    // parameters, start folder and run word, without empty trailing fields.
    void appendLink(PageBytes& out, int row);
    // A cell of the row as the page writes it: commas (except in Comments) as
    // "&comma;", then HtmlText::encode; into a buffer used again row after row.
    const QByteArray& pageText(int row, int column, QByteArray& into) const;

    const Document& m_doc;
    std::optional<ListRows> m_listRows;
    const PageRows& m_rows;
    IconFolder* m_icons;
    // The current icon row's texts as the page writes them.
    struct {
        QByteArray run, comments, description, icon;
        QByteArray link[3]; // command, parameters, start folder
    } m_text;
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
