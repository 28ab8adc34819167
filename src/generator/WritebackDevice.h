#pragma once

#include <QIODevice>

class QFileDevice;

namespace ulvanta {

// Hands what is written on to a file and has the system start putting each few
// megabytes on disk as they come. A large page is flushed before it replaces the
// old one; by then little is left to wait for.
class WritebackDevice : public QIODevice {
public:
    explicit WritebackDevice(QFileDevice& file);

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override;

private:
    QFileDevice& m_file;
    qint64 m_started = 0; // bytes whose writing to disk has been started
    qint64 m_written = 0;
};

} // namespace ulvanta
