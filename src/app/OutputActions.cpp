#include "app/OutputActions.h"

#include "app/PreviewLoader.h"
#include "generator/BuildController.h"
#include "generator/PreviewFile.h"
#include "generator/RunController.h"
#include "generator/ShortcutWriter.h"
#include "widgets/EndSignals.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace ulvanta {

namespace {
constexpr int kHtmlTab = 2;
constexpr int kPreviewTab = 3;
} // namespace

OutputActions::OutputActions(Document& doc, Prompter& prompter, const QString& programFolder,
                             QPlainTextEdit* htmlView, QVBoxLayout* previewLayout,
                             QLabel* previewStatus, QObject* parent)
    : QObject(parent), m_doc(doc), m_prompter(prompter), m_programFolder(programFolder),
      m_htmlView(htmlView), m_previewLayout(previewLayout), m_previewStatus(previewStatus) {}

void OutputActions::build() {
    BuildController command(m_doc, m_prompter);
    if (command.run())
        emit statusMessage(command.builtText());
}

void OutputActions::run() {
    RunController(m_doc, m_prompter, m_programFolder).run();
}

void OutputActions::createShortcut() {
    ShortcutWriter(m_doc, m_prompter, m_programFolder).run();
}

void OutputActions::tabChanged(int tab, int previousTab) {
    if (tab == kHtmlTab)
        m_htmlView->setPlainText(htmlViewText(m_doc));
    else if (tab == kPreviewTab)
        showPreview();
    if (previousTab == kPreviewTab && m_browser)
        m_browser->show(QUrl(QStringLiteral("about:blank")));
}

PreviewBrowser* OutputActions::browser() {
    if (m_browser)
        return m_browser;
    const PreviewBrowser::Hooks hooks{
        [this](const QString& text) { m_previewStatus->setText(text); }, &EndSignals::reinstall};
    QString why;
    m_browser = loadPreviewBrowser(m_programFolder, m_previewLayout->parentWidget(), hooks, why);
    if (!m_browser) {
        m_previewStatus->setText(why);
        return nullptr;
    }
    // The browser takes the place of the stretch above the status label.
    for (int i = 0; i < m_previewLayout->count(); ++i) {
        if (m_previewLayout->itemAt(i)->spacerItem()) {
            delete m_previewLayout->takeAt(i);
            break;
        }
    }
    m_previewLayout->insertWidget(m_previewLayout->indexOf(m_previewStatus), m_browser->widget(),
                                  1);
    return m_browser;
}

void OutputActions::showPreview() {
    PreviewBrowser* view = browser();
    if (!view)
        return;
    const PreviewOutcome out = writePreviewFile(m_doc, m_previewFolder);
    if (out.ok) {
        m_previewStatus->clear();
        view->show(QUrl::fromLocalFile(out.path));
    } else {
        m_previewStatus->setText(out.message);
        view->show(QUrl(QStringLiteral("about:blank")));
    }
}

} // namespace ulvanta
