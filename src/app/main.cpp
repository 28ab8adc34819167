#include "app/PreviewPage.h"
#include "app/frmPME.h"
#include "components/ProgramFiles.h"
#include "widgets/BrowserEngine.h"
#include "widgets/EndSignals.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    ulvanta::prepareBrowserEngine();
    ulvanta::PreviewPage::registerSchemes(); // before the application object
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ulvanta Editor"));
    QApplication::setApplicationVersion(QStringLiteral("3.3.13"));
    QApplication::setOrganizationName(QStringLiteral("ulvanta")); // where the settings live
    QApplication::setDesktopFileName(ulvanta::ProgramFiles::applicationId());
    QApplication::setWindowIcon(ulvanta::ProgramFiles::applicationIcon());
    // The whole command line after the program name is one path (or nothing).
    QStringList args = QApplication::arguments();
    args.removeFirst();
    ulvanta::frmPME w;
    ulvanta::EndSignals endSignals;
    QObject::connect(&endSignals, &ulvanta::EndSignals::endRequested, &w,
                     &ulvanta::frmPME::endOnSignal);
    w.fileCommands().recovery().enable(ulvanta::RecoveryStore::defaultFolder());
    w.start(args.join(QLatin1Char(' ')));
    return app.exec();
}
