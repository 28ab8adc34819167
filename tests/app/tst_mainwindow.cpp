#include "ScriptedPrompter.h"
#include "Widgets.h"
#include "app/MainWindow.h"
#include "document/MenuState.h"
#include "document/SectionRow.h"

#include <QAction>
#include <QMenu>
#include <QStandardPaths>
#include <QTemporaryDir>
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
    void moveEnabling_data();
    void moveEnabling();
    void runFollowsTheBuiltFile();
    void inPlaceEditOfASectionIsRefused();
    void closeCancelledKeepsTheWindow();
    void recentDocumentsListedAboveExit();
};

void TestMainWindow::startsUntitled() {
    ScriptedPrompter p;
    MainWindow w(&p);
    w.start(QString());
    QCOMPARE(w.windowTitle(), w.doc().caption());
    QVERIFY(w.windowTitle().startsWith("New File 1"));
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
    MainWindow w(&p);
    std::vector<ItemRow> rows;
    for (QChar c : shape)
        rows.push_back(c == 's' ? section("s") : icon("i"));
    w.doc().items().appendItems(rows);
    w.setCurrentRow(current);
    w.updateActions();
    // A command is enabled only once it is built; the decision itself is checked here.
    const MenuState m = ulvanta::menuState(w.doc().items(), current, false);
    QCOMPARE(m.moveUp, up);
    QCOMPARE(m.moveDown, down);
    if (!up)
        QVERIFY(!child<QAction>(&w, "actionMoveUp")->isEnabled());
    if (!down)
        QVERIFY(!child<QAction>(&w, "actionMoveDown")->isEnabled());
}

void TestMainWindow::runFollowsTheBuiltFile() {
    const MenuState none = ulvanta::menuState(ItemList(), -1, false);
    QVERIFY(!none.run && !none.shortcut);
    const MenuState built = ulvanta::menuState(ItemList(), -1, true);
    QVERIFY(built.run && built.shortcut);
    QVERIFY(!built.copy);
}

void TestMainWindow::inPlaceEditOfASectionIsRefused() {
    ScriptedPrompter p;
    MainWindow w(&p);
    w.start(QString());
    w.doc().items().appendItems({section("s"), icon("i")});
    w.setCurrentRow(0);
    QVERIFY(!child<ItemListView>(&w, "itemList")
                 ->edit(w.doc().items().index(0, 0), QAbstractItemView::EditKeyPressed, nullptr));
    QCOMPARE(w.doc().items().cell(0, 0), SectionRow::compose("s", "5", "32", true, false));
    // An icon row may be renamed in place, but not into a section.
    QVERIFY(!w.doc().items().setData(w.doc().items().index(1, 0), "SECTION:x", Qt::EditRole));
    QVERIFY(w.doc().items().setData(w.doc().items().index(1, 0), "renamed", Qt::EditRole));
    QVERIFY(w.doc().isModified());
}

void TestMainWindow::closeCancelledKeepsTheWindow() {
    ScriptedPrompter p;
    MainWindow w(&p);
    w.start(QString());
    w.doc().setModified(true);
    p.answers = {PromptAnswer::Cancel};
    QVERIFY(!w.close());
    QVERIFY(w.isVisible());
    p.answers = {PromptAnswer::No};
    QVERIFY(w.close());
}

void TestMainWindow::recentDocumentsListedAboveExit() {
    QStandardPaths::setTestModeEnabled(true); // the user's own list stays as it is
    QTemporaryDir dir;
    const QString a = dir.filePath("a&b.pmf"), b = dir.filePath("b.pmf");
    ScriptedPrompter p;
    MainWindow w(&p);
    w.start(QString());
    for (const QString& path : {b, a}) {
        p.files = {path};
        child<QAction>(&w, "actionSaveAs")->trigger();
    }
    auto* file = w.findChild<QMenu*>("menuFile");
    emit file->aboutToShow();
    emit file->aboutToShow(); // filled afresh, not twice
    const QList<QAction*> actions = file->actions();
    const qsizetype exit = actions.indexOf(child<QAction>(&w, "actionExit"));
    QCOMPARE(actions[exit - 3]->text(), "&1 " + QString(a).replace("&", "&&"));
    QCOMPARE(actions[exit - 2]->text(), "&2 " + b);
    QVERIFY(actions[exit - 1]->isSeparator() && actions[exit - 4]->isSeparator());
    QCOMPARE(actions[exit - 5], child<QAction>(&w, "actionShortcut"));
    actions[exit - 2]->trigger();
    QCOMPARE(w.doc().filePath(), b);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
