#include "app/PreviewPage.h"
#include "app/frmPME.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    ulvanta::PreviewPage::registerSchemes(); // before the application object
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ulvanta Editor"));
    QApplication::setApplicationVersion(QStringLiteral("3.3.13"));
    // The whole command line after the program name is one path (or nothing).
    QStringList args = QApplication::arguments();
    args.removeFirst();
    ulvanta::frmPME w;
    w.fileCommands().recovery().enable(ulvanta::RecoveryStore::defaultFolder());
    w.start(args.join(QLatin1Char(' ')));
    return app.exec();
}
