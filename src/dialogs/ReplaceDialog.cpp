#include "dialogs/ReplaceDialog.h"

#include "edits/Document.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace ulvanta {

ReplaceDialog::ReplaceDialog(Document& doc, QWidget* owner) : QDialog(owner), m_doc(doc) {
    setObjectName(QStringLiteral("ReplaceDialog"));
    setWindowTitle(tr("Replace"));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);

    const auto named = [](QWidget* w, const char* name) {
        w->setObjectName(QLatin1String(name));
        return w;
    };
    m_findLabel = new QLabel(tr("Fi&nd what:"));
    m_findEdit = new QLineEdit;
    m_replaceLabel = new QLabel(tr("Re&place with:"));
    m_replaceEdit = new QLineEdit;
    m_matchCaseCheck = new QCheckBox(tr("Match &case"));
    named(m_findLabel, "findLabel");
    named(m_findEdit, "findEdit");
    named(m_replaceLabel, "replaceLabel");
    named(m_replaceEdit, "replaceEdit");
    named(m_matchCaseCheck, "matchCaseCheck");
    m_findLabel->setBuddy(m_findEdit);
    m_replaceLabel->setBuddy(m_replaceEdit);
    m_findEdit->installEventFilter(this);
    m_replaceEdit->installEventFilter(this);

    m_columnsBox = new QGroupBox(tr("Replace in Columns"));
    named(m_columnsBox, "columnsBox");
    m_descriptionCheck = new QCheckBox(tr("&Description"));
    m_commandCheck = new QCheckBox(tr("Co&mmand"));
    m_parametersCheck = new QCheckBox(tr("Parame&ters"));
    m_startInCheck = new QCheckBox(tr("&Start In"));
    m_iconCheck = new QCheckBox(tr("&Icon"));
    m_commentsCheck = new QCheckBox(tr("C&omments"));
    named(m_descriptionCheck, "descriptionCheck");
    named(m_commandCheck, "commandCheck");
    named(m_parametersCheck, "parametersCheck");
    named(m_startInCheck, "startInCheck");
    named(m_iconCheck, "iconCheck");
    named(m_commentsCheck, "commentsCheck");
    // In the list's column order, row by row as they are read and as Tab visits them.
    auto* columns = new QGridLayout(m_columnsBox);
    columns->addWidget(m_descriptionCheck, 0, 0);
    columns->addWidget(m_commandCheck, 0, 1);
    columns->addWidget(m_parametersCheck, 1, 0);
    columns->addWidget(m_startInCheck, 1, 1);
    columns->addWidget(m_iconCheck, 2, 0);
    columns->addWidget(m_commentsCheck, 2, 1);

    m_replaceButton = new QPushButton(tr("Replace &All"));
    m_cancelButton = new QPushButton(tr("Cancel"));
    named(m_replaceButton, "replaceButton");
    named(m_cancelButton, "cancelButton");
    m_replaceButton->setDefault(true);
    connect(m_replaceButton, &QPushButton::clicked, this, &ReplaceDialog::replaceAll);
    connect(m_cancelButton, &QPushButton::clicked, this, &QWidget::close);

    auto* fields = new QGridLayout;
    fields->addWidget(m_findLabel, 0, 0);
    fields->addWidget(m_findEdit, 0, 1);
    fields->addWidget(m_replaceLabel, 1, 0);
    fields->addWidget(m_replaceEdit, 1, 1);
    fields->addWidget(m_matchCaseCheck, 2, 1);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_replaceButton);
    buttons->addWidget(m_cancelButton);
    buttons->addStretch(1);

    auto* left = new QVBoxLayout;
    left->addLayout(fields);
    left->addWidget(m_columnsBox);

    auto* top = new QHBoxLayout(this);
    top->addLayout(left, 1);
    top->addLayout(buttons);
    m_findEdit->setMinimumWidth(240);
}

ReplaceRequest ReplaceDialog::request() const {
    ReplaceRequest r;
    r.find = m_findEdit->text();
    r.replacement = m_replaceEdit->text();
    r.matchCase = m_matchCaseCheck->isChecked();
    const std::pair<QCheckBox*, int> boxes[] = {{m_descriptionCheck, ColDescription},
                                                {m_commandCheck, ColCommand},
                                                {m_parametersCheck, ColParameters},
                                                {m_startInCheck, ColStartIn},
                                                {m_iconCheck, ColIcon},
                                                {m_commentsCheck, ColComments}};
    for (const auto& [box, column] : boxes) {
        // A greyed box counts as unchecked.
        if (box->checkState() == Qt::Checked)
            r.columns.push_back(column);
    }
    return r;
}

void ReplaceDialog::replaceAll() {
    if (ulvanta::replaceAll(m_doc, request()))
        emit replaced();
}

bool ReplaceDialog::eventFilter(QObject* watched, QEvent* event) {
    // Entering a text box selects its whole text; deferred so that the click that
    // gave the focus does not place the cursor over the selection.
    if (event->type() == QEvent::FocusIn) {
        if (auto* edit = qobject_cast<QLineEdit*>(watched))
            QTimer::singleShot(0, edit, &QLineEdit::selectAll);
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace ulvanta
