#include "edits/StoredRows.h"

#include "components/Error.h"

#include <algorithm>
#include <limits>

namespace ulvanta {

const char* StoredRows::Window::bytes(const EntryContainer& file, qint64 position, qint64 size) {
    if (position < m_start || position + size > m_start + m_bytes.size()) {
        if (position < 0 || size < 0 || position + size > std::numeric_limits<quint32>::max())
            throw Error(Error::PathFileAccess);
        m_bytes.resize(0);
        file.readSpan(quint32(position), std::max(m_size, quint32(size)), quint32(size), m_bytes);
        m_start = position;
    }
    return m_bytes.constData() + (position - m_start);
}

CellText StoredRows::cell(int row, int column) const {
    if (row != m_row)
        readRow(row);
    const EntryContainer::Record& r = m_cells[size_t(column)];
    return CellText::fromUtf8(QByteArrayView(m_bytes + (r.position - m_start), r.length));
}

void StoredRows::readRow(int row) const {
    m_row = -1;
    const quint32 first = m_firstEntries[size_t(row)];
    const char* records = m_records.bytes(m_container, EntryContainer::recordPosition(first),
                                          EntryContainer::RecordSize * ItemColumnCount);
    // The file was checked as it was scanned; a file changed in place since then
    // still cannot make a cell reach outside the bytes read for its row.
    qint64 start = std::numeric_limits<qint64>::max(), end = 0;
    for (quint32 c = 0; c < ItemColumnCount; ++c) {
        m_cells[c] = EntryContainer::record(first + c, records + EntryContainer::RecordSize * c);
        start = std::min<qint64>(start, m_cells[c].position);
        end = std::max(end, qint64(m_cells[c].position) + m_cells[c].length);
    }
    m_bytes = m_contents.bytes(m_container, start, end - start);
    m_start = start;
    m_row = row;
}

} // namespace ulvanta
