#include "generator/PageBytes.h"

#include "components/Error.h"

#include <QIODevice>
#include <algorithm>

namespace ulvanta {

PageBytes& PageBytes::operator<<(QStringView text) {
    // Copied as ASCII in one pass; the rare text with other characters is then
    // written again as UTF-8 over the copy.
    const qsizetype at = m_bytes.size();
    m_bytes.resize(at + text.size());
    char* out = m_bytes.data() + at;
    char16_t seen = 0;
    for (const QChar c : text) {
        seen |= c.unicode();
        *out++ = char(c.unicode());
    }
    if (seen >= 0x80) {
        m_bytes.resize(at);
        m_bytes += text.toUtf8();
    }
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
