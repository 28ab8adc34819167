#pragma once

#include "preview/PreviewBrowser.h"

namespace ulvanta {

// Loads the preview module, from beside the program (a build folder) or from where
// an installation keeps it relative to the program's folder, and makes its browser
// in parent. nullptr, with a sentence for the user in why, when it cannot load.
PreviewBrowser* loadPreviewBrowser(const QString& programFolder, QWidget* parent,
                                   const PreviewBrowser::Hooks& hooks, QString& why);

} // namespace ulvanta
