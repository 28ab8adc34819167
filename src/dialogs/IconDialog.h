#pragma once

#include "components/KeyValueFile.h"
#include "dialogs/DialogParts.h"
#include "forms/IconEntry.h"

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

class Document;
class Prompter;

// The icon dialog: adds icons (staying open for the next one) or edits a row. The decisions are
// IconEntry's and PageLink's; this window reads its fields and shows the results.
class IconDialog : public QDialog {
    Q_OBJECT
public:
    // row: the current row of the list (-1 for none); new icons go below it, an
    // edit writes it. programFolder holds the launcher a linked page opens with.
    IconDialog(Document& doc, Prompter& prompter, DialogMode mode, int row,
               const QString& programFolder, QWidget* parent);
    ~IconDialog() override;

    // Validates and writes the fields (see IconEntry::confirm).
    void confirm();
    // Empties the six text fields and selects "Normal Window".
    void clearFields();
    // Selects the whole text of a field.
    static void selectAllText(QLineEdit* TB);
    // Browses for a file into TB (collecting paths when Param); returns TB's text,
    // or empty text when cancelled.
    QString browseFile(const QString& DTitle, const QString& FPattern, QLineEdit* TB, bool Param);
    // Browses for a folder into TB (collecting paths when Param).
    void browseFolder(const QString& Desc, QLineEdit* TB, bool Param);
    // "Link to Ulvanta file": fills the fields from a page built for the launcher.
    void linkToPage();

    IconEntry::Fields fields() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_descriptionLabel = nullptr;
    QLineEdit* m_descriptionEdit = nullptr;
    QLabel* m_commandLabel = nullptr;
    QLineEdit* m_commandEdit = nullptr;
    QLabel* m_parametersLabel = nullptr;
    QLineEdit* m_parametersEdit = nullptr;
    QLabel* m_startInLabel = nullptr;
    QLineEdit* m_startInEdit = nullptr;
    QLabel* m_iconLabel = nullptr;
    QLineEdit* m_iconEdit = nullptr;
    QLabel* m_runLabel = nullptr;
    QComboBox* m_runStyleBox = nullptr;
    QLabel* m_commentsLabel = nullptr;
    QLineEdit* m_commentsEdit = nullptr;
    QLabel* m_requiredNote = nullptr;
    QLabel* m_iconPreview = nullptr;
    QToolButton* m_browseCommandFile = nullptr;
    QToolButton* m_browseCommandFolder = nullptr;
    QToolButton* m_browseParameterFile = nullptr;
    QToolButton* m_browseParameterFolder = nullptr;
    QToolButton* m_browseStartInFolder = nullptr;
    QToolButton* m_browseIconFile = nullptr;
    QToolButton* m_browseIconFolder = nullptr;
    QGroupBox* m_pageLinkBox = nullptr;
    QToolButton* m_linkPageButton = nullptr;
    QCheckBox* m_newWindowCheck = nullptr;
    QCheckBox* m_addAtBottomCheck = nullptr;
    QCheckBox* m_clearAfterAddCheck = nullptr;
    QPushButton* m_addButton = nullptr;
    QPushButton* m_addCloseButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    bool m_closeAfterAdd = false;
    KeyValueFile m_pageSettings; // the settings of a linked page
    void buildForm();
    void setFields(const IconEntry::Fields& f);
    void setRunStyle(const QString& text);
    void updatePreview();
    void connectBrowse(QToolButton* button, IconEntry::Browse b, QLineEdit* field);
    Prompter& prompter();

    Document& m_doc;
    Prompter& m_prompter;
    DialogMode m_mode;
    int m_row;
    QString m_programFolder;
    std::unique_ptr<Prompter> m_ownPrompter; // message boxes over this dialog
};

} // namespace ulvanta
