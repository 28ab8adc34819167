// The editor in the user's language, and a name on every control a screen reader
// reaches.
#include "ScriptedPrompter.h"
#include "app/MainWindow.h"
#include "commands/ImportController.h"
#include "components/Translations.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/AddApplicationsDialog.h"
#include "dialogs/ColourSettingDialog.h"
#include "dialogs/FileSettingDialog.h"
#include "dialogs/FontDialog.h"
#include "dialogs/HelpWindow.h"
#include "dialogs/HtmlTextDialog.h"
#include "dialogs/IconDialog.h"
#include "dialogs/ImportDialog.h"
#include "dialogs/ReplaceDialog.h"
#include "dialogs/SectionDialog.h"
#include "dialogs/SwapColumnsDialog.h"
#include "dialogs/ThemeIconDialog.h"

#include <QAccessible>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
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

// Opens one of the windows the tests walk, by name, over the main window.
QWidget* openWindow(const QString& name, MainWindow& w, ScriptedPrompter& p) {
    Document& doc = w.doc();
    const std::map<QString, std::function<QWidget*()>> make{
        {"main window", [&]() -> QWidget* { return &w; }},
        {"icon dialog", [&] { return new IconDialog(doc, p, DialogMode::Add, -1, QString(), &w); }},
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
        {"import dialog",
         [&] {
             static std::unique_ptr<ImportController> import;
             import = std::make_unique<ImportController>(doc, p);
             return new ImportDialog(*import, &w);
         }},
        {"problems panel",
         [&]() -> QWidget* {
             w.findChild<QAction*>("actionCheckPage")->trigger();
             return &w;
         }},
    };
    w.start({});
    const QStringList tabs{QString(), QStringLiteral("properties tab"), QStringLiteral("HTML tab")};
    w.findChild<QTabWidget*>(QStringLiteral("tabs"))
        ->setCurrentIndex(std::max(0, int(tabs.indexOf(name))));
    return tabs.contains(name) ? &w : make.at(name)();
}

// The layout items from l down to the one that holds w.
bool layoutPath(QLayout* l, const QWidget* w, QList<QLayoutItem*>& path) {
    for (int i = 0; l && i < l->count(); ++i)
        if (l->itemAt(i)->widget() == w || layoutPath(l->itemAt(i)->layout(), w, path)) {
            path.prepend(l->itemAt(i));
            return true;
        }
    return false;
}

// Whether b comes before a on screen: by rows, then left to right, each compared as
// the part of their nearest common container or layout that holds it, so that a
// group or a column of buttons is read as one block. A list whose text box stands
// in for it (shows its choice above it) is read where the box is.
bool readsBefore(const QWidget* b, const QWidget* a) {
    for (const QWidget* box : a->window()->findChildren<QWidget*>()) {
        const QWidget* proxied =
            box->isVisible() && !box->isAncestorOf(box->focusProxy()) ? box->focusProxy() : nullptr;
        if (proxied == a)
            a = box;
        else if (proxied == b)
            b = box;
    }
    QWidget* common = a->parentWidget();
    while (!common->isAncestorOf(b))
        common = common->parentWidget();
    const auto part = [common](const QWidget* w) {
        while (w->parentWidget() != common)
            w = w->parentWidget();
        return w;
    };
    const QWidget *ca = part(a), *cb = part(b);
    QPoint pa = ca->pos(), pb = cb->pos();
    QList<QLayoutItem*> la, lb;
    if (ca != cb && layoutPath(common->layout(), ca, la) && layoutPath(common->layout(), cb, lb)) {
        qsizetype i = 0;
        while (la.at(i) == lb.at(i))
            ++i;
        pa = la.at(i)->geometry().topLeft();
        pb = lb.at(i)->geometry().topLeft();
    }
    constexpr int rowTolerance = 8;
    return pb.y() < pa.y() - rowTolerance ||
           (qAbs(pb.y() - pa.y()) <= rowTolerance && pb.x() < pa.x());
}

