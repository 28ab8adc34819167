#pragma once

#include "document/ReplaceAll.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ulvanta {

class Document;

// Find and replace: a modeless window over the main window that stays open after
// each Replace All, so several replacements can be run in a row.
class frmReplace : public QDialog {
    Q_OBJECT
public:
    frmReplace(Document& doc, QWidget* owner);

    // What the controls ask for now.
    ReplaceRequest request() const;

    QLabel* lblFind = nullptr;
    QLineEdit* txtFind = nullptr;
    QLabel* lblReplace = nullptr;
    QLineEdit* txtReplace = nullptr;
    QCheckBox* chkCase = nullptr;
    QGroupBox* fraColumns = nullptr;
    QCheckBox* chkDescription = nullptr;
    QCheckBox* chkCommand = nullptr;
    QCheckBox* chkParameters = nullptr;
    QCheckBox* chkStartIn = nullptr;
    QCheckBox* chkIcon = nullptr;
    QCheckBox* chkComments = nullptr;
    QPushButton* cmdReplace = nullptr;
    QPushButton* cmdCancel = nullptr;

signals:
    // A Replace All ran over at least one icon row.
    void replaced();

public slots:
    void replaceAll();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Document& m_doc;
};

} // namespace ulvanta
