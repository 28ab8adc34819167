#include "dialogs/IconDialog.h"

#include "dialogs/ThemeIconDialog.h"
#include "edits/Document.h"
#include "forms/PageLink.h"
#include "widgets/WidgetPrompter.h"

#include "ui_IconDialog.h"

#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

namespace ulvanta {

namespace {
constexpr int kPreviewSize = 48;
} // namespace

IconDialog::IconDialog(Document& doc, Prompter& prompter, DialogMode mode, int row,
                       const QString& programFolder, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::IconDialog>()), m_doc(doc), m_prompter(prompter),
      m_mode(mode), m_row(row), m_programFolder(programFolder) {
    setObjectName(QStringLiteral("IconDialog"));
    setModal(true);
    // Message boxes and file dialogs sit over this dialog, not behind it.
    if (dynamic_cast<WidgetPrompter*>(&prompter))
        m_ownPrompter = std::make_unique<WidgetPrompter>(this);
    buildForm();

    if (m_mode == DialogMode::Add) {
        setWindowTitle(tr("Add an Icon"));
        m_ui->runStyleBox->setCurrentIndex(0);
    } else {
        const ItemRow r = row >= 0 ? m_doc.items().row(row) : ItemRow{};
        setWindowTitle(tr("Edit Icon %1").arg(r[ColDescription]));
        m_ui->addButton->setText(tr("&Edit"));
        m_ui->addCloseButton->setEnabled(false);
        m_ui->addCloseButton->setVisible(false);
        m_ui->clearAfterAddCheck->setVisible(false);
        m_ui->addAtBottomCheck->setVisible(false);
        setFields(IconEntry::fromRow(r));
    }
    m_ui->descriptionEdit->setFocus();
}

IconDialog::~IconDialog() = default;

Prompter& IconDialog::prompter() {
    return m_ownPrompter ? *m_ownPrompter : m_prompter;
}

void IconDialog::buildForm() {
    m_ui->setupUi(this);
    m_ui->runStyleBox->addItems(IconEntry::runStyles());
    QStyle* st = style();
    const QIcon fileIcon = st->standardIcon(QStyle::SP_FileIcon);
    const QIcon folderIcon = st->standardIcon(QStyle::SP_DirIcon);
    for (QToolButton* b :
         {m_ui->browseCommandFile, m_ui->browseParameterFile, m_ui->browseIconFile})
        b->setIcon(fileIcon);
    for (QToolButton* b : {m_ui->browseCommandFolder, m_ui->browseParameterFolder,
                           m_ui->browseStartInFolder, m_ui->browseIconFolder})
        b->setIcon(folderIcon);
    m_ui->linkPageButton->setIcon(st->standardIcon(QStyle::SP_FileLinkIcon));

    for (QLineEdit* e : textFields())
        e->installEventFilter(this);

    connect(m_ui->addButton, &QPushButton::clicked, this, &IconDialog::confirm);
    connect(m_ui->addCloseButton, &QPushButton::clicked, this, [this] {
        m_closeAfterAdd = true;
        confirm();
        if (m_closeAfterAdd)
            accept();
    });
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui->iconEdit, &QLineEdit::textChanged, this, &IconDialog::updatePreview);
    connect(m_ui->linkPageButton, &QToolButton::clicked, this, &IconDialog::linkToPage);
    connect(m_ui->fromThemeButton, &QPushButton::clicked, this, &IconDialog::chooseThemeIcon);

    using IconEntry::Browse;
    connectBrowse(m_ui->browseCommandFile, Browse::CommandFile, m_ui->commandEdit);
    connectBrowse(m_ui->browseCommandFolder, Browse::CommandFolder, m_ui->commandEdit);
    connectBrowse(m_ui->browseParameterFile, Browse::ParamFile, m_ui->parametersEdit);
    connectBrowse(m_ui->browseParameterFolder, Browse::ParamFolder, m_ui->parametersEdit);
    connectBrowse(m_ui->browseStartInFolder, Browse::StartInFolder, m_ui->startInEdit);
    connectBrowse(m_ui->browseIconFile, Browse::IconFile, m_ui->iconEdit);
    connectBrowse(m_ui->browseIconFolder, Browse::IconFolder, m_ui->iconEdit);
}

