#pragma once

#include <QObject>

class QTabWidget;
class QWidget;

namespace ulvanta {

class Document;
class Prompter;

// Find and replace, column swap, import and the Help menu.
class ToolActions : public QObject {
    Q_OBJECT
public:
    // programFolder is the window's, read when the help opens.
    ToolActions(Document& doc, Prompter& prompter, const QString& programFolder, QTabWidget* tabs,
                QWidget* window);

public slots:
    void replace();
    void swapColumns();
    void importItems();
    void showHelp();
    void sendFeedback();
    void showAbout();

signals:
    // The list may hold new or changed rows: the enabled commands need a look.
    void listChanged();

private:
    Document& m_doc;
    Prompter& m_prompter;
    const QString& m_programFolder;
    QTabWidget* m_tabs;
    QWidget* m_window;
};

} // namespace ulvanta
