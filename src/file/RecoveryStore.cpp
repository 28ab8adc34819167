#include "file/RecoveryStore.h"

#include "components/Error.h"
#include "components/FileChecks.h"
#include "components/KeyValueFile.h"
#include "edits/Document.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>
#include <QUuid>
#include <algorithm>

namespace ulvanta {

namespace {
const char* const kDocument = ".pmf";
const char* const kInfo = ".info";
const char* const kLock = ".lock";
const char* const kAside = ".bad";
constexpr int kAsideDays = 30; // how long a copy set aside is kept
const QString kPathKey = QStringLiteral("Path");
const QString kTitleKey = QStringLiteral("Title");
const QString kChangedKey = QStringLiteral("Changed");
const QString kPidKey = QStringLiteral("Pid");
} // namespace

QString RecoveryStore::defaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QStringLiteral("/recovery");
}

RecoveryStore::RecoveryStore(const QString& folder)
    : m_folder(folder), m_id(QUuid::createUuid().toString(QUuid::WithoutBraces)) {
    if (QDir().mkpath(m_folder))
        lock(m_id, m_lock);
}

RecoveryStore::~RecoveryStore() {
    m_claims.clear();
    if (isOpen() && !m_hasCopy)
        QFile::remove(filePath(m_id, kLock)); // while still held, so nobody claims it
}

QString RecoveryStore::filePath(const QString& id, const char* suffix) const {
    return m_folder + QLatin1Char('/') + id + QLatin1String(suffix);
}

bool RecoveryStore::lock(const QString& id, FileLock& hold) const {
    const QString path = filePath(id, kLock);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    f.close();
    return hold.take(path);
}

void RecoveryStore::write(const Document& doc, const QDateTime& lastChange) {
    if (!isOpen())
        throw Error(Error::PathNotFound);
    doc.writeFile(filePath(m_id, kDocument));
    KeyValueFile info;
    info.setValue(kPathKey, FileChecks::absoluteClean(doc.filePath()));
    info.setValue(kTitleKey, doc.setting(Setting::Title));
    info.setValue(kChangedKey, lastChange.toUTC().toString(Qt::ISODateWithMs));
    info.setValue(kPidKey, QString::number(QCoreApplication::applicationPid()));
    info.save(filePath(m_id, kInfo));
    m_hasCopy = true;
}

void RecoveryStore::removeFiles(const QString& id) const {
    QFile::remove(filePath(id, kDocument));
    QFile::remove(filePath(id, kInfo));
}

void RecoveryStore::remove() {
    if (m_hasCopy)
        removeFiles(m_id);
    m_hasCopy = false;
}

bool RecoveryStore::read(const QString& id, RecoveryCopy& copy) const {
    copy.id = id;
    copy.documentPath = filePath(id, kDocument);
    // The whole document is read once here, so a damaged one is never offered.
    Document check;
    check.resetProperties();
    try {
        check.load(copy.documentPath);
    } catch (const Error&) {
        return false;
    }
    // A missing or damaged description does not lose the work: what can be read of
    // it is used, the rest comes from the document itself.
    KeyValueFile info;
    try {
        info.load(filePath(id, kInfo));
    } catch (const Error&) {
        info.clear();
    }
    const auto value = [&info](const QString& key, const QString& fallback) {
        const QString v = info.value(key);
        return v == KeyValueFile::notFound() ? fallback : v;
    };
    copy.originalPath = value(kPathKey, QString());
    copy.title = value(kTitleKey, check.setting(Setting::Title));
    copy.lastChange = QDateTime::fromString(value(kChangedKey, QString()), Qt::ISODateWithMs);
    if (!copy.lastChange.isValid())
        copy.lastChange = QFileInfo(copy.documentPath).lastModified();
    copy.pid = value(kPidKey, QString()).toLongLong();
    return true;
}

void RecoveryStore::removeExpired() const {
    const QDateTime oldest = QDateTime::currentDateTime().addDays(-kAsideDays);
    const QFileInfoList aside = QDir(m_folder).entryInfoList(
        {QLatin1String("*") + QLatin1String(kAside)}, QDir::Files | QDir::Hidden);
    for (const QFileInfo& fi : aside) {
        if (fi.lastModified() < oldest)
            QFile::remove(fi.filePath());
    }
}

std::vector<RecoveryCopy> RecoveryStore::claimOrphans() {
    std::vector<RecoveryCopy> found;
    if (!isOpen())
        return found;
    removeExpired();
    QSet<QString> ids;
    const QStringList names = QDir(m_folder).entryList(
        {QLatin1String("*") + QLatin1String(kDocument), QLatin1String("*") + QLatin1String(kInfo),
         QLatin1String("*") + QLatin1String(kLock)},
        QDir::Files);
    for (const QString& name : names)
        ids.insert(name.left(name.lastIndexOf(QLatin1Char('.'))));
    for (const QString& id : ids) {
        if (id == m_id || m_claims.count(id))
            continue;
        auto hold = std::make_unique<FileLock>();
        if (!lock(id, *hold))
            continue; // its editor is still running
        m_claims[id] = std::move(hold);
        RecoveryCopy copy;
        if (!QFile::exists(filePath(id, kDocument)) && !QFile::exists(filePath(id, kInfo)))
            discard(id); // an editor that ended with nothing unsaved
        else if (read(id, copy))
            found.push_back(std::move(copy));
        else
            setAside(id);
    }
    std::sort(found.begin(), found.end(), [](const RecoveryCopy& a, const RecoveryCopy& b) {
        return a.lastChange > b.lastChange;
    });
    return found;
}

void RecoveryStore::release(const QString& id) {
    m_claims.erase(id);
}

void RecoveryStore::discard(const QString& id) {
    removeFiles(id);
    // The lock goes last and while held, so an editor claiming it finds nothing left.
    QFile::remove(filePath(id, kLock));
    release(id);
}

void RecoveryStore::setAside(const QString& id) {
    for (const char* suffix : {kDocument, kInfo}) {
        const QString path = filePath(id, suffix);
        const QString aside = path + QLatin1String(kAside);
        QFile::remove(aside);
        if (!QFile::rename(path, aside))
            continue;
        // Its age counts from now: a copy is kept for a while after being set aside.
        QFile file(aside);
        if (file.open(QIODevice::Append))
            file.setFileTime(QDateTime::currentDateTime(), QFileDevice::FileModificationTime);
    }
    discard(id);
}

} // namespace ulvanta
