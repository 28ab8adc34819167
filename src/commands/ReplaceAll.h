#pragma once

#include <QString>
#include <QStringMatcher>
#include <vector>

namespace ulvanta {

class Document;

// One run of Replace All: what to find, what to put in its place, and in which
// list columns. The Run column is never searched, whatever the caller asks.
struct ReplaceRequest {
    QString find;
    QString replacement;
    bool matchCase = false;
    std::vector<int> columns; // list columns (0 Description ... 6 Comments)
};

// The replacement of one run, prepared once and applied to every cell.
class CellReplacer {
public:
    CellReplacer(const QString& find, const QString& replacement, bool matchCase);

    // Every occurrence of the find text, left to right, replaced; the inserted text
    // is not scanned again. An empty find leaves the text alone, except that an
    // empty text then becomes the replacement (an empty find fills empty cells).
    QString apply(const QString& text) const;

private:
    QString m_find;
    QString m_replacement;
    QStringMatcher m_matcher;
};

inline QString replaceInCell(const QString& text, const QString& find, const QString& replacement,
                             bool matchCase) {
    return CellReplacer(find, replacement, matchCase).apply(text);
}

// Replace All over the chosen columns of every icon row, as one step of the
// document's history; section rows are never touched. The document counts as changed as soon as one
// chosen cell of an icon row was visited, whether or not anything matched. Returns true when it
// was.
bool replaceAll(Document& doc, const ReplaceRequest& request);

} // namespace ulvanta
