#include "app/PreviewPage.h"
#include "app/frmPME.h"
#include "components/CommandLine.h"
#include "components/ProgramFiles.h"
#include "components/UlvError.h"
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
    // The whole command line after the program name is one path (or nothing), in
    // the file name encoding: its own bytes, not text.
    QByteArray line;
    for (int i = 1; i < argc; ++i)
        line += (i > 1 ? " " : "") + QByteArray(argv[i]);
    ulvanta::frmPME w;
    ulvanta::EndSignals endSignals;
    QObject::connect(&endSignals, &ulvanta::EndSignals::endRequested, &w,
                     &ulvanta::frmPME::endOnSignal);
    w.fileCommands().recovery().enable(ulvanta::RecoveryStore::defaultFolder());
    QString path;
    try {
        path = ulvanta::CommandLine::fileName(line);
    } catch (const ulvanta::UlvError& e) {
        w.prompter().message(ulvanta::ErrorText::openError(QString::fromLocal8Bit(line), e),
                             QStringLiteral("Open Error"), ulvanta::PromptIcon::Critical);
    }
    w.start(path);
    return app.exec();
}
