#include "preview/PreviewPage.h"

#include "widgets/LocalPageGuard.h"

#include <QWebEngineProfile>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>

namespace ulvanta {

namespace {
// Answers every request of the launcher's schemes with a refusal. Links never get
// this far (the navigation check stops them); pictures or frames naming such an
// address do.
class InertSchemeHandler : public QWebEngineUrlSchemeHandler {
public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;
    void requestStarted(QWebEngineUrlRequestJob* job) override {
        job->fail(QWebEngineUrlRequestJob::RequestDenied);
    }
};
} // namespace

PreviewPage::PreviewPage(QObject* parent) : QWebEnginePage(parent) {
    // A scheme with a handler counts as one the browser can load, so its links
    // reach acceptNavigationRequest instead of being dropped as unknown.
    QWebEngineProfile* p = profile();
    for (const char* name : {"pm", "pmc"}) {
        if (!p->urlSchemeHandler(name))
            p->installUrlSchemeHandler(name, new InertSchemeHandler(p));
    }
    applyLocalPageSettings(settings());
    setUrlRequestInterceptor(createLocalPageInterceptor(this));
    connect(this, &QWebEnginePage::urlChanged, this, [this] { m_activations.clear(); });
    addLinkActivationScript(scripts(), m_activations);
    addCommaDisplayScript(scripts());
}

void PreviewPage::registerSchemes() {
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    for (const char* name : {"pm", "pmc"}) {
        QWebEngineUrlScheme scheme(name);
        scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
        scheme.setFlags(QWebEngineUrlScheme::LocalScheme | QWebEngineUrlScheme::LocalAccessAllowed);
        QWebEngineUrlScheme::registerScheme(scheme);
    }
}

bool PreviewPage::isLauncherLink(const QUrl& url) {
    // The first two characters of "pm:" catch both "pm:" and "pmc:".
    return url.toString().left(2) == QLatin1String("pm");
}

bool PreviewPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
    if (isLauncherLink(url)) {
        emit launcherLinkRefused(url);
        return false;
    }
    // The preview's own loads pass; the page leaves for the network only on the
    // user's own click or key on a link to there.
    if (isMainFrame && type != NavigationTypeTyped &&
        !PageSafety::mayNavigateUnasked(this->url(), url) && !m_activations.takeActivation(url))
        return false;
    return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
}

void PreviewPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level,
                                           const QString& message, int line,
                                           const QString& source) {
    if (!m_activations.takeReport(message))
        QWebEnginePage::javaScriptConsoleMessage(level, message, line, source);
}

} // namespace ulvanta
