#include "generator/PreviewFile.h"

#include "components/EntryContainer.h"
#include "components/Error.h"
#include "components/FileChecks.h"
#include "generator/BuildController.h"
#include "generator/PageGenerator.h"

#include <QDir>
#include <QFile>

namespace ulvanta {

namespace {
QString notGenerated(const Error& e) {
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

QString htmlViewText(const Document& doc, KeyValueFile& keys) {
    try {
        return PageGenerator(doc, keys).generatePage(false, QString());
    } catch (const Error& e) {
        return notGenerated(e);
    }
}

PreviewOutcome writePreviewFile(const Document& doc, KeyValueFile& keys) {
    PreviewOutcome out;
    out.path = previewFilePath();
    if (FileChecks::fileExists(out.path))
        QFile::remove(out.path);
    QString page;
    try {
        page = PageGenerator(doc, keys).generatePage(false, QString());
    } catch (const Error& e) {
        out.message = notGenerated(e);
        return out;
    }
    try {
        BuiltPage::write(out.path, page);
    } catch (const Error& e) {
        out.message = QStringLiteral("The preview file '") + out.path +
                      QStringLiteral("' could not be written - ") + e.describe();
        return out;
    }
    out.ok = true;
    return out;
}

} // namespace ulvanta
