#pragma once

#include "components/Prompter.h"

#include <QLocale>
#include <QString>
#include <optional>

namespace ulvanta {

class Document;

// Adding the icon rows of another Ulvanta file, or the links a browser exported, to
// the open document, optionally under a new section; a document's properties are
// never taken over.
class ImportController {
public:
    ImportController(Document& doc, Prompter& prompter) : m_doc(doc), m_prompter(prompter) {}

    enum class Outcome {
        MissingFile, // nothing at the path: reported, nothing read
        Imported,    // the file was read (possibly holding no rows)
        Failed,      // reading failed part-way: reported, rows read so far stay
    };

    // Asks for the file to import; nullopt when the user cancels.
    std::optional<QString> browse();

    // Appends the section row (when the trimmed name is not empty), then the icon
    // rows of the file at path (a document, or a browser's exported bookmarks), and
    // reports the result. The rows appended are one undo step.
    Outcome import(const QString& path, const QString& sectionName);

    // The number of rows added, as the user is told ("1,234 items were successfully
    // added" where digits are grouped by commas).
    static QString resultMessage(qint64 added, const QLocale& locale = QLocale::system());
    // The row a new section gets: its name escaped, the default options.
    static QString sectionRowText(const QString& name);

private:
    Outcome append(const QString& path, const QString& sectionName);

    Document& m_doc;
    Prompter& m_prompter;
};

} // namespace ulvanta
