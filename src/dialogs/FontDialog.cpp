#include "dialogs/FontDialog.h"

#include "dialogs/DialogParts.h"

#include "document/Colour.h"

#include <QColorDialog>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ulvanta {

FontDialog::FontDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("cdFont"));
    setWindowTitle(QStringLiteral("Font"));

    // The chooser is embedded as a plain widget; its own buttons are replaced by ours.
    fontPart = new QFontDialog(this);
    fontPart->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    fontPart->setWindowFlags(Qt::Widget);
    fontPart->setSizeGripEnabled(false);
    fontPart->setCurrentFont(font()); // until a setting names one, start from the usual font
    // Enter in its lists or Esc would close only the embedded part: close the whole dialog.
    connect(fontPart, &QDialog::finished, this, [this](int result) {
        fontPart->setVisible(true);
        if (result == QDialog::Accepted)
            accept();
        else
            reject();
    });

    auto* colourLabel = new QLabel(QStringLiteral("Text colour:"));
    picColour = makeSwatch(QStringLiteral("picColour"));
    picColour->setFixedSize(40, 20);
    cmdColour =
        makeButton(QStringLiteral("C&olour..."), QStringLiteral("cmdColour"), ButtonRole::Other);
    cmdOK = makeButton(QStringLiteral("OK"), QStringLiteral("cmdOK"), ButtonRole::Default);
    cmdCancel =
        makeButton(QStringLiteral("Cancel"), QStringLiteral("cmdCancel"), ButtonRole::Other);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fontPart, 1);
    auto* row = new QHBoxLayout;
    row->addWidget(colourLabel);
    row->addWidget(picColour);
    row->addWidget(cmdColour);
    row->addStretch(1);
    row->addWidget(cmdOK);
    row->addWidget(cmdCancel);
    layout->addLayout(row);

    chooseColour = [this](const QColor& initial) -> std::optional<QColor> {
        QColorDialog dlg(initial, this);
        dlg.setWindowTitle(QStringLiteral("Colour"));
        if (dlg.exec() != QDialog::Accepted)
            return std::nullopt;
        return dlg.selectedColor();
    };
    connect(cmdColour, &QPushButton::clicked, this, [this] {
        if (const auto chosen = chooseColour(m_colour))
            setColour(*chosen);
    });
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    setColour(m_colour);
}

void FontDialog::setColour(const QColor& colour) {
    m_colour = colour;
    showSwatch(picColour, colour);
}

void FontDialog::load(const FontChoice& settings) {
    QFont font = fontPart->currentFont();
    // The face follows weight and slant, not the face name shown before.
    font.setStyleName(QString());
    if (!settings.name.isEmpty())
        font.setFamily(settings.name);
    font.setBold(settings.bold);
    font.setItalic(settings.italic);
    font.setStrikeOut(settings.strikeOut);
    font.setUnderline(settings.underline);
    if (settings.size && *settings.size > 0)
        font.setPointSizeF(*settings.size);
    fontPart->setCurrentFont(font);
    if (settings.colour)
        setColour(Colour::toColor(*settings.colour, palette()));
}

FontChoice FontDialog::choice() const {
    const QFont font = fontPart->currentFont();
    FontChoice c;
    c.name = font.family();
    c.bold = font.bold();
    c.italic = font.italic();
    c.strikeOut = font.strikeOut();
    c.underline = font.underline();
    if (font.pointSizeF() > 0)
        c.size = font.pointSizeF();
    c.colour = Colour::toNumber(m_colour);
    return c;
}

} // namespace ulvanta
