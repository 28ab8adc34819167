#pragma once

#include "model/RowSpan.h"

class QItemSelectionModel;

namespace ulvanta {

class Document;
class Prompter;

// The rows selected in the list as runs in list order; the current row alone when
// no row or only one is selected, for every command then acts on the current row.
RowSpans selectedSpans(const QItemSelectionModel* selection, int rowCount);

// The Edit menu's commands on the item list: delete, copy and paste, move up and
// move down. With one row selected each acts on the current row; with more, on every
// selected row. Each is one step of the document's history and ends by asking for
// updateActions. An icon row moves one row at a time and may leave its section; a
// section row moves with its whole block past the neighbouring section, in one
// rotation of the rows.
class ListController {
public:
    ListController(Document& doc, Prompter& prompter, QItemSelectionModel* selection)
        : m_doc(doc), m_prompter(prompter), m_selection(selection) {}

    // Which dialog edits a row.
    enum class Editor { None, Icon, Section };
    Editor editorFor(int row) const;

    void removeSelected();
    void duplicateSelected();
    void moveUp();
    void moveDown();

    // The current row (0-based) or -1.
    int currentRow() const;

private:
    void makeCurrent(int row, RowSpan selected);
    // The selected run and the neighbouring row or block above or below trade places
    // in one rotation; the rows the user moved stay current and selected.
    void move(bool up);

    Document& m_doc;
    Prompter& m_prompter;
    QItemSelectionModel* m_selection;
};

} // namespace ulvanta
