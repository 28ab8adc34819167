#include "generator/PreviewFile.h"

#include "components/EntryContainer.h"
#include "components/Error.h"
#include "components/FileChecks.h"
#include "generator/BuildController.h"
#include "generator/PageWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace ulvanta {

namespace {
QString notGenerated(const Error& e) {
    return QCoreApplication::translate("PreviewFile", "The page could not be generated - %1")
        .arg(e.describe());
}
QString notWritten(const QString& path, const Error& e) {
    return QCoreApplication::translate("PreviewFile",
                                       "The preview file '%1' could not be written - %2")
        .arg(path, e.describe());
}
} // namespace

PreviewFolder::PreviewFolder() = default;
PreviewFolder::~PreviewFolder() = default;

QString PreviewFolder::parentFolder() {
    QString parent = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (parent.isEmpty() || !QDir(parent).exists())
        parent = qEnvironmentVariable("TEMP");
    if (parent.isEmpty())
        parent = QDir::tempPath();
    if (parent.size() > 1 &&
        (parent.endsWith(QLatin1Char('/')) || parent.endsWith(QDir::separator())))
        parent.chop(1);
    return parent;
}

QString PreviewFolder::filePath() {
    if (!m_dir) {
        // The name is made and the folder created at once with mode 0700, so no one
        // else can put a file of theirs in its place.
        auto dir = std::make_unique<QTemporaryDir>(parentFolder() +
                                                   QStringLiteral("/ulvanta-editor-XXXXXX"));
        if (!dir->isValid())
            return {};
        QFile::setPermissions(dir->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_dir = std::move(dir);
    }
    return existingFilePath();
}

QString PreviewFolder::existingFilePath() const {
    return m_dir ? m_dir->filePath(QStringLiteral("PME.htm")) : QString();
}

QString htmlViewText(const Document& doc) {
    try {
        return PageWriter(doc).page();
    } catch (const Error& e) {
        return notGenerated(e);
    }
}

PreviewOutcome writePreviewFile(const Document& doc, PreviewFolder& folder) {
    PreviewOutcome out;
    out.path = folder.filePath();
    if (out.path.isEmpty()) {
        out.message = notWritten(folder.parentFolder() + QStringLiteral("/PME.htm"),
                                 Error(Error::PathNotFound));
        return out;
    }
    if (FileChecks::fileExists(out.path))
        QFile::remove(out.path);
    QString page;
    try {
        page = PageWriter(doc).page();
    } catch (const Error& e) {
        out.message = notGenerated(e);
        return out;
    }
    try {
        BuiltPage::write(out.path, page);
    } catch (const Error& e) {
        out.message = notWritten(out.path, e);
        return out;
    }
    out.ok = true;
    return out;
}

} // namespace ulvanta
