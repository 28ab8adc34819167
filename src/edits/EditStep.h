#pragma once

#include "model/ItemList.h"
#include "model/PropertyTable.h"

#include <QString>
#include <QUndoCommand>
#include <QtGlobal>
#include <memory>
#include <utility>
#include <vector>

namespace ulvanta {

class Document;

// The tabs a step belongs to.
enum class EditTab : int { Icons = 0, Properties = 1 };

// Where the window stands after a step is undone or redone: the tab, the current
// row of that tab's list and the rows selected [first, last]. With first < 0 the
// current row alone is selected; with current < 0 the selection stays as it is.
struct EditPlace {
    EditTab tab = EditTab::Icons;
    int current = -1;
    int first = -1;
    int last = -1;
};

class EditStep;
using EditStepPtr = std::unique_ptr<EditStep>;

// One change to the document that can be taken back and done again: one undo
// step. A step holds only what it changes, never a copy of the document, and both
// directions cost time in proportion to that change. It knows whether its change
// is in the document, so redo and undo never do it twice: a step made of a change
// already done (an Import that appended its rows itself) is pushed as it is. A
// step that changes nothing is obsolete.
class EditStep : public QUndoCommand {
public:
    void redo() final;
    void undo() final;
    int id() const final { return m_mergeId; }

    // The memory the step holds, counted against the history's byte cap.
    qint64 bytes() const { return m_bytes; }
    // Where undo leaves the window, and where redo leaves it.
    const EditPlace& before() const { return m_before; }
    const EditPlace& after() const { return m_after; }
    void setPlaces(const EditPlace& before, const EditPlace& after) {
        m_before = before;
        m_after = after;
    }
    void setCurrentBefore(int row) { m_before.current = row; }
    void setCurrentAfter(int row) { m_after.current = row; }

    // The same step in a new command that takes over what this one holds, for a
    // history that refills its stack; the new one no longer merges.
    virtual EditStepPtr takeOver() = 0;

protected:
    EditStep(Document& doc, const QString& text, bool done = false)
        : QUndoCommand(text), m_doc(&doc), m_done(done) {}
    EditStep(EditStep&& other);

    virtual void apply(Document& doc) = 0;
    virtual void revert(Document& doc) = 0;
    void setBytes(qint64 bytes) { m_bytes = bytes; }
    void setMergeId(int id) { m_mergeId = id; }

private:
    Document* m_doc;
    EditPlace m_before;
    EditPlace m_after;
    qint64 m_bytes = 0;
    int m_mergeId = -1;
    bool m_done;
};

// One cell of the item list changing its text.
struct CellChange {
    int row = 0;
    int column = 0;
    QString before;
    QString after;
};

// The steps, each with the places the change itself suggests; callers may set
// other places before pushing.

// `rows` inserted at `position` (Add, Copy and paste, Import, a drop).
EditStepPtr insertRowsStep(Document& doc, const QString& text, int position,
                           std::vector<ItemRow> rows);
// The `count` rows from `first` removed (Delete).
EditStepPtr removeRowsStep(Document& doc, const QString& text, int first, int count);
// Rows [first, first + count) that are already in the list, recorded as inserted
// (an Import that has appended its rows itself).
EditStepPtr insertedRowsStep(Document& doc, const QString& text, int first, int count);
// Row `row` replaced by `row` (the icon and section dialogs' Edit).
EditStepPtr replaceRowStep(Document& doc, const QString& text, int row, ItemRow after);
// ItemList::rotate(first, middle, last): a row or a section block moved past its
// neighbour. The current row is the first row of the block the user moved:
// [first, middle) moving down, or [middle, last] moving up.
EditStepPtr rotateStep(Document& doc, const QString& text, int first, int middle, int last,
                       bool movingUp);
// The rows of `spans` gathered before row `to` (ItemList::gather): rows dragged from
// several places. The gathered rows are selected afterwards.
EditStepPtr gatherStep(Document& doc, const QString& text, RowSpans spans, int to);
// The rows of `spans` removed in one pass over the list (Delete of rows apart).
EditStepPtr removeSpansStep(Document& doc, const QString& text, RowSpans spans);
// Cells changed in place (Replace All, column Copy and Move, the section dialog's
// Edit). Changes that leave a cell as it is are not kept.
EditStepPtr changeCellsStep(Document& doc, const QString& text, std::vector<CellChange> cells);
// A Description typed in place. Typing into the same row again straight after is
// merged into this step, which becomes obsolete if the text returns to the start.
EditStepPtr typeDescriptionStep(Document& doc, int row, const QString& text);
// List columns a and b exchanged in every icon row; section rows keep theirs.
EditStepPtr swapColumnsStep(Document& doc, const QString& text, int a, int b);
// A property's new value (Header and Footer HTML whole). `shown`, when not null,
// is what the property list shows for it instead of its usual view.
struct SettingValue {
    Setting key;
    QString value;
    QString shown;
};
// Properties set together. With retitle the window caption follows the
// Title property.
EditStepPtr changeSettingsStep(Document& doc, const QString& text,
                               const std::vector<SettingValue>& values, bool retitle = false);
// Every property back to its default, Header and Footer HTML emptied.
EditStepPtr resetSettingsStep(Document& doc, const QString& text);

} // namespace ulvanta
