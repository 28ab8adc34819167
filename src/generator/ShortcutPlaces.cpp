#include "generator/ShortcutPlaces.h"

#include "components/Error.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace ulvanta::Shortcut {

namespace {
// Long enough for a desktop's metadata service to start; a hung one is given up.
constexpr int kGioTimeoutMs = 5000;
} // namespace

bool markTrusted(const QString& path) {
    const QString gio = QStandardPaths::findExecutable(QStringLiteral("gio"));
    if (gio.isEmpty())
        return false;
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
    p.start(gio, {QStringLiteral("set"), path, QStringLiteral("metadata::trusted"),
                  QStringLiteral("true")});
    if (!p.waitForFinished(kGioTimeoutMs)) {
        p.kill();
        p.waitForFinished();
        return false;
    }
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

QString addToApplicationMenu(const QString& path, const QString& applicationsFolder) {
    const QString folder =
        applicationsFolder.isEmpty()
            ? QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation)
            : applicationsFolder;
    if (folder.isEmpty() || (!QFileInfo(folder).isDir() && !QDir().mkpath(folder)))
        throw Error(Error::PathNotFound);
    const QString copy = folder + QStringLiteral("/ulvanta-") + QFileInfo(path).fileName();
    if (QFileInfo(copy).isDir())
        throw Error(Error::PathFileAccess);
    if ((QFileInfo::exists(copy) && !QFile::remove(copy)) || !QFile::copy(path, copy))
        throw Error(Error::PermissionDenied);
    return copy;
}

} // namespace ulvanta::Shortcut
