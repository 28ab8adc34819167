#pragma once

namespace ulvanta {

// Prepares the browser engine before the QApplication exists. The engine's
// sandbox refuses to start for root and without user namespaces, which would end
// the program; then the engine runs without it and standard error says so once.
void prepareBrowserEngine();

} // namespace ulvanta
