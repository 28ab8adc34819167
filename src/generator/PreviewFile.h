#pragma once

#include <QString>

namespace ulvanta {

// The preview page "PME.htm" in the TEMP folder (the TEMP environment variable,
// else the system's temporary folder), written by the Preview tab and removed
// when the editor closes.
QString previewFilePath();

} // namespace ulvanta
