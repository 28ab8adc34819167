#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace ulvanta {

class Document;

// "Text Editor": edits the full Header HTML or Footer HTML text of a property row.
class HtmlTextDialog : public QDialog {
    Q_OBJECT
public:
    HtmlTextDialog(Document& doc, int row, QWidget* parent = nullptr);

private:
    QLabel* m_descriptionLabel = nullptr;
    QPlainTextEdit* m_textEdit = nullptr;
    QPushButton* m_okButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    void commit();

    Document& m_doc;
    int m_row;
};

} // namespace ulvanta
