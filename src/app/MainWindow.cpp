#include "app/MainWindow.h"

#include "app/ItemActions.h"
#include "app/ItemListView.h"
#include "app/OutputActions.h"
#include "app/ProblemsPanel.h"
#include "app/PropertyActions.h"
#include "app/RecentFilesMenu.h"
#include "app/ToolActions.h"

#include "commands/ListController.h"
#include "commands/MenuState.h"
#include "components/FileChecks.h"
#include "components/PaletteContrast.h"
#include "components/WindowPlace.h"
#include "generator/PreviewFile.h"
#include "generator/ProblemList.h"
#include "intake/RowPictures.h"
#include "widgets/WidgetPrompter.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWindow>

namespace ulvanta {

namespace {
// The window's size and place when it was last closed, in the program's settings.
const QString kGeometryKey = QStringLiteral("MainWindow/geometry");
// The item list's column widths the user set, and the tab shown last.
const QString kColumnsKey = QStringLiteral("MainWindow/itemColumns");
const QString kTabKey = QStringLiteral("MainWindow/tab");

// A tab's mnemonic (Alt+I, Alt+P, ...) leaves the keyboard on the tab strip, wherever
// it was, so that Shift+Tab goes back into the page shown.
class TabMnemonicFocus : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Shortcut)
            static_cast<QWidget*>(watched)->setFocus(Qt::ShortcutFocusReason);
        return QObject::eventFilter(watched, event);
    }
};
// The strip of tabs lies below the pages: Tab reaches it after the controls of the
// page shown, as they are read, and then goes on to the panels below. Widgets made
// later (the preview's browser) join the end of the window's order: this puts them
// back with their page.
void tabStripAfterPages(QTabWidget* tabs) {
    QList<QWidget*> pages;
    for (QWidget* w = tabs->nextInFocusChain(); w != tabs; w = w->nextInFocusChain())
        if (tabs->isAncestorOf(w) && w != tabs->tabBar() && !w->focusProxy() &&
            (w->focusPolicy() & Qt::TabFocus))
            pages << w;
    for (qsizetype i = 1; i < pages.size(); ++i)
        QWidget::setTabOrder(pages.at(i - 1), pages.at(i));
    if (!pages.isEmpty())
        QWidget::setTabOrder(pages.last(), tabs->tabBar());
}
} // namespace

MainWindow::MainWindow(Prompter* prompter, QWidget* parent)
    : QMainWindow(parent),
      m_ownPrompter(prompter ? nullptr : std::make_unique<WidgetPrompter>(this)),
      m_prompter(prompter ? prompter : m_ownPrompter.get()), m_fileController(m_doc, *m_prompter) {
    setObjectName(QStringLiteral("MainWindow"));
    m_programFolder = QCoreApplication::applicationDirPath();
    if (!m_programFolder.endsWith(QLatin1Char('/')))
        m_programFolder += QLatin1Char('/');

    buildMenus();
    buildToolbar();
    buildTabs();
    statusBar()->setObjectName(QStringLiteral("statusBar"));

    connect(&m_doc, &Document::nameChanged, this, [this] { setWindowTitle(m_doc.caption()); });
    connect(&m_doc, &Document::actionUpdateRequested, this, &MainWindow::updateActions);
    // A new or opened document is shown from its list of icons.
    connect(&m_doc, &Document::replaced, m_tabs, [this] {
        m_tabs->setCurrentIndex(0);
        m_itemList->fitColumns();
    });
    connect(&m_doc, &Document::editReplayed, this, &MainWindow::showPlace);
    connect(&m_doc, &Document::rowsPlaced, this,
            [this](const EditPlace& place, const QString& status) {
                if (place.current >= 0)
                    setCurrentRow(place.current);
                if (place.first >= 0)
                    m_itemList->selectionModel()->select(
                        QItemSelection(m_doc.items().index(place.first, 0),
                                       m_doc.items().index(place.last, ItemColumnCount - 1)),
                        QItemSelectionModel::Select);
                showStatus(status);
            });
    // Queued: said after what the command that made the step puts in the status bar.
    connect(
        &m_doc, &Document::stepTooLarge, this,
        [this](const QString& status) { showStatus(status); }, Qt::QueuedConnection);
    connect(&m_fileController.recovery(), &RecoveryKeeper::statusMessage, this,
            &MainWindow::showStatus);

    m_doc.setNextNewNumber(1);
    m_doc.resetProperties();
    setWindowTitle(m_doc.caption());

    connectCommands();
    resize(760, 520);
}

