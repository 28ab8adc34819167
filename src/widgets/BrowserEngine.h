#pragma once

#include <QString>
#include <functional>

class QWebEnginePage;

namespace ulvanta {

// Prepares the browser engine before the QApplication exists. The engine's
// sandbox refuses to start for root and without user namespaces, which would end
// the program; then the engine runs without it and standard error says so once.
void prepareBrowserEngine();

// Watches a page of the started engine: the end signals are taken back whenever
// it loads (the engine installs handlers of its own), and report is called with
// a sentence for the user when its engine process stops abnormally (it could not
// start, crashed or was killed).
void watchBrowserPage(QWebEnginePage* page, std::function<void(const QString&)> report);

} // namespace ulvanta
