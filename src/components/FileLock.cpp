#include "components/FileLock.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace ulvanta {

FileLock::~FileLock() {
    release();
}

bool FileLock::take(const QString& path) {
    release();
#ifdef Q_OS_UNIX
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    m_path = path;
    return true;
#else
    Q_UNUSED(path);
    return false;
#endif
}

void FileLock::release() {
#ifdef Q_OS_UNIX
    if (m_fd >= 0) {
        ::flock(m_fd, LOCK_UN);
        ::close(m_fd);
    }
#endif
    m_fd = -1;
    m_path.clear();
}

bool FileLock::isLockedElsewhere(const QString& path) {
#ifdef Q_OS_UNIX
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool locked = ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return locked;
#else
    Q_UNUSED(path);
    return false;
#endif
}

} // namespace ulvanta
