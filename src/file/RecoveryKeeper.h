#pragma once

#include "file/RecoveryStore.h"

#include <QDateTime>
#include <QObject>
#include <QTimer>
#include <memory>

namespace ulvanta {

class Document;
class Prompter;

// Keeps a recovery copy of the document while it has unsaved changes: written
// within one interval of an edit, and at most once per interval however fast the
// edits come. At start it offers the copies of editors that ended without saving.
// Does nothing until enabled.
class RecoveryKeeper : public QObject {
    Q_OBJECT
public:
    static constexpr int DefaultInterval = 5000; // ms

    explicit RecoveryKeeper(Document& doc, QObject* parent = nullptr);
    ~RecoveryKeeper() override;

    // Starts keeping copies in the folder; false, said once as a status message,
    // when the folder cannot be used.
    bool enable(const QString& folder, int intervalMs = DefaultInterval);
    bool isEnabled() const { return m_store != nullptr; }
    RecoveryStore* store() { return m_store.get(); }

    // Brings the copy up to date at once when there are unsaved changes; for an
    // editor ending on a signal.
    void writeNow();
    // The changes were saved or discarded: the copy goes.
    void drop();

    // Offers each copy left by an editor no longer running, the latest first, until
    // one is recovered into the document as its original file with the changed flag
    // set; true then. Copies answered No are deleted. When the recovered document is
    // not namedDocument (the one the command line named, if any), a status message
    // says that one was not opened.
    bool offer(Prompter& prompter, const QString& namedDocument = {});
    static QString offerText(const RecoveryCopy& copy);

signals:
    // A line for the status bar.
    void statusMessage(const QString& text);

private:
    void edited();
    void modifiedChanged(bool modified);
    void restore(const RecoveryCopy& copy);

    Document& m_doc;
    std::unique_ptr<RecoveryStore> m_store;
    QTimer m_timer;
    QDateTime m_lastChange;
    bool m_pending = false;
};

} // namespace ulvanta
