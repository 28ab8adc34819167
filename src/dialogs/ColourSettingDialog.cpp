#include "dialogs/ColourSettingDialog.h"

#include "dialogs/DialogParts.h"

#include "edits/Document.h"
#include "forms/PropertyDialogs.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ulvanta {

ColourSettingDialog::ColourSettingDialog(Document& doc, int row, qint32 defaultColour,
                                         QWidget* parent)
    : QDialog(parent), m_defaultColour(defaultColour), m_doc(doc), m_row(row) {
    setObjectName(QStringLiteral("ColourSettingDialog"));
    setWindowTitle(tr("Colour Picker"));

    const QString name = row >= 0 && row < doc.props().count() ? doc.props().name(row) : QString();
    m_descriptionLabel = new QLabel(PropertyDialogs::colourLabel(name));
    m_descriptionLabel->setObjectName(QStringLiteral("descriptionLabel"));
    m_colourEdit = new QLineEdit;
    m_colourEdit->setObjectName(QStringLiteral("colourEdit"));
    m_descriptionLabel->setBuddy(m_colourEdit);
    m_colourSwatch = makeSwatch(QStringLiteral("colourSwatch"));
    m_colourSwatch->setMinimumSize(48, 48);
    m_chooseButton =
        makeButton(tr("C&hoose colour..."), QStringLiteral("chooseButton"), ButtonRole::Other);
    m_defaultButton =
        makeButton(tr("&Default colour"), QStringLiteral("defaultButton"), ButtonRole::Other);
    m_okButton = makeButton(tr("OK"), QStringLiteral("okButton"), ButtonRole::Default);
    m_cancelButton = makeButton(tr("Cancel"), QStringLiteral("cancelButton"), ButtonRole::Other);

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_descriptionLabel, 0, 0, 1, 2);
    grid->addWidget(m_colourEdit, 1, 0);
    grid->addWidget(m_colourSwatch, 1, 1, 3, 1);
    grid->addWidget(m_chooseButton, 2, 0);
    grid->addWidget(m_defaultButton, 3, 0);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);
    grid->addLayout(buttons, 4, 0, 1, 2);

    chooseColour = [this](const QColor& initial) -> std::optional<QColor> {
        QColorDialog dlg(initial, this);
        dlg.setWindowTitle(tr("Colour"));
        if (dlg.exec() != QDialog::Accepted)
            return std::nullopt;
        return dlg.selectedColor();
    };

    connect(m_colourEdit, &QLineEdit::textChanged, this, &ColourSettingDialog::textChanged);
    connect(m_chooseButton, &QPushButton::clicked, this, &ColourSettingDialog::choose);
    connect(m_defaultButton, &QPushButton::clicked, m_colourEdit, &QLineEdit::clear);
    connect(m_okButton, &QPushButton::clicked, this, &ColourSettingDialog::commit);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    setPreview(
        PropertyDialogs::previewColour(QString(), m_defaultColour, palette()).value_or(QColor()));
    if (row >= 0 && row < doc.props().count())
        m_colourEdit->setText(doc.props().setting(row));
}

void ColourSettingDialog::setPreview(const QColor& colour) {
    m_preview = colour;
    showSwatch(m_colourSwatch, colour);
}

void ColourSettingDialog::textChanged(const QString& text) {
    // Text that is no colour leaves the preview as it was.
    if (const auto colour = PropertyDialogs::previewColour(text, m_defaultColour, palette()))
        setPreview(*colour);
}

void ColourSettingDialog::choose() {
    if (const auto chosen = chooseColour(m_preview))
        m_colourEdit->setText(PropertyDialogs::chosenColourText(*chosen));
}

void ColourSettingDialog::commit() {
    PropertyDialogs::commitSetting(m_doc, m_row,
                                   PropertyDialogs::storedColourText(m_colourEdit->text()));
    accept();
}

} // namespace ulvanta
