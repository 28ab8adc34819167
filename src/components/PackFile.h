#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <vector>

namespace ulvanta {

// The document store: numbered, named entries in a "VODK" container (the byte
// layout is in docs/file-format.md). Entries are numbered from 1; entry 0 stands
// for the container itself.
class PackFile {
public:
    QString fileheader = QStringLiteral("VODK");

    static bool FileExists(const QString& path);

    // Reads and checks the whole container; afterwards GetEntry describes it.
    // Throws UlvError for a file that cannot be read or is not a valid container.
    void LoadPack(const QString& path);

    // (1, 0): number of entries; (1, i): position of entry i's content; (2, i): its
    // length; (3, i): its name (8 characters, NUL-padded as stored).
    QVariant GetEntry(int field, quint32 entry) const;
    quint32 entryCount() const { return quint32(m_entries.size()); }
    QString entryName(quint32 entry) const; // NULs removed
    // The content of an entry of the loaded container as text.
    QString ReadEntry(const QString& path, quint32 position, quint32 length,
                      bool unused = false) const;

    // (name, 3, i): entry i's name; (text, 5, i): its content; (n, 1, 0): the count.
    void SetEntry(const QVariant& value, int field, quint32 entry);
    // Writes entries 1..count atomically (a new file renamed over the old one).
    void WritePack(const QString& path) const;

    // The whole content of any file as text (UTF-8). Throws UlvError.
    static QString ReadText(const QString& path);
    // The whole content of any file. Throws UlvError.
    static QByteArray ReadBytes(const QString& path);

private:
    struct Entry {
        QByteArray name; // as stored, up to 8 bytes
        quint32 position = 0;
        quint32 length = 0;
        QString content; // for writing
    };
    std::vector<Entry> m_entries;
    quint32 m_count = 0;
    QString m_loadedPath;
    QByteArray m_data; // the loaded container's bytes
};

} // namespace ulvanta
