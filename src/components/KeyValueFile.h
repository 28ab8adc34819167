#pragma once

#include <QHash>
#include <QString>
#include <vector>

namespace ulvanta {

// A store of named text values with numbered lists, kept in memory and saved as
// UTF-8 "key=value" lines with CRLF line ends.
//
// A list is a key holding a count; its entries are the keys prefix + 1, prefix + 2, ...
class KeyValueFile {
public:
    static QString notFound() { return QStringLiteral("[NOT FOUND]"); }

    void clear();
    // Replaces the keys by those of a file; throws Error when it cannot be read.
    void load(const QString& path);
    // Replaces the keys by the key=value lines of the text (CRLF or LF line ends).
    void parse(const QString& text);
    // The key's value, or "[NOT FOUND]".
    QString value(const QString& key) const;
    void setValue(const QString& key, const QString& value);
    // Writes the keys, creating or replacing the file; throws Error on failure.
    void save(const QString& path) const;
    // The keys as save writes them.
    QString toText() const;

    void addListEntry(const QString& list);
    void setListEntry(const QString& list, const QString& prefix, const QString& value);
    // The number k (1 to the count) of the first entry whose key prefix + k holds the
    // value (without regard to case when noCase), or 0.
    int findListEntry(const QString& list, const QString& prefix, const QString& value,
                      bool noCase) const;

    int size() const { return int(m_order.size()); }

private:
    int listCount(const QString& list) const;
    void invalidateIndex() const;
    // Drops the lookup tables that cover the key as one of their entries.
    void entryChanged(const QString& key);

    QHash<QString, qsizetype> m_index; // key -> position in m_order
    std::vector<std::pair<QString, QString>> m_order;

    // Lookup tables for findListEntry, built on first use and kept up to date by
    // setListEntry, so finding an entry stays constant time as the list grows. A
    // table describes entries 1 to count; one whose count differs from the list's
    // is rebuilt when next used.
    struct ListIndex {
        QString prefix;
        int count = 0;
        QHash<QString, int> exact;
        QHash<QString, int> folded;
    };
    mutable QHash<QString, ListIndex> m_lists; // "list\x1fprefix" -> index
};

} // namespace ulvanta
