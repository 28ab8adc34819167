#pragma once

#include <QDialog>

class QTextBrowser;
class QToolButton;

namespace ulvanta {

// The editor's help window: shows the HTML help pages installed beside the
// program, with their links, back and forward.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent);

    // Shows a page of the help (its path); the contents page is the first shown.
    void showPage(const QString& path);
    // Back to the page first shown.
    void showContents();

private:
    QTextBrowser* m_helpText = nullptr;
    QToolButton* m_contentsButton = nullptr;
    QToolButton* m_backButton = nullptr;
    QToolButton* m_forwardButton = nullptr;
    QString m_contents;
};

} // namespace ulvanta
