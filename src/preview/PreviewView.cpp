// The preview module: a browser view over a PreviewPage, made for the editor
// through the entry point it resolves by name.
#include "preview/PreviewBrowser.h"
#include "preview/PreviewPage.h"
#include "widgets/BrowserWatch.h"

#include <QCoreApplication>
#include <QWebEngineView>

namespace ulvanta {
namespace {

class PreviewView : public QWebEngineView, public PreviewBrowser {
public:
    PreviewView(QWidget* parent, const Hooks& hooks) : QWebEngineView(parent) {
        setObjectName(QStringLiteral("preview"));
        setAccessibleName(QCoreApplication::translate("PreviewView", "Page preview"));
        auto* page = new PreviewPage(this);
        setPage(page);
        connect(page, &QWebEnginePage::linkHovered, this, hooks.status);
        watchBrowserPage(page, hooks.status, hooks.loading);
    }

    QWidget* widget() override { return this; }
    void show(const QUrl& url) override { setUrl(url); }
};

} // namespace
} // namespace ulvanta

ulvanta::PreviewBrowser*
ulvanta_create_preview_browser(QWidget* parent, const ulvanta::PreviewBrowser::Hooks& hooks) {
    // The schemes must be known before the engine's first class exists.
    ulvanta::PreviewPage::registerSchemes();
    return new ulvanta::PreviewView(parent, hooks);
}
