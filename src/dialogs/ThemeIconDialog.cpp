#include "dialogs/ThemeIconDialog.h"

#include "dialogs/DialogParts.h"
#include "widgets/LegibleIconDelegate.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QVBoxLayout>

namespace ulvanta {

ThemeIconDialog::ThemeIconDialog(int iconSize, QWidget* parent, intake::IconLookup::Places places)
    : QDialog(parent), m_iconSize(iconSize) {
    setObjectName(QStringLiteral("ThemeIconDialog"));
    setWindowTitle(tr("Choose Icon"));

    auto* filterLabel = new QLabel(tr("&Filter:"));
    m_filterEdit = new QLineEdit;
    m_filterEdit->setObjectName(QStringLiteral("filterEdit"));
    m_filterEdit->setAccessibleName(tr("Filter icons by name"));
    m_filterEdit->setClearButtonEnabled(true);
    m_filterEdit->installEventFilter(this);
    filterLabel->setBuddy(m_filterEdit);

    m_proxy = new QSortFilterProxyModel(this);
    m_proxy->setSourceModel(&m_model);
    m_proxy->setFilterCaseSensitivity(Qt::CaseInsensitive);

    m_list = new QListView;
    m_list->setObjectName(QStringLiteral("themeIconList"));
    m_list->setAccessibleName(tr("Icons"));
    m_list->setUniformItemSizes(true); // only the rows in sight are asked for pictures
    m_list->setItemDelegate(new LegibleIconDelegate(m_list));
    m_list->setIconSize(QSize(32, 32));
    m_list->setMinimumSize(360, 360);
    m_list->setModel(m_proxy);

    m_status = new QLabel(tr("Reading the icon themes..."));
    m_status->setObjectName(QStringLiteral("statusLabel"));

    m_okButton = makeButton(tr("OK"), QStringLiteral("okButton"), ButtonRole::Default);
    m_okButton->setEnabled(false);
    QPushButton* cancel = makeButton(tr("Cancel"), QStringLiteral("cancelButton"));
    connect(m_okButton, &QPushButton::clicked, this, &ThemeIconDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_list, &QListView::activated, this, &ThemeIconDialog::accept);
    connect(m_filterEdit, &QLineEdit::textChanged, this, &ThemeIconDialog::applyFilter);
    connect(&m_model, &intake::ThemeIconModel::loaded, this,
            [this] { applyFilter(m_filterEdit->text()); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_status, 1);
    buttons->addWidget(m_okButton);
    buttons->addWidget(cancel);
    auto* top = new QVBoxLayout(this);
    top->addWidget(filterLabel);
    top->addWidget(m_filterEdit);
    top->addWidget(m_list, 1);
    top->addLayout(buttons);

    m_filterEdit->setFocus();
    m_model.load(std::move(places));
}

void ThemeIconDialog::applyFilter(const QString& text) {
    m_proxy->setFilterFixedString(text.trimmed());
    // Typing starts again at the first icon shown: the one Enter takes.
    m_list->setCurrentIndex(m_proxy->index(0, 0));
    m_okButton->setEnabled(m_list->currentIndex().isValid());
    showCount();
}

void ThemeIconDialog::showCount() {
    if (m_model.isLoading())
        return;
    const int total = m_model.rowCount();
    const QLocale locale;
    m_status->setText(total == 0
                          ? tr("No icons found.")
                          : tr("%1 of %2 icons")
                                .arg(locale.toString(m_proxy->rowCount()), locale.toString(total)));
}

void ThemeIconDialog::accept() {
    // No icon shown: nothing to take, the dialog stays.
    m_chosen = m_model.fileFor(m_proxy->mapToSource(m_list->currentIndex()).row(), m_iconSize);
    if (!m_chosen.isEmpty())
        QDialog::accept();
}

bool ThemeIconDialog::eventFilter(QObject* watched, QEvent* event) {
    // The arrow and page keys move through the icons while the filter keeps the keyboard.
    if (watched == m_filterEdit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
            key == Qt::Key_PageDown) {
            QCoreApplication::sendEvent(m_list, event);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace ulvanta
