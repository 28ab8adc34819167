#include "ScriptedPrompter.h"
#include "app/frmPME.h"
#include "dialogs/frmHelp.h"
#include "dialogs/frmImport.h"
#include "dialogs/frmReplace.h"
#include "dialogs/frmSwap.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

using namespace ulvanta;
using test::ScriptedPrompter;

// Takes the links the program hands to the desktop, so no mail program starts.
class LinkCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

namespace {
ItemRow icon(const QString& desc) {
    ItemRow r;
    r[ColDescription] = desc;
    r[ColCommand] = desc.toLower() + QStringLiteral(".exe");
    return r;
}

// Runs f on the next modal dialog once it is shown, then closes it.
template <typename F> void onModal(F f) {
    QTimer::singleShot(0, [f] {
        QWidget* w = QApplication::activeModalWidget();
        QVERIFY(w);
        f(w);
        if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible())
            d->reject();
    });
}

QString helpFolder() {
    return qEnvironmentVariable("ULVANTA_BIN") + QStringLiteral("/help/");
}
} // namespace

class ToolCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void replaceIsModelessAndComesForward();
    void replaceClosesOnEveryTabChange();
    void swapWorksOnTheIconsTab();
    void importAddsRowsAndStaysOpen();
    void contentsShowsTheHelpWindow();
    void contentsReportsMissingHelp();
    void feedbackOpensAMailLink();
    void helpCommandsLeaveTheDocumentAlone_data();
    void helpCommandsLeaveTheDocumentAlone();

private:
    std::unique_ptr<ScriptedPrompter> m_prompter;
    std::unique_ptr<frmPME> m_w;
    LinkCatcher m_links;
};

void ToolCommandsTest::init() {
    m_prompter = std::make_unique<ScriptedPrompter>();
    m_w = std::make_unique<frmPME>(m_prompter.get());
    m_w->APath = qEnvironmentVariable("ULVANTA_BIN") + QLatin1Char('/');
    m_w->start(QString());
    m_w->doc().items().appendItems({icon(QStringLiteral("Notepad")), icon(QStringLiteral("Calc"))});
    m_w->setCurrentRow(0);
    m_w->Checkmenus();
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &m_links, "open");
    m_links.urls.clear();
}

void ToolCommandsTest::cleanup() {
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    m_w->doc().Changed = false; // no save question on closing
    m_w.reset();
    m_prompter.reset();
}

void ToolCommandsTest::replaceIsModelessAndComesForward() {
    m_w->tabMain->setCurrentIndex(1);
    m_w->mnuEditReplace->trigger();
    QCOMPARE(m_w->tabMain->currentIndex(), 0);
    auto* dlg = m_w->findChild<frmReplace*>();
    QVERIFY(dlg);
    QVERIFY(dlg->isVisible());
    QVERIFY(!dlg->isModal());
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(dlg->parentWidget(), m_w.get());

    dlg->txtFind->setText(QStringLiteral("notepad"));
    m_w->mnuEditReplace->trigger(); // the open one, with its contents
    QCOMPARE(m_w->findChildren<frmReplace*>().size(), 1);
    QCOMPARE(m_w->findChild<frmReplace*>(), dlg);
    QCOMPARE(dlg->txtFind->text(), QStringLiteral("notepad"));

    // The main window stays usable: the list can change between runs.
    m_w->doc().items().appendItems({icon(QStringLiteral("NOTEPAD"))});
    dlg->txtReplace->setText(QStringLiteral("Editor"));
    dlg->chkDescription->setChecked(true);
    dlg->cmdReplace->click();
    QCOMPARE(m_w->doc().items().cell(2, ColDescription), QStringLiteral("Editor"));
    QVERIFY(m_w->doc().Changed);
}

void ToolCommandsTest::replaceClosesOnEveryTabChange() {
    for (int tab : {1, 2}) {
        m_w->mnuEditReplace->trigger();
        QPointer<frmReplace> dlg = m_w->findChild<frmReplace*>();
        QVERIFY(dlg && dlg->isVisible());
        m_w->tabMain->setCurrentIndex(tab);
        QTRY_VERIFY(dlg.isNull());
    }
    // Opened afresh: nothing carried over.
    m_w->mnuEditReplace->trigger();
    auto* dlg = m_w->findChild<frmReplace*>();
    QVERIFY(dlg);
    QVERIFY(dlg->txtFind->text().isEmpty());
}

void ToolCommandsTest::swapWorksOnTheIconsTab() {
    m_w->tabMain->setCurrentIndex(1);
    int tabSeen = -1;
    onModal([&](QWidget* w) {
        tabSeen = m_w->tabMain->currentIndex();
        auto* dlg = qobject_cast<frmSwap*>(w);
        QVERIFY(dlg);
        dlg->cmdOK->click();
    });
    m_w->mnuEditSwap->trigger();
    QCOMPARE(tabSeen, 0);
    QCOMPARE(m_w->doc().items().cell(0, ColDescription), QStringLiteral("notepad.exe"));
    QCOMPARE(m_w->doc().items().cell(0, ColCommand), QStringLiteral("Notepad"));
    QVERIFY(m_w->doc().Changed);
}

