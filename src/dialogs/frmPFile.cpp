#include "dialogs/frmPFile.h"

#include "dialogs/DialogParts.h"

#include "document/Document.h"
#include "document/PropertyDialogs.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ulvanta {

frmPFile::frmPFile(Document& doc, int row, const FileRequest& request, const QString& label,
                   Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_row(row), m_request(request), m_prompter(prompter) {
    setObjectName(QStringLiteral("frmPFile"));
    setWindowTitle(QStringLiteral("Choose File"));
    const bool valid = row >= 0 && row < doc.props().count();
    if (valid)
        m_name = doc.props().name(row);

    lblDesc = new QLabel(label);
    lblDesc->setObjectName(QStringLiteral("lblDesc"));
    txtFile = new QLineEdit;
    txtFile->setObjectName(QStringLiteral("txtFile"));
    txtFile->setMinimumWidth(320);
    lblDesc->setBuddy(txtFile);
    cmdBrowse = makeButton(QStringLiteral("..."), QStringLiteral("cmdBrowse"), ButtonRole::Other);
    cmdOK = makeButton(QStringLiteral("OK"), QStringLiteral("cmdOK"), ButtonRole::Default);
    cmdCancel =
        makeButton(QStringLiteral("Cancel"), QStringLiteral("cmdCancel"), ButtonRole::Other);

    auto* grid = new QGridLayout(this);
    grid->addWidget(lblDesc, 0, 0, 1, 2);
    grid->addWidget(txtFile, 1, 0);
    grid->addWidget(cmdBrowse, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    grid->addLayout(buttons, 2, 0, 1, 2);

    connect(cmdBrowse, &QPushButton::clicked, this, &frmPFile::browse);
    connect(cmdOK, &QPushButton::clicked, this, &frmPFile::commit);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    if (valid)
        txtFile->setText(doc.props().setting(row));
}

void frmPFile::browse() {
    if (const auto path = m_prompter.chooseFile(m_request))
        txtFile->setText(PropertyDialogs::browsedFileText(m_name, *path));
}

void frmPFile::commit() {
    PropertyDialogs::commitSetting(m_doc, m_row, txtFile->text());
    accept();
}

} // namespace ulvanta
