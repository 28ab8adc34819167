#pragma once

#include <QObject>

class QAction;
class QTabWidget;
class QTreeView;
class QWidget;

namespace ulvanta {

class Document;
class FileController;
class Prompter;

// Editing the page properties: a click, Enter or Edit property on a row of the
// property list opens the editor its name calls for; Delete empties the font and
// size rows; Reset properties refills the list with the defaults.
class PropertyActions : public QObject {
    Q_OBJECT
public:
    // editAction is enabled whenever a row of the list is current and selected.
    PropertyActions(Document& doc, Prompter& prompter, FileController& files, QTreeView* list,
                    QTabWidget* tabs, QAction* editAction, QWidget* window);

public slots:
    void editProperty();
    void resetProperties();

private:
    // The selected row of the property list, or -1.
    int selectedRow() const;
    void activateRow(int row);
    void deleteKey();

    Document& m_doc;
    Prompter& m_prompter;
    FileController& m_files;
    QTreeView* m_list;
    QTabWidget* m_tabs;
    QAction* m_editAction;
    QWidget* m_window;
};

} // namespace ulvanta
