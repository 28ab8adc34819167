#pragma once

#include "components/KeyFile.h"
#include "document/IconEntry.h"

#include <QDialog>
#include <memory>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace ulvanta {

class frmPME;
class Prompter;

// The icon dialog: adds icons (staying open for the next one) or edits the current
// row, as the main window's EIcon says. The decisions are IconEntry's and
// PageLink's; this window reads its fields and shows the results.
class frmAdd : public QDialog {
    Q_OBJECT
public:
    explicit frmAdd(frmPME& owner);
    ~frmAdd() override;

    // Validates and writes the fields (see IconEntry::AddEdit).
    void AddEdit();
    // Empties the six text fields and selects "Normal Window".
    void ClearForm();
    // Selects the whole text of a field.
    static void SelAll(QLineEdit* TB);
    // Browses for a file into TB (collecting paths when Param); returns TB's text,
    // or empty text when cancelled.
    QString FD(const QString& DTitle, const QString& FPattern, QLineEdit* TB, bool Param);
    // Browses for a folder into TB (collecting paths when Param).
    void DD(const QString& Desc, QLineEdit* TB, bool Param);
    // "Link to Ulvanta file": fills the fields from a page built for the launcher.
    void linkToPage();

    IconEntry::Fields fields() const;

    QLabel* lblDesc = nullptr;
    QLineEdit* txtDesc = nullptr;
    QLabel* lblCom = nullptr;
    QLineEdit* txtCom = nullptr;
    QLabel* lblParam = nullptr;
    QLineEdit* txtParam = nullptr;
    QLabel* lblSI = nullptr;
    QLineEdit* txtSI = nullptr;
    QLabel* lblIcon = nullptr;
    QLineEdit* txtIcon = nullptr;
    QLabel* lblRun = nullptr;
    QComboBox* cmbRun = nullptr;
    QLabel* lblComments = nullptr;
    QLineEdit* txtComments = nullptr;
    QLabel* lblStar = nullptr;
    QLabel* imgIcon = nullptr;

    QToolButton* cmdC1 = nullptr;
    QToolButton* cmdC2 = nullptr;
    QToolButton* cmdP1 = nullptr;
    QToolButton* cmdP2 = nullptr;
    QToolButton* cmdS2 = nullptr;
    QToolButton* cmdI1 = nullptr;
    QToolButton* cmdI2 = nullptr;

    QGroupBox* fraPM = nullptr;
    QToolButton* cmdPM = nullptr;
    QCheckBox* chkPMNewWin = nullptr;
    QCheckBox* chkAddBottom = nullptr;
    QCheckBox* chkClear = nullptr;

    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdAddClose = nullptr;
    QPushButton* cmdCancel = nullptr;

    bool UnloadMe = false;
    KeyFile keyFile; // the settings of a linked page

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildForm();
    void setFields(const IconEntry::Fields& f);
    void setRunStyle(const QString& text);
    void updatePreview();
    void connectBrowse(QToolButton* button, IconEntry::Browse b, QLineEdit* field);
    Prompter& prompter();

    frmPME& m_owner;
    std::unique_ptr<Prompter> m_ownPrompter; // message boxes over this dialog
};

} // namespace ulvanta
