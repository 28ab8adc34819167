#pragma once

#include "components/PageSafety.h"

#include <QUrl>
#include <QWebEnginePage>
#include <functional>

class QWebEngineProfile;

namespace ulvanta::launcher {

// Makes "pm:" and "pmc:" links known to the browser engine so that their clicks
// reach LauncherPage::acceptNavigationRequest. They are local schemes: a page
// from the network is not even allowed to follow them. Must run before the
// QApplication is created.
void registerLinkSchemes();

// A browser profile kept in memory only (several launchers may run at once) that
// answers every request for a "pm:" or "pmc:" resource with a refusal, so an
// image or frame with such an address starts nothing.
QWebEngineProfile* createLauncherProfile(QObject* parent);

// The page shown in the launcher window. It never loads an icon or window-command
// link: it hands one to the window only when the user's own click, Enter or Space
// on that very link led to it, in the main frame of a page shown from a local
// file. Such a page leaves for the network only by the same kind of act.
class LauncherPage : public QWebEnginePage {
    Q_OBJECT
public:
    LauncherPage(QWebEngineProfile* profile, QObject* parent);

    // True, once, when the user has just acted on a link to this address on the
    // local page shown.
    bool userFollowed(const QUrl& url);

    // Acts on a link the user chose with the launcher's own keys, as on the user's
    // click on it; nothing on a page that links may not act from.
    void followFromKeys(const QUrl& url);

    // Reads console messages before they are shown: those it takes (returns true
    // for) are the launcher's own reports.
    void setReportReader(std::function<bool(const QString&)> reader) {
        m_reportReader = std::move(reader);
    }

signals:
    void iconLinkClicked(const QUrl& url);
    void windowActionClicked(const QUrl& url);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                  int line, const QString& source) override;
    // A link that asks for a new window opens in this one instead.
    QWebEnginePage* createWindow(WebWindowType type) override;

private:
    bool followOrdinaryLink(const QUrl& url, NavigationType type, bool isMainFrame, bool usersOwn);

    PageSafety::LinkActivations m_activations;
    std::function<bool(const QString&)> m_reportReader;
};

} // namespace ulvanta::launcher
