#include "dialogs/HtmlTextDialog.h"

#include "edits/Document.h"
#include "forms/PropertyDialogs.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ulvanta {

HtmlTextDialog::HtmlTextDialog(Document& doc, int row, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_row(row) {
    setObjectName(QStringLiteral("HtmlTextDialog"));
    setWindowTitle(tr("Text Editor"));
    const bool valid = row >= 0 && row < doc.props().count();

    m_descriptionLabel =
        new QLabel(PropertyDialogs::multiLineLabel(valid ? doc.props().name(row) : QString()));
    m_descriptionLabel->setObjectName(QStringLiteral("descriptionLabel"));
    m_textEdit = new QPlainTextEdit;
    m_textEdit->setObjectName(QStringLiteral("textEdit"));
    QFont mono(QStringLiteral("Courier New"));
    mono.setStyleHint(QFont::TypeWriter);
    m_textEdit->setFont(mono);
    m_textEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_textEdit->setMinimumSize(480, 260);
    // Spaces indent HTML as well as a tab does: Tab goes on to the buttons.
    m_textEdit->setTabChangesFocus(true);
    m_descriptionLabel->setBuddy(m_textEdit);
    // Enter belongs to the text: neither button is the default.
    m_okButton = new QPushButton(tr("&OK"));
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_okButton->setAutoDefault(false);
    m_cancelButton = new QPushButton(tr("Cancel"));
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    m_cancelButton->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_descriptionLabel);
    layout->addWidget(m_textEdit, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);
    layout->addLayout(buttons);

    connect(m_okButton, &QPushButton::clicked, this, &HtmlTextDialog::commit);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    m_textEdit->setPlainText(
        PropertyDialogs::toEditorText(PropertyDialogs::multiLineText(doc, row)));
}

void HtmlTextDialog::commit() {
    PropertyDialogs::commitMultiLine(m_doc, m_row,
                                     PropertyDialogs::fromEditorText(m_textEdit->toPlainText()));
    accept();
}

} // namespace ulvanta
