// Main window: find and replace, column swap, import, help.
#include "app/frmPME.h"

#include "components/ProgramFiles.h"
#include "components/ProgramInfo.h"
#include "components/Prompter.h"
#include "components/Toolkit.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmHelp.h"
#include "dialogs/frmImport.h"
#include "dialogs/frmReplace.h"
#include "dialogs/frmSwap.h"
#include "document/ImportCommand.h"

#include <QAction>
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

void frmPME::setupToolCommands() {
    command(mnuEditReplace, [this] {
        tabMain->setCurrentIndex(0);
        if (auto* open = openWindow<frmReplace>(this)) {
            bringForward(open);
            return;
        }
        auto* dlg = new frmReplace(m_doc, this);
        // Every change of tab closes it: the list it works on may be out of sight.
        connect(this, &frmPME::tabChanged, dlg, &QWidget::close);
        connect(dlg, &frmReplace::replaced, this, &frmPME::Checkmenus);
        bringForward(dlg);
    });

    command(mnuEditSwap, [this] {
        tabMain->setCurrentIndex(0);
        frmSwap dlg(m_doc, this);
        if (dlg.exec() == QDialog::Accepted)
            Checkmenus(); // a Description swapped in may begin a section
    });

    command(mnuFileImport, [this] {
        ImportCommand import(m_doc, prompter());
        frmImport dlg(import, this);
        connect(&dlg, &frmImport::imported, this, &frmPME::Checkmenus);
        dlg.exec();
    });

    mnuHelpContents->setShortcut(QKeySequence(Qt::Key_F1));
    command(mnuHelpContents, [this] {
        const QString index = ProgramFiles::helpFolder(APath) + QStringLiteral("index.html");
        if (!Toolkit::FileExists(index)) {
            prompter().message(QStringLiteral("Could not find the help file '") + index +
                                   QStringLiteral("'."),
                               QStringLiteral("Help"), PromptIcon::Exclamation);
            return;
        }
        frmHelp* help = openWindow<frmHelp>(this);
        if (!help) {
            help = new frmHelp(this);
            help->setAttribute(Qt::WA_DeleteOnClose);
            help->showPage(index);
        }
        bringForward(help);
    });

    command(mnuHelpFeedback, [this] {
        if (!QDesktopServices::openUrl(QUrl(ProgramInfo::feedbackLink())))
            prompter().message(QStringLiteral("No mail program could be started. Please send "
                                              "your feedback to ") +
                                   ProgramInfo::feedbackAddress() + QLatin1Char('.'),
                               QStringLiteral("Send feedback"), PromptIcon::Information);
    });

    command(mnuHelpAbout, [this] {
        frmAbout dlg(this);
        dlg.exec();
    });
}

} // namespace ulvanta
