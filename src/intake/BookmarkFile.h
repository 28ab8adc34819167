#pragma once

#include "intake/IntakeRows.h"
#include "model/ItemList.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace ulvanta::intake {

// True when the bytes begin (after blanks and a byte order mark) with the
// bookmarks file's document type, <!DOCTYPE NETSCAPE-Bookmark-file-1>, which every
// browser writes when it exports its bookmarks.
bool isBookmarkFile(const QByteArray& head);
// Reads the first bytes of the file; false when it cannot be read.
bool isBookmarkFilePath(const QString& path);

// The rows an exported bookmarks page becomes, in one pass over the text: links
// outside any folder first, without a section; then a section per folder holding
// links, named after the folder ("Parent / Child" for a nested one) and in the
// order the folders open, with its links as "Hyperlink" icons (a link's <browseFolder>
// description becomes its comment). Folders without links of their own give no
// section; browser-internal links (place:) are left out, links that would start
// a program are left out and counted. Folders nested deeper than maxFolderDepth
// add their links to the deepest folder kept. Linear in the text.
IntakeResult bookmarkRows(const QString& html);
constexpr int maxFolderDepth = 64;

// bookmarkRows of the file (UTF-8). Throws Error when the file is missing, cannot
// be read or is not a bookmarks file.
IntakeResult readBookmarkFile(const QString& path);

// Entity references of HTML text resolved (&amp; &lt; &gt; &quot; &apos; &nbsp;
// and numeric ones); unknown ones stay as written.
QString decodeEntities(QStringView text);

} // namespace ulvanta::intake
