#include "generator/PreviewFile.h"

#include <QDir>

namespace ulvanta {

QString previewFilePath() {
    QString temp = qEnvironmentVariable("TEMP");
    if (temp.isEmpty())
        temp = QDir::tempPath();
    if (temp.endsWith(QLatin1Char('/')) || temp.endsWith(QDir::separator()))
        temp.chop(1);
    return temp + QLatin1Char('/') + QStringLiteral("PME.htm");
}

} // namespace ulvanta
