#pragma once

#include <QString>

namespace ulvanta {

class Document;

// The preview page "PME.htm" in the TEMP folder (the TEMP environment variable,
// else the system's temporary folder), written by the Preview tab and removed
// when the editor closes.
QString previewFilePath();

// What the HTML tab shows: the page as generated for viewing, or, when it cannot
// be generated, a line saying why.
QString htmlViewText(const Document& doc);

// The outcome of writing the preview file.
struct PreviewOutcome {
    bool ok = false;
    QString path;    // the preview file
    QString message; // why there is no preview, when !ok
};

// Writes the page for viewing into the preview file (an old one deleted first).
// Never throws: a page that cannot be generated or a TEMP folder that cannot be
// written is described in the outcome.
PreviewOutcome writePreviewFile(const Document& doc);

} // namespace ulvanta
