#pragma once

#include "components/Prompter.h"

class QWidget;

namespace ulvanta::launcher {

// The launcher's message boxes and file questions (QMessageBox, QInputDialog,
// QFileDialog) over its window. A critical message also goes to standard error,
// so a page that fails to open is reported on the command line too.
class LauncherPrompter : public Prompter {
public:
    explicit LauncherPrompter(QWidget* parent) : m_parent(parent) {}

    PromptAnswer message(const QString& text, const QString& title, PromptIcon icon,
                         PromptButtons buttons, PromptAnswer defaultButton) override;
    std::optional<QString> input(const QString& prompt, const QString& title,
                                 const QString& defaultText) override;
    std::optional<QString> chooseFile(const FileRequest& request) override;
    QString chooseFolder(const QString& prompt) override;

private:
    QWidget* m_parent;
};

} // namespace ulvanta::launcher
