#pragma once

#include "commands/PropertyController.h"

#include <QColor>
#include <QDialog>
#include <functional>
#include <optional>

class QFontDialog;
class QLabel;
class QPushButton;

namespace ulvanta {

// The font dialog of the Font property: the platform font chooser (with
// strikethrough and underline) and a text colour beside it. One instance lives
// with the main window, so what it showed last stays when a setting is empty.
class FontDialog : public QDialog {
    Q_OBJECT
public:
    explicit FontDialog(QWidget* parent = nullptr);

    // Shows the settings; an empty name, an absent size or colour keep what the
    // dialog showed before.
    void load(const FontChoice& settings);
    // What the dialog shows now.
    FontChoice choice() const;

    QColor colour() const { return m_colour; }
    void setColour(const QColor& colour);

    // The platform colour dialog; replaceable so that tests can answer it.
    std::function<std::optional<QColor>(const QColor& initial)> chooseColour;

private:
    void nameChooserParts();
    QFontDialog* m_fontChooser = nullptr;
    QPushButton* m_colourButton = nullptr;
    QLabel* m_colourSwatch = nullptr;
    QPushButton* m_okButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    QColor m_colour = Qt::black;
};

} // namespace ulvanta
