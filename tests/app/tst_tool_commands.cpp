// The tool dialogs (replace, swap columns, import) and the help commands.
#include "ScriptedPrompter.h"
#include "app/frmPME.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmHelp.h"
#include "dialogs/frmImport.h"
#include "dialogs/frmReplace.h"
#include "dialogs/frmSwap.h"
#include "document/ImportCommand.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
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
    std::unique_ptr<frmPME> m_w;
    LinkCatcher m_links;

private slots:
    void init() {
        m_prompter = test::ScriptedPrompter();
        m_w = std::make_unique<frmPME>(&m_prompter);
        m_w->APath = qEnvironmentVariable("ULVANTA_BIN") + QLatin1Char('/');
        m_w->start(QString());
        ItemRow r{QStringLiteral("Notepad"), QStringLiteral("notepad.exe")};
        m_w->doc().items().appendItems({r, r});
        m_w->setCurrentRow(0);
        QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &m_links, "open");
        m_links.urls.clear();
    }
    void cleanup() { m_w->doc().Changed = false; }

    void replaceIsModelessSelectsOnEntryAndClosesOnTabChange() {
        m_w->tabMain->setCurrentIndex(1);
        m_w->mnuEditReplace->trigger();
        QCOMPARE(m_w->tabMain->currentIndex(), 0);
        QPointer<frmReplace> dlg = m_w->findChild<frmReplace*>();
        QVERIFY(dlg && dlg->isVisible());
        QVERIFY(!QApplication::activeModalWidget());
        dlg->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dlg));
        // Entering a field selects all its text, even by a click, which alone would not.
        for (QLineEdit* e : {dlg->txtReplace, dlg->txtFind}) {
            e->setText(QStringLiteral("notepad"));
            e->deselect();
            dlg->chkCase->setFocus();
            e->setFocus(Qt::MouseFocusReason);
            QTRY_COMPARE(e->selectedText(), QStringLiteral("notepad"));
        }
        dlg->txtReplace->clear();

        m_w->mnuEditReplace->trigger(); // the open one comes forward with its contents
        QCOMPARE(m_w->findChildren<frmReplace*>().size(), 1);
        QCOMPARE(dlg->txtFind->text(), QStringLiteral("notepad"));
        dlg->chkCommand->setChecked(true);
        dlg->cmdReplace->click();
        QCOMPARE(m_w->doc().items().cell(1, ColCommand), QStringLiteral(".exe"));
        QVERIFY(dlg->isVisible());
        m_w->tabMain->setCurrentIndex(2);
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
        frmSwap dlg(m_w->doc(), nullptr);
        for (int c : firstClicks)
            dlg.optFC[size_t(c)]->click();
        const int first = firstClicks.isEmpty() ? 0 : firstClicks.last();
        QVERIFY(dlg.optSwap[0]->isChecked());
        for (int i = 0; i < SwapColumnCount; ++i) {
            QCOMPARE(dlg.optSC[size_t(i)]->isChecked(), i == checkedSecond);
            QCOMPARE(dlg.optSC[size_t(i)]->isEnabled(), i != first);
        }
        QCOMPARE(dlg.choice().second(), checkedSecond);
    }

    void importBrowsesAndStaysOpen() {
        Document doc;
        ImportCommand import(doc, m_prompter);
        frmImport dlg(import, nullptr);
        m_prompter.files = {QStringLiteral("/docs/apps.pmf"), std::nullopt};
        dlg.cmdBrowse->click();
        dlg.cmdBrowse->click(); // cancelled: the path stays
        QCOMPARE(dlg.txtFile->text(), QStringLiteral("/docs/apps.pmf"));
        dlg.show();
        dlg.txtSection->setText(QStringLiteral(" Games "));
        dlg.cmdImport->click(); // no such file: reported, the section row stays
        QCOMPARE(m_prompter.messages.value(0).title, QStringLiteral("Import Error"));
        QCOMPARE(doc.items().count(), 1);
        QVERIFY(dlg.isVisible());
        QCOMPARE(dlg.txtSection->text(), QStringLiteral(" Games "));
    }

    void contentsShowsTheHelpWindow() {
        QCOMPARE(m_w->mnuHelpContents->shortcut(), QKeySequence(Qt::Key_F1));
        m_w->mnuHelpContents->trigger();
        auto* help = m_w->findChild<frmHelp*>();
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->txtHelp->source(), QUrl::fromLocalFile(m_w->APath + "help/index.html"));
        m_w->mnuHelpContents->trigger();
        QCOMPARE(m_w->findChildren<frmHelp*>().size(), 1);
    }

    void feedbackOpensAMailLink() {
        m_w->mnuHelpFeedback->trigger();
        QCOMPARE(m_links.urls.size(), 1); // only mailto links reach the catcher
        QVERIFY(m_links.urls[0].path().contains(QLatin1Char('@')));
        QCOMPARE(m_links.urls[0].query(QUrl::FullyDecoded),
                 QStringLiteral("subject=Ulvanta Editor Feedback"));
    }

    // Help, feedback and the about box only show things: the list, the Changed
    // flag and which commands are enabled stay as they were.
    void helpCommandsLeaveTheDocumentAsItWas_data() {
        QTest::addColumn<QString>("action");
        QTest::newRow("contents") << "mnuHelpContents";
        QTest::newRow("feedback") << "mnuHelpFeedback";
        QTest::newRow("about") << "mnuHelpAbout";
    }
    void helpCommandsLeaveTheDocumentAsItWas() {
        QFETCH(QString, action);
        const auto actions = m_w->findChildren<QAction*>();
        QList<bool> enabled;
        for (QAction* a : actions)
            enabled << a->isEnabled();
        const bool about = action == QLatin1String("mnuHelpAbout");
        QString aboutTitle, aboutVersion;
        if (about) // the box is modal: read and close it from inside its loop
            QTimer::singleShot(0, m_w.get(), [&] {
                if (auto* box = qobject_cast<frmAbout*>(QApplication::activeModalWidget())) {
                    aboutTitle = box->windowTitle();
                    aboutVersion = box->lblVersion->text();
                    box->cmdOK->click();
                }
            });
        m_w->findChild<QAction*>(action)->trigger();
        if (about) {
            QCOMPARE(aboutTitle, QStringLiteral("About Ulvanta Editor"));
            QCOMPARE(aboutVersion, QStringLiteral("Version 3.3.13"));
        }
        QVERIFY(!m_w->doc().Changed);
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
