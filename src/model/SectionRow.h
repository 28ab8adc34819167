#pragma once

#include "components/CellText.h"

#include <QString>

namespace ulvanta {

// The text format of a section row's Description:
//   SECTION:<escaped name>;Columns:<n>;Icon size:<n>;Icons above:<bool>;Table border:<bool>
namespace SectionRow {

inline const QString& marker() {
    static const QString m = QStringLiteral("SECTION:");
    return m;
}
// The tail of a new section with the default options.
inline const QString& defaultTail() {
    static const QString t =
        QStringLiteral(";Columns:5;Icon size:32;Icons above:True;Table border:False");
    return t;
}

// True when the text begins with exactly "SECTION:".
inline bool isSection(QStringView description) {
    return description.startsWith(marker());
}
inline bool isSection(const CellText& description) {
    return description.startsWith(QLatin1StringView("SECTION:"));
}

// The name as stored: HtmlText::encode, then { } : ; escaped as {l} {r} {c} {s}.
QString escapeName(const QString& name);
// Undoes escapeName (including the HtmlText::decode).
QString unescapeName(const QString& escaped);

// The whole row text of a section.
QString compose(const QString& name, const QString& columns, const QString& iconSize,
                bool iconsAbove, bool tableBorder);

// Field number 1 to 5 of the row text (name, columns, icon size, icons above,
// table border); for 1 the unescaped name. Empty for a missing field or one
// without ":".
QString field(const QString& rowText, int number);
inline QString name(const QString& rowText) {
    return field(rowText, 1);
}
inline QString columns(const QString& rowText) {
    return field(rowText, 2);
}
inline QString iconSize(const QString& rowText) {
    return field(rowText, 3);
}
inline QString iconsAbove(const QString& rowText) {
    return field(rowText, 4);
}
inline QString tableBorder(const QString& rowText) {
    return field(rowText, 5);
}

// The section's own settings in words, as the list shows them beside its name:
// "5 columns · 32 px icons · icons above · no border". A setting left empty
// follows the page and is left out (the border does not follow it).
QString settingsInWords(const QString& rowText);
// The name, " — " and the settings in words.
QString heading(const QString& rowText);

} // namespace SectionRow
} // namespace ulvanta
