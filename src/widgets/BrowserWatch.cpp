#include "widgets/BrowserWatch.h"

#include <QCoreApplication>
#include <QWebEnginePage>

namespace ulvanta {

void watchBrowserPage(QWebEnginePage* page, std::function<void(const QString&)> report,
                      std::function<void()> loading) {
    loading();
    QObject::connect(page, &QWebEnginePage::loadStarted, page, loading);
    QObject::connect(page, &QWebEnginePage::loadFinished, page, loading);
    QObject::connect(page, &QWebEnginePage::renderProcessTerminated, page,
                     [report](QWebEnginePage::RenderProcessTerminationStatus status, int code) {
                         if (status == QWebEnginePage::NormalTerminationStatus)
                             return;
                         report(QCoreApplication::translate(
                                    "BrowserEngine",
                                    "The page cannot be shown: the browser engine stopped "
                                    "(exit code %1).")
                                    .arg(code));
                     });
}

} // namespace ulvanta
