#include "ScriptedPrompter.h"
#include "Widgets.h"
#include "app/MainWindow.h"
#include "document/MenuState.h"
#include "document/SectionRow.h"

#include <QAction>
#include <QMenu>
#include <QMimeData>
#include <QStandardPaths>
#include <QStatusBar>
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
    void dropOnTheListLandsThere_data();
    void dropOnTheListLandsThere();
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

void TestMainWindow::dropOnTheListLandsThere_data() {
    QTest::addColumn<QString>("dropped"); // addresses and files (%T: app.desktop)
    QTest::addColumn<int>("onRow");       // -1: below the last row
    QTest::addColumn<QString>("after");   // the descriptions, the current one starred
    QTest::addColumn<QString>("status");
    const QString mixed = "%T/app.desktop /bin/sh /usr https://www.example.org/";
    QTest::newRow("mixed list on a row") << mixed << 1 << "x,*App,sh,usr,www.example.org,y,z"
                                         << "";
    QTest::newRow("mixed list below the last row")
        << mixed << -1 << "x,y,z,*App,sh,usr,www.example.org"
        << "";
    QTest::newRow("row dragged onto another") << "row 2" << 0 << "*z,x,y"
                                              << "";
    QTest::newRow("what cannot be added is named")
        << "mailto:a@b.c /bin/sh" << 0 << "*sh,x,y,z"
        << "Not added: mailto:a@b.c is neither a file nor a web address";
    QTest::newRow("nothing to add") << "%T/gone" << 0 << "x,y,z"
                                    << "Not added: gone cannot be read";
}

void TestMainWindow::dropOnTheListLandsThere() {
    QFETCH(QString, dropped);
    QFETCH(int, onRow);
    QFETCH(QString, after);
    QFETCH(QString, status);
    QTemporaryDir tmp;
    QFile app(tmp.filePath("app.desktop"));
    QVERIFY(app.open(QIODevice::WriteOnly));
    app.write("[Desktop Entry]\nType=Application\nName=App\nExec=app %f\n");
    app.close();
    ScriptedPrompter p;
    MainWindow w(&p);
    w.start(QString());
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    ItemList& items = w.doc().items();
    items.appendItems({icon("x"), icon("y"), icon("z")});
    auto* view = child<ItemListView>(&w, "itemList");
    std::unique_ptr<QMimeData> data;
    if (dropped.startsWith("row ")) {
        data.reset(items.mimeData({items.index(dropped.mid(4).toInt(), 0)}));
    } else {
        QList<QUrl> urls;
        for (const QString& u : dropped.replace("%T", tmp.path()).split(' '))
            urls << (u.startsWith('/') ? QUrl::fromLocalFile(u) : QUrl(u));
        data = std::make_unique<QMimeData>();
        data->setUrls(urls);
    }
    const QPoint at = onRow < 0 ? view->visualRect(items.index(2, 0)).center() + QPoint(0, 60)
                                : view->visualRect(items.index(onRow, 0)).center();
    QDragEnterEvent enter(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QDragMoveEvent move(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QDropEvent drop(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    for (QEvent* e : std::initializer_list<QEvent*>{&enter, &move, &drop})
        QApplication::sendEvent(view->viewport(), e);
    QStringList rows;
    for (int i = 0; i < items.count(); ++i)
        rows << (i == w.currentRow() ? "*" : "") + items.cell(i, ColDescription);
    QCOMPARE(rows.join(','), after);
    QCOMPARE(w.statusBar()->currentMessage(), status);
    // A drop is one step: one undo takes it back.
    QCOMPARE(w.doc().undoStack().count(), after == "x,y,z" ? 0 : 1);
    w.doc().undoStack().undo();
    QCOMPARE(items.count(), 3);
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
