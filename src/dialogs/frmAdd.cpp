#include "dialogs/frmAdd.h"

#include "app/WidgetPrompter.h"
#include "app/frmPME.h"
#include "document/PageLink.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace ulvanta {

namespace {
constexpr int kPreviewSize = 48;

QLineEdit* makeField(const char* name) {
    auto* e = new QLineEdit;
    e->setObjectName(QLatin1String(name));
    return e;
}

QLabel* makeLabel(const char* name, const QString& caption, QWidget* buddy) {
    auto* l = new QLabel(caption);
    l->setObjectName(QLatin1String(name));
    l->setBuddy(buddy);
    return l;
}

QToolButton* makePictureButton(const char* name, const QString& tip, const QIcon& icon) {
    auto* b = new QToolButton;
    b->setObjectName(QLatin1String(name));
    b->setToolTip(tip);
    b->setIcon(icon);
    b->setAutoRaise(false);
    return b;
}
} // namespace

frmAdd::frmAdd(frmPME& owner) : QDialog(&owner), m_owner(owner) {
    setObjectName(QStringLiteral("frmAdd"));
    setModal(true);
    // Message boxes and file dialogs sit over this dialog, not behind it.
    if (dynamic_cast<WidgetPrompter*>(&owner.prompter()))
        m_ownPrompter = std::make_unique<WidgetPrompter>(this);
    buildForm();

    if (!m_owner.EIcon) {
        setWindowTitle(QStringLiteral("Add an Icon"));
        cmbRun->setCurrentIndex(0);
    } else {
        Deselect(m_owner.lvItems->selectionModel());
        const int row = m_owner.currentRow();
        const ItemRow r = row >= 0 ? m_owner.doc().items().row(row) : ItemRow{};
        setWindowTitle(QStringLiteral("Edit Icon ") + r[ColDescription]);
        cmdAdd->setText(QStringLiteral("&Edit"));
        cmdAddClose->setEnabled(false);
        cmdAddClose->setVisible(false);
        chkClear->setVisible(false);
        chkAddBottom->setVisible(false);
        setFields(IconEntry::fromRow(r));
    }
    txtDesc->setFocus();
}

frmAdd::~frmAdd() = default;

Prompter& frmAdd::prompter() {
    return m_ownPrompter ? *m_ownPrompter : m_owner.prompter();
}

