#pragma once

#include <QObject>

class QTabWidget;
class QWidget;

namespace ulvanta {

class Document;
class ItemListView;
class ListController;
class Prompter;

// The Edit menu's commands on the item list: add, edit, delete, copy, move. Each
// works over the Icons tab and leaves the keyboard in the list, ready for the
// next command.
class ItemActions : public QObject {
    Q_OBJECT
public:
    // programFolder is the window's, read when a dialog opens.
    ItemActions(Document& doc, Prompter& prompter, ItemListView* list, QTabWidget* tabs,
                const QString& programFolder, QWidget* window);

public slots:
    void addIcon();
    void addSection();
    // Add from Applications: the chosen applications where Add puts an icon.
    void addApplications();
    void editCurrent();
    void removeSelected();
    void duplicateSelected();
    void moveUp();
    void moveDown();

private:
    int currentRow() const;
    void showList();
    // Runs a list command over the Icons tab, then gives the list the keyboard.
    void runOnList(void (ListController::*command)());

    Document& m_doc;
    Prompter& m_prompter;
    ItemListView* m_list;
    QTabWidget* m_tabs;
    const QString& m_programFolder;
    QWidget* m_window;
};

} // namespace ulvanta
