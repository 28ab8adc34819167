#pragma once

#include "launcher/IconKeys.h"

#include <QObject>
#include <QVariantList>
#include <functional>

class QKeyEvent;
class QLabel;
class QWebEngineView;

namespace ulvanta::launcher {

class LauncherPage;

// Gives the launcher window its keys: typing finds icons, Home and the arrows move
// among the icons shown, Enter and Space start one. The keys are taken from the
// view before the page gets them, and the page is read and marked by a script in a
// world apart from the page's own: nothing the page's scripts do (their own key
// events, focus or calls) can start an icon this way.
class KeyFinder : public QObject {
    Q_OBJECT
public:
    struct Window {
        std::function<bool()> closable; // whether the page lets the window close
        std::function<void()> exit;     // the window's Exit
    };
    // The bar shows what is typed; it is hidden while nothing is.
    KeyFinder(LauncherPage* page, QWebEngineView* view, QLabel* bar, Window window);

    // Forgets what was typed and focused (a new page is shown).
    void reset();
    // Takes a console message of the page: true when it is the launcher's own
    // report that the user started or stopped writing in a field of the page
    // (the keys are then the page's), false for any other message.
    bool takeReport(const QString& message);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyPressed(const QKeyEvent& key);
    void run(IconKeys::Act act);
    void listed(const QVariantList& icons, IconKeys::Act act, const QString& typed);
    void mark(const QVariantList& found, bool finding, int focus,
              const std::function<void(const QVariantList&)>& then = {});
    void stepped(const QVariantList& places, const std::vector<int>& shown);
    void showTyped();

    LauncherPage* m_page;
    QWebEngineView* m_view;
    QLabel* m_bar;
    Window m_window;
    IconKeys m_keys;
    int m_focused = -1; // the icon holding the launcher's focus, in page order
    bool m_editing = false;
    QString m_prefix; // the start of every report
};

} // namespace ulvanta::launcher
