#include "launcher/LaunchOptions.h"

#include "launcher/LoadedPage.h"

#include <QCoreApplication>

namespace ulvanta::launcher {

LaunchOptions parseLaunchOptions(const QStringList& arguments) {
    LaunchOptions options;
    qsizetype i = 0;
    for (; i < arguments.size() && arguments[i].startsWith(QLatin1String("--")); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--")) {
            ++i;
            break;
        }
        if (a == QLatin1String("--help")) {
            options.action = LaunchOptions::Action::Help;
            return options;
        }
        if (a == QLatin1String("--version")) {
            options.action = LaunchOptions::Action::Version;
            return options;
        }
        if (a == QLatin1String("--quiet")) {
            options.quiet = true;
            continue;
        }
        options.action = LaunchOptions::Action::Bad;
        options.problem = QCoreApplication::translate("Launcher", "unknown option '%1'").arg(a);
        return options;
    }
    options.pagePath = pagePathFromArguments(arguments.mid(i));
    if (options.quiet && options.pagePath.isEmpty()) {
        // Choosing a page would wait for the user.
        options.action = LaunchOptions::Action::Bad;
        options.problem = QCoreApplication::translate("Launcher", "--quiet needs a page");
    }
    return options;
}

QString launcherUsage(const QString& programName) {
    return QCoreApplication::translate(
               "Launcher",
               "Usage: %1 [--quiet] [PAGE]\n"
               "Shows a launcher page in a window and starts programs when its icons are "
               "clicked.\nWithout PAGE a file dialog asks for one.\n\n"
               "  --quiet    report failures on standard error and end with status 1\n"
               "             instead of showing a message box\n"
               "  --help     show this text\n"
               "  --version  show the program's version\n")
               .arg(programName) +
           QCoreApplication::translate(
               "Launcher",
               "\nIn the window, type part of an icon's description, or the initials of its\n"
               "words, to find it; Enter starts the first icon found. Home and the arrow keys\n"
               "move among the icons, Enter or Space starts the one with the focus. Escape\n"
               "clears what was typed; a second one closes the window if the page allows it.\n");
}

} // namespace ulvanta::launcher
