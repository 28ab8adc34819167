#include "widgets/BrowserEngine.h"

#include "widgets/EndSignals.h"

#include <QCoreApplication>
#include <QFile>
#include <QWebEnginePage>
#include <cstdio>
#include <unistd.h>

namespace ulvanta {

namespace {

bool sandboxAlreadyOff() {
    const QByteArray off = qgetenv("QTWEBENGINE_DISABLE_SANDBOX");
    return (!off.isEmpty() && off != "0") ||
           qgetenv("QTWEBENGINE_CHROMIUM_FLAGS").contains("--no-sandbox");
}

bool userNamespacesOff() {
    for (const char* path :
         {"/proc/sys/user/max_user_namespaces", "/proc/sys/kernel/unprivileged_userns_clone"}) {
        QFile f(QString::fromLatin1(path));
        if (f.open(QIODevice::ReadOnly) && f.readAll().trimmed() == "0")
            return true;
    }
    return false;
}

} // namespace

void prepareBrowserEngine() {
    if (sandboxAlreadyOff())
        return;
    const char* why = nullptr;
    if (geteuid() == 0)
        why = "running as root";
    else if (userNamespacesOff())
        why = "this system has no user namespaces";
    if (!why)
        return;
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    std::fprintf(stderr, "The browser engine runs without its sandbox: %s.\n", why);
    std::fflush(stderr);
}

void watchBrowserPage(QWebEnginePage* page, std::function<void(const QString&)> report) {
    EndSignals::reinstall();
    QObject::connect(page, &QWebEnginePage::loadStarted, page, &EndSignals::reinstall);
    QObject::connect(page, &QWebEnginePage::loadFinished, page, &EndSignals::reinstall);
    QObject::connect(page, &QWebEnginePage::renderProcessTerminated, page,
                     [report](QWebEnginePage::RenderProcessTerminationStatus status, int code) {
                         if (status == QWebEnginePage::NormalTerminationStatus)
                             return;
                         report(QCoreApplication::translate(
                                    "BrowserEngine",
                                    "The page cannot be shown: the browser engine stopped "
                                    "(exit code %1).")
                                    .arg(code));
                     });
}

} // namespace ulvanta
