// Linked into every test program: what a test keeps goes to Qt's test folders,
// under names of the test's own, never to the user's settings; texts read as in
// English (counted messages take their English plural forms from a translation).
#include "components/Translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

static void keepOutOfUserSettings() {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("ulvanta-tests"));
    QCoreApplication::setApplicationName(
        QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
    ulvanta::installTranslations(QLocale(QLocale::English));
}
Q_COREAPP_STARTUP_FUNCTION(keepOutOfUserSettings)
