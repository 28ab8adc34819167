#include "components/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace ulvanta {

namespace {

bool install(const QLocale& locale, const QString& name, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    // QTranslator walks locale.uiLanguages() itself, so LANGUAGE, LC_MESSAGES and
    // LANG choose the language in the order the desktop does.
    if (translator->load(locale, name, QStringLiteral("_"), folder) &&
        QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

bool installTranslations(const QLocale& locale) {
    // Qt's own first: the later translator is asked first, and ours must win
    // where both know a text.
    install(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    // English has a file too: it holds the plural forms of counted messages, which
    // a language without a translation of its own reads in English.
    const QString ours = QStringLiteral("ulvanta");
    const QString folder = QStringLiteral(":/i18n");
    return install(locale, ours, folder) ||
           (install(QLocale(QLocale::English), ours, folder), false);
}

} // namespace ulvanta
