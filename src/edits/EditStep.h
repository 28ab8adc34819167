#pragma once

#include "model/ItemList.h"

#include <QString>
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

// One change to the document that can be taken back and done again. A step holds
// only what it changes, never a copy of the document, and both directions cost
// time in proportion to that change.
class EditStep {
public:
    virtual ~EditStep() = default;
    // Does the change (the first time and on redo).
    virtual void apply(Document& doc) = 0;
    // Takes the change back.
    virtual void revert(Document& doc) = 0;
    // The memory the step holds, counted against the history's limit.
    virtual qint64 bytes() const = 0;
    // A step that leaves the document as it is (a Replace All that found nothing)
    // is not recorded, though doing it still marks the document changed.
    virtual bool changesNothing() const { return false; }

    QString text;     // names the step in the Edit menu: "Delete", "Replace All"
    EditPlace before; // where undo leaves the window
    EditPlace after;  // where redo leaves it
};

using EditStepPtr = std::shared_ptr<EditStep>;

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
EditStepPtr insertRowsStep(const ItemList& items, const QString& text, int position,
                           std::vector<ItemRow> rows);
// The `count` rows from `first` removed (Delete).
EditStepPtr removeRowsStep(const ItemList& items, const QString& text, int first, int count);
// Rows [first, first + count) that are already in the list, recorded as inserted
// (an Import that has appended its rows itself).
EditStepPtr insertedRowsStep(const ItemList& items, const QString& text, int first, int count);
// Row `row` replaced by `row` (the icon and section dialogs' Edit).
EditStepPtr replaceRowStep(const ItemList& items, const QString& text, int row, ItemRow after);
// ItemList::rotate(first, middle, last): a row or a section block moved past its
// neighbour. The current row is the first row of the block the user moved:
// [first, middle) moving down, or [middle, last] moving up.
EditStepPtr rotateStep(const QString& text, int first, int middle, int last, bool movingUp);
// Cells changed in place (Replace All, column Copy and Move, an in-place edit of a
// Description). Changes that leave a cell as it is are not kept.
EditStepPtr changeCellsStep(const QString& text, std::vector<CellChange> cells);
// List columns a and b exchanged in every icon row; section rows keep theirs.
EditStepPtr swapColumnsStep(const ItemList& items, const QString& text, int a, int b);
// A property's new value by display name (Header and Footer HTML whole). `shown`,
// when not null, is what the property list shows for it instead of its usual view.
struct SettingValue {
    QString name;
    QString value;
    QString shown;
};
// Properties set by display name. With retitle the window caption follows the
// Title property.
EditStepPtr changeSettingsStep(const Document& doc, const QString& text,
                               const std::vector<SettingValue>& values, bool retitle = false);
// Every property back to its default, Header and Footer HTML emptied.
EditStepPtr resetSettingsStep(const Document& doc, const QString& text);

} // namespace ulvanta
