#pragma once

#include <QString>

namespace ulvanta {

// Text inside the page's HTML.
namespace HtmlText {

// Makes text safe inside the page's HTML: & < > " become entities and every
// character above "~" becomes "&#N;" (N its decimal code point), so the page is
// plain ASCII.
QString encode(const QString& text);
// Appends text to out as encode makes it; with `commas`, each comma first becomes
// "&comma;" (so the page holds "&amp;comma;").
void appendEncoded(QString& out, QStringView text, bool commas = false);
// Undoes exactly the five forms encode writes; other text is left alone.
QString decode(const QString& text);

} // namespace HtmlText
} // namespace ulvanta
