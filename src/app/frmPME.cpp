#include "app/frmPME.h"

#include "app/RecentFilesMenu.h"
#include "app/WidgetPrompter.h"
#include "components/Toolkit.h"
#include "document/MenuState.h"
#include "generator/PreviewFile.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

namespace ulvanta {

bool ItemListView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    // Only an edit that would really start is redirected: the view also asks on every
    // change of the current row (CurrentChanged), which is no edit here.
    const bool starts = trigger == AllEditTriggers ||
                        ((editTriggers() & trigger) &&
                         (trigger != SelectedClicked || selectionModel()->isSelected(index)));
    if (starts && index.isValid() && (model()->flags(index) & Qt::ItemIsEditable) &&
        state() != EditingState) {
        const QString text = model()->index(index.row(), 0).data().toString();
        if (text.startsWith(QLatin1String("SECTION:"))) {
            emit sectionEditRequested();
            return false;
        }
    }
    return QTreeView::edit(index, trigger, event);
}

frmPME::frmPME(Prompter* prompter, QWidget* parent)
    : QMainWindow(parent),
      m_ownPrompter(prompter ? nullptr : std::make_unique<WidgetPrompter>(this)),
      m_prompter(prompter ? prompter : m_ownPrompter.get()), m_fileCommands(m_doc, *m_prompter) {
    setObjectName(QStringLiteral("frmPME"));
    APath = QCoreApplication::applicationDirPath();
    if (!APath.endsWith(QLatin1Char('/')))
        APath += QLatin1Char('/');

    buildMenus();
    buildToolbar();
    buildTabs();

    connect(&m_doc, &Document::captionChanged, this, &QWidget::setWindowTitle);
    connect(&m_doc, &Document::checkmenusRequested, this, &frmPME::Checkmenus);
    connect(&m_doc, &Document::tabRequested, tabMain, &QTabWidget::setCurrentIndex);
    connect(&m_doc.items(), &ItemList::descriptionEdited, this, [this] { m_doc.Changed = true; });

    m_doc.NextNew = 1;
    m_doc.Propulate();
    m_doc.setUntitledCaption();

    setupFileCommands();
    setupOutputCommands();
    setupEditCommands();
    setupPropertyCommands();
    setupToolCommands();
    resize(760, 520);
}

frmPME::~frmPME() = default;

void frmPME::start(const QString& commandLine) {
    m_fileCommands.openAtStartup(commandLine);
    show();
    lvItems->setVisible(true);
    Checkmenus();
}

