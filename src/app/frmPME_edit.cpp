// Main window: list commands: add, edit, delete, copy, move.
#include "app/frmPME.h"

namespace ulvanta {

void frmPME::setupEditCommands() {}

} // namespace ulvanta
