#include "generator/PreviewFile.h"

#include "components/PackFile.h"
#include "components/UlvError.h"
#include "generator/BuildCommand.h"
#include "generator/modGenHTML.h"

#include <QDir>
#include <QFile>

namespace ulvanta {

namespace {
QString notGenerated(const UlvError& e) {
    return QStringLiteral("The page could not be generated - ") + e.describe();
}
} // namespace

QString previewFilePath() {
    QString temp = qEnvironmentVariable("TEMP");
    if (temp.isEmpty())
        temp = QDir::tempPath();
    if (temp.endsWith(QLatin1Char('/')) || temp.endsWith(QDir::separator()))
        temp.chop(1);
    return temp + QLatin1Char('/') + QStringLiteral("PME.htm");
}

QString htmlViewText(const Document& doc, KeyFile& keys) {
    try {
        return PageGenerator(doc, keys).GenHTML(false, QString());
    } catch (const UlvError& e) {
        return notGenerated(e);
    }
}

PreviewOutcome writePreviewFile(const Document& doc, KeyFile& keys) {
    PreviewOutcome out;
    out.path = previewFilePath();
    if (PackFile::FileExists(out.path))
        QFile::remove(out.path);
    QString page;
    try {
        page = PageGenerator(doc, keys).GenHTML(false, QString());
    } catch (const UlvError& e) {
        out.message = notGenerated(e);
        return out;
    }
    try {
        PageFile::write(out.path, page);
    } catch (const UlvError& e) {
        out.message = QStringLiteral("The preview file '") + out.path +
                      QStringLiteral("' could not be written - ") + e.describe();
        return out;
    }
    out.ok = true;
    return out;
}

} // namespace ulvanta
