#pragma once

#include "components/Prompter.h"
#include "file/RecoveryKeeper.h"

#include <QCoreApplication>

namespace ulvanta {

class Document;
class RecentFiles;

// New, Open, Save, Save As, the change guard, the start-up document and the
// close sequence: every question they ask goes through the prompter.
class FileController {
public:
    FileController(Document& doc, Prompter& prompter)
        : m_doc(doc), m_prompter(prompter), m_recovery(doc) {}

    static QString fileFilter() {
        return QCoreApplication::translate("FileController",
                                           "Ulvanta File (*.pmf)|*.pmf|All files (*.*)|*.*");
    }

    // True when the current document may be discarded (saving it first if asked).
    bool mayDiscard();
    void newDocument();
    void open();
    void save();
    void saveAs();
    // Opens a document named by the program (the recent files), asking about
    // unsaved changes first. True when it was opened.
    bool openPath(const QString& path);

    // Documents opened or saved from now on are added to this list (none: not kept).
    void setRecentFiles(RecentFiles* recent) { m_recent = recent; }

    // Start-up: first the unsaved work of editors that did not end normally is
    // offered; unless some is recovered, the whole command line with its double
    // quotes removed names the document, opened when a file exists there. A failure
    // shows "Open Error" and continues with a new document.
    void openAtStartup(const QString& commandLine);

    // The close sequence: the change guard (true when the window may close, its
    // hold then released), then the preview file removed either way. Without ask
    // the document is left unsaved and the window always closes.
    bool close(const QString& previewFile, bool ask = true);

    // The recovery copy of unsaved work; kept once enabled, removed when the changes
    // are saved or discarded.
    RecoveryKeeper& recovery() { return m_recovery; }

private:
    // Opens a document, reporting a failure as "Open Error"; true on success.
    bool openReporting(const QString& path);
    void remember(const QString& path);

    Document& m_doc;
    Prompter& m_prompter;
    RecentFiles* m_recent = nullptr;
    RecoveryKeeper m_recovery;
};

} // namespace ulvanta
