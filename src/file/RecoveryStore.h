#pragma once

#include "components/FileLock.h"

#include <QDateTime>
#include <QString>
#include <map>
#include <memory>
#include <vector>

namespace ulvanta {

class Document;

// A copy of unsaved work left in the recovery folder.
struct RecoveryCopy {
    QString id;
    QString documentPath; // the copy itself, a document file
    QString originalPath; // where the document came from; empty if it was never saved
    QString title;
    QDateTime lastChange;
    qint64 pid = 0; // the editor that wrote it
};

// The folder of recovery copies, one per running editor: ID.pmf (the document as
// Save writes it), ID.info (where it came from) and ID.lock. Each editor holds an
// exclusive lock on its own ID.lock for its whole life, so a copy whose lock can be
// taken was left by an editor that is no longer running; a pid alone could have
// been reused by another process.
class RecoveryStore {
public:
    // The recovery folder in the user's data folder.
    static QString defaultFolder();

    // Creates the folder and takes this editor's lock; isOpen() tells whether it could.
    explicit RecoveryStore(const QString& folder);
    // Releases every lock. This editor's copy stays unless it was removed: an editor
    // ending on a signal leaves it for the next start.
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;

    bool isOpen() const { return m_lock.isHeld(); }
    const QString& folder() const { return m_folder; }
    const QString& id() const { return m_id; }
    bool hasCopy() const { return m_hasCopy; }

    // Writes the document as this editor's copy, each file atomically. Throws Error.
    void write(const Document& doc, const QDateTime& lastChange);
    void remove();

    // Claims the copies of editors no longer running, the latest change first. Their
    // locks stay held until each is released, discarded or set aside, so no other
    // editor offers them meanwhile. Copies whose document cannot be read are set
    // aside; those set aside more than 30 days ago are removed.
    std::vector<RecoveryCopy> claimOrphans();
    // Gives a claimed copy back untouched, to be offered again later.
    void release(const QString& id);
    void discard(const QString& id);
    // Renames the copy's files with ".bad" added, so it is never offered again.
    void setAside(const QString& id);

private:
    QString filePath(const QString& id, const char* suffix) const;
    bool lock(const QString& id, FileLock& hold) const;
    bool read(const QString& id, RecoveryCopy& copy) const;
    void removeExpired() const;
    void removeFiles(const QString& id) const;

    QString m_folder;
    QString m_id;
    FileLock m_lock;
    bool m_hasCopy = false;
    std::map<QString, std::unique_ptr<FileLock>> m_claims;
};

} // namespace ulvanta
