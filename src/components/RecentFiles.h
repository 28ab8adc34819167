#pragma once

#include <QStringList>
#include <memory>

class QSettings;

namespace ulvanta {

// The documents opened or saved last, most recent first, kept in the program's
// settings so that every editor shares one list across runs.
class RecentFiles {
public:
    static constexpr int kMaxFiles = 8;

    // settingsFile empty: the program's own settings.
    explicit RecentFiles(const QString& settingsFile = {});
    ~RecentFiles();

    // Puts a document first; an earlier mention of it goes, and the oldest
    // beyond the limit.
    void add(const QString& path);
    // The list with documents that are no longer there dropped (also from the
    // settings).
    QStringList files();

private:
    QStringList stored();
    void store(const QStringList& files);

    std::unique_ptr<QSettings> m_settings;
};

} // namespace ulvanta
