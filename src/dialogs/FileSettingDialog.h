#pragma once

#include "components/Prompter.h"
#include "model/PropertyTable.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace ulvanta {

class Document;

// "Choose File": edits a file setting of one property row: a path typed or found
// with the file dialog.
class FileSettingDialog : public QDialog {
    Q_OBJECT
public:
    // request is the file dialog the browse button shows; label names the property.
    FileSettingDialog(Document& doc, int row, const FileRequest& request, const QString& label,
                      Prompter& prompter, QWidget* parent = nullptr);

private:
    QLabel* m_descriptionLabel = nullptr;
    QLineEdit* m_fileEdit = nullptr;
    QPushButton* m_browseButton = nullptr;
    QPushButton* m_okButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    void browse();
    void commit();

    Document& m_doc;
    int m_row;
    Setting m_key = Setting::BackgroundPicture;
    FileRequest m_request;
    Prompter& m_prompter;
};

} // namespace ulvanta
