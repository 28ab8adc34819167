#include "dialogs/FontDialog.h"

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
    picColour = new QLabel;
    picColour->setObjectName(QStringLiteral("picColour"));
    picColour->setFrameShape(QFrame::Box);
    picColour->setFixedSize(40, 20);
    picColour->setAutoFillBackground(true);
    cmdColour = new QPushButton(QStringLiteral("C&olour..."));
    cmdColour->setObjectName(QStringLiteral("cmdColour"));
    cmdColour->setAutoDefault(false);
    cmdOK = new QPushButton(QStringLiteral("OK"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(false);

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
    QPalette p = picColour->palette();
    p.setColor(QPalette::Window, colour);
    picColour->setPalette(p);
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
