#include "launcher/LauncherPrompter.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <cstdio>

namespace ulvanta::launcher {

PromptAnswer LauncherPrompter::message(const QString& text, const QString& title, PromptIcon icon,
                                       PromptButtons buttons, PromptAnswer defaultButton) {
    if (icon == PromptIcon::Critical) {
        std::fprintf(stderr, "%s: %s\n", qUtf8Printable(title), qUtf8Printable(text));
        std::fflush(stderr);
    }
    QMessageBox box(m_parent);
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
    case PromptIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case PromptIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case PromptIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case PromptIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case PromptIcon::None:
        break;
    }
    QMessageBox::StandardButton def = QMessageBox::Ok;
    switch (buttons) {
    case PromptButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case PromptButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case PromptButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (defaultButton) {
    case PromptAnswer::Yes:
        def = QMessageBox::Yes;
        break;
    case PromptAnswer::No:
        def = QMessageBox::No;
        break;
    case PromptAnswer::Cancel:
        def = QMessageBox::Cancel;
        break;
    case PromptAnswer::Ok:
        break;
    }
    box.setDefaultButton(def);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return PromptAnswer::Yes;
    case QMessageBox::No:
        return PromptAnswer::No;
    case QMessageBox::Cancel:
        return PromptAnswer::Cancel;
    default:
        return buttons == PromptButtons::Ok ? PromptAnswer::Ok : PromptAnswer::Cancel;
    }
}

std::optional<QString> LauncherPrompter::input(const QString& prompt, const QString& title,
                                               const QString& defaultText) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(m_parent, title, prompt, QLineEdit::Normal, defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

std::optional<QString> LauncherPrompter::chooseFile(const FileRequest& request) {
    QFileDialog dialog(m_parent, request.title);
    dialog.setNameFilters(filterToNameFilters(request.filter));
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!request.fileName.isEmpty()) {
        const QFileInfo fi(request.fileName);
        dialog.setDirectory(fi.absolutePath());
        dialog.selectFile(fi.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

QString LauncherPrompter::chooseFolder(const QString& prompt) {
    return QFileDialog::getExistingDirectory(m_parent, prompt);
}

} // namespace ulvanta::launcher