MainWindow::~MainWindow() = default;

void MainWindow::start(const QString& commandLine) {
    m_fileController.openAtStartup(commandLine);
    placeWindow();
    const QSettings settings;
    m_itemList->restoreUserColumns(settings.value(kColumnsKey).toByteArray());
    m_tabs->setCurrentIndex(settings.value(kTabKey, 0).toInt());
    show();
    m_itemList->setVisible(true);
    updateActions();
}

void MainWindow::placeWindow() {
    if (restoreGeometry(QSettings().value(kGeometryKey).toByteArray()))
        return; // moved onto the screen by the library if it no longer fits there
    // Most window managers tell the frame only once the window is shown: till then
    // room for a title bar.
    winId();
    QMargins frame = windowHandle()->frameMargins();
    if (frame.isNull())
        frame.setTop(style()->pixelMetric(QStyle::PM_TitleBarHeight));
    setGeometry(WindowPlace::firstPlace(size(), frame, screen()->availableGeometry()));
}

QAction* MainWindow::addMenuAction(QMenu* menu, const char* name, const QString& caption,
                                   const QKeySequence& key) {
    auto* a = new QAction(caption, this);
    a->setObjectName(QLatin1String(name));
    if (!key.isEmpty())
        a->setShortcut(key);
    menu->addAction(a);
    return a;
}

void MainWindow::buildMenus() {
    buildFileMenu();
    buildEditMenu();
    buildHelpMenu();
}

