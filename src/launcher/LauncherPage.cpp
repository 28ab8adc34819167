#include "launcher/LauncherPage.h"

#include "launcher/IconLink.h"

#include <QPointer>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>
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

// A local page shows what is on this machine only: pictures, frames, scripts or
// styles from the network are not loaded into it. A page from the network is
// free to load its own.
class LocalOnlyInterceptor : public QWebEngineUrlRequestInterceptor {
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    void interceptRequest(QWebEngineUrlRequestInfo& info) override {
        const bool local = info.firstPartyUrl().isLocalFile();
        if (local && info.resourceType() != QWebEngineUrlRequestInfo::ResourceTypeMainFrame &&
            !info.requestUrl().isLocalFile() && linkKind(info.requestUrl()) == LinkKind::Ordinary)
            info.block(true);
    }
};

// Stands in for a window a link asked to open: takes the first address it is sent
// to, shows an ordinary one in the launcher window and drops itself.
class NewWindowCatcher : public QWebEnginePage {
public:
    NewWindowCatcher(QWebEngineProfile* profile, QWebEnginePage* owner)
        : QWebEnginePage(profile, owner), m_owner(owner) {}

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool) override {
        // Icon and window-command links never act from a new window; a page from
        // the network cannot send the window to a local file this way either.
        const bool follow = m_owner && linkKind(url) == LinkKind::Ordinary &&
                            (!url.isLocalFile() || m_owner->url().isLocalFile());
        if (follow) {
            QPointer<QWebEnginePage> owner = m_owner;
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
    QPointer<QWebEnginePage> m_owner;
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
    profile->setUrlRequestInterceptor(new LocalOnlyInterceptor(profile));
    QWebEngineSettings* s = profile->settings();
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    s->setAttribute(QWebEngineSettings::AllowRunningInsecureContent, false);
    s->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    s->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, false);
    s->setAttribute(QWebEngineSettings::AllowWindowActivationFromJavaScript, false);
    s->setAttribute(QWebEngineSettings::AllowGeolocationOnInsecureOrigins, false);
    s->setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture, true);
    s->setAttribute(QWebEngineSettings::WebRTCPublicInterfacesOnly, true);
    return profile;
}

LauncherPage::LauncherPage(QWebEngineProfile* profile, QObject* parent)
    : QWebEnginePage(profile, parent) {
    // A page's scripts never ride on a click the user made on the page before.
    connect(this, &QWebEnginePage::loadStarted, this, [this] { m_lastInput.invalidate(); });

    // The browser hands a link over as an address, in which a command that starts
    // with "//" would read as a host name and be rewritten (lower case, IDN).
    // Just before a click follows such a link, its slashes are escaped; the
    // link's reader turns them back. The script runs apart from the page's own.
    QWebEngineScript keepCommand;
    keepCommand.setName(QStringLiteral("keep-command-text"));
    keepCommand.setWorldId(QWebEngineScript::ApplicationWorld);
    keepCommand.setInjectionPoint(QWebEngineScript::DocumentCreation);
    keepCommand.setRunsOnSubFrames(false);
    keepCommand.setSourceCode(QStringLiteral(R"(
window.addEventListener('click', function (e) {
  var a = e.target instanceof Element ? e.target.closest('a[href]') : null;
  var href = a ? a.getAttribute('href') : '';
  var m = /^(\s*pmc?:)\/\//i.exec(href);
  if (m) a.setAttribute('href', m[1] + '%2F%2F' + href.slice(m[0].length));
}, true);)"));
    scripts().insert(keepCommand);
}

void LauncherPage::noteUserInput() {
    m_lastInput.start();
}

bool LauncherPage::userJustActed() const {
    // Long enough for the browser to turn a click into a navigation on a busy
    // machine, too short for a page's timer to pass for the user.
    constexpr qint64 Window = 2000;
    return m_lastInput.isValid() && m_lastInput.elapsed() < Window;
}

bool LauncherPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
    const LinkKind kind = linkKind(url);
    if (kind == LinkKind::Ordinary) {
        // A hyperlink item's address carries "&comma;" where the user wrote a comma.
        const QString address = url.toString(QUrl::FullyEncoded);
        if (address.contains(QLatin1String("&comma;")) && linksMayAct(this->url(), isMainFrame)) {
            const QUrl fixed(
                QString(address).replace(QLatin1String("&comma;"), QLatin1String(",")));
            QMetaObject::invokeMethod(
                this, [this, fixed] { load(fixed); }, Qt::QueuedConnection);
            return false;
        }
        return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
    }
    // The address shown now, not the one being navigated to, decides. Only the
    // user's own click or key on a link acts: a script that sets the location,
    // clicks a link itself or refreshes to such an address starts nothing.
    if (linksMayAct(this->url(), isMainFrame) && type == NavigationTypeLinkClicked &&
        userJustActed()) {
        if (kind == LinkKind::Icon)
            emit iconLinkClicked(url);
        else
            emit windowActionClicked(url);
    }
    return false;
}

QWebEnginePage* LauncherPage::createWindow(WebWindowType) {
    return new NewWindowCatcher(profile(), this);
}

} // namespace ulvanta::launcher
