#include "components/KeyValueFile.h"

#include "components/Error.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace ulvanta {

namespace {
QString listKey(const QString& list, const QString& prefix) {
    return list + QChar(0x1f) + prefix;
}
} // namespace

void KeyValueFile::clear() {
    m_index.clear();
    m_order.clear();
    invalidateIndex();
}

void KeyValueFile::invalidateIndex() const {
    m_lists.clear();
}

void KeyValueFile::load(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        throw Error(QFileInfo::exists(path) ? Error::PermissionDenied : Error::FileNotFound);
    }
    parse(QString::fromUtf8(f.readAll()));
}

void KeyValueFile::parse(const QString& text) {
    clear();
    qsizetype start = 0;
    const qsizetype n = text.size();
    while (start < n) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = n;
        qsizetype lineEnd = end;
        if (lineEnd > start && text[lineEnd - 1] == QLatin1Char('\r'))
            --lineEnd;
        const QStringView line = QStringView(text).mid(start, lineEnd - start);
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq > 0)
            setValue(line.left(eq).toString(), line.mid(eq + 1).toString());
        start = end + 1;
    }
}

QString KeyValueFile::value(const QString& key) const {
    const auto it = m_index.constFind(key);
    return it == m_index.cend() ? notFound() : m_order[size_t(*it)].second;
}

void KeyValueFile::setValue(const QString& key, const QString& value) {
    const auto it = m_index.constFind(key);
    if (it == m_index.cend()) {
        m_index.insert(key, qsizetype(m_order.size()));
        m_order.emplace_back(key, value);
    } else {
        m_order[size_t(*it)].second = value;
    }
    entryChanged(key);
}

void KeyValueFile::entryChanged(const QString& key) {
    m_lists.removeIf([&key](const auto& item) {
        const ListIndex& idx = item.value();
        if (!key.startsWith(idx.prefix))
            return false;
        bool ok = false;
        const int k = QStringView(key).mid(idx.prefix.size()).toInt(&ok);
        return ok && k >= 1 && k <= idx.count;
    });
}

QString KeyValueFile::toText() const {
    QString out;
    for (const auto& [k, v] : m_order)
        out += k + QLatin1Char('=') + v + QLatin1String("\r\n");
    return out;
}

void KeyValueFile::save(const QString& path) const {
    QSaveFile f(path);
    // Unbuffered, so that a full disk fails the write rather than the commit.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw Error(QFileInfo(QFileInfo(path).absolutePath()).isDir() ? Error::PermissionDenied
                                                                      : Error::PathNotFound);
    const QByteArray bytes = toText().toUtf8();
    if (f.write(bytes) != bytes.size() || !f.commit())
        throw Error(Error::DiskFull);
}

int KeyValueFile::listCount(const QString& list) const {
    bool ok = false;
    const int n = value(list).toInt(&ok);
    return ok ? n : 0;
}

void KeyValueFile::addListEntry(const QString& list) {
    setValue(list, QString::number(listCount(list) + 1));
}

void KeyValueFile::setListEntry(const QString& list, const QString& prefix, const QString& value) {
    const int n = listCount(list);
    setValue(prefix + QString::number(n), value);
    // setValue dropped the table if it covered entry n. One that ends just below it
    // takes the entry in; one that ends lower would miss the entries between.
    const auto it = m_lists.find(listKey(list, prefix));
    if (it == m_lists.end())
        return;
    if (it->count != n - 1) {
        m_lists.erase(it);
        return;
    }
    it->count = n;
    if (!it->exact.contains(value)) // the lowest number wins
        it->exact.insert(value, n);
    if (!it->folded.contains(value.toCaseFolded()))
        it->folded.insert(value.toCaseFolded(), n);
}

int KeyValueFile::findListEntry(const QString& list, const QString& prefix, const QString& value,
                                bool noCase) const {
    const int n = listCount(list);
    const QString lk = listKey(list, prefix);
    auto it = m_lists.find(lk);
    if (it == m_lists.end() || it->count != n) {
        ListIndex idx;
        idx.prefix = prefix;
        idx.count = n;
        // The keys that exist, not the numbers up to the count: a count read from a
        // damaged file may be in the billions.
        for (const auto& [key, v] : m_order) {
            if (!key.startsWith(prefix))
                continue;
            const QStringView digits = QStringView(key).mid(prefix.size());
            bool ok = false;
            const int k = digits.toInt(&ok);
            if (!ok || k < 1 || k > n || digits != QString::number(k))
                continue;
            for (auto* table : {&idx.exact, &idx.folded}) { // the lowest number wins
                const QString text = table == &idx.exact ? v : v.toCaseFolded();
                const auto found = table->constFind(text);
                if (found == table->cend() || *found > k)
                    table->insert(text, k);
            }
        }
        it = m_lists.insert(lk, std::move(idx));
    }
    if (noCase)
        return it->folded.value(value.toCaseFolded(), 0);
    return it->exact.value(value, 0);
}

} // namespace ulvanta
