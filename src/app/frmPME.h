#pragma once

#include "components/RecentFiles.h"
#include "document/Document.h"
#include "document/FileCommands.h"

#include <QMainWindow>
#include <QTreeView>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QLabel;
class QPlainTextEdit;
class QTabWidget;
class QToolBar;
class QVBoxLayout;

namespace ulvanta {

class Prompter;

// The item list view: a section row is never edited in place; asking to edit one
// hands over to the section dialog instead.
class ItemListView : public QTreeView {
    Q_OBJECT
public:
    using QTreeView::QTreeView;

    // Public so the guard can be exercised directly.
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;

signals:
    void sectionEditRequested();
};

// The editor's main window: owns the document, lays out the four tabs, routes
// menu commands and toolbar buttons, enables commands (Checkmenus) and guards the
// close.
class frmPME : public QMainWindow {
    Q_OBJECT
public:
    // Tests pass a prompter that answers questions; the program uses message boxes.
    explicit frmPME(Prompter* prompter = nullptr, QWidget* parent = nullptr);
    ~frmPME() override;

    // Start-up: opens the document named by the command line, shows the window.
    void start(const QString& commandLine);

    Document& doc() { return m_doc; }
    Prompter& prompter() { return *m_prompter; }
    FileCommands& fileCommands() { return m_fileCommands; }
    // Ends the editor now without a question, because a signal asked it to.
    void endOnSignal();

    QString APath;      // the program folder, ending in a separator
    bool EIcon = false; // the icon and section dialogs edit (true) or add (false)

    // The current row of the item list (0-based), or -1.
    int currentRow() const;
    // Makes a row the current row and the only selected one.
    void setCurrentRow(int row);
    void Checkmenus();

    // Toolbar button 1..13 (4, 6 and 11 are separators: nullptr).
    QAction* toolButton(int number) const;

    // Controls, named as the program's help and code refer to them.
    QToolBar* tbMain = nullptr;
    QTabWidget* tabMain = nullptr;
    ItemListView* lvItems = nullptr;
    QTreeView* lvProp = nullptr;
    QPlainTextEdit* rtfHTML = nullptr;
    QWidget* previewPane = nullptr; // holds the browser (created on first visit) and lblWBStat
    QVBoxLayout* previewLayout = nullptr;
    QLabel* lblWBStat = nullptr;

    QAction* mnuFileNew = nullptr;
    QAction* mnuFileOpen = nullptr;
    QAction* mnuFileSave = nullptr;
    QAction* mnuFileSaveAs = nullptr;
    QAction* mnuFileImport = nullptr;
    QAction* mnuFileBuild = nullptr;
    QAction* mnuFileRun = nullptr;
    QAction* mnuFileShortcut = nullptr;
    QAction* mnuFileExit = nullptr;
    QAction* mnuEditCopy = nullptr;
    QAction* mnuEditAdd = nullptr;
    QAction* mnuEditAddSection = nullptr;
    QAction* mnuEditEdit = nullptr;
    QAction* mnuEditDelete = nullptr;
    QAction* mnuEditMoveUp = nullptr;
    QAction* mnuEditMoveDown = nullptr;
    QAction* mnuEditReplace = nullptr;
    QAction* mnuEditSwap = nullptr;
    QAction* mnuEditProperty = nullptr;
    QAction* mnuEditReset = nullptr;
    QAction* mnuHelpContents = nullptr;
    QAction* mnuHelpFeedback = nullptr;
    QAction* mnuHelpAbout = nullptr;

signals:
    // The selected tab changed from previousTab to newTab.
    void tabChanged(int newTab, int previousTab);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildMenus();
    void buildToolbar();
    void buildTabs();
    void layoutColumns();
    // Connects an action to its handler and marks the command as built; commands
    // that are not built stay disabled.
    void command(QAction* action, std::function<void()> handler);
    bool isBuilt(QAction* action) const;

    void setupFileCommands();
    // Each area of commands connects its own actions (frmPME_<area>.cpp).
    void setupOutputCommands();
    void setupEditCommands();
    void setupPropertyCommands();
    void setupToolCommands();

    Document m_doc;
    std::unique_ptr<Prompter> m_ownPrompter;
    Prompter* m_prompter;
    FileCommands m_fileCommands;
    RecentFiles m_recent;
    std::vector<QAction*> m_buttons; // toolbar buttons 1..13
    std::vector<QAction*> m_built;
    int m_lastTab = 0;
    bool m_endingOnSignal = false;
};

} // namespace ulvanta
