#include "launcher/LauncherPage.h"

#include "launcher/IconLink.h"
#include "widgets/LocalPageGuard.h"

#include <QPointer>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>

namespace ulvanta::launcher {

namespace {

class RefusingSchemeHandler : public QWebEngineUrlSchemeHandler {
public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;
    void requestStarted(QWebEngineUrlRequestJob* job) override {
        job->fail(QWebEngineUrlRequestJob::RequestDenied);
    }
};

// Stands in for a window a link asked to open: takes the first address it is sent
// to, shows an ordinary one in the launcher window and drops itself.
class NewWindowCatcher : public QWebEnginePage {
public:
    NewWindowCatcher(QWebEngineProfile* profile, LauncherPage* owner)
        : QWebEnginePage(profile, owner), m_owner(owner) {}

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool) override {
        // Icon and window-command links never act from a new window; a page from
        // the network cannot send the window to a local file this way either, nor
        // a local page the window to the network without the user's click.
        const bool follow =
            m_owner && linkKind(url) == LinkKind::Ordinary &&
            (!url.isLocalFile() || m_owner->url().isLocalFile()) &&
            (PageSafety::mayNavigateUnasked(m_owner->url(), url) || m_owner->userFollowed(url));
        if (follow) {
            QPointer<LauncherPage> owner = m_owner;
            QMetaObject::invokeMethod(
                owner,
                [owner, url] {
                    if (owner)
                        owner->load(url);
                },
                Qt::QueuedConnection);
        }
        deleteLater();
        return false;
    }

private:
    QPointer<LauncherPage> m_owner;
};

} // namespace

void registerLinkSchemes() {
    for (const char* name : {"pm", "pmc"}) {
        QWebEngineUrlScheme scheme(name);
        scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
        scheme.setFlags(QWebEngineUrlScheme::LocalScheme);
        QWebEngineUrlScheme::registerScheme(scheme);
    }
}

QWebEngineProfile* createLauncherProfile(QObject* parent) {
    auto* profile = new QWebEngineProfile(parent);
    auto* handler = new RefusingSchemeHandler(profile);
    profile->installUrlSchemeHandler("pm", handler);
    profile->installUrlSchemeHandler("pmc", handler);
    profile->setUrlRequestInterceptor(createLocalPageInterceptor(profile));
    applyLocalPageSettings(profile->settings());
    return profile;
}

LauncherPage::LauncherPage(QWebEngineProfile* profile, QObject* parent)
    : QWebEnginePage(profile, parent) {
    // A page's scripts never ride on a click the user made on the page before. (A
    // refused navigation starts loading too, so that would forget a click too soon.)
    connect(this, &QWebEnginePage::urlChanged, this, [this] { m_activations.clear(); });
    addLinkActivationScript(scripts(), m_activations);
    addCommaDisplayScript(scripts());
}

bool LauncherPage::userFollowed(const QUrl& url) {
    return linksMayAct(this->url(), true) && m_activations.takeActivation(url);
}

void LauncherPage::followFromKeys(const QUrl& url) {
    if (!linksMayAct(this->url(), true))
        return;
    switch (linkKind(url)) {
    case LinkKind::Icon:
        emit iconLinkClicked(url);
        break;
    case LinkKind::WindowAction:
        emit windowActionClicked(url);
        break;
    case LinkKind::Ordinary:
        // The window's own load, with the commas of a hyperlink item's address.
        load(QUrl(url.toString(QUrl::FullyEncoded)
                      .replace(QLatin1String("&comma;"), QLatin1String(","))));
        break;
    }
}

void LauncherPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level,
                                            const QString& message, int line,
                                            const QString& source) {
    if (!m_activations.takeReport(message) && !(m_reportReader && m_reportReader(message)))
        QWebEnginePage::javaScriptConsoleMessage(level, message, line, source);
}

bool LauncherPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
    // The address shown now, not the one being navigated to, decides, and only the
    // user's own act on the link: a script that sets the location, clicks a link
    // itself, rewrites the one clicked or refreshes to an address acts on nothing.
    const bool usersOwn = isMainFrame && userFollowed(url);
    switch (linkKind(url)) {
    case LinkKind::Ordinary:
        return followOrdinaryLink(url, type, isMainFrame, usersOwn);
    case LinkKind::Icon:
        if (usersOwn)
            emit iconLinkClicked(url);
        return false;
    case LinkKind::WindowAction:
        if (usersOwn)
            emit windowActionClicked(url);
        return false;
    }
    return false;
}

bool LauncherPage::followOrdinaryLink(const QUrl& url, NavigationType type, bool isMainFrame,
                                      bool usersOwn) {
    if (!usersOwn) {
        // The window's own loads pass; a local page goes nowhere else by itself.
        const bool unasked = isMainFrame && type != NavigationTypeTyped &&
                             !PageSafety::mayNavigateUnasked(this->url(), url);
        return !unasked && QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
    }
    // A hyperlink item's address carries "&comma;" where the user wrote a comma.
    const QString address = url.toString(QUrl::FullyEncoded);
    if (address.contains(QLatin1String("&comma;"))) {
        const QUrl fixed(QString(address).replace(QLatin1String("&comma;"), QLatin1String(",")));
        QMetaObject::invokeMethod(
            this, [this, fixed] { load(fixed); }, Qt::QueuedConnection);
        return false;
    }
    return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
}

QWebEnginePage* LauncherPage::createWindow(WebWindowType) {
    return new NewWindowCatcher(profile(), this);
}

} // namespace ulvanta::launcher
