#pragma once

#include "components/EntryContainer.h"
#include "model/PageRows.h"

#include <vector>

namespace ulvanta {

// A document file's rows as the file holds them, for writing its page: every cell
// is its entry's bytes, never made into text. The rows are read in order through
// a window on the file, so a large file is never held whole. Filled by
// Document::loadPage.
class StoredRows final : public PageRows {
public:
    int count() const override { return int(m_firstEntries.size()); }
    // Valid until a cell of another row is asked for. Throws Error when the file
    // can no longer be read.
    CellText cell(int row, int column) const override;

private:
    friend class Document;
    // Brings the bytes from `position` up to `end` into the window.
    void fill(quint32 position, quint32 end) const;

    EntryContainer m_container;
    std::vector<quint32> m_firstEntries; // each row's first entry
    mutable QByteArray m_window;         // the file's bytes from m_windowStart on
    mutable quint32 m_windowStart = 0;
};

} // namespace ulvanta
