#include "dialogs/frmImport.h"

#include "document/ImportCommand.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ulvanta {

frmImport::frmImport(ImportCommand& command, QWidget* parent)
    : QDialog(parent), m_command(command) {
    setObjectName(QStringLiteral("frmImport"));
    setWindowTitle(QStringLiteral("Import Ulvanta File Items"));

    lblFile = new QLabel(QStringLiteral("&File name:"));
    lblFile->setObjectName(QStringLiteral("lblFile"));
    txtFile = new QLineEdit;
    txtFile->setObjectName(QStringLiteral("txtFile"));
    txtFile->setMinimumWidth(320);
    lblFile->setBuddy(txtFile);
    cmdBrowse = new QPushButton(QStringLiteral("..."));
    cmdBrowse->setObjectName(QStringLiteral("cmdBrowse"));
    cmdBrowse->setAutoDefault(false);
    cmdBrowse->setToolTip(QStringLiteral("Choose an Ulvanta File to Import"));
    lblSection = new QLabel(QStringLiteral("New &section name (optional):"));
    lblSection->setObjectName(QStringLiteral("lblSection"));
    txtSection = new QLineEdit;
    txtSection->setObjectName(QStringLiteral("txtSection"));
    lblSection->setBuddy(txtSection);
    cmdImport = new QPushButton(QStringLiteral("Import"));
    cmdImport->setObjectName(QStringLiteral("cmdImport"));
    cmdImport->setDefault(true);
    cmdClose = new QPushButton(QStringLiteral("Close"));
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setAutoDefault(false);

    connect(cmdBrowse, &QPushButton::clicked, this, &frmImport::cmdBrowse_Click);
    connect(cmdImport, &QPushButton::clicked, this, &frmImport::cmdImport_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);

    auto* grid = new QGridLayout;
    grid->addWidget(lblFile, 0, 0, 1, 2);
    grid->addWidget(txtFile, 1, 0);
    grid->addWidget(cmdBrowse, 1, 1);
    grid->addWidget(lblSection, 2, 0, 1, 2);
    grid->addWidget(txtSection, 3, 0, 1, 2);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdImport);
    buttons->addWidget(cmdClose);

    auto* top = new QVBoxLayout(this);
    top->addLayout(grid);
    top->addLayout(buttons);
}

void frmImport::cmdBrowse_Click() {
    if (const auto path = m_command.browse())
        txtFile->setText(*path);
}

void frmImport::cmdImport_Click() {
    m_command.import(txtFile->text(), txtSection->text());
    emit imported();
}

} // namespace ulvanta