void frmPME::buildMenus() {
    const auto add = [this](QMenu* menu, const char* name, const QString& caption,
                            const QKeySequence& key = {}) {
        auto* a = new QAction(caption, this);
        a->setObjectName(QLatin1String(name));
        if (!key.isEmpty())
            a->setShortcut(key);
        a->setEnabled(false);
        menu->addAction(a);
        return a;
    };

    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    mnuFileNew =
        add(file, "mnuFileNew", QStringLiteral("&New"), QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuFileOpen =
        add(file, "mnuFileOpen", QStringLiteral("&Open..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuFileSave =
        add(file, "mnuFileSave", QStringLiteral("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuFileSaveAs = add(file, "mnuFileSaveAs", QStringLiteral("Save &As..."),
                        QKeySequence(Qt::CTRL | Qt::Key_B));
    file->addSeparator();
    mnuFileImport = add(file, "mnuFileImport", QStringLiteral("&Import Ulvanta File Items..."),
                        QKeySequence(Qt::Key_F11));
    file->addSeparator();
    mnuFileBuild = add(file, "mnuFileBuild", QStringLiteral("&Build..."), QKeySequence(Qt::Key_F3));
    mnuFileRun =
        add(file, "mnuFileRun", QStringLiteral("&Run..."), QKeySequence(Qt::CTRL | Qt::Key_R));
    mnuFileShortcut = add(file, "mnuFileShortcut", QStringLiteral("Create Shortcut on &Desktop..."),
                          QKeySequence(Qt::CTRL | Qt::Key_E));
    file->addSeparator();
    mnuFileExit = add(file, "mnuFileExit", QStringLiteral("E&xit"));

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    mnuEditCopy =
        add(edit, "mnuEditCopy", QStringLiteral("&Copy and paste"), QKeySequence(Qt::Key_F12));
    edit->addSeparator();
    mnuEditAdd = add(edit, "mnuEditAdd", QStringLiteral("&Add icon..."), QKeySequence(Qt::Key_F4));
    mnuEditAddSection =
        add(edit, "mnuEditAddSection", QStringLiteral("Add se&ction (above selected item)..."),
            QKeySequence(Qt::Key_F7));
    mnuEditEdit = add(edit, "mnuEditEdit", QStringLiteral("&Edit selected item..."),
                      QKeySequence(Qt::Key_F2));
    mnuEditDelete = add(edit, "mnuEditDelete", QStringLiteral("&Delete selected item..."),
                        QKeySequence(Qt::Key_F8));
    edit->addSeparator();
    mnuEditMoveUp =
        add(edit, "mnuEditMoveUp", QStringLiteral("Move &up"), QKeySequence(Qt::CTRL | Qt::Key_U));
    mnuEditMoveDown = add(edit, "mnuEditMoveDown", QStringLiteral("Move do&wn"),
                          QKeySequence(Qt::CTRL | Qt::Key_D));
    edit->addSeparator();
    mnuEditReplace = add(edit, "mnuEditReplace", QStringLiteral("&Rep&lace..."),
                         QKeySequence(Qt::CTRL | Qt::Key_H));
    mnuEditSwap =
        add(edit, "mnuEditSwap", QStringLiteral("&Swap Columns..."), QKeySequence(Qt::Key_F6));
    edit->addSeparator();
    mnuEditProperty = add(edit, "mnuEditProperty", QStringLiteral("Edit &property..."),
                          QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuEditReset =
        add(edit, "mnuEditReset", QStringLiteral("&Reset properties..."), QKeySequence(Qt::Key_F9));

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelpContents = add(help, "mnuHelpContents", QStringLiteral("&Contents"));
    mnuHelpFeedback = add(help, "mnuHelpFeedback", QStringLiteral("&Send feedback..."),
                          QKeySequence(Qt::CTRL | Qt::Key_F1));
    mnuHelpAbout =
        add(help, "mnuHelpAbout", QStringLiteral("&About..."), QKeySequence(Qt::CTRL | Qt::Key_F2));
}

void frmPME::buildToolbar() {
    tbMain = addToolBar(QStringLiteral("Toolbar"));
    tbMain->setObjectName(QStringLiteral("tbMain"));
    tbMain->setMovable(false);
    tbMain->setFloatable(false);
    QStyle* st = style();
    struct Button {
        QAction* action;
        const char* tip;
        const char* theme;
        QStyle::StandardPixmap fallback;
    };
    const std::vector<Button> buttons = {
        {mnuFileNew, "New (Ctrl+N)", "document-new", QStyle::SP_FileIcon},
        {mnuFileOpen, "Open (Ctrl+O)", "document-open", QStyle::SP_DialogOpenButton},
        {mnuFileSave, "Save (Ctrl+S)", "document-save", QStyle::SP_DialogSaveButton},
        {nullptr, nullptr, nullptr, QStyle::SP_CustomBase},
        {mnuFileBuild, "Build (F3)", "system-run", QStyle::SP_MediaPlay},
        {nullptr, nullptr, nullptr, QStyle::SP_CustomBase},
        {mnuEditAdd, "Add icon (F4)", "list-add", QStyle::SP_FileDialogNewFolder},
        {mnuEditAddSection, "Add section (above selected item) (F7)", "insert-object",
         QStyle::SP_FileDialogListView},
        {mnuEditEdit, "Edit (F2)", "document-properties", QStyle::SP_FileDialogDetailedView},
        {mnuEditDelete, "Delete (F8)", "edit-delete", QStyle::SP_TrashIcon},
        {nullptr, nullptr, nullptr, QStyle::SP_CustomBase},
        {mnuEditMoveUp, "Move up (Ctrl+U)", "go-up", QStyle::SP_ArrowUp},
        {mnuEditMoveDown, "Move down (Ctrl+D)", "go-down", QStyle::SP_ArrowDown},
    };
    for (const Button& b : buttons) {
        if (!b.action) {
            tbMain->addSeparator();
            m_buttons.push_back(nullptr);
            continue;
        }
        b.action->setToolTip(QString::fromLatin1(b.tip));
        b.action->setIcon(QIcon::fromTheme(QLatin1String(b.theme), st->standardIcon(b.fallback)));
        tbMain->addAction(b.action);
        m_buttons.push_back(b.action);
    }
}

QAction* frmPME::toolButton(int number) const {
    if (number < 1 || number > int(m_buttons.size()))
        return nullptr;
    return m_buttons[size_t(number - 1)];
}

void frmPME::buildTabs() {
    tabMain = new QTabWidget(this);
    tabMain->setObjectName(QStringLiteral("tabMain"));
    tabMain->setTabPosition(QTabWidget::South);
    setCentralWidget(tabMain);

    const auto page = [this](const QString& title) {
        auto* w = new QWidget(tabMain);
        auto* layout = new QVBoxLayout(w);
        layout->setContentsMargins(8, 8, 8, 8); // the lists sit 120 twips inside the tab
        tabMain->addTab(w, title);
        return layout;
    };

    QVBoxLayout* icons = page(QStringLiteral("&Icons"));
    lvItems = new ItemListView;
    lvItems->setObjectName(QStringLiteral("lvItems"));
    lvItems->setModel(&m_doc.items());
    lvItems->setRootIsDecorated(false);
    lvItems->setUniformRowHeights(true);
    lvItems->setAllColumnsShowFocus(true);
    lvItems->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lvItems->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvItems->setEditTriggers(QAbstractItemView::SelectedClicked);
    lvItems->header()->setStretchLastSection(false);
    lvItems->setVisible(false); // shown as the last step of start-up
    icons->addWidget(lvItems);
    connect(lvItems->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &frmPME::Checkmenus);
    connect(lvItems, &ItemListView::sectionEditRequested, this, [this] {
        if (mnuEditEdit->isEnabled())
            mnuEditEdit->trigger();
    });

    QVBoxLayout* props = page(QStringLiteral("&Properties"));
    lvProp = new QTreeView;
    lvProp->setObjectName(QStringLiteral("lvProp"));
    lvProp->setModel(&m_doc.props());
    lvProp->setRootIsDecorated(false);
    lvProp->setUniformRowHeights(true);
    lvProp->setAllColumnsShowFocus(true);
    lvProp->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvProp->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvProp->header()->resizeSection(0, 200);
    props->addWidget(lvProp);

    QVBoxLayout* html = page(QStringLiteral("&HTML"));
    rtfHTML = new QPlainTextEdit;
    rtfHTML->setObjectName(QStringLiteral("rtfHTML"));
    QFont mono(QStringLiteral("Courier New"));
    mono.setStyleHint(QFont::TypeWriter);
    rtfHTML->setFont(mono);
    rtfHTML->setLineWrapMode(QPlainTextEdit::NoWrap);
    rtfHTML->setReadOnly(true);
    html->addWidget(rtfHTML);

    previewLayout = page(QStringLiteral("P&review"));
    previewPane = previewLayout->parentWidget();
    previewLayout->setSpacing(0);
    lblWBStat = new QLabel;
    lblWBStat->setObjectName(QStringLiteral("lblWBStat"));
    previewLayout->addStretch(1);
    previewLayout->addWidget(lblWBStat);

    connect(tabMain, &QTabWidget::currentChanged, this, [this](int tab) {
        const int previous = m_lastTab;
        m_lastTab = tab;
        emit tabChanged(tab, previous);
    });
}

void frmPME::command(QAction* action, std::function<void()> handler) {
    connect(action, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
    m_built.push_back(action);
    action->setEnabled(true);
}

bool frmPME::isBuilt(QAction* action) const {
    return std::find(m_built.begin(), m_built.end(), action) != m_built.end();
}

void frmPME::setupFileCommands() {
    command(mnuFileNew, [this] { m_fileCommands.New(); });
    command(mnuFileOpen, [this] { m_fileCommands.Open(); });
    command(mnuFileSave, [this] { m_fileCommands.Save(); });
    command(mnuFileSaveAs, [this] { m_fileCommands.SaveAs(); });
    command(mnuFileExit, [this] { close(); });
    m_fileCommands.setRecentFiles(&m_recent);
    new RecentFilesMenu(findChild<QMenu*>(QStringLiteral("mnuFile")), mnuFileExit, m_recent,
                        [this](const QString& path) { m_fileCommands.openPath(path); });
}

int frmPME::currentRow() const {
    const QModelIndex i = lvItems->selectionModel()->currentIndex();
    return i.isValid() ? i.row() : -1;
}

void frmPME::setCurrentRow(int row) {
    QItemSelectionModel* sel = lvItems->selectionModel();
    if (row < 0 || row >= m_doc.items().count()) {
        sel->clearCurrentIndex();
        return;
    }
    sel->setCurrentIndex(m_doc.items().index(row, 0),
                         QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void frmPME::Checkmenus() {
    const bool htmlExists = Toolkit::FileExists(m_doc.props().setting(0));
    const MenuState m = ulvanta::Checkmenus(m_doc.items(), currentRow(), htmlExists);
    const auto set = [this](QAction* a, bool on) { a->setEnabled(on && isBuilt(a)); };
    set(mnuEditCopy, m.copy);
    set(mnuEditEdit, m.edit);
    set(mnuEditDelete, m.remove);
    set(mnuEditMoveUp, m.moveUp);
    set(mnuEditMoveDown, m.moveDown);
    set(mnuFileShortcut, m.shortcut);
    set(mnuFileRun, m.run);
}

void frmPME::endOnSignal() {
    m_endingOnSignal = true;
    close();
    QCoreApplication::exit(0); // also leaves a dialog that may be open
}

void frmPME::closeEvent(QCloseEvent* event) {
    if (m_fileCommands.close(previewFilePath(), !m_endingOnSignal))
        event->accept();
    else
        event->ignore();
}

void frmPME::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    layoutColumns();
}

void frmPME::layoutColumns() {
    // Seven equal columns; the 0.1 leaves room for the vertical scroll bar.
    const int width = lvItems->width();
    if (width <= 0)
        return;
    const int column = int(width / 7.1);
    for (int c = 0; c < ItemColumnCount; ++c)
        lvItems->header()->resizeSection(c, column);
}

} // namespace ulvanta
