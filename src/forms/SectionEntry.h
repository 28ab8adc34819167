#pragma once

#include <QString>

namespace ulvanta {

class Document;

// What the section dialog decides: the rules that keep Columns and Icon size
// numbers within bounds, reading a section row back into fields, and where the
// composed row goes.
namespace SectionEntry {

struct Fields {
    QString name;
    QString columns = QStringLiteral("5");
    QString iconSize = QStringLiteral("32");
    bool iconsAbove = true;
    bool tableBorder = false;

    bool operator==(const Fields&) const = default;
};

// The bounds of a numeric field and the texts that replace a value outside them.
struct NumberRule {
    int fallback; // for text that is not a number
    int minimum;
    int maximum;
};
inline constexpr NumberRule ColumnsRule{5, 1, 100};
inline constexpr NumberRule IconSizeRule{32, 16, 1024};

// Text that is not a number (the whole text, surrounding blanks allowed, read in
// the system locale; empty text is none) becomes the fallback; a value whose whole
// part lies below the minimum or above the maximum becomes that bound; anything
// else stays exactly as typed.
QString applyRule(const QString& text, const NumberRule& rule);

// The fields of a section row (defaults where its options are unreadable).
Fields fromRow(const QString& rowText);
// The row text, the numeric fields passed through their rules first.
QString compose(const Fields& f);

// Writes the section as one step of the document's history: in edit mode the
// current row's text (its other columns stay), in add mode a new row directly
// above the current row (at the end when there is none). Returns the row written,
// or -1 when there was no current row to edit. Asks for updateActions.
int confirm(Document& doc, const Fields& f, bool editMode, int currentRow);

} // namespace SectionEntry
} // namespace ulvanta
