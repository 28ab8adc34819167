#include "dialogs/frmSwap.h"

#include "document/Document.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ulvanta {

frmSwap::frmSwap(Document& doc, QWidget* parent) : QDialog(parent), m_doc(doc) {
    setObjectName(QStringLiteral("frmSwap"));
    setWindowTitle(QStringLiteral("Swap Columns"));

    static const char* const operations[] = {"S&wap Columns", "Mo&ve Column", "&Copy Column"};
    static const char* const firsts[] = {"&Description", "C&ommand", "&Parameters",
                                         "S&tart in",    "&Icon",    "Comm&ents"};
    static const char* const seconds[] = {"Desc&ription", "Co&mmand", "P&arameters",
                                          "Start& in",    "Ico&n",    "Comment&s"};

    auto* operationBox = new QVBoxLayout;
    m_operationGroup = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        optSwap[size_t(i)] = new QRadioButton(QString::fromLatin1(operations[i]));
        optSwap[size_t(i)]->setObjectName(QStringLiteral("optSwap%1").arg(i));
        m_operationGroup->addButton(optSwap[size_t(i)], i);
        operationBox->addWidget(optSwap[size_t(i)]);
    }
    operationBox->addStretch(1);

    const auto columnFrame =
        [this](const QString& title, const char* name, const char* const captions[],
               std::array<QRadioButton*, SwapColumnCount>& options, QButtonGroup*& group) {
            auto* frame = new QGroupBox(title);
            frame->setObjectName(QLatin1String(name));
            auto* layout = new QVBoxLayout(frame);
            group = new QButtonGroup(this);
            for (int i = 0; i < SwapColumnCount; ++i) {
                auto* o = new QRadioButton(QString::fromLatin1(captions[i]));
                o->setObjectName(QStringLiteral("opt%1%2").arg(QLatin1String(name + 3)).arg(i));
                options[size_t(i)] = o;
                group->addButton(o, i);
                layout->addWidget(o);
            }
            return frame;
        };
    fraFC = columnFrame(QStringLiteral("First Column"), "fraFC", firsts, optFC, m_firstGroup);
    fraSC = columnFrame(QStringLiteral("Second Column"), "fraSC", seconds, optSC, m_secondGroup);

    cmdOK = new QPushButton(QStringLiteral("OK"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(cmdOK, &QPushButton::clicked, this, &frmSwap::run);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    buttons->addStretch(1);

    auto* top = new QHBoxLayout(this);
    top->addLayout(operationBox);
    top->addWidget(fraFC);
    top->addWidget(fraSC);
    top->addLayout(buttons);

    // The state on opening: swap, Description, Command.
    optSwap[size_t(m_choice.operation())]->setChecked(true);
    optFC[size_t(m_choice.first())]->setChecked(true);
    showSecond();

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

void frmSwap::firstChosen(int column) {
    m_choice.chooseFirst(column);
    showSecond();
}

void frmSwap::showSecond() {
    // Checked before the old option is disabled, so the group never holds a
    // disabled checked option.
    optSC[size_t(m_choice.second())]->setChecked(true);
    for (int i = 0; i < SwapColumnCount; ++i)
        optSC[size_t(i)]->setEnabled(m_choice.secondEnabled(i));
}

void frmSwap::run() {
    SwapColumns(m_doc, m_choice.operation(), m_choice.first(), m_choice.second());
    accept();
}

} // namespace ulvanta
