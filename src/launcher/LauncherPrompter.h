#pragma once

#include "widgets/WidgetPrompter.h"

namespace ulvanta::launcher {

// The launcher's message boxes and file questions. A critical message also goes
// to standard error, so a page that fails to open is reported on the command line.
class LauncherPrompter : public WidgetPrompter {
public:
    using WidgetPrompter::WidgetPrompter;

    PromptAnswer message(const QString& text, const QString& title, PromptIcon icon,
                         PromptButtons buttons, PromptAnswer defaultButton) override;
};

} // namespace ulvanta::launcher
