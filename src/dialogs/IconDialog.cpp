#include "dialogs/IconDialog.h"

#include "edits/Document.h"
#include "forms/PageLink.h"
#include "widgets/WidgetPrompter.h"

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

IconDialog::IconDialog(Document& doc, Prompter& prompter, DialogMode mode, int row,
                       const QString& programFolder, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_prompter(prompter), m_mode(mode), m_row(row),
      m_programFolder(programFolder) {
    setObjectName(QStringLiteral("IconDialog"));
    setModal(true);
    // Message boxes and file dialogs sit over this dialog, not behind it.
    if (dynamic_cast<WidgetPrompter*>(&prompter))
        m_ownPrompter = std::make_unique<WidgetPrompter>(this);
    buildForm();

    if (m_mode == DialogMode::Add) {
        setWindowTitle(QStringLiteral("Add an Icon"));
        m_runStyleBox->setCurrentIndex(0);
    } else {
        const ItemRow r = row >= 0 ? m_doc.items().row(row) : ItemRow{};
        setWindowTitle(QStringLiteral("Edit Icon ") + r[ColDescription]);
        m_addButton->setText(QStringLiteral("&Edit"));
        m_addCloseButton->setEnabled(false);
        m_addCloseButton->setVisible(false);
        m_clearAfterAddCheck->setVisible(false);
        m_addAtBottomCheck->setVisible(false);
        setFields(IconEntry::fromRow(r));
    }
    m_descriptionEdit->setFocus();
}

IconDialog::~IconDialog() = default;

Prompter& IconDialog::prompter() {
    return m_ownPrompter ? *m_ownPrompter : m_prompter;
}

void IconDialog::buildForm() {
    QStyle* st = style();
    const QIcon fileIcon = st->standardIcon(QStyle::SP_FileIcon);
    const QIcon folderIcon = st->standardIcon(QStyle::SP_DirIcon);
    const QString fileTip = QStringLiteral("Browse for File");
    const QString folderTip = QStringLiteral("Browse for Folder");

    // Created in tab order: each field, then its browse buttons.
    m_descriptionEdit = makeField("descriptionEdit");
    m_descriptionLabel =
        makeLabel("descriptionLabel", QStringLiteral("* &Description:"), m_descriptionEdit);
    m_commandEdit = makeField("commandEdit");
    m_commandLabel = makeLabel("commandLabel", QStringLiteral("* &Command:"), m_commandEdit);
    m_browseCommandFile = makePictureButton("browseCommandFile", fileTip, fileIcon);
    m_browseCommandFolder = makePictureButton("browseCommandFolder", folderTip, folderIcon);
    m_parametersEdit = makeField("parametersEdit");
    m_parametersLabel =
        makeLabel("parametersLabel", QStringLiteral("&Parameters:"), m_parametersEdit);
    m_browseParameterFile = makePictureButton("browseParameterFile", fileTip, fileIcon);
    m_browseParameterFolder = makePictureButton("browseParameterFolder", folderTip, folderIcon);
    m_startInEdit = makeField("startInEdit");
    m_startInLabel = makeLabel("startInLabel", QStringLiteral("&Start in:"), m_startInEdit);
    m_browseStartInFolder = makePictureButton("browseStartInFolder", folderTip, folderIcon);
    m_iconEdit = makeField("iconEdit");
    m_iconLabel = makeLabel("iconLabel", QStringLiteral("&Icon:"), m_iconEdit);
    m_browseIconFile = makePictureButton("browseIconFile", fileTip, fileIcon);
    m_browseIconFolder = makePictureButton("browseIconFolder", folderTip, folderIcon);
    m_runStyleBox = new QComboBox;
    m_runStyleBox->setObjectName(QStringLiteral("runStyleBox"));
    m_runStyleBox->addItems(IconEntry::runStyles());
    m_runLabel = makeLabel("runLabel", QStringLiteral("&Run:"), m_runStyleBox);
    m_commentsEdit = makeField("commentsEdit");
    m_commentsLabel = makeLabel("commentsLabel", QStringLiteral("Co&mments:"), m_commentsEdit);

    m_iconPreview = new QLabel;
    m_iconPreview->setObjectName(QStringLiteral("iconPreview"));
    m_iconPreview->setFixedSize(kPreviewSize, kPreviewSize);
    m_iconPreview->setAlignment(Qt::AlignCenter);
    m_iconPreview->setFrameShape(QFrame::StyledPanel);

    m_pageLinkBox = new QGroupBox(QStringLiteral("Link to &Ulvanta file"));
    m_pageLinkBox->setObjectName(QStringLiteral("pageLinkBox"));
    m_linkPageButton =
        makePictureButton("linkPageButton", QStringLiteral("Browse for Ulvanta File"),
                          st->standardIcon(QStyle::SP_FileLinkIcon));
    m_newWindowCheck = new QCheckBox(QStringLiteral("&Open in new window"));
    m_newWindowCheck->setObjectName(QStringLiteral("newWindowCheck"));
    auto* pmLayout = new QHBoxLayout(m_pageLinkBox);
    pmLayout->addWidget(m_linkPageButton);
    pmLayout->addWidget(m_newWindowCheck);
    pmLayout->addStretch(1);

    m_addAtBottomCheck = new QCheckBox(QStringLiteral("Add item at &bottom of list"));
    m_addAtBottomCheck->setObjectName(QStringLiteral("addAtBottomCheck"));
    m_addAtBottomCheck->setChecked(true);
    m_clearAfterAddCheck = new QCheckBox(QStringLiteral("Clear &TextBoxes after adding"));
    m_clearAfterAddCheck->setObjectName(QStringLiteral("clearAfterAddCheck"));
    m_clearAfterAddCheck->setChecked(true);
    m_requiredNote = new QLabel(QStringLiteral("* - mandatory field"));
    m_requiredNote->setObjectName(QStringLiteral("requiredNote"));

    m_addButton = new QPushButton(QStringLiteral("Add"));
    m_addButton->setObjectName(QStringLiteral("addButton"));
    m_addButton->setDefault(true);
    m_addCloseButton = new QPushButton(QStringLiteral("Add a&nd close"));
    m_addCloseButton->setObjectName(QStringLiteral("addCloseButton"));
    m_cancelButton = new QPushButton(QStringLiteral("Close"));
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));

    auto* grid = new QGridLayout;
    const auto row = [grid](int r, QLabel* label, QWidget* field,
                            std::initializer_list<QWidget*> buttons) {
        grid->addWidget(label, r, 0);
        grid->addWidget(field, r, 1);
        int c = 2;
        for (QWidget* b : buttons)
            grid->addWidget(b, r, c++);
    };
    row(0, m_descriptionLabel, m_descriptionEdit, {});
    row(1, m_commandLabel, m_commandEdit, {m_browseCommandFile, m_browseCommandFolder});
    row(2, m_parametersLabel, m_parametersEdit, {m_browseParameterFile, m_browseParameterFolder});
    row(3, m_startInLabel, m_startInEdit, {m_browseStartInFolder});
    row(4, m_iconLabel, m_iconEdit, {m_browseIconFile, m_browseIconFolder});
    row(5, m_runLabel, m_runStyleBox, {});
    row(6, m_commentsLabel, m_commentsEdit, {});
    grid->addWidget(m_iconPreview, 3, 4, 3, 1, Qt::AlignCenter);
    grid->setColumnStretch(1, 1);
    grid->setColumnMinimumWidth(1, 300);

    auto* options = new QVBoxLayout;
    options->addWidget(m_pageLinkBox);
    options->addWidget(m_addAtBottomCheck);
    options->addWidget(m_clearAfterAddCheck);
    options->addWidget(m_requiredNote);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_addButton);
    buttons->addWidget(m_addCloseButton);
    buttons->addWidget(m_cancelButton);
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
    QWidget* chain[] = {m_descriptionEdit,
                        m_commandEdit,
                        m_browseCommandFile,
                        m_browseCommandFolder,
                        m_parametersEdit,
                        m_browseParameterFile,
                        m_browseParameterFolder,
                        m_startInEdit,
                        m_browseStartInFolder,
                        m_iconEdit,
                        m_browseIconFile,
                        m_browseIconFolder,
                        m_runStyleBox,
                        m_commentsEdit,
                        m_linkPageButton,
                        m_newWindowCheck,
                        m_addAtBottomCheck,
                        m_clearAfterAddCheck,
                        m_addButton,
                        m_addCloseButton,
                        m_cancelButton};
    for (size_t i = 1; i < std::size(chain); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);

    for (QLineEdit* e : {m_descriptionEdit, m_commandEdit, m_parametersEdit, m_startInEdit,
                         m_iconEdit, m_commentsEdit})
        e->installEventFilter(this);

    connect(m_addButton, &QPushButton::clicked, this, &IconDialog::confirm);
    connect(m_addCloseButton, &QPushButton::clicked, this, [this] {
        m_closeAfterAdd = true;
        confirm();
        if (m_closeAfterAdd)
            accept();
    });
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_iconEdit, &QLineEdit::textChanged, this, &IconDialog::updatePreview);
    connect(m_linkPageButton, &QToolButton::clicked, this, &IconDialog::linkToPage);

    using IconEntry::Browse;
    connectBrowse(m_browseCommandFile, Browse::CommandFile, m_commandEdit);
    connectBrowse(m_browseCommandFolder, Browse::CommandFolder, m_commandEdit);
    connectBrowse(m_browseParameterFile, Browse::ParamFile, m_parametersEdit);
    connectBrowse(m_browseParameterFolder, Browse::ParamFolder, m_parametersEdit);
    connectBrowse(m_browseStartInFolder, Browse::StartInFolder, m_startInEdit);
    connectBrowse(m_browseIconFile, Browse::IconFile, m_iconEdit);
    connectBrowse(m_browseIconFolder, Browse::IconFolder, m_iconEdit);
}

