#include "widgets/WidgetPrompter.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace ulvanta {

namespace {
QMessageBox::StandardButton toButton(PromptAnswer a) {
    switch (a) {
    case PromptAnswer::Yes:
        return QMessageBox::Yes;
    case PromptAnswer::No:
        return QMessageBox::No;
    case PromptAnswer::Cancel:
        return QMessageBox::Cancel;
    case PromptAnswer::Ok:
        break;
    }
    return QMessageBox::Ok;
}
} // namespace

int WidgetPrompter::show(QMessageBox& box, const QString& text, const QString& title,
                         PromptIcon icon) {
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
    // Restore the normal pointer while the user reads the message.
    const bool busy = QApplication::overrideCursor() != nullptr;
    if (busy)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int r = box.exec();
    if (busy)
        QApplication::restoreOverrideCursor();
    return r;
}

bool WidgetPrompter::offerAction(const QString& text, const QString& title, PromptIcon icon,
                                 const QString& action) {
    QMessageBox box(m_parent);
    box.setStandardButtons(QMessageBox::Ok);
    QPushButton* extra = box.addButton(action, QMessageBox::ActionRole);
    box.setDefaultButton(QMessageBox::Ok);
    show(box, text, title, icon);
    return box.clickedButton() == extra;
}

PromptAnswer WidgetPrompter::message(const QString& text, const QString& title, PromptIcon icon,
                                     PromptButtons buttons, PromptAnswer defaultButton) {
    QMessageBox box(m_parent);
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
    box.setDefaultButton(toButton(defaultButton));
    switch (show(box, text, title, icon)) {
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

std::optional<QString> WidgetPrompter::input(const QString& prompt, const QString& title,
                                             const QString& defaultText) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(m_parent, title, prompt, QLineEdit::Normal, defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

std::optional<QString> WidgetPrompter::chooseFile(const FileRequest& request) {
    QFileDialog dlg(m_parent, request.title);
    dlg.setNameFilters(filterToNameFilters(request.filter));
    dlg.setOption(QFileDialog::ReadOnly, false);
    // Added before the dialog asks about replacing, so it asks about the real file.
    dlg.setDefaultSuffix(request.defaultSuffix);
    if (request.save) {
        dlg.setAcceptMode(QFileDialog::AcceptSave);
        dlg.setFileMode(QFileDialog::AnyFile);
    } else {
        dlg.setAcceptMode(QFileDialog::AcceptOpen);
        dlg.setFileMode(QFileDialog::ExistingFile);
    }
    if (!request.fileName.isEmpty()) {
        const QFileInfo fi(request.fileName);
        dlg.setDirectory(fi.absolutePath());
        dlg.selectFile(fi.fileName());
    }
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(
        withDefaultSuffix(dlg.selectedFiles().constFirst(), request.defaultSuffix));
}

QString WidgetPrompter::chooseFolder(const QString& prompt) {
    QString caption = prompt;
    caption.remove(QLatin1Char('&'));
    return QDir::toNativeSeparators(QFileDialog::getExistingDirectory(m_parent, caption));
}

void WidgetPrompter::setBusy(bool busy) {
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

} // namespace ulvanta
