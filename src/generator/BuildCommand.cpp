#include "generator/BuildCommand.h"

#include "components/KeyFile.h"
#include "components/PackFile.h"
#include "components/Prompter.h"
#include "components/UlvError.h"
#include "document/Document.h"
#include "generator/modGenHTML.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace ulvanta {

namespace {

const QString kHtmlFile = QStringLiteral("(HTML File)");

// Why a file cannot be written at this path, as an error.
UlvError unwritable(const QString& path) {
    const QFileInfo fi(path);
    if (fi.isDir())
        return UlvError(UlvError::PathFileAccess);
    if (!QFileInfo(fi.absolutePath()).isDir())
        return UlvError(UlvError::PathNotFound);
    return UlvError(UlvError::PermissionDenied);
}

} // namespace

namespace PageFile {

QString basePath(const QString& htmlPath) {
    const qsizetype dot = htmlPath.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        throw UlvError(UlvError::BadFileName);
    return htmlPath.left(dot);
}

void write(const QString& path, const QString& page) {
    if (PackFile::FileExists(path) && !QFile::remove(path))
        throw unwritable(path);
    QSaveFile f(path);
    // Unbuffered, so that a full disk fails the write rather than the commit.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw unwritable(path);
    const QByteArray bytes = page.toLocal8Bit();
    if (f.write(bytes) != bytes.size())
        throw UlvError(UlvError::DiskFull);
    if (!f.commit())
        throw unwritable(path);
}

void build(const Document& doc, KeyFile& keys, const QString& htmlPath) {
    const QString base = basePath(htmlPath);
    // A page that could never be written is refused before the icon folder of an
    // earlier build is touched.
    const QFileInfo fi(htmlPath);
    if (fi.isDir() || !QFileInfo(fi.absolutePath()).isDir() ||
        !QFileInfo(fi.absolutePath()).isWritable())
        throw unwritable(htmlPath);
    if (PackFile::FileExists(htmlPath) && !QFile::remove(htmlPath))
        throw unwritable(htmlPath);
    const QString page = PageGenerator(doc, keys).GenHTML(true, base);
    write(htmlPath, page);
}

} // namespace PageFile

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
    QString proposed = m_doc.ReadProp(kHtmlFile, true);
    if (!proposed.isEmpty() && !QFileInfo(QFileInfo(proposed).absolutePath()).isDir())
        proposed.clear();
    const auto chosen =
        m_prompter.chooseFile({QStringLiteral("Build the HTML File"), filter(), proposed, true});
    if (!chosen)
        return false;
    const QString path = *chosen;

    try {
        BusyPointer busy(m_prompter);
        PageFile::build(m_doc, m_keys, path);
    } catch (const UlvError& e) {
        m_prompter.message(ErrorText::buildError(path, e), QStringLiteral("Build Error"),
                           PromptIcon::Critical);
        return false;
    }
    m_doc.WriteProp(kHtmlFile, path);
    m_doc.Changed = true;
    m_doc.requestCheckmenus();
    return true;
}

} // namespace ulvanta
