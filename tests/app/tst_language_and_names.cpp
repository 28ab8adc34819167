// The editor in the user's language, and a name on every control a screen reader
// reaches.
#include "ScriptedPrompter.h"
#include "app/MainWindow.h"
#include "components/Translations.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/AddApplicationsDialog.h"
#include "dialogs/ColourSettingDialog.h"
#include "dialogs/FileSettingDialog.h"
#include "dialogs/FontDialog.h"
#include "dialogs/HelpWindow.h"
#include "dialogs/HtmlTextDialog.h"
#include "dialogs/IconDialog.h"
#include "dialogs/ReplaceDialog.h"
#include "dialogs/SectionDialog.h"
#include "dialogs/SwapColumnsDialog.h"
#include "dialogs/ThemeIconDialog.h"

#include <QAccessible>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QTranslator>
#include <QtTest>
#include <functional>
#include <memory>

using namespace ulvanta;
using test::ScriptedPrompter;

namespace {

void useLanguage(const QLocale& locale) {
    for (QTranslator* t : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
    installTranslations(locale);
}

// The letters after "&" in the texts of a menu's commands, the ones that clash.
QStringList clashingMnemonics(const QMenu* menu) {
    QStringList seen, clashes;
    static const QRegularExpression mnemonic(QStringLiteral("&([^&])"));
    for (const QAction* a : menu->actions()) {
        const QRegularExpressionMatch m = mnemonic.match(a->text());
        if (!m.hasMatch())
            continue;
        const QString letter = m.captured(1).toLower();
        (seen.contains(letter) ? clashes : seen) << letter;
    }
    return clashes;
}

// Focusable controls under the interface that have no name a reader can speak:
// nothing, or only punctuation such as "...".
void unnamed(QAccessibleInterface* iface, QStringList& out) {
    if (!iface || iface->state().invisible)
        return;
    static const QRegularExpression word(QStringLiteral("\\w"));
    if (iface->state().focusable && !iface->text(QAccessible::Name).contains(word) &&
        iface->role() != QAccessible::Client)
        out << (iface->object() ? iface->object()->objectName() : QString()) +
                   QStringLiteral(" (role %1)").arg(int(iface->role()));
    for (int i = 0; i < iface->childCount(); ++i)
        unnamed(iface->child(i), out);
}

} // namespace

class LanguageAndNamesTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { useLanguage(QLocale(QLocale::English)); }

    void programsSpeakTheUsersLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("firstMenu");
        QTest::addColumn<QString>("helpStart");
        QTest::addColumn<bool>("checkMnemonics");
        QTest::newRow("German") << "de"
                                << "&Datei"
                                << "Aufruf: ulvanta-build" << true;
        QTest::newRow("French") << "fr"
                                << "&Fichier"
                                << "Utilisation : ulvanta-build" << true;
        QTest::newRow("German first of two") << "de:fr"
                                             << "&Datei"
                                             << "Aufruf:" << true;
        QTest::newRow("no translation") << "es"
                                        << "&File"
                                        << "Usage: ulvanta-build" << false;
    }
    void programsSpeakTheUsersLanguage() {
        QFETCH(QString, language);
        QFETCH(QString, firstMenu);
        QFETCH(QString, helpStart);
        QFETCH(bool, checkMnemonics);
        useLanguage(QLocale(language.section(u':', 0, 0)));
        ScriptedPrompter p;
        MainWindow w(&p);
        const QList<QAction*> menus = w.menuBar()->actions();
        QCOMPARE(menus.first()->text(), firstMenu);
        for (const QAction* m : menus)
            if (checkMnemonics)
                QVERIFY2(clashingMnemonics(m->menu()).isEmpty(), qPrintable(m->text()));

        // The builder reads the language from the environment, as a desktop sets it.
        QProcess build;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LANGUAGE"), language);
        env.insert(QStringLiteral("LANG"), QStringLiteral("en_US.UTF-8"));
        env.remove(QStringLiteral("LC_ALL"));
        build.setProcessEnvironment(env);
        build.start(qEnvironmentVariable("ULVANTA_BIN") + QStringLiteral("/ulvanta-build"),
                    {QStringLiteral("--help")});
        QVERIFY(build.waitForFinished(30000));
        QVERIFY2(QString::fromUtf8(build.readAllStandardOutput()).startsWith(helpStart),
                 qPrintable(language));
    }

    void everyFocusableControlHasAName_data() {
        QTest::addColumn<QString>("window");
        for (const char* name : {"main window", "icon dialog", "section dialog", "replace dialog",
                                 "swap columns dialog", "text dialog", "font dialog", "help window",
                                 "about dialog", "applications dialog", "colour dialog",
                                 "file dialog", "theme icon dialog", "problems panel"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void everyFocusableControlHasAName() {
        QFETCH(QString, window);
        ScriptedPrompter p;
        MainWindow w(&p);
        Document& doc = w.doc();
        const std::map<QString, std::function<QWidget*()>> make{
            {"main window", [&]() -> QWidget* { return &w; }},
            {"icon dialog",
             [&] { return new IconDialog(doc, p, DialogMode::Add, -1, QString(), &w); }},
            {"section dialog", [&] { return new SectionDialog(doc, DialogMode::Add, -1, &w); }},
            {"replace dialog", [&] { return new ReplaceDialog(doc, &w); }},
            {"swap columns dialog", [&] { return new SwapColumnsDialog(doc, &w); }},
            {"text dialog", [&] { return new HtmlTextDialog(doc, 0, &w); }},
            {"font dialog", [&] { return new FontDialog(&w); }},
            {"help window", [&] { return new HelpWindow(&w); }},
            {"about dialog", [&] { return new AboutDialog(&w); }},
            {"applications dialog", [&] { return new AddApplicationsDialog({}, &w); }},
            {"colour dialog", [&] { return new ColourSettingDialog(doc, 0, 0, &w); }},
            {"file dialog", [&] { return new FileSettingDialog(doc, 0, {}, "File:", p, &w); }},
            {"theme icon dialog", [&] { return new ThemeIconDialog(32, &w, {}); }},
            {"problems panel",
             [&]() -> QWidget* {
                 w.findChild<QAction*>("actionCheckPage")->trigger();
                 return &w;
             }},
        };
        QWidget* shown = make.at(window)();
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        QStringList missing;
        unnamed(QAccessible::queryAccessibleInterface(shown), missing);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
    }
};

QTEST_MAIN(LanguageAndNamesTest)
#include "tst_language_and_names.moc"
