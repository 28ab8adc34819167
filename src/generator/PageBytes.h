#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

namespace ulvanta {

// The bytes of a page as the generator produces them. Page text is ASCII except
// where the document's own header or footer HTML holds other characters, which
// go out as UTF-8. With a device, the bytes are handed on in blocks as they
// come, so that a large page never sits in memory whole.
class PageBytes {
public:
    explicit PageBytes(QIODevice* device = nullptr) : m_device(device) {}

    PageBytes& operator<<(QLatin1StringView text) {
        m_bytes.append(text.data(), text.size());
        return spill();
    }
    PageBytes& operator<<(const QString& text) { return *this << QStringView(text); }
    PageBytes& operator<<(QStringView text);

    // Hands what is left to the device. Throws Error 61 (Disk full) when the
    // device takes fewer bytes than it is given.
    void flush();
    // Everything produced, when there is no device.
    const QByteArray& bytes() const { return m_bytes; }

private:
    PageBytes& spill() {
        if (m_device && m_bytes.size() >= kBlock)
            flush();
        return *this;
    }

    static constexpr qsizetype kBlock = 256 * 1024;
    QIODevice* m_device;
    QByteArray m_bytes;
};

} // namespace ulvanta
