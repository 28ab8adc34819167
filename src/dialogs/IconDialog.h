#pragma once

#include "components/KeyValueFile.h"
#include "dialogs/DialogParts.h"
#include "forms/IconEntry.h"

#include <QDialog>
#include <array>
#include <memory>

class QLineEdit;
class QToolButton;

namespace Ui {
class IconDialog;
}

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
    static void selectAllText(QLineEdit* field);
    // Browses for a file into field (adding to the paths there when collect); returns
    // the field's text, or empty text when cancelled.
    QString browseFile(const QString& title, const QString& pattern, QLineEdit* field,
                       bool collect);
    // Browses for a folder into field (adding to the paths there when collect).
    void browseFolder(const QString& title, QLineEdit* field, bool collect);
    // "Link to Ulvanta file": fills the fields from a page built for the launcher.
    void linkToPage();
    // "From Theme...": a themed icon's picture file, nearest the page's icon size.
    void chooseThemeIcon();

    IconEntry::Fields fields() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<Ui::IconDialog> m_ui;
    bool m_closeAfterAdd = false;
    KeyValueFile m_pageSettings; // the settings of a linked page
    void buildForm();
    // The six text fields, in tab order.
    std::array<QLineEdit*, 6> textFields() const;
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
