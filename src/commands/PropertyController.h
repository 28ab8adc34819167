#pragma once

#include "components/Prompter.h"
#include "model/PropertyTable.h"

#include <QString>
#include <optional>

namespace ulvanta {

class Document;
class FileController;

// How a property is edited, chosen by its display name.
enum class EditorKind { Boolean, Number, Colour, File, Font, MultiLine, Title };

struct PropertyEditor {
    EditorKind kind = EditorKind::Boolean;
    QString prompt; // Number: the input box's question; File: the file dialog's title
    int lower = 0;  // Number: the inclusive bounds
    int upper = 0;
    qint32 defaultColour = 0; // Colour: what the preview shows while no colour is set
    QString filter;           // File: "Description|pattern|..." pairs
    bool htmlFile = false;    // File: the built page's location (save form)
};

// The editor of a display name (exact, case-sensitive); a name the program does
// not know is edited as a Boolean.
PropertyEditor editorFor(Setting key);

// The font settings as the font dialog sees them. Size and colour are absent
// when the settings give none, so the dialog keeps what it showed last time.
struct FontChoice {
    QString name;
    bool bold = false;
    bool italic = false;
    bool strikeOut = false;
    bool underline = false;
    std::optional<double> size;   // points
    std::optional<qint32> colour; // colour number
};

// The window's side of the editors that need a dialog of their own. Each dialog
// writes its result into the row and sets Changed itself.
class PropertyEditorHost {
public:
    virtual ~PropertyEditorHost() = default;
    virtual void editColour(int row, qint32 defaultColour) = 0;
    virtual void editFile(int row, const PropertyEditor& editor) = 0;
    // True when OK wrote the text.
    virtual bool editMultiLine(int row) = 0;
    // The font dialog loaded with the settings; nullopt when cancelled.
    virtual std::optional<FontChoice> chooseFont(const FontChoice& initial) = 0;
};

// Editing the page properties from the property list. Rows are 0-based rows of
// the (sorted) property list.
class PropertyController {
public:
    PropertyController(Document& doc, Prompter& prompter, FileController& files)
        : m_doc(doc), m_prompter(prompter), m_files(files) {}

    // Edits a row with the editor its display name calls for.
    void activate(int row, PropertyEditorHost& host);

    // Asks for a number between the inclusive bounds and stores it as typed.
    void editNumber(int row, const QString& prompt, int lower, int upper);
    // "False" -> "True" -> "False"; anything else stays as it is. Marks the document changed.
    void toggle(int row);
    // Asks for the window title and rebuilds the caption from it.
    void editTitle(int row);
    // Loads the font dialog from the settings and writes its answer back.
    void editFont(PropertyEditorHost& host);
    // The Delete key: empties Font, Font size and Icon size; true when it did.
    bool deleteKey(int row);
    // Asks, then refills the property list with the defaults; undoing it makes
    // currentRow current again.
    void reset(int currentRow = -1);

    // The font settings for the dialog; nullopt when "Font size" holds text that
    // is not a number (the dialog then cannot be prepared).
    std::optional<FontChoice> fontSettings() const;
    // Writes a font dialog answer to the seven font properties.
    void writeFont(const FontChoice& font);

    // The platform's number test: the whole text, surrounding blanks allowed, in
    // the system locale.
    static std::optional<double> parseNumber(const QString& text);
    // A font size as the property stores it ("10", "10.5").
    static QString formatFontSize(double points);

private:
    bool validRow(int row) const;
    // Sets a row's value as one step named after the property.
    void set(int row, const QString& value, bool retitle = false);
    // Turns "Show edit command" on once the document has a file, offering to save it.
    void saveCheck(int row);

    Document& m_doc;
    Prompter& m_prompter;
    FileController& m_files;
};

} // namespace ulvanta
