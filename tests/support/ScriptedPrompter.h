#pragma once

#include "components/Prompter.h"

#include <QList>
#include <QString>
#include <deque>

namespace ulvanta::test {

// A prompter that records every question and answers from scripts queued by the
// test. An unscripted message gets its default button; an unscripted input, file
// or folder question is cancelled.
class ScriptedPrompter : public Prompter {
public:
    struct Message {
        QString text;
        QString title;
        PromptIcon icon;
        PromptButtons buttons;
        PromptAnswer defaultButton;
    };

    PromptAnswer message(const QString& text, const QString& title, PromptIcon icon,
                         PromptButtons buttons, PromptAnswer defaultButton) override;
    std::optional<QString> input(const QString& prompt, const QString& title,
                                 const QString& defaultText) override;
    std::optional<QString> chooseFile(const FileRequest& request) override;
    QString chooseFolder(const QString& prompt) override;
    void setBusy(bool busy) override;

    std::deque<PromptAnswer> answers;          // for message()
    std::deque<std::optional<QString>> inputs; // for input()
    std::deque<std::optional<QString>> files;  // for chooseFile()
    std::deque<QString> folders;               // for chooseFolder()

    QList<Message> messages;
    QList<FileRequest> fileRequests;
    QStringList inputPrompts;
    QStringList inputDefaults;
    QStringList folderPrompts;
    int busyDepth = 0;
    int busyCount = 0;
};

} // namespace ulvanta::test
