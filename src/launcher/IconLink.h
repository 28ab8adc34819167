#pragma once

#include <QString>
#include <QUrl>

namespace ulvanta::launcher {

// What a link on a launcher page asks for.
enum class LinkKind {
    Icon,         // "pm:" command, parameters, start-in folder, run word
    WindowAction, // "pmc:" open, exit, min, max, edit, refresh
    Ordinary,     // anything else: navigates inside the window
};

LinkKind linkKind(const QUrl& url);

// The four fields of an icon link, each back in the form the user typed it.
struct IconLink {
    QString command;
    QString parameters;
    QString startIn;
    QString runWord;

    bool operator==(const IconLink&) const = default;
};

// Splits an icon link at its commas and undoes, per field, the URL's percent
// encoding and the "&comma;" that stands for a comma inside a field; the rest is
// what the user typed. Fields beyond the fourth belong to the run word.
IconLink parseIconLink(const QUrl& url);

enum class WindowAction { Unknown, Open, Exit, Minimise, Maximise, Edit, Refresh };

// The command of a "pmc:" link, compared without regard to case.
WindowAction parseWindowAction(const QUrl& url);

// Icon and window-command links act only from the main frame of a page that the
// window shows from a local file: a page reached over the network, or any frame
// inside the page, can never start a program.
bool linksMayAct(const QUrl& shownUrl, bool isMainFrame);

} // namespace ulvanta::launcher
