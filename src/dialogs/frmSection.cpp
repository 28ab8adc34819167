#include "dialogs/frmSection.h"

#include "app/frmPME.h"
#include "document/SectionRow.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ulvanta {

frmSection::frmSection(frmPME& owner) : QDialog(&owner), m_owner(owner) {
    setObjectName(QStringLiteral("frmSection"));
    setModal(true);
    buildForm();
    setWindowTitle(QStringLiteral("Add Section"));
    if (m_owner.EIcon) {
        const int row = m_owner.currentRow();
        const QString t = row >= 0 ? m_owner.doc().items().cell(row, ColDescription) : QString();
        const SectionEntry::Fields f = SectionEntry::fromRow(t);
        setWindowTitle(QStringLiteral("Edit Section ") + f.name);
        txtName->setText(f.name);
        txtColumns->setText(f.columns);
        txtIconSize->setText(f.iconSize);
        chkIconsAbove->setChecked(f.iconsAbove);
        chkTableBorder->setChecked(f.tableBorder);
        cmdAdd->setText(QStringLiteral("Edit"));
    }
    txtName->setFocus();
}

void frmSection::buildForm() {
    const SectionEntry::Fields defaults;
    txtName = new QLineEdit;
    txtName->setObjectName(QStringLiteral("txtName"));
    lblName = new QLabel(QStringLiteral("&Name:"));
    lblName->setBuddy(txtName);
    txtColumns = new QLineEdit(defaults.columns);
    txtColumns->setObjectName(QStringLiteral("txtColumns"));
    lblColumns = new QLabel(QStringLiteral("&Columns (1 minimum):"));
    lblColumns->setBuddy(txtColumns);
    txtIconSize = new QLineEdit(defaults.iconSize);
    txtIconSize->setObjectName(QStringLiteral("txtIconSize"));
    lblIconSize = new QLabel(QStringLiteral("Icon &size (16 minimum):"));
    lblIconSize->setBuddy(txtIconSize);
    chkIconsAbove = new QCheckBox(QStringLiteral("Icons &above"));
    chkIconsAbove->setObjectName(QStringLiteral("chkIconsAbove"));
    chkIconsAbove->setChecked(defaults.iconsAbove);
    chkTableBorder = new QCheckBox(QStringLiteral("&Table border"));
    chkTableBorder->setObjectName(QStringLiteral("chkTableBorder"));
    chkTableBorder->setChecked(defaults.tableBorder);
    for (QLabel* l : {lblName, lblColumns, lblIconSize})
        l->setObjectName(QStringLiteral("lbl") + l->buddy()->objectName().mid(3));

    cmdAdd = new QPushButton(QStringLiteral("Add"));
    cmdAdd->setObjectName(QStringLiteral("cmdAdd"));
    cmdAdd->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto* grid = new QGridLayout;
    grid->addWidget(lblName, 0, 0);
    grid->addWidget(txtName, 0, 1);
    grid->addWidget(lblColumns, 1, 0);
    grid->addWidget(txtColumns, 1, 1);
    grid->addWidget(lblIconSize, 2, 0);
    grid->addWidget(txtIconSize, 2, 1);
    grid->addWidget(chkIconsAbove, 3, 1);
    grid->addWidget(chkTableBorder, 4, 1);
    grid->setColumnMinimumWidth(1, 220);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdAdd);
    buttons->addWidget(cmdCancel);
    buttons->addStretch(1);
    auto* outer = new QHBoxLayout(this);
    outer->addLayout(grid, 1);
    outer->addLayout(buttons);

    txtColumns->installEventFilter(this);
    txtIconSize->installEventFilter(this);
    connect(cmdAdd, &QPushButton::clicked, this, &frmSection::confirm);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

namespace {
void applyRule(QLineEdit* field, const SectionEntry::NumberRule& rule) {
    const QString text = SectionEntry::applyRule(field->text(), rule);
    if (text != field->text())
        field->setText(text);
}
} // namespace

bool frmSection::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        if (watched == txtColumns)
            applyRule(txtColumns, SectionEntry::ColumnsRule);
        else if (watched == txtIconSize)
            applyRule(txtIconSize, SectionEntry::IconSizeRule);
    }
    return QDialog::eventFilter(watched, event);
}

void frmSection::applyRules() {
    applyRule(txtColumns, SectionEntry::ColumnsRule);
    applyRule(txtIconSize, SectionEntry::IconSizeRule);
}

SectionEntry::Fields frmSection::fields() const {
    return {txtName->text(), txtColumns->text(), txtIconSize->text(), chkIconsAbove->isChecked(),
            chkTableBorder->isChecked()};
}

void frmSection::confirm() {
    // Enter confirms without the focus leaving a numeric field: the rules run here too.
    applyRules();
    SectionEntry::Confirm(m_owner.doc(), fields(), m_owner.EIcon, m_owner.currentRow());
    accept();
}

} // namespace ulvanta
