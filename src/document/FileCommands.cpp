#include "document/FileCommands.h"

#include "components/PackFile.h"
#include "components/RecentFiles.h"
#include "components/UlvError.h"
#include "document/Document.h"

#include <QFile>

namespace ulvanta {

namespace {
const QString kAppTitle = QStringLiteral("Ulvanta Editor");

} // namespace

bool FileCommands::ChangeFile() {
    if (!m_doc.Changed)
        return true;
    QString text = QStringLiteral("The file '") + m_doc.ReadProp(QStringLiteral("Title"), true) +
                   QStringLiteral("' ");
    if (!m_doc.CurFile.isEmpty())
        text += QStringLiteral("('") + m_doc.CurFile + QStringLiteral("')");
    text += QStringLiteral(" has changed.  Do you want to save the changes?");
    switch (m_prompter.message(text, kAppTitle, PromptIcon::Question, PromptButtons::YesNoCancel,
                               PromptAnswer::Yes)) {
    case PromptAnswer::Yes:
        Save();
        return !m_doc.Changed;
    case PromptAnswer::No:
        return true;
    default:
        return false;
    }
}

void FileCommands::New() {
    if (!ChangeFile())
        return;
    ++m_doc.NextNew;
    m_doc.setUntitledCaption();
    m_doc.CO.release();
    m_doc.HeaderHTML.clear();
    m_doc.FooterHTML.clear();
    m_doc.CurFile.clear();
    m_doc.requestTab(0);
    m_doc.Propulate();
    m_doc.items().clear();
    m_doc.requestCheckmenus();
    m_doc.Changed = false;
    m_recovery.drop();
}

bool FileCommands::openReporting(const QString& path) {
    try {
        BusyPointer busy(m_prompter);
        m_doc.OpenFile(path, false);
        remember(path);
        return true;
    } catch (const UlvError& e) {
        m_prompter.message(ErrorText::openError(path, e), QStringLiteral("Open Error"),
                           PromptIcon::Critical);
        return false;
    }
}

void FileCommands::Open() {
    if (!ChangeFile())
        return;
    const auto path = m_prompter.chooseFile(
        {QStringLiteral("Open an Ulvanta File"), fileFilter(), QString(), false});
    if (!path)
        return;
    if (openReporting(*path)) {
        m_doc.Changed = false;
        m_recovery.drop();
    }
}

void FileCommands::Save() {
    if (PackFile::FileExists(m_doc.CurFile)) {
        try {
            BusyPointer busy(m_prompter);
            m_doc.SaveFile(m_doc.CurFile);
            remember(m_doc.CurFile);
            m_recovery.drop();
            return;
        } catch (const UlvError& e) {
            // Said first, then Save As lets the user choose another place.
            m_prompter.message(ErrorText::saveError(m_doc.CurFile, e), QStringLiteral("Save Error"),
                               PromptIcon::Critical);
        }
    }
    SaveAs();
}

void FileCommands::SaveAs() {
    const auto path = m_prompter.chooseFile(
        {QStringLiteral("Save the Ulvanta File"), fileFilter(), QString(), true});
    if (!path)
        return;
    try {
        BusyPointer busy(m_prompter);
        m_doc.SaveFile(*path);
        remember(*path);
        m_recovery.drop();
    } catch (const UlvError& e) {
        m_prompter.message(ErrorText::saveError(*path, e), QStringLiteral("Save Error"),
                           PromptIcon::Critical);
    }
}

bool FileCommands::openPath(const QString& path) {
    if (!ChangeFile() || !openReporting(path))
        return false;
    m_doc.Changed = false;
    return true;
}

void FileCommands::remember(const QString& path) {
    if (m_recent)
        m_recent->add(path);
}

void FileCommands::openAtStartup(const QString& commandLine) {
    if (m_recovery.offer(m_prompter))
        return;
    QString path = commandLine;
    path.remove(QLatin1Char('"'));
    if (!PackFile::FileExists(path))
        return;
    if (openReporting(path))
        return;
    New();
}

bool FileCommands::close(const QString& previewFile, bool ask) {
    const bool ok = !ask || ChangeFile();
    if (ok) {
        // Ending without asking (a signal) keeps unsaved changes in the recovery copy.
        if (!ask && m_doc.Changed)
            m_recovery.writeNow();
        else
            m_recovery.drop();
        m_doc.CO.release();
    }
    if (PackFile::FileExists(previewFile))
        QFile::remove(previewFile);
    return ok;
}

} // namespace ulvanta
