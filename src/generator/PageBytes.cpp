#include "generator/PageBytes.h"

#include "components/Error.h"

#include <QIODevice>
#include <algorithm>

namespace ulvanta {

PageBytes& PageBytes::operator<<(QStringView text) {
    // Plain ASCII goes over byte for byte; the rare text with other characters
    // goes out as UTF-8.
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; })) {
        if (m_store.size() - m_used < text.size())
            makeRoom(text.size());
        for (const QChar c : text)
            *m_end++ = char(c.unicode());
        m_used += text.size();
        return spill();
    }
    const QByteArray utf8 = text.toUtf8();
    return append(utf8.constData(), utf8.size());
}

void PageBytes::makeRoom(qsizetype size) {
    m_store.resize(std::max(m_used + size, std::max(2 * m_store.size(), kBlock + kBlock / 4)));
    m_end = m_store.data() + m_used;
}

void PageBytes::flush() {
    if (!m_device || m_used == 0)
        return;
    if (m_device->write(m_store.constData(), m_used) != m_used)
        throw Error(Error::DiskFull);
    // Keeps the room for the next bytes.
    m_used = 0;
    m_end = m_store.data();
}

} // namespace ulvanta
