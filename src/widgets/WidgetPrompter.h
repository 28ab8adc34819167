#pragma once

#include "components/Prompter.h"

class QWidget;

namespace ulvanta {

// The prompter of the running program: QMessageBox, QInputDialog and QFileDialog
// over a parent window.
class WidgetPrompter : public Prompter {
public:
    explicit WidgetPrompter(QWidget* parent) : m_parent(parent) {}

    PromptAnswer message(const QString& text, const QString& title, PromptIcon icon,
                         PromptButtons buttons, PromptAnswer defaultButton) override;
    std::optional<QString> input(const QString& prompt, const QString& title,
                                 const QString& defaultText) override;
    std::optional<QString> chooseFile(const FileRequest& request) override;
    QString chooseFolder(const QString& prompt) override;
    void setBusy(bool busy) override;

private:
    QWidget* m_parent;
};

} // namespace ulvanta
