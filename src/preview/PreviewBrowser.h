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

// The module's entry point, resolved by name.
using CreatePreviewBrowser = PreviewBrowser* (*)(QWidget* parent,
                                                 const PreviewBrowser::Hooks& hooks);
inline constexpr char kCreatePreviewBrowser[] = "ulvanta_create_preview_browser";

} // namespace ulvanta
