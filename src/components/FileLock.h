#pragma once

#include <QString>

namespace ulvanta {

// The hold on the open document's file: kept open with an exclusive lock while it
// is the current file, so a second editor cannot open or overwrite it.
class FileLock {
public:
    FileLock() = default;
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Takes the hold; returns false when the file cannot be opened or is locked.
    bool take(const QString& path);
    void release();
    bool isHeld() const { return m_fd >= 0; }
    const QString& path() const { return m_path; }

    // True when another holder has the file locked (never for a missing file).
    static bool isLockedElsewhere(const QString& path);

private:
    int m_fd = -1;
    QString m_path;
};

} // namespace ulvanta
