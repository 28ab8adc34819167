#include "launcher/LauncherPrompter.h"

#include <cstdio>

namespace ulvanta::launcher {

PromptAnswer LauncherPrompter::message(const QString& text, const QString& title, PromptIcon icon,
                                       PromptButtons buttons, PromptAnswer defaultButton) {
    if (icon == PromptIcon::Critical) {
        std::fprintf(stderr, "%s: %s\n", qUtf8Printable(title), qUtf8Printable(text));
        std::fflush(stderr);
    }
    return WidgetPrompter::message(text, title, icon, buttons, defaultButton);
}

} // namespace ulvanta::launcher
