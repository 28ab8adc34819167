#pragma once

#include "launcher/IconLink.h"

#include <QString>
#include <QStringList>
#include <QUrl>

namespace ulvanta::launcher {

// The window state an icon asks its program to start in.
enum class RunWord { Normal, MaxFocus, MinFocus, NormalNoFocus, MinNoFocus, Hidden };

// The run word of a link, without regard to case. Empty or unknown words (an old
// page may carry a run-style text of its own) start the program normally.
RunWord runWordFromText(const QString& word);

// The command and its parameters as the page gives them, for messages.
QString commandLineOf(const IconLink& link);

// How one icon is to be started.
struct StartPlan {
    enum class Kind {
        Program, // started directly with its arguments, detached
        Open,    // a document, folder or address, opened by the desktop's program for it
    };
    Kind kind = Kind::Program;
    QString program;          // Program: the executable's path
    QStringList arguments;    // Program: the parameters split into words
    QString workingDirectory; // Program: the start-in folder, empty for the launcher's own
    RunWord runWord = RunWord::Normal;
    QUrl url;            // Open: what to open
    QString commandLine; // the command and parameters as the page gives them, for messages
};

// Decides how to start an icon. The command is taken as it stands when absolute;
// a relative one is looked for in the start-in folder (or, without one, the page's
// folder), and a bare name that is not there on the PATH. An executable file that
// is a program (a binary or a "#!" script) is started; any other file, a folder or
// an address such as "https://..." or "mailto:..." is opened. A relative start-in
// folder is taken from the page's folder.
// Throws Error: 52 for an empty command, 53 when the command names nothing,
// 76 when the start-in folder does not exist, 5 for unbalanced quotes.
StartPlan planIconStart(const IconLink& link, const QString& pageFolder);

// What an icon names that is not there: its start-in folder, or the file its
// command names ("NAME (not in PATH)" for a bare name found nowhere). Empty when
// both are there, or the command is an address.
QString missingPathOf(const IconLink& link, const QString& pageFolder);
// What a failed start's message adds when something is missing: what, and how to
// find all that the page misses.
QString missingFileAdvice(const QString& missing);

// The editor beside the launcher, started on the page's source document.
StartPlan planEditorStart(const QString& programFolder, const QString& sourceFile);

// Starts a Program plan detached: a hidden one with no display to open windows on
// and its standard streams on the null device. Throws Error when it cannot.
void startProgram(const StartPlan& plan);

} // namespace ulvanta::launcher
