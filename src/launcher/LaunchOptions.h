#pragma once

#include <QString>
#include <QStringList>

namespace ulvanta::launcher {

// What the launcher's command line asks for. Options come first; everything
// after them (or after "--") is the page's path.
struct LaunchOptions {
    enum class Action { Show, Help, Version, Bad };
    Action action = Action::Show;
    bool quiet = false; // report failures on standard error and end, never in a box
    QString pagePath;   // Show: the page, empty to choose one
    QString problem;    // Bad: what is wrong with the command line
};

LaunchOptions parseLaunchOptions(const QStringList& arguments);

// The text --help prints.
QString launcherUsage(const QString& programName);

} // namespace ulvanta::launcher
