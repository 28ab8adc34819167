// Main window: property editing.
#include "app/frmPME.h"

namespace ulvanta {

void frmPME::setupPropertyCommands() {}

} // namespace ulvanta
