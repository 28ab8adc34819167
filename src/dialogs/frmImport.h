#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace ulvanta {

class ImportCommand;

// Import Ulvanta File Items: adds the icon rows of another document, optionally
// under a new section. Stays open after each import so that several files can
// be imported in a row.
class frmImport : public QDialog {
    Q_OBJECT
public:
    frmImport(ImportCommand& command, QWidget* parent);

    QLabel* lblFile = nullptr;
    QLineEdit* txtFile = nullptr;
    QPushButton* cmdBrowse = nullptr;
    QLabel* lblSection = nullptr;
    QLineEdit* txtSection = nullptr;
    QPushButton* cmdImport = nullptr;
    QPushButton* cmdClose = nullptr;

signals:
    // An import attempt may have added rows (a section row, imported rows).
    void imported();

public slots:
    void cmdBrowse_Click();
    void cmdImport_Click();

private:
    ImportCommand& m_command;
};

} // namespace ulvanta
