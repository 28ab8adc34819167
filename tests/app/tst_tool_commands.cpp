// The tool dialogs (replace, swap columns, import) and the help commands.
#include "ScriptedPrompter.h"
#include "Widgets.h"
#include "app/MainWindow.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/HelpWindow.h"
#include "dialogs/ImportDialog.h"
#include "dialogs/ReplaceDialog.h"
#include "dialogs/SwapColumnsDialog.h"
#include "document/ImportCommand.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

using namespace ulvanta;

namespace {
QString helpDir() {
    return qEnvironmentVariable("ULVANTA_BIN") + QStringLiteral("/help");
}

QString readPage(const QString& name) {
    QFile f(helpDir() + QLatin1Char('/') + name);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}
} // namespace

// Takes the links the program hands to the desktop, so no mail program starts.
class LinkCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

class ToolCommandsTest : public QObject {
    Q_OBJECT
    test::ScriptedPrompter m_prompter;
    std::unique_ptr<MainWindow> m_w;
    LinkCatcher m_links;

private slots:
    void init() {
        m_prompter = test::ScriptedPrompter();
        m_w = std::make_unique<MainWindow>(&m_prompter);
        m_w->setProgramFolder(qEnvironmentVariable("ULVANTA_BIN") + QLatin1Char('/'));
        m_w->start(QString());
        ItemRow r{QStringLiteral("Notepad"), QStringLiteral("notepad.exe")};
        m_w->doc().items().appendItems({r, r});
        m_w->setCurrentRow(0);
        QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &m_links, "open");
        m_links.urls.clear();
    }
    void cleanup() { m_w->doc().setModified(false); }

    void replaceIsModelessSelectsOnEntryAndClosesOnTabChange() {
        child<QTabWidget>(m_w.get(), "tabs")->setCurrentIndex(1);
        child<QAction>(m_w.get(), "actionReplace")->trigger();
        QCOMPARE(child<QTabWidget>(m_w.get(), "tabs")->currentIndex(), 0);
        QPointer<ReplaceDialog> dlg = m_w->findChild<ReplaceDialog*>();
        QVERIFY(dlg && dlg->isVisible());
        QVERIFY(!QApplication::activeModalWidget());
        dlg->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dlg));
        // Entering a field selects all its text, even by a click, which alone would not.
        for (QLineEdit* e :
             {child<QLineEdit>(dlg, "replaceEdit"), child<QLineEdit>(dlg, "findEdit")}) {
            e->setText(QStringLiteral("notepad"));
            e->deselect();
            child<QCheckBox>(dlg, "matchCaseCheck")->setFocus();
            e->setFocus(Qt::MouseFocusReason);
            QTRY_COMPARE(e->selectedText(), QStringLiteral("notepad"));
        }
        child<QLineEdit>(dlg, "replaceEdit")->clear();

        child<QAction>(m_w.get(), "actionReplace")
            ->trigger(); // the open one comes forward with its contents
        QCOMPARE(m_w->findChildren<ReplaceDialog*>().size(), 1);
        QCOMPARE(child<QLineEdit>(dlg, "findEdit")->text(), QStringLiteral("notepad"));
        child<QCheckBox>(dlg, "commandCheck")->setChecked(true);
        child<QPushButton>(dlg, "replaceButton")->click();
        QCOMPARE(m_w->doc().items().cell(1, ColCommand), QStringLiteral(".exe"));
        QVERIFY(dlg->isVisible());
        child<QTabWidget>(m_w.get(), "tabs")->setCurrentIndex(2);
        QTRY_VERIFY(dlg.isNull());
    }

    void swapOptionsFollowTheFirstColumn_data() {
        QTest::addColumn<QList<int>>("firstClicks");
        QTest::addColumn<int>("checkedSecond");
        QTest::newRow("on opening") << QList<int>{} << 1;
        QTest::newRow("command first") << QList<int>{1} << 0;
        QTest::newRow("then description first") << QList<int>{1, 0} << 1;
    }
    void swapOptionsFollowTheFirstColumn() {
        QFETCH(QList<int>, firstClicks);
        QFETCH(int, checkedSecond);
        SwapColumnsDialog dlg(m_w->doc(), nullptr);
        for (int c : firstClicks)
            child<QRadioButton>(&dlg, "firstColumn" + QString::number(size_t(c)))->click();
        const int first = firstClicks.isEmpty() ? 0 : firstClicks.last();
        QVERIFY(child<QRadioButton>(&dlg, "operation" + QString::number(0))->isChecked());
        for (int i = 0; i < SwapColumnCount; ++i) {
            QCOMPARE(
                child<QRadioButton>(&dlg, "secondColumn" + QString::number(size_t(i)))->isChecked(),
                i == checkedSecond);
            QCOMPARE(
                child<QRadioButton>(&dlg, "secondColumn" + QString::number(size_t(i)))->isEnabled(),
                i != first);
        }
        QCOMPARE(dlg.choice().second(), checkedSecond);
    }

    void importBrowsesAndStaysOpen() {
        Document doc;
        ImportCommand import(doc, m_prompter);
        ImportDialog dlg(import, nullptr);
        m_prompter.files = {QStringLiteral("/docs/apps.pmf"), std::nullopt};
        child<QPushButton>(&dlg, "browseButton")->click();
        child<QPushButton>(&dlg, "browseButton")->click(); // cancelled: the path stays
        QCOMPARE(child<QLineEdit>(&dlg, "fileEdit")->text(), QStringLiteral("/docs/apps.pmf"));
        dlg.show();
        child<QLineEdit>(&dlg, "sectionEdit")->setText(QStringLiteral(" Games "));
        child<QPushButton>(&dlg, "importButton")
            ->click(); // no such file: reported, the section row stays
        QCOMPARE(m_prompter.messages.value(0).title, QStringLiteral("Import Error"));
        QCOMPARE(doc.items().count(), 1);
        QVERIFY(dlg.isVisible());
        QCOMPARE(child<QLineEdit>(&dlg, "sectionEdit")->text(), QStringLiteral(" Games "));
    }

    // Help, feedback and the about box only show things: the list, the Changed
    // flag and which commands are enabled stay as they were.
    void helpCommandsShowAndLeaveTheDocumentAsItWas_data() {
        QTest::addColumn<QString>("action");
        QTest::newRow("contents") << "actionHelpContents";
        QTest::newRow("feedback") << "actionFeedback";
        QTest::newRow("about") << "actionAbout";
    }
    void helpCommandsShowAndLeaveTheDocumentAsItWas() {
        QFETCH(QString, action);
        const auto actions = m_w->findChildren<QAction*>();
        QList<bool> enabled;
        for (QAction* a : actions)
            enabled << a->isEnabled();
        bool aboutShown = false;
        if (action == QLatin1String("actionAbout")) // modal: closed from inside its loop
            QTimer::singleShot(0, m_w.get(), [&] {
                if (auto* box = qobject_cast<AboutDialog*>(QApplication::activeModalWidget())) {
                    aboutShown = true;
                    child<QPushButton>(box, "okButton")->click();
                }
            });
        m_w->findChild<QAction*>(action)->trigger();
        if (action == QLatin1String("actionHelpContents")) // the help window is not opened twice
            m_w->findChild<QAction*>(action)->trigger();
        QCOMPARE(aboutShown, action == QLatin1String("actionAbout"));
        const auto helpWindows = m_w->findChildren<HelpWindow*>();
        QCOMPARE(helpWindows.size(), action == QLatin1String("actionHelpContents") ? 1 : 0);
        if (!helpWindows.isEmpty()) {
            QVERIFY(helpWindows[0]->isVisible());
            QCOMPARE(child<QTextBrowser>(helpWindows[0], "helpText")->source(),
                     QUrl::fromLocalFile(m_w->programFolder() + "help/index.html"));
        }
        // Only mailto links reach the catcher.
        QCOMPARE(m_links.urls.size(), action == QLatin1String("actionFeedback") ? 1 : 0);
        for (const QUrl& url : m_links.urls) {
            QVERIFY(url.path().contains(QLatin1Char('@')));
            QCOMPARE(url.query(QUrl::FullyDecoded),
                     QStringLiteral("subject=Ulvanta Editor Feedback"));
        }
        QVERIFY(!m_w->doc().isModified());
        QCOMPARE(m_w->doc().items().count(), 2);
        QCOMPARE(m_w->currentRow(), 0);
        for (int i = 0; i < actions.size(); ++i)
            QVERIFY2(actions[i]->isEnabled() == enabled[i], qPrintable(actions[i]->objectName()));
    }

    void helpLinksLeadToPagesOfTheHelp_data() {
        QTest::addColumn<QString>("page");
        const QStringList pages =
            QDir(helpDir()).entryList({QStringLiteral("*.html")}, QDir::Files);
        QVERIFY2(pages.contains(QStringLiteral("index.html")), qPrintable(helpDir()));
        for (const QString& p : pages)
            QTest::newRow(qPrintable(p)) << p;
    }
    void helpLinksLeadToPagesOfTheHelp() {
        QFETCH(QString, page);
        const QString html = readPage(page);
        QVERIFY(QRegularExpression(QStringLiteral("<title>[^<]+</title>")).match(html).hasMatch());
        static const QRegularExpression href(QStringLiteral("<a href=\"([^\"]*)\""));
        for (auto it = href.globalMatch(html); it.hasNext();) {
            const QString target = it.next().captured(1);
            const QString where = page + ": " + target;
            QVERIFY2(!target.contains(QLatin1Char(':')), qPrintable(where));
            const QString file = target.section(QLatin1Char('#'), 0, 0);
            const QString anchor = target.section(QLatin1Char('#'), 1);
            const QString linked = readPage(file.isEmpty() ? page : file);
            QVERIFY2(!linked.isEmpty(), qPrintable(where));
            if (!anchor.isEmpty())
                QVERIFY2(linked.contains(QStringLiteral("name=\"%1\"").arg(anchor)),
                         qPrintable(where));
        }
    }
};

QTEST_MAIN(ToolCommandsTest)
#include "tst_tool_commands.moc"
