#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QFile;

namespace ulvanta {

// The document store: numbered, named entries in a "VODK" container (the byte
// layout is in docs/file-format.md). Entries are numbered from 1; entry 0 stands
// for the container itself.
class EntryContainer {
public:
    // Reads and checks the whole container; afterwards the entry accessors describe it.
    // Throws Error for a file that cannot be read or is not a valid container.
    void load(const QString& path);

    // The number of entries the container declares.
    quint32 count() const { return m_count; }
    // Entry i (1..count): where its content lies, its length and its name as
    // stored (8 characters, NUL-padded). Throws Error 9 for a number out of range.
    quint32 entryPosition(quint32 entry) const { return at(entry).position; }
    quint32 entryLength(quint32 entry) const { return at(entry).length; }
    QString storedName(quint32 entry) const {
        const Entry& e = at(entry);
        return QString::fromLatin1(e.name, e.nameSize);
    }
    // The number of entries held.
    quint32 entryCount() const { return quint32(m_entries.size()); }
    QString entryName(quint32 entry) const; // NULs removed
    // A name without making a string: a large file has hundreds of thousands of
    // entries, and most are only compared with a known name.
    struct ShortName {
        char bytes[8];
        qsizetype size;
        QLatin1StringView view() const { return QLatin1StringView(bytes, size); }
        static ShortName of(const char* stored, int size) {
            ShortName n{{}, 0};
            for (int i = 0; i < size; ++i) {
                if (stored[i] != '\0')
                    n.bytes[n.size++] = stored[i];
            }
            return n;
        }
    };

    // One entry of the directory: its number, its name as stored (8 bytes,
    // NUL-padded), where its content lies and its length.
    struct Record {
        quint32 entry;
        char stored[8];
        quint32 position;
        quint32 length;
        ShortName shortName() const { return ShortName::of(stored, 8); }
    };
    // Reads and checks the container as load does, but hands each entry to `visit`
    // in order instead of keeping it: a large file's directory is never held. The
    // visitor may read contents (readEntry, readSpan). Afterwards count(),
    // readEntry and readSpan describe the file; the entry accessors do not.
    void scan(const QString& path, const std::function<void(const Record&)>& visit);
    // Entry i of the loaded container.
    Record record(quint32 entry) const;
    // Where entry i's record lies in the file, and the record made from its bytes:
    // for reading the directory again, after a scan.
    static constexpr qint64 RecordSize = 16;
    static qint64 recordPosition(quint32 entry);
    static Record record(quint32 entry, const char* bytes);
    // The content of an entry of the loaded container as text.
    QString readEntry(const QString& path, quint32 position, quint32 length) const;
    // The bytes of entries first..last of the loaded container, read at once into
    // `into` (whose room is kept for the next call); entry i starts at
    // entryPosition(i) - entryPosition(first). Throws Error.
    void readEntries(quint32 first, quint32 last, QByteArray& into) const;
    // The loaded file's bytes from `position` on: `size` of them, or as many as the
    // file holds, but never fewer than `needed`. Throws Error.
    void readSpan(quint32 position, quint32 size, quint32 needed, QByteArray& into) const;

    // Entry i's name (at most 8 ASCII characters are kept) and content; the
    // container grows to hold entry i.
    void setEntryName(quint32 entry, const QString& name);
    void setEntryContent(quint32 entry, const QString& content);
    // The number of entries written.
    void setEntryCount(quint32 count);
    // Writes entries 1..count atomically (a new file renamed over the old one).
    void save(const QString& path) const;

    // The whole content of any file as text (UTF-8). Throws Error.
    static QString readText(const QString& path);
    // The whole content of any file. Throws Error.
    static QByteArray readBytes(const QString& path);

private:
    // Small and flat: a large file has hundreds of thousands of entries.
    struct Entry {
        char name[8] = {}; // as stored: nameSize bytes, up to 8
        quint32 position = 0;
        quint32 length = 0;
        quint8 nameSize = 0;
    };
    // Opens the file and checks its header; the number of entries it declares.
    quint32 open(const QString& path);
    void readDirectory(quint32 count, const std::function<void(const Record&)>& visit);
    const Entry& at(quint32 entry) const {
        if (entry < 1 || entry > m_entries.size())
            outOfRange();
        return m_entries[entry - 1];
    }
    [[noreturn]] static void outOfRange();
    Entry& grow(quint32 entry);
    std::vector<Entry> m_entries;
    std::vector<QString> m_contents; // for writing, by entry
    quint32 m_count = 0;
    QString m_loadedPath;
    // The loaded container, read on as its entries are asked for: contents are
    // never held twice, once as bytes and once as text.
    std::shared_ptr<QFile> m_file;
};

} // namespace ulvanta
