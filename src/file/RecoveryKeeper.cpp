#include "file/RecoveryKeeper.h"

#include "components/Error.h"
#include "components/FileChecks.h"
#include "components/Prompter.h"
#include "edits/Document.h"

#include <QFileInfo>
#include <QLocale>

namespace ulvanta {

RecoveryKeeper::RecoveryKeeper(Document& doc, QObject* parent) : QObject(parent), m_doc(doc) {
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &RecoveryKeeper::writeNow);
}

RecoveryKeeper::~RecoveryKeeper() = default;

bool RecoveryKeeper::enable(const QString& folder, int intervalMs) {
    auto store = std::make_unique<RecoveryStore>(folder);
    if (!store->isOpen()) {
        // Short enough for the status bar; where the folder is, the help says.
        emit statusMessage(
            tr("Unsaved changes are not being kept: the recovery folder cannot be created."));
        return false;
    }
    m_store = std::move(store);
    m_timer.setInterval(intervalMs);
    connect(&m_doc, &Document::edited, this, &RecoveryKeeper::edited, Qt::UniqueConnection);
    connect(&m_doc, &Document::modifiedChanged, this, &RecoveryKeeper::modifiedChanged,
            Qt::UniqueConnection);
    return true;
}

void RecoveryKeeper::edited() {
    m_lastChange = QDateTime::currentDateTime();
    m_pending = true;
    // Not restarted by later edits: a steady stream of them still gets written.
    if (!m_timer.isActive())
        m_timer.start();
}

// Undone back to the saved state: nothing is left to recover.
void RecoveryKeeper::modifiedChanged(bool modified) {
    if (!modified)
        drop();
}

void RecoveryKeeper::writeNow() {
    m_timer.stop();
    if (!m_store || !m_doc.isModified() || (!m_pending && m_store->hasCopy()))
        return;
    try {
        m_store->write(m_doc, m_lastChange.isValid() ? m_lastChange : QDateTime::currentDateTime());
        m_pending = false;
    } catch (const Error&) {
        // A full or read-only disk: tried again after the next edit, never a message
        // in the middle of typing.
    }
}

void RecoveryKeeper::drop() {
    m_timer.stop();
    m_pending = false;
    if (m_store)
        m_store->remove();
}

QString RecoveryKeeper::offerText(const RecoveryCopy& copy) {
    const QString where = copy.originalPath.isEmpty()
                              ? tr("never saved")
                              : QLatin1Char('\'') + copy.originalPath + QLatin1Char('\'');
    return tr("The file '%1' (%2) has unsaved changes from an editor that did not "
              "end normally, last changed %3.  Do you want to recover them?")
        .arg(copy.title, where,
             QLocale().toString(copy.lastChange.toLocalTime(), QLocale::ShortFormat));
}

void RecoveryKeeper::restore(const RecoveryCopy& copy) {
    m_doc.load(copy.documentPath);
    m_doc.fileLock().release();
    m_doc.setFilePath(copy.originalPath);
    m_doc.announceName();
    m_doc.edits().markModified();
    if (!m_doc.filePath().isEmpty())
        m_doc.fileLock().take(m_doc.filePath());
}

bool RecoveryKeeper::offer(Prompter& prompter, const QString& namedDocument) {
    if (!m_store)
        return false;
    bool recovered = false;
    for (const RecoveryCopy& copy : m_store->claimOrphans()) {
        if (recovered) {
            m_store->release(copy.id); // offered on a later start
            continue;
        }
        if (prompter.message(offerText(copy), tr("Recover Unsaved Changes"), PromptIcon::Question,
                             PromptButtons::YesNo, PromptAnswer::Yes) != PromptAnswer::Yes) {
            m_store->discard(copy.id);
            continue;
        }
        const auto failed = [&](const QString& path, const Error& e) {
            prompter.message(ErrorMessages::openError(path, e), tr("Open Error"),
                             PromptIcon::Critical);
        };
        if (!copy.originalPath.isEmpty() && FileLock::isLockedElsewhere(copy.originalPath)) {
            failed(copy.originalPath, Error(Error::PermissionDenied));
            m_store->release(copy.id); // offered again once the other editor lets go
            continue;
        }
        try {
            restore(copy);
        } catch (const Error& e) {
            failed(copy.documentPath, e);
            m_store->setAside(copy.id);
            continue;
        }
        // The work is in this editor's own copy before the old one goes.
        m_lastChange = copy.lastChange;
        m_pending = true;
        writeNow();
        if (m_store->hasCopy())
            m_store->discard(copy.id);
        else
            m_store->release(copy.id);
        recovered = true;
        const QString named = FileChecks::absoluteClean(namedDocument);
        if (!named.isEmpty() && named != FileChecks::absoluteClean(m_doc.filePath()))
            emit statusMessage(
                tr("%1 was not opened: unsaved changes of another document were recovered.")
                    .arg(QFileInfo(named).fileName()));
    }
    return recovered;
}

} // namespace ulvanta
