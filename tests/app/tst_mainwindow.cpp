#include "ScriptedPrompter.h"
#include "Widgets.h"
#include "app/MainWindow.h"
#include "dialogs/ReplaceDialog.h"
#include "document/MenuState.h"
#include "document/SectionRow.h"

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
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

// The caption, every cell, and each property whole and as the list shows it.
QStringList snapshot(MainWindow& w, bool shown = true) {
    const Document& d = w.doc();
    QStringList s{w.windowTitle()};
    for (int i = 0; i < d.items().count(); ++i) {
        const ItemRow row = d.items().row(i);
        s << QStringList(row.begin(), row.end()).join(u'|');
    }
    for (int r = 0; r < d.props().count(); ++r)
        s << d.props().name(r) + u'=' + d.setting(d.props().name(r)) +
                 (shown ? u'=' + d.props().setting(r) : QString());
    return s;
}

// Does what recipe says in a dialog: "name=text" fills a text box, "name" clicks a button.
void fill(QWidget* dlg, const QString& recipe) {
    for (const QString& part : recipe.split(u',')) {
        const QString name = part.section(u'=', 0, 0), text = part.section(u'=', 1);
        if (!part.contains(u'='))
            child<QAbstractButton>(dlg, name)->click();
        else if (auto* e = dlg->findChild<QLineEdit*>(name))
            e->setText(text);
        else
            child<QPlainTextEdit>(dlg, name)->setPlainText(text);
    }
}

