#pragma once

#include "commands/PropertyController.h"
#include "components/Prompter.h"

#include <QColor>
#include <QString>
#include <optional>

class QPalette;

namespace ulvanta {

class Document;

// What the colour, file and multi-line editors of a property row decide; the
// dialogs only read their widgets and call these.
namespace PropertyDialogs {

// --- colour ---
// "Background colour:"
QString colourLabel(const QString& displayName);
// The preview for the typed colour text: defaultColour while empty, the colour when the
// text is a colour, nullopt (keep the preview as it is) otherwise.
std::optional<QColor> previewColour(const QString& text, qint32 defaultColour,
                                    const QPalette& palette);
// The colour text of a colour chosen in the colour dialog.
QString chosenColourText(const QColor& colour);
// What OK stores: the text with a "#" in front when it has none (empty stays empty).
QString storedColourText(const QString& typed);

// --- file ---
// "&HTML File Location:" for the built page, else "Style sheet:".
QString fileLabel(const QString& displayName, bool htmlFile);
// The file dialog for browsing: the editor's title and filter plus "All Files",
// no proposed name, the save form for the built page's location.
FileRequest fileRequest(const PropertyEditor& editor);
// What a chosen file puts into the text box: the plain path for the built page
// and the icon, a "file://" link for pictures and style sheets the page loads.
QString browsedFileText(Setting key, const QString& path);

// --- multi-line text ---
// "&Header HTML:"
QString multiLineLabel(const QString& displayName);
// The full text behind a Header HTML or Footer HTML row (CR LF line breaks).
QString multiLineText(const Document& doc, int row);
// The row's one-line view: every CR LF becomes two blanks; 50 characters or more
// are cut to 50 and followed by "...".
QString multiLineSummary(const QString& text);
// Line breaks as the text editor shows them ("\n") and as the document keeps
// them ("\r\n").
QString toEditorText(const QString& stored);
QString fromEditorText(const QString& edited);

// --- writing back (OK), each one step of the document's history ---
// Stores a setting.
void commitSetting(Document& doc, int row, const QString& value);
// Stores a full multi-line text and shows its summary.
void commitMultiLine(Document& doc, int row, const QString& text);

} // namespace PropertyDialogs
} // namespace ulvanta
