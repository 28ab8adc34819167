#pragma once

#include <QString>

namespace ulvanta {

class Document;
class PageRows;
class Prompter;

namespace BuiltPage {

// Writes the page as the file's whole content in UTF-8 (plain ASCII for every
// page HtmlText::encode made), without byte-order mark. An existing
// file is replaced only once the whole page is written. Throws Error.
void write(const QString& path, const QString& page);

// Builds the page into a file: everything Build does once the file is chosen
// (the icon folder included), and nothing to the document. The same code serves
// the editor and the command-line builder. A build that fails leaves the page
// and its icon folder as they were. Returns how many icons were extracted.
// Throws Error.
int build(const Document& doc, const QString& htmlPath);
// The same with the document's settings over other rows: a file's, read for its
// page alone.
int build(const Document& doc, const PageRows& rows, const QString& htmlPath);

} // namespace BuiltPage

// The Build command: asks for the HTML file, builds the page there, records the
// file in "(HTML File)". Failures are reported as "Build Error".
class BuildController {
public:
    BuildController(Document& doc, Prompter& prompter) : m_doc(doc), m_prompter(prompter) {}

    static QString filter() {
        return QStringLiteral("HTML Document (*.htm;*.html)|*.htm;*.html|All files (*.*)|*.*");
    }

    // True when a page was built.
    bool run();
    // After a build, what the status bar says of it: "Built page.htm: 12 icons,
    // 3 extracted".
    QString builtText() const;

private:
    Document& m_doc;
    Prompter& m_prompter;
    QString m_built; // the page built, once built
    int m_extracted = 0;
};

} // namespace ulvanta
