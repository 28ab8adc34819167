#include "components/FileChecks.h"

#include <QDir>
#include <QFileInfo>

namespace ulvanta::FileChecks {

bool fileExists(const QString& path) {
    if (path.isEmpty())
        return false;
    const QFileInfo fi(path);
    return fi.exists() && !fi.isDir();
}

bool folderExists(const QString& path) {
    if (path.isEmpty())
        return false;
    return QFileInfo(path).isDir();
}

int pathKind(const QString& path) {
    if (path.isEmpty())
        return PathNothing;
    const QFileInfo fi(path);
    if (fi.isDir())
        return PathFolder;
    if (fi.isFile())
        return PathFile;
    if (fi.exists())
        return PathOther;
    return PathNothing;
}

QString absoluteClean(const QString& path) {
    if (path.isEmpty())
        return path;
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace ulvanta::FileChecks
