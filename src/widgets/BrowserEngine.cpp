#include "widgets/BrowserEngine.h"

#include <QCoreApplication>
#include <QFile>
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
    // The engine shares its graphics contexts with the program's, which must be
    // asked for before the application exists even when the engine loads later.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // Lets the engine give screen readers the page; it builds what they read only
    // while the desktop's accessibility bus is in use.
    if (!qEnvironmentVariableIsSet("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY"))
        qputenv("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY", "1");
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

} // namespace ulvanta
