#include "ScriptedPrompter.h"

namespace ulvanta::test {

namespace {
std::optional<QString> takeFront(std::deque<std::optional<QString>>& queue) {
    if (queue.empty())
        return std::nullopt;
    const bool answered = queue.front().has_value();
    const QString value = answered ? *queue.front() : QString();
    queue.pop_front();
    if (!answered)
        return std::nullopt;
    return value;
}
} // namespace

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
    return takeFront(inputs);
}

std::optional<QString> ScriptedPrompter::chooseFile(const FileRequest& request) {
    fileRequests.append(request);
    return takeFront(files);
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
