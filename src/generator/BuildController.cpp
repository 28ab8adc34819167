#include "generator/BuildController.h"

#include "components/EntryContainer.h"
#include "components/Error.h"
#include "components/Prompter.h"
#include "edits/Document.h"
#include "generator/IconFolder.h"
#include "generator/PageWriter.h"
#include "generator/WritebackDevice.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

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
    WritebackDevice device(file);
    f(device);
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

int build(const Document& doc, const QString& htmlPath) {
    return build(doc, ListRows(doc.items()), htmlPath);
}

int build(const Document& doc, const PageRows& rows, const QString& htmlPath) {
    const QString base = IconFolder::pathFor(htmlPath);
    // A page that could never be written is refused before the icon folder of an
    // earlier build is touched.
    const QFileInfo fi(htmlPath);
    if (fi.isDir() || !QFileInfo(fi.absolutePath()).isDir() ||
        !QFileInfo(fi.absolutePath()).isWritable())
        throw unwritable(htmlPath);
    IconFolder icons(base);
    writeWith(
        htmlPath, [&](QIODevice& file) { PageWriter(doc, rows, &icons).write(file); },
        [&] { icons.commit(); });
    return icons.count();
}

} // namespace BuiltPage

bool BuildController::run() {
    if (m_doc.items().isEmpty()) {
        const PromptAnswer a = m_prompter.message(
            QCoreApplication::translate(
                "BuildController",
                "There are no icons in the list.  Do you still want to build the HTML file?"),
            QCoreApplication::translate("BuildController", "No Items in List"),
            PromptIcon::Question, PromptButtons::YesNo, PromptAnswer::No);
        if (a != PromptAnswer::Yes)
            return false;
    }

    // A proposal the dialog could not start from (its folder is gone) is dropped.
    QString proposed = m_doc.setting(Setting::HtmlFile);
    if (!proposed.isEmpty() && !QFileInfo(QFileInfo(proposed).absolutePath()).isDir())
        proposed.clear();
    const QString suffix = QStringLiteral("htm");
    const auto chosen = m_prompter.chooseFile(
        {QCoreApplication::translate("BuildController", "Build the HTML File"), filter(), proposed,
         true, suffix});
    if (!chosen)
        return false;
    const QString path = withDefaultSuffix(*chosen, suffix);

    try {
        BusyPointer busy(m_prompter);
        m_extracted = BuiltPage::build(m_doc, path);
    } catch (const Error& e) {
        m_prompter.message(ErrorMessages::buildError(path, e),
                           QCoreApplication::translate("BuildController", "Build Error"),
                           PromptIcon::Critical);
        return false;
    }
    m_doc.edits().push(changeSettingsStep(m_doc,
                                          QCoreApplication::translate("BuildController", "Build"),
                                          {{Setting::HtmlFile, path, {}}}));
    m_doc.requestActionUpdate();
    m_built = path;
    return true;
}

QString BuildController::builtText() const {
    if (m_built.isEmpty())
        return {};
    int icons = 0;
    for (int row = 0; row < m_doc.items().count(); ++row)
        icons += m_doc.items().isSection(row) ? 0 : 1;
    return QCoreApplication::translate("BuildController", "Built %1: %n icon(s), %2 extracted",
                                       nullptr, icons)
        .arg(QFileInfo(m_built).fileName(), QString::number(m_extracted));
}

} // namespace ulvanta
