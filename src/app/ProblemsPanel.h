#pragma once

#include <QDockWidget>
#include <QThreadPool>

class QPushButton;
class QTreeView;

namespace ulvanta {

class Document;
class PageWatch;
class ProblemList;

// The Problems panel below the list: the page's problems, one a line, kept current
// while the panel is open. Enter or a double-click on a line asks to be taken to
// its row or setting. The web addresses are asked only on the button.
class ProblemsPanel : public QDockWidget {
    Q_OBJECT
public:
    ProblemsPanel(Document& doc, QWidget* parent);
    ~ProblemsPanel() override;

    // Shows the panel and checks the page now.
    void open();
    ProblemList& problems() { return *m_problems; }
    PageWatch& watch() { return *m_watch; }

signals:
    void lineActivated(int line);

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void checkOnline();

    Document& m_doc;
    ProblemList* m_problems;
    PageWatch* m_watch;
    QTreeView* m_view;
    QPushButton* m_onlineButton;
    QThreadPool m_online;
    int m_lastLine = 0;
};

} // namespace ulvanta
