// Linked into every test program: what a test keeps goes to Qt's test folders,
// under names of the test's own, never to the user's settings.
#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

static void keepOutOfUserSettings() {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("ulvanta-tests"));
    QCoreApplication::setApplicationName(
        QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
}
Q_COREAPP_STARTUP_FUNCTION(keepOutOfUserSettings)
