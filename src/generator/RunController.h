#pragma once

#include <QStringList>
#include <functional>

namespace ulvanta {

class Document;
class Prompter;

// The launcher started on the built page.
struct LaunchLine {
    QString program;       // program folder + "ulvanta2.exe"
    QStringList arguments; // the page path as stored: one argument, spaces and all
    QString commandLine;   // program + " " + page path, as messages show it
};

// programFolder is the program folder ending in a separator. The page path is the
// "(HTML File)" property exactly as stored, so that a path holding "&" or "é"
// still names the file.
LaunchLine launchLine(const QString& programFolder, const Document& doc);

// The Run command: starts the launcher on the built page without waiting for it;
// a launcher that cannot be started is reported as "Run Error".
class RunController {
public:
    // Starts a program detached; true when it started.
    using Starter = std::function<bool(const QString& program, const QStringList& arguments)>;

    RunController(const Document& doc, Prompter& prompter, QString programFolder,
                  Starter starter = {});

    // True when the launcher started.
    bool run();

private:
    const Document& m_doc;
    Prompter& m_prompter;
    QString m_programFolder;
    Starter m_start;
};

} // namespace ulvanta
