#include "widgets/LocalPageGuard.h"

#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>

namespace ulvanta {

namespace {

using Info = QWebEngineUrlRequestInfo;
using PageSafety::Resource;

Resource resourceOf(Info::ResourceType type) {
    switch (type) {
    case Info::ResourceTypeMainFrame:
        return Resource::MainFrame;
    case Info::ResourceTypeSubFrame:
        return Resource::Frame;
    case Info::ResourceTypeImage:
    case Info::ResourceTypeFavicon:
        return Resource::Image;
    case Info::ResourceTypeStylesheet:
        return Resource::StyleSheet;
    case Info::ResourceTypeScript:
    case Info::ResourceTypeFontResource:
    case Info::ResourceTypeMedia:
    case Info::ResourceTypeObject:
    case Info::ResourceTypeSubResource:
        return Resource::Embedded;
    case Info::ResourceTypeWebSocket:
        return Resource::WebSocket;
    default: // requests a script makes, workers, pings, prefetches, reports
        return Resource::ScriptFetch;
    }
}

// Runs once the page is read, apart from the page's own scripts.
const char CommaScript[] = R"((function () {
  var c = '&comma;';
  function fixed(text) { return text.split(c).join(','); }
  var walk = document.createTreeWalker(document.documentElement, NodeFilter.SHOW_TEXT), n;
  while ((n = walk.nextNode()))
    if (n.data.indexOf(c) >= 0) n.data = fixed(n.data);
  document.querySelectorAll('[title], [alt]').forEach(function (e) {
    ['title', 'alt'].forEach(function (name) {
      var v = e.getAttribute(name);
      if (v && v.indexOf(c) >= 0) e.setAttribute(name, fixed(v));
    });
  });
  if (document.title.indexOf(c) >= 0) document.title = fixed(document.title);
})();)";

class LocalPageInterceptor : public QWebEngineUrlRequestInterceptor {
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    void interceptRequest(QWebEngineUrlRequestInfo& info) override {
        if (!PageSafety::mayLoad(info.firstPartyUrl(), info.requestUrl(),
                                 resourceOf(info.resourceType())))
            info.block(true);
    }
};

} // namespace

void applyLocalPageSettings(QWebEngineSettings* s) {
    // Without it the engine shows no local picture; what a local page's scripts
    // may fetch is left to the request interceptor.
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    s->setAttribute(QWebEngineSettings::AllowRunningInsecureContent, false);
    s->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    s->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, false);
    s->setAttribute(QWebEngineSettings::JavascriptCanPaste, false);
    s->setAttribute(QWebEngineSettings::AllowWindowActivationFromJavaScript, false);
    s->setAttribute(QWebEngineSettings::AllowGeolocationOnInsecureOrigins, false);
    s->setAttribute(QWebEngineSettings::HyperlinkAuditingEnabled, false);
    s->setAttribute(QWebEngineSettings::DnsPrefetchEnabled, false);
    s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    s->setAttribute(QWebEngineSettings::ScreenCaptureEnabled, false);
    s->setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture, true);
    s->setAttribute(QWebEngineSettings::WebRTCPublicInterfacesOnly, true);
}

QWebEngineUrlRequestInterceptor* createLocalPageInterceptor(QObject* parent) {
    return new LocalPageInterceptor(parent);
}

void addLinkActivationScript(QWebEngineScriptCollection& scripts,
                             const PageSafety::LinkActivations& activations) {
    QWebEngineScript script;
    script.setName(QStringLiteral("link-activations"));
    script.setWorldId(QWebEngineScript::ApplicationWorld);
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setRunsOnSubFrames(false);
    script.setSourceCode(activations.script());
    scripts.insert(script);
}

void addCommaDisplayScript(QWebEngineScriptCollection& scripts) {
    QWebEngineScript script;
    script.setName(QStringLiteral("comma-display"));
    script.setWorldId(QWebEngineScript::ApplicationWorld);
    script.setInjectionPoint(QWebEngineScript::DocumentReady);
    script.setRunsOnSubFrames(true);
    script.setSourceCode(QString::fromLatin1(CommaScript));
    scripts.insert(script);
}

} // namespace ulvanta
