#pragma once

#include <QDialog>
#include <QPixmap>

class QLabel;
class QPushButton;

namespace ulvanta {

// The about box: the program's picture, title, version, description and company.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent);

    // The program's picture, drawn rather than shipped: a tile of four icons.
    static QPixmap programPicture(int size);

private:
    QLabel* m_pictureLabel = nullptr;
    QLabel* m_titleLabel = nullptr;
    QLabel* m_versionLabel = nullptr;
    QLabel* m_summaryLabel = nullptr;
    QLabel* m_companyLabel = nullptr;
    QPushButton* m_okButton = nullptr;
};

} // namespace ulvanta
