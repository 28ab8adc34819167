#pragma once

#include <QString>
#include <optional>

namespace ulvanta {

enum class PromptIcon { None, Information, Question, Exclamation, Critical };
enum class PromptButtons { Ok, YesNo, YesNoCancel };
enum class PromptAnswer { Ok, Yes, No, Cancel };

// A file dialog request. The filter is in the "Description|pattern|Description|pattern"
// form the program's texts use; the window side turns it into its own form.
struct FileRequest {
    QString title;
    QString filter;
    QString fileName;      // proposed name, may be empty
    bool save = false;     // save form (asks before replacing) or open form (file must exist)
    QString defaultSuffix; // added to a name chosen without an extension ("pmf"), may be empty
};

// The path with "." and the suffix added when its file name has no extension, as the
// save dialog does; unchanged otherwise or when the suffix is empty.
QString withDefaultSuffix(const QString& path, const QString& suffix);

// Every message box, input box and file or folder question goes through this one
// interface, so commands live in the core and tests answer their questions.
class Prompter {
public:
    virtual ~Prompter() = default;

    virtual PromptAnswer message(const QString& text, const QString& title, PromptIcon icon,
                                 PromptButtons buttons = PromptButtons::Ok,
                                 PromptAnswer defaultButton = PromptAnswer::Ok) = 0;

    // A message with OK and one more button, named by `action`, for something the
    // user may also want done; true when that button was chosen.
    virtual bool offerAction(const QString& text, const QString& title, PromptIcon icon,
                             const QString& action) {
        (void)action;
        return message(text, title, icon) == PromptAnswer::Yes;
    }

    // A text input box; nullopt when cancelled.
    virtual std::optional<QString> input(const QString& prompt, const QString& title,
                                         const QString& defaultText) = 0;

    // A file dialog; nullopt when cancelled.
    virtual std::optional<QString> chooseFile(const FileRequest& request) = 0;

    // A folder chooser; empty text when cancelled.
    virtual QString chooseFolder(const QString& prompt) = 0;

    // The busy pointer around long work.
    virtual void setBusy(bool busy) { (void)busy; }
};

// Keeps the busy pointer up for the life of a scope, whichever way it is left.
class BusyPointer {
public:
    explicit BusyPointer(Prompter& prompter) : m_prompter(prompter) { m_prompter.setBusy(true); }
    ~BusyPointer() { m_prompter.setBusy(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    Prompter& m_prompter;
};

// Turns a "Description|pattern|..." filter into the list of name filters a file
// dialog shows ("Description (pattern)" entries).
QStringList filterToNameFilters(const QString& filter);

} // namespace ulvanta
