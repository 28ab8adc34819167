#include "components/RecentFiles.h"

#include "components/FileChecks.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace ulvanta {

namespace {
const QString kKey = QStringLiteral("recentFiles");
} // namespace

RecentFiles::RecentFiles(const QString& settingsFile)
    : m_settings(settingsFile.isEmpty()
                     ? std::make_unique<QSettings>()
                     : std::make_unique<QSettings>(settingsFile, QSettings::IniFormat)) {}

RecentFiles::~RecentFiles() = default;

QStringList RecentFiles::stored() {
    m_settings->sync(); // another editor may have changed the list
    return m_settings->value(kKey).toStringList();
}

void RecentFiles::store(const QStringList& files) {
    m_settings->setValue(kKey, files);
    m_settings->sync();
}

void RecentFiles::add(const QString& path) {
    // One spelling per document, whatever folder it was named from.
    const QString file = FileChecks::absoluteClean(path);
    QStringList list = stored();
    list.removeAll(file);
    list.prepend(file);
    store(list.mid(0, kMaxFiles));
}

QStringList RecentFiles::files() {
    const QStringList list = stored();
    QStringList present;
    for (const QString& f : list) {
        if (QFileInfo(f).isFile())
            present.append(f);
    }
    if (present.size() != list.size())
        store(present);
    return present;
}

} // namespace ulvanta
