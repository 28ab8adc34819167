// The tool dialogs (replace, swap columns) and the help commands.
#include "ScriptedPrompter.h"
#include "Widgets.h"
#include "app/MainWindow.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/HelpWindow.h"
#include "dialogs/ReplaceDialog.h"
#include "dialogs/SwapColumnsDialog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

using namespace ulvanta;

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
        QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &m_links, "open");
    }
    void cleanup() { m_w->doc().edits().markSaved(); }

    void replaceIsModelessSelectsOnEntryAndClosesOnTabChange() {
        child<QTabWidget>(m_w.get(), "tabs")->setCurrentIndex(1);
        child<QAction>(m_w.get(), "actionReplace")->trigger();
        QCOMPARE(child<QTabWidget>(m_w.get(), "tabs")->currentIndex(), 0);
        QPointer<ReplaceDialog> dlg = m_w->findChild<ReplaceDialog*>();
        QVERIFY(dlg && dlg->isVisible() && !QApplication::activeModalWidget());
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

    // The dialog shows the choice: the first column's own box is off limits.
    void swapOptionsFollowTheFirstColumn() {
        SwapColumnsDialog dlg(m_w->doc(), nullptr);
        const auto second = [&dlg](int i) {
            return child<QRadioButton>(&dlg, "secondColumn" + QString::number(size_t(i)));
        };
        child<QRadioButton>(&dlg, "firstColumn1")->click();
        QVERIFY(second(0)->isChecked() && !second(1)->isEnabled() && second(2)->isEnabled());
    }

    // Help, feedback and the about box only show things: the document stays as it was.
    void helpCommandsOnlyShow() {
        bool aboutShown = false;
        QTimer::singleShot(0, m_w.get(), [&aboutShown] { // modal: closed from inside its loop
            auto* box = qobject_cast<AboutDialog*>(QApplication::activeModalWidget());
            if ((aboutShown = box))
                child<QPushButton>(box, "okButton")->click();
        });
        child<QAction>(m_w.get(), "actionAbout")->trigger();
        QVERIFY(aboutShown);
        for (int i = 0; i < 2; ++i) // the help window is not opened twice
            child<QAction>(m_w.get(), "actionHelpContents")->trigger();
        const auto helpWindows = m_w->findChildren<HelpWindow*>();
        QCOMPARE(helpWindows.size(), 1);
        QVERIFY(helpWindows[0]->isVisible());
        QCOMPARE(child<QTextBrowser>(helpWindows[0], "helpText")->source(),
                 QUrl::fromLocalFile(m_w->programFolder() + "help/index.html"));
        QCOMPARE(helpWindows[0]->windowTitle(), "Ulvanta Editor Help"); // its name said once
        child<QAction>(m_w.get(), "actionFeedback")->trigger();
        QCOMPARE(m_links.urls.size(), 1); // only the feedback mail
        QVERIFY(m_links.urls[0].path().contains(QLatin1Char('@')));
        QCOMPARE(m_links.urls[0].query(QUrl::FullyDecoded), "subject=Ulvanta Editor Feedback");
        QVERIFY(!m_w->doc().isModified());
        QCOMPARE(m_w->doc().items().count(), 2);
    }
};

QTEST_MAIN(ToolCommandsTest)
#include "tst_tool_commands.moc"
