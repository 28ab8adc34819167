#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace ulvanta {

class Document;

// "Text Editor": edits the full Header HTML or Footer HTML text of a property row.
class frmPMTB : public QDialog {
    Q_OBJECT
public:
    frmPMTB(Document& doc, int row, QWidget* parent = nullptr);

    QLabel* lblDesc = nullptr;
    QPlainTextEdit* txtMTB = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

private:
    void commit();

    Document& m_doc;
    int m_row;
};

} // namespace ulvanta
