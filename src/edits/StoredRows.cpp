#include "edits/StoredRows.h"

#include <algorithm>

namespace ulvanta {

namespace {
// Bytes read at a time: rows are asked for in order, many to a read.
constexpr quint32 kWindow = 256 * 1024;
} // namespace

CellText StoredRows::cell(int row, int column) const {
    const quint32 first = m_firstEntries[size_t(row)];
    const quint32 last = first + ItemColumnCount - 1;
    // The whole row comes into the window, so that its cells stay valid together.
    const quint32 start = m_container.entryPosition(first);
    const quint32 end = m_container.entryPosition(last) + m_container.entryLength(last);
    if (start < m_windowStart || end > m_windowStart + quint32(m_window.size()))
        fill(start, end);
    const quint32 entry = first + quint32(column);
    return CellText::fromUtf8(
        QByteArrayView(m_window.constData() + (m_container.entryPosition(entry) - m_windowStart),
                       m_container.entryLength(entry)));
}

void StoredRows::fill(quint32 position, quint32 end) const {
    m_window.resize(0);
    m_windowStart = position;
    m_container.readSpan(position, std::max(kWindow, end - position), end - position, m_window);
}

} // namespace ulvanta
