#include "dialogs/SwapColumnsDialog.h"

#include "edits/Document.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ulvanta {

SwapColumnsDialog::SwapColumnsDialog(Document& doc, QWidget* parent) : QDialog(parent), m_doc(doc) {
    setObjectName(QStringLiteral("SwapColumnsDialog"));
    setWindowTitle(tr("Swap Columns"));

    static const char* const operations[] = {
        QT_TR_NOOP("S&wap Columns"), QT_TR_NOOP("Mo&ve Column"), QT_TR_NOOP("&Copy Column")};
    // Each caption's letter differs from every other in the dialog.
    static const char* const firsts[] = {QT_TR_NOOP("&Description"), QT_TR_NOOP("C&ommand"),
                                         QT_TR_NOOP("&Parameters"),  QT_TR_NOOP("S&tart in"),
                                         QT_TR_NOOP("&Icon"),        QT_TR_NOOP("Comm&ents")};
    static const char* const seconds[] = {QT_TR_NOOP("Desc&ription"), QT_TR_NOOP("Co&mmand"),
                                          QT_TR_NOOP("P&arameters"),  QT_TR_NOOP("Start& in"),
                                          QT_TR_NOOP("Ico&n"),        QT_TR_NOOP("Comment&s")};

    auto* operationBox = new QVBoxLayout;
    m_operationGroup = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        m_operationButtons[size_t(i)] = new QRadioButton(tr(operations[i]));
        m_operationButtons[size_t(i)]->setObjectName(QStringLiteral("operation%1").arg(i));
        m_operationGroup->addButton(m_operationButtons[size_t(i)], i);
        operationBox->addWidget(m_operationButtons[size_t(i)]);
    }
    operationBox->addStretch(1);

    const auto columnFrame =
        [this](const QString& title, const char* name, const char* const captions[],
               std::array<QRadioButton*, SwapColumnCount>& options, QButtonGroup*& group) {
            auto* frame = new QGroupBox(title);
            frame->setObjectName(QLatin1String(name) + QStringLiteral("Box"));
            auto* layout = new QVBoxLayout(frame);
            group = new QButtonGroup(this);
            for (int i = 0; i < SwapColumnCount; ++i) {
                auto* o = new QRadioButton(tr(captions[i]));
                o->setObjectName(QLatin1String(name) + QString::number(i));
                options[size_t(i)] = o;
                group->addButton(o, i);
                layout->addWidget(o);
            }
            return frame;
        };
    m_firstColumnBox =
        columnFrame(tr("First Column"), "firstColumn", firsts, m_firstColumnButtons, m_firstGroup);
    m_secondColumnBox = columnFrame(tr("Second Column"), "secondColumn", seconds,
                                    m_secondColumnButtons, m_secondGroup);

    m_okButton = new QPushButton(tr("OK"));
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_okButton->setDefault(true);
    m_cancelButton = new QPushButton(tr("Cancel"));
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    connect(m_okButton, &QPushButton::clicked, this, &SwapColumnsDialog::run);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);
    buttons->addStretch(1);

    auto* top = new QHBoxLayout(this);
    top->addLayout(operationBox);
    top->addWidget(m_firstColumnBox);
    top->addWidget(m_secondColumnBox);
    top->addLayout(buttons);

    // The state on opening: swap, Description, Command.
    m_operationButtons[size_t(m_choice.operation())]->setChecked(true);
    m_firstColumnButtons[size_t(m_choice.first())]->setChecked(true);
    showSecond();
    connectChoices();
}

void SwapColumnsDialog::connectChoices() {
    connect(m_operationGroup, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            m_choice.setOperation(ColumnOperation(id));
    });
    connect(m_firstGroup, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            firstChosen(id);
    });
    connect(m_secondGroup, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            m_choice.chooseSecond(id);
    });
}

void SwapColumnsDialog::firstChosen(int column) {
    m_choice.chooseFirst(column);
    showSecond();
}

void SwapColumnsDialog::showSecond() {
    // Checked before the old option is disabled, so the group never holds a
    // disabled checked option.
    m_secondColumnButtons[size_t(m_choice.second())]->setChecked(true);
    for (int i = 0; i < SwapColumnCount; ++i)
        m_secondColumnButtons[size_t(i)]->setEnabled(m_choice.secondEnabled(i));
}

void SwapColumnsDialog::run() {
    swapColumns(m_doc, m_choice.operation(), m_choice.first(), m_choice.second());
    accept();
}

} // namespace ulvanta
