#include "generator/PageBytes.h"

#include "components/Error.h"

#include <QIODevice>
#include <algorithm>

namespace ulvanta {

PageBytes& PageBytes::operator<<(QStringView text) {
    const bool ascii =
        std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
    if (!ascii) {
        m_bytes += text.toUtf8();
        return spill();
    }
    const qsizetype at = m_bytes.size();
    m_bytes.resize(at + text.size());
    char* out = m_bytes.data() + at;
    for (const QChar c : text)
        *out++ = char(c.unicode());
    return spill();
}

void PageBytes::flush() {
    if (!m_device || m_bytes.isEmpty())
        return;
    if (m_device->write(m_bytes) != m_bytes.size())
        throw Error(Error::DiskFull);
    // Keeps the block's memory for the next bytes.
    m_bytes.resize(0);
}

} // namespace ulvanta
