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
class ColourSettingDialog : public QDialog {
    Q_OBJECT
public:
    // defaultColour is what the preview shows while no colour is set (a system colour
    // is taken from the platform palette).
    ColourSettingDialog(Document& doc, int row, qint32 defaultColour, QWidget* parent = nullptr);

    QColor previewColour() const { return m_preview; }

    // The platform colour dialog (cdColour); replaceable so that tests can answer it.
    std::function<std::optional<QColor>(const QColor& initial)> chooseColour;

private:
    const qint32 m_defaultColour;
    QLabel* m_descriptionLabel = nullptr;
    QLineEdit* m_colourEdit = nullptr;
    QLabel* m_colourSwatch = nullptr;
    QPushButton* m_chooseButton = nullptr;
    QPushButton* m_defaultButton = nullptr;
    QPushButton* m_okButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    void setPreview(const QColor& colour);
    void textChanged(const QString& text);
    void choose();
    void commit();

    Document& m_doc;
    int m_row;
    QColor m_preview;
};

} // namespace ulvanta
