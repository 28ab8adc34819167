#include "dialogs/frmReplace.h"

#include "document/Document.h"

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

frmReplace::frmReplace(Document& doc, QWidget* owner) : QDialog(owner), m_doc(doc) {
    setObjectName(QStringLiteral("frmReplace"));
    setWindowTitle(QStringLiteral("Replace"));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);

    const auto named = [](QWidget* w, const char* name) {
        w->setObjectName(QLatin1String(name));
        return w;
    };
    lblFind = new QLabel(QStringLiteral("Fi&nd what:"));
    txtFind = new QLineEdit;
    lblReplace = new QLabel(QStringLiteral("Re&place with:"));
    txtReplace = new QLineEdit;
    chkCase = new QCheckBox(QStringLiteral("Match &case"));
    named(lblFind, "lblFind");
    named(txtFind, "txtFind");
    named(lblReplace, "lblReplace");
    named(txtReplace, "txtReplace");
    named(chkCase, "chkCase");
    lblFind->setBuddy(txtFind);
    lblReplace->setBuddy(txtReplace);
    txtFind->installEventFilter(this);
    txtReplace->installEventFilter(this);

    fraColumns = new QGroupBox(QStringLiteral("Replace in Columns"));
    named(fraColumns, "fraColumns");
    chkDescription = new QCheckBox(QStringLiteral("&Description"));
    chkCommand = new QCheckBox(QStringLiteral("Co&mmand"));
    chkParameters = new QCheckBox(QStringLiteral("Parame&ters"));
    chkStartIn = new QCheckBox(QStringLiteral("&Start In"));
    chkIcon = new QCheckBox(QStringLiteral("&Icon"));
    chkComments = new QCheckBox(QStringLiteral("C&omments"));
    named(chkDescription, "chkDescription");
    named(chkCommand, "chkCommand");
    named(chkParameters, "chkParameters");
    named(chkStartIn, "chkStartIn");
    named(chkIcon, "chkIcon");
    named(chkComments, "chkComments");
    auto* columns = new QGridLayout(fraColumns);
    columns->addWidget(chkDescription, 0, 0);
    columns->addWidget(chkCommand, 1, 0);
    columns->addWidget(chkParameters, 2, 0);
    columns->addWidget(chkStartIn, 0, 1);
    columns->addWidget(chkIcon, 1, 1);
    columns->addWidget(chkComments, 2, 1);

    cmdReplace = new QPushButton(QStringLiteral("Replace &All"));
    cmdCancel = new QPushButton(QStringLiteral("Cancel"));
    named(cmdReplace, "cmdReplace");
    named(cmdCancel, "cmdCancel");
    cmdReplace->setDefault(true);
    connect(cmdReplace, &QPushButton::clicked, this, &frmReplace::replaceAll);
    connect(cmdCancel, &QPushButton::clicked, this, &QWidget::close);

    auto* fields = new QGridLayout;
    fields->addWidget(lblFind, 0, 0);
    fields->addWidget(txtFind, 0, 1);
    fields->addWidget(lblReplace, 1, 0);
    fields->addWidget(txtReplace, 1, 1);
    fields->addWidget(chkCase, 2, 1);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdReplace);
    buttons->addWidget(cmdCancel);
    buttons->addStretch(1);

    auto* left = new QVBoxLayout;
    left->addLayout(fields);
    left->addWidget(fraColumns);

    auto* top = new QHBoxLayout(this);
    top->addLayout(left, 1);
    top->addLayout(buttons);
    txtFind->setMinimumWidth(240);
}

ReplaceRequest frmReplace::request() const {
    ReplaceRequest r;
    r.find = txtFind->text();
    r.replacement = txtReplace->text();
    r.matchCase = chkCase->isChecked();
    const std::pair<QCheckBox*, int> boxes[] = {
        {chkDescription, ColDescription}, {chkCommand, ColCommand}, {chkParameters, ColParameters},
        {chkStartIn, ColStartIn},         {chkIcon, ColIcon},       {chkComments, ColComments}};
    for (const auto& [box, column] : boxes) {
        // A greyed box counts as unchecked.
        if (box->checkState() == Qt::Checked)
            r.columns.push_back(column);
    }
    return r;
}

void frmReplace::replaceAll() {
    if (ReplaceAll(m_doc, request()))
        emit replaced();
}

bool frmReplace::eventFilter(QObject* watched, QEvent* event) {
    // Entering a text box selects its whole text; deferred so that the click that
    // gave the focus does not place the cursor over the selection.
    if (event->type() == QEvent::FocusIn) {
        if (auto* edit = qobject_cast<QLineEdit*>(watched))
            QTimer::singleShot(0, edit, &QLineEdit::selectAll);
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace ulvanta
