#pragma once

#include <QElapsedTimer>
#include <QUrl>
#include <QWebEnginePage>

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
// link: it hands a click on one to the window, and only when the click comes from
// the main frame of a page shown from a local file and the user has just clicked
// or pressed a key in the view.
class LauncherPage : public QWebEnginePage {
    Q_OBJECT
public:
    LauncherPage(QWebEngineProfile* profile, QObject* parent);

    // The user pressed a mouse button or a key in the view showing the page.
    void noteUserInput();

signals:
    void iconLinkClicked(const QUrl& url);
    void windowActionClicked(const QUrl& url);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    // A link that asks for a new window opens in this one instead.
    QWebEnginePage* createWindow(WebWindowType type) override;

private:
    bool userJustActed() const;

    QElapsedTimer m_lastInput;
};

} // namespace ulvanta::launcher
