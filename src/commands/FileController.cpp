#include "commands/FileController.h"

#include "components/EntryContainer.h"
#include "components/Error.h"
#include "components/FileChecks.h"
#include "components/RecentFiles.h"
#include "edits/Document.h"

#include <QCoreApplication>
#include <QFile>

namespace ulvanta {

namespace {
const QString kDocumentSuffix = QStringLiteral("pmf");

} // namespace

bool FileController::mayDiscard() {
    if (!m_doc.isModified())
        return true;
    const QString text =
        m_doc.filePath().isEmpty()
            ? QCoreApplication::translate(
                  "FileController", "The file '%1'  has changed.  Do you want to save the changes?")
                  .arg(m_doc.setting(Setting::Title))
            : QCoreApplication::translate(
                  "FileController",
                  "The file '%1' ('%2') has changed.  Do you want to save the changes?")
                  .arg(m_doc.setting(Setting::Title), m_doc.filePath());
    switch (
        m_prompter.message(text, QCoreApplication::translate("FileController", "Ulvanta Editor"),
                           PromptIcon::Question, PromptButtons::YesNoCancel, PromptAnswer::Yes)) {
    case PromptAnswer::Yes:
        save();
        return !m_doc.isModified();
    case PromptAnswer::No:
        return true;
    default:
        return false;
    }
}

void FileController::newDocument() {
    if (!mayDiscard())
        return;
    m_doc.setNextNewNumber(m_doc.nextNewNumber() + 1);
    m_doc.fileLock().release();
    m_doc.setHeaderHtml({});
    m_doc.setFooterHtml({});
    m_doc.setFilePath({});
    m_doc.announceReplaced();
    m_doc.resetProperties();
    m_doc.announceName();
    m_doc.items().clear();
    m_doc.clearHistory();
    m_doc.requestActionUpdate();
    m_recovery.drop();
}

bool FileController::openReporting(const QString& path) {
    try {
        BusyPointer busy(m_prompter);
        // Kept absolute, so that a copy recovered in another folder saves back here.
        const QString file = FileChecks::absoluteClean(path);
        m_doc.load(file);
        remember(file);
        return true;
    } catch (const Error& e) {
        m_prompter.message(ErrorMessages::openError(path, e),
                           QCoreApplication::translate("FileController", "Open Error"),
                           PromptIcon::Critical);
        return false;
    }
}

void FileController::open() {
    if (!mayDiscard())
        return;
    const auto path = m_prompter.chooseFile(
        {QCoreApplication::translate("FileController", "Open an Ulvanta File"), fileFilter(),
         QString(), false, QString()});
    if (!path)
        return;
    if (openReporting(*path))
        m_recovery.drop();
}

void FileController::save() {
    if (FileChecks::fileExists(m_doc.filePath())) {
        try {
            BusyPointer busy(m_prompter);
            m_doc.save(m_doc.filePath());
            remember(m_doc.filePath());
            m_recovery.drop();
            return;
        } catch (const Error& e) {
            // Said first, then Save As lets the user choose another place.
            m_prompter.message(ErrorMessages::saveError(m_doc.filePath(), e),
                               QCoreApplication::translate("FileController", "Save Error"),
                               PromptIcon::Critical);
        }
    }
    saveAs();
}

void FileController::saveAs() {
    const auto chosen = m_prompter.chooseFile(
        {QCoreApplication::translate("FileController", "Save the Ulvanta File"), fileFilter(),
         QString(), true, kDocumentSuffix});
    if (!chosen)
        return;
    const QString path = FileChecks::absoluteClean(withDefaultSuffix(*chosen, kDocumentSuffix));
    try {
        BusyPointer busy(m_prompter);
        m_doc.save(path);
        remember(path);
        m_recovery.drop();
    } catch (const Error& e) {
        m_prompter.message(ErrorMessages::saveError(path, e),
                           QCoreApplication::translate("FileController", "Save Error"),
                           PromptIcon::Critical);
    }
}

bool FileController::openPath(const QString& path) {
    if (!mayDiscard() || !openReporting(path))
        return false;
    m_recovery.drop();
    return true;
}

void FileController::remember(const QString& path) {
    if (m_recent)
        m_recent->add(path);
}

void FileController::openAtStartup(const QString& commandLine) {
    QString path = commandLine;
    path.remove(QLatin1Char('"'));
    if (m_recovery.offer(m_prompter, FileChecks::fileExists(path) ? path : QString()))
        return;
    if (!FileChecks::fileExists(path))
        return;
    if (openReporting(path))
        return;
    newDocument();
}

bool FileController::close(const QString& previewFile, bool ask) {
    const bool ok = !ask || mayDiscard();
    if (ok) {
        // Ending without asking (a signal) keeps unsaved changes in the recovery copy.
        if (!ask && m_doc.isModified())
            m_recovery.writeNow();
        else
            m_recovery.drop();
        m_doc.fileLock().release();
    }
    if (FileChecks::fileExists(previewFile))
        QFile::remove(previewFile);
    return ok;
}

} // namespace ulvanta
