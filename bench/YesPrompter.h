#pragma once

#include "components/Prompter.h"

// Answers Yes to every question and `typed` to every input box; chooses nothing.
class YesPrompter : public ulvanta::Prompter {
public:
    explicit YesPrompter(std::optional<QString> typed = std::nullopt) : m_typed(std::move(typed)) {}
    ulvanta::PromptAnswer message(const QString&, const QString&, ulvanta::PromptIcon,
                                  ulvanta::PromptButtons, ulvanta::PromptAnswer) override {
        return ulvanta::PromptAnswer::Yes;
    }
    std::optional<QString> input(const QString&, const QString&, const QString&) override {
        return m_typed;
    }
    std::optional<QString> chooseFile(const ulvanta::FileRequest&) override { return std::nullopt; }
    QString chooseFolder(const QString&) override { return {}; }

private:
    std::optional<QString> m_typed;
};
