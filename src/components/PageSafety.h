#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QUrl>
#include <vector>

namespace ulvanta {

// What a page shown from a local file may do by itself. A launcher page and the
// editor's preview are local pages whose scripts come from documents of unknown
// origin: they may show local pictures and styles, but never read local files or
// reach the network unless the user follows a link.
namespace PageSafety {

// The kinds of request the decision tells apart.
enum class Resource {
    MainFrame, // the page itself; navigations are decided by the page's link rules
    Image,     // pictures, page icons
    StyleSheet,
    Frame,       // a frame's document
    Embedded,    // scripts, fonts, media, objects and other subresources
    ScriptFetch, // XMLHttpRequest, fetch, beacons, pings, workers, prefetches
    WebSocket,
};

// True for an address of a file on this machine ("file:" without another host).
bool isLocalFile(const QUrl& url);

// Whether a page shown from pageUrl may load requestUrl. A page from the network
// loads what it likes. A local page loads pictures and style sheets from this
// machine, other embedded files only from its own folder and its icon folder
// (the folder named after the page's file without its extension), frames there
// only of other pages, its scripts never fetch a local file, and nothing comes
// from the network. Addresses that
// hold their content ("data:", "blob:", "about:") stay allowed.
bool mayLoad(const QUrl& pageUrl, const QUrl& requestUrl, Resource kind);

// Whether a page shown from pageUrl may go to url without the user's own click on
// a link to it: a local page may show another local file, never leave for the
// network (or any other kind of address) by itself.
bool mayNavigateUnasked(const QUrl& pageUrl, const QUrl& url);

// The links the user has just clicked or pressed Enter or Space on, as reported by
// a script that runs apart from the page's own (see script()). A report carries a
// secret of this object's own, so the page's scripts cannot write one.
class LinkActivations {
public:
    LinkActivations();

    // The script, for the isolated world of every page shown, that reports the
    // user's trusted clicks and key presses on links (their own address, read at
    // that moment) as console messages carrying the secret. Before a click follows
    // a "pm:" or "pmc:" link whose command starts with "//", it escapes those
    // slashes, which the browser would otherwise read as a host name.
    QString script() const;

    // Takes a console message: true when it is a report of the script (which is
    // then noted and must not be shown), false for any other message.
    bool takeReport(const QString& message);

    // True, once, when the user has just acted on a link to exactly this address;
    // the report is used up.
    bool takeActivation(const QUrl& url);

    // A new page forgets what the user did on the previous one.
    void clear() { m_recent.clear(); }

private:
    struct Activation {
        QString address;
        QElapsedTimer age;
    };
    QString m_prefix; // the start of every report
    std::vector<Activation> m_recent;
};

} // namespace PageSafety
} // namespace ulvanta
