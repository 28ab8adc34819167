#pragma once

#include <QString>
#include <QUrl>
#include <functional>

class QWidget;

namespace ulvanta {

// The Preview tab's browser as the editor sees it. It lives in a module of its own,
// the only part of the editor that links the browser engine, loaded when the tab is
// first shown: the editor starts without the engine and works on when the module
// or the engine cannot load.
class PreviewBrowser {
public:
    struct Hooks {
        // A line for the status label: the hovered link, or why the page cannot be
        // shown (the engine stopped).
        std::function<void(const QString&)> status;
        // A page starts or ends loading: the engine may have replaced the program's
        // signal handlers meanwhile.
        std::function<void()> loading;
    };

    // The browser widget, owned by the parent given at creation.
    virtual QWidget* widget() = 0;
    virtual void show(const QUrl& url) = 0;

protected:
    ~PreviewBrowser() = default;
};

} // namespace ulvanta

// The module's entry point. Declared once here, so that the module's definition and
// the editor's call through the resolved address agree on its signature.
extern "C" Q_DECL_EXPORT ulvanta::PreviewBrowser*
ulvanta_create_preview_browser(QWidget* parent, const ulvanta::PreviewBrowser::Hooks& hooks);

namespace ulvanta {
using CreatePreviewBrowser = decltype(&ulvanta_create_preview_browser);
inline constexpr char kCreatePreviewBrowser[] = "ulvanta_create_preview_browser";
} // namespace ulvanta
