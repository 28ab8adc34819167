#include "ScriptedPrompter.h"
#include "app/frmPME.h"
#include "document/MenuState.h"
#include "document/SectionRow.h"

#include <QAction>
#include <QMenuBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

using namespace ulvanta;
using test::ScriptedPrompter;

namespace {
ItemRow icon(const QString& d) {
    return ItemRow{d, "cmd"};
}
ItemRow section(const QString& name) {
    return ItemRow{SectionRow::compose(name, "5", "32", true, false)};
}
} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void startsUntitled();
    void menusCarryTheirCaptionsAndKeys_data();
    void menusCarryTheirCaptionsAndKeys();
    void toolbarButtons();
    void listCommandsNeedRows();
    void moveEnabling_data();
    void moveEnabling();
    void runFollowsTheBuiltFile();
    void inPlaceEditOfASectionIsRefused();
    void closeCancelledKeepsTheWindow();
};

void TestMainWindow::startsUntitled() {
    ScriptedPrompter p;
    frmPME w(&p);
    w.start(QString());
    QCOMPARE(w.windowTitle(), QString("New File 1 - Ulvanta Editor"));
    QVERIFY(w.lvItems->isVisible());
    QCOMPARE(w.tabMain->count(), 4);
    QCOMPARE(w.tabMain->tabText(0), QString("&Icons"));
    QCOMPARE(w.tabMain->tabText(3), QString("P&review"));
    QCOMPARE(w.tabMain->tabPosition(), QTabWidget::South);
    QCOMPARE(w.lvProp->model()->rowCount(), 36);
    QCOMPARE(w.lvProp->model()->index(0, 0).data().toString(), QString("(HTML File)"));
    QCOMPARE(w.lvItems->model()->columnCount(), 7);
    QCOMPARE(w.lvItems->model()->headerData(3, Qt::Horizontal).toString(), QString("Start In"));
    QVERIFY(w.APath.endsWith('/'));
}

void TestMainWindow::menusCarryTheirCaptionsAndKeys_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("key");
    QTest::newRow("new") << "mnuFileNew"
                         << "&New"
                         << "Ctrl+N";
    QTest::newRow("save as") << "mnuFileSaveAs"
                             << "Save &As..."
                             << "Ctrl+B";
    QTest::newRow("import") << "mnuFileImport"
                            << "&Import Ulvanta File Items..."
                            << "F11";
    QTest::newRow("shortcut") << "mnuFileShortcut"
                              << "Create Shortcut on &Desktop..."
                              << "Ctrl+E";
    QTest::newRow("exit") << "mnuFileExit"
                          << "E&xit"
                          << "";
    QTest::newRow("add section") << "mnuEditAddSection"
                                 << "Add se&ction (above selected item)..."
                                 << "F7";
    QTest::newRow("replace") << "mnuEditReplace"
                             << "&Rep&lace..."
                             << "Ctrl+H";
    QTest::newRow("feedback") << "mnuHelpFeedback"
                              << "&Send feedback..."
                              << "Ctrl+F1";
}

void TestMainWindow::menusCarryTheirCaptionsAndKeys() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, key);
    ScriptedPrompter p;
    frmPME w(&p);
    auto* a = w.findChild<QAction*>(name);
    QVERIFY(a);
    QCOMPARE(a->text(), caption);
    QCOMPARE(a->shortcut().toString(), key);
}

void TestMainWindow::toolbarButtons() {
    ScriptedPrompter p;
    frmPME w(&p);
    for (int sep : {4, 6, 11})
        QVERIFY(!w.toolButton(sep));
    QCOMPARE(w.toolButton(1), w.mnuFileNew);
    QCOMPARE(w.toolButton(1)->toolTip(), QString("New (Ctrl+N)"));
    QCOMPARE(w.toolButton(8)->toolTip(), QString("Add section (above selected item) (F7)"));
    QCOMPARE(w.toolButton(13), w.mnuEditMoveDown);
    QVERIFY(!w.toolButton(14));
}

void TestMainWindow::listCommandsNeedRows() {
    ScriptedPrompter p;
    frmPME w(&p);
    w.start(QString());
    for (QAction* a :
         {w.mnuEditCopy, w.mnuEditEdit, w.mnuEditDelete, w.mnuEditMoveUp, w.mnuEditMoveDown})
        QVERIFY2(!a->isEnabled(), qPrintable(a->objectName()));
}

void TestMainWindow::moveEnabling_data() {
    QTest::addColumn<QString>("shape"); // i icon, s section
    QTest::addColumn<int>("current");
    QTest::addColumn<bool>("up");
    QTest::addColumn<bool>("down");
    QTest::newRow("first icon") << "iii" << 0 << false << true;
    QTest::newRow("last icon") << "iii" << 2 << true << false;
    QTest::newRow("section at row 1") << "sis" << 0 << false << true;
    QTest::newRow("section with only icons above") << "iisi" << 2 << false << false;
    QTest::newRow("section between sections") << "sisis" << 2 << true << true;
}

void TestMainWindow::moveEnabling() {
    QFETCH(QString, shape);
    QFETCH(int, current);
    QFETCH(bool, up);
    QFETCH(bool, down);
    ScriptedPrompter p;
    frmPME w(&p);
    std::vector<ItemRow> rows;
    for (QChar c : shape)
        rows.push_back(c == 's' ? section("s") : icon("i"));
    w.doc().items().appendItems(rows);
    w.setCurrentRow(current);
    w.Checkmenus();
    // A command is enabled only once it is built; the decision itself is checked here.
    const MenuState m = ulvanta::Checkmenus(w.doc().items(), current, false);
    QCOMPARE(m.moveUp, up);
    QCOMPARE(m.moveDown, down);
    if (!up)
        QVERIFY(!w.mnuEditMoveUp->isEnabled());
    if (!down)
        QVERIFY(!w.mnuEditMoveDown->isEnabled());
}

void TestMainWindow::runFollowsTheBuiltFile() {
    const MenuState none = ulvanta::Checkmenus(ItemList(), -1, false);
    QVERIFY(!none.run && !none.shortcut);
    const MenuState built = ulvanta::Checkmenus(ItemList(), -1, true);
    QVERIFY(built.run && built.shortcut);
    QVERIFY(!built.copy);
}

void TestMainWindow::inPlaceEditOfASectionIsRefused() {
    ScriptedPrompter p;
    frmPME w(&p);
    w.start(QString());
    w.doc().items().appendItems({section("s"), icon("i")});
    w.setCurrentRow(0);
    QVERIFY(
        !w.lvItems->edit(w.doc().items().index(0, 0), QAbstractItemView::EditKeyPressed, nullptr));
    QCOMPARE(w.doc().items().cell(0, 0), SectionRow::compose("s", "5", "32", true, false));
    // An icon row may be renamed in place, but not into a section.
    QVERIFY(!w.doc().items().setData(w.doc().items().index(1, 0), "SECTION:x", Qt::EditRole));
    QVERIFY(w.doc().items().setData(w.doc().items().index(1, 0), "renamed", Qt::EditRole));
    QVERIFY(w.doc().Changed);
}

void TestMainWindow::closeCancelledKeepsTheWindow() {
    ScriptedPrompter p;
    frmPME w(&p);
    w.start(QString());
    w.doc().Changed = true;
    p.answers = {PromptAnswer::Cancel};
    QVERIFY(!w.close());
    QVERIFY(w.isVisible());
    p.answers = {PromptAnswer::No};
    QVERIFY(w.close());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
