#include "app/MainWindow.h"
#include "components/CommandLine.h"
#include "components/Error.h"
#include "components/ProgramFiles.h"
#include "components/ProgramInfo.h"
#include "components/Translations.h"
#include "widgets/BrowserEngine.h"
#include "widgets/EndSignals.h"
#include "widgets/StartupProbe.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    // --help and --version are answered before anything needs a display.
    QList<QByteArray> raw;
    for (int i = 1; i < argc; ++i)
        raw.append(QByteArray(argv[i]));
    if (!ulvanta::CommandLine::editorAnswer(raw).isNull()) {
        QCoreApplication console(argc, argv);
        ulvanta::installTranslations();
        std::fputs(ulvanta::CommandLine::editorAnswer(raw).toLocal8Bit().constData(), stdout);
        return 0;
    }
    ulvanta::prepareBrowserEngine();
    QApplication app(argc, argv);
    ulvanta::installTranslations();
    QApplication::setApplicationName(QStringLiteral("Ulvanta Editor"));
    QApplication::setApplicationVersion(ulvanta::ProgramInfo::version());
    QApplication::setOrganizationName(QStringLiteral("ulvanta")); // where the settings live
    QApplication::setDesktopFileName(ulvanta::ProgramFiles::applicationId());
    QApplication::setWindowIcon(ulvanta::ProgramFiles::applicationIcon());
    ulvanta::installStartupProbe();
    // The whole command line after the program name is one path (or nothing), in
    // the file name encoding: its own bytes, not text.
    QList<QByteArray> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QByteArray(argv[i]));
    const QByteArray line = ulvanta::CommandLine::documentArgument(arguments);
    ulvanta::MainWindow w;
    ulvanta::EndSignals endSignals;
    QObject::connect(&endSignals, &ulvanta::EndSignals::endRequested, &w,
                     &ulvanta::MainWindow::endOnSignal);
    w.fileController().recovery().enable(ulvanta::RecoveryStore::defaultFolder());
    QString path;
    try {
        path = ulvanta::CommandLine::fileName(line);
    } catch (const ulvanta::Error& e) {
        w.prompter().message(ulvanta::ErrorMessages::openError(QString::fromLocal8Bit(line), e),
                             QCoreApplication::translate("ulvanta::MainWindow", "Open Error"),
                             ulvanta::PromptIcon::Critical);
    }
    w.start(path);
    return app.exec();
}
