#pragma once

#include "dialogs/DialogParts.h"
#include "forms/SectionEntry.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ulvanta {

class Document;

// The section dialog: adds a section row above the current row or edits the
// current section row. The rules are
// SectionEntry's; this window reads its fields and shows the results.
class SectionDialog : public QDialog {
    Q_OBJECT
public:
    // row: the current row of the list (-1 for none).
    SectionDialog(Document& doc, DialogMode mode, int row, QWidget* parent);

    SectionEntry::Fields fields() const;
    // Writes the section row and closes the dialog.
    void confirm();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_nameLabel = nullptr;
    QLineEdit* m_nameEdit = nullptr;
    QLabel* m_columnsLabel = nullptr;
    QLineEdit* m_columnsEdit = nullptr;
    QLabel* m_iconSizeLabel = nullptr;
    QLineEdit* m_iconSizeEdit = nullptr;
    QCheckBox* m_iconsAboveCheck = nullptr;
    QCheckBox* m_tableBorderCheck = nullptr;
    QPushButton* m_addButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    void buildForm();
    // Keeps the numeric fields within their bounds.
    void applyRules();

    Document& m_doc;
    DialogMode m_mode;
    int m_row;
};

} // namespace ulvanta
