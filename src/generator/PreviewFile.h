#pragma once

#include <QString>
#include <memory>

class QTemporaryDir;

namespace ulvanta {

class Document;

// This editor's own folder for the preview page "PME.htm": made on first use
// under $XDG_RUNTIME_DIR (else the TEMP environment variable, else the system's
// temporary folder), readable by its owner only, and removed with its content
// when this object goes. Another user or another editor never shares it.
class PreviewFolder {
public:
    PreviewFolder();
    ~PreviewFolder();
    PreviewFolder(const PreviewFolder&) = delete;
    PreviewFolder& operator=(const PreviewFolder&) = delete;

    // The folder the private folder is made in.
    static QString parentFolder();
    // The preview file, its folder made first if need be; empty when the folder
    // cannot be made.
    QString filePath();
    // The preview file if its folder was made, else empty; makes nothing.
    QString existingFilePath() const;

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

// What the HTML tab shows: the page as generated for viewing, or, when it cannot
// be generated, a line saying why.
QString htmlViewText(const Document& doc);

// The outcome of writing the preview file.
struct PreviewOutcome {
    bool ok = false;
    QString path;    // the preview file
    QString message; // why there is no preview, when !ok
};

// Writes the page for viewing into the folder's preview file (an old one deleted
// first). Never throws: a page that cannot be generated or a folder that cannot be
// made or written is described in the outcome.
PreviewOutcome writePreviewFile(const Document& doc, PreviewFolder& folder);

} // namespace ulvanta
