#pragma once

#include <QString>
#include <functional>

class QWebEnginePage;

namespace ulvanta {

// Watches a page of the started browser engine: loading is called whenever the
// page starts or ends loading (the engine installs signal handlers of its own, which
// the program takes back then), and report with a sentence for the user when the
// engine's process stops abnormally (it could not start, crashed or was killed).
void watchBrowserPage(QWebEnginePage* page, std::function<void(const QString&)> report,
                      std::function<void()> loading);

} // namespace ulvanta
