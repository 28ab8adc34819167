#include "launcher/LauncherPrompter.h"

#include <QCoreApplication>
#include <cstdio>

namespace ulvanta::launcher {

namespace {
bool quietMode = false;
}

void LauncherPrompter::setQuiet(bool quiet) {
    quietMode = quiet;
}

PromptAnswer LauncherPrompter::message(const QString& text, const QString& title, PromptIcon icon,
                                       PromptButtons buttons, PromptAnswer defaultButton) {
    if (icon == PromptIcon::Critical || quietMode) {
        std::fprintf(stderr, "%s: %s\n", qUtf8Printable(title), qUtf8Printable(text));
        std::fflush(stderr);
    }
    if (!quietMode)
        return WidgetPrompter::message(text, title, icon, buttons, defaultButton);
    if (icon == PromptIcon::Critical)
        QCoreApplication::exit(1);
    return defaultButton;
}

std::optional<QString> LauncherPrompter::chooseFile(const FileRequest& request) {
    if (quietMode)
        return std::nullopt;
    return WidgetPrompter::chooseFile(request);
}

} // namespace ulvanta::launcher
