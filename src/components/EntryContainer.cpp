#include "components/EntryContainer.h"

#include "components/Error.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <functional>

namespace ulvanta {

namespace {

const QByteArray kMagic = QByteArrayLiteral("VODK");
constexpr qint64 kHeaderSize = 8;
constexpr qint64 kRecordSize = EntryContainer::RecordSize;
constexpr quint32 kBlockRecords = 8192;

Error openFailure(const QString& path) {
    const QFileInfo fi(path);
    if (path.isEmpty())
        return Error(Error::BadFileName);
    if (fi.isDir())
        return Error(Error::PathFileAccess);
    if (!fi.exists())
        return QFileInfo(fi.absolutePath()).isDir() ? Error(Error::FileNotFound)
                                                    : Error(Error::PathNotFound);
    return Error(Error::PermissionDenied);
}

Error badFormat(const QString& what) {
    return Error(
        QCoreApplication::translate("EntryContainer", "Invalid file format (%1)").arg(what),
        Error::InvalidFileFormat);
}

} // namespace

QByteArray EntryContainer::readBytes(const QString& path) {
    QFile f(path);
    if (path.isEmpty() || QFileInfo(path).isDir() || !f.open(QIODevice::ReadOnly))
        throw openFailure(path);
    QByteArray data = f.readAll();
    if (f.error() != QFileDevice::NoError)
        throw Error(Error::PathFileAccess);
    return data;
}

QString EntryContainer::readText(const QString& path) {
    return QString::fromUtf8(readBytes(path));
}

quint32 EntryContainer::open(const QString& path) {
    m_entries.clear();
    m_contents.clear();
    m_count = 0;
    m_loadedPath.clear();
    m_file.reset();
    // Positions are 32-bit: anything larger is not a container, and is not read.
    if (QFileInfo(path).size() > qint64(std::numeric_limits<quint32>::max()))
        throw badFormat(QCoreApplication::translate("EntryContainer", "the file is too large"));
    auto file = std::make_shared<QFile>(path);
    if (path.isEmpty() || QFileInfo(path).isDir() || !file->open(QIODevice::ReadOnly))
        throw openFailure(path);
    const qint64 size = file->size();
    const QByteArray header = file->read(kHeaderSize);
    if (file->error() != QFileDevice::NoError)
        throw Error(Error::PathFileAccess);
    if (size < kHeaderSize || header.size() < kHeaderSize)
        throw badFormat(QCoreApplication::translate("EntryContainer", "the file is too short"));
    if (header.left(4) != kMagic)
        throw badFormat(QCoreApplication::translate("EntryContainer", "the header is not %1")
                            .arg(QString::fromLatin1(kMagic)));
    const quint32 n =
        qFromLittleEndian<quint32>(reinterpret_cast<const uchar*>(header.constData()) + 4);
    // Checked against the size before anything is allocated for the entries.
    if (qint64(n) > (size - kHeaderSize) / kRecordSize)
        throw badFormat(QCoreApplication::translate("EntryContainer",
                                                    "the file holds fewer entries than it says"));
    m_loadedPath = path;
    m_file = std::move(file);
    return n;
}

void EntryContainer::readDirectory(quint32 n, const std::function<void(const Record&)>& visit) {
    const qint64 size = m_file->size();
    // Contents follow the directory back to back in entry order. Requiring each to
    // start at or after the end of the one before means no byte is read twice, so
    // an open never needs more than a few times the file's size, however the
    // directory is made.
    qint64 end = recordPosition(n + 1);
    // The directory is read in blocks: a large one never sits in memory twice. The
    // visitor may read contents in between, so each block says where it starts.
    QByteArray block;
    for (quint32 i = 0; i < n; ++i) {
        if (i % kBlockRecords == 0) {
            block.resize(kRecordSize * std::min<qint64>(kBlockRecords, n - i));
            if (!m_file->seek(recordPosition(i + 1)) ||
                m_file->read(block.data(), block.size()) != block.size())
                throw Error(Error::PathFileAccess);
        }
        const Record r = record(i + 1, block.constData() + kRecordSize * (i % kBlockRecords));
        if (qint64(r.position) + qint64(r.length) > size)
            throw badFormat(
                QCoreApplication::translate("EntryContainer", "entry %1 lies outside the file")
                    .arg(i + 1));
        if (qint64(r.position) < end)
            throw badFormat(QCoreApplication::translate(
                                "EntryContainer", "entry %1 overlaps another or is out of order")
                                .arg(i + 1));
        end = qint64(r.position) + qint64(r.length);
        visit(r);
    }
}

void EntryContainer::load(const QString& path) {
    const quint32 n = open(path);
    m_entries.resize(n);
    readDirectory(n, [this](const Record& r) {
        Entry& e = m_entries[r.entry - 1];
        std::memcpy(e.name, r.stored, 8);
        e.nameSize = 8;
        e.position = r.position;
        e.length = r.length;
    });
    m_count = n;
}

void EntryContainer::scan(const QString& path, const std::function<void(const Record&)>& visit) {
    m_count = open(path);
    readDirectory(m_count, visit);
}

qint64 EntryContainer::recordPosition(quint32 entry) {
    return kHeaderSize + kRecordSize * (qint64(entry) - 1);
}

EntryContainer::Record EntryContainer::record(quint32 entry, const char* bytes) {
    const auto* rec = reinterpret_cast<const uchar*>(bytes);
    Record r{entry, {}, qFromLittleEndian<quint32>(rec + 8), qFromLittleEndian<quint32>(rec + 12)};
    std::memcpy(r.stored, bytes, 8);
    return r;
}

EntryContainer::Record EntryContainer::record(quint32 entry) const {
    const Entry& e = at(entry);
    Record r{entry, {}, e.position, e.length};
    std::memcpy(r.stored, e.name, e.nameSize);
    return r;
}

void EntryContainer::outOfRange() {
    throw Error(QStringLiteral("Subscript out of range"), 9);
}

QString EntryContainer::entryName(quint32 entry) const {
    QString name = storedName(entry);
    name.remove(QChar(0));
    return name;
}

void EntryContainer::readEntries(quint32 first, quint32 last, QByteArray& into) const {
    const Entry& a = at(first);
    const Entry& b = at(last);
    if (b.position < a.position)
        throw badFormat(QStringLiteral("an entry lies outside the file"));
    // load() has checked that entries follow one another inside the file.
    const quint32 size = b.position + b.length - a.position;
    readSpan(a.position, size, size, into);
}

void EntryContainer::readSpan(quint32 position, quint32 size, quint32 needed,
                              QByteArray& into) const {
    if (!m_file)
        throw badFormat(QStringLiteral("an entry lies outside the file"));
    const qint64 available = std::max<qint64>(0, m_file->size() - position);
    into.resize(std::min<qint64>(size, available));
    if ((m_file->pos() != qint64(position) && !m_file->seek(position)) ||
        m_file->read(into.data(), into.size()) != into.size() || into.size() < qint64(needed))
        throw badFormat(QStringLiteral("an entry lies outside the file"));
}

QString EntryContainer::readEntry(const QString& path, quint32 position, quint32 length) const {
    if (m_file && path == m_loadedPath) {
        // Entries are mostly read in order, straight on from the one before.
        if (m_file->pos() != qint64(position) && !m_file->seek(position))
            throw badFormat(
                QCoreApplication::translate("EntryContainer", "an entry lies outside the file"));
        const QByteArray bytes = m_file->read(length);
        if (bytes.size() != qsizetype(length))
            throw badFormat(
                QCoreApplication::translate("EntryContainer", "an entry lies outside the file"));
        return QString::fromUtf8(bytes);
    }
    const QByteArray data = readBytes(path);
    if (qint64(position) + qint64(length) > data.size())
        throw badFormat(
            QCoreApplication::translate("EntryContainer", "an entry lies outside the file"));
    return QString::fromUtf8(data.constData() + position, qsizetype(length));
}

void EntryContainer::setEntryCount(quint32 count) {
    m_count = count;
    if (m_entries.size() < m_count)
        m_entries.resize(m_count);
}

EntryContainer::Entry& EntryContainer::grow(quint32 entry) {
    if (entry < 1)
        throw Error(QStringLiteral("Subscript out of range"), 9);
    if (m_entries.size() < entry)
        m_entries.resize(entry);
    return m_entries[entry - 1];
}

void EntryContainer::setEntryName(quint32 entry, const QString& name) {
    Entry& e = grow(entry);
    // Names are 8 ASCII characters at most; most are shorter.
    e.nameSize = quint8(std::min<qsizetype>(name.size(), 8));
    for (qsizetype c = 0; c < e.nameSize; ++c)
        e.name[c] = char(name[c].toLatin1());
}

void EntryContainer::setEntryContent(quint32 entry, const QString& content) {
    grow(entry);
    if (m_contents.size() < entry)
        m_contents.resize(entry);
    m_contents[entry - 1] = content;
}

void EntryContainer::save(const QString& path) const {
    const QFileInfo fi(path);
    if (path.isEmpty())
        throw Error(Error::BadFileName);
    if (fi.isDir())
        throw Error(Error::PathFileAccess);
    if (!QFileInfo(fi.absolutePath()).isDir())
        throw Error(Error::PathNotFound);

    // The contents are encoded once, back to back, and the directory is made from
    // their offsets: no per-entry buffers on the way.
    QByteArray body;
    std::vector<quint32> ends;
    ends.reserve(m_count);
    for (quint32 i = 0; i < m_count; ++i) {
        if (i < m_contents.size())
            body += m_contents[i].toUtf8();
        ends.push_back(quint32(body.size()));
    }
    const qint64 start = kHeaderSize + kRecordSize * qint64(m_count);
    if (start + body.size() > qint64(std::numeric_limits<quint32>::max()))
        throw Error(Error::Overflow);

    QByteArray out;
    out.reserve(start + body.size());
    out += kMagic;
    char buf[4];
    qToLittleEndian<quint32>(m_count, buf);
    out.append(buf, 4);
    quint32 pos = quint32(start);
    for (quint32 i = 0; i < m_count; ++i) {
        const Entry& e = m_entries[i];
        out.append(e.name, e.nameSize);
        out.append(8 - e.nameSize, '\0');
        const quint32 end = quint32(start) + ends[i];
        qToLittleEndian<quint32>(pos, buf);
        out.append(buf, 4);
        qToLittleEndian<quint32>(end - pos, buf);
        out.append(buf, 4);
        pos = end;
    }
    out += body;

    QSaveFile f(path);
    // Unbuffered: a write that the disk refuses fails here, not in a flush whose
    // error the commit would not see.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw Error(Error::PermissionDenied);
    for (qint64 done = 0; done < out.size();) {
        // A short write is retried: the next attempt reports why it stopped.
        const qint64 n = f.write(out.constData() + done, out.size() - done);
        if (n <= 0) {
            const bool full = f.error() == QFileDevice::ResourceError;
            f.cancelWriting();
            throw Error(full ? Error::DiskFull : Error::PathFileAccess);
        }
        done += n;
    }
    if (!f.commit())
        throw Error(f.error() == QFileDevice::ResourceError ? Error::DiskFull
                                                            : Error::PathFileAccess);
}

} // namespace ulvanta
