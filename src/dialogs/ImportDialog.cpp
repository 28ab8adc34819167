#include "dialogs/ImportDialog.h"

#include "commands/ImportController.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ulvanta {

ImportDialog::ImportDialog(ImportController& command, QWidget* parent)
    : QDialog(parent), m_command(command) {
    setObjectName(QStringLiteral("ImportDialog"));
    setWindowTitle(tr("Import Ulvanta File Items"));

    m_fileLabel = new QLabel(tr("&File name:"));
    m_fileLabel->setObjectName(QStringLiteral("fileLabel"));
    m_fileEdit = new QLineEdit;
    m_fileEdit->setObjectName(QStringLiteral("fileEdit"));
    m_fileEdit->setMinimumWidth(320);
    m_fileLabel->setBuddy(m_fileEdit);
    m_browseButton = new QPushButton(QStringLiteral("..."));
    m_browseButton->setObjectName(QStringLiteral("browseButton"));
    m_browseButton->setAccessibleName(tr("Browse for the file to import"));
    m_browseButton->setAutoDefault(false);
    m_browseButton->setToolTip(tr("Choose an Ulvanta File to Import"));
    m_sectionLabel = new QLabel(tr("New &section name (optional):"));
    m_sectionLabel->setObjectName(QStringLiteral("sectionLabel"));
    m_sectionEdit = new QLineEdit;
    m_sectionEdit->setObjectName(QStringLiteral("sectionEdit"));
    m_sectionLabel->setBuddy(m_sectionEdit);
    m_importButton = new QPushButton(tr("Import"));
    m_importButton->setObjectName(QStringLiteral("importButton"));
    m_importButton->setDefault(true);
    m_closeButton = new QPushButton(tr("Close"));
    m_closeButton->setObjectName(QStringLiteral("closeButton"));
    m_closeButton->setAutoDefault(false);

    connect(m_browseButton, &QPushButton::clicked, this, &ImportDialog::browse);
    connect(m_importButton, &QPushButton::clicked, this, &ImportDialog::importFile);
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* grid = new QGridLayout;
    grid->addWidget(m_fileLabel, 0, 0, 1, 2);
    grid->addWidget(m_fileEdit, 1, 0);
    grid->addWidget(m_browseButton, 1, 1);
    grid->addWidget(m_sectionLabel, 2, 0, 1, 2);
    grid->addWidget(m_sectionEdit, 3, 0, 1, 2);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_importButton);
    buttons->addWidget(m_closeButton);

    auto* top = new QVBoxLayout(this);
    top->addLayout(grid);
    top->addLayout(buttons);
}

void ImportDialog::browse() {
    if (const auto path = m_command.browse())
        m_fileEdit->setText(*path);
}

void ImportDialog::importFile() {
    m_command.import(m_fileEdit->text(), m_sectionEdit->text());
    emit imported();
}

} // namespace ulvanta
