#include "ScriptedPrompter.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmImport.h"
#include "dialogs/frmReplace.h"
#include "dialogs/frmSwap.h"
#include "document/Document.h"
#include "document/ImportCommand.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace ulvanta;

class ToolDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void replaceSelectsTheWholeTextOnEntry();
    void swapOptionsFollowTheFirstColumn_data();
    void swapOptionsFollowTheFirstColumn();
    void importBrowsesAndStaysOpen();
    void aboutShowsTheVersion();
};

void ToolDialogsTest::replaceSelectsTheWholeTextOnEntry() {
    Document doc;
    frmReplace dlg(doc, nullptr);
    dlg.setAttribute(Qt::WA_DeleteOnClose, false);
    dlg.show();
    dlg.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    for (QLineEdit* e : {dlg.txtFind, dlg.txtReplace}) {
        e->setText(QStringLiteral("some text"));
        e->deselect();
        dlg.chkCase->setFocus();
        e->setFocus(Qt::MouseFocusReason); // a click alone would not select
        QTRY_COMPARE(e->selectedText(), QStringLiteral("some text"));
    }
}

void ToolDialogsTest::swapOptionsFollowTheFirstColumn_data() {
    QTest::addColumn<QList<int>>("firstClicks");
    QTest::addColumn<int>("checkedSecond");
    QTest::newRow("on opening") << QList<int>{} << 1;
    QTest::newRow("command first") << QList<int>{1} << 0;
    QTest::newRow("then description first") << QList<int>{1, 0} << 1;
    QTest::newRow("icon first") << QList<int>{4} << 1;
}

void ToolDialogsTest::swapOptionsFollowTheFirstColumn() {
    QFETCH(QList<int>, firstClicks);
    QFETCH(int, checkedSecond);
    Document doc;
    frmSwap dlg(doc, nullptr);
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

void ToolDialogsTest::importBrowsesAndStaysOpen() {
    Document doc;
    test::ScriptedPrompter p;
    ImportCommand import(doc, p);
    frmImport dlg(import, nullptr);
    p.files = {QStringLiteral("/docs/apps.pmf"), std::nullopt};
    dlg.cmdBrowse->click();
    dlg.cmdBrowse->click(); // cancelled: the path stays
    QCOMPARE(dlg.txtFile->text(), QStringLiteral("/docs/apps.pmf"));
    QCOMPARE(p.fileRequests.value(0).title, QStringLiteral("Choose an Ulvanta File to Import"));

    dlg.show();
    dlg.txtSection->setText(QStringLiteral(" Games "));
    dlg.cmdImport->click(); // no such file: reported, the section row stays
    QCOMPARE(p.messages.value(0).title, QStringLiteral("Import Error"));
    QCOMPARE(doc.items().count(), 1);
    QVERIFY(dlg.isVisible());
    QCOMPARE(dlg.txtSection->text(), QStringLiteral(" Games "));
}

void ToolDialogsTest::aboutShowsTheVersion() {
    frmAbout dlg(nullptr);
    QCOMPARE(dlg.windowTitle(), QStringLiteral("About Ulvanta Editor"));
    QCOMPARE(dlg.lblTitle->text(), QStringLiteral("Ulvanta Editor"));
    QCOMPARE(dlg.lblVersion->text(), QStringLiteral("Version 3.3.13"));
}

QTEST_MAIN(ToolDialogsTest)
#include "tst_tool_dialogs.moc"
