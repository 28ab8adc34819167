#include "dialogs/FontDialog.h"

#include "dialogs/DialogParts.h"

#include "model/Colour.h"

#include <QAbstractItemView>
#include <QColorDialog>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace ulvanta {

// Qt's chooser labels a list or the text box above it; each of the pair is named
// as the labelled one, so that a screen reader names both, and both are reached
// by keyboard.
void FontDialog::nameChooserParts() {
    for (QLabel* label : m_fontChooser->findChildren<QLabel*>())
        if (QWidget* buddy = label->buddy(); buddy && buddy->accessibleName().isEmpty())
            buddy->setAccessibleName(QString(label->text()).remove(QLatin1Char('&')));
    const QList<QLineEdit*> edits = m_fontChooser->findChildren<QLineEdit*>();
    const QList<QAbstractItemView*> lists = m_fontChooser->findChildren<QAbstractItemView*>();
    for (qsizetype i = 0; i < std::min(edits.size(), lists.size()); ++i) {
        // A size that no list row offers is typed: its box is reached by Tab too,
        // just before its list.
        if (!edits[i]->isReadOnly() && !edits[i]->focusProxy() &&
            !(edits[i]->focusPolicy() & Qt::TabFocus)) {
            edits[i]->setFocusPolicy(Qt::StrongFocus);
            QWidget::setTabOrder(lists[i]->previousInFocusChain(), edits[i]);
        }
        if (edits[i]->accessibleName().isEmpty())
            edits[i]->setAccessibleName(lists[i]->accessibleName());
        if (lists[i]->accessibleName().isEmpty())
            lists[i]->setAccessibleName(edits[i]->accessibleName());
    }
}

FontDialog::FontDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FontDialog"));
    setWindowTitle(tr("Font"));

    // The chooser is embedded as a plain widget; its own buttons are replaced by ours.
    m_fontChooser = new QFontDialog(this);
    m_fontChooser->setObjectName(QStringLiteral("fontChooser"));
    m_fontChooser->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    m_fontChooser->setWindowFlags(Qt::Widget);
    m_fontChooser->setSizeGripEnabled(false);
    m_fontChooser->setCurrentFont(font()); // until a setting names one, start from the usual font
    nameChooserParts();
    // Enter in its lists or Esc would close only the embedded part: close the whole dialog.
    connect(m_fontChooser, &QDialog::finished, this, [this](int result) {
        m_fontChooser->setVisible(true);
        if (result == QDialog::Accepted)
            accept();
        else
            reject();
    });

    auto* colourLabel = new QLabel(tr("Text colour:"));
    m_colourSwatch = makeSwatch(QStringLiteral("colourSwatch"));
    m_colourSwatch->setFixedSize(40, 20);
    m_colourButton =
        makeButton(tr("C&olour..."), QStringLiteral("colourButton"), ButtonRole::Other);
    m_okButton = makeButton(tr("OK"), QStringLiteral("okButton"), ButtonRole::Default);
    m_cancelButton = makeButton(tr("Cancel"), QStringLiteral("cancelButton"), ButtonRole::Other);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_fontChooser, 1);
    auto* row = new QHBoxLayout;
    row->addWidget(colourLabel);
    row->addWidget(m_colourSwatch);
    row->addWidget(m_colourButton);
    row->addStretch(1);
    row->addWidget(m_okButton);
    row->addWidget(m_cancelButton);
    layout->addLayout(row);

    chooseColour = [this](const QColor& initial) -> std::optional<QColor> {
        QColorDialog dlg(initial, this);
        dlg.setWindowTitle(tr("Colour"));
        if (dlg.exec() != QDialog::Accepted)
            return std::nullopt;
        return dlg.selectedColor();
    };
    connect(m_colourButton, &QPushButton::clicked, this, [this] {
        if (const auto chosen = chooseColour(m_colour))
            setColour(*chosen);
    });
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    setColour(m_colour);
}

void FontDialog::setColour(const QColor& colour) {
    m_colour = colour;
    showSwatch(m_colourSwatch, colour);
}

void FontDialog::load(const FontChoice& settings) {
    QFont font = m_fontChooser->currentFont();
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
    m_fontChooser->setCurrentFont(font);
    if (settings.colour)
        setColour(Colour::toColor(*settings.colour, palette()));
}

FontChoice FontDialog::choice() const {
    const QFont font = m_fontChooser->currentFont();
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
