#include "components/ProgramInfo.h"
#include "launcher/LauncherPage.h"
#include "launcher/LauncherWindow.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // The link schemes must be known before the browser engine starts.
    ulvanta::launcher::registerLinkSchemes();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ulvanta"));
    QApplication::setApplicationVersion(ulvanta::ProgramInfo::version());

    QStringList args = QApplication::arguments();
    args.removeFirst();
    const QString path = ulvanta::launcher::pagePathFromArguments(args);

    ulvanta::launcher::LauncherWindow window;
    const bool shown = path.isEmpty() ? window.chooseAndOpenPage() : window.openPage(path);
    if (!shown)
        return 1;
    return app.exec();
}
