#pragma once

#include <QString>

namespace ulvanta {

class Document;
class KeyValueFile;
class Prompter;

namespace BuiltPage {

// The base path of a built page: the path with everything from its last "."
// removed ("/pages/menu.htm" gives "/pages/menu"); it names the icon folder.
// Throws Error 52 for a path without any ".".
QString basePath(const QString& htmlPath);

// Writes the page as the file's whole content in UTF-8 (plain ASCII for every
// page HtmlText::encode made), without byte-order mark. An existing
// file is replaced. Throws Error.
void write(const QString& path, const QString& page);

// Builds the page into a file: everything Build does once the file is chosen
// (the icon folder included), and nothing to the document. The same code serves
// the editor and the command-line builder. Throws Error.
void build(const Document& doc, KeyValueFile& keys, const QString& htmlPath);

} // namespace BuiltPage

// The Build command: asks for the HTML file, builds the page there, records the
// file in "(HTML File)". Failures are reported as "Build Error".
class BuildController {
public:
    BuildController(Document& doc, Prompter& prompter, KeyValueFile& keys)
        : m_doc(doc), m_prompter(prompter), m_keys(keys) {}

    static QString filter() {
        return QStringLiteral("HTML Document (*.htm;*.html)|*.htm;*.html|All files (*.*)|*.*");
    }

    // True when a page was built.
    bool run();

private:
    Document& m_doc;
    Prompter& m_prompter;
    KeyValueFile& m_keys;
};

} // namespace ulvanta
