#pragma once

#include <QColor>
#include <QDialog>
#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace ulvanta {

class Document;

// "Colour Picker": edits the colour text of one property row, with a preview
// and the platform colour dialog.
class frmPCol : public QDialog {
    Q_OBJECT
public:
    // defCol is what the preview shows while no colour is set (a system colour
    // is taken from the platform palette).
    frmPCol(Document& doc, int row, qint32 defCol, QWidget* parent = nullptr);

    const qint32 DefCol;

    QLabel* lblDesc = nullptr;
    QLineEdit* txtCol = nullptr;
    QLabel* picCol = nullptr;
    QPushButton* cmdChoose = nullptr;
    QPushButton* cmdDefault = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

    QColor previewColour() const { return m_preview; }

    // The platform colour dialog (cdColour); replaceable so that tests can answer it.
    std::function<std::optional<QColor>(const QColor& initial)> chooseColour;

private:
    void setPreview(const QColor& colour);
    void textChanged(const QString& text);
    void choose();
    void commit();

    Document& m_doc;
    int m_row;
    QColor m_preview;
};

} // namespace ulvanta
