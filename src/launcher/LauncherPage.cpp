#include "launcher/LauncherPage.h"

#include "launcher/IconLink.h"

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
    return profile;
}

LauncherPage::LauncherPage(QWebEngineProfile* profile, QObject* parent)
    : QWebEnginePage(profile, parent) {}

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
    // The address shown now, not the one being navigated to, decides.
    if (linksMayAct(this->url(), isMainFrame)) {
        if (kind == LinkKind::Icon)
            emit iconLinkClicked(url);
        else
            emit windowCommandClicked(url);
    }
    return false;
}

QWebEnginePage* LauncherPage::createWindow(WebWindowType) {
    return new NewWindowCatcher(profile(), this);
}

} // namespace ulvanta::launcher
