#pragma once

#include "components/KeyValueFile.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <memory>

class QTemporaryDir;

namespace ulvanta {

// The icon folder of a built page: the icons extracted from programs and
// documents, and their list "Icons.txt". A build changes the folder only when
// it commits: new icons are written aside first, and the previous build's icons
// are removed only once the new ones are in place, so a failed build leaves the
// folder exactly as it was.
class IconFolder {
public:
    // The icon folder of a page: a folder beside the page, named after the page's
    // file name up to its last "." ("/pages/menu.htm" gives "/pages/menu").
    // Throws Error 52 for a file name without such a name ("menu", ".htm").
    static QString pathFor(const QString& htmlPath);

    // Reads the previous build's list, if any. Throws Error (a damaged count is 13).
    explicit IconFolder(const QString& basePath);
    ~IconFolder();
    IconFolder(const IconFolder&) = delete;
    IconFolder& operator=(const IconFolder&) = delete;

    // The icon file the page shows for a program or document: the one already
    // extracted for it, a new one, or number 0 for a path where nothing exists.
    // Below size 16 an icon gets its number but no file. Throws Error.
    QString iconFor(const QString& raw, int iconSize);

    // Makes this build's icons and list the folder's content and removes the
    // previous build's other icons. Throws Error.
    void commit();
    // How many icons the list names: those extracted for this page.
    int count() const { return m_count; }

private:
    // The folder the new icons are written to until commit. Throws Error.
    QString staging();
    // The previous build's icons: files its list names inside this folder.
    void readPreviousList();

    QString m_base;
    KeyValueFile m_list;
    int m_count = 0;
    QStringList m_previous;
    QSet<QString> m_written; // file names of the new icons
    std::unique_ptr<QTemporaryDir> m_staging;
};

} // namespace ulvanta
