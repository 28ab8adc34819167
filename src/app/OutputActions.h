#pragma once

#include "generator/PreviewFile.h"

#include <QObject>

class QLabel;
class QPlainTextEdit;
class QVBoxLayout;

namespace ulvanta {

class Document;
class PreviewBrowser;
class Prompter;

// The page as output: the HTML tab, the preview (its browser loaded on the first
// visit of the Preview tab), Build, Run and the desktop shortcut.
class OutputActions : public QObject {
    Q_OBJECT
public:
    // programFolder is the window's, read when a command runs. The preview's
    // browser goes into previewLayout, above previewStatus.
    OutputActions(Document& doc, Prompter& prompter, const QString& programFolder,
                  QPlainTextEdit* htmlView, QVBoxLayout* previewLayout, QLabel* previewStatus,
                  QObject* parent);

    // This editor's preview file, empty when no preview was shown.
    QString previewFile() const { return m_previewFolder.existingFilePath(); }

signals:
    // A line for the status bar.
    void statusMessage(const QString& text);

public slots:
    void build();
    void run();
    void createShortcut();
    // Fills the HTML tab or the preview when shown; blanks the preview when left.
    void tabChanged(int tab, int previousTab);

private:
    PreviewBrowser* browser();
    void showPreview();

    Document& m_doc;
    Prompter& m_prompter;
    const QString& m_programFolder;
    QPlainTextEdit* m_htmlView;
    QVBoxLayout* m_previewLayout;
    QLabel* m_previewStatus;
    PreviewBrowser* m_browser = nullptr; // made on the first visit; owned by the tab
    PreviewFolder m_previewFolder;
};

} // namespace ulvanta
