#pragma once

#include "components/PageSafety.h"

#include <QWebEnginePage>

namespace ulvanta {

// The preview's web page. The page's icon links ("pm:") and window commands
// ("pmc:") belong to the launcher: clicking them in the preview does nothing.
// Every other link navigates inside the preview; the page's own scripts read no
// local file and take the preview to the network only on the user's own click.
class PreviewPage : public QWebEnginePage {
    Q_OBJECT
public:
    explicit PreviewPage(QObject* parent = nullptr);

    // Makes the launcher's schemes known to the browser engine, so that their
    // links reach the navigation check. Must run before the QApplication exists.
    static void registerSchemes();

    // True for an address the preview refuses to follow.
    static bool isLauncherLink(const QUrl& url);

signals:
    void launcherLinkRefused(const QUrl& url);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                  int line, const QString& source) override;

private:
    PageSafety::LinkActivations m_activations;
};

} // namespace ulvanta