void IconDialog::connectBrowse(QToolButton* button, IconEntry::Browse b, QLineEdit* field) {
    connect(button, &QToolButton::clicked, this, [this, b, field] {
        const IconEntry::BrowseTarget t = IconEntry::browseTarget(b);
        if (t.folder)
            browseFolder(t.title, field, t.collect);
        else
            browseFile(t.title, t.pattern, field, t.collect);
    });
}

bool IconDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (auto* e = qobject_cast<QLineEdit*>(watched)) {
            selectAllText(e);
            // Again once a click into the field has placed its cursor.
            QTimer::singleShot(0, e, [e] { selectAllText(e); });
        }
    }
    return QDialog::eventFilter(watched, event);
}

void IconDialog::selectAllText(QLineEdit* TB) {
    TB->setSelection(0, int(TB->text().size()));
}

IconEntry::Fields IconDialog::fields() const {
    return {m_descriptionEdit->text(), m_commandEdit->text(), m_parametersEdit->text(),
            m_startInEdit->text(),     m_iconEdit->text(),    m_runStyleBox->currentText(),
            m_commentsEdit->text()};
}

void IconDialog::setRunStyle(const QString& text) {
    int i = m_runStyleBox->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (i < 0) {
        // A style this dialog does not offer stays the row's until another is chosen.
        m_runStyleBox->addItem(text);
        i = m_runStyleBox->count() - 1;
    }
    m_runStyleBox->setCurrentIndex(i);
}

