#pragma once

#include "commands/ReplaceAll.h"

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
class ReplaceDialog : public QDialog {
    Q_OBJECT
public:
    ReplaceDialog(Document& doc, QWidget* owner);

    // What the controls ask for now.
    ReplaceRequest request() const;

signals:
    // A Replace All ran over at least one icon row.
    void replaced();

public slots:
    void replaceAll();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_findLabel = nullptr;
    QLineEdit* m_findEdit = nullptr;
    QLabel* m_replaceLabel = nullptr;
    QLineEdit* m_replaceEdit = nullptr;
    QCheckBox* m_matchCaseCheck = nullptr;
    QGroupBox* m_columnsBox = nullptr;
    QCheckBox* m_descriptionCheck = nullptr;
    QCheckBox* m_commandCheck = nullptr;
    QCheckBox* m_parametersCheck = nullptr;
    QCheckBox* m_startInCheck = nullptr;
    QCheckBox* m_iconCheck = nullptr;
    QCheckBox* m_commentsCheck = nullptr;
    QPushButton* m_replaceButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    Document& m_doc;
};

} // namespace ulvanta
