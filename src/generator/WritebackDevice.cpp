#include "generator/WritebackDevice.h"

#include <QFileDevice>

#ifdef __linux__
#include <fcntl.h>
#endif

namespace ulvanta {

namespace {
constexpr qint64 kStep = 4 * 1024 * 1024;
} // namespace

WritebackDevice::WritebackDevice(QFileDevice& file) : m_file(file) {
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 WritebackDevice::writeData(const char* data, qint64 size) {
    const qint64 n = m_file.write(data, size);
    if (n <= 0)
        return n;
    m_written += n;
#ifdef __linux__
    // Only a hint: should the system refuse it, the flush at the end does it all.
    if (m_written - m_started >= kStep && m_file.handle() >= 0) {
        ::sync_file_range(m_file.handle(), m_started, m_written - m_started, SYNC_FILE_RANGE_WRITE);
        m_started = m_written;
    }
#endif
    return n;
}

} // namespace ulvanta
