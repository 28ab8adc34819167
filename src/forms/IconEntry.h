#pragma once

#include "components/Prompter.h"
#include "model/ItemList.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <optional>

namespace ulvanta {

class Document;

// What the icon dialog decides: which entries it refuses, how its fields become a
// row, where a new icon goes, how browsing fills a field and what the preview shows.
namespace IconEntry {

// The dialog's fields, as typed.
struct Fields {
    QString description;
    QString command;
    QString parameters;
    QString startIn;
    QString icon;
    QString run;
    QString comments;

    bool operator==(const Fields&) const = default;
};

// The run styles the dialog offers (see ItemList.h).
using ulvanta::runStyles;
constexpr int HyperlinkStyle = HyperlinkRunStyle;

// The text with every double quote removed.
QString withoutQuotes(const QString& text);

// The row the fields make: Description as typed, Command trimmed, Icon without
// quotes and trimmed, the others as typed.
ItemRow toRow(const Fields& f);
Fields fromRow(const ItemRow& row);

// The field a refused entry sends the focus to.
enum class Focus { None, Description, Command };

// Why the fields cannot be written, with the message shown for it.
struct Refusal {
    QString text;
    QString title;
    Focus focus = Focus::None;
};
// Empty when the fields may be written. "Add Error" / "Edit Error" titles.
std::optional<Refusal> validate(const Fields& f, bool editMode);

// Where a new icon goes (0-based): the bottom, or directly below the current row
// when the list has rows, one is current and "Add item at bottom of list" is off.
int insertPosition(int count, int currentRow, bool addAtBottom);

// The outcome of confirming the dialog.
struct Outcome {
    bool written = false;
    Focus focus = Focus::None; // where a refusal puts the focus
    int row = -1;              // the row written (0-based)
};

// Validates (a refusal is shown through the prompter) and writes, as one step of
// the document's history: in edit mode into the current row, in add mode into a
// new row at insertPosition. An add also asks for updateActions.
Outcome confirm(Document& doc, Prompter& prompter, const Fields& f, bool editMode, int currentRow,
                bool addAtBottom);

// --- browsing ---

enum class Browse {
    CommandFile,
    CommandFolder,
    ParamFile,
    ParamFolder,
    StartInFolder,
    IconFile,
    IconFolder
};

struct BrowseTarget {
    bool folder;     // folder chooser (true) or file dialog (false)
    QString title;   // dialog title, or the folder chooser's prompt
    QString pattern; // file filter, each pair ending in "|"; the all-files pair follows
    bool collect;    // several paths collect in the field (Parameters)
};
BrowseTarget browseTarget(Browse b);

// The field's new text after choosing path: a collecting field appends it after a
// space (quoted when it holds a space); any other field is replaced by it.
QString composeBrowsed(const QString& fieldText, const QString& path, bool collect);

// Asks for a file: title, pattern + "All Files (*.*)|*.*", no proposed name.
// Empty when cancelled.
QString chooseFile(Prompter& prompter, const QString& title, const QString& pattern);

// --- icon preview ---

enum class PreviewKind { Picture, ShellIcon, Clear };
// What the preview shows for the Icon field's text: the picture file itself, the
// desktop's icon for the path, or nothing.
PreviewKind previewKind(const QString& iconText);
// The picture to show; nothing when it cannot be made (the preview then keeps what
// it shows); a null image to clear the preview.
std::optional<QImage> previewImage(const QString& iconText);

} // namespace IconEntry
} // namespace ulvanta
