#include "dialogs/frmPMTB.h"

#include "document/Document.h"
#include "document/PropertyDialogs.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ulvanta {

frmPMTB::frmPMTB(Document& doc, int row, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_row(row) {
    setObjectName(QStringLiteral("frmPMTB"));
    setWindowTitle(QStringLiteral("Text Editor"));
    const bool valid = row >= 0 && row < doc.props().count();

    lblDesc =
        new QLabel(PropertyDialogs::multiLineLabel(valid ? doc.props().name(row) : QString()));
    lblDesc->setObjectName(QStringLiteral("lblDesc"));
    txtMTB = new QPlainTextEdit;
    txtMTB->setObjectName(QStringLiteral("txtMTB"));
    QFont mono(QStringLiteral("Courier New"));
    mono.setStyleHint(QFont::TypeWriter);
    txtMTB->setFont(mono);
    txtMTB->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtMTB->setMinimumSize(480, 260);
    lblDesc->setBuddy(txtMTB);
    // Enter belongs to the text: neither button is the default.
    cmdOK = new QPushButton(QStringLiteral("&OK"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setAutoDefault(false);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblDesc);
    layout->addWidget(txtMTB, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    layout->addLayout(buttons);

    connect(cmdOK, &QPushButton::clicked, this, &frmPMTB::commit);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    txtMTB->setPlainText(PropertyDialogs::toEditorText(PropertyDialogs::multiLineText(doc, row)));
}

void frmPMTB::commit() {
    PropertyDialogs::commitMultiLine(m_doc, m_row,
                                     PropertyDialogs::fromEditorText(txtMTB->toPlainText()));
    accept();
}

} // namespace ulvanta
