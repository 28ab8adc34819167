#pragma once

class QItemSelectionModel;

namespace ulvanta {

class Document;
class Prompter;

// The Edit menu's commands on the item list: delete, copy and paste, move up and
// move down. Each acts on the current row of the selection model alone
// and ends by marking the document changed and asking for
// updateActions. An icon row moves one row at a time and may leave its section; a
// section row moves with its whole block past the neighbouring section, in one
// rotation of the rows.
class ListCommands {
public:
    ListCommands(Document& doc, Prompter& prompter, QItemSelectionModel* selection)
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
    void finish();
    // Moves the block of the section row s below the block of the next section
    // row; returns the row of s's heading afterwards, or -1 when there is no next
    // section.
    int moveSectionDown(int s);

    Document& m_doc;
    Prompter& m_prompter;
    QItemSelectionModel* m_selection;
};

} // namespace ulvanta
