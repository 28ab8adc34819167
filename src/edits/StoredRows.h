#pragma once

#include "components/EntryContainer.h"
#include "model/PageRows.h"

#include <array>
#include <vector>

namespace ulvanta {

// A document file's rows as the file holds them, for writing its page: every cell
// is its entry's bytes, never made into text. Neither the rows nor the file's
// directory are held: both are read again, in order, through windows on the
// file. Filled by Document::loadPage.
class StoredRows final : public PageRows {
public:
    int count() const override { return int(m_firstEntries.size()); }
    // Valid until a cell of another row is asked for. Throws Error when the file
    // can no longer be read.
    CellText cell(int row, int column) const override;

private:
    friend class Document;

    // A stretch of the file, read ahead in large pieces.
    class Window {
    public:
        explicit Window(quint32 size) : m_size(size) {}
        // The file's bytes [position, position + size), valid until the next call.
        const char* bytes(const EntryContainer& file, qint64 position, qint64 size);

    private:
        quint32 m_size;
        QByteArray m_bytes;
        qint64 m_start = 0;
    };
    // Makes `row` the current row. Throws Error.
    void readRow(int row) const;

    EntryContainer m_container;          // scanned: the open file, without its directory
    std::vector<quint32> m_firstEntries; // each row's first entry
    mutable Window m_records{64 * 1024};
    mutable Window m_contents{256 * 1024};
    // The current row: its cells' places in the file, and its bytes from `m_start`.
    mutable int m_row = -1;
    mutable std::array<EntryContainer::Record, ItemColumnCount> m_cells{};
    mutable const char* m_bytes = nullptr;
    mutable qint64 m_start = 0;
};

} // namespace ulvanta
