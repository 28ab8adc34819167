#pragma once

#include "commands/FileController.h"
#include "components/RecentFiles.h"
#include "edits/Document.h"

#include <QIcon>
#include <QMainWindow>
#include <QTreeView>
#include <memory>
#include <vector>

class QAction;
class QKeySequence;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QTabWidget;
class QToolBar;
class QVBoxLayout;

namespace ulvanta {

class ItemListView;
class Prompter;

class ItemActions;
class OutputActions;
class ProblemsPanel;
class PropertyActions;
class ToolActions;

// The editor's main window: owns the document, lays out the four tabs, connects
// menu commands and toolbar buttons to the handlers of their area, enables
// commands and guards the close.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Tests pass a prompter that answers questions; the program uses message boxes.
    explicit MainWindow(Prompter* prompter = nullptr, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up: opens the document named by the command line, shows the window.
    void start(const QString& commandLine);

    Document& doc() { return m_doc; }
    Prompter& prompter() { return *m_prompter; }
    FileController& fileController() { return m_fileController; }
    // Ends the editor now without a question, because a signal asked it to.
    void endOnSignal();
    // The folder of the program, ending in a separator: the launcher and the help
    // are found there.
    const QString& programFolder() const { return m_programFolder; }
    void setProgramFolder(const QString& folder) { m_programFolder = folder; }

    // The current row of the item list (0-based), or -1.
    int currentRow() const;
    // Makes a row the current row and the only selected one.
    void setCurrentRow(int row);
    // Enables the list and output commands that apply to the list as it is now.
    void updateActions();
signals:
    // The selected tab changed from previousTab to newTab.
    void tabChanged(int newTab, int previousTab);

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // After an undo or redo: the step's tab, its current row and selection.
    void showPlace(const EditPlace& place);
    void buildMenus();
    void buildFileMenu();
    void buildEditMenu();
    void buildHelpMenu();
    // A named action with an optional shortcut, added to the menu.
    QAction* addMenuAction(QMenu* menu, const char* name, const QString& caption,
                           const QKeySequence& key = {});
    void buildToolbar();
    void buildTabs();
    void buildItemList(QVBoxLayout* icons);
    void placeWindow();
    void connectCommands();
    // Shows a line in the status bar for a few seconds.
    void showStatus(const QString& text);
    // Takes the user to the row or setting of a line of the Problems panel.
    void showProblem(int line);

    Document m_doc;
    std::unique_ptr<Prompter> m_ownPrompter;
    Prompter* m_prompter;
    FileController m_fileController;
    QString m_programFolder;
    RecentFiles m_recent;

    QToolBar* m_toolBar = nullptr;
    QTabWidget* m_tabs = nullptr;
    ItemListView* m_itemList = nullptr;
    QTreeView* m_propertyList = nullptr;
    QPlainTextEdit* m_htmlView = nullptr;
    QVBoxLayout* m_previewLayout = nullptr; // the browser (made on first visit) and its status
    QLabel* m_previewStatus = nullptr;

    QAction* m_actionNew = nullptr;
    QAction* m_actionOpen = nullptr;
    QAction* m_actionSave = nullptr;
    QAction* m_actionSaveAs = nullptr;
    QAction* m_actionImport = nullptr;
    QAction* m_actionBuild = nullptr;
    QAction* m_actionCheckPage = nullptr;
    QAction* m_actionRun = nullptr;
    QAction* m_actionShortcut = nullptr;
    QAction* m_actionExit = nullptr;
    QAction* m_actionUndo = nullptr;
    QAction* m_actionRedo = nullptr;
    QAction* m_actionCopy = nullptr;
    QAction* m_actionAdd = nullptr;
    QAction* m_actionAddSection = nullptr;
    QAction* m_actionAddApplications = nullptr;
    QAction* m_actionEdit = nullptr;
    QAction* m_actionDelete = nullptr;
    QAction* m_actionMoveUp = nullptr;
    QAction* m_actionMoveDown = nullptr;
    QAction* m_actionReplace = nullptr;
    QAction* m_actionSwapColumns = nullptr;
    QAction* m_actionEditProperty = nullptr;
    QAction* m_actionResetProperties = nullptr;
    QAction* m_actionHelpContents = nullptr;
    QAction* m_actionFeedback = nullptr;
    QAction* m_actionAbout = nullptr;
    std::vector<QAction*> m_buttons; // toolbar buttons 1..16
    // Each button's icon as the theme or the style draws it, made legible anew
    // whenever the palette changes.
    std::vector<std::pair<QAction*, QIcon>> m_plainIcons;

    ItemActions* m_itemActions = nullptr;
    PropertyActions* m_propertyActions = nullptr;
    OutputActions* m_outputActions = nullptr;
    ToolActions* m_toolActions = nullptr;
    ProblemsPanel* m_problemsPanel = nullptr;
    int m_lastTab = 0;
    bool m_endingOnSignal = false;
};

} // namespace ulvanta
