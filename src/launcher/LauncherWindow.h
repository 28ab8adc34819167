#pragma once

#include "components/Prompter.h"
#include "launcher/LoadedPage.h"

#include <QUrl>
#include <QWidget>
#include <memory>

class QAction;
class QMenu;
class QWebEngineProfile;
class QWebEngineView;

namespace ulvanta::launcher {

class KeyFinder;
class LauncherPage;

// The launcher's window: one launcher page in a browser view, sized, titled and
// behaving as the page's settings comment says, starting the page's icons and
// carrying out its window commands.
class LauncherWindow : public QWidget {
    Q_OBJECT
public:
    // The prompter answers every message and file question (the window's own
    // dialogs when none is given); the program folder is where the editor is looked
    // for (the launcher's own folder when empty).
    explicit LauncherWindow(Prompter* prompter = nullptr, const QString& programFolder = QString(),
                            QWidget* parent = nullptr);
    ~LauncherWindow() override;

    // Reads the page, applies its settings, shows the window and loads the page.
    // A page that cannot be read is reported (Open Error) and false returned.
    bool openPage(const QString& path);
    // Asks for a page with the file dialog and opens it; false when cancelled or
    // when the page cannot be read.
    bool chooseAndOpenPage();

    const QString& pagePath() const { return m_pagePath; }
    const PageSettings& settings() const { return m_settings; }
    QWebEngineView* view() const { return m_view; }

    void openChosenPage();
    void exitLauncher();
    void minimiseWindow();
    void toggleMaximised();
    void editPage();
    void refreshPage();
    // Closes the window at once, even one that may not be closed otherwise, and
    // ends the program (a signal asked for it).
    void endNow();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    enum class Reading {
        Open,     // a page chosen by the user: no settings comment means the defaults
        Refresh,  // the shown page again: no settings comment keeps the current ones
        Followed, // a local page a link led to, already loading in the view
    };
    bool showPage(const QString& path, Reading reading);
    void applySettings();
    void updateTitle();
    void runIconLink(const QUrl& url);
    void runWindowAction(const QUrl& url);
    void urlShown(const QUrl& url);
    QAction* addWindowAction(const QString& text, void (LauncherWindow::*handler)());

    std::unique_ptr<Prompter> m_ownPrompter;
    Prompter* m_prompter;
    QString m_programFolder;
    QWebEngineProfile* m_profile;
    LauncherPage* m_page;
    QWebEngineView* m_view;
    QMenu* m_menu;
    QAction* m_editAction = nullptr;
    KeyFinder* m_keys;

    QString m_pagePath;
    QString m_title;
    PageSettings m_settings;
    bool m_exiting = false;
    bool m_sessionEnding = false;
};

} // namespace ulvanta::launcher