void IconDialog::setFields(const IconEntry::Fields& f) {
    m_descriptionEdit->setText(f.description);
    m_commandEdit->setText(f.command);
    m_parametersEdit->setText(f.parameters);
    m_startInEdit->setText(f.startIn);
    m_iconEdit->setText(f.icon);
    setRunStyle(f.run);
    m_commentsEdit->setText(f.comments);
}

void IconDialog::clearFields() {
    for (QLineEdit* e : {m_descriptionEdit, m_commandEdit, m_parametersEdit, m_startInEdit,
                         m_iconEdit, m_commentsEdit})
        e->clear();
    m_runStyleBox->setCurrentIndex(0);
}

void IconDialog::confirm() {
    const bool editMode = m_mode == DialogMode::Edit;
    const IconEntry::Outcome out = IconEntry::confirm(m_doc, prompter(), fields(), editMode, m_row,
                                                      m_addAtBottomCheck->isChecked());
    if (!out.written) {
        m_closeAfterAdd = false;
        QLineEdit* target =
            out.focus == IconEntry::Focus::Description ? m_descriptionEdit : m_commandEdit;
        if (out.focus != IconEntry::Focus::None)
            target->setFocus();
        return;
    }
    m_iconEdit->setText(IconEntry::withoutQuotes(m_iconEdit->text()));
    if (editMode) {
        accept();
        return;
    }
    if (m_clearAfterAddCheck->isChecked())
        clearFields();
    m_descriptionEdit->setFocus();
    selectAllText(m_descriptionEdit);
}

QString IconDialog::browseFile(const QString& DTitle, const QString& FPattern, QLineEdit* TB,
                               bool Param) {
    const QString s = IconEntry::chooseFile(prompter(), DTitle, FPattern);
    if (s.isEmpty())
        return {};
    TB->setText(IconEntry::composeBrowsed(TB->text(), s, Param));
    return TB->text();
}

void IconDialog::browseFolder(const QString& Desc, QLineEdit* TB, bool Param) {
    const QString s = prompter().chooseFolder(Desc);
    if (s.isEmpty())
        return;
    TB->setText(IconEntry::composeBrowsed(TB->text(), s, Param));
}

void IconDialog::linkToPage() {
    const QString f =
        browseFile(PageLink::dialogTitle(), PageLink::dialogPattern(), m_commandEdit, false);
    if (f.isEmpty())
        return;
    const QString content = PageLink::readPage(f);
    const IconEntry::Fields link =
        PageLink::link(f, content, m_newWindowCheck->isChecked(), m_programFolder, m_pageSettings);
    clearFields();
    setFields(link);
}

void IconDialog::updatePreview() {
    // Every failure is silent: the preview then keeps what it showed.
    const std::optional<QImage> img = IconEntry::previewImage(m_iconEdit->text());
    if (!img)
        return;
    if (img->isNull()) {
        m_iconPreview->clear();
        return;
    }
    QImage shown = *img;
    if (shown.width() > kPreviewSize || shown.height() > kPreviewSize)
        shown =
            shown.scaled(kPreviewSize, kPreviewSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    m_iconPreview->setPixmap(QPixmap::fromImage(shown));
}

} // namespace ulvanta
