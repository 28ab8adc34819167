#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace ulvanta {

class ImportController;

// Import Ulvanta File Items: adds the icon rows of another document, optionally
// under a new section. Stays open after each import so that several files can
// be imported in a row.
class ImportDialog : public QDialog {
    Q_OBJECT
public:
    ImportDialog(ImportController& command, QWidget* parent);

signals:
    // An import attempt may have added rows (a section row, imported rows).
    void imported();

public slots:
    void browse();
    void importFile();

private:
    QLabel* m_fileLabel = nullptr;
    QLineEdit* m_fileEdit = nullptr;
    QPushButton* m_browseButton = nullptr;
    QLabel* m_sectionLabel = nullptr;
    QLineEdit* m_sectionEdit = nullptr;
    QPushButton* m_importButton = nullptr;
    QPushButton* m_closeButton = nullptr;
    ImportController& m_command;
};

} // namespace ulvanta
