#pragma once

#include <QLocale>

namespace ulvanta {

// Installs the program's own translation and Qt's (for the standard dialogs) in
// the first of the locale's user-interface languages that has one. Called once,
// after the application object exists and before any text is made; returns
// whether the program's own translation was found.
bool installTranslations(const QLocale& locale = QLocale::system());

} // namespace ulvanta
