#pragma once

#include <QByteArrayView>
#include <QString>
#include <cstring>

namespace ulvanta {

// The text of one cell as its holder keeps it: UTF-16 in the editor's list, or the
// UTF-8 bytes of a document file, which stand for what QString::fromUtf8 makes of
// them. A large file's page is written from its bytes without making text first.
class CellText {
public:
    CellText(QStringView text) : m_text(text) {}
    static CellText fromUtf8(QByteArrayView bytes) {
        CellText t{QStringView()};
        t.m_bytes = bytes;
        t.m_isUtf8 = true;
        return t;
    }

    bool isUtf8() const { return m_isUtf8; }
    QStringView utf16() const { return m_text; }
    QByteArrayView utf8() const { return m_bytes; }

    QString toString() const { return m_isUtf8 ? QString::fromUtf8(m_bytes) : m_text.toString(); }
    bool isEmpty() const {
        // Three bytes may be a lone byte order mark, which reads as nothing.
        return m_isUtf8 ? m_bytes.isEmpty() || (m_bytes.size() <= 3 && toString().isEmpty())
                        : m_text.isEmpty();
    }
    // Whether the text begins with an ASCII prefix.
    bool startsWith(QLatin1StringView prefix) const {
        if (!m_isUtf8)
            return m_text.startsWith(prefix);
        // A leading byte order mark is not part of the text.
        if (!m_bytes.isEmpty() && m_bytes.front() == '\xef')
            return toString().startsWith(prefix);
        return m_bytes.size() >= prefix.size() &&
               std::memcmp(m_bytes.data(), prefix.data(), size_t(prefix.size())) == 0;
    }

private:
    QStringView m_text;
    QByteArrayView m_bytes;
    bool m_isUtf8 = false;
};

} // namespace ulvanta
