#pragma once

#include <QDialog>
#include <QPixmap>

class QLabel;
class QPushButton;

namespace ulvanta {

// The about box: the program's picture, title, version, description and company.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent);

    // The program's picture, drawn rather than shipped: a tile of four icons.
    static QPixmap programPicture(int size);

    QLabel* picIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblCompany = nullptr;
    QPushButton* cmdOK = nullptr;
};

} // namespace ulvanta
