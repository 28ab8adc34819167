#pragma once

#include "model/RowSpan.h"
#include <QAbstractTableModel>
#include <QIcon>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>
#include <vector>

class QItemSelectionModel;

namespace ulvanta {

// Columns of a row of the item list.
enum ItemColumn : int {
    ColDescription = 0,
    ColCommand = 1,
    ColParameters = 2,
    ColStartIn = 3,
    ColIcon = 4,
    ColRun = 5,
    ColComments = 6,
    ItemColumnCount = 7,
};

using ItemRow = std::array<QString, ItemColumnCount>;

// The texts of the Run column, in order; index 0 is the default and index 6
// ("Hyperlink") opens a linked page in the same launcher window.
const QStringList& runStyles();
constexpr int HyperlinkRunStyle = 6;

// The item list (m_itemList): icon rows and section rows in page order, seven text
// columns each, in one contiguous container. Row indices here are 0-based. Each
// row keeps its seven texts in one string, which holds a large list in about a
// third of the memory seven strings a row take.
class ItemList : public QAbstractTableModel {
    Q_OBJECT
public:
    // A row's cells back to back in one text, as a document file stores them: cell
    // c is the next size[c] characters.
    struct RowText {
        QString text;
        std::array<quint32, ItemColumnCount> size{};
    };

    explicit ItemList(QObject* parent = nullptr);

    // A section row shows its name and its settings in words (Display, ToolTip and
    // AccessibleText roles) and edits its row text; these give the two parts.
    enum Role : int {
        SectionNameRole = Qt::UserRole + 1,
        SectionSettingsRole,
    };

    static QString header(int column);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // The in-place edit of a Description. A new text beginning with "SECTION:" is
    // refused (the row keeps its old text): no icon becomes a section by typing.
    // A new text goes to the description editor, or straight into the cell without one.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    // Who writes an in-place edit (the document, so that it can be undone).
    void setDescriptionEditor(std::function<void(int row, const QString& text)> editor) {
        m_descriptionEditor = std::move(editor);
    }
    // Where an icon row's picture comes from (its Description's Decoration role).
    // Asked only for the rows a view shows, so it may look at files.
    using PictureSource = std::function<QVariant(const ItemList& items, int row)>;
    void setPictureSource(PictureSource source) { m_pictureSource = std::move(source); }

    // --- drag and drop ---
    // Rows dragged within the list, and what other programs drag: files, folders and
    // web addresses.
    Qt::DropActions supportedDropActions() const override;
    Qt::DropActions supportedDragActions() const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    // Hands the data to the drop handler with the row it goes before: the row
    // dropped on, the gap dropped in, or the end below the last row.
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;
    // The list's owner decides what a drop does, so that it becomes one undo step;
    // true when the list changed. Without a handler nothing can be dropped.
    using DropHandler = std::function<bool(const QMimeData& data, int position)>;
    void setDropHandler(DropHandler handler) { m_dropHandler = std::move(handler); }
    // The rows dragged out of this list; nullopt for data from anywhere else.
    std::optional<QList<int>> draggedRows(const QMimeData& data) const;

    // --- notes on cells ---
    // What is wrong with a cell, asked as the list is drawn: a cell with a note shows
    // the marker and adds the note to its tooltip. The Description column keeps its
    // own picture, so the marker goes on the cell at fault.
    using CellNotes = std::function<QString(int row, int column)>;
    void setCellNotes(CellNotes notes, const QIcon& marker);
    // Redraws the markers after the notes changed.
    void notesChanged();
    QString note(int row, int column) const { return m_notes ? m_notes(row, column) : QString(); }

    // The rows as they are now, to be read on another thread while the list is
    // edited: taking it copies no text, as the texts stay shared until changed.
    class Snapshot;
    Snapshot snapshot() const;

    int count() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.empty(); }
    ItemRow row(int i) const;
    QString cell(int i, int column) const;
    // The text of a cell without a copy, valid until the row changes.
    QStringView cellView(int i, int column) const;
    bool isSection(int i) const;

    void setCell(int i, int column, const QString& text);
    void setRow(int i, const ItemRow& r);
    void insertItem(int position, const ItemRow& r);
    void appendItems(std::vector<ItemRow> rows);
    // The same for rows read whole: their text is kept as it is, not copied.
    void appendItems(std::vector<RowText> rows);
    // Rows inserted at position, or the count rows from first removed, in one move of
    // the rows after them and one report to the views.
    void insertItems(int position, std::vector<ItemRow> rows);
    void removeItems(int first, int count);
    void clear();
    // Rows [first, last] become rows [middle, last] followed by [first, middle - 1]:
    // one rotation, whatever the sizes of the two blocks.
    void rotate(int first, int middle, int last);
    // The rows of `spans` taken out and put back together, in their order, before
    // row `to` (of the list as it was), in one pass and one report to the views;
    // ungather with the same arguments puts them back.
    void gather(const RowSpans& spans, int to);
    void ungather(const RowSpans& spans, int to);
    // Applies f(row) to every row and reports the changed range once. The texts f
    // sees lie in the list itself: f must not keep them after it returns.
    template <typename F> void updateAll(F f) { updateEach(std::function<void(ItemRow&)>(f)); }

    // The number of icon rows in the section that holds the row.
    int iconsInSection(int row) const;

private:
    QByteArray dragSource() const;
    QVariant sectionData(int row, int column, int role) const;

    // A row's cells in one text: cell c is size[c] characters from start[c].
    // Cells may share text or leave some unused after a bulk edit.
    struct PackedRow {
        QString text;
        std::array<quint32, ItemColumnCount> start{};
        std::array<quint32, ItemColumnCount> size{};
        QStringView view(size_t c) const {
            return QStringView(text.constData() + start[c], size[c]);
        }
    };
    static PackedRow pack(const ItemRow& r);
    void appendPacked(std::vector<PackedRow> rows);
    void updateEach(const std::function<void(ItemRow&)>& f);
    // Row i becomes the row that was at from[i].
    void permute(const std::vector<int>& from);

public:
    class Snapshot {
    public:
        int count() const { return int(m_rows.size()); }
        QStringView cell(int i, int column) const { return m_rows[size_t(i)].view(size_t(column)); }

    private:
        friend class ItemList;
        std::vector<PackedRow> m_rows;
    };

private:
    std::vector<PackedRow> m_rows;
    DropHandler m_dropHandler;
    std::function<void(int row, const QString& text)> m_descriptionEditor;
    PictureSource m_pictureSource;
    CellNotes m_notes;
    QIcon m_noteMarker;
};

// Reduces the selection to the current row.
void selectOnlyCurrent(QItemSelectionModel* selection);

} // namespace ulvanta
