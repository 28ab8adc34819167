#include "app/MainWindow.h"
#include "app/PreviewPage.h"
#include "components/ProgramFiles.h"
#include "components/ProgramInfo.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    ulvanta::PreviewPage::registerSchemes(); // before the application object
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ulvanta Editor"));
    QApplication::setApplicationVersion(ulvanta::ProgramInfo::version());
    QApplication::setOrganizationName(QStringLiteral("ulvanta")); // where the settings live
    QApplication::setDesktopFileName(ulvanta::ProgramFiles::applicationId());
    QApplication::setWindowIcon(ulvanta::ProgramFiles::applicationIcon());
    // The whole command line after the program name is one path (or nothing).
    QStringList args = QApplication::arguments();
    args.removeFirst();
    ulvanta::MainWindow w;
    w.start(args.join(QLatin1Char(' ')));
    return app.exec();
}
