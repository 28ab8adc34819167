#pragma once

#include "document/EditHistory.h"
#include "document/FileHold.h"
#include "document/ItemList.h"
#include "document/PropertyList.h"

#include <QObject>

namespace ulvanta {

// The open document and the state the editor keeps about it: the item list, the
// property list, the full Header/Footer HTML, the current file, the changed flag
// and the number of the next untitled document. Owned by the main window.
class Document : public QObject {
    Q_OBJECT
public:
    explicit Document(QObject* parent = nullptr);

    ItemList& items() { return m_items; }
    const ItemList& items() const { return m_items; }
    PropertyList& props() { return m_props; }
    const PropertyList& props() const { return m_props; }

    QString HeaderHTML;
    QString FooterHTML;
    QString CurFile; // empty for a document never saved
    bool Changed = false;
    int NextNew = 1;
    FileHold CO; // the hold on CurFile

    // --- undo and redo ---
    // Every edit of rows, properties and Header/Footer HTML goes through here.
    EditHistory& edits() { return m_edits; }
    QUndoStack& undoStack() { return m_edits.stack(); }
    // New and Open start without history.
    void clearHistory() { m_edits.clear(); }

    // --- properties ---
    // Property number 1..36: 1 display name, 2 default, 3 key; anything else empty.
    QString GetProp(int pos, int subItem) const;
    // Fills the property list with the defaults and empties Header/Footer HTML.
    void Propulate();
    // The value of a property by display name; with noConv false it has passed
    // through EncodeText. Header/Footer HTML come back whole and unconverted.
    QString ReadProp(const QString& propName, bool noConv = false) const;
    // Sets a property; Header/Footer HTML keep the full text and show a preview.
    void WriteProp(const QString& propName, const QString& value);
    // The property list's view of a long text: whole below 50 characters, else the
    // first 50 followed by "...".
    static QString htmlPreview(const QString& text);

    // --- files ---
    // Reads a document file. With imprt true its item rows are appended and
    // everything else in it is ignored. Throws UlvError; rows and properties read
    // before the error stay.
    void OpenFile(const QString& path, bool imprt);
    // Writes the document (7 entries per row, then the 36 properties) atomically
    // and makes the file current. Throws UlvError; nothing changes on failure.
    void SaveFile(const QString& path);
    // Writes the same bytes as SaveFile without making the file current or touching
    // the hold. Throws UlvError.
    void writeFile(const QString& path) const;

    // --- the window's view of the document ---
    const QString& caption() const { return m_caption; }
    void setCaption(const QString& caption);
    // "TITLE (PATH) - Ulvanta Editor", or "TITLE - Ulvanta Editor" while untitled.
    void setTitledCaption(const QString& title);
    // "New File N - Ulvanta Editor".
    void setUntitledCaption();
    // Asks the window to recompute which commands are enabled.
    void requestCheckmenus() { emit checkmenusRequested(); }
    // Asks the window to show a tab (0 Icons, 1 Properties, 2 HTML, 3 Preview).
    void requestTab(int tab) { emit tabRequested(tab); }

signals:
    void captionChanged(const QString& caption);
    void checkmenusRequested();
    void tabRequested(int tab);
    void propertiesRefilled();
    // An undo or redo changed the document; the window selects as `place` says
    // (the tab is already requested).
    void editReplayed(const ulvanta::EditPlace& place);
    // Rows or properties changed (also on New and Open, which refill them).
    void edited();

private:
    void retakeHold();

    ItemList m_items;
    PropertyList m_props;
    QString m_caption;
    EditHistory m_edits; // after the lists its steps change
};

} // namespace ulvanta
