#pragma once

#include <QByteArray>
#include <QString>
#include <cstring>

class QIODevice;

namespace ulvanta {

// The bytes of a page as the generator produces them. Page text is ASCII except
// where the document's own header or footer HTML holds other characters, which
// go out as UTF-8. With a device, the bytes are handed on in blocks as they
// come, so that a large page never sits in memory whole.
class PageBytes {
public:
    explicit PageBytes(QIODevice* device = nullptr) : m_device(device) { makeRoom(0); }

    // Page text that is ASCII already, such as HtmlText makes.
    PageBytes& operator<<(QByteArrayView ascii) { return append(ascii.data(), ascii.size()); }
    PageBytes& operator<<(const QByteArray& ascii) { return append(ascii.data(), ascii.size()); }
    PageBytes& operator<<(QLatin1StringView text) { return append(text.data(), text.size()); }
    PageBytes& operator<<(const QString& text) { return *this << QStringView(text); }
    PageBytes& operator<<(QStringView text);

    // Hands what is left to the device. Throws Error 61 (Disk full) when the
    // device takes fewer bytes than it is given.
    void flush();
    // Everything produced, when there is no device.
    QByteArrayView bytes() const { return QByteArrayView(m_store.constData(), m_used); }

private:
    // A page is made of many short pieces: each is copied straight into the room
    // kept at the end of the store.
    PageBytes& append(const char* data, qsizetype size) {
        if (m_store.size() - m_used < size)
            makeRoom(size);
        std::memcpy(m_end, data, size_t(size));
        m_end += size;
        m_used += size;
        return spill();
    }
    PageBytes& spill() {
        if (m_device && m_used >= kBlock)
            flush();
        return *this;
    }
    void makeRoom(qsizetype size);

    static constexpr qsizetype kBlock = 256 * 1024;
    QIODevice* m_device;
    QByteArray m_store; // its size is the room; m_used bytes of it are the page's
    qsizetype m_used = 0;
    char* m_end = nullptr; // where the next byte goes
};

} // namespace ulvanta