void MainWindow::buildFileMenu() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("menuFile"));
    m_actionNew = addMenuAction(file, "actionNew", tr("&New"), QKeySequence(Qt::CTRL | Qt::Key_N));
    m_actionOpen =
        addMenuAction(file, "actionOpen", tr("&Open..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    m_actionSave =
        addMenuAction(file, "actionSave", tr("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S));
    m_actionSaveAs =
        addMenuAction(file, "actionSaveAs", tr("Save &As..."), QKeySequence(Qt::CTRL | Qt::Key_B));
    file->addSeparator();
    m_actionImport = addMenuAction(file, "actionImport", tr("&Import Ulvanta File Items..."),
                                   QKeySequence(Qt::Key_F11));
    file->addSeparator();
    m_actionBuild = addMenuAction(file, "actionBuild", tr("&Build..."), QKeySequence(Qt::Key_F3));
    m_actionCheckPage = addMenuAction(file, "actionCheckPage", tr("Chec&k Page"),
                                      QKeySequence(Qt::CTRL | Qt::Key_K));
    m_actionRun =
        addMenuAction(file, "actionRun", tr("&Run..."), QKeySequence(Qt::CTRL | Qt::Key_R));
    m_actionShortcut = addMenuAction(file, "actionShortcut", tr("Create Shortcut on &Desktop..."),
                                     QKeySequence(Qt::CTRL | Qt::Key_E));
    file->addSeparator();
    m_actionExit = addMenuAction(file, "actionExit", tr("E&xit"));
}

void MainWindow::buildEditMenu() {
    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->setObjectName(QStringLiteral("menuEdit"));
    // The stack names the step in the caption ("&Undo Delete") and enables them.
    m_actionUndo = m_doc.undoStack().createUndoAction(this, tr("&Undo"));
    m_actionUndo->setObjectName(QStringLiteral("actionUndo"));
    m_actionUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_actionRedo = m_doc.undoStack().createRedoAction(this, tr("&Redo"));
    m_actionRedo->setObjectName(QStringLiteral("actionRedo"));
    m_actionRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    edit->addAction(m_actionUndo);
    edit->addAction(m_actionRedo);
    edit->addSeparator();
    m_actionCopy =
        addMenuAction(edit, "actionCopy", tr("&Copy and paste"), QKeySequence(Qt::Key_F12));
    edit->addSeparator();
    m_actionAdd = addMenuAction(edit, "actionAdd", tr("&Add icon..."), QKeySequence(Qt::Key_F4));
    m_actionAddSection =
        addMenuAction(edit, "actionAddSection", tr("Add se&ction (above selected item)..."),
                      QKeySequence(Qt::Key_F7));
    m_actionAddApplications = addMenuAction(
        edit, "actionAddApplications", tr("Add from &Applications..."), QKeySequence(Qt::Key_F5));
    m_actionEdit =
        addMenuAction(edit, "actionEdit", tr("&Edit selected item..."), QKeySequence(Qt::Key_F2));
    m_actionDelete = addMenuAction(edit, "actionDelete", tr("&Delete selected item..."),
                                   QKeySequence(Qt::Key_F8));
    edit->addSeparator();
    m_actionMoveUp =
        addMenuAction(edit, "actionMoveUp", tr("Move &up"), QKeySequence(Qt::CTRL | Qt::Key_U));
    m_actionMoveDown =
        addMenuAction(edit, "actionMoveDown", tr("Move do&wn"), QKeySequence(Qt::CTRL | Qt::Key_D));
    edit->addSeparator();
    m_actionReplace = addMenuAction(edit, "actionReplace", tr("&Rep&lace..."),
                                    QKeySequence(Qt::CTRL | Qt::Key_H));
    m_actionSwapColumns =
        addMenuAction(edit, "actionSwapColumns", tr("&Swap Columns..."), QKeySequence(Qt::Key_F6));
    edit->addSeparator();
    m_actionEditProperty = addMenuAction(edit, "actionEditProperty", tr("Edit &property..."),
                                         QKeySequence(Qt::CTRL | Qt::Key_P));
    m_actionResetProperties = addMenuAction(edit, "actionResetProperties",
                                            tr("&Reset properties..."), QKeySequence(Qt::Key_F9));
}

void MainWindow::buildHelpMenu() {
    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("menuHelp"));
    m_actionHelpContents =
        addMenuAction(help, "actionHelpContents", tr("&Contents"), QKeySequence(Qt::Key_F1));
    m_actionFeedback = addMenuAction(help, "actionFeedback", tr("&Send feedback..."),
                                     QKeySequence(Qt::CTRL | Qt::Key_F1));
    m_actionAbout =
        addMenuAction(help, "actionAbout", tr("&About..."), QKeySequence(Qt::CTRL | Qt::Key_F2));
}

void MainWindow::buildToolbar() {
    m_toolBar = addToolBar(tr("Toolbar"));
    m_toolBar->setObjectName(QStringLiteral("toolBar"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    QStyle* st = style();
    struct Button {
        QAction* action;
        const char* tip;
        const char* theme;
        QStyle::StandardPixmap fallback;
    };
    const std::vector<Button> buttons = {
        {m_actionNew, QT_TR_NOOP("New (Ctrl+N)"), "document-new", QStyle::SP_FileIcon},
        {m_actionOpen, QT_TR_NOOP("Open (Ctrl+O)"), "document-open", QStyle::SP_DialogOpenButton},
        {m_actionSave, QT_TR_NOOP("Save (Ctrl+S)"), "document-save", QStyle::SP_DialogSaveButton},
        {nullptr, nullptr, nullptr, QStyle::SP_CustomBase},
        {m_actionBuild, QT_TR_NOOP("Build (F3)"), "system-run", QStyle::SP_MediaPlay},
        {nullptr, nullptr, nullptr, QStyle::SP_CustomBase},
        {m_actionAdd, QT_TR_NOOP("Add icon (F4)"), "list-add", QStyle::SP_FileDialogNewFolder},
        {m_actionAddSection, QT_TR_NOOP("Add section (above selected item) (F7)"), "insert-object",
         QStyle::SP_FileDialogListView},
        {m_actionEdit, QT_TR_NOOP("Edit (F2)"), "document-properties",
         QStyle::SP_FileDialogDetailedView},
        {m_actionDelete, QT_TR_NOOP("Delete (F8)"), "edit-delete", QStyle::SP_TrashIcon},
        {nullptr, nullptr, nullptr, QStyle::SP_CustomBase},
        {m_actionMoveUp, QT_TR_NOOP("Move up (Ctrl+U)"), "go-up", QStyle::SP_ArrowUp},
        {m_actionMoveDown, QT_TR_NOOP("Move down (Ctrl+D)"), "go-down", QStyle::SP_ArrowDown},
        {nullptr, nullptr, nullptr, QStyle::SP_CustomBase},
        {m_actionUndo, QT_TR_NOOP("Undo (Ctrl+Z)"), "edit-undo", QStyle::SP_ArrowBack},
        {m_actionRedo, QT_TR_NOOP("Redo (Ctrl+Y)"), "edit-redo", QStyle::SP_ArrowForward},
    };
    for (const Button& b : buttons) {
        if (!b.action) {
            m_toolBar->addSeparator();
            continue;
        }
        b.action->setToolTip(tr(b.tip));
        // The theme's icon or the style's, drawn anew where it would vanish on the palette.
        const QIcon icon = QIcon::fromTheme(QLatin1String(b.theme), st->standardIcon(b.fallback));
        b.action->setIcon(PaletteContrast::legibleIcon(icon, palette()));
        m_plainIcons.emplace_back(b.action, icon);
        m_toolBar->addAction(b.action);
    }
}

void MainWindow::buildItemList(QVBoxLayout* icons) {
    m_itemList = new ItemListView;
    m_itemList->setObjectName(QStringLiteral("itemList"));
    m_itemList->setAccessibleName(tr("Icon list"));
    m_itemList->setModel(&m_doc.items());
    // Pictures are found for the rows shown, once for each kind of row.
    m_doc.items().setPictureSource(
        [pictures = std::make_shared<intake::RowPictures>()](const ItemList& items, int row) {
            return QVariant(pictures->picture(items, row));
        });
    m_itemList->setRootIsDecorated(false);
    m_itemList->setUniformRowHeights(true);
    m_itemList->setAllColumnsShowFocus(true);
    m_itemList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_itemList->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_itemList->setEditTriggers(QAbstractItemView::SelectedClicked);
    m_itemList->setDragDropMode(QAbstractItemView::DragDrop);
    m_itemList->setDefaultDropAction(Qt::MoveAction);
    m_itemList->setDropIndicatorShown(true);
    m_itemList->header()->setStretchLastSection(false);
    m_itemList->setVisible(false); // shown as the last step of start-up
    icons->addWidget(m_itemList);
    connect(m_itemList->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &MainWindow::updateActions);
    // Whether the selected rows can move depends on all of them.
    connect(m_itemList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &MainWindow::updateActions);
    connect(m_itemList, &ItemListView::sectionEditRequested, this, [this] {
        if (m_actionEdit->isEnabled())
            m_actionEdit->trigger();
    });
}

void MainWindow::buildTabs() {
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("tabs"));
    m_tabs->setAccessibleName(tr("Views"));
    m_tabs->setTabPosition(QTabWidget::South);
    // Not a stop of its own before the pages: Tab reaches the strip in its place.
    m_tabs->setFocusProxy(nullptr);
    m_tabs->setFocusPolicy(Qt::NoFocus);
    setCentralWidget(m_tabs);

    const auto page = [this](const QString& title) {
        auto* w = new QWidget(m_tabs);
        auto* layout = new QVBoxLayout(w);
        layout->setContentsMargins(8, 8, 8, 8); // the lists sit 120 twips inside the tab
        m_tabs->addTab(w, title);
        return layout;
    };

    buildItemList(page(tr("&Icons")));

    QVBoxLayout* props = page(tr("&Properties"));
    m_propertyList = new QTreeView;
    m_propertyList->setObjectName(QStringLiteral("propertyList"));
    m_propertyList->setAccessibleName(tr("Property list"));
    m_propertyList->setModel(&m_doc.props());
    m_propertyList->setRootIsDecorated(false);
    m_propertyList->setUniformRowHeights(true);
    m_propertyList->setAllColumnsShowFocus(true);
    m_propertyList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_propertyList->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_propertyList->header()->resizeSection(0, 200);
    props->addWidget(m_propertyList);

    QVBoxLayout* html = page(tr("&HTML"));
    m_htmlView = new QPlainTextEdit;
    m_htmlView->setObjectName(QStringLiteral("htmlView"));
    m_htmlView->setAccessibleName(tr("Page HTML"));
    QFont mono(QStringLiteral("Courier New"));
    mono.setStyleHint(QFont::TypeWriter);
    m_htmlView->setFont(mono);
    m_htmlView->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_htmlView->setReadOnly(true);
    html->addWidget(m_htmlView);

    m_previewLayout = page(tr("P&review"));
    m_previewLayout->setSpacing(0);
    m_previewStatus = new QLabel;
    m_previewStatus->setObjectName(QStringLiteral("previewStatus"));
    m_previewLayout->addStretch(1);
    m_previewLayout->addWidget(m_previewStatus);

    m_tabs->tabBar()->installEventFilter(new TabMnemonicFocus(m_tabs->tabBar()));

    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int tab) {
        const int previous = m_lastTab;
        m_lastTab = tab;
        emit tabChanged(tab, previous);
    });
}

void MainWindow::connectCommands() {
    const auto on = [this](QAction* action, auto* handler, auto slot) {
        connect(action, &QAction::triggered, handler, slot);
    };
    on(m_actionNew, this, [this] { m_fileController.newDocument(); });
    on(m_actionOpen, this, [this] { m_fileController.open(); });
    on(m_actionSave, this, [this] { m_fileController.save(); });
    on(m_actionSaveAs, this, [this] { m_fileController.saveAs(); });
    on(m_actionExit, this, [this] { close(); });
    m_fileController.setRecentFiles(&m_recent);
    new RecentFilesMenu(findChild<QMenu*>(QStringLiteral("menuFile")), m_actionExit, m_recent,
                        [this](const QString& path) { m_fileController.openPath(path); });

    m_outputActions = new OutputActions(m_doc, *m_prompter, m_programFolder, m_htmlView,
                                        m_previewLayout, m_previewStatus, this);
    on(m_actionBuild, m_outputActions, &OutputActions::build);
    on(m_actionRun, m_outputActions, &OutputActions::run);
    on(m_actionShortcut, m_outputActions, &OutputActions::createShortcut);
    connect(m_outputActions, &OutputActions::statusMessage, this, &MainWindow::showStatus);
    connect(this, &MainWindow::tabChanged, m_outputActions, &OutputActions::tabChanged);
    connect(this, &MainWindow::tabChanged, m_tabs, [this] { tabStripAfterPages(m_tabs); });

    m_problemsPanel = new ProblemsPanel(m_doc, this);
    addDockWidget(Qt::BottomDockWidgetArea, m_problemsPanel);
    m_problemsPanel->hide();
    tabStripAfterPages(m_tabs);
    on(m_actionCheckPage, m_problemsPanel, &ProblemsPanel::open);
    connect(m_problemsPanel, &ProblemsPanel::lineActivated, this, &MainWindow::showProblem);

    m_itemActions = new ItemActions(m_doc, *m_prompter, m_itemList, m_tabs, m_programFolder, this);
    on(m_actionAdd, m_itemActions, &ItemActions::addIcon);
    on(m_actionAddSection, m_itemActions, &ItemActions::addSection);
    on(m_actionAddApplications, m_itemActions, &ItemActions::addApplications);
    on(m_actionEdit, m_itemActions, &ItemActions::editCurrent);
    on(m_actionDelete, m_itemActions, &ItemActions::removeSelected);
    // The Delete key in the list does what F8 does; only there, so that it still
    // deletes text wherever text is typed.
    auto* deleteKey = new QAction(m_itemList);
    deleteKey->setShortcut(QKeySequence::Delete);
    deleteKey->setShortcutContext(Qt::WidgetShortcut);
    m_itemList->addAction(deleteKey);
    connect(deleteKey, &QAction::triggered, m_actionDelete, [this] {
        if (m_actionDelete->isEnabled())
            m_actionDelete->trigger();
    });
    on(m_actionCopy, m_itemActions, &ItemActions::duplicateSelected);
    on(m_actionMoveUp, m_itemActions, &ItemActions::moveUp);
    on(m_actionMoveDown, m_itemActions, &ItemActions::moveDown);

    m_propertyActions = new PropertyActions(m_doc, *m_prompter, m_fileController, m_propertyList,
                                            m_tabs, m_actionEditProperty, this);
    on(m_actionEditProperty, m_propertyActions, &PropertyActions::editProperty);
    on(m_actionResetProperties, m_propertyActions, &PropertyActions::resetProperties);

    m_toolActions = new ToolActions(m_doc, *m_prompter, m_programFolder, m_tabs, this);
    on(m_actionReplace, m_toolActions, &ToolActions::replace);
    on(m_actionSwapColumns, m_toolActions, &ToolActions::swapColumns);
    on(m_actionImport, m_toolActions, &ToolActions::importItems);
    on(m_actionHelpContents, m_toolActions, &ToolActions::showHelp);
    on(m_actionFeedback, m_toolActions, &ToolActions::sendFeedback);
    on(m_actionAbout, m_toolActions, &ToolActions::showAbout);
    connect(m_toolActions, &ToolActions::listChanged, this, &MainWindow::updateActions);
}

int MainWindow::currentRow() const {
    const QModelIndex i = m_itemList->selectionModel()->currentIndex();
    return i.isValid() ? i.row() : -1;
}

void MainWindow::setCurrentRow(int row) {
    QItemSelectionModel* sel = m_itemList->selectionModel();
    if (row < 0 || row >= m_doc.items().count()) {
        sel->clearCurrentIndex();
        return;
    }
    sel->setCurrentIndex(m_doc.items().index(row, 0),
                         QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void MainWindow::showPlace(const EditPlace& place) {
    m_tabs->setCurrentIndex(int(place.tab));
    if (place.current < 0)
        return;
    QTreeView* list = place.tab == EditTab::Icons ? m_itemList : m_propertyList;
    QAbstractItemModel* model = list->model();
    if (place.current >= model->rowCount())
        return;
    const auto rows = QItemSelectionModel::Rows;
    QItemSelectionModel* sel = list->selectionModel();
    sel->setCurrentIndex(model->index(place.current, 0),
                         QItemSelectionModel::ClearAndSelect | rows);
    if (place.first >= 0 && place.last < model->rowCount())
        sel->select(QItemSelection(model->index(place.first, 0), model->index(place.last, 0)),
                    QItemSelectionModel::ClearAndSelect | rows);
    list->scrollTo(model->index(place.current, 0));
}

void MainWindow::showProblem(int line) {
    const std::optional<EditPlace> place = m_problemsPanel->problems().place(line, m_doc.props());
    if (!place || (place->tab == EditTab::Icons && place->current >= m_doc.items().count()))
        return;
    showPlace(*place);
    if (place->tab == EditTab::Icons) {
        m_itemList->setFocus(Qt::OtherFocusReason);
    } else {
        m_propertyList->setFocus(Qt::OtherFocusReason);
        if (m_actionEditProperty->isEnabled())
            m_actionEditProperty->trigger();
    }
}

void MainWindow::updateActions() {
    const bool htmlExists = FileChecks::fileExists(m_doc.setting(Setting::HtmlFile));
    const MenuState m =
        menuState(m_doc.items(), currentRow(), htmlExists,
                  selectedSpans(m_itemList->selectionModel(), m_doc.items().count()));
    const auto set = [](QAction* a, bool on) { a->setEnabled(on); };
    set(m_actionCopy, m.copy);
    set(m_actionEdit, m.edit);
    set(m_actionDelete, m.remove);
    set(m_actionMoveUp, m.moveUp);
    set(m_actionMoveDown, m.moveDown);
    set(m_actionShortcut, m.shortcut);
    set(m_actionRun, m.run);
}

void MainWindow::showStatus(const QString& text) {
    // Long enough to read, short enough not to describe a later state of the list.
    constexpr int kShownMs = 6000;
    statusBar()->showMessage(text, kShownMs);
}

void MainWindow::endOnSignal() {
    m_endingOnSignal = true;
    close();
    QCoreApplication::exit(0); // also leaves a dialog that may be open
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        for (const auto& [action, icon] : m_plainIcons)
            action->setIcon(PaletteContrast::legibleIcon(icon, palette()));
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (m_fileController.close(m_outputActions->previewFile(), !m_endingOnSignal)) {
        QSettings settings;
        settings.setValue(kGeometryKey, saveGeometry());
        settings.setValue(kColumnsKey, m_itemList->userColumns());
        settings.setValue(kTabKey, m_tabs->currentIndex());
        event->accept();
    } else {
        event->ignore();
    }
}

} // namespace ulvanta
