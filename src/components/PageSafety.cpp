#include "components/PageSafety.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <algorithm>

namespace ulvanta::PageSafety {

namespace {

// Long enough for the browser to turn the user's click into a navigation on a busy
// machine; a report is used once in any case.
constexpr qint64 ActivationLifetime = 2000;
// Reports the page can have waiting at most: only the user's own acts make them.
constexpr size_t MaxWaiting = 16;

bool holdsOwnContent(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return scheme == QLatin1String("data") || scheme == QLatin1String("blob") ||
           scheme == QLatin1String("about");
}

QString folderOf(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absolutePath());
}

// The page's own folder or its icon folder, the one named after the page.
bool besideThePage(const QUrl& pageUrl, const QUrl& requestUrl) {
    const QFileInfo page(pageUrl.toLocalFile());
    const QString folder = folderOf(page.absoluteFilePath());
    const QString requestFolder = folderOf(requestUrl.toLocalFile());
    if (requestFolder == folder)
        return true;
    return !page.suffix().isEmpty() &&
           requestFolder == QDir::cleanPath(folder + QLatin1Char('/') + page.completeBaseName());
}

QString addressOf(const QUrl& url) {
    return url.toString(QUrl::FullyEncoded);
}

// Reports each user act on a link in the page as a console message. It runs in a
// script world of its own, where the page's scripts can neither see the secret nor
// replace what it calls, and trusts only events the browser made from real input.
const char ReportScript[] = R"((function () {
  var report = '@PREFIX@', down = null, downHref = null;
  function linkOf(e) {
    var path = e.composedPath();
    for (var i = 0; i < path.length; ++i) {
      var n = path[i];
      if ((n instanceof HTMLAnchorElement || n instanceof HTMLAreaElement) &&
          n.hasAttribute('href'))
        return n;
    }
    return null;
  }
  function keepCommand(a) {
    var href = a.getAttribute('href'), m = /^(\s*pmc?:)\/\//i.exec(href);
    if (m) a.setAttribute('href', m[1] + '%2F%2F' + href.slice(m[0].length));
  }
  function acted(a) {
    keepCommand(a);
    console.log(report + a.href);
  }
  window.addEventListener('mousedown', function (e) {
    down = e.isTrusted && e.button === 0 ? linkOf(e) : null;
    downHref = down ? down.href : null;
  }, true);
  window.addEventListener('click', function (e) {
    var a = linkOf(e);
    if (e.isTrusted && e.detail > 0 && a && a === down && a.href === downHref) acted(a);
    down = null;
  }, true);
  window.addEventListener('keydown', function (e) {
    var a = linkOf(e);
    if (!e.isTrusted || e.repeat || !a || (e.key !== 'Enter' && e.key !== ' ')) return;
    acted(a);
    // Space follows a link as Enter does, instead of scrolling the page.
    if (e.key === ' ') { e.preventDefault(); a.click(); }
  }, true);
})();)";

} // namespace

bool isLocalFile(const QUrl& url) {
    if (!url.isValid() || !url.isLocalFile())
        return false;
    // "file://server/..." names a file on another machine.
    const QString host = url.host();
    return host.isEmpty() || host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0;
}

bool mayLoad(const QUrl& pageUrl, const QUrl& requestUrl, Resource kind) {
    if (!isLocalFile(pageUrl) || kind == Resource::MainFrame || holdsOwnContent(requestUrl))
        return true;
    if (!isLocalFile(requestUrl))
        return false;
    switch (kind) {
    case Resource::Image:
    case Resource::StyleSheet:
        return true;
    case Resource::Frame: {
        // The page's scripts can read what its frames show: other pages only.
        const QString suffix = QFileInfo(requestUrl.toLocalFile()).suffix().toLower();
        return besideThePage(pageUrl, requestUrl) &&
               (suffix == QLatin1String("htm") || suffix == QLatin1String("html"));
    }
    case Resource::Embedded:
        return besideThePage(pageUrl, requestUrl);
    default:
        return false;
    }
}

bool mayNavigateUnasked(const QUrl& pageUrl, const QUrl& url) {
    return !isLocalFile(pageUrl) || isLocalFile(url) ||
           url.scheme().compare(QLatin1String("about"), Qt::CaseInsensitive) == 0;
}

LinkActivations::LinkActivations() {
    QRandomGenerator* random = QRandomGenerator::system();
    m_prefix = QStringLiteral("ulvanta-link %1%2 ")
                   .arg(random->generate64(), 16, 16, QLatin1Char('0'))
                   .arg(random->generate64(), 16, 16, QLatin1Char('0'));
}

QString LinkActivations::script() const {
    return QString::fromLatin1(ReportScript).replace(QLatin1String("@PREFIX@"), m_prefix);
}

bool LinkActivations::takeReport(const QString& message) {
    if (!message.startsWith(m_prefix))
        return false;
    if (m_recent.size() >= MaxWaiting)
        m_recent.erase(m_recent.begin());
    m_recent.push_back({addressOf(QUrl(message.mid(m_prefix.size()))), {}});
    m_recent.back().age.start();
    return true;
}

bool LinkActivations::takeActivation(const QUrl& url) {
    std::erase_if(m_recent,
                  [](const Activation& a) { return a.age.elapsed() > ActivationLifetime; });
    const QString address = addressOf(url);
    const auto it = std::find_if(m_recent.begin(), m_recent.end(),
                                 [&](const Activation& a) { return a.address == address; });
    if (it == m_recent.end())
        return false;
    m_recent.erase(it);
    return true;
}

} // namespace ulvanta::PageSafety
