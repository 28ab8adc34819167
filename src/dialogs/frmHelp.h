#pragma once

#include <QDialog>

class QTextBrowser;
class QToolButton;

namespace ulvanta {

// The editor's help window: shows the HTML help pages installed beside the
// program, with their links, back and forward.
class frmHelp : public QDialog {
    Q_OBJECT
public:
    explicit frmHelp(QWidget* parent);

    // Shows a page of the help (its path); the contents page is the first shown.
    void showPage(const QString& path);
    // Back to the page first shown.
    void showContents();

    QTextBrowser* txtHelp = nullptr;
    QToolButton* cmdContents = nullptr;
    QToolButton* cmdBack = nullptr;
    QToolButton* cmdForward = nullptr;

private:
    QString m_contents;
};

} // namespace ulvanta