std::array<QLineEdit*, 6> IconDialog::textFields() const {
    return {m_ui->descriptionEdit, m_ui->commandEdit, m_ui->parametersEdit,
            m_ui->startInEdit,     m_ui->iconEdit,    m_ui->commentsEdit};
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

void IconDialog::selectAllText(QLineEdit* field) {
    field->setSelection(0, int(field->text().size()));
}

IconEntry::Fields IconDialog::fields() const {
    return {m_ui->descriptionEdit->text(), m_ui->commandEdit->text(),
            m_ui->parametersEdit->text(),  m_ui->startInEdit->text(),
            m_ui->iconEdit->text(),        m_ui->runStyleBox->currentText(),
            m_ui->commentsEdit->text()};
}

void IconDialog::setRunStyle(const QString& text) {
    int i = m_ui->runStyleBox->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (i < 0) {
        // A style this dialog does not offer stays the row's until another is chosen.
        m_ui->runStyleBox->addItem(text);
        i = m_ui->runStyleBox->count() - 1;
    }
    m_ui->runStyleBox->setCurrentIndex(i);
}

void IconDialog::setFields(const IconEntry::Fields& f) {
    m_ui->descriptionEdit->setText(f.description);
    m_ui->commandEdit->setText(f.command);
    m_ui->parametersEdit->setText(f.parameters);
    m_ui->startInEdit->setText(f.startIn);
    m_ui->iconEdit->setText(f.icon);
    setRunStyle(f.run);
    m_ui->commentsEdit->setText(f.comments);
}

void IconDialog::clearFields() {
    for (QLineEdit* e : textFields())
        e->clear();
    m_ui->runStyleBox->setCurrentIndex(0);
}

void IconDialog::confirm() {
    const bool editMode = m_mode == DialogMode::Edit;
    const IconEntry::Outcome out = IconEntry::confirm(m_doc, prompter(), fields(), editMode, m_row,
                                                      m_ui->addAtBottomCheck->isChecked());
    if (!out.written) {
        m_closeAfterAdd = false;
        QLineEdit* target =
            out.focus == IconEntry::Focus::Description ? m_ui->descriptionEdit : m_ui->commandEdit;
        if (out.focus != IconEntry::Focus::None)
            target->setFocus();
        return;
    }
    m_ui->iconEdit->setText(IconEntry::withoutQuotes(m_ui->iconEdit->text()));
    if (editMode) {
        accept();
        return;
    }
    if (m_ui->clearAfterAddCheck->isChecked())
        clearFields();
    m_ui->descriptionEdit->setFocus();
    selectAllText(m_ui->descriptionEdit);
}

QString IconDialog::browseFile(const QString& title, const QString& pattern, QLineEdit* field,
                               bool collect) {
    const QString s = IconEntry::chooseFile(prompter(), title, pattern);
    if (s.isEmpty())
        return {};
    field->setText(IconEntry::composeBrowsed(field->text(), s, collect));
    return field->text();
}

void IconDialog::browseFolder(const QString& title, QLineEdit* field, bool collect) {
    const QString s = prompter().chooseFolder(title);
    if (s.isEmpty())
        return;
    field->setText(IconEntry::composeBrowsed(field->text(), s, collect));
}

void IconDialog::linkToPage() {
    const QString f =
        browseFile(PageLink::dialogTitle(), PageLink::dialogPattern(), m_ui->commandEdit, false);
    if (f.isEmpty())
        return;
    const QString content = PageLink::readPage(f);
    const IconEntry::Fields link = PageLink::link(f, content, m_ui->newWindowCheck->isChecked(),
                                                  m_programFolder, m_pageSettings);
    clearFields();
    setFields(link);
}

void IconDialog::chooseThemeIcon() {
    // The page's own size when the document's setting is no number yet.
    constexpr int kDefaultIconSize = 32;
    const int size =
        intake::ThemeIconIndex::sizeFromSetting(m_doc.setting(Setting::IconSize), kDefaultIconSize);
    ThemeIconDialog chooser(size, this);
    if (chooser.exec() == QDialog::Accepted)
        m_ui->iconEdit->setText(chooser.chosenFile());
}

void IconDialog::updatePreview() {
    // Every failure is silent: the preview then keeps what it showed.
    const std::optional<QImage> img = IconEntry::previewImage(m_ui->iconEdit->text());
    if (!img)
        return;
    if (img->isNull()) {
        m_ui->iconPreview->clear();
        return;
    }
    QImage shown = *img;
    if (shown.width() > kPreviewSize || shown.height() > kPreviewSize)
        shown =
            shown.scaled(kPreviewSize, kPreviewSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    m_ui->iconPreview->setPixmap(QPixmap::fromImage(shown));
}

} // namespace ulvanta
