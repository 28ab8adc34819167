// Main window: find and replace, column swap, import, help.
#include "app/frmPME.h"

namespace ulvanta {

void frmPME::setupToolCommands() {}

} // namespace ulvanta
