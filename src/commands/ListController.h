#pragma once

class QItemSelectionModel;

namespace ulvanta {

class Document;
class Prompter;

// The Edit menu's commands on the item list: delete, copy and paste, move up and
// move down. Each acts on the current row of the selection model alone, is one
// step of the document's history and ends by asking for updateActions. An icon
// row moves one row at a time and may leave its section; a section row moves with
// its whole block past the neighbouring section, in one rotation of the rows.
class ListController {
public:
    ListController(Document& doc, Prompter& prompter, QItemSelectionModel* selection)
        : m_doc(doc), m_prompter(prompter), m_selection(selection) {}

    // Which dialog edits a row.
    enum class Editor { None, Icon, Section };
    Editor editorFor(int row) const;

    void removeCurrent();
    void duplicateCurrent();
    void moveUp();
    void moveDown();

    // The current row (0-based) or -1.
    int currentRow() const;

private:
    void makeCurrent(int row);
    // The row after the block that starts at row `first`: the next section row, or
    // the end of the list.
    int blockEnd(int first) const;
    // The current row's block and the neighbouring block above or below trade
    // places in one rotation; the block the user moved stays current.
    void move(bool up);

    Document& m_doc;
    Prompter& m_prompter;
    QItemSelectionModel* m_selection;
};

} // namespace ulvanta
