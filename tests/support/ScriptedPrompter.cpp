#include "ScriptedPrompter.h"

namespace ulvanta::test {

PromptAnswer ScriptedPrompter::message(const QString& text, const QString& title, PromptIcon icon,
                                       PromptButtons buttons, PromptAnswer defaultButton) {
    messages.append({text, title, icon, buttons, defaultButton});
    if (answers.empty())
        return defaultButton;
    const PromptAnswer a = answers.front();
    answers.pop_front();
    return a;
}

std::optional<QString> ScriptedPrompter::input(const QString& prompt, const QString& title,
                                               const QString& defaultText) {
    inputPrompts << prompt + QLatin1Char('|') + title;
    inputDefaults << defaultText;
    if (inputs.empty())
        return std::nullopt;
    auto a = inputs.front();
    inputs.pop_front();
    return a;
}

std::optional<QString> ScriptedPrompter::chooseFile(const FileRequest& request) {
    fileRequests.append(request);
    if (files.empty())
        return std::nullopt;
    auto a = files.front();
    files.pop_front();
    return a;
}

QString ScriptedPrompter::chooseFolder(const QString& prompt) {
    folderPrompts << prompt;
    if (folders.empty())
        return {};
    QString a = folders.front();
    folders.pop_front();
    return a;
}

void ScriptedPrompter::setBusy(bool busy) {
    busyDepth += busy ? 1 : -1;
    if (busy)
        ++busyCount;
}

} // namespace ulvanta::test
