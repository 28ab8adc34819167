// Linked into every test program: what a test keeps (settings, recent files,
// recovery copies, the browser's profile) goes to Qt's test folders with names of
// the test's own, never to the user's. The test runner also gives each program
// a home of its own, so that even the test folders stay out of the user's.
#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

void keepOutOfUserSettings() {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("ulvanta-tests"));
    QCoreApplication::setApplicationName(
        QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(keepOutOfUserSettings)
