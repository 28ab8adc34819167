#pragma once

#include "components/EntryContainer.h"
#include "components/FileLock.h"
#include "edits/EditHistory.h"
#include "model/ItemList.h"
#include "model/PropertyList.h"
#include "model/PropertyTable.h"

#include <QObject>
#include <functional>

class QMimeData;

namespace ulvanta {

class StoredRows;

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

    // The full Header HTML and Footer HTML texts (the property list shows previews).
    const QString& headerHtml() const { return m_headerHtml; }
    void setHeaderHtml(const QString& html) { m_headerHtml = html; }
    const QString& footerHtml() const { return m_footerHtml; }
    void setFooterHtml(const QString& html) { m_footerHtml = html; }
    // Empty for a document never saved.
    const QString& filePath() const { return m_filePath; }
    void setFilePath(const QString& path) { m_filePath = path; }
    // Whether the document differs from its file: kept by the edit history.
    bool isModified() const { return m_edits.isModified(); }
    // The number of the next untitled document ("New File N").
    int nextNewNumber() const { return m_nextNewNumber; }
    void setNextNewNumber(int number) { m_nextNewNumber = number; }
    // The hold on the current file.
    FileLock& fileLock() { return m_fileLock; }

    // --- undo and redo ---
    // Every edit of rows, properties and Header/Footer HTML goes through here.
    EditHistory& edits() { return m_edits; }
    QUndoStack& undoStack() { return m_edits.stack(); }
    // New starts without history, unchanged.
    void clearHistory() {
        m_edits.clear();
        m_edits.markSaved();
    }

    // --- rows from elsewhere ---
    // What is dropped before row `position` (the row count for the end): rows dragged
    // within the list move there; files, folders and web addresses become icon rows.
    // One undo step; false when the list stays as it was. Ends with rowsPlaced.
    bool drop(const QMimeData& data, int position);
    // Inserts rows at position as one undo step named stepName, then rowsPlaced.
    void insertRows(const QString& stepName, int position, std::vector<ItemRow> rows,
                    const QString& status = {});

    // --- properties ---
    // The default of property number 1..36; the title's names the next untitled document.
    QString defaultSetting(int number) const;
    // Fills the property list with the defaults and empties Header/Footer HTML.
    void resetProperties();
    // The value of a setting, exactly as stored. Header/Footer HTML come back whole.
    QString setting(Setting key) const;
    // The value as the page writes it: passed through HtmlText::encode, except
    // Header/Footer HTML, which come back whole and unconverted.
    QString htmlSetting(Setting key) const;
    // Sets a setting; Header/Footer HTML keep the full text and show a preview.
    void setSetting(Setting key, const QString& value);
    // The property list's view of a long text: whole below 50 characters, else the
    // first 50 followed by "...".
    static QString htmlPreview(const QString& text);
    // What the property list shows for a value that setSetting stores.
    static QString shownSetting(Setting key, const QString& value);

    // --- files ---
    // Reads a document file and makes it current and unchanged, without history.
    // Throws Error; rows and properties read before the error stay, and the changed
    // flag as it was.
    void load(const QString& path);
    // Reads a document file's settings and takes its name, leaving its rows in
    // `rows` as the file holds them, for writing its page; the list stays empty and
    // the file is not held. Throws Error as load does.
    void loadPage(const QString& path, StoredRows& rows);
    // Appends the item rows of a document file, ignoring everything else in it.
    // Throws Error; rows read before the error stay.
    void importItems(const QString& path);
    // Writes the document (7 entries per row, then the 36 properties) atomically
    // and makes the file current, the document unchanged. Throws Error; nothing
    // changes on failure.
    void save(const QString& path);
    // Writes the same bytes as save without making the file current or touching
    // the lock. Throws Error.
    void writeFile(const QString& path) const;

    // "TITLE (PATH) - Ulvanta Editor", or "TITLE - Ulvanta Editor" while untitled:
    // what the window shows as its title.
    QString caption() const;
    // Tells the views that the title or the file naming the document changed.
    void announceName() { emit nameChanged(); }
    // Asks the views to recompute which commands are enabled.
    void requestActionUpdate() { emit actionUpdateRequested(); }
    // Tells the views that a new or opened document took the place of the last one.
    void announceReplaced() { emit replaced(); }

signals:
    void nameChanged();
    void actionUpdateRequested();
    void replaced();
    void propertiesRefilled();
    // An undo or redo changed the document; the window shows place's tab and
    // selects as place says.
    void editReplayed(const ulvanta::EditPlace& place);
    // Rows were dropped or added: the window selects as place says and shows status
    // (why some of a drop was not added), or clears it when status is empty.
    void rowsPlaced(const ulvanta::EditPlace& place, const QString& status);
    // Rows or properties changed (also on New and Open, which refill them).
    void edited();
    // The document became changed, or unchanged: saved, or undone or redone back to
    // where it was saved.
    void modifiedChanged(bool modified);
    // An edit was too large for the undo history to keep; status says so.
    void stepTooLarge(const QString& status);

private:
    void read(const QString& path, bool importing);
    // What takes the entries of a file, in order: with `settings`, the properties
    // (in table order) become the document's; the first entry of every row goes to
    // row(). It throws Error.
    std::function<void(const EntryContainer::Record&)>
    entryReader(const EntryContainer& pack, const QString& path, bool settings,
                std::function<void(quint32 first)> row);
    void retakeHold();

    ItemList m_items;
    PropertyList m_props;
    QString m_headerHtml;
    QString m_footerHtml;
    QString m_filePath;
    int m_nextNewNumber = 1;
    FileLock m_fileLock;
    EditHistory m_edits; // after the lists its steps change
};

} // namespace ulvanta
