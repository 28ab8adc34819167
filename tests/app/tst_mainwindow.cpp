#include "ScriptedPrompter.h"
#include "TestFiles.h"
#include "Widgets.h"
#include "app/ItemListView.h"
#include "app/MainWindow.h"
#include "commands/ListController.h"
#include "commands/MenuState.h"
#include "dialogs/ReplaceDialog.h"
#include "model/SectionRow.h"

#include <QAbstractButton>
#include <QAction>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScreen>
#include <QSettings>
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
QStringList snapshot(MainWindow& w) {
    const Document& d = w.doc();
    QStringList s{w.windowTitle()};
    for (int i = 0; i < d.items().count(); ++i) {
        const ItemRow row = d.items().row(i);
        s << QStringList(row.begin(), row.end()).join(u'|');
    }
    for (int r = 0; r < d.props().count(); ++r)
        s << d.props().name(r) + u'=' + d.setting(d.props().key(r)) + u'=' + d.props().setting(r);
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

    void moveEnabling_data() {
        QTest::addColumn<QString>("shape"); // i icon, s section
        QTest::addColumn<int>("current");
        QTest::addColumn<QList<int>>("alsoSelected");
        QTest::addColumn<bool>("up");
        QTest::addColumn<bool>("down");
        const auto row = [](const char* tag, const char* shape, int current, const QList<int>& also,
                            bool up, bool down) {
            QTest::newRow(tag) << shape << current << also << up << down;
        };
        row("no rows", "", -1, {}, false, false);
        row("first icon", "iii", 0, {}, false, true);
        row("last icon", "iii", 2, {}, true, false);
        row("section with only icons above", "iisi", 2, {}, false, false);
        row("section between sections", "sisis", 2, {}, true, true);
        row("icons apart", "iiii", 1, {3}, false, false);
        row("run of icons inside", "iiii", 2, {1}, true, true);
        row("run down to the last icon", "iiii", 2, {3}, true, false);
        row("run of icons into a section", "iisi", 1, {2}, false, false);
        row("run of sections", "sisisi", 2, {3, 4}, true, false);
    }

    void moveEnabling() {
        QFETCH(QString, shape);
        QFETCH(int, current);
        QFETCH(QList<int>, alsoSelected);
        QFETCH(bool, up);
        QFETCH(bool, down);
        ScriptedPrompter p;
        MainWindow w(&p);
        std::vector<ItemRow> rows;
        for (QChar c : shape)
            rows.push_back(c == 's' ? section("s") : icon("i"));
        w.doc().items().appendItems(rows);
        w.doc().setSetting(Setting::HtmlFile, current == 0 ? "/bin/sh" : ""); // a page that exists
        w.setCurrentRow(current);
        QItemSelectionModel* selection = child<ItemListView>(&w, "itemList")->selectionModel();
        for (int r : alsoSelected)
            selection->select(w.doc().items().index(r, 0),
                              QItemSelectionModel::Select | QItemSelectionModel::Rows);
        w.updateActions();
        // The decision itself is checked here; the window follows it.
        const MenuState m = ulvanta::menuState(w.doc().items(), current, false,
                                               selectedSpans(selection, int(shape.size())));
        QCOMPARE(m.moveUp, up);
        QCOMPARE(m.moveDown, down);
        QCOMPARE(m.copy, !shape.isEmpty());
        QCOMPARE(child<QAction>(&w, "actionRun")->isEnabled(), current == 0);
        QCOMPARE(child<QAction>(&w, "actionShortcut")->isEnabled(), current == 0);
        QCOMPARE(child<QAction>(&w, "actionMoveUp")->isEnabled(), up);
        QCOMPARE(child<QAction>(&w, "actionMoveDown")->isEnabled(), down);
    }

    void inPlaceEditOfASectionIsRefused() {
        ScriptedPrompter p;
        MainWindow w(&p);
        w.start(QString());
        w.doc().items().appendItems({section("s"), icon("i")});
        w.setCurrentRow(0);
        whenModal([](QDialog* d) { d->reject(); }); // the section's own dialog instead
        auto* view = child<ItemListView>(&w, "itemList");
        QVERIFY(!view->edit(view->currentIndex(), QAbstractItemView::AllEditTriggers, nullptr));
    }

    // Dropped files and addresses land on the row under the cursor, or after the last
    // one, as one step; what cannot be added is named.
    void dropOnTheListLandsThere() {
        QTemporaryDir tmp;
        test::writeFile(tmp.filePath("app.desktop"),
                        "[Desktop Entry]\nType=Application\nName=App\nExec=app %f\n");
        ScriptedPrompter p;
        MainWindow w(&p);
        w.start(QString());
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        ItemList& items = w.doc().items();
        items.appendItems({icon("x"), icon("y"), icon("z")});
        auto* view = child<ItemListView>(&w, "itemList");
        const auto dropOn = [&](QPoint at, const QList<QUrl>& urls) {
            QMimeData data;
            data.setUrls(urls);
            QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            for (QEvent* e : std::initializer_list<QEvent*>{&enter, &move, &drop})
                QApplication::sendEvent(view->viewport(), e);
            QStringList rows; // the current one starred
            for (int i = 0; i < items.count(); ++i)
                rows << (i == w.currentRow() ? "*" : "") + items.cell(i, ColDescription);
            return rows.join(',');
        };
        QCOMPARE(dropOn(view->visualRect(items.index(1, 0)).center(),
                        {QUrl("mailto:a@b.c"), QUrl::fromLocalFile(tmp.filePath("app.desktop")),
                         QUrl::fromLocalFile("/bin/sh"), QUrl("https://www.example.org/")}),
                 "x,*App,sh,www.example.org,y,z");
        QCOMPARE(w.statusBar()->currentMessage(),
                 "Not added: mailto:a@b.c is neither a file nor a web address");
        const QPoint below = view->visualRect(items.index(5, 0)).center() + QPoint(0, 60);
        QCOMPARE(dropOn(below, {QUrl::fromLocalFile("/usr")}), "x,App,sh,www.example.org,y,z,*usr");
        QCOMPARE(dropOn(below, {QUrl::fromLocalFile(tmp.filePath("gone"))}),
                 "x,App,sh,www.example.org,y,z,*usr");
        QCOMPARE(w.statusBar()->currentMessage(), "Not added: gone cannot be read");
        QCOMPARE(w.doc().undoStack().count(), 2);
    }

    // Also run at twice the scale, where the first size is more than the screen holds.
    void windowFitsTheScreenAndIsRemembered() {
        QSettings().clear(); // a first start
        ScriptedPrompter p;
        MainWindow first(&p);
        first.start(QString());
        QVERIFY(first.screen()->availableGeometry().contains(first.frameGeometry()));
        // The main columns show their texts in the first window, the others their captions.
        const QString desc = "A description of some length", command = "/usr/bin/some-program";
        first.doc().items().appendItems({{desc, command, {}, {}, "/usr/share/icons/x.png"}});
        first.setGeometry(first.geometry().adjusted(30, 30, -40, -30)); // clear of the top
        QApplication::processEvents();
        auto* header = child<ItemListView>(&first, "itemList")->header();
        const QFontMetrics metrics(header->font());
        if (!qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) { // else the screen is too small
            QVERIFY(header->sectionSize(0) > metrics.horizontalAdvance(desc));
            QVERIFY(header->sectionSize(1) > metrics.horizontalAdvance(command));
            QCOMPARE(header->sectionSize(3), header->sectionSizeHint(3));
        }
        header->resizeSection(3, 123); // as the user drags it
        child<QTabWidget>(&first, "tabs")->setCurrentIndex(2);
        QVERIFY(first.close());
        MainWindow next(&p);
        next.start(QString());
        QCOMPARE(next.geometry(), first.geometry());
        QCOMPARE(child<ItemListView>(&next, "itemList")->header()->sectionSize(3), 123);
        QCOMPARE(child<QTabWidget>(&next, "tabs")->currentIndex(), 2);
    }

    void recentDocumentsListedAboveExit() {
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
        actions[exit - 2]->trigger();
        QCOMPARE(w.doc().filePath(), b);
    }

    // Check Page lists the page's problems; a line takes the user to its icon row, or
    // opens its setting.
    void problemLineTakesYouThere_data() {
        QTest::addColumn<QString>("keys");  // pressed in the panel; empty: a double-click
        QTest::addColumn<int>("line");      // the line current then
        QTest::addColumn<QString>("where"); // the row, or the setting
        QTest::addColumn<int>("marked");    // the row's column with the warning sign
        QTest::newRow("command by Enter") << "Return" << 0 << "1" << int(ColCommand);
        QTest::newRow("start in by double-click") << "" << 1 << "2" << int(ColStartIn);
        QTest::newRow("setting opened by Enter")
            << "Down,Down,Return" << 2 << "Background picture" << -1;
    }
    void problemLineTakesYouThere() {
        QFETCH(QString, keys);
        QFETCH(int, line);
        QFETCH(QString, where);
        QTemporaryDir dir;
        ScriptedPrompter p;
        MainWindow w(&p);
        w.start(QString());
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const QString run = runStyles().at(0);
        w.doc().items().appendItems({section("A"),
                                     {"apple", dir.filePath("gone"), "", "", "", run, ""},
                                     {"bear", "/bin/sh", "", dir.filePath("old"), "", run, ""}});
        w.doc().setSetting(Setting::HtmlFile, dir.filePath("page.htm"));
        w.doc().setSetting(Setting::BackgroundPicture, dir.filePath("gone.png"));
        press(w, "Ctrl+K");
        auto* panel = child<QTreeView>(&w, "problemList");
        QTRY_COMPARE(panel->model()->rowCount(), 3);
        QCOMPARE(QApplication::focusWidget(), panel);
        bool opened = false;
        QPointer<QTimer> modal = whenModal([&](QDialog* d) {
            opened = true;
            d->reject();
        });
        for (const QString& key : keys.split(u',', Qt::SkipEmptyParts))
            press(w, key);
        if (keys.isEmpty()) {
            const QRect cell = panel->visualRect(panel->model()->index(line, 0));
            QTest::mouseClick(panel->viewport(), Qt::LeftButton, {}, cell.center());
            QTest::mouseDClick(panel->viewport(), Qt::LeftButton, {}, cell.center());
        }
        QCOMPARE(panel->currentIndex().row(), line);
        bool isRow = false;
        const int row = where.toInt(&isRow);
        QCOMPARE(child<QTabWidget>(&w, "tabs")->currentIndex(), isRow ? 0 : 1);
        if (isRow) {
            QCOMPARE(w.currentRow(), row);
            QFETCH(int, marked);
            for (int c = ColCommand; c < ItemColumnCount; ++c)
                QCOMPARE(
                    w.doc().items().index(row, c).data(Qt::DecorationRole).value<QIcon>().isNull(),
                    c != marked);
        } else {
            QCOMPARE(child<QTreeView>(&w, "propertyList")->currentIndex().row(),
                     w.doc().props().rowOf(*PropertyTable::settingNamed(where)));
            QTRY_VERIFY(opened);
        }
        delete modal;
        w.doc().edits().markSaved();
    }

    void editsUndoAndRedoByKeyboard_data() {
        // Separated by ";": "@ROW" or "@PROPERTY" makes it current as a click would (the
        // first is current again after undoing all); "KEYS" or "KEYS:what to do in the
        // dialog they open"; "edit=TEXT" renames the current row in place.
        QTest::addColumn<QString>("commands");
        QTest::addColumn<QStringList>("answers"); // typed into input boxes
        QTest::addColumn<QString>("names");       // as Undo names them, first to last
        QTest::addColumn<QString>("status");      // the status bar's line after them
        QTest::newRow("icons")
            << "@1;Ctrl+D;@3;Ctrl+U;@3;edit=bee;Delete;@1;F12;F2:descriptionEdit=ape,addButton;"
               "F4:descriptionEdit=dog,commandEdit=dog.exe,addCloseButton;@0;F2:nameEdit=Z,"
               "addButton;"
               "F7:nameEdit=C,addButton;F6:okButton;F6:operation1,secondColumn5,okButton;"
               "Ctrl+H:findEdit=a,replaceEdit=oo,descriptionCheck,commentsCheck,replaceButton;F9"
            << QStringList{}
            << "Move Down,Move Up,Edit Description,Delete,Copy,Edit Icon,Add Icon,Edit Section,Add "
               "Section,Swap Columns,Move Column,Replace All,Reset Properties"
            << QString();
        // A section among the selected rows takes its icons along.
        QTest::newRow("many rows") << "@2;Shift+Down;Shift+Down;Delete;@0;Shift+Down;F12"
                                   << QStringList{} << "Delete,Copy" << QString();
        QTest::newRow("properties")
            << "@Columns;Ctrl+P;@Table "
               "border;Return;@0;Alt+P;Tab;Return;@Font;Return:okButton;@Link colour;"
               "Return:colourEdit=00ff00,okButton;@Header "
               "HTML;Return:textEdit=<p>\nnew</p>,okButton;"
               "@Icon size;Del;F9;@Title;Return;@(HTML File);F3"
            << QStringList{"7", "Mine"}
            << "Columns,Table border,Table border,Font,Link colour,Header HTML,Icon size,Reset "
               "Properties,Title,"
               "Build"
            << "Built page.htm: 3 icons, 0 extracted";
    }

    void editsUndoAndRedoByKeyboard() {
        QFETCH(QString, commands);
        QFETCH(QStringList, answers);
        QFETCH(QString, names);
        const QStringList steps = names.split(u',');
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
        w.doc().setSetting(Setting::HeaderHtml, "<h1>\r\nhi</h1>");
        p.inputs.assign(answers.begin(), answers.end());
        p.files = {dir.filePath("page.htm")}; // where Build puts the page
        auto* tabs = child<QTabWidget>(&w, "tabs");
        auto* items = child<ItemListView>(&w, "itemList");
        QTreeView* list = nullptr;
        const auto select = [&](const QString& where) {
            bool isRow = false;
            const int row = where.toInt(&isRow);
            list = isRow ? items : child<QTreeView>(&w, "propertyList");
            tabs->setCurrentIndex(isRow ? 0 : 1);
            const QModelIndex at = list->model()->index(
                isRow ? row : w.doc().props().rowOf(*PropertyTable::settingNamed(where)), 0);
            list->setCurrentIndex(at);
            // A click without Shift or Ctrl selects that row alone, whatever keys went before.
            list->selectionModel()->select(at, QItemSelectionModel::ClearAndSelect |
                                                   QItemSelectionModel::Rows);
            list->setFocus();
        };
        select(commands.section(u';', 0, 0).mid(1));
        QTreeView* const startList = list;
        const QModelIndex start = list->currentIndex();
        const QStringList before = snapshot(w);
        w.doc().edits().markSaved();

        for (const QString& command : commands.split(u';')) {
            const QString dialog = command.section(u':', 1);
            if (command.startsWith(u'@')) {
                select(command.mid(1));
            } else if (command.startsWith("edit=")) {
                items->edit(items->currentIndex(), QAbstractItemView::AllEditTriggers, nullptr);
                auto* editor = child<QLineEdit>(items, QString());
                editor->selectAll();
                QTest::keyClicks(editor, command.mid(5));
                QTest::keyClick(editor, Qt::Key_Return);
                QCoreApplication::processEvents(); // the list takes the text after the key
            } else {
                QPointer<QTimer> modal =
                    dialog.isEmpty() ? nullptr : whenModal([=](QDialog* d) { fill(d, dialog); });
                press(w, command.section(u':', 0, 0));
                if (auto* replace = w.findChild<ReplaceDialog*>();
                    replace && replace->isVisible()) {
                    delete modal; // the one dialog that leaves the window free
                    fill(replace, dialog);
                    replace->close();
                }
            }
        }
        const QStringList after = snapshot(w);
        QVERIFY(after != before);
        QTEST(child<QStatusBar>(&w, "statusBar")->currentMessage(), "status");

        // Undone back to the saved state the document is unchanged; redone, changed.
        auto* undo = child<QAction>(&w, "actionUndo");
        auto* redo = child<QAction>(&w, "actionRedo");
        for (qsizetype i = steps.size() - 1; i >= 0; --i) {
            QCOMPARE(undo->text(), "&Undo " + steps[i]);
            press(w, "Ctrl+Z");
        }
        QVERIFY(!undo->isEnabled());
        QCOMPARE(snapshot(w), before);
        QVERIFY(!w.doc().isModified());
        QCOMPARE(tabs->currentIndex(), startList == items ? 0 : 1);
        QCOMPARE(startList->currentIndex(), start);
        QVERIFY(startList->selectionModel()->isRowSelected(start.row()));
        for (qsizetype i = 0; i < steps.size(); ++i) {
            QCOMPARE(redo->text(), "&Redo " + steps[i]);
            press(w, i % 2 ? "Ctrl+Shift+Z" : "Ctrl+Y");
        }
        QVERIFY(!redo->isEnabled());
        QCOMPARE(snapshot(w), after);
        QCOMPARE(w.windowTitle(), w.doc().caption()); // the title follows the document

        p.answers = {PromptAnswer::Cancel}; // to the question whether to save the changes
        QVERIFY(!w.close() && w.isVisible());
        const QString saved = dir.filePath("saved.pmf");
        p.files = {saved, saved};
        press(w, "Ctrl+S"); // then opened again: without history
        press(w, "Ctrl+O");
        QVERIFY(!undo->isEnabled() && !redo->isEnabled());
        QVERIFY(w.close());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
