#include "components/ProgramFiles.h"

#include <QDir>
#include <QFileInfo>

namespace ulvanta::ProgramFiles {

QString applicationId() {
    return QStringLiteral("io.github.ulvanta.Editor");
}

QString helpFolder(const QString& programFolder) {
    const QDir bin(programFolder);
    // The installed layout's data folder relative to the programs' folder comes
    // from the build's install directories.
    const QString candidates[] = {
        bin.filePath(QStringLiteral("help")),
        bin.filePath(QStringLiteral(ULVANTA_DATA_FROM_BIN "/help")),
    };
    for (const QString& folder : candidates) {
        if (QFileInfo(folder + QStringLiteral("/index.html")).isFile())
            return QDir::cleanPath(folder) + QLatin1Char('/');
    }
    return QDir::cleanPath(candidates[0]) + QLatin1Char('/');
}

QIcon applicationIcon() {
    QIcon icon;
    const QDir sizes(QStringLiteral(":/icons/hicolor"));
    for (const QString& size : sizes.entryList(QDir::Dirs))
        icon.addFile(sizes.filePath(size + QStringLiteral("/apps/") + applicationId() +
                                    QStringLiteral(".png")));
    return icon;
}

} // namespace ulvanta::ProgramFiles
