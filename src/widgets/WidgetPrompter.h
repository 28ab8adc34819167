#pragma once

#include "components/Prompter.h"

class QWidget;

class QMessageBox;

namespace ulvanta {

// The prompter of the running program: QMessageBox, QInputDialog and QFileDialog
// over a parent window.
class WidgetPrompter : public Prompter {
public:
    explicit WidgetPrompter(QWidget* parent) : m_parent(parent) {}

    PromptAnswer message(const QString& text, const QString& title, PromptIcon icon,
                         PromptButtons buttons, PromptAnswer defaultButton) override;
    bool offerAction(const QString& text, const QString& title, PromptIcon icon,
                     const QString& action) override;
    std::optional<QString> input(const QString& prompt, const QString& title,
                                 const QString& defaultText) override;
    std::optional<QString> chooseFile(const FileRequest& request) override;
    QString chooseFolder(const QString& prompt) override;
    void setBusy(bool busy) override;

private:
    // Shows the box over the parent with the normal pointer; its result.
    int show(QMessageBox& box, const QString& text, const QString& title, PromptIcon icon);

    QWidget* m_parent;
};

} // namespace ulvanta