void frmAdd::buildForm() {
    QStyle* st = style();
    const QIcon fileIcon = st->standardIcon(QStyle::SP_FileIcon);
    const QIcon folderIcon = st->standardIcon(QStyle::SP_DirIcon);
    const QString fileTip = QStringLiteral("Browse for File");
    const QString folderTip = QStringLiteral("Browse for Folder");

    // Created in tab order: each field, then its browse buttons.
    txtDesc = makeField("txtDesc");
    lblDesc = makeLabel("lblDesc", QStringLiteral("* &Description:"), txtDesc);
    txtCom = makeField("txtCom");
    lblCom = makeLabel("lblCom", QStringLiteral("* &Command:"), txtCom);
    cmdC1 = makePictureButton("cmdC1", fileTip, fileIcon);
    cmdC2 = makePictureButton("cmdC2", folderTip, folderIcon);
    txtParam = makeField("txtParam");
    lblParam = makeLabel("lblParam", QStringLiteral("&Parameters:"), txtParam);
    cmdP1 = makePictureButton("cmdP1", fileTip, fileIcon);
    cmdP2 = makePictureButton("cmdP2", folderTip, folderIcon);
    txtSI = makeField("txtSI");
    lblSI = makeLabel("lblSI", QStringLiteral("&Start in:"), txtSI);
    cmdS2 = makePictureButton("cmdS2", folderTip, folderIcon);
    txtIcon = makeField("txtIcon");
    lblIcon = makeLabel("lblIcon", QStringLiteral("&Icon:"), txtIcon);
    cmdI1 = makePictureButton("cmdI1", fileTip, fileIcon);
    cmdI2 = makePictureButton("cmdI2", folderTip, folderIcon);
    cmbRun = new QComboBox;
    cmbRun->setObjectName(QStringLiteral("cmbRun"));
    cmbRun->addItems(IconEntry::runStyles());
    lblRun = makeLabel("lblRun", QStringLiteral("&Run:"), cmbRun);
    txtComments = makeField("txtComments");
    lblComments = makeLabel("lblComments", QStringLiteral("Co&mments:"), txtComments);

    imgIcon = new QLabel;
    imgIcon->setObjectName(QStringLiteral("imgIcon"));
    imgIcon->setFixedSize(kPreviewSize, kPreviewSize);
    imgIcon->setAlignment(Qt::AlignCenter);
    imgIcon->setFrameShape(QFrame::StyledPanel);

    fraPM = new QGroupBox(QStringLiteral("Link to &Ulvanta file"));
    fraPM->setObjectName(QStringLiteral("fraPM"));
    cmdPM = makePictureButton("cmdPM", QStringLiteral("Browse for Ulvanta File"),
                              st->standardIcon(QStyle::SP_FileLinkIcon));
    chkPMNewWin = new QCheckBox(QStringLiteral("&Open in new window"));
    chkPMNewWin->setObjectName(QStringLiteral("chkPMNewWin"));
    auto* pmLayout = new QHBoxLayout(fraPM);
    pmLayout->addWidget(cmdPM);
    pmLayout->addWidget(chkPMNewWin);
    pmLayout->addStretch(1);

    chkAddBottom = new QCheckBox(QStringLiteral("Add item at &bottom of list"));
    chkAddBottom->setObjectName(QStringLiteral("chkAddBottom"));
    chkAddBottom->setChecked(true);
    chkClear = new QCheckBox(QStringLiteral("Clear &TextBoxes after adding"));
    chkClear->setObjectName(QStringLiteral("chkClear"));
    chkClear->setChecked(true);
    lblStar = new QLabel(QStringLiteral("* - mandatory field"));
    lblStar->setObjectName(QStringLiteral("lblStar"));

    cmdAdd = new QPushButton(QStringLiteral("Add"));
    cmdAdd->setObjectName(QStringLiteral("cmdAdd"));
    cmdAdd->setDefault(true);
    cmdAddClose = new QPushButton(QStringLiteral("Add a&nd close"));
    cmdAddClose->setObjectName(QStringLiteral("cmdAddClose"));
    cmdCancel = new QPushButton(QStringLiteral("Close"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto* grid = new QGridLayout;
    const auto row = [grid](int r, QLabel* label, QWidget* field,
                            std::initializer_list<QWidget*> buttons) {
        grid->addWidget(label, r, 0);
        grid->addWidget(field, r, 1);
        int c = 2;
        for (QWidget* b : buttons)
            grid->addWidget(b, r, c++);
    };
    row(0, lblDesc, txtDesc, {});
    row(1, lblCom, txtCom, {cmdC1, cmdC2});
    row(2, lblParam, txtParam, {cmdP1, cmdP2});
    row(3, lblSI, txtSI, {cmdS2});
    row(4, lblIcon, txtIcon, {cmdI1, cmdI2});
    row(5, lblRun, cmbRun, {});
    row(6, lblComments, txtComments, {});
    grid->addWidget(imgIcon, 3, 4, 3, 1, Qt::AlignCenter);
    grid->setColumnStretch(1, 1);
    grid->setColumnMinimumWidth(1, 300);

    auto* options = new QVBoxLayout;
    options->addWidget(fraPM);
    options->addWidget(chkAddBottom);
    options->addWidget(chkClear);
    options->addWidget(lblStar);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdAdd);
    buttons->addWidget(cmdAddClose);
    buttons->addWidget(cmdCancel);
    buttons->addStretch(1);

    auto* bottom = new QHBoxLayout;
    bottom->addLayout(options, 1);
    auto* top = new QHBoxLayout;
    top->addLayout(grid, 1);
    top->addLayout(buttons);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(top);
    outer->addLayout(bottom);

    // Tab order: the fields with their browse buttons, the options, then the buttons.
    QWidget* chain[] = {txtDesc, txtCom,      cmdC1,    cmdC2,       txtParam,     cmdP1,
                        cmdP2,   txtSI,       cmdS2,    txtIcon,     cmdI1,        cmdI2,
                        cmbRun,  txtComments, cmdPM,    chkPMNewWin, chkAddBottom, chkClear,
                        cmdAdd,  cmdAddClose, cmdCancel};
    for (size_t i = 1; i < std::size(chain); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);

    for (QLineEdit* e : {txtDesc, txtCom, txtParam, txtSI, txtIcon, txtComments})
        e->installEventFilter(this);

    connect(cmdAdd, &QPushButton::clicked, this, &frmAdd::AddEdit);
    connect(cmdAddClose, &QPushButton::clicked, this, [this] {
        UnloadMe = true;
        AddEdit();
        if (UnloadMe)
            accept();
    });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(txtIcon, &QLineEdit::textChanged, this, &frmAdd::updatePreview);
    connect(cmdPM, &QToolButton::clicked, this, &frmAdd::linkToPage);

    using IconEntry::Browse;
    connectBrowse(cmdC1, Browse::CommandFile, txtCom);
    connectBrowse(cmdC2, Browse::CommandFolder, txtCom);
    connectBrowse(cmdP1, Browse::ParamFile, txtParam);
    connectBrowse(cmdP2, Browse::ParamFolder, txtParam);
    connectBrowse(cmdS2, Browse::StartInFolder, txtSI);
    connectBrowse(cmdI1, Browse::IconFile, txtIcon);
    connectBrowse(cmdI2, Browse::IconFolder, txtIcon);
}

void frmAdd::connectBrowse(QToolButton* button, IconEntry::Browse b, QLineEdit* field) {
    connect(button, &QToolButton::clicked, this, [this, b, field] {
        const IconEntry::BrowseTarget t = IconEntry::browseTarget(b);
        if (t.folder)
            DD(t.title, field, t.collect);
        else
            FD(t.title, t.pattern, field, t.collect);
    });
}

bool frmAdd::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (auto* e = qobject_cast<QLineEdit*>(watched)) {
            SelAll(e);
            // Again once a click into the field has placed its cursor.
            QTimer::singleShot(0, e, [e] { SelAll(e); });
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmAdd::SelAll(QLineEdit* TB) {
    TB->setSelection(0, int(TB->text().size()));
}

IconEntry::Fields frmAdd::fields() const {
    return {txtDesc->text(), txtCom->text(),        txtParam->text(),   txtSI->text(),
            txtIcon->text(), cmbRun->currentText(), txtComments->text()};
}

void frmAdd::setRunStyle(const QString& text) {
    int i = cmbRun->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (i < 0) {
        // A style this dialog does not offer stays the row's until another is chosen.
        cmbRun->addItem(text);
        i = cmbRun->count() - 1;
    }
    cmbRun->setCurrentIndex(i);
}

void frmAdd::setFields(const IconEntry::Fields& f) {
    txtDesc->setText(f.description);
    txtCom->setText(f.command);
    txtParam->setText(f.parameters);
    txtSI->setText(f.startIn);
    txtIcon->setText(f.icon);
    setRunStyle(f.run);
    txtComments->setText(f.comments);
}

void frmAdd::ClearForm() {
    for (QLineEdit* e : {txtDesc, txtCom, txtParam, txtSI, txtIcon, txtComments})
        e->clear();
    cmbRun->setCurrentIndex(0);
}

void frmAdd::AddEdit() {
    const bool editMode = m_owner.EIcon;
    const IconEntry::Outcome out =
        IconEntry::AddEdit(m_owner.doc(), prompter(), fields(), editMode, m_owner.currentRow(),
                           chkAddBottom->isChecked());
    if (!out.written) {
        UnloadMe = false;
        QLineEdit* target = out.focus == IconEntry::Focus::Description ? txtDesc : txtCom;
        if (out.focus != IconEntry::Focus::None)
            target->setFocus();
        return;
    }
    txtIcon->setText(IconEntry::withoutQuotes(txtIcon->text()));
    if (editMode) {
        accept();
        return;
    }
    if (chkClear->isChecked())
        ClearForm();
    txtDesc->setFocus();
    SelAll(txtDesc);
}

QString frmAdd::FD(const QString& DTitle, const QString& FPattern, QLineEdit* TB, bool Param) {
    const QString s = IconEntry::chooseFile(prompter(), DTitle, FPattern);
    if (s.isEmpty())
        return {};
    TB->setText(IconEntry::composeBrowsed(TB->text(), s, Param));
    return TB->text();
}

void frmAdd::DD(const QString& Desc, QLineEdit* TB, bool Param) {
    const QString s = prompter().chooseFolder(Desc);
    if (s.isEmpty())
        return;
    TB->setText(IconEntry::composeBrowsed(TB->text(), s, Param));
}

void frmAdd::linkToPage() {
    const QString f = FD(PageLink::dialogTitle(), PageLink::dialogPattern(), txtCom, false);
    if (f.isEmpty())
        return;
    const QString content = PageLink::readPage(f);
    const IconEntry::Fields link =
        PageLink::link(f, content, chkPMNewWin->isChecked(), m_owner.APath, keyFile);
    ClearForm();
    setFields(link);
}

void frmAdd::updatePreview() {
    // Every failure is silent: the preview then keeps what it showed.
    const std::optional<QImage> img = IconEntry::previewImage(txtIcon->text());
    if (!img)
        return;
    if (img->isNull()) {
        imgIcon->clear();
        return;
    }
    QImage shown = *img;
    if (shown.width() > kPreviewSize || shown.height() > kPreviewSize)
        shown =
            shown.scaled(kPreviewSize, kPreviewSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    imgIcon->setPixmap(QPixmap::fromImage(shown));
}

} // namespace ulvanta
