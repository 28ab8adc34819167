#pragma once

#include "intake/IconLookup.h"
#include "model/ItemList.h"

#include <QCache>
#include <QIcon>
#include <QString>

namespace ulvanta::intake {

// Where the list finds the picture of an icon row.
struct PictureChoice {
    enum Kind {
        Image,   // source: an image file shown as it is
        Shell,   // source: a program, document or folder, shown as the desktop shows it
        Themed,  // source: an icon name of the theme
        Web,     // a web page
        Program, // nothing better known: a generic program
    };
    Kind kind = Program;
    QString source;
    bool operator==(const PictureChoice&) const = default;
};

// The pictures of the item list's icon rows, looked up when a row is first shown
// and kept by what they show, so that many rows share one picture and a long
// list costs nothing until it is scrolled through.
class RowPictures {
public:
    explicit RowPictures(IconLookup::Places places = IconLookup::systemPlaces());

    // In order: the Icon field's image when it is an image file; the icon the
    // page build would extract when the Icon field names a program or file; the
    // Command's icon (a .desktop entry's, a document's or folder's, a web page's
    // for Hyperlink and addresses); a generic program.
    PictureChoice choose(const QString& icon, const QString& command, const QString& run);
    // The chosen picture of the row, as an icon sharp at any size.
    QIcon picture(const ItemList& items, int row);

private:
    PictureChoice commandChoice(const QString& command, const QString& run);
    QIcon load(const PictureChoice& choice);

    IconLookup m_lookup;
    QCache<QString, PictureChoice> m_choices; // by the row's cells
    QCache<QString, QIcon> m_icons;           // by kind and source
};

} // namespace ulvanta::intake
