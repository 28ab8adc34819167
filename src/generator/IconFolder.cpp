#include "generator/IconFolder.h"

#include "components/DesktopIcons.h"
#include "components/Error.h"
#include "components/FileChecks.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>
#include <QTemporaryDir>
#include <filesystem>

namespace ulvanta {

namespace {

const QString kIcons = QStringLiteral("Icons");
const QString kIconPrefix = QStringLiteral("Icon");
const QString kExePrefix = QStringLiteral("EXE");

QString iconFileName(int number) {
    return QStringLiteral("Icon") + QString::number(number) + QStringLiteral(".ico");
}

QString listPath(const QString& base) {
    return base + QStringLiteral("/Icons.txt");
}

// True when canonical paths name the same folder (or, for missing paths, the
// same absolute path).
bool sameFolder(const QString& a, const QString& b) {
    const QFileInfo fa(a), fb(b);
    const QString ca = fa.canonicalFilePath(), cb = fb.canonicalFilePath();
    if (!ca.isEmpty() && !cb.isEmpty())
        return ca == cb;
    return QDir::cleanPath(fa.absoluteFilePath()) == QDir::cleanPath(fb.absoluteFilePath());
}

// Why a folder could not be made at path.
Error folderError(const QString& path) {
    return Error(QFileInfo(QFileInfo(path).absolutePath()).isDir() ? Error::PathFileAccess
                                                                   : Error::PathNotFound);
}

// Saves the picture as an icon file. The picture is made in memory first: the
// image writer does not see a short write, and a full disk must fail the build.
void writeIcon(const QString& path, const QImage& picture) {
    QBuffer made;
    made.open(QIODevice::WriteOnly);
    QImageWriter writer(&made, "ico");
    if (!writer.write(picture))
        throw Error(Error::InvalidFileFormat);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw Error(Error::PathFileAccess);
    if (file.write(made.data()) != made.data().size())
        throw Error(Error::DiskFull);
}

} // namespace

QString IconFolder::pathFor(const QString& htmlPath) {
    const qsizetype slash =
        std::max(htmlPath.lastIndexOf(QLatin1Char('/')), htmlPath.lastIndexOf(QDir::separator()));
    const QString name = htmlPath.mid(slash + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    // A name made of dots alone would be the page's own folder or its parent.
    const QString stem = name.left(std::max<qsizetype>(dot, 0));
    if (stem.isEmpty() || stem == QLatin1String(".") || stem == QLatin1String(".."))
        throw Error(Error::BadFileName);
    return htmlPath.left(slash + 1) + stem;
}

IconFolder::IconFolder(const QString& basePath) : m_base(basePath) {
    if (FileChecks::fileExists(listPath(m_base)))
        readPreviousList();
    m_list.clear();
    m_list.setValue(kIcons, QStringLiteral("0"));
}

IconFolder::~IconFolder() = default;

void IconFolder::readPreviousList() {
    KeyValueFile previous;
    previous.load(listPath(m_base));
    bool ok = false;
    const qlonglong n = previous.value(kIcons).trimmed().toLongLong(&ok);
    if (!ok)
        throw Error(Error::TypeMismatch);
    // No list holds more entries than it has keys, so a damaged count cannot
    // make this loop run for long.
    const qlonglong last = std::min<qlonglong>(n, previous.size());
    for (qlonglong k = 1; k <= last; ++k) {
        const QString path = previous.value(kIconPrefix + QString::number(k));
        if (path == KeyValueFile::notFound() || !QFileInfo(path).isFile())
            continue; // already gone, or a number that never got a file (sizes below 16)
        // Only icons inside this icon folder are ours to remove: a list edited by
        // hand must not reach other files.
        if (sameFolder(QFileInfo(path).absolutePath(), m_base))
            m_previous.append(path);
    }
}

QString IconFolder::staging() {
    if (m_staging)
        return m_staging->path();
    const QFileInfo base(m_base);
    if (base.exists() && !base.isDir())
        throw folderError(m_base);
    // Beside the icon folder, so that the icons move in by renaming.
    m_staging = std::make_unique<QTemporaryDir>(base.absolutePath() + QStringLiteral("/.") +
                                                base.fileName() + QStringLiteral("-XXXXXX"));
    if (!m_staging->isValid()) {
        m_staging.reset();
        throw folderError(m_base);
    }
    return m_staging->path();
}

QString IconFolder::iconFor(const QString& raw, int iconSize) {
    // Extracted once per source. The source is the path as typed (the file
    // system knows no entities), so "é" and "É" compare as the same letter.
    const int k = m_list.findListEntry(kIcons, kExePrefix, raw.toUpper(), true);
    if (k > 0)
        return m_base + QLatin1Char('/') + iconFileName(k);
    if (!FileChecks::fileExists(raw) && !FileChecks::folderExists(raw) &&
        FileChecks::pathKind(raw) != FileChecks::PathOther)
        return m_base + QLatin1Char('/') + iconFileName(0);
    const QString folder = staging();
    ++m_count;
    const QString name = iconFileName(m_count);
    const QString file = m_base + QLatin1Char('/') + name;
    if (iconSize >= 16) {
        const QImage picture =
            iconSize <= 24 ? DesktopIcons::smallIcon(raw) : DesktopIcons::largeIcon(raw);
        writeIcon(folder + QLatin1Char('/') + name, picture);
        m_written.insert(name);
    }
    m_list.addListEntry(kIcons);
    m_list.setListEntry(kIcons, kIconPrefix, file);
    m_list.setListEntry(kIcons, kExePrefix, raw);
    return file;
}

void IconFolder::commit() {
    // A page without icons to extract leaves a missing folder missing.
    bool created = false;
    if (!FileChecks::folderExists(m_base)) {
        if (m_count == 0)
            return;
        if (!QDir().mkdir(m_base))
            throw folderError(m_base);
        created = true;
    }
    // The list is written in full before anything in the folder changes.
    auto list = std::make_unique<QSaveFile>(listPath(m_base));
    const QByteArray bytes = m_list.toText().toUtf8();
    if (!list->open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        list->write(bytes) != bytes.size()) {
        const bool opened = list->isOpen();
        list.reset(); // drops the unfinished file
        if (created)
            QDir().rmdir(m_base);
        throw Error(opened ? Error::DiskFull : Error::PermissionDenied);
    }
    for (const QString& name : std::as_const(m_written)) {
        std::error_code error;
        std::filesystem::rename(QFile::encodeName(m_staging->filePath(name)).toStdString(),
                                QFile::encodeName(m_base + QLatin1Char('/') + name).toStdString(),
                                error);
        if (error)
            throw Error(Error::PermissionDenied);
    }
    // The previous icons this build did not replace (a list may name one twice).
    for (const QString& path : std::as_const(m_previous)) {
        if (!m_written.contains(QFileInfo(path).fileName()) && QFileInfo(path).isFile() &&
            !QFile::remove(path))
            throw Error(Error::PermissionDenied);
    }
    if (!list->commit())
        throw Error(Error::DiskFull);
}

} // namespace ulvanta
