#include "dialogs/frmPCol.h"

#include "dialogs/DialogParts.h"

#include "document/Document.h"
#include "document/PropertyDialogs.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ulvanta {

frmPCol::frmPCol(Document& doc, int row, qint32 defCol, QWidget* parent)
    : QDialog(parent), DefCol(defCol), m_doc(doc), m_row(row) {
    setObjectName(QStringLiteral("frmPCol"));
    setWindowTitle(QStringLiteral("Colour Picker"));

    const QString name = row >= 0 && row < doc.props().count() ? doc.props().name(row) : QString();
    lblDesc = new QLabel(PropertyDialogs::colourLabel(name));
    lblDesc->setObjectName(QStringLiteral("lblDesc"));
    txtCol = new QLineEdit;
    txtCol->setObjectName(QStringLiteral("txtCol"));
    lblDesc->setBuddy(txtCol);
    picCol = makeSwatch(QStringLiteral("picCol"));
    picCol->setMinimumSize(48, 48);
    cmdChoose = makeButton(QStringLiteral("C&hoose colour..."), QStringLiteral("cmdChoose"),
                           ButtonRole::Other);
    cmdDefault = makeButton(QStringLiteral("&Default colour"), QStringLiteral("cmdDefault"),
                            ButtonRole::Other);
    cmdOK = makeButton(QStringLiteral("OK"), QStringLiteral("cmdOK"), ButtonRole::Default);
    cmdCancel =
        makeButton(QStringLiteral("Cancel"), QStringLiteral("cmdCancel"), ButtonRole::Other);

    auto* grid = new QGridLayout(this);
    grid->addWidget(lblDesc, 0, 0, 1, 2);
    grid->addWidget(txtCol, 1, 0);
    grid->addWidget(picCol, 1, 1, 3, 1);
    grid->addWidget(cmdChoose, 2, 0);
    grid->addWidget(cmdDefault, 3, 0);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    grid->addLayout(buttons, 4, 0, 1, 2);

    chooseColour = [this](const QColor& initial) -> std::optional<QColor> {
        QColorDialog dlg(initial, this);
        dlg.setWindowTitle(QStringLiteral("Colour"));
        if (dlg.exec() != QDialog::Accepted)
            return std::nullopt;
        return dlg.selectedColor();
    };

    connect(txtCol, &QLineEdit::textChanged, this, &frmPCol::textChanged);
    connect(cmdChoose, &QPushButton::clicked, this, &frmPCol::choose);
    connect(cmdDefault, &QPushButton::clicked, txtCol, &QLineEdit::clear);
    connect(cmdOK, &QPushButton::clicked, this, &frmPCol::commit);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    setPreview(PropertyDialogs::previewColour(QString(), DefCol, palette()).value_or(QColor()));
    if (row >= 0 && row < doc.props().count())
        txtCol->setText(doc.props().setting(row));
}

void frmPCol::setPreview(const QColor& colour) {
    m_preview = colour;
    showSwatch(picCol, colour);
}

void frmPCol::textChanged(const QString& text) {
    // Text that is no colour leaves the preview as it was.
    if (const auto colour = PropertyDialogs::previewColour(text, DefCol, palette()))
        setPreview(*colour);
}

void frmPCol::choose() {
    if (const auto chosen = chooseColour(m_preview))
        txtCol->setText(PropertyDialogs::chosenColourText(*chosen));
}

void frmPCol::commit() {
    PropertyDialogs::commitSetting(m_doc, m_row, PropertyDialogs::storedColourText(txtCol->text()));
    accept();
}

} // namespace ulvanta
