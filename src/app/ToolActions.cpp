#include "app/ToolActions.h"

#include "commands/ImportController.h"
#include "components/FileChecks.h"
#include "components/ProgramFiles.h"
#include "components/ProgramInfo.h"
#include "components/Prompter.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/HelpWindow.h"
#include "dialogs/ImportDialog.h"
#include "dialogs/ReplaceDialog.h"
#include "dialogs/SwapColumnsDialog.h"

#include <QDesktopServices>
#include <QTabWidget>
#include <QUrl>

namespace ulvanta {

namespace {
// The open window of a kind, if any (a closed one may wait to be deleted).
template <typename W> W* openWindow(QObject* owner) {
    const auto windows = owner->findChildren<W*>(QString(), Qt::FindDirectChildrenOnly);
    for (W* w : windows) {
        if (w->isVisible())
            return w;
    }
    return nullptr;
}

void bringForward(QWidget* w) {
    w->show();
    w->raise();
    w->activateWindow();
}
} // namespace

ToolActions::ToolActions(Document& doc, Prompter& prompter, const QString& programFolder,
                         QTabWidget* tabs, QWidget* window)
    : QObject(window), m_doc(doc), m_prompter(prompter), m_programFolder(programFolder),
      m_tabs(tabs), m_window(window) {}

void ToolActions::replace() {
    m_tabs->setCurrentIndex(0);
    if (auto* open = openWindow<ReplaceDialog>(m_window)) {
        bringForward(open);
        return;
    }
    auto* dlg = new ReplaceDialog(m_doc, m_window);
    // Every change of tab closes it: the list it works on may be out of sight.
    connect(m_tabs, &QTabWidget::currentChanged, dlg, &QWidget::close);
    connect(dlg, &ReplaceDialog::replaced, this, &ToolActions::listChanged);
    bringForward(dlg);
}

void ToolActions::swapColumns() {
    m_tabs->setCurrentIndex(0);
    SwapColumnsDialog dlg(m_doc, m_window);
    if (dlg.exec() == QDialog::Accepted)
        emit listChanged(); // a Description swapped in may begin a section
}

void ToolActions::importItems() {
    ImportController import(m_doc, m_prompter);
    ImportDialog dlg(import, m_window);
    connect(&dlg, &ImportDialog::imported, this, &ToolActions::listChanged);
    dlg.exec();
}

void ToolActions::showHelp() {
    const QString index = ProgramFiles::helpFolder(m_programFolder) + QStringLiteral("index.html");
    if (!FileChecks::fileExists(index)) {
        m_prompter.message(tr("Could not find the help file '%1'.").arg(index), tr("Help"),
                           PromptIcon::Exclamation);
        return;
    }
    HelpWindow* help = openWindow<HelpWindow>(m_window);
    if (!help) {
        help = new HelpWindow(m_window);
        help->setAttribute(Qt::WA_DeleteOnClose);
        help->showPage(index);
    }
    bringForward(help);
}

void ToolActions::sendFeedback() {
    if (!QDesktopServices::openUrl(QUrl(ProgramInfo::feedbackLink())))
        m_prompter.message(tr("No mail program could be started. Please send your feedback "
                              "to %1.")
                               .arg(ProgramInfo::feedbackAddress()),
                           tr("Send feedback"), PromptIcon::Information);
}

void ToolActions::showAbout() {
    AboutDialog dlg(m_window);
    dlg.exec();
}

} // namespace ulvanta