// Controls a user works with, as opposed to the bars, frames and headers around
// them. Of a group of option buttons, Tab reaches the one chosen, the arrows the rest.
bool needsTab(const QWidget* c, const QWidget* window, const QList<QWidget*>& round) {
    if (c->window() != window || !c->isVisible() || !c->isEnabled() || c->focusProxy() ||
        qobject_cast<QToolBar*>(c->parentWidget()) || qobject_cast<QTabBar*>(c->parentWidget()) ||
        c->inherits("QDockWidgetTitleButton") || c->inherits("QHeaderView"))
        return false;
    if (c->inherits("QRadioButton"))
        return std::none_of(round.begin(), round.end(), [c](const QWidget* r) {
            return r->inherits("QRadioButton") && r->parentWidget() == c->parentWidget();
        });
    const char* const kinds[] = {
        "QAbstractButton",   "QComboBox", "QLineEdit",      "QAbstractSpinBox",
        "QAbstractItemView", "QTextEdit", "QPlainTextEdit", "QTabBar"};
    return (c->focusPolicy() & Qt::TabFocus) ||
           std::any_of(std::begin(kinds), std::end(kinds), [c](auto k) { return c->inherits(k); });
}

// Presses Tab from the focused control until the keyboard comes back to it, and
// returns the controls on the way: ending with the first again, unless one kept it.
QList<QWidget*> tabRound(QWidget* window) {
    QList<QWidget*> round{window->focusWidget()};
    // Tab may first step through the links of a text.
    for (int stay = 0;
         stay < 40 && round.size() < 200 && (round.size() == 1 || round.last() != round.first());) {
        QTest::keyClick(round.last(), Qt::Key_Tab);
        QWidget* at = window->focusWidget();
        stay = at == round.last() ? stay + 1 : 0;
        if (!stay)
            round << at;
    }
    return round;
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

    void everyControlIsNamedAndReachedInReadingOrder_data() {
        QTest::addColumn<QString>("window");
        for (const char* name :
             {"main window", "icon dialog", "section dialog", "replace dialog",
              "swap columns dialog", "text dialog", "font dialog", "help window", "about dialog",
              "applications dialog", "colour dialog", "file dialog", "theme icon dialog",
              "import dialog", "problems panel", "properties tab", "HTML tab"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void everyControlIsNamedAndReachedInReadingOrder() {
        QFETCH(QString, window);
        ScriptedPrompter p;
        MainWindow w(&p);
        QWidget* shown = openWindow(window, w, p);
        shown->show();
        QApplication::setActiveWindow(shown);
        QVERIFY(QTest::qWaitForWindowActive(shown));
        QStringList missing; // the other tabs' lists: their empty cells are data
        if (!window.endsWith(QLatin1String(" tab")))
            unnamed(QAccessible::queryAccessibleInterface(shown), missing);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));

        QVERIFY2(shown->focusWidget(), "the keyboard starts nowhere");
        const QList<QWidget*> round = tabRound(shown);
        QVERIFY2(round.size() == 1 || round.last() == round.first(),
                 qPrintable(QStringLiteral("Tab stays in ") + round.last()->objectName()));
        QStringList missed, outOfOrder;
        for (QWidget* c : shown->findChildren<QWidget*>())
            if (needsTab(c, shown, round) && !round.contains(c))
                missed << c->objectName() + QLatin1Char(' ') + c->metaObject()->className();
        // Read round, the step from the last control back to the first is the only
        // one up the window.
        for (qsizetype i = 0; i + 1 < round.size(); ++i)
            if (readsBefore(round.at(i + 1), round.at(i)))
                outOfOrder << round.at(i)->objectName() + QStringLiteral(" > ") +
                                  round.at(i + 1)->objectName();
        QVERIFY2(missed.isEmpty(), qPrintable(QStringLiteral("not reached: ") + missed.join(u',')));
        QVERIFY2(outOfOrder.size() <= 1, qPrintable(outOfOrder.join(u',')));
    }
};

QTEST_MAIN(LanguageAndNamesTest)
#include "tst_language_and_names.moc"
