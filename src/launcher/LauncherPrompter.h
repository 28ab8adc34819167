#pragma once

#include "widgets/WidgetPrompter.h"

namespace ulvanta::launcher {

// The launcher's message boxes and file questions. A critical message also goes
// to standard error, so a page that fails to open is reported on the command line.
// Quiet, for unattended use, every message goes to standard error only, no file
// is chosen, and a critical one ends the program with status 1.
class LauncherPrompter : public WidgetPrompter {
public:
    using WidgetPrompter::WidgetPrompter;

    static void setQuiet(bool quiet);

    PromptAnswer message(const QString& text, const QString& title, PromptIcon icon,
                         PromptButtons buttons, PromptAnswer defaultButton) override;
    std::optional<QString> chooseFile(const FileRequest& request) override;
};

} // namespace ulvanta::launcher
