#include "generator/BuildCommand.h"

#include "components/EntryContainer.h"
#include "components/Error.h"
#include "components/FileChecks.h"
#include "components/KeyValueFile.h"
#include "components/Prompter.h"
#include "document/Document.h"
#include "generator/PageGenerator.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace ulvanta {

namespace {

const QString kHtmlFile = QStringLiteral("(HTML File)");

// Why a file cannot be written at this path, as an error.
Error unwritable(const QString& path) {
    const QFileInfo fi(path);
    if (fi.isDir())
        return Error(Error::PathFileAccess);
    if (!QFileInfo(fi.absolutePath()).isDir())
        return Error(Error::PathNotFound);
    return Error(Error::PermissionDenied);
}

} // namespace

namespace BuiltPage {

QString basePath(const QString& htmlPath) {
    const qsizetype dot = htmlPath.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        throw Error(Error::BadFileName);
    return htmlPath.left(dot);
}

void write(const QString& path, const QString& page) {
    if (FileChecks::fileExists(path) && !QFile::remove(path))
        throw unwritable(path);
    QSaveFile f(path);
    // Unbuffered, so that a full disk fails the write rather than the commit.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw unwritable(path);
    const QByteArray bytes = page.toLocal8Bit();
    if (f.write(bytes) != bytes.size())
        throw Error(Error::DiskFull);
    if (!f.commit())
        throw unwritable(path);
}

void build(const Document& doc, KeyValueFile& keys, const QString& htmlPath) {
    const QString base = basePath(htmlPath);
    // A page that could never be written is refused before the icon folder of an
    // earlier build is touched.
    const QFileInfo fi(htmlPath);
    if (fi.isDir() || !QFileInfo(fi.absolutePath()).isDir() ||
        !QFileInfo(fi.absolutePath()).isWritable())
        throw unwritable(htmlPath);
    if (FileChecks::fileExists(htmlPath) && !QFile::remove(htmlPath))
        throw unwritable(htmlPath);
    const QString page = PageGenerator(doc, keys).generatePage(true, base);
    write(htmlPath, page);
}

} // namespace BuiltPage

bool BuildCommand::run() {
    if (m_doc.items().isEmpty()) {
        const PromptAnswer a = m_prompter.message(
            QStringLiteral("There are no icons in the list.  Do you still want to build the HTML "
                           "file?"),
            QStringLiteral("No Items in List"), PromptIcon::Question, PromptButtons::YesNo,
            PromptAnswer::No);
        if (a != PromptAnswer::Yes)
            return false;
    }

    // A proposal the dialog could not start from (its folder is gone) is dropped.
    QString proposed = m_doc.setting(kHtmlFile);
    if (!proposed.isEmpty() && !QFileInfo(QFileInfo(proposed).absolutePath()).isDir())
        proposed.clear();
    const auto chosen =
        m_prompter.chooseFile({QStringLiteral("Build the HTML File"), filter(), proposed, true});
    if (!chosen)
        return false;
    const QString path = *chosen;

    try {
        BusyPointer busy(m_prompter);
        BuiltPage::build(m_doc, m_keys, path);
    } catch (const Error& e) {
        m_prompter.message(ErrorMessages::buildError(path, e), QStringLiteral("Build Error"),
                           PromptIcon::Critical);
        return false;
    }
    m_doc.edits().push(changeSettingsStep(m_doc, QStringLiteral("Build"), {{kHtmlFile, path, {}}}));
    m_doc.requestActionUpdate();
    return true;
}

} // namespace ulvanta
