#include "generator/BuildController.h"

#include "components/EntryContainer.h"
#include "components/Error.h"
#include "components/FileChecks.h"
#include "components/KeyValueFile.h"
#include "components/Prompter.h"
#include "edits/Document.h"
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

namespace {

// Writes the file through f(device), replacing an existing file once the whole
// content is there. Throws Error.
template <typename F> void writeWith(const QString& path, F f) {
    if (FileChecks::fileExists(path) && !QFile::remove(path))
        throw unwritable(path);
    QSaveFile file(path);
    // Unbuffered, so that a full disk fails the write rather than the commit.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw unwritable(path);
    f(file);
    if (!file.commit())
        throw unwritable(path);
}

} // namespace

void write(const QString& path, const QString& page) {
    writeWith(path, [&](QIODevice& file) {
        const QByteArray bytes = page.toUtf8();
        if (file.write(bytes) != bytes.size())
            throw Error(Error::DiskFull);
    });
}

void build(const Document& doc, KeyValueFile& keys, const QString& htmlPath) {
    const QString base = basePath(htmlPath);
    // A page that could never be written is refused before the icon folder of an
    // earlier build is touched.
    const QFileInfo fi(htmlPath);
    if (fi.isDir() || !QFileInfo(fi.absolutePath()).isDir() ||
        !QFileInfo(fi.absolutePath()).isWritable())
        throw unwritable(htmlPath);
    writeWith(htmlPath,
              [&](QIODevice& file) { PageGenerator(doc, keys).generatePage(file, true, base); });
}

} // namespace BuiltPage

bool BuildController::run() {
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
