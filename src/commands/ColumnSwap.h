#pragma once

namespace ulvanta {

class Document;

// What the Swap Columns dialog does with its two columns.
enum class ColumnOperation : int {
    Swap = 0, // the two cells exchange their texts
    Move = 1, // the second receives the first's text, then the first is emptied
    Copy = 2, // the second receives the first's text
};

// The Swap Columns dialog numbers its columns 0 to 5: Description, Command,
// Parameters, Start In, Icon, Comments. The Run column has no number there.
constexpr int SwapColumnCount = 6;
// The list column of a dialog column (5, Comments, is list column 6); -1 when out of range.
int swapListColumn(int dialogColumn);

// The choices of the Swap Columns dialog and their rule: the second column is
// never the first.
class SwapChoice {
public:
    ColumnOperation operation() const { return m_operation; }
    int first() const { return m_first; }
    int second() const { return m_second; }

    void setOperation(ColumnOperation op) { m_operation = op; }
    // Choosing the first column; when it is the current second column, the second
    // moves to Description (or to Command when Description was chosen as first).
    void chooseFirst(int column);
    // Choosing the second column; the first column itself cannot be chosen.
    void chooseSecond(int column);
    // Whether a column is offered as the second column.
    bool secondEnabled(int column) const { return column != m_first; }

private:
    ColumnOperation m_operation = ColumnOperation::Swap;
    int m_first = 0;
    int m_second = 1;
};

// Swaps, moves or copies dialog column `first` to `second` in every icon row, in
// one pass over the list and as one step of the document's history; section rows
// are never touched. The document is marked
// changed even when the list holds no icon row. Returns false, changing nothing,
// when the columns are equal or out of range.
bool swapColumns(Document& doc, ColumnOperation op, int first, int second);

} // namespace ulvanta
