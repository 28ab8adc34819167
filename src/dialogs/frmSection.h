#pragma once

#include "document/SectionEntry.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ulvanta {

class frmPME;

// The section dialog: adds a section row above the current row or edits the
// current section row, as the main window's EIcon says. The rules are
// SectionEntry's; this window reads its fields and shows the results.
class frmSection : public QDialog {
    Q_OBJECT
public:
    explicit frmSection(frmPME& owner);

    SectionEntry::Fields fields() const;
    // Writes the section row and closes the dialog.
    void confirm();

    QLabel* lblName = nullptr;
    QLineEdit* txtName = nullptr;
    QLabel* lblColumns = nullptr;
    QLineEdit* txtColumns = nullptr;
    QLabel* lblIconSize = nullptr;
    QLineEdit* txtIconSize = nullptr;
    QCheckBox* chkIconsAbove = nullptr;
    QCheckBox* chkTableBorder = nullptr;
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdCancel = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildForm();
    // Keeps the numeric fields within their bounds.
    void applyRules();

    frmPME& m_owner;
};

} // namespace ulvanta
