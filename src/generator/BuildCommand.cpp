#include "generator/BuildCommand.h"

#include "components/EntryContainer.h"
#include "components/Error.h"
#include "components/Prompter.h"
#include "document/Document.h"
#include "generator/IconFolder.h"
#include "generator/PageWriter.h"

#include <QFileInfo>
#include <QSaveFile>

namespace ulvanta {

namespace {

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

namespace {

// Writes the file through f(device), then before(), and replaces an existing
// file only once both succeeded. Throws Error.
template <typename F, typename G = void (*)()>
void writeWith(
    const QString& path, F f, G before = [] {}) {
    QSaveFile file(path);
    // Unbuffered, so that a full disk fails the write rather than the commit.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw unwritable(path);
    f(file);
    before();
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

void build(const Document& doc, const QString& htmlPath) {
    const QString base = IconFolder::pathFor(htmlPath);
    // A page that could never be written is refused before the icon folder of an
    // earlier build is touched.
    const QFileInfo fi(htmlPath);
    if (fi.isDir() || !QFileInfo(fi.absolutePath()).isDir() ||
        !QFileInfo(fi.absolutePath()).isWritable())
        throw unwritable(htmlPath);
    IconFolder icons(base);
    writeWith(
        htmlPath, [&](QIODevice& file) { PageWriter(doc, &icons).write(file); },
        [&] { icons.commit(); });
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
    QString proposed = m_doc.setting(Setting::HtmlFile);
    if (!proposed.isEmpty() && !QFileInfo(QFileInfo(proposed).absolutePath()).isDir())
        proposed.clear();
    const auto chosen =
        m_prompter.chooseFile({QStringLiteral("Build the HTML File"), filter(), proposed, true});
    if (!chosen)
        return false;
    const QString path = *chosen;

    try {
        BusyPointer busy(m_prompter);
        BuiltPage::build(m_doc, path);
    } catch (const Error& e) {
        m_prompter.message(ErrorMessages::buildError(path, e), QStringLiteral("Build Error"),
                           PromptIcon::Critical);
        return false;
    }
    m_doc.edits().push(
        changeSettingsStep(m_doc, QStringLiteral("Build"),
                           {{PropertyTable::displayName(Setting::HtmlFile), path, {}}}));
    m_doc.requestActionUpdate();
    return true;
}

} // namespace ulvanta
