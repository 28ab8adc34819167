#pragma once

#include <QByteArray>
#include <QString>

namespace ulvanta {

class CellText;

// Text inside the page's HTML.
namespace HtmlText {

// Makes text safe inside the page's HTML: & < > " become entities and every
// character above "~" becomes "&#N;" (N its decimal code point), so the page is
// plain ASCII.
QString encode(const QString& text);
// Appends what encode makes of text to a page's bytes; with `commas`, each comma
// first becomes "&comma;" (so the page holds "&amp;comma;").
void appendEncoded(QByteArray& out, QStringView text, bool commas = false);
// The same for a cell, whichever form it is held in.
void appendEncoded(QByteArray& out, const CellText& text, bool commas = false);
// Undoes exactly the five forms encode writes; other text is left alone.
QString decode(const QString& text);

} // namespace HtmlText
} // namespace ulvanta
