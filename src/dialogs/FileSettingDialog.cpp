#include "dialogs/FileSettingDialog.h"

#include "dialogs/DialogParts.h"

#include "edits/Document.h"
#include "forms/PropertyDialogs.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ulvanta {

FileSettingDialog::FileSettingDialog(Document& doc, int row, const FileRequest& request,
                                     const QString& label, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_row(row), m_request(request), m_prompter(prompter) {
    setObjectName(QStringLiteral("FileSettingDialog"));
    setWindowTitle(tr("Choose File"));
    const bool valid = row >= 0 && row < doc.props().count();
    if (valid)
        m_key = doc.props().key(row);

    m_descriptionLabel = new QLabel(label);
    m_descriptionLabel->setObjectName(QStringLiteral("descriptionLabel"));
    m_fileEdit = new QLineEdit;
    m_fileEdit->setObjectName(QStringLiteral("fileEdit"));
    m_fileEdit->setMinimumWidth(320);
    m_descriptionLabel->setBuddy(m_fileEdit);
    m_browseButton =
        makeButton(QStringLiteral("..."), QStringLiteral("browseButton"), ButtonRole::Other);
    m_browseButton->setAccessibleName(tr("Browse for the file"));
    m_okButton = makeButton(tr("OK"), QStringLiteral("okButton"), ButtonRole::Default);
    m_cancelButton = makeButton(tr("Cancel"), QStringLiteral("cancelButton"), ButtonRole::Other);

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_descriptionLabel, 0, 0, 1, 2);
    grid->addWidget(m_fileEdit, 1, 0);
    grid->addWidget(m_browseButton, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);
    grid->addLayout(buttons, 2, 0, 1, 2);

    connect(m_browseButton, &QPushButton::clicked, this, &FileSettingDialog::browse);
    connect(m_okButton, &QPushButton::clicked, this, &FileSettingDialog::commit);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    if (valid)
        m_fileEdit->setText(doc.props().setting(row));
}

void FileSettingDialog::browse() {
    if (const auto path = m_prompter.chooseFile(m_request))
        m_fileEdit->setText(PropertyDialogs::browsedFileText(m_key, *path));
}

void FileSettingDialog::commit() {
    PropertyDialogs::commitSetting(m_doc, m_row, m_fileEdit->text());
    accept();
}

} // namespace ulvanta