// Keys go where the keyboard is, as they would from the user.
void press(MainWindow& w, const QString& keys) {
    if (!w.isActiveWindow()) {
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
    }
    QWidget* focus = QApplication::focusWidget();
    QTest::keySequence(focus ? focus : &w, QKeySequence(keys));
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
    void everyEditUndoesAndRedoesByKeyboard_data();
    void everyEditUndoesAndRedoesByKeyboard();
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
    // No icon row becomes a section by an edit in place.
    QVERIFY(!w.doc().items().setData(w.doc().items().index(1, 0), "SECTION:x", Qt::EditRole));
    QVERIFY(!w.doc().isModified());
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

void TestMainWindow::everyEditUndoesAndRedoesByKeyboard_data() {
    // An icon row, or a property on the Properties tab: current again after undoing all.
    QTest::addColumn<QString>("current");
    // "KEYS" or "KEYS:what to do in the dialog it opens", separated by ";";
    // "edit=TEXT" renames the current row in place.
    QTest::addColumn<QString>("commands");
    QTest::addColumn<QStringList>("answers"); // typed into input boxes; "file:NAME" is chosen
    QTest::addColumn<QStringList>("steps");   // as Undo names them, first to last
    const auto add = [](const char* tag, const char* current, const char* commands,
                        const QStringList& answers, const QStringList& steps) {
        QTest::newRow(tag) << current << commands << answers << steps;
    };
    add("delete an icon", "2", "F8", {}, {"Delete"});
    add("copy and paste", "2", "F12", {}, {"Copy"});
    add("section block moves up", "3", "Ctrl+U", {}, {"Move Up"});
    add("icon moves down", "1", "Ctrl+D", {}, {"Move Down"});
    add("add icon", "1", "F4:descriptionEdit=dog,commandEdit=dog.exe,addCloseButton", {},
        {"Add Icon"});
    add("edit icon", "1", "F2:descriptionEdit=ape,addButton", {}, {"Edit Icon"});
    add("add section", "4", "F7:nameEdit=C,addButton", {}, {"Add Section"});
    add("edit section", "0", "F2:nameEdit=Z,addButton", {}, {"Edit Section"});
    add("rename in place", "2", "edit=bee", {}, {"Edit Description"});
    add("swap over every row", "1", "F6:okButton", {}, {"Swap Columns"});
    add("move a column", "1", "F6:operation1,secondColumn5,okButton", {}, {"Move Column"});
    add("replace all", "1",
        "Ctrl+H:findEdit=a,replaceEdit=oo,descriptionCheck,commentsCheck,replaceButton", {},
        {"Replace All"});
    add("number box", "Columns", "Return", {"7"}, {"Columns"});
    add("title names the window", "Title", "Return", {"Mine"}, {"Title"});
    add("toggle", "Table border", "Return", {}, {"Table border"});
    add("font", "Font", "Return:okButton", {}, {"Font"});
    add("colour", "Link colour", "Return:colourEdit=00ff00,okButton", {}, {"Link colour"});
    add("header html", "Header HTML", "Return:textEdit=<p>\nnew</p>,okButton", {}, {"Header HTML"});
    add("delete key", "Icon size", "Del", {}, {"Icon size"});
    add("reset properties", "Columns", "F9", {}, {"Reset Properties"});
    add("build", "(HTML File)", "F3", {"file:page.htm"}, {"Build"});
    add("a mixed sequence", "2",
        "edit=x;F8;F12;Ctrl+D;F6:okButton;F9;Ctrl+H:findEdit=e,replaceEdit=E,commandCheck,"
        "replaceButton",
        {},
        {"Edit Description", "Delete", "Copy", "Move Down", "Swap Columns", "Reset Properties",
         "Replace All"});
}

void TestMainWindow::everyEditUndoesAndRedoesByKeyboard() {
    QFETCH(QString, current);
    QFETCH(QString, commands);
    QFETCH(QStringList, answers);
    QFETCH(QStringList, steps);
    QTemporaryDir dir;
    ScriptedPrompter p;
    MainWindow w(&p);
    w.start(QString());
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.doc().items().appendItems({section("A"),
                                 {"apple", "a.exe", "-p", "", "", "", "red"},
                                 icon("bear"),
                                 section("B"),
                                 icon("cat")});
    w.doc().setSetting("Header HTML", "<h1>\r\nhi</h1>");
    for (const QString& a : answers)
        a.startsWith("file:") ? p.files.push_back(dir.filePath(a.mid(5))) : p.inputs.push_back(a);
    bool onIcons = false;
    const int row = current.toInt(&onIcons);
    auto* tabs = child<QTabWidget>(&w, "tabs");
    auto* items = child<ItemListView>(&w, "itemList");
    auto* props = child<QTreeView>(&w, "propertyList");
    QTreeView* list = onIcons ? items : props;
    tabs->setCurrentIndex(onIcons ? 0 : 1);
    const QModelIndex start =
        list->model()->index(onIcons ? row : w.doc().props().rowOf(current), 0);
    list->setCurrentIndex(start);
    list->setFocus();
    const QStringList before = snapshot(w);

    for (const QString& command : commands.split(u';')) {
        const QString dialog = command.section(u':', 1);
        if (command.startsWith("edit=")) {
            items->edit(items->currentIndex(), QAbstractItemView::AllEditTriggers, nullptr);
            auto* editor = child<QLineEdit>(items, QString());
            editor->selectAll();
            QTest::keyClicks(editor, command.mid(5));
            QTest::keyClick(editor, Qt::Key_Return);
            QCoreApplication::processEvents(); // the list takes the text after the key
            continue;
        }
        QPointer<QTimer> modal;
        if (!dialog.isEmpty())
            modal = whenModal([dialog](QDialog* d) { fill(d, dialog); });
        press(w, command.section(u':', 0, 0));
        if (auto* replace = w.findChild<ReplaceDialog*>(); replace && replace->isVisible()) {
            delete modal; // the one dialog that leaves the window free
            fill(replace, dialog);
            replace->close();
        }
    }
    const QStringList after = snapshot(w);
    QVERIFY(after != before);

    // Undo is an edit too: the document stays changed.
    w.doc().setModified(false);
    auto* undo = child<QAction>(&w, "actionUndo");
    auto* redo = child<QAction>(&w, "actionRedo");
    for (qsizetype i = steps.size() - 1; i >= 0; --i) {
        QCOMPARE(undo->text(), "&Undo " + steps[i]);
        press(w, "Ctrl+Z");
    }
    QVERIFY(!undo->isEnabled());
    QCOMPARE(snapshot(w), before);
    QVERIFY(w.doc().isModified());
    QCOMPARE(tabs->currentIndex(), onIcons ? 0 : 1);
    QCOMPARE(list->currentIndex(), start);
    QVERIFY(list->selectionModel()->isRowSelected(start.row()));
    for (qsizetype i = 0; i < steps.size(); ++i) {
        QCOMPARE(redo->text(), "&Redo " + steps[i]);
        press(w, i % 2 ? "Ctrl+Shift+Z" : "Ctrl+Y");
    }
    QVERIFY(!redo->isEnabled());
    QCOMPARE(snapshot(w), after);

    // Saved is what is shown; opening the file again starts without history.
    const QStringList saving = snapshot(w, false);
    const QString saved = dir.filePath("saved.pmf");
    p.files = {saved, saved};
    press(w, "Ctrl+S");
    press(w, "Ctrl+Z");
    p.answers = {PromptAnswer::No};
    press(w, "Ctrl+O");
    QVERIFY(!undo->isEnabled() && !redo->isEnabled());
    QCOMPARE(snapshot(w, false).mid(1), saving.mid(1));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
