// Main window: HTML view, preview, build, run and desktop shortcut.
#include "app/PreviewPage.h"
#include "app/frmPME.h"
#include "components/KeyFile.h"
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

// What the output commands keep on the window: the icon list of the generator
// and the preview browser, made on the first visit of the Preview tab.
class OutputArea : public QObject {
public:
    explicit OutputArea(frmPME* w) : QObject(w), m_w(w) {}

    KeyFile keys;

    void tabChanged(int tab, int previous) {
        if (tab == kHtmlTab)
            m_w->rtfHTML->setPlainText(htmlViewText(m_w->doc(), keys));
        else if (tab == kPreviewTab)
            showPreview();
        if (previous == kPreviewTab && m_wb)
            m_wb->setUrl(QUrl(QStringLiteral("about:blank")));
    }

private:
    QWebEngineView* browser() {
        if (m_wb)
            return m_wb;
        m_wb = new QWebEngineView(m_w->previewPane);
        m_wb->setObjectName(QStringLiteral("WB"));
        auto* page = new PreviewPage(m_wb);
        m_wb->setPage(page);
        connect(page, &QWebEnginePage::linkHovered, m_w->lblWBStat, &QLabel::setText);
        watchBrowserPage(page, [this](const QString& text) { m_w->lblWBStat->setText(text); });
        // The browser takes the place of the stretch above the status label.
        QVBoxLayout* layout = m_w->previewLayout;
        for (int i = 0; i < layout->count(); ++i) {
            if (layout->itemAt(i)->spacerItem()) {
                delete layout->takeAt(i);
                break;
            }
        }
        layout->insertWidget(layout->indexOf(m_w->lblWBStat), m_wb, 1);
        return m_wb;
    }

    void showPreview() {
        QWebEngineView* wb = browser();
        const PreviewOutcome out = writePreviewFile(m_w->doc(), keys);
        if (out.ok) {
            m_w->lblWBStat->clear();
            wb->setUrl(QUrl::fromLocalFile(out.path));
        } else {
            m_w->lblWBStat->setText(out.message);
            wb->setUrl(QUrl(QStringLiteral("about:blank")));
        }
    }

    frmPME* m_w;
    QWebEngineView* m_wb = nullptr;
};

} // namespace

void frmPME::setupOutputCommands() {
    auto* area = new OutputArea(this);
    command(mnuFileBuild, [this, area] { BuildCommand(m_doc, *m_prompter, area->keys).run(); });
    command(mnuFileRun, [this] { RunCommand(m_doc, *m_prompter, APath).run(); });
    command(mnuFileShortcut, [this] { ShortcutWriter(m_doc, *m_prompter, APath).run(); });
    connect(this, &frmPME::tabChanged, area, &OutputArea::tabChanged);
}

} // namespace ulvanta
