#pragma once

#include "intake/InstalledApplications.h"

#include <QDialog>
#include <vector>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace ulvanta {

// Add from Applications: the installed applications with their icons, narrowed by
// the filter as the user types. OK (Enter) takes the selected ones, or the first
// one shown when none is selected.
class AddApplicationsDialog : public QDialog {
    Q_OBJECT
public:
    AddApplicationsDialog(std::vector<intake::Application> apps, QWidget* parent);

    // The applications to add, in list order; empty when none is shown.
    std::vector<intake::Application> chosen() const;
    bool sectionPerCategory() const;
    bool addAtBottom() const;

private:
    void applyFilter(const QString& text);

    std::vector<intake::Application> m_apps;
    QLineEdit* m_filterEdit = nullptr;
    QListWidget* m_list = nullptr;
    QCheckBox* m_categoryCheck = nullptr;
    QCheckBox* m_addAtBottomCheck = nullptr;
    QPushButton* m_okButton = nullptr;
};

} // namespace ulvanta
