#include "app/OutputActions.h"

#include "app/PreviewPage.h"
#include "generator/BuildCommand.h"
#include "generator/PreviewFile.h"
#include "generator/RunCommand.h"
#include "generator/ShortcutWriter.h"
#include "widgets/BrowserEngine.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <QWebEngineView>

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
    BuildCommand(m_doc, m_prompter, m_iconList).run();
}

void OutputActions::run() {
    RunCommand(m_doc, m_prompter, m_programFolder).run();
}

void OutputActions::createShortcut() {
    ShortcutWriter(m_doc, m_prompter, m_programFolder).run();
}

void OutputActions::tabChanged(int tab, int previousTab) {
    if (tab == kHtmlTab)
        m_htmlView->setPlainText(htmlViewText(m_doc, m_iconList));
    else if (tab == kPreviewTab)
        showPreview();
    if (previousTab == kPreviewTab && m_browser)
        m_browser->setUrl(QUrl(QStringLiteral("about:blank")));
}

QWebEngineView* OutputActions::browser() {
    if (m_browser)
        return m_browser;
    m_browser = new QWebEngineView(m_previewLayout->parentWidget());
    m_browser->setObjectName(QStringLiteral("preview"));
    auto* page = new PreviewPage(m_browser);
    m_browser->setPage(page);
    connect(page, &QWebEnginePage::linkHovered, m_previewStatus, &QLabel::setText);
    watchBrowserPage(page, [this](const QString& text) { m_previewStatus->setText(text); });
    // The browser takes the place of the stretch above the status label.
    for (int i = 0; i < m_previewLayout->count(); ++i) {
        if (m_previewLayout->itemAt(i)->spacerItem()) {
            delete m_previewLayout->takeAt(i);
            break;
        }
    }
    m_previewLayout->insertWidget(m_previewLayout->indexOf(m_previewStatus), m_browser, 1);
    return m_browser;
}

void OutputActions::showPreview() {
    QWebEngineView* view = browser();
    const PreviewOutcome out = writePreviewFile(m_doc, m_iconList);
    if (out.ok) {
        m_previewStatus->clear();
        view->setUrl(QUrl::fromLocalFile(out.path));
    } else {
        m_previewStatus->setText(out.message);
        view->setUrl(QUrl(QStringLiteral("about:blank")));
    }
}

} // namespace ulvanta
