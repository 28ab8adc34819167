// Main window: HTML view, preview, build, run and desktop shortcut.
#include "app/frmPME.h"

namespace ulvanta {

void frmPME::setupOutputCommands() {}

} // namespace ulvanta
