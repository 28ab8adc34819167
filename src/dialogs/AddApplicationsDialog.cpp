#include "dialogs/AddApplicationsDialog.h"

#include "dialogs/DialogParts.h"
#include "widgets/LegibleIconDelegate.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace ulvanta {

AddApplicationsDialog::AddApplicationsDialog(std::vector<intake::Application> apps, QWidget* parent)
    : QDialog(parent), m_apps(std::move(apps)) {
    setObjectName(QStringLiteral("AddApplicationsDialog"));
    setWindowTitle(tr("Add from Applications"));

    auto* filterLabel = new QLabel(tr("&Filter:"));
    m_filterEdit = new QLineEdit;
    m_filterEdit->setObjectName(QStringLiteral("filterEdit"));
    filterLabel->setBuddy(m_filterEdit);

    m_list = new QListWidget;
    m_list->setObjectName(QStringLiteral("applicationList"));
    m_list->setAccessibleName(tr("Applications"));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setItemDelegate(new LegibleIconDelegate(m_list));
    m_list->setIconSize(QSize(24, 24));
    m_list->setUniformItemSizes(true);
    m_list->setMinimumSize(360, 320);
    for (size_t i = 0; i < m_apps.size(); ++i) {
        const intake::Application& app = m_apps[i];
        const QString& picture = app.row[ColIcon];
        auto* item = new QListWidgetItem(picture.isEmpty() ? QIcon() : QIcon(picture),
                                         app.entry.name, m_list);
        item->setData(Qt::UserRole, int(i));
        item->setToolTip(app.entry.comment);
    }

    m_categoryCheck = new QCheckBox(tr("One &section per menu category"));
    m_categoryCheck->setObjectName(QStringLiteral("categoryCheck"));
    m_addAtBottomCheck = new QCheckBox(tr("Add item at &bottom of list"));
    m_addAtBottomCheck->setObjectName(QStringLiteral("addAtBottomCheck"));
    m_addAtBottomCheck->setChecked(true);

    m_okButton = makeButton(tr("OK"), QStringLiteral("okButton"), ButtonRole::Default);
    QPushButton* cancel = makeButton(tr("Cancel"), QStringLiteral("cancelButton"));
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(m_filterEdit, &QLineEdit::textChanged, this, &AddApplicationsDialog::applyFilter);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_okButton);
    buttons->addWidget(cancel);

    auto* top = new QVBoxLayout(this);
    top->addWidget(filterLabel);
    top->addWidget(m_filterEdit);
    top->addWidget(m_list, 1);
    top->addWidget(m_categoryCheck);
    top->addWidget(m_addAtBottomCheck);
    top->addLayout(buttons);

    applyFilter(QString());
    m_filterEdit->setFocus();
}

void AddApplicationsDialog::applyFilter(const QString& text) {
    bool any = false;
    for (int i = 0; i < m_list->count(); ++i) {
        QListWidgetItem* item = m_list->item(i);
        const bool shown =
            intake::matchesFilter(m_apps[size_t(item->data(Qt::UserRole).toInt())], text);
        item->setHidden(!shown);
        any = any || shown;
    }
    m_okButton->setEnabled(any);
}

std::vector<intake::Application> AddApplicationsDialog::chosen() const {
    std::vector<intake::Application> selected;
    const intake::Application* firstShown = nullptr;
    for (int i = 0; i < m_list->count(); ++i) {
        const QListWidgetItem* item = m_list->item(i);
        if (item->isHidden())
            continue;
        const intake::Application& app = m_apps[size_t(item->data(Qt::UserRole).toInt())];
        if (!firstShown)
            firstShown = &app;
        if (item->isSelected())
            selected.push_back(app);
    }
    if (selected.empty() && firstShown)
        selected.push_back(*firstShown);
    return selected;
}

bool AddApplicationsDialog::sectionPerCategory() const {
    return m_categoryCheck->isChecked();
}

bool AddApplicationsDialog::addAtBottom() const {
    return m_addAtBottomCheck->isChecked();
}

} // namespace ulvanta