void ToolCommandsTest::importAddsRowsAndStaysOpen() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("other.pmf"));
    {
        Document other;
        other.Propulate();
        other.items().appendItems({icon(QStringLiteral("Paint"))});
        other.SaveFile(path);
    }
    bool stayedOpen = false;
    onModal([&](QWidget* w) {
        auto* dlg = qobject_cast<frmImport*>(w);
        QVERIFY(dlg);
        dlg->txtFile->setText(path);
        dlg->txtSection->setText(QStringLiteral("More"));
        dlg->cmdImport->click();
        stayedOpen = dlg->isVisible();
    });
    m_w->mnuFileImport->trigger();
    QVERIFY(stayedOpen);
    QCOMPARE(m_w->doc().items().count(), 4);
    QCOMPARE(m_w->doc().items().cell(3, ColDescription), QStringLiteral("Paint"));
    QCOMPARE(m_prompter->messages.value(0).text, QStringLiteral("1 item was successfully added"));
    QVERIFY(m_w->doc().Changed);
}

void ToolCommandsTest::contentsShowsTheHelpWindow() {
    QCOMPARE(m_w->mnuHelpContents->shortcut(), QKeySequence(Qt::Key_F1));
    m_w->mnuHelpContents->trigger();
    auto* help = m_w->findChild<frmHelp*>();
    QVERIFY(help);
    QVERIFY(help->isVisible());
    QCOMPARE(help->txtHelp->source(), QUrl::fromLocalFile(helpFolder() + "index.html"));
    QVERIFY(!help->txtHelp->documentTitle().isEmpty());
    QVERIFY(help->windowTitle().contains(help->txtHelp->documentTitle()));
    QVERIFY(m_prompter->messages.isEmpty());

    // A link to another page of the help is followed inside the window.
    help->txtHelp->setSource(QUrl(QStringLiteral("menus.html")));
    QCOMPARE(help->txtHelp->source().fileName(), QStringLiteral("menus.html"));
    QVERIFY(help->txtHelp->toPlainText().contains(QStringLiteral("Import Ulvanta File Items")));
    QVERIFY(help->cmdBack->isEnabled());

    m_w->mnuHelpContents->trigger(); // the open window comes forward
    QCOMPARE(m_w->findChildren<frmHelp*>().size(), 1);
}

void ToolCommandsTest::contentsReportsMissingHelp() {
    QTemporaryDir empty;
    m_w->APath = empty.path() + QLatin1Char('/');
    m_w->mnuHelpContents->trigger();
    QVERIFY(!m_w->findChild<frmHelp*>());
    QCOMPARE(m_prompter->messages.size(), 1);
    QCOMPARE(m_prompter->messages[0].text, QStringLiteral("Could not find the help file '") +
                                               m_w->APath + QStringLiteral("help/index.html'."));
}

void ToolCommandsTest::feedbackOpensAMailLink() {
    m_w->mnuHelpFeedback->trigger();
    QCOMPARE(m_links.urls.size(), 1);
    const QUrl url = m_links.urls[0];
    QCOMPARE(url.scheme(), QStringLiteral("mailto"));
    QVERIFY(url.path().contains(QLatin1Char('@')));
    QCOMPARE(url.query(QUrl::FullyDecoded), QStringLiteral("subject=Ulvanta Editor Feedback"));
    QVERIFY(m_prompter->messages.isEmpty());
}

void ToolCommandsTest::helpCommandsLeaveTheDocumentAlone_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("changed");
    QTest::newRow("contents") << "mnuHelpContents" << false;
    QTest::newRow("contents, changed document") << "mnuHelpContents" << true;
    QTest::newRow("feedback") << "mnuHelpFeedback" << true;
    QTest::newRow("about") << "mnuHelpAbout" << false;
    QTest::newRow("about, changed document") << "mnuHelpAbout" << true;
}

void ToolCommandsTest::helpCommandsLeaveTheDocumentAlone() {
    QFETCH(QString, action);
    QFETCH(bool, changed);
    m_w->doc().Changed = changed;
    m_w->tabMain->setCurrentIndex(1);
    const auto snapshot = [this] {
        QStringList s;
        for (QAction* a : m_w->findChildren<QAction*>())
            if (a->objectName().startsWith(QLatin1String("mnu")))
                s << a->objectName() + (a->isEnabled() ? "+" : "-");
        s << QString::number(m_w->tabMain->currentIndex()) << m_w->windowTitle();
        for (int r = 0; r < m_w->doc().items().count(); ++r)
            s << QStringList(m_w->doc().items().row(r).begin(), m_w->doc().items().row(r).end());
        return s;
    };
    const QStringList before = snapshot();
    if (action == QLatin1String("mnuHelpAbout")) {
        QString caption;
        onModal([&](QWidget* w) { caption = w->windowTitle(); });
        m_w->mnuHelpAbout->trigger();
        QCOMPARE(caption, QStringLiteral("About Ulvanta Editor"));
    } else {
        m_w->findChild<QAction*>(action)->trigger();
    }
    QCOMPARE(snapshot(), before);
    QCOMPARE(m_w->doc().Changed, changed);
}

QTEST_MAIN(ToolCommandsTest)
#include "tst_tool_commands.moc"
