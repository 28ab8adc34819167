#include "components/Error.h"
#include "components/ProgramInfo.h"
#include "components/Translations.h"
#include "launcher/LaunchOptions.h"
#include "launcher/LauncherPage.h"
#include "launcher/LauncherPrompter.h"
#include "launcher/LauncherWindow.h"
#include "launcher/LoadedPage.h"
#include "widgets/BrowserEngine.h"
#include "widgets/EndSignals.h"

#include <QApplication>
#include <QFileInfo>
#include <cstdio>
#include <optional>

using namespace ulvanta;
using namespace ulvanta::launcher;

namespace {

void print(FILE* to, const QString& text) {
    std::fputs(qUtf8Printable(text), to);
    std::fflush(to);
}

bool hasDisplay() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (!qEnvironmentVariableIsEmpty(name))
            return true;
    return false;
}

// Without a display no window can open: the page's own problem, if it has one,
// is the more useful message.
int reportNoDisplay(const QString& path) {
    if (!path.isEmpty()) {
        try {
            loadPage(path);
        } catch (const Error& e) {
            print(stderr, QCoreApplication::translate("Launcher", "Open Error: %1\n")
                              .arg(ErrorMessages::openError(path, e)));
            return 1;
        }
    }
    print(stderr,
          QCoreApplication::translate("Launcher", "There is no display to show the page on.\n"));
    return 1;
}

} // namespace

int main(int argc, char* argv[]) {
    const QString name = QFileInfo(QString::fromLocal8Bit(argv[0])).fileName();
    QStringList raw;
    for (int i = 1; i < argc; ++i)
        raw << QString::fromLocal8Bit(argv[i]);
    LaunchOptions early = parseLaunchOptions(raw);
    // What is answered without a window still speaks the user's language.
    std::optional<QCoreApplication> console;
    if (early.action != LaunchOptions::Action::Show || !hasDisplay()) {
        console.emplace(argc, argv);
        installTranslations();
        early = parseLaunchOptions(raw);
    }
    switch (early.action) {
    case LaunchOptions::Action::Help:
        print(stdout, launcherUsage(name));
        return 0;
    case LaunchOptions::Action::Version:
        print(stdout, QStringLiteral("%1 %2\n").arg(name, ulvanta::ProgramInfo::version()));
        return 0;
    case LaunchOptions::Action::Bad:
        print(stderr, QCoreApplication::translate("Launcher", "%1: %2\nTry '%1 --help'.\n")
                          .arg(name, early.problem));
        return 2;
    case LaunchOptions::Action::Show:
        break;
    }
    if (!hasDisplay())
        return reportNoDisplay(early.pagePath);

    prepareBrowserEngine();
    // The link schemes must be known before the browser engine starts.
    registerLinkSchemes();
    QApplication app(argc, argv);
    installTranslations();
    QApplication::setApplicationName(QStringLiteral("Ulvanta"));
    QApplication::setApplicationVersion(ulvanta::ProgramInfo::version());

    // Qt has taken its own options (such as -platform) out by now.
    const LaunchOptions options = parseLaunchOptions(QApplication::arguments().mid(1));
    LauncherPrompter::setQuiet(options.quiet);
    LauncherWindow window;
    EndSignals endSignals;
    QObject::connect(&endSignals, &EndSignals::endRequested, &window, &LauncherWindow::endNow);
    const bool shown =
        options.pagePath.isEmpty() ? window.chooseAndOpenPage() : window.openPage(options.pagePath);
    if (!shown)
        return 1;
    return app.exec();
}
