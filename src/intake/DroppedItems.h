#pragma once

#include "model/ItemList.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QUrl>
#include <vector>

class QMimeData;

namespace ulvanta::intake {

// One dropped address with the title a browser sent along (empty when none).
struct DroppedLink {
    QUrl url;
    QString title;
};

// What a drop adds: icon rows in drop order, and a short text for the status bar
// naming what could not be added (empty when everything came in).
struct DropResult {
    std::vector<ItemRow> rows;
    QString reason;
};

// The addresses in dragged data: a browser's text/x-moz-url (UTF-16 address and
// title pairs) or _NETSCAPE_URL first, for their titles; then text/uri-list; then
// text/plain holding addresses or absolute paths, one a line.
QList<DroppedLink> droppedLinks(const QMimeData& data);

// The rows the addresses become: a .desktop file its application (or link), an
// executable the program in its folder, another file or a folder the file opened,
// a web address a "Hyperlink" icon named after its title or else its host.
DropResult rowsFromLinks(const QList<DroppedLink>& links,
                         const QLocale& locale = QLocale::system());

inline DropResult rowsFromDrop(const QMimeData& data, const QLocale& locale = QLocale::system()) {
    return rowsFromLinks(droppedLinks(data), locale);
}

} // namespace ulvanta::intake
