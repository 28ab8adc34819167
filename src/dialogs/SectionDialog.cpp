#include "dialogs/SectionDialog.h"

#include "edits/Document.h"
#include "model/SectionRow.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ulvanta {

SectionDialog::SectionDialog(Document& doc, DialogMode mode, int row, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_mode(mode), m_row(row) {
    setObjectName(QStringLiteral("SectionDialog"));
    setModal(true);
    buildForm();
    setWindowTitle(tr("Add Section"));
    if (m_mode == DialogMode::Edit) {
        const QString t = row >= 0 ? m_doc.items().cell(row, ColDescription) : QString();
        const SectionEntry::Fields f = SectionEntry::fromRow(t);
        setWindowTitle(tr("Edit Section %1").arg(f.name));
        m_nameEdit->setText(f.name);
        m_columnsEdit->setText(f.columns);
        m_iconSizeEdit->setText(f.iconSize);
        m_iconsAboveCheck->setChecked(f.iconsAbove);
        m_tableBorderCheck->setChecked(f.tableBorder);
        m_addButton->setText(tr("Edit"));
    }
    m_nameEdit->setFocus();
}

void SectionDialog::buildForm() {
    const SectionEntry::Fields defaults;
    m_nameEdit = new QLineEdit;
    m_nameEdit->setObjectName(QStringLiteral("nameEdit"));
    m_nameLabel = new QLabel(tr("&Name:"));
    m_nameLabel->setBuddy(m_nameEdit);
    m_columnsEdit = new QLineEdit(defaults.columns);
    m_columnsEdit->setObjectName(QStringLiteral("columnsEdit"));
    m_columnsLabel = new QLabel(tr("&Columns (1 minimum):"));
    m_columnsLabel->setBuddy(m_columnsEdit);
    m_iconSizeEdit = new QLineEdit(defaults.iconSize);
    m_iconSizeEdit->setObjectName(QStringLiteral("iconSizeEdit"));
    m_iconSizeLabel = new QLabel(tr("Icon &size (16 minimum):"));
    m_iconSizeLabel->setBuddy(m_iconSizeEdit);
    m_iconsAboveCheck = new QCheckBox(tr("Icons &above"));
    m_iconsAboveCheck->setObjectName(QStringLiteral("iconsAboveCheck"));
    m_iconsAboveCheck->setChecked(defaults.iconsAbove);
    m_tableBorderCheck = new QCheckBox(tr("&Table border"));
    m_tableBorderCheck->setObjectName(QStringLiteral("tableBorderCheck"));
    m_tableBorderCheck->setChecked(defaults.tableBorder);
    for (QLabel* l : {m_nameLabel, m_columnsLabel, m_iconSizeLabel})
        l->setObjectName(QStringLiteral("lbl") + l->buddy()->objectName().mid(3));

    m_addButton = new QPushButton(tr("Add"));
    m_addButton->setObjectName(QStringLiteral("addButton"));
    m_addButton->setDefault(true);
    m_cancelButton = new QPushButton(tr("Cancel"));
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));

    auto* grid = new QGridLayout;
    grid->addWidget(m_nameLabel, 0, 0);
    grid->addWidget(m_nameEdit, 0, 1);
    grid->addWidget(m_columnsLabel, 1, 0);
    grid->addWidget(m_columnsEdit, 1, 1);
    grid->addWidget(m_iconSizeLabel, 2, 0);
    grid->addWidget(m_iconSizeEdit, 2, 1);
    grid->addWidget(m_iconsAboveCheck, 3, 1);
    grid->addWidget(m_tableBorderCheck, 4, 1);
    grid->setColumnMinimumWidth(1, 220);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_addButton);
    buttons->addWidget(m_cancelButton);
    buttons->addStretch(1);
    auto* outer = new QHBoxLayout(this);
    outer->addLayout(grid, 1);
    outer->addLayout(buttons);

    m_columnsEdit->installEventFilter(this);
    m_iconSizeEdit->installEventFilter(this);
    connect(m_addButton, &QPushButton::clicked, this, &SectionDialog::confirm);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

namespace {
void applyRule(QLineEdit* field, const SectionEntry::NumberRule& rule) {
    const QString text = SectionEntry::applyRule(field->text(), rule);
    if (text != field->text())
        field->setText(text);
}
} // namespace

bool SectionDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        if (watched == m_columnsEdit)
            applyRule(m_columnsEdit, SectionEntry::ColumnsRule);
        else if (watched == m_iconSizeEdit)
            applyRule(m_iconSizeEdit, SectionEntry::IconSizeRule);
    }
    return QDialog::eventFilter(watched, event);
}

void SectionDialog::applyRules() {
    applyRule(m_columnsEdit, SectionEntry::ColumnsRule);
    applyRule(m_iconSizeEdit, SectionEntry::IconSizeRule);
}

SectionEntry::Fields SectionDialog::fields() const {
    return {m_nameEdit->text(), m_columnsEdit->text(), m_iconSizeEdit->text(),
            m_iconsAboveCheck->isChecked(), m_tableBorderCheck->isChecked()};
}

void SectionDialog::confirm() {
    // Enter confirms without the focus leaving a numeric field: the rules run here too.
    applyRules();
    SectionEntry::confirm(m_doc, fields(), m_mode == DialogMode::Edit, m_row);
    accept();
}

} // namespace ulvanta
