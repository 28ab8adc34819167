#pragma once

#include "intake/ThemeIconModel.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QSortFilterProxyModel;

namespace ulvanta {

// "Choose Icon": the icons of the desktop's themes with their pictures and names,
// narrowed by the filter as the user types. OK (Enter) takes the current icon, or
// the first one shown; its picture file nearest the page's icon size is the choice.
class ThemeIconDialog : public QDialog {
    Q_OBJECT
public:
    // iconSize: the pixel size the chosen file should be nearest to.
    ThemeIconDialog(int iconSize, QWidget* parent,
                    intake::IconLookup::Places places = intake::ThemeIconIndex::systemPlaces());

    // The chosen picture file; empty until the dialog is accepted.
    QString chosenFile() const { return m_chosen; }

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyFilter(const QString& text);
    void showCount();

    int m_iconSize;
    QString m_chosen;
    intake::ThemeIconModel m_model;
    QSortFilterProxyModel* m_proxy = nullptr;
    QLineEdit* m_filterEdit = nullptr;
    QListView* m_list = nullptr;
    QLabel* m_status = nullptr;
    QPushButton* m_okButton = nullptr;
};

} // namespace ulvanta
